#include "ui/ivjudge/stat_row_model.h"

namespace rusrina {

void StatRowModel::setRows(std::vector<StatRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int StatRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant StatRowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return {};
    const StatRow& row = m_rows[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return QString::fromStdString(statRowText(row));
    if (role == Qt::UserRole)
        return packStatRow(row);
    return {};
}

} // namespace rusrina
