#pragma once
// Every chooser (QComboBox) of the program is made, filled and read here. Its entries are a core
// list of ListChoice (text and value) held in a ChoiceListModel: the texts show, the values sit in
// Qt::UserRole. A refill replaces the whole list at once, without a signal, so that a long list
// (every move) costs one model reset and no handler runs for the window's own changes.

#include "view/list_choice.h"

#include <QAbstractListModel>

#include <vector>

class QComboBox;
class QWidget;

namespace rusrina {

class ChoiceListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void setChoices(std::vector<ListChoice> choices);
    const std::vector<ListChoice>& choices() const { return m_choices; }

private:
    std::vector<ListChoice> m_choices;
    std::vector<QString> m_texts; // converted once per refill, not per paint
};

struct ChooserLook {
    int visibleItems = 0; // rows the open list shows before it scrolls; 0 keeps Qt's default
    int minimumChars = 0; // > 0: one width for that many characters, whatever the entries
};

// A chooser named `name` (its objectName), empty until filled.
QComboBox* newChooser(QWidget* parent, const QString& name, ChooserLook look = {});

// Replaces the entries and selects row `selected` (none when the list is empty or the row lies
// outside it), without emitting a signal.
void fillChooser(QComboBox& chooser, std::vector<ListChoice> choices, int selected = 0);

// Selects `row` without emitting a signal.
void selectQuietly(QComboBox& chooser, int row);

// Selects the first entry that carries `value`, else the first entry, without emitting a signal.
void selectValue(QComboBox& chooser, int value);

// Selects a position read from the settings file, or the first entry when it lies outside the
// list (a hand-edited file, or a list that has become shorter), without emitting a signal.
void selectStored(QComboBox& chooser, int stored);

// The value of the selected entry, or `none` when nothing is selected.
int chosenValue(const QComboBox& chooser, int none);

} // namespace rusrina
