#include "ui/search/search_result_model.h"

#include "ui/common/qt_text.h"
#include "view/search/search_list.h"

namespace rusrina {
namespace {

Qt::Alignment columnAlignment(int column) {
    return (kResultColumns[column].centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}

} // namespace

void SearchResultModel::setRows(std::vector<int> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int SearchResultModel::speciesAt(int row) const {
    return row >= 0 && row < static_cast<int>(m_rows.size()) ? m_rows[row] : -1;
}

void SearchResultModel::setNameRoom(int pixels, const QFontMetrics& metrics) {
    m_nameRoom = pixels;
    m_nameMetrics = metrics;
}

QString SearchResultModel::nameCellText(int species) const {
    const QString whole = toQt(resultCellText(species, kNameColumn));
    if (!m_nameMetrics || m_nameMetrics->horizontalAdvance(whole) <= m_nameRoom)
        return whole;
    return toQt(shortSpeciesName(species));
}

int SearchResultModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int SearchResultModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kResultColumnCount;
}

QVariant SearchResultModel::data(const QModelIndex& index, int role) const {
    const int species = speciesAt(index.row());
    if (species < 0 || index.column() < 0 || index.column() >= kResultColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        if (index.column() == kNameColumn)
            return nameCellText(species);
        return toQt(resultCellText(species, index.column()));
    case Qt::ToolTipRole: // the narrow name column shows long form names short
        return toQt(resultCellText(species, index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columnAlignment(index.column()));
    case Qt::UserRole:
        return species;
    default:
        return {};
    }
}

QVariant SearchResultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kResultColumnCount)
        return {};
    if (role == Qt::DisplayRole)
        return toQt(text::uiText("SearchColumn", kResultColumns[section].heading));
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columnAlignment(section));
    return {};
}

} // namespace rusrina
