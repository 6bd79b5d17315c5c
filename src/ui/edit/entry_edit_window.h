#pragma once
// The box entry edit window: fills in one creature for the box document's box, either as a new
// entry or over an existing one, and registers it through the document.

#include "box/box_entry.h"
#include "box/entry_extra.h"
#include "ui/common/tool_window.h"

#include <array>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace rusrina {

class BoxDocument;
class StatusLine;
struct BoxChange;
struct ListChoice;
struct EntryForm;

class EntryEditWindow : public ToolWindow {
    Q_OBJECT

public:
    EntryEditWindow(BoxDocument& document, SettingsFile& settings, QWidget* parent = nullptr);
    // Writes the rule and level positions (the placement is written by ToolWindow).
    ~EntryEditWindow() override;

    // Opens the form on `slot` (-1: a new entry) and brings the window forward.
    void openOn(int slot);
    // Prepares the form for a new entry, written into the first free slot. The fields keep what
    // they showed last.
    void openNew();
    // Opens the form, cleared (clearForm), on a new entry of `species` and brings the window forward.
    void openNewOf(int species);
    // Prepares the form for `slot`. An in-use slot is loaded into the form and registering
    // overwrites it; a free slot only makes the next registration a new entry. What the user leaves
    // as the loaded entry showed it is registered exactly as stored (see EntryForm::stored).
    void fillFromEntry(int slot);
    // "クリア": the form as the window opened, but for the battle rule and the level, which stay
    // as chosen. A stored entry's values are no longer carried.
    void clearForm();

Q_SIGNALS:
    // A slot of the box was written (added or overwritten). Sent after the window has closed.
    void entryRegistered(int slot);

private:
    struct MoveRow {
        QComboBox* type = nullptr;
        QComboBox* move = nullptr;
        std::array<QLabel*, 5> info{};
    };

    void buildWidgets();
    QWidget* buildTopRows();
    QWidget* buildStatGroup();
    QWidget* buildRightColumn();
    QWidget* buildMoveGrid();
    QLayout* buildButtons();
    void fillFixedChoosers();
    void connectHandlers();
    void readSettings();

    // The chooser rebuilds, each followed by what depends on it.
    void rebuildSpecies();
    void rebuildAbilitiesAndMoves();
    void rebuildMoves(int slot, const std::vector<ListChoice>* unfiltered = nullptr);
    void refreshMoveInfo(int slot);
    int storedAbility() const;
    int storedMove(int slot) const;

    void onRuleChanged();
    void onPresetChosen(int row);
    void onSixV();
    void applyMode();
    // The figures that follow the fields as they change: the stats row while the stats are
    // computed, and the EVs left of the 510.
    void refreshComputedStats();
    void refreshEvsLeft();
    void onRegister();
    void onNameEdited(const QString& text);
    void showNameMark();

    bool directMode() const;
    void setDirectMode(bool direct);
    // Reads every field into a form, checking the fields in use; a failed check shows its message,
    // focuses the field and gives nothing.
    std::optional<EntryForm> pullFields();
    // Shows the form's IVs, EVs, stats and nature.
    void pushFields(const EntryForm& form);
    // Shows every field of the form.
    void showForm(const EntryForm& form);
    void showStats(const std::array<int, 6>& stats);
    // Writes the entry and says which slot it went to, or shows why not and gives -1.
    int store(const BoxEntry& entry, const EntryExtra& extra);
    // A form open on an existing entry closes when the box changes under it.
    void onBoxChanged(const BoxChange& change);

    BoxDocument& m_document;
    int m_slot = -1;                  // the slot being edited; -1 for a new entry
    std::optional<BoxEntry> m_stored; // the entry last loaded into the form
    int m_storedForm = 0;             // its kept form, which no field shows: kept while its species is
    bool m_appliedDirect = false;     // the mode the fields were last set up for
    // The stats typed in direct mode, shown again when the user comes back to it from the other
    // mode (which fills the row with computed stats).
    std::optional<std::array<QString, 6>> m_directStats;

    QLabel* m_nameMark = nullptr; // kStoredValueMark while the name stands for bytes it cannot show
    QLineEdit* m_name = nullptr;
    QComboBox* m_species = nullptr;
    QComboBox* m_level = nullptr;
    QComboBox* m_nature = nullptr;
    QComboBox* m_ability = nullptr;
    QComboBox* m_item = nullptr; // the 17 damage-item rows, then every other held item
    QComboBox* m_gender = nullptr;
    QLineEdit* m_happiness = nullptr;
    QCheckBox* m_shiny = nullptr;
    QRadioButton* m_ivEvMode = nullptr;
    QRadioButton* m_directMode = nullptr;
    std::array<QLineEdit*, 6> m_iv{};
    std::array<QLineEdit*, 6> m_ev{};
    std::array<QLineEdit*, 6> m_stat{};
    QLabel* m_evsLeft = nullptr;
    QLabel* m_hpMarks = nullptr; // the HP tuning marks the HP meets
    StatusLine* m_status = nullptr;
    QComboBox* m_rule = nullptr;
    QComboBox* m_preset = nullptr;
    std::array<MoveRow, 4> m_moves{};
};

} // namespace rusrina
