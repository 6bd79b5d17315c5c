#include "ui/matrix/matrix_model.h"

#include "ui/common/qt_text.h"

#include <QCoreApplication>

#include <algorithm>

namespace rusrina {

QColor koShadeBackground(KoShade shade) {
    static const QRgb kShades[] = {0x08519c, 0x3182bd, 0x6baed6, 0xbdd7e7, 0xeff3ff};
    const int index = static_cast<int>(shade) - 1;
    return index >= 0 && index < kKoShadeCount ? QColor(kShades[index]) : QColor();
}

QColor koShadeForeground(KoShade shade) {
    // White on the two darkest shades, black on the others.
    if (shade == KoShade::None)
        return {};
    return shade == KoShade::CertainOneHit || shade == KoShade::LikelyOneHit ? QColor(Qt::white) : QColor(Qt::black);
}

int MatrixModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int MatrixModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : matrixColumnCount(m_withSpeed) + (m_withDuel ? 1 : 0);
}

QVariant MatrixModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int column = matrixColumnAt(index.column(), m_withSpeed);
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return toQt(matrixCellText(m_rows[index.row()], m_entries, column));
    if (role == Qt::BackgroundRole || role == Qt::ForegroundRole) {
        const KoShade shade = matrixKoShade(m_rows[index.row()], column);
        if (shade == KoShade::None)
            return {};
        return role == Qt::BackgroundRole ? koShadeBackground(shade) : koShadeForeground(shade);
    }
    return {};
}

std::string MatrixModel::cellText(int row, int position) const {
    if (row < 0 || row >= rowCount())
        return {};
    return matrixCellText(m_rows[row], m_entries, matrixColumnAt(position, m_withSpeed));
}

QVariant MatrixModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    const int column = matrixColumnAt(section, m_withSpeed);
    if (role == Qt::ToolTipRole && column == kMatrixOrderColumn)
        return QCoreApplication::translate("MatrixModel", "攻撃側が先手か後手か（素早さで。技の優先度は数えません）");
    if (role == Qt::ToolTipRole && column == kMatrixDuelColumn)
        return QCoreApplication::translate(
            "MatrixWindow",
            "選んだ項目がこの項目と1対1で戦って勝つ確率（それぞれいちばん早く倒せる技を使い続けるとして）");
    if (role != Qt::DisplayRole)
        return {};
    return toQt(matrixHeading(column));
}

void MatrixModel::sort(int column, Qt::SortOrder order) {
    m_sortColumn = column >= 0 ? matrixColumnAt(column, m_withSpeed) : -1;
    m_order = order;
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    applySort();
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void MatrixModel::applySort() {
    // From the box order each time, so that rows with equal keys always stand in box order. Fresh
    // rows come in box order already, and a row is costly to move.
    const auto bySlot = [](const MatrixRow& a, const MatrixRow& b) { return a.slot < b.slot; };
    if (!std::is_sorted(m_rows.begin(), m_rows.end(), bySlot))
        std::stable_sort(m_rows.begin(), m_rows.end(), bySlot);
    if (m_sortColumn >= 0)
        sortMatrixRows(m_rows, m_entries, m_sortColumn, m_order == Qt::DescendingOrder);
}

void MatrixModel::setRows(std::vector<MatrixRow> rows, std::vector<BoxEntry> entries, bool withSpeed) {
    // The same number of rows keeps the view's scroll position and selection: a recomputation
    // after a condition change should not send the user back to the top.
    if (rows.size() == m_rows.size() && !rows.empty() && withSpeed == m_withSpeed) {
        m_rows = std::move(rows);
        m_entries = std::move(entries);
        applySort();
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
        return;
    }
    beginResetModel();
    m_rows = std::move(rows);
    m_entries = std::move(entries);
    m_withSpeed = withSpeed;
    applySort();
    endResetModel();
}

int MatrixModel::sortPosition() const {
    for (int position = 0; m_sortColumn >= 0 && position < columnCount(); ++position)
        if (matrixColumnAt(position, m_withSpeed) == m_sortColumn)
            return position;
    return -1;
}

void MatrixModel::setDuelShown(bool shown) {
    if (shown == m_withDuel)
        return;
    const int position = matrixColumnCount(m_withSpeed);
    if (shown) {
        beginInsertColumns({}, position, position);
        m_withDuel = true;
        endInsertColumns();
        return;
    }
    beginRemoveColumns({}, position, position);
    m_withDuel = false;
    for (MatrixRow& row : m_rows)
        row.duel = {};
    endRemoveColumns();
}

void MatrixModel::setDuels(const std::vector<std::pair<int, MatrixDuel>>& duels) {
    if (duels.empty() || m_rows.empty())
        return;
    for (const auto& [slot, duel] : duels)
        for (MatrixRow& row : m_rows)
            if (row.slot == slot)
                row.duel = duel;
    if (m_sortColumn == kMatrixDuelColumn) {
        sort(sortPosition(), m_order);
        return;
    }
    const int position = matrixColumnCount(m_withSpeed);
    if (m_withDuel)
        Q_EMIT dataChanged(index(0, position), index(rowCount() - 1, position));
}

int MatrixModel::slotAt(int row) const {
    return row >= 0 && row < rowCount() ? m_rows[row].slot : -1;
}

std::string MatrixModel::text() const {
    return matrixText(m_rows, m_entries, m_withSpeed, m_withDuel);
}

} // namespace rusrina
