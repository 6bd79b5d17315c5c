#pragma once
// The box list: one row per in-use entry, in box order, with the name and the species name. The
// row texts are kept here so that painting never converts names; the window tells the model
// which rows a change of the box touched.

#include <QAbstractTableModel>
#include <QString>

#include <vector>

namespace rusrina {

class Box;

class BoxListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit BoxListModel(const Box& box, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Rebuilds every row from the box.
    void reload();
    // Rewrites rows first..last after entries were moved or replaced.
    void rowsRewritten(int first, int last);
    // Removes the row of a deleted entry.
    void rowRemoved(int row);
    // Shows the rows of entries added at the end of the box.
    void rowsAppended();

private:
    struct RowTexts {
        QString name;
        QString species;
    };
    RowTexts textsOf(int slot) const;

    const Box& m_box;
    std::vector<RowTexts> m_rows;
};

} // namespace rusrina
