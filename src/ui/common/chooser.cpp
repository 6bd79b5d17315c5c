#include "ui/common/chooser.h"

#include "settings/settings_file.h"
#include "text/name_nearest.h"

#include "ui/common/qt_text.h"

#include <QAbstractItemView>
#include <QAbstractProxyModel>
#include <QComboBox>
#include <QCompleter>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace rusrina {
namespace {

// The entries the typed text finds, in list order; when it finds none, the entries it probably
// meant (a slip of the fingers: "garchmp"), so that the list offers them instead of nothing.
class ChoiceFilterModel : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setTyped(const QString& typed) {
        m_typed = foldTyped(fromQt(typed));
        m_nearest.clear();
        invalidateFilter();
        if (m_typed.empty() || rowCount() > 0 || !sourceModel())
            return;
        m_nearest = text::nearestKeys(choices().findKeys(), m_typed);
        if (!m_nearest.empty())
            invalidateFilter();
    }

    // "もしかして：ガブリアス" while the list offers the nearest entries; empty otherwise.
    QString nearestText() const {
        std::vector<std::string> names;
        for (const int row : m_nearest)
            names.push_back(choices().choices()[static_cast<size_t>(row)].text);
        return toQt(text::didYouMeanText(names));
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex&) const override {
        // Nothing typed (the list refilled while nobody searches it) costs no key.
        if (m_typed.empty())
            return true;
        if (!m_nearest.empty())
            return std::find(m_nearest.begin(), m_nearest.end(), row) != m_nearest.end();
        return findKeyMatches(choices().findKey(row), m_typed);
    }

private:
    const ChoiceListModel& choices() const { return *static_cast<const ChoiceListModel*>(sourceModel()); }

    std::string m_typed;
    std::vector<int> m_nearest;
};

// Type-to-find on one editable chooser: Qt's completer shows the entries the filter keeps, and
// the keys that pick or put back are handled here, before the chooser's own handling, so that the
// choice changes only by an explicit pick.
class ChooserFinder : public QObject {
public:
    ChooserFinder(QComboBox* chooser, ChoiceListModel* choices)
        : QObject(chooser), m_chooser(chooser), m_choices(choices) {
        chooser->setEditable(true);
        chooser->setInsertPolicy(QComboBox::NoInsert);
        chooser->setCompleter(nullptr); // Qt's own completes inline from the start of the text only
        m_filter = new ChoiceFilterModel(this);
        m_completer = new QCompleter(m_filter, this);
        m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
        m_completer->setMaxVisibleItems(chooser->maxVisibleItems());
        m_completer->setWidget(chooser);
        connect(chooser->lineEdit(), &QLineEdit::textEdited, this, &ChooserFinder::narrow);
        connect(m_completer, qOverload<const QModelIndex&>(&QCompleter::activated), this,
                [this](const QModelIndex& index) { pick(toFilterIndex(index)); });
        chooser->installEventFilter(this);
        m_completer->popup()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            return keyPressed(watched == m_completer->popup(), static_cast<QKeyEvent*>(event));
        if (watched != m_chooser)
            return false;
        // A chooser showing its choice leaves the window's shortcuts (Ctrl+Z that takes a box step
        // back) to the window, as a chooser without a text field does; while the user types, the
        // text field keeps its own (Ctrl+Z takes typing back).
        if (event->type() == QEvent::ShortcutOverride && !typing()) {
            event->ignore();
            return true;
        }
        // The list of what was found comes and goes without the chooser losing the keyboard.
        const auto focusFromElsewhere = [event] {
            return static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
        };
        if (event->type() == QEvent::FocusIn && focusFromElsewhere()) {
            // Typing then replaces the name shown instead of adding to it (a click would otherwise
            // drop the selection a moment later).
            QTimer::singleShot(0, m_chooser->lineEdit(), &QLineEdit::selectAll);
        } else if (event->type() == QEvent::FocusOut && focusFromElsewhere() && !popupOpen()) {
            putBack();
        }
        return false;
    }

private:
    bool popupOpen() const { return m_completer->popup()->isVisible(); }
    // The chosen entry's text; currentText() is what the text field shows, typed text included.
    QString chosenText() const { return m_chooser->itemText(m_chooser->currentIndex()); }
    bool typing() const { return m_chooser->lineEdit()->text() != chosenText(); }

    bool keyPressed(bool inPopup, QKeyEvent* key) {
        switch (key->key()) {
        case Qt::Key_Escape:
            if (!inPopup && !typing())
                return false;
            putBack();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!inPopup && !typing())
                return false;
            pickHighlighted(inPopup);
            return true;
        default:
            return false;
        }
    }

    // The filter follows the list only while the user types in it, so that the window's own
    // refills of a long list cost nothing more than they did.
    void attach() {
        if (!m_filter->sourceModel())
            m_filter->setSourceModel(m_choices);
    }
    void detach() {
        m_chooser->lineEdit()->setToolTip({});
        m_filter->setTyped({});
        m_filter->setSourceModel(nullptr);
    }

    void narrow(const QString& text) {
        attach();
        m_filter->setTyped(text);
        showNearestText();
        if (text.isEmpty() || m_filter->rowCount() == 0) {
            m_completer->popup()->hide();
            return;
        }
        m_completer->complete();
        m_completer->popup()->setCurrentIndex(m_completer->completionModel()->index(0, 0));
    }

    QModelIndex toFilterIndex(const QModelIndex& index) const {
        if (index.model() == m_filter)
            return index;
        const auto* completion = qobject_cast<const QAbstractProxyModel*>(m_completer->completionModel());
        return completion && index.model() == completion ? completion->mapToSource(index) : QModelIndex();
    }

    // The entry highlighted in the open list, else the first one the text finds; none: put back.
    void pickHighlighted(bool inPopup) {
        attach();
        m_filter->setTyped(m_chooser->lineEdit()->text());
        QModelIndex index = inPopup ? toFilterIndex(m_completer->popup()->currentIndex()) : QModelIndex();
        if (!index.isValid())
            index = m_filter->index(0, 0);
        pick(index);
    }

    void pick(const QModelIndex& filterIndex) {
        m_completer->popup()->hide();
        const int row = filterIndex.isValid() ? m_filter->mapToSource(filterIndex).row() : -1;
        detach();
        if (row < 0 || row == m_chooser->currentIndex())
            putBack();
        else
            m_chooser->setCurrentIndex(row); // shows the entry's text and tells the window
        m_chooser->lineEdit()->selectAll();
    }

    // The names offered in place of a text that finds nothing are said in words beside the list.
    void showNearestText() {
        const QString nearest = m_filter->nearestText();
        m_chooser->lineEdit()->setToolTip(nearest);
        if (nearest.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(m_chooser->mapToGlobal(QPoint(0, -m_chooser->height())), nearest, m_chooser);
    }

    void putBack() {
        m_completer->popup()->hide();
        detach();
        m_chooser->lineEdit()->setText(chosenText());
    }

    QComboBox* m_chooser;
    ChoiceListModel* m_choices;
    ChoiceFilterModel* m_filter = nullptr;
    QCompleter* m_completer = nullptr;
};

} // namespace

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
    m_findKeys.clear();
    endResetModel();
}

const std::vector<std::string>& ChoiceListModel::findKeys() const {
    if (m_findKeys.size() != m_choices.size()) {
        m_findKeys.clear();
        m_findKeys.reserve(m_choices.size());
        for (const ListChoice& choice : m_choices)
            m_findKeys.push_back(choiceFindKey(choice, m_names));
    }
    return m_findKeys;
}

const std::string& ChoiceListModel::findKey(int row) const {
    findKeys();
    static const std::string kNone;
    return row >= 0 && row < static_cast<int>(m_findKeys.size()) ? m_findKeys[static_cast<size_t>(row)] : kNone;
}

QComboBox* newChooser(QWidget* parent, const QString& name, ChooserLook look) {
    auto* chooser = new QComboBox(parent);
    chooser->setObjectName(name);
    auto* choices = new ChoiceListModel(chooser); // the chooser deletes the model it made itself
    chooser->setModel(choices);
    if (look.visibleItems > 0)
        chooser->setMaxVisibleItems(look.visibleItems);
    if (look.typeToFind) {
        choices->setFindNames(look.names);
        new ChooserFinder(chooser, choices);
    }
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

void restoreChooser(QComboBox& chooser, const SettingsFile& settings, const SettingKey& key) {
    selectQuietly(chooser, validChooserPosition(settings.read(key), chooser.count()));
}

void storeChooser(SettingsFile& settings, const SettingKey& key, const QComboBox& chooser) {
    settings.write(key, std::max(0, chooser.currentIndex()));
}

int chosenValue(const QComboBox& chooser, int none) {
    const QVariant value = chooser.currentData(Qt::UserRole);
    return value.isValid() ? value.toInt() : none;
}

} // namespace rusrina
