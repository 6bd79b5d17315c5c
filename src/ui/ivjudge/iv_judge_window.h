#pragma once
// The IV judge window: battle rule, species, level and nature, and per stat the EV and the list of
// values the stat can show. Clicking the value a creature shows, or typing it, narrows that stat's
// IV range; a characteristic and a known hidden-power type narrow further. The window shows the
// growth advice, the EVs at which the bounds' stats rise, the possible hidden-power types, and
// copies a text report to the clipboard.

#include "calc/iv/iv_judge.h"
#include "ui/common/tool_window.h"
#include "view/common/list_choice.h"

#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QListView;
class QModelIndex;
class QStringListModel;
class QGridLayout;
class QLayout;

namespace rusrina {

class StatusLine;

class StatRowModel;

class IvJudgeWindow : public ToolWindow {
    Q_OBJECT

public:
    // Restores the rule, species, level and nature chosen at the last exit and computes every list.
    explicit IvJudgeWindow(SettingsFile& settings, QWidget* parent = nullptr);
    // Writes the four selector positions (the placement is written by ToolWindow).
    ~IvJudgeWindow() override;

    // Chooses `species` (and, when the rule chosen does not list it, a rule that does) and brings the
    // window forward; the level, nature and stats stay as they are.
    void openOnSpecies(int species);

    // The text "個体値出力" copies; rebuilt on every refresh.
    const std::string& reportText() const { return m_report; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one stat's column.
    struct StatColumn {
        QLabel* advice = nullptr;
        QSpinBox* ev = nullptr;
        QLineEdit* typed = nullptr; // the stat the creature shows, picked with Enter
        QListView* list = nullptr;
        StatRowModel* model = nullptr;
        QLabel* evThreshold = nullptr;
        QComboBox* upper = nullptr; // position = the range's max
        QComboBox* lower = nullptr; // position = the range's min
        // The mouse press that is being handled already picked its row (see pickByClick).
        bool pickedOnPress = false;
    };

    QLayout* buildTopRow();
    QGridLayout* buildAdviceGrid();
    QLayout* buildLevelRow();
    QGridLayout* buildStatColumns();
    QLayout* buildHiddenPowerColumn();
    QLayout* buildButtons();
    QComboBox* buildChooser(const char* name, const std::vector<ListChoice>& choices);
    void connectStatColumn(int stat);

    void restoreSettings();
    void saveSettings();
    void fillSpeciesList();

    bool hasSelection() const;
    int species() const;
    int level() const;
    int nature() const;
    IvRanges ranges() const;
    StatValues evs() const;
    JudgeExtras extras() const;

    // Rebuilds the lists; an EV change keeps the lists whose rows stay the same (and their pick).
    void recompute(bool keepUnchangedLists = false);
    void changeEv();
    void typeStat(int stat);
    void refresh();
    void pick(int stat, int row);
    void pickByClick(int stat, const QModelIndex& index);
    void stepLevel(int delta);
    void reset();
    void copyReport() const;

    QComboBox* m_rule = nullptr;
    QComboBox* m_species = nullptr;
    QComboBox* m_level = nullptr;
    QComboBox* m_nature = nullptr;
    QComboBox* m_characteristic = nullptr;
    QComboBox* m_hiddenPowerType = nullptr;
    // A typed stat that no IV gives, or that the clues leave no IVs.
    StatusLine* m_message = nullptr; // the judge's notice; a message after 個体値出力
    std::array<StatColumn, 6> m_columns{};
    QCheckBox* m_showHiddenPower = nullptr;
    QListView* m_hiddenPowerList = nullptr;
    QStringListModel* m_hiddenPowerModel = nullptr;

    JudgeTables m_tables;
    std::string m_report;
};

} // namespace rusrina
