// The box and damage window, driven through its real widgets: the list operations and the
// selection they leave, the sides and the rows, the learnable-move list, copying a row's log,
// registration from the edit window, save, import and the question before the program ends.

#include "box/box.h"
#include "format/box_file.h"

#include "box_test_support.h"
#include "gui_test_support.h"

#include "app/box_windows.h"
#include "app/top_window.h"
#include "calc/damage/damage_engine.h"
#include "ui/box/box_window.h"
#include "ui/common/status_line.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"
#include "view/box/box_list.h"
#include "view/box/learnable_moves.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <filesystem>
#include <vector>

using namespace rusrina;
using rusrina::test::child;
using rusrina::test::click;
using rusrina::test::creature;
using rusrina::test::FreshWindows;
using rusrina::test::list;
using rusrina::test::listNames;
using rusrina::test::OpenedWindows;
using rusrina::test::ScriptedDialogs;
using rusrina::test::selected;
using rusrina::test::TempSettings;
using rusrina::test::writeDefaultBox;
using rusrina::test::writeFiveEntries;

namespace {

constexpr int kPikachu = 24;
constexpr int kSnorlax = 142;
constexpr int kThunderbolt = 84; // １０まんボルト, special
constexpr int kGuillotine = 11;  // ハサミギロチン: variable damage
constexpr int kTackle = 32;      // たいあたり, physical

QString label(QWidget& window, const QString& name) {
    return child<QLabel>(window, name)->text();
}

void select(QWidget& window, int row) {
    list(window)->selectRow(row);
}

void setSides(BoxWindow& window, int attacker, int defender) {
    select(window, attacker);
    click(window, "attackerButton");
    select(window, defender);
    click(window, "defenderButton");
}

// Both panels and every result label show "－".
bool sidesCleared(BoxWindows& windows) {
    BoxWindow& window = windows.boxWindow();
    const QString none = QStringLiteral("－");
    for (const char* side : {"attacker", "defender"})
        for (const char* field : {"Name", "Species", "Level", "Nature", "Ability", "Stat0", "Stat5"})
            if (label(window, QStringLiteral("%1%2").arg(QLatin1String(side), QLatin1String(field))) != none)
                return false;
    for (int k = 0; k < kDamageRowCount; ++k)
        if (label(window, QStringLiteral("rowDamage%1").arg(k)) != none ||
            label(window, QStringLiteral("rowHits%1").arg(k)) != none)
            return false;
    return windows.document().attackerSlot() == -1 && windows.document().defenderSlot() == -1;
}

QComboBox* combo(QWidget& window, const char* name) {
    return child<QComboBox>(window, QString::fromLatin1(name));
}

} // namespace

class BoxWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void startsWithTheDefaultBoxAndEmptySides();
    void listOperationsSelectAndClearBothSides_data();
    void listOperationsSelectAndClearBothSides();
    void swapWithOneSideEmpty();
    void attackerWithoutSelectionClearsTheSide();
    void conditionsRecalculateTheRows();
    void weatherOrFilterResetsTheLearnableList();
    void copyingARowLog();
    void registeredDefenderUpdatesPanelAndRows();
    void registeredNewEntryIsAppendedAndSelected();
    void registeringThroughTheEditWindow();
    void newOnAFullBoxExplainsAndOpensNothing();
    void editOpensTheFormAndAMoveClosesIt();
    void saveWritesTheFileOrSaysWhyNot();
    void importAddsEntriesAndReports();
    void unreadableRecordsAreReportedAtStart();
    void unsavedChangesPromptOnProgramClose_data();
    void unsavedChangesPromptOnProgramClose();
};

void BoxWindowTest::startsWithTheDefaultBoxAndEmptySides() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    QCOMPARE(listNames(window), QStringLiteral("ABCDE"));
    QCOMPARE(list(window)->model()->headerData(0, Qt::Horizontal).toString(), QStringLiteral("名前"));
    QCOMPARE(list(window)->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("バントレ"));
    QCOMPARE(list(window)->model()->index(1, 1).data().toString(), QStringLiteral("カビゴン"));
    QCOMPARE(selected(window), 0);
    QVERIFY(sidesCleared(windows));
    QCOMPARE(combo(window, "attackStageCombo")->currentText(), QStringLiteral("±0"));
    QCOMPARE(combo(window, "defenceStageCombo")->count(), 13);
    QCOMPARE(combo(window, "weatherCombo")->currentText(), QStringLiteral("通常"));
    QCOMPARE(combo(window, "learnableMoveCombo")->count(), 1);
    QCOMPARE(combo(window, "learnableMoveCombo")->currentText(), QStringLiteral(" 無指定"));
    QCOMPARE(combo(window, "directPowerCombo")->currentText(), QStringLiteral("5"));
    QCOMPARE(combo(window, "directCategoryCombo")->currentText(), QStringLiteral("物理"));
    QCOMPARE(combo(window, "directTypeCombo")->currentText(), QStringLiteral("ノーマル"));
    QCOMPARE(combo(window, "learnFilterCombo")->currentText(), QStringLiteral("制限無し"));
    QCOMPARE(windows.editWindow().windowTitle(), QStringLiteral("ルセリナTK Ver 0.9.3 バントレボックス　データ編集"));
    QVERIFY(!windows.editWindow().isVisible());
    QVERIFY(!document.hasUnsavedChanges());
}

void BoxWindowTest::listOperationsSelectAndClearBothSides_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<bool>("changed");
    QTest::newRow("up") << "upButton" << 2 << "ACBDE" << 1 << true;
    QTest::newRow("up from the top") << "upButton" << 0 << "ABCDE" << 0 << false;
    QTest::newRow("down") << "downButton" << 2 << "ABDCE" << 3 << true;
    QTest::newRow("down from the bottom") << "downButton" << 4 << "ABCDE" << 4 << false;
    QTest::newRow("top") << "topButton" << 3 << "DABCE" << 0 << true;
    QTest::newRow("bottom") << "bottomButton" << 1 << "ACDEB" << 4 << true;
    QTest::newRow("bottom from the bottom") << "bottomButton" << 4 << "ABCDE" << 4 << false;
    QTest::newRow("delete") << "deleteButton" << 1 << "ACDE" << 1 << true;
    QTest::newRow("delete the last") << "deleteButton" << 4 << "ABCD" << -1 << true;
    QTest::newRow("delete with nothing selected") << "deleteButton" << -1 << "ABCDE" << -1 << false;
}

void BoxWindowTest::listOperationsSelectAndClearBothSides() {
    QFETCH(QString, button);
    QFETCH(int, row);
    QFETCH(QString, order);
    QFETCH(int, selectedAfter);
    QFETCH(bool, changed);
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    const auto checked = rusrina::test::checkModel(list(window)->model());
    setSides(window, 0, 1);
    QVERIFY(!sidesCleared(windows));
    if (row < 0)
        list(window)->clearSelection();
    else
        select(window, row);
    click(window, button.toLatin1().constData());
    QCOMPARE(listNames(window), order);
    QCOMPARE(selected(window), selectedAfter);
    QVERIFY(sidesCleared(windows));
    QCOMPARE(document.hasUnsavedChanges(), changed);
    QCOMPARE(document.box().count(), order.size());
    for (int slot = 0; slot < document.box().count(); ++slot)
        QCOMPARE(QString::fromStdString(entryNameUtf8(document.box().entry(slot))), order.mid(slot, 1));
}

void BoxWindowTest::swapWithOneSideEmpty() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    select(window, 2);
    click(window, "attackerButton");
    QCOMPARE(label(window, "attackerName"), QStringLiteral("C"));
    click(window, "swapButton");
    QCOMPARE(document.attackerSlot(), -1);
    QCOMPARE(document.defenderSlot(), 2);
    QCOMPARE(label(window, "attackerName"), QStringLiteral("－"));
    QCOMPARE(label(window, "defenderName"), QStringLiteral("C"));
    QCOMPARE(label(window, "rowName0"), QStringLiteral("－"));
    QCOMPARE(combo(window, "learnableMoveCombo")->count(), 1);
    click(window, "swapButton");
    QCOMPARE(document.attackerSlot(), 2);
    QCOMPARE(document.defenderSlot(), -1);
    QCOMPARE(label(window, "rowName0"), QStringLiteral("１０まんボルト"));
    QCOMPARE(label(window, "rowDamage0"), QStringLiteral("－"));

    select(window, 1);
    click(window, "defenderButton");
    click(window, "swapButton");
    QCOMPARE(document.attackerSlot(), 1);
    QCOMPARE(document.defenderSlot(), 2);
    QCOMPARE(label(window, "attackerSpecies"), QStringLiteral("カビゴン"));
    QVERIFY(label(window, "rowDamage0") != QStringLiteral("－"));
}

void BoxWindowTest::attackerWithoutSelectionClearsTheSide() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    setSides(window, 0, 1);
    QVERIFY(label(window, "rowDamage0") != QStringLiteral("－"));
    list(window)->clearSelection();
    click(window, "attackerButton");
    QCOMPARE(document.attackerSlot(), -1);
    QCOMPARE(label(window, "attackerName"), QStringLiteral("－"));
    for (int k = 0; k < kDamageRowCount; ++k)
        QCOMPARE(label(window, QStringLiteral("rowDamage%1").arg(k)), QStringLiteral("－"));
    QCOMPARE(label(window, "defenderName"), QStringLiteral("B"));
}

void BoxWindowTest::conditionsRecalculateTheRows() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    setSides(window, 0, 1);
    const QString plainTackle = label(window, "rowDamage3");
    const QString plainThunderbolt = label(window, "rowDamage0");
    child<QCheckBox>(window, "checkBurn")->click(); // halves physical attack only
    QVERIFY(label(window, "rowDamage3") != plainTackle);
    QCOMPARE(label(window, "rowDamage0"), plainThunderbolt);
    QVERIFY(battle.result(3).log.text().find("「やけど」で攻撃半減") != std::string::npos);
    child<QCheckBox>(window, "checkBurn")->click();
    QCOMPARE(label(window, "rowDamage3"), plainTackle);

    combo(window, "defenceStageCombo")->setCurrentIndex(0); // +6
    QVERIFY(label(window, "rowDamage0") != plainThunderbolt);
    combo(window, "defenceStageCombo")->setCurrentIndex(6);
    QCOMPARE(label(window, "rowDamage0"), plainThunderbolt);

    // The direct-value row follows its three choosers.
    const QString direct5 = label(window, "rowDamage5");
    combo(window, "directPowerCombo")->setCurrentIndex(39); // 200
    QVERIFY(label(window, "rowDamage5") != direct5);
    QVERIFY(battle.result(5).log.text().find("威力： 200") != std::string::npos);
}

void BoxWindowTest::weatherOrFilterResetsTheLearnableList() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    setSides(window, 0, 1);
    QComboBox* learnable = combo(window, "learnableMoveCombo");
    const auto checked = rusrina::test::checkModel(learnable->model());
    const auto all = learnableMoveChoices(kPikachu, kNoLearnFilter);
    QCOMPARE(learnable->count(), int(all.size()));
    const int thunderbolt = learnable->findText(QStringLiteral("１０まんボルト"));
    QVERIFY(thunderbolt > 0);
    learnable->setCurrentIndex(thunderbolt);
    QCOMPARE(label(window, "rowPower4"), QStringLiteral("95"));
    QCOMPARE(label(window, "rowDamage4"), label(window, "rowDamage0"));

    combo(window, "weatherCombo")->setCurrentIndex(2); // 雨
    QCOMPARE(learnable->currentIndex(), 0);
    QCOMPARE(learnable->currentText(), QStringLiteral(" 無指定"));
    QCOMPARE(label(window, "rowPower4"), QStringLiteral("－"));
    QCOMPARE(label(window, "rowDamage4"), QStringLiteral("－"));

    learnable->setCurrentIndex(thunderbolt);
    combo(window, "learnFilterCombo")->setCurrentIndex(1); // 物理技のみ
    QCOMPARE(learnable->currentIndex(), 0);
    const auto physical = learnableMoveChoices(kPikachu, kPhysical);
    QCOMPARE(learnable->count(), int(physical.size()));
    for (int i = 0; i < learnable->count(); ++i) {
        QCOMPARE(learnable->itemText(i), QString::fromStdString(physical[i].text));
        QCOMPARE(learnable->itemData(i).toInt(), physical[i].value);
    }
    QCOMPARE(learnable->findText(QStringLiteral("１０まんボルト")), -1);
}

void BoxWindowTest::copyingARowLog() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QString sentinel = QStringLiteral("left alone");

    // No sides at all, then rows without a move or with no defender.
    clipboard->setText(sentinel);
    click(window, "copyButton0");
    QCOMPARE(clipboard->text(), sentinel);
    select(window, 0);
    click(window, "attackerButton");
    click(window, "copyButton0");
    QCOMPARE(clipboard->text(), sentinel);
    select(window, 1);
    click(window, "defenderButton");
    click(window, "copyButton2"); // an empty move slot
    click(window, "copyButton4"); // no learnable move chosen
    QCOMPARE(clipboard->text(), sentinel);

    // A variable-damage move shows "－" but keeps its log.
    QCOMPARE(label(window, "rowDamage1"), QStringLiteral("－"));
    click(window, "copyButton1");
    const QString log = clipboard->text();
    QVERIFY(log.startsWith(QStringLiteral("ダメージ算出 by ルセリナ\r\n\r\n")));
    QVERIFY(log.endsWith(QStringLiteral("ダメージ変化技につき計算不能\r\n")));
    QCOMPARE(log, QString::fromStdString(battle.result(1).log.text()));

    click(window, "copyButton3");
    QCOMPARE(clipboard->text(), QString::fromStdString(battle.result(3).log.text()));
    QVERIFY(clipboard->text().contains(QStringLiteral("\r\nダメージ： ")));
}

void BoxWindowTest::registeredDefenderUpdatesPanelAndRows() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    setSides(window, 0, 1);
    QCOMPARE(label(window, "defenderStat0"), QStringLiteral("200"));
    const QString hitsBefore = label(window, "rowHits0");

    select(window, 3);
    QVERIFY(document.registerEntry(1, creature("Bee", kSnorlax, 999)).ok());

    QCOMPARE(label(window, "defenderName"), QStringLiteral("Bee"));
    QCOMPARE(label(window, "defenderStat0"), QStringLiteral("999"));
    QVERIFY(label(window, "rowHits0") != hitsBefore);
    QCOMPARE(label(window, "rowHits0"), QString::fromStdString(battle.result(0).hitsText));
    QCOMPARE(listNames(window), QStringLiteral("ABeeCDE"));
    QCOMPARE(selected(window), 1);
    QCOMPARE(document.attackerSlot(), 0);
    QCOMPARE(document.defenderSlot(), 1);
    QVERIFY(document.hasUnsavedChanges());
}

void BoxWindowTest::registeredNewEntryIsAppendedAndSelected() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    QVERIFY(document.registerEntry(-1, creature("F", kPikachu)).ok());
    QCOMPARE(listNames(window), QStringLiteral("ABCDEF"));
    QCOMPARE(selected(window), 5);
    QVERIFY(document.hasUnsavedChanges());
    // An entry the box cannot hold changes nothing.
    QVERIFY(!document.registerEntry(40, BoxEntry{}).ok());
    QCOMPARE(listNames(window), QStringLiteral("ABCDEF"));
}

// The real form: a new entry lands at the end of the list, an edited defender updates at once.
void BoxWindowTest::registeringThroughTheEditWindow() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    window.showTool(ShowCommand::Show);
    ScriptedDialogs dialogs;
    dialogs.questionAnswers = {true, true};
    EntryEditWindow& edit = windows.editWindow();

    click(window, "newButton");
    child<QLineEdit>(edit, "edit_name")->setText(QStringLiteral("ふしぎ"));
    click(edit, "button_register");
    QCOMPARE(listNames(window), QStringLiteral("ABCDEふしぎ"));
    QCOMPARE(selected(window), 5);
    QVERIFY(!edit.isVisible());
    QVERIFY(document.hasUnsavedChanges());

    setSides(window, 0, 1);
    select(window, 1);
    click(window, "editButton");
    QVERIFY(edit.isVisible());
    child<QLineEdit>(edit, "edit_name")->setText(QStringLiteral("Bob"));
    click(edit, "button_register");
    QCOMPARE(listNames(window), QStringLiteral("ABobCDEふしぎ"));
    QCOMPARE(label(window, "defenderName"), QStringLiteral("Bob"));
    QCOMPARE(label(window, "defenderStat0"), QString::number(document.box().entry(1).stat[0]));
    QCOMPARE(label(window, "rowHits0"), QString::fromStdString(battle.result(0).hitsText));
    QCOMPARE(document.box().count(), 6);
}

void BoxWindowTest::newOnAFullBoxExplainsAndOpensNothing() {
    auto&& [temp, windows, window, document, battle] = FreshWindows();
    window.showTool(ShowCommand::Show);
    ScriptedDialogs dialogs;
    click(window, "newButton");
    QVERIFY(windows.editWindow().isVisible());
    QVERIFY(dialogs.asked.isEmpty());
    windows.editWindow().showTool(ShowCommand::Hide);

    for (int i = 0; i < kBoxCapacity; ++i)
        QVERIFY(document.registerEntry(-1, creature(QByteArray::number(i).constData(), kPikachu)).ok());
    click(window, "newButton");
    QVERIFY(!windows.editWindow().isVisible());
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].text, QString::fromUtf8(kBoxFullText));
}

void BoxWindowTest::editOpensTheFormAndAMoveClosesIt() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    window.showTool(ShowCommand::Show);
    list(window)->clearSelection();
    click(window, "editButton"); // nothing selected: as a new entry
    QVERIFY(windows.editWindow().isVisible());
    click(window, "downButton"); // no selection: nothing moves, the new form stays
    QVERIFY(windows.editWindow().isVisible());
    windows.editWindow().showTool(ShowCommand::Hide);

    select(window, 2);
    click(window, "editButton");
    QVERIFY(windows.editWindow().isVisible());
    select(window, 2);
    click(window, "upButton");
    // The form held slot 2, which is now another creature: registering would overwrite it.
    QVERIFY(!windows.editWindow().isVisible());
}

void BoxWindowTest::saveWritesTheFileOrSaysWhyNot() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    ScriptedDialogs dialogs;
    select(window, 0);
    click(window, "deleteButton");
    QVERIFY(document.hasUnsavedChanges());
    click(window, "saveButton");
    QVERIFY(dialogs.asked.isEmpty());
    QVERIFY(!document.hasUnsavedChanges());
    Box reloaded;
    BoxFile(kDefaultBoxFileName).load(reloaded);
    QCOMPARE(reloaded.count(), 4);
    QCOMPARE(QString::fromStdString(entryNameUtf8(reloaded.entry(0))), QStringLiteral("B"));

    // A directory in the file's place cannot be replaced.
    std::filesystem::remove(kDefaultBoxFileName);
    std::filesystem::create_directory(kDefaultBoxFileName);
    select(window, 0);
    click(window, "deleteButton");
    click(window, "saveButton");
    QCOMPARE(dialogs.asked.size(), 1);
    QVERIFY(dialogs.asked[0].text.contains(QStringLiteral("rusrina.vbd")));
    QVERIFY(document.hasUnsavedChanges());
}

void BoxWindowTest::importAddsEntriesAndReports() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeFiveEntries);
    Box other;
    QVERIFY(other.add(creature("A", kPikachu)).ok()); // already in the box
    QVERIFY(other.add(creature("G", kSnorlax)).ok());
    QVERIFY(other.add(creature("H", kPikachu)).ok());
    const QString otherPath = temp.dirPath() + QStringLiteral("/other.vbd");
    QVERIFY(BoxFile(otherPath.toStdString()).save(other).ok);

    ScriptedDialogs dialogs;
    dialogs.fileNames = {QString(), otherPath, temp.dirPath() + QStringLiteral("/missing.vbd")};
    click(window, "importButton"); // cancelled
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].kind, QStringLiteral("open"));
    QCOMPARE(dialogs.asked[0].text, QStringLiteral("VantreBoxData (*.vbd);;All Files (*)"));
    QCOMPARE(dialogs.asked[0].defaultSuffix, QStringLiteral("vbd"));
    QVERIFY(!document.hasUnsavedChanges());

    click(window, "importButton"); // what was added goes to the status line; no box to close
    QCOMPARE(listNames(window), QStringLiteral("ABCDEGH"));
    QCOMPARE(dialogs.asked.size(), 2);
    QCOMPARE(window.statusLine().text(), QStringLiteral("2 件追加しました。 登録済みの 1 件は追加しませんでした。"));
    QVERIFY(document.hasUnsavedChanges());

    click(window, "importButton");
    QCOMPARE(dialogs.asked.size(), 4);
    QVERIFY(dialogs.asked[3].text.startsWith(QStringLiteral("ファイルオープン失敗\n") + temp.dirPath() +
                                             QStringLiteral("/missing.vbd (")));
    QCOMPARE(listNames(window), QStringLiteral("ABCDEGH"));
}

void BoxWindowTest::unreadableRecordsAreReportedAtStart() {
    TempSettings temp;
    BoxEntry records[2] = {creature("A", kPikachu), creature("B", kSnorlax)};
    records[1].level = 0; // not a level any creature can have
    QFile file(QString::fromLatin1(kDefaultBoxFileName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(records), sizeof records);
    file.close();
    ScriptedDialogs dialogs;
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    QCOMPARE(dialogs.asked.size(), 1);
    QVERIFY(dialogs.asked[0].text.contains(QStringLiteral("読み込みませんでした")));
    QCOMPARE(listNames(window), QStringLiteral("A"));
}

void BoxWindowTest::unsavedChangesPromptOnProgramClose_data() {
    QTest::addColumn<bool>("change");
    QTest::addColumn<int>("answer"); // Dialogs::Answer
    QTest::addColumn<bool>("blockSave");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("countOnDisk");
    QTest::newRow("nothing changed: no question") << false << int(Dialogs::Answer::Cancel) << false << true << 5;
    QTest::newRow("yes saves") << true << int(Dialogs::Answer::Yes) << false << true << 4;
    QTest::newRow("no discards") << true << int(Dialogs::Answer::No) << false << true << 5;
    QTest::newRow("cancel keeps the program") << true << int(Dialogs::Answer::Cancel) << false << false << 5;
    QTest::newRow("yes but the save fails") << true << int(Dialogs::Answer::Yes) << true << false << -1;
}

void BoxWindowTest::unsavedChangesPromptOnProgramClose() {
    QFETCH(bool, change);
    QFETCH(int, answer);
    QFETCH(bool, blockSave);
    QFETCH(bool, closes);
    QFETCH(int, countOnDisk);
    TempSettings temp;
    writeFiveEntries();
    ScriptedDialogs dialogs;
    dialogs.choiceAnswers = {Dialogs::Answer(answer)};
    TopWindow top(temp.settings());
    top.show();
    BoxWindow& window = *top.boxWindow();
    if (change) {
        select(window, 0);
        click(window, "deleteButton");
    }
    if (blockSave) {
        std::filesystem::remove(kDefaultBoxFileName);
        std::filesystem::create_directory(kDefaultBoxFileName);
    }
    top.reject();
    QCOMPARE(dialogs.asked.isEmpty(), !change);
    if (change) {
        QCOMPARE(dialogs.asked[0].kind, QStringLiteral("choice"));
        QCOMPARE(dialogs.asked[0].text, QString::fromUtf8(kUnsavedChangesText));
    }
    QCOMPARE(top.boxWindow() == nullptr, closes);
    QCOMPARE(top.isVisible(), !closes);
    if (blockSave) {
        QCOMPARE(dialogs.asked.size(), 2); // the failure is shown
        QCOMPARE(dialogs.asked[1].kind, QStringLiteral("message"));
        return;
    }
    Box onDisk;
    BoxFile(kDefaultBoxFileName).load(onDisk);
    QCOMPARE(onDisk.count(), countOnDisk);
}

QTEST_MAIN(BoxWindowTest)
#include "box_window_test.moc"
