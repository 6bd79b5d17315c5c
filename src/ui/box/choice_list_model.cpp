#include "ui/box/choice_list_model.h"

#include <QComboBox>

namespace rusrina {

int ChoiceListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_choices.size());
}

QVariant ChoiceListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_texts[index.row()];
    if (role == Qt::UserRole)
        return m_choices[index.row()].value;
    return {};
}

void ChoiceListModel::setChoices(std::vector<ListChoice> choices) {
    beginResetModel();
    m_choices = std::move(choices);
    m_texts.clear();
    m_texts.reserve(m_choices.size());
    for (const ListChoice& choice : m_choices)
        m_texts.push_back(QString::fromStdString(choice.text));
    endResetModel();
}

void fillChooser(QComboBox& chooser, const std::vector<ListChoice>& choices) {
    chooser.clear();
    for (const ListChoice& choice : choices)
        chooser.addItem(QString::fromStdString(choice.text), choice.value);
}

int chosenValue(const QComboBox& chooser, int none) {
    const QVariant value = chooser.currentData(Qt::UserRole);
    return value.isValid() ? value.toInt() : none;
}

} // namespace rusrina
