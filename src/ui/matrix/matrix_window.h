#pragma once
// The matrix and the spread finder of the box document's pair, in one window on two tabs:
// - "ダメージ一覧": the chosen attacker against every entry of the box, or every entry against the
//   chosen defender, sortable by any column; a double-click makes the row's entry the other side
//   of the document's pair; "コピー" copies the table as tab-separated text.
// - "努力値探索": the spread finder (SpreadPanel).
// - "連続攻撃・複数の相手": bulk tuning against the list of attacks in a row and power tuning against a
//   list of defenders (TuningPanel).
// In the exact modes the matrix adds each entry's speed and who moves first, by the battle state.
// Both follow the battle session: its sides, its conditions and its mode, recomputed after each
// calculation while this window is shown. "対面勝率" adds the chosen entry's chance to win alone
// against each row's entry, computed a slice at a time after the rest. The matrix highlights the row of the pair's
// other side and colours each verdict by how sure the knock-out is, with a legend under it.

#include "ui/common/tool_window.h"
#include "view/common/column_sort.h"

#include <QString>

#include <string>
#include <unordered_map>

class QCheckBox;
class QLabel;
class QRadioButton;
class QTableView;
class QTabWidget;

namespace rusrina {

class BattleSession;
class BoxDocument;
class MatrixDuelRun;
class MatrixModel;
class SpreadPanel;
class TuningPanel;

class MatrixWindow : public ToolWindow {
    Q_OBJECT

public:
    MatrixWindow(BoxDocument& document, const BattleSession& battle, SettingsFile& settings, QWidget* parent = nullptr);
    ~MatrixWindow() override;

    // Recomputes the matrix and the finder from the battle session (only while shown; a hidden window
    // catches up when it is shown again).
    void refresh();
    // Copies the matrix as tab-separated text.
    void copyMatrix();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitNameColumns();
    QWidget* buildMatrixTab();
    QWidget* buildLegend(QWidget* parent);
    void refreshMatrix();
    // The 対面勝率 column shown or hidden; shown, it is computed again from the matrix's rows.
    void showDuelColumn(bool shown);
    void startDuels();
    // Hides the moves' damage and HP-share columns while "技と確定数だけ" is ticked.
    void showDetailColumns();
    void setColumnWidths();
    void highlightPair();
    void onRowActivated(int row);
    // A click on a heading, by the rule every sortable list follows.
    void sortByColumn(int column);
    bool attackerSide() const;
    bool withSpeedColumns() const;

    BoxDocument& m_document;
    const BattleSession& m_battle;
    QTabWidget* m_tabs = nullptr;
    QRadioButton* m_attackerSide = nullptr;
    QRadioButton* m_defenderSide = nullptr;
    QLabel* m_caption = nullptr;
    QTableView* m_table = nullptr;
    MatrixModel* m_model = nullptr;
    QCheckBox* m_duelCheck = nullptr;
    QCheckBox* m_verdictsOnly = nullptr;
    MatrixDuelRun* m_duelRun = nullptr;
    SpreadPanel* m_spread = nullptr;
    TuningPanel* m_tuning = nullptr;
    ColumnSortState m_sortState; // by the column shown (matrixColumnAt), not its place
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    bool m_stale = true;
    // Widths of the texts the name and verdict columns have shown: a box's names and verdicts
    // repeat, so a recomputation measures only what it has not seen.
    std::unordered_map<std::string, int> m_textWidths;
};

} // namespace rusrina
