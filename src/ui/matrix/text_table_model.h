#pragma once
// A small read-only table of texts, replaced all at once (the spread finder's list of splits).

#include "ui/common/qt_text.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <string>
#include <vector>

namespace rusrina {

class TextTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    template <typename Row> void setRows(const std::vector<std::string>& headings, const std::vector<Row>& rows) {
        beginResetModel();
        m_headings.clear();
        for (const std::string& h : headings)
            m_headings.push_back(toQt(h));
        m_cells.clear();
        for (const Row& row : rows) {
            QStringList cells;
            for (const std::string& cell : row)
                cells.push_back(toQt(cell));
            m_cells.push_back(cells);
        }
        endResetModel();
    }

private:
    QStringList m_headings;
    std::vector<QStringList> m_cells;
};

} // namespace rusrina
