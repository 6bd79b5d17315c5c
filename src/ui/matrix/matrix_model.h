#pragma once
// The damage matrix as a table: one row per entry, the columns of the core's matrix view, sorted
// by the core when a heading is clicked. Cell texts are made when a cell is painted, not for the whole
// box at each recomputation.

#include "calc/box_tools/damage_matrix.h"
#include "view/matrix/matrix_view.h"

#include <QAbstractTableModel>
#include <QColor>

#include <utility>
#include <vector>

namespace rusrina {

// The colours of the verdict cells, from the surest knock-out (darkest) to three hits or more
// (lightest): one hue in steps of lightness, which a colour-blind player reads as well as anyone.
// The text stays in every cell.
QColor koShadeBackground(KoShade shade);
QColor koShadeForeground(KoShade shade);

class MatrixModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Column -1 is the box order. The column is the table's position; the order is kept for the
    // next setRows by the column it shows (matrixColumnAt), wherever the speed columns move it.
    void sort(int column, Qt::SortOrder order) override;
    // Where the sorted column stands now; -1 for the box order or a column not shown.
    int sortPosition() const;

    // New results over a copy of the entries they were computed from, in the current order; with
    // `withSpeed` (the exact modes) the speed columns too.
    void setRows(std::vector<MatrixRow> rows, std::vector<BoxEntry> entries, bool withSpeed = false);

    // The 対面勝率 column after the others, its cells blank until setDuels fills them.
    void setDuelShown(bool shown);
    bool duelShown() const { return m_withDuel; }
    // Each (slot, answer) in its row; sorted by that column, the rows are sorted again.
    void setDuels(const std::vector<std::pair<int, MatrixDuel>>& duels);

    int slotAt(int row) const; // -1 outside the rows
    // The text shown at (row, position), as data's display role gives it without its conversions.
    std::string cellText(int row, int position) const;
    // The whole table as tab-separated text, in the order shown.
    std::string text() const;

private:
    void applySort();

    std::vector<MatrixRow> m_rows;
    std::vector<BoxEntry> m_entries;
    bool m_withSpeed = false;
    bool m_withDuel = false;
    int m_sortColumn = -1; // as matrixHeading numbers it
    Qt::SortOrder m_order = Qt::AscendingOrder;
};

} // namespace rusrina
