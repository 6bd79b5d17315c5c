#pragma once
// One stat's value list in the IV judge: the rows the stat can show at the current species,
// level and nature.

#include "calc/iv_judge.h"

#include <QAbstractListModel>

#include <vector>

namespace rusrina {

class StatRowModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every row; any selection in a view over the list is lost.
    void setRows(std::vector<StatRow> rows);
    const std::vector<StatRow>& rows() const { return m_rows; }

    int rowCount(const QModelIndex& parent = {}) const override;
    // DisplayRole: "value：lo～hi"; UserRole: the packed row (value * 65536 + lo * 256 + hi).
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<StatRow> m_rows;
};

} // namespace rusrina
