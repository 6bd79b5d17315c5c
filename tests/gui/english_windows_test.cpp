// The English interface, walked through: every window and dialog a player reaches, opened in
// English over a box of five entries, shows no Japanese text.

#include "gui_test_support.h"

#include "app/about_box.h"
#include "app/program_language.h"
#include "app/top_window.h"
#include "ui/box/box_window.h"
#include "ui/box/set_text_dialog.h"
#include "ui/detail/detail_window.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/ivjudge/iv_judge_window.h"
#include "ui/matrix/matrix_window.h"
#include "ui/search/search_window.h"
#include "ui/session/box_document.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include <functional>

using namespace rusrina;
using rusrina::test::child;
using rusrina::test::TempSettings;

namespace {

// Kana, kanji and the full-width forms, but for the full-width dash that stands for no value in
// both languages (a sign, as "-" would be).
const QRegularExpression
    kJapanese(QStringLiteral("[\\x{3000}-\\x{30FF}\\x{3400}-\\x{9FFF}\\x{FF00}-\\x{FF0C}\\x{FF0E}-\\x{FFEF}]"));

QWidget* topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    qFatal("no window %s", name);
}

// The texts of a list or table: its heads and the first rows' cells, with their tooltips.
void addModelTexts(const QAbstractItemModel& model, const std::function<void(const QString&)>& add) {
    for (int c = 0; c < model.columnCount(); ++c) {
        add(model.headerData(c, Qt::Horizontal).toString());
        add(model.headerData(c, Qt::Horizontal, Qt::ToolTipRole).toString());
    }
    for (int r = 0; r < std::min(model.rowCount(), 60); ++r)
        for (int c = 0; c < model.columnCount(); ++c)
            for (int role : {Qt::DisplayRole, Qt::ToolTipRole})
                add(model.index(r, c).data(role).toString());
}

void addWidgetTexts(QWidget* w, const std::function<void(const QString&)>& add) {
    add(w->toolTip());
    for (QAction* action : w->actions())
        add(action->text());
    if (auto* label = qobject_cast<QLabel*>(w))
        add(label->text());
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        add(button->text());
    else if (auto* group = qobject_cast<QGroupBox*>(w))
        add(group->title());
    else if (auto* combo = qobject_cast<QComboBox*>(w))
        addModelTexts(*combo->model(), add);
    else if (auto* edit = qobject_cast<QLineEdit*>(w))
        add(edit->placeholderText() + edit->text());
    else if (auto* spin = qobject_cast<QSpinBox*>(w))
        add(spin->prefix() + spin->suffix());
    else if (auto* tabs = qobject_cast<QTabWidget*>(w))
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs->tabText(i));
    else if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
        addModelTexts(*view->model(), add);
    else if (auto* text = qobject_cast<QPlainTextEdit*>(w))
        add(text->toPlainText() + text->placeholderText());
}

// Every text of `window` that holds a Japanese character, each with the widget that shows it.
// The language chooser names each language in its own.
QStringList japaneseTexts(QWidget* window) {
    QStringList found;
    const auto look = [&](const QString& where) {
        return [&found, where](const QString& text) {
            if (text.contains(kJapanese))
                found << where + QStringLiteral(": ") + text.left(120);
        };
    };
    look(QStringLiteral("title"))(window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || w->objectName() == QLatin1String("languageChooser"))
            continue;
        addWidgetTexts(
            w, look(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName()));
    }
    for (QAction* action : window->findChildren<QAction*>())
        look(QStringLiteral("action ") + action->objectName())(action->text());
    return found;
}

} // namespace

class EnglishWindowsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        rusrina::test::quietOffscreenWarnings();
        applyLanguage(*qApp, text::TextLanguage::English);
    }
    void everyWindowShowsEnglishOnly();
};

void EnglishWindowsTest::everyWindowShowsEnglishOnly() {
    TempSettings temp;
    rusrina::test::writeFiveEntries();
    TopWindow top(temp.settings());
    top.show();
    AboutBox about(temp.settings());
    constexpr int kGarchomp = 445;
    const auto tab = [](int index) {
        QWidget* matrix = topLevel("matrixWindow");
        child<QTabWidget>(matrix, QStringLiteral("matrixTabs"))->setCurrentIndex(index);
        return matrix;
    };
    const auto shown = [](const char* name, const char* toggle = nullptr) {
        QWidget* window = topLevel(name);
        if (toggle)
            child<QToolButton>(window, QString::fromLatin1(toggle))->click();
        return window;
    };
    const struct {
        const char* window;
        std::function<QWidget*()> open;
    } windows[] = {
        {"launcher", [&] { return &top; }},
        {"search",
         [&] {
             rusrina::test::click(top, "searchButton");
             return shown("searchWindow");
         }},
        {"detail",
         [&] {
             top.detailWindow()->showSpecies(kGarchomp);
             return shown("detailWindow");
         }},
        {"IV judge",
         [&] {
             top.ivJudgeWindow()->openOnSpecies(kGarchomp);
             return shown("ivJudgeWindow");
         }},
        {"box with its battle state",
         [&] {
             rusrina::test::click(top, "boxButton");
             top.boxDocument()->setAttacker(0);
             top.boxDocument()->setDefender(1);
             return shown("boxWindow", "stateToggle");
         }},
        {"box with its log", [&] { return shown("boxWindow", "logToggle"); }},
        {"edit form",
         [&] {
             top.editWindow()->openNewOf(kGarchomp);
             return shown("entryEditWindow");
         }},
        {"matrix",
         [&] {
             rusrina::test::click(*top.boxWindow(), "matrixButton");
             return shown("matrixWindow");
         }},
        {"spread finder", [&] { return tab(1); }},
        {"tuning", [&] { return tab(2); }},
        {"sequence",
         [&] {
             rusrina::test::click(*top.boxWindow(), "sequenceButton");
             return shown("sequenceWindow");
         }},
        {"team text",
         [&] {
             top.boxWindow()->openTextImport();
             return static_cast<QWidget*>(top.boxWindow()->textDialog());
         }},
        {"about box",
         [&] {
             about.show();
             return &about;
         }},
    };
    QStringList found;
    for (const auto& w : windows) {
        QWidget* window = w.open();
        QApplication::processEvents();
        QVERIFY2(window->isVisible(), w.window);
        for (const QString& text : japaneseTexts(window))
            found << QLatin1String(w.window) + QStringLiteral(" / ") + text;
    }
    // All of them, as a failure's message is cut short.
    for (const QString& text : found)
        qWarning("%s", qPrintable(text));
    QVERIFY2(found.isEmpty(), "Japanese texts in the English interface (above)");
}

QTEST_MAIN(EnglishWindowsTest)
#include "english_windows_test.moc"
