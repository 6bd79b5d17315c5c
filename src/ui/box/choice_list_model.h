#pragma once
// The entries of a chooser that is refilled often (the learnable-move list): texts with their
// values in Qt::UserRole, replaced all at once.

#include "view/list_choice.h"

#include <QAbstractListModel>

#include <vector>

class QComboBox;

namespace rusrina {

class ChoiceListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void setChoices(std::vector<ListChoice> choices);

private:
    std::vector<ListChoice> m_choices;
    std::vector<QString> m_texts; // converted once per refill, not per paint
};

// Fills a chooser whose entries never change, each with its value in Qt::UserRole.
void fillChooser(QComboBox& chooser, const std::vector<ListChoice>& choices);

// The value of the selected entry, or `none` when nothing is selected.
int chosenValue(const QComboBox& chooser, int none);

} // namespace rusrina
