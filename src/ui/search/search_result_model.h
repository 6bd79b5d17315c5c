#pragma once
// The search window's result list: one row per species found, thirteen columns.

#include <QAbstractTableModel>

#include <vector>

namespace rusrina {

class SearchResultModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row (species indices, in the order to show).
    void setRows(std::vector<int> rows);
    const std::vector<int>& rows() const { return m_rows; }
    // The species of a row, or -1 outside the list.
    int speciesAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // DisplayRole and ToolTipRole: the cell's text; TextAlignmentRole: the column's alignment; UserRole: the species.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    std::vector<int> m_rows;
};

} // namespace rusrina
