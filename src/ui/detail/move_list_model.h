#pragma once
// The rows of the detail window's move list, for a QTableView.

#include "view/detail/move_list.h"

#include <QAbstractTableModel>
#include <QFontMetrics>
#include <QHash>

#include <vector>

namespace rusrina {

class MoveListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    void setRows(std::vector<MoveRow> rows);
    const std::vector<MoveRow>& rows() const { return m_rows; }
    // Reorders the rows by `column`; the rows stay what they are.
    void sortRows(int column, bool descending);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The width in pixels each column is designed with, for a font whose full-width characters
    // are 12 pixels wide.
    static int columnWidth(int column);
    // That width grown in proportion to `metrics`' full-width characters, and, for the move name
    // and target columns, to the widest text they can hold, so that nothing is cut off.
    static int fittedColumnWidth(int column, const QFontMetrics& metrics);
    // The width the "習得方法" column needs for the rows it holds now: at least its fitted width,
    // more when a long form name makes a method text wider.
    // The species names and the method codes are measured once each: measuring every text anew
    // would cost more than building the list.
    int methodColumnWidth(const QFontMetrics& metrics) const;

private:
    int textWidth(const QString& text, const QFontMetrics& metrics) const;

    std::vector<MoveRow> m_rows;
    mutable QHash<QString, int> m_textWidths;
};

} // namespace rusrina
