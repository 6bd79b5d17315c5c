#pragma once
// "連続攻撃": several attacks in a row against the pair's defender. The player builds the list from
// the box (an entry, one of its moves, how many times; added, removed, moved up and down) and each
// step shows the HP the defender has left and the chance it has fallen by then, with a log of what
// changed from step to step. It follows the battle session (the defender, the mode, the conditions
// and the battle state, with 命中・急所も数える) and the box (a step whose entry was deleted is
// named, not computed). The list lives as long as the program runs; the box file never holds it.

#include "calc/box_tools/attack_sequence.h"
#include "calc/box_tools/bulk_tuning.h"
#include "ui/common/tool_window.h"

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace rusrina {

class BattleSession;
class BoxDocument;

class SequenceWindow : public ToolWindow {
    Q_OBJECT

public:
    SequenceWindow(const BoxDocument& document, BattleSession& battle, SettingsFile& settings,
                   QWidget* parent = nullptr);
    ~SequenceWindow() override;

    // Recomputes the answer (only while shown; a hidden window catches up when shown).
    void refresh();
    // Adds the step the editor holds; false when the box has no such entry or move, or the list is full.
    bool addStep(int slot, int moveSlot, int uses);
    void removeStep(int row);
    void moveStep(int row, int by);
    const std::vector<PlannedStep>& steps() const { return m_steps; }
    // "探す": bulk tuning of the defender against the list, a slice at a time between the window's
    // events, its progress on a line; a change of the list or the battle stops it.
    void startBulkSearch();
    bool bulkSearching() const { return m_search != nullptr; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* buildEditor();
    QWidget* buildBulkPane();
    void continueBulkSearch();
    void showBulk(const BulkSpreads& found);
    void stopBulkSearch();
    Scenario currentScenario() const;
    void fillAttackers();
    void fillMoves();
    int selectedRow() const;
    // Hands the changed list to the battle session, then shows it.
    void stepsChanged();

    const BoxDocument& m_document;
    BattleSession& m_battle; // holds the list for the other tools

    std::vector<PlannedStep> m_steps;
    QLabel* m_caption = nullptr;
    QComboBox* m_attacker = nullptr;
    QComboBox* m_move = nullptr;
    QSpinBox* m_uses = nullptr;
    QTableWidget* m_table = nullptr;
    QLabel* m_chain = nullptr;
    QLabel* m_problem = nullptr;
    QPlainTextEdit* m_log = nullptr;
    QComboBox* m_bulkChance = nullptr;
    QComboBox* m_bulkMark = nullptr;
    QLabel* m_bulkLine = nullptr;
    QTableWidget* m_bulkTable = nullptr;
    QTimer* m_bulkTimer = nullptr;
    std::unique_ptr<BulkSearch> m_search;
    bool m_stale = true;
};

} // namespace rusrina
