#pragma once
// The box and damage window: the box list with its operations on the left; the attacker and
// defender panels, the battle conditions and the six calculation rows on the right. It shows the
// box document and the battle session over its pair, and hands them what the user does; the edit
// form and the matrix it asks for through its signals, which whoever made the windows connects.

#include "ui/common/tool_window.h"

class QCheckBox;
class QLayout;
class QLabel;
class QTableView;

namespace rusrina {

// Forward declarations keep the core's headers out of every file that includes this one.
class BattleStatePanel;
class BoxListModel;
class BattleSession;
class BoxDocument;
class ConditionsPanel;
class DamageRows;
class DuelLine;
class EntryPanel;
class SetTextDialog;
class StatusLine;
enum class SaveCheck;
struct BoxChange;
struct LoadResult;
struct Recovery;

class LogPane;

class BoxWindow : public ToolWindow {
    Q_OBJECT

public:
    BoxWindow(BoxDocument& document, BattleSession& battle, SettingsFile& settings, QWidget* parent = nullptr);
    // Writes the "計算方式" (the placement is written by ToolWindow).
    ~BoxWindow() override;

    // What the window says as the program opens: what the session's first read of its file left
    // out, then the offer of a recovery file a session that ended without saving left behind:
    // restore it, keep it for later, or delete it.
    void reportOpening(const LoadResult& loaded);

    // Asked before the program ends. With unsaved changes the user chooses: Yes saves (and a
    // failed save keeps the program open), No discards, Cancel keeps the program open. Returns
    // whether the program may end.
    bool confirmClose(QWidget* dialogParent = nullptr);

    StatusLine& statusLine() const { return *m_status; }

    // Copies the row's calculation log to the clipboard; a row without a log leaves it alone.
    void copyRowLog(int row);
    // Copies the 対面 line's log the same way and shows it in the log pane.
    void copyDuelLog();
    // "テキスト出力": the selected entry (every entry when `all` is set or nothing is selected) as
    // team text on the clipboard, in the language chosen in the "テキスト入力" dialog.
    void copyAsText(bool all);
    // "テキスト入力": shows the dialog, its text taken from the clipboard when that holds team text.
    void openTextImport();
    SetTextDialog* textDialog() const { return m_textDialog; }

Q_SIGNALS:
    // "新規追加" (slot -1, only while the box has room) or "編集" on a row: the edit form opens on
    // that slot.
    void editRequested(int slot);
    // "一覧・努力値探索" was pressed.
    void matrixRequested();
    // "図鑑で見る": the species detail is to show the selected entry's species.
    void speciesRequested(int species);
    // "連続攻撃" was pressed.
    void sequenceRequested();

private:
    // The window is built in steps, each making its widgets and wiring them to the sessions.
    QLayout* buildCalculationSide();
    QLayout* buildPairPanels();
    DamageRows* buildRows();
    QWidget* buildConditionsPanel();
    QWidget* buildStatePanel();
    QWidget* buildOrderLine();
    QLayout* buildFoot();  // "並べ替えても攻撃側・防御側を保つ" and the status line
    QLayout* buildLinks(); // "計算過程", "図鑑で見る" and the tools
    QWidget* buildListSide();
    QWidget* buildTextButtons(QWidget* parent);
    void addShortcuts();
    void connectSession();
    // Hands the sessions what the controls hold as the window opens and restores the last pair.
    void startBattle();
    int selectedRow() const;
    void selectRow(int row);
    void showBoxChange(const BoxChange& change);
    void showPair();
    // Sets the pair the settings remember while "並べ替えても攻撃側・防御側を保つ" is ticked, each
    // side only while its entry is still in its slot.
    void restorePair();
    void showLearnableChoices();
    void showRows();
    void showExactMode(bool exact);
    // Hands the conditions panel's values to the session.
    void pushConditions();
    // The battle-state panel was unfolded or folded: the window grows to show it, or gives the
    // room back, and stays on the screen.
    void fitStatePanel(bool open);
    void openNew();
    void openSelected();
    // Each returns false after telling the user why nothing was saved (or when the user cancelled).
    bool save(SaveCheck check);
    bool saveAs();
    void offerRecovery();
    // Restores one recovery after the questions it needs; false when it was not restored.
    bool restoreRecovery(const Recovery& recovery);
    void importFile();

    BoxDocument& m_document;
    BattleSession& m_battle;
    BoxListModel* m_model = nullptr;
    QTableView* m_list = nullptr;
    EntryPanel* m_attackerPanel = nullptr;
    EntryPanel* m_defenderPanel = nullptr;
    ConditionsPanel* m_conditions = nullptr;
    BattleStatePanel* m_state = nullptr; // the exact modes only
    int m_heightBeforeState = 0;         // the window's height before the state panel was unfolded
    DamageRows* m_rows = nullptr;
    SetTextDialog* m_textDialog = nullptr; // made on first use
    StatusLine* m_status = nullptr;
    QLabel* m_orderLine = nullptr; // the exact modes' speeds and who moves first
    DuelLine* m_duelLine = nullptr;
    QCheckBox* m_keepPair = nullptr;
    LogPane* m_logPane = nullptr;
};

} // namespace rusrina
