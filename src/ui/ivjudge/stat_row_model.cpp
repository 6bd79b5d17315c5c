#include "ui/ivjudge/stat_row_model.h"

#include "ui/common/qt_text.h"

#include <QGuiApplication>
#include <QPalette>

namespace rusrina {

void StatRowModel::setRows(std::vector<StatRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    m_ruledOut.clear();
    endResetModel();
}

void StatRowModel::setRuledOut(std::vector<bool> ruledOut) {
    ruledOut.resize(m_rows.size(), false);
    if (ruledOut == m_ruledOut)
        return;
    m_ruledOut = std::move(ruledOut);
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {Qt::ForegroundRole});
}

bool StatRowModel::isRuledOut(int row) const {
    return row >= 0 && row < static_cast<int>(m_ruledOut.size()) && m_ruledOut[static_cast<size_t>(row)];
}

int StatRowModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

QVariant StatRowModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() < 0 || index.row() >= rowCount())
        return {};
    const StatRow& row = m_rows[static_cast<size_t>(index.row())];
    if (role == Qt::DisplayRole)
        return toQt(statRowText(row));
    if (role == Qt::ForegroundRole && isRuledOut(index.row()))
        return QGuiApplication::palette().color(QPalette::Disabled, QPalette::Text);
    return {};
}

} // namespace rusrina
