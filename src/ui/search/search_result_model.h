#pragma once
// The search window's result list: one row per species found, thirteen columns.

#include <QAbstractTableModel>
#include <QFontMetrics>

#include <optional>

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
    // The room the name column leaves its text, in pixels of `metrics`: a name wider than that
    // shows in its short form (shortSpeciesName). Until it is set every name shows whole.
    void setNameRoom(int pixels, const QFontMetrics& metrics);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    // DisplayRole: the cell's text; ToolTipRole: the whole text (a form's whole name); TextAlignmentRole: the column's
    // alignment; UserRole: the species.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString nameCellText(int species) const;

    std::vector<int> m_rows;
    int m_nameRoom = 0;
    std::optional<QFontMetrics> m_nameMetrics;
};

} // namespace rusrina
