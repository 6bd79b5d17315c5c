// The box window's history and feedback, driven with real key events and clicks: every change of
// the box is a step that 元に戻す / やり直す (Ctrl+Z, Ctrl+Shift+Z) take back and make again, the
// saved state follows the steps, and 保存, 詳細取得 and Ctrl+C say what they did in the status line.

#include "box/box.h"
#include "calc/damage/damage_engine.h"
#include "data/moves.h"
#include "format/box_file.h"

#include "box_test_support.h"
#include "gui_test_support.h"

#include "app/box_windows.h"
#include "ui/box/box_window.h"
#include "ui/box/set_text_dialog.h"
#include "ui/common/status_line.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <functional>

using namespace rusrina;
using rusrina::test::child;
using rusrina::test::click;
using rusrina::test::FreshWindows;
using rusrina::test::list;
using rusrina::test::listNames;
using rusrina::test::OpenedWindows;
using rusrina::test::ScriptedDialogs;
using rusrina::test::selected;
using rusrina::test::showActive;
using rusrina::test::TempSettings;
using rusrina::test::writeFiveEntries;

namespace {

BoxEntry creature(const char* name, int species = 24) {
    return testing::EntryBuilder(name, species)
        .nature(1)
        .evs({})
        .stats(100)
        .moves({84, NO_MOVE, NO_MOVE, 32}); // １０まんボルト, たいあたり
}

bool sameSlots(const Box& a, const Box& b) {
    return a.count() == b.count() && std::memcmp(a.slots().data(), b.slots().data(), kBoxFileBytes) == 0;
}

QString status(BoxWindow& window) {
    return window.statusLine().text();
}

using Change = std::function<void(BoxWindows&, TempSettings&)>;

} // namespace

Q_DECLARE_METATYPE(Change)

class BoxHistoryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void undoRestoresADeletedEntryInItsSlot();
    void everyChangeIsOneStep_data();
    void everyChangeIsOneStep();
    void copyingARowSaysWhatWasCopied();
    void thePairFollowsTheCheckBoxAndComesBack_data();
    void thePairFollowsTheCheckBoxAndComesBack();
    void thePairIsRememberedAcrossARestart();
};

void BoxHistoryTest::undoRestoresADeletedEntryInItsSlot() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    showActive(window);
    ScriptedDialogs dialogs;
    QVERIFY(!child<QPushButton>(window, "undoButton")->isEnabled());

    list(window)->selectRow(2);
    click(window, "deleteButton");
    QCOMPARE(listNames(window), QStringLiteral("ABDE"));
    QVERIFY(document.hasUnsavedChanges());
    QTest::keyClick(list(window), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(listNames(window), QStringLiteral("ABCDE"));
    QCOMPARE(selected(window), 2);
    QVERIFY(!document.hasUnsavedChanges()); // the box is the file again
    QCOMPARE(status(window), QStringLiteral("元に戻しました：削除"));
    QTest::keyClick(list(window), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(listNames(window), QStringLiteral("ABDE"));
    QCOMPARE(selected(window), 2);

    // Ctrl+S saves and says where; a step taken back after the save is a change again, which the
    // question before the program ends knows.
    QTest::keyClick(list(window), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!document.hasUnsavedChanges());
    QCOMPARE(status(window), QStringLiteral("保存しました：") + temp.dirPath() + QStringLiteral("/rusrina.vbd"));
    QVERIFY(dialogs.asked.isEmpty());
    QVERIFY(window.confirmClose());
    QTest::keyClick(list(window), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(listNames(window), QStringLiteral("ABCDE"));
    QVERIFY(document.hasUnsavedChanges());
    dialogs.choiceAnswers = {Dialogs::Answer::Cancel};
    QVERIFY(!window.confirmClose());
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].kind, QStringLiteral("choice"));
}

void BoxHistoryTest::everyChangeIsOneStep_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("after");
    const auto listButton = [](int row, const char* button) {
        return Change([=](BoxWindows& w, TempSettings&) {
            list(w.boxWindow())->selectRow(row);
            click(w.boxWindow(), button);
        });
    };
    QTest::newRow("delete") << listButton(0, "deleteButton") << "削除"
                            << "BCDE";
    QTest::newRow("up") << listButton(2, "upButton") << "項目上移動"
                        << "ACBDE";
    QTest::newRow("down") << listButton(2, "downButton") << "項目下移動"
                          << "ABDCE";
    QTest::newRow("top") << listButton(3, "topButton") << "最上位移動"
                         << "DABCE";
    QTest::newRow("bottom") << listButton(1, "bottomButton") << "最下位移動"
                            << "ACDEB";
    const auto registration = [](int row, const char* name) {
        return Change([=](BoxWindows& w, TempSettings&) {
            ScriptedDialogs dialogs;
            dialogs.questionAnswers = {true};
            list(w.boxWindow())->selectRow(row);
            click(w.boxWindow(), row < 0 ? "newButton" : "editButton");
            child<QLineEdit>(w.editWindow(), QStringLiteral("edit_name"))->setText(QString::fromUtf8(name));
            click(w.editWindow(), "button_register");
        });
    };
    QTest::newRow("register a new entry") << registration(-1, "F") << "登録"
                                          << "ABCDEF";
    QTest::newRow("register over an entry") << registration(1, "Bee") << "登録"
                                            << "ABeeCDE";
    QTest::newRow("import") << Change([](BoxWindows& w, TempSettings& temp) {
        Box other;
        QVERIFY(other.add(creature("A")).ok() && other.add(creature("G")).ok());
        const QString path = temp.dirPath() + QStringLiteral("/other.vbd");
        QVERIFY(BoxFile(path.toStdString()).save(other).ok);
        ScriptedDialogs dialogs;
        dialogs.fileNames = {path};
        click(w.boxWindow(), "importButton");
    }) << "インポート"
                            << "ABCDEG";
    QTest::newRow("team text") << Change([](BoxWindows& w, TempSettings&) {
        ScriptedDialogs dialogs;
        QGuiApplication::clipboard()->setText(QStringLiteral("Latios\n\nLatias\n"));
        click(w.boxWindow(), "textImportButton");
        click(*w.boxWindow().textDialog(), "setTextAddButton");
    }) << "テキスト入力"
                               << "ABCDEラティオスラティアス";
}

// Each change is taken back to the box it started from, byte for byte, and made again.
void BoxHistoryTest::everyChangeIsOneStep() {
    QFETCH(Change, change);
    QFETCH(QString, step);
    QFETCH(QString, after);
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    window.showTool(ShowCommand::Show);
    const auto checked = rusrina::test::checkModel(list(window)->model());
    const Box start = document.box();
    change(windows, temp);
    QCOMPARE(listNames(window), after);
    const Box changed = document.box();
    auto* undo = child<QPushButton>(window, "undoButton");
    QVERIFY(undo->isEnabled());
    QCOMPARE(undo->toolTip(), QStringLiteral("元に戻す：") + step);
    QCOMPARE(child<QAction>(window, "undoAction")->text(), QStringLiteral("元に戻す ") + step);

    undo->click();
    QCOMPARE(listNames(window), QStringLiteral("ABCDE"));
    QVERIFY(sameSlots(document.box(), start));
    QVERIFY(!undo->isEnabled());
    QVERIFY(!document.hasUnsavedChanges());
    QVERIFY(!windows.editWindow().isVisible());
    click(window, "redoButton");
    QCOMPARE(listNames(window), after);
    QVERIFY(sameSlots(document.box(), changed));
    QVERIFY(document.hasUnsavedChanges());
}

void BoxHistoryTest::copyingARowSaysWhatWasCopied() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    showActive(window);
    list(window)->selectRow(1);
    click(window, "defenderButton");
    list(window)->selectRow(0);
    click(window, "attackerButton");
    QClipboard* clipboard = QGuiApplication::clipboard();

    click(window, "copyButton3");
    const std::string log = battle.result(3).log.text();
    QCOMPARE(clipboard->text(), QString::fromStdString(log));
    QCOMPARE(status(window), QStringLiteral("わざ４（たいあたり）の計算過程をコピーしました（%1 行）")
                                 .arg(std::count(log.begin(), log.end(), '\n')));

    // Ctrl+C copies the row that holds the focus; a click on a row's figures puts it there.
    clipboard->setText(QStringLiteral("before"));
    QTest::mouseClick(child<QLabel>(window, QStringLiteral("rowDamage0")), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("copyButton0"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QString::fromStdString(battle.result(0).log.text()));
    QVERIFY(status(window).startsWith(QStringLiteral("わざ１（１０まんボルト）の計算過程をコピーしました")));
}

namespace {

void setPair(BoxWindow& window, int attacker, int defender) {
    list(window)->selectRow(attacker);
    click(window, "attackerButton");
    list(window)->selectRow(defender);
    click(window, "defenderButton");
}

QString pairNames(BoxWindow& window) {
    return child<QLabel>(window, "attackerName")->text() + child<QLabel>(window, "defenderName")->text();
}

} // namespace

void BoxHistoryTest::thePairFollowsTheCheckBoxAndComesBack_data() {
    QTest::addColumn<bool>("keep");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("pairAfter"); // attacker's then defender's name
    QTest::newRow("off: delete another") << false << "deleteButton" << 0 << "－－";
    QTest::newRow("off: move") << false << "topButton" << 3 << "－－";
    QTest::newRow("on: delete another") << true << "deleteButton" << 0 << "CE";
    QTest::newRow("on: move the attacker") << true << "topButton" << 2 << "CE";
    QTest::newRow("on: move past the defender") << true << "bottomButton" << 1 << "CE";
    QTest::newRow("on: delete the defender") << true << "deleteButton" << 4 << "C－";
}

// The check box off, a move or deletion clears the pair; on, the pair stays on its entries. Either
// way 元に戻す brings back the pair the step found, and やり直す the one it left.
void BoxHistoryTest::thePairFollowsTheCheckBoxAndComesBack() {
    QFETCH(bool, keep);
    QFETCH(QString, button);
    QFETCH(int, row);
    QFETCH(QString, pairAfter);
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    auto* check = child<QCheckBox>(window, "keepPairCheck");
    QVERIFY(!check->isChecked());
    check->setChecked(keep);
    setPair(window, 2, 4);
    list(window)->selectRow(row);
    click(window, button.toLatin1().constData());
    QCOMPARE(pairNames(window), pairAfter);
    click(window, "undoButton");
    QCOMPARE(pairNames(window), QStringLiteral("CE"));
    QVERIFY(child<QLabel>(window, "rowDamage0")->text() != QStringLiteral("－"));
    click(window, "redoButton");
    QCOMPARE(pairNames(window), pairAfter);
}

// The pair and the check box come back at the next start while the entries are where they were;
// a side whose slot now holds another entry is dropped. Unticked, the next start has no pair, and
// nothing of it stays in the file.
void BoxHistoryTest::thePairIsRememberedAcrossARestart() {
    TempSettings temp;
    writeFiveEntries();
    {
        auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
        setPair(windows.boxWindow(), 3, 1);
        child<QCheckBox>(windows.boxWindow(), "keepPairCheck")->setChecked(true);
    }
    {
        auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
        QCOMPARE(pairNames(windows.boxWindow()), QStringLiteral("DB"));
        QCOMPARE(windows.document().attackerSlot(), 3);
        QVERIFY(child<QCheckBox>(windows.boxWindow(), "keepPairCheck")->isChecked());
        QVERIFY(child<QLabel>(windows.boxWindow(), "rowDamage0")->text() != QStringLiteral("－"));
    }
    Box box; // B's slot now holds another creature
    for (const char* name : {"A", "X", "C", "D"})
        QVERIFY(box.add(creature(name, name[0] % 2 ? 24 : 142)).ok());
    QVERIFY(BoxFile(kDefaultBoxFileName).save(box).ok);
    {
        auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
        QCOMPARE(pairNames(windows.boxWindow()), QStringLiteral("D－"));
        setPair(windows.boxWindow(), 3, 1);
        child<QCheckBox>(windows.boxWindow(), "keepPairCheck")->setChecked(false);
    }
    for (const char* key : {"keepPair", "attackerSlot", "attackerName", "defenderSlot", "defenderSpecies"})
        QCOMPARE(temp.read("Damage", key), -9999);
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    QCOMPARE(pairNames(windows.boxWindow()), QStringLiteral("－－"));
}

QTEST_MAIN(BoxHistoryTest)
#include "box_history_test.moc"
