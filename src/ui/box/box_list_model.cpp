#include "box/box.h"
#include "view/box/box_row.h"

#include "ui/box/box_list_model.h"

#include "ui/common/qt_text.h"

#include <QCoreApplication>

#include <algorithm>

namespace rusrina {
namespace {

enum Column { kNameColumn = 0, kSpeciesColumn = 1, kColumnCount = 2 };

} // namespace

BoxListModel::BoxListModel(const Box& box, QObject* parent) : QAbstractTableModel(parent), m_box(box) {
    reload();
}

int BoxListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int BoxListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant BoxListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const RowTexts& row = m_rows[index.row()];
    return index.column() == kNameColumn ? row.name : row.species;
}

QVariant BoxListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return section == kNameColumn ? QCoreApplication::translate("BoxListModel", "名前")
                                  : QCoreApplication::translate("BoxListModel", "バントレ");
}

BoxListModel::RowTexts BoxListModel::textsOf(int slot) const {
    const BoxRowTexts texts = boxRowTexts(m_box.entry(slot), m_box.extra(slot).gender);
    return {toQt(texts.name), toQt(texts.species)};
}

void BoxListModel::reload() {
    beginResetModel();
    m_rows.clear();
    m_rows.reserve(m_box.count());
    for (int slot = 0; slot < m_box.count(); ++slot)
        m_rows.push_back(textsOf(slot));
    endResetModel();
}

void BoxListModel::rowsRewritten(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, rowCount() - 1);
    if (first > last)
        return;
    for (int row = first; row <= last; ++row)
        m_rows[row] = textsOf(row);
    Q_EMIT dataChanged(index(first, 0), index(last, kColumnCount - 1));
}

void BoxListModel::rowRemoved(int row) {
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void BoxListModel::rowsAppended() {
    const int first = rowCount();
    const int last = m_box.count() - 1;
    if (last < first)
        return;
    beginInsertRows({}, first, last);
    for (int slot = first; slot <= last; ++slot)
        m_rows.push_back(textsOf(slot));
    endInsertRows();
}

} // namespace rusrina
