#pragma once
// Shared helpers for the window tests: a settings directory of each test's own, answers for
// message boxes and file dialogs, a way to deal with a modal window that a click opens, widgets
// found by name, and the box windows opened over a box file the test wrote.

#include "box/box.h"
#include "format/box_file.h"
#include "settings/settings_file.h"

#include "box_test_support.h"

#include "app/box_windows.h"
#include "ui/common/dialogs.h"
#include "ui/common/tool_window.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QStringList>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace rusrina::test {

// A fresh temporary directory holding the settings file, made the current directory (where the
// default box file resolves) for as long as the object lives.
class TempSettings {
public:
    TempSettings()
        : m_oldCurrent(QDir::currentPath()), m_settings((m_dir.path() + QStringLiteral("/rusrina.ini")).toStdString()) {
        QDir::setCurrent(m_dir.path());
    }
    ~TempSettings() { QDir::setCurrent(m_oldCurrent); }
    TempSettings(const TempSettings&) = delete;
    TempSettings& operator=(const TempSettings&) = delete;

    SettingsFile& settings() { return m_settings; }
    QString dirPath() const { return m_dir.path(); }
    QString iniPath() const { return QString::fromStdString(m_settings.settingsPath()); }

    int read(const char* section, const char* key, int defaultValue = -9999) const {
        return m_settings.readSetting(section, key, defaultValue);
    }
    void write(const char* section, const char* key, int value) { m_settings.writeSetting(section, key, value); }

    // Stores a placement the way a window saves it: right and bottom one past the last pixel.
    void writeRect(const char* section, int left, int top, int right, int bottom) {
        write(section, "left", left);
        write(section, "top", top);
        write(section, "right", right);
        write(section, "bottom", bottom);
    }
    QRect readRect(const char* section) const {
        const int left = read(section, "left", 0), top = read(section, "top", 0);
        return QRect(left, top, read(section, "right", 0) - left, read(section, "bottom", 0) - top);
    }

    QByteArray iniContent() const {
        QFile file(iniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
    QString m_oldCurrent;
    SettingsFile m_settings;
};

// The widget named `name` in `window`; a test that asks for one the window lacks stops there.
template <typename T> T* child(QWidget& window, const QString& name) {
    T* widget = window.findChild<T*>(name);
    if (!widget)
        qFatal("no widget %s", qPrintable(name));
    return widget;
}
template <typename T> T* child(QWidget* window, const QString& name) {
    return child<T>(*window, name);
}

// Answers every message box and file dialog from queued answers while it lives, and records
// what was asked. An unexpected question is answered No, an unexpected file dialog cancelled.
class ScriptedDialogs final : public Dialogs {
public:
    struct Asked {
        QString kind; // "message", "question", "choice" (with Cancel), "choose", "open" or "save"
        QString title;
        QString text;               // the message, or the filter of a file dialog
        QString defaultSuffix = {}; // of a file dialog
        QStringList buttons = {};   // of a "choose" question
        int defaultButton = 0;      // of a "choose" question: the one Enter answers
    };

    ScriptedDialogs() { setDialogs(this); }
    ~ScriptedDialogs() override { setDialogs(nullptr); }
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    QList<bool> questionAnswers;
    QList<Dialogs::Answer> choiceAnswers; // for questions with Cancel
    QList<int> chooseAnswers;             // for questions with buttons of their own; none left: the last
    QStringList fileNames;                // an empty string answers Cancel
    QList<Asked> asked;

    void message(QWidget*, const QString& title, const QString& text) override {
        asked.append({QStringLiteral("message"), title, text});
    }
    bool question(QWidget*, const QString& title, const QString& text) override {
        asked.append({QStringLiteral("question"), title, text});
        return questionAnswers.isEmpty() ? false : questionAnswers.takeFirst();
    }
    Answer questionWithCancel(QWidget*, const QString& title, const QString& text) override {
        asked.append({QStringLiteral("choice"), title, text});
        return choiceAnswers.isEmpty() ? Answer::No : choiceAnswers.takeFirst();
    }
    int choose(QWidget*, const QString& title, const QString& text, const QStringList& buttons,
               int defaultButton) override {
        asked.append({QStringLiteral("choose"), title, text, QString(), buttons, defaultButton});
        return chooseAnswers.isEmpty() ? int(buttons.size()) - 1 : chooseAnswers.takeFirst();
    }
    QString openFileName(QWidget*, const QString& title, const QString& filter, const QString& suffix) override {
        asked.append({QStringLiteral("open"), title, filter, suffix});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
    QString saveFileName(QWidget*, const QString& title, const QString& filter, const QString& suffix) override {
        asked.append({QStringLiteral("save"), title, filter, suffix});
        return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
    }
};

// Holds `model` to Qt's rules for item models while the result lives: the model as it is now, and
// every change it announces as it happens. A rule broken fails the running test.
using ModelCheck = std::unique_ptr<QAbstractItemModelTester>;
inline ModelCheck checkModel(QAbstractItemModel* model) {
    return std::make_unique<QAbstractItemModelTester>(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
}

// Runs `handle` on the modal window that the next action opens (call this just before the
// action). Polls, so that the window is up and its event loop running when `handle` sees it;
// `handle` must close it. Gives up after about five seconds so a test cannot hang.
inline void whenModalOpens(std::function<void(QWidget* modal)> handle, int triesLeft = 500) {
    QTimer::singleShot(10, qApp, [handle = std::move(handle), triesLeft]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget())
            handle(modal);
        else if (triesLeft > 0)
            whenModalOpens(std::move(handle), triesLeft - 1);
    });
}

// The offscreen platform warns about every window operation it does not model (raise, size hints);
// call this from initTestCase() to keep those out of the test output. Other messages still pass.
inline void quietOffscreenWarnings() {
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support")))
            return;
        if (previous)
            previous(type, context, text);
    });
}

// Typing into the choosers that find their entries by typed text, with real key events.
namespace typing {

// Clicks into a chooser's text, as a user does before typing; the name shown is then selected, so
// that typing replaces it.
inline void clickIntoChooser(QComboBox* c) {
    c->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(c->window()));
    QTest::mouseClick(c->lineEdit(), Qt::LeftButton);
    QVERIFY(c->hasFocus());
    QCoreApplication::processEvents();
}

// Where a key goes: to the list that is open (which hands on what it does not use), else to `w`.
inline QWidget* keyTarget(QWidget* w) {
    QWidget* popup = QApplication::activePopupWidget();
    return popup ? popup : w;
}

inline void pressKey(QWidget* w, Qt::Key key) {
    QTest::keyClick(keyTarget(w), key);
}

// Types text as key presses, one character each, the way a kana keyboard layout sends it.
inline void typeKeys(QWidget* w, const QString& text) {
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(keyTarget(w), ch.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Press, keyTarget(w), Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, keyTarget(w), Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

// Types text the way an input method hands it over once the user confirms it (romaji typed,
// converted and committed).
inline void commitText(QWidget* w, const QString& text) {
    QInputMethodEvent preedit(text, {});
    QCoreApplication::sendEvent(w, &preedit);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QCoreApplication::sendEvent(w, &commit);
}

// The chosen entry's text (currentText() is what the text field shows, typing included).
inline QString chosen(const QComboBox* c) {
    return c->itemText(c->currentIndex());
}

// Clicks into the chooser, types `text` and presses Enter.
inline void findByTyping(QComboBox* c, const QString& text) {
    clickIntoChooser(c);
    typeKeys(c, text);
    pressKey(c, Qt::Key_Return);
}

} // namespace typing

// --- The box windows ---------------------------------------------------------------------------

// The box windows as the program opens them over `settings`, with names for the three a test
// reaches for; a test takes them apart where it opens them:
//   auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
struct OpenedWindows {
    explicit OpenedWindows(SettingsFile& settings) : windows(settings) {}
    BoxWindows windows;
    BoxWindow& window = windows.boxWindow();
    BoxDocument& document = windows.document();
    BattleSession& battle = windows.battle();
};

// The same in a settings directory of the test's own, whose default box file `writeBox` writes
// before the windows open (without one the box starts empty):
//   auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
struct FreshWindows {
    explicit FreshWindows(void (*writeBox)() = nullptr) : windows(writtenBy(writeBox)) {}
    TempSettings temp;
    BoxWindows windows;
    BoxWindow& window = windows.boxWindow();
    BoxDocument& document = windows.document();
    BattleSession& battle = windows.battle();

    SettingsFile& writtenBy(void (*writeBox)()) {
        if (writeBox)
            writeBox();
        return temp.settings();
    }
};

// Writes the default box file of the current (temporary) directory.
inline void writeDefaultBox(const std::vector<BoxEntry>& entries) {
    Box box;
    for (const BoxEntry& e : entries)
        QVERIFY(box.add(e).ok());
    QVERIFY(BoxFile(kDefaultBoxFileName).save(box).ok);
}

// A creature with a move for each kind of row: １０まんボルト (special), ハサミギロチン (variable
// damage), none, たいあたり (physical).
inline BoxEntry creature(const char* name, int species, int hp = 200) {
    return testing::EntryBuilder(name, species).nature(1).evs({}).stats(100).hp(hp).moves({84, 11, NO_MOVE, 32});
}

// Five creatures named A to E; A, C and E are ピカチュウ, B and D カビゴン.
inline void writeFiveEntries() {
    constexpr int kPikachu = 24, kSnorlax = 142;
    writeDefaultBox({creature("A", kPikachu), creature("B", kSnorlax), creature("C", kPikachu), creature("D", kSnorlax),
                     creature("E", kPikachu)});
}

inline void click(QWidget& window, const char* button) {
    child<QPushButton>(window, QString::fromLatin1(button))->click();
}

// The box list, the row selected in it (-1: none) and the names it shows, one after another.
inline QTableView* list(QWidget& window) {
    return child<QTableView>(window, QStringLiteral("boxList"));
}
inline int selected(QWidget& window) {
    const auto rows = list(window)->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.constFirst().row();
}
inline QString listNames(QWidget& window) {
    QString names;
    const auto* model = list(window)->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names += model->index(row, 0).data().toString();
    return names;
}

// The window on screen and active, so that its shortcuts take keys as a user's would.
inline void showActive(ToolWindow& window) {
    window.showTool(ShowCommand::Show);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace rusrina::test
