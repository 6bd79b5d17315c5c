#pragma once
// One stat's value list in the IV judge: the rows the stat can show at the current species,
// level, nature and EV, the rows that what else is known of the creature rules out in grey.

#include "calc/iv/iv_judge.h"

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
    // One flag per row (missing flags count as false); repaints only when they change.
    void setRuledOut(std::vector<bool> ruledOut);
    bool isRuledOut(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    // DisplayRole: "value：lo～hi"; ForegroundRole: the disabled text colour for a row ruled out.
    // A ruled-out row can still be picked: it is what the creature shows that decides.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<StatRow> m_rows;
    std::vector<bool> m_ruledOut;
};

} // namespace rusrina
