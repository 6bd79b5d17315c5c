#pragma once
// Every chooser (QComboBox) of the program is made, filled and read here. Its entries are a core
// list of ListChoice (text and value) held in a ChoiceListModel: the texts show, the values sit in
// Qt::UserRole. A refill replaces the whole list at once, without a signal, so that a long list
// (every move) costs one model reset and no handler runs for the window's own changes.
//
// The long lists (species, moves, abilities) are found in by typing: the chooser takes text, and a
// list of the entries it finds (choice_find.h) opens under it as the user types. Enter or a click
// picks an entry; Escape, or leaving the chooser, puts back the text of the entry chosen before.
// Typing alone never changes the choice, so text that finds nothing changes nothing; the list then
// offers the entries nearest to it, if any lie within a slip of the fingers ("もしかして：…").

#include "settings/setting_key.h"
#include "view/common/choice_find.h"
#include "view/common/list_choice.h"

#include <QAbstractListModel>

#include <vector>

class QComboBox;
class QWidget;

namespace rusrina {

class SettingsFile;

class ChoiceListModel : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    void setChoices(std::vector<ListChoice> choices);
    const std::vector<ListChoice>& choices() const { return m_choices; }

    // What the entries' values are, for the English names they are also found by.
    void setFindNames(ChoiceNames names) { m_names = names; }
    // The folded text row `row` is found by; worked out for the whole list at the first search
    // after a refill, so that lists nobody searches cost nothing.
    const std::string& findKey(int row) const;
    const std::vector<std::string>& findKeys() const;

private:
    std::vector<ListChoice> m_choices;
    std::vector<QString> m_texts; // converted once per refill, not per paint
    ChoiceNames m_names = ChoiceNames::None;
    mutable std::vector<std::string> m_findKeys;
};

struct ChooserLook {
    int visibleItems = 0;                  // rows the open list shows before it scrolls; 0 keeps Qt's default
    int minimumChars = 0;                  // > 0: one width for that many characters, whatever the entries
    bool typeToFind = false;               // the chooser takes typed text and finds entries by it
    ChoiceNames names = ChoiceNames::None; // with typeToFind: also find entries by these English names
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

// Selects the position the settings file holds under `key` (its default when absent), or the first
// entry when the list has no such position (a hand-edited file, or a list that has become
// shorter), without emitting a signal.
void restoreChooser(QComboBox& chooser, const SettingsFile& settings, const SettingKey& key);

// Writes the chosen position under `key` (0 while nothing is chosen).
void storeChooser(SettingsFile& settings, const SettingKey& key, const QComboBox& chooser);

// The value of the selected entry, or `none` when nothing is selected.
int chosenValue(const QComboBox& chooser, int none);

} // namespace rusrina
