#include "ui/detail/move_list_model.h"

#include "data/moves.h"
#include "ui/common/qt_text.h"

#include <QCoreApplication>
#include <QString>

#include <algorithm>
#include <array>

namespace rusrina {
namespace {

struct ColumnLook {
    const char* heading;
    int width;
    Qt::Alignment alignment;
};

constexpr Qt::Alignment kCentred = Qt::AlignCenter;
constexpr Qt::Alignment kLeft = Qt::AlignLeft | Qt::AlignVCenter;

constexpr int kDesignGlyphWidth = 12;
constexpr int kCellPadding = 12;
constexpr int kTargetCodes = 14;
constexpr int kMethodColumn = 1;

const std::array<ColumnLook, kMoveListColumns> kColumns = {{
    {QT_TRANSLATE_NOOP("MoveListModel", "番号"), 36, kCentred},
    {QT_TRANSLATE_NOOP("MoveListModel", "習得方法"), 200, kCentred},
    {QT_TRANSLATE_NOOP("MoveListModel", "わざの名前"), 108, kLeft},
    {QT_TRANSLATE_NOOP("MoveListModel", "タイプ"), 68, kCentred},
    {QT_TRANSLATE_NOOP("MoveListModel", "分類"), 44, kCentred},
    {QT_TRANSLATE_NOOP("MoveListModel", "威力"), 36, kCentred},
    {QT_TRANSLATE_NOOP("MoveListModel", "命中"), 36, kCentred},
    {QT_TRANSLATE_NOOP("MoveListModel", "回数"), 36, kCentred},
    {QT_TRANSLATE_NOOP("MoveListModel", "対象"), 70, kCentred},
}};

} // namespace

void MoveListModel::setRows(std::vector<MoveRow> rows) {
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void MoveListModel::sortRows(int column, bool descending) {
    Q_EMIT layoutAboutToBeChanged();
    sortMoveRows(m_rows, column, descending);
    Q_EMIT layoutChanged();
}

int MoveListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int MoveListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kMoveListColumns;
}

QVariant MoveListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kMoveListColumns)
        return {};
    const MoveRow& row = m_rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return toQt(moveRowText(row, index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(kColumns[static_cast<size_t>(index.column())].alignment);
    case Qt::UserRole:
        return row.move;
    default:
        return {};
    }
}

QVariant MoveListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= kMoveListColumns)
        return {};
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate("MoveListModel", kColumns[static_cast<size_t>(section)].heading);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(kColumns[static_cast<size_t>(section)].alignment);
    return {};
}

int MoveListModel::columnWidth(int column) {
    return column >= 0 && column < kMoveListColumns ? kColumns[static_cast<size_t>(column)].width : 0;
}

} // namespace rusrina

namespace rusrina {

int MoveListModel::textWidth(const QString& text, const QFontMetrics& metrics) const {
    auto found = m_textWidths.constFind(text);
    if (found == m_textWidths.constEnd())
        found = m_textWidths.insert(text, metrics.horizontalAdvance(text));
    return *found;
}

int MoveListModel::methodColumnWidth(const QFontMetrics& metrics) const {
    int width = fittedColumnWidth(kMethodColumn, metrics);
    for (const MoveRow& row : m_rows) {
        // " <species> <code>": the species part and the code are measured apart, each once.
        const QString method = toQt(row.method);
        const qsizetype split = method.lastIndexOf(QLatin1Char(' '));
        const int measured = split <= 0
                                 ? textWidth(method, metrics)
                                 : textWidth(method.left(split), metrics) + textWidth(method.mid(split), metrics);
        width = std::max(width, measured + kCellPadding);
    }
    return width;
}

int MoveListModel::fittedColumnWidth(int column, const QFontMetrics& metrics) {
    const int glyph = std::max(kDesignGlyphWidth, metrics.horizontalAdvance(QStringLiteral("あ")));
    int width = columnWidth(column) * glyph / kDesignGlyphWidth;
    auto fit = [&](const char* text) {
        width = std::max(width, metrics.horizontalAdvance(QLatin1Char(' ') + toQt(text)) + kCellPadding);
    };
    if (column == 2) {
        for (int move = 0; move < kMoveCount; ++move)
            fit(moveRecord(move).name);
    } else if (column == 8) {
        for (int target = 0; target < kTargetCodes; ++target)
            fit(moveTargetName(target));
    }
    return width;
}

} // namespace rusrina
