#pragma once
// The box and damage window: the box list with its operations on the left; the attacker and
// defender panels, the battle conditions and the six calculation rows on the right. It owns the
// box, its default file and the entry edit window.

#include "ui/common/tool_window.h"

#include <filesystem>
#include <memory>
#include <vector>

class QTableView;

namespace rusrina {

// Forward declarations keep the core's headers out of every file that includes this one.
class Box;
class BoxFile;
class BoxHistory;
struct BoxEdit;
class BoxListModel;
class ConditionsPanel;
enum class ListOperation;
enum class SaveCheck;
struct BoxListState;
struct BoxEntry;
struct DamageEngine;
struct DamageSettings;
struct SlotResult;
class DamageRows;
class EntryEditWindow;
class EntryPanel;
class SetTextDialog;
class StatusLine;
struct ParsedSet;
class MatrixWindow;

class BoxWindow : public ToolWindow {
    Q_OBJECT

public:
    // Loads the default box file from the current directory; a file that could not be read in
    // full is reported. A recovery file left by a session that ended without saving is offered:
    // restore it, keep it for later, or delete it.
    explicit BoxWindow(SettingsFile& settings, QWidget* parent = nullptr);
    ~BoxWindow() override;

    // Asked before the program ends. With unsaved changes the user chooses: Yes saves (and a
    // failed save keeps the program open), No discards, Cancel keeps the program open. Returns
    // whether the program may end.
    bool confirmClose(QWidget* dialogParent = nullptr);

    Box& box() { return *m_box; }
    const Box& box() const { return *m_box; }
    EntryEditWindow* editWindow() const { return m_edit.get(); }
    // Every change of the box the user makes goes into the history as a step that can be taken
    // back; a window that changes the box records its change here (BoxHistory::record).
    BoxHistory& history() const { return *m_history; }
    // The box differs from its file: a step was made or taken back since the last save, or the
    // box changed outside the history.
    bool hasUnsavedChanges() const;
    // Tells the window that the box changed without a step in its history (a restored recovery
    // file): it stays changed until saved, whatever is taken back.
    void markChanged();
    StatusLine& statusLine() const { return *m_status; }

    // When the session ends without the unsaved-changes question (a signal to end, the desktop
    // session closing): writes the unsaved box to the recovery file beside the default box file.
    // Returns false only when there were changes and they could not be written.
    bool writeRecovery();
    const std::filesystem::path& recoveryPath() const { return m_recoveryPath; }
    int attackerSlot() const { return m_attacker; }
    int defenderSlot() const { return m_defender; }
    // The last result of calculation row `row` (0 to 5).
    const SlotResult& result(int row) const;

    // Slot -1 clears the side. Setting the attacker rebuilds the learnable-move list.
    void setAttacker(int slot);
    void setDefender(int slot);
    // Computes all six rows from the current sides and controls and shows them.
    void recalculate();
    // Copies the row's calculation log to the clipboard; a row without a log leaves it alone.
    void copyRowLog(int row);
    // "テキスト出力": the selected entry (every entry when `all` is set or nothing is selected) as
    // team text on the clipboard, in the language chosen in the "テキスト入力" dialog.
    void copyAsText(bool all);
    // "テキスト入力": shows the dialog, its text taken from the clipboard when that holds team text.
    void openTextImport();
    SetTextDialog* textDialog() const { return m_textDialog; }

    // What the last calculation read from the sides and controls, and the mode it ran in.
    const DamageEngine& damageInputs() const;
    const DamageSettings& damageSettings() const;
    MatrixWindow* matrixWindow() const { return m_matrix.get(); }

    // Writes an in-use entry in place (a spread found for it) as one step of the history, named
    // `step`: the list row, the sides and the rows follow. False, changing nothing, when the slot
    // is not in use or the entry is not valid.
    bool replaceEntry(int slot, const BoxEntry& entry, const QString& step);

Q_SIGNALS:
    // After every calculation: a side, an entry, the mode or a condition changed.
    void calculated();

private:
    QWidget* buildListSide();
    int selectedRow() const;
    void selectRow(int row);
    // What the window shows beside the list, and showing a new state of it.
    BoxListState listState() const;
    void showListState(const BoxListState& state);
    // `step` names the operation in the history (its button's caption).
    void runListOperation(ListOperation operation, const QString& step);
    void openNew();
    void openSelected();
    // Each returns false after telling the user why nothing was saved (or when the user cancelled).
    bool save(SaveCheck check);
    bool saveAs();
    void markSaved();
    void dropOwnRecovery();
    void offerRecovery();
    void restoreRecovery();
    void importFile();
    QWidget* buildTextButtons(QWidget* parent);
    // Appends the sets that read after the last entry, as one run of slots (one step to undo),
    // and reports how many were added and how many did not fit.
    void appendTextSets(const std::vector<ParsedSet>& sets);
    void onEntryRegistered(int slot);
    // Shows the box after a step of the history was taken back or made again.
    void showHistoryStep(const BoxEdit& edit, bool undone, const QString& text);
    void addShortcuts();
    const BoxEntry* sideEntry(int slot) const;

    std::unique_ptr<Box> m_box; // declared before the edit window, which keeps a reference to it
    std::unique_ptr<BoxFile> m_boxFile;
    std::unique_ptr<EntryEditWindow> m_edit;
    std::unique_ptr<MatrixWindow> m_matrix;
    bool m_editingExisting = false;
    BoxHistory* m_history = nullptr;
    std::filesystem::path m_recoveryPath;
    // The recovery file holds this session's work (restored from it, or written by it), so a save
    // or a "No" to the unsaved-changes question makes it obsolete. One kept for later is not.
    bool m_recoveryOwned = false;
    int m_attacker = -1;
    int m_defender = -1;
    struct Calculation; // the damage engine's inputs and the six results
    std::unique_ptr<Calculation> m_calculation;

    BoxListModel* m_model = nullptr;
    QTableView* m_list = nullptr;
    EntryPanel* m_attackerPanel = nullptr;
    EntryPanel* m_defenderPanel = nullptr;
    ConditionsPanel* m_conditions = nullptr;
    DamageRows* m_rows = nullptr;
    SetTextDialog* m_textDialog = nullptr; // made on first use
    StatusLine* m_status = nullptr;
};

} // namespace rusrina
