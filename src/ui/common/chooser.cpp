#include "ui/common/chooser.h"

#include "ui/common/qt_text.h"

#include <QComboBox>
#include <QSignalBlocker>

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
        m_texts.push_back(toQt(choice.text));
    endResetModel();
}

QComboBox* newChooser(QWidget* parent, const QString& name, ChooserLook look) {
    auto* chooser = new QComboBox(parent);
    chooser->setObjectName(name);
    chooser->setModel(new ChoiceListModel(chooser)); // the chooser deletes the model it made itself
    if (look.visibleItems > 0)
        chooser->setMaxVisibleItems(look.visibleItems);
    if (look.minimumChars > 0) {
        // Lists rebuilt on every change keep one width instead of measuring their entries each time.
        chooser->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        chooser->setMinimumContentsLength(look.minimumChars);
    }
    return chooser;
}

void fillChooser(QComboBox& chooser, std::vector<ListChoice> choices, int selected) {
    auto* model = qobject_cast<ChoiceListModel*>(chooser.model());
    if (!model) {
        model = new ChoiceListModel(&chooser);
        const QSignalBlocker blocker(&chooser);
        chooser.setModel(model);
    }
    const QSignalBlocker blocker(&chooser);
    model->setChoices(std::move(choices));
    chooser.setCurrentIndex(selected >= 0 && selected < chooser.count() ? selected : -1);
}

void selectQuietly(QComboBox& chooser, int row) {
    const QSignalBlocker blocker(&chooser);
    chooser.setCurrentIndex(row);
}

void selectValue(QComboBox& chooser, int value) {
    const auto* model = qobject_cast<const ChoiceListModel*>(chooser.model());
    selectQuietly(chooser, model ? choiceRow(model->choices(), value) : 0);
}

void selectStored(QComboBox& chooser, int stored) {
    selectQuietly(chooser, validChooserPosition(stored, chooser.count()));
}

int chosenValue(const QComboBox& chooser, int none) {
    const QVariant value = chooser.currentData(Qt::UserRole);
    return value.isValid() ? value.toInt() : none;
}

} // namespace rusrina
