// The exact mode in the box and damage window, and the matrix and spread finder window, driven
// through their real widgets: the mode and critical-hit choosers and the stored mode, the matrix's
// order after heading clicks, the double-click that hands a pair to the box window, copying,
// applying a found spread as the edit form would, the speed column, each row's move priority and
// speed tuning. The rules themselves are proven in the core.

#include "box/box.h"
#include "calc/damage/damage_engine.h"
#include "calc/stats.h"
#include "format/box_file.h"

#include "box_test_support.h"
#include "gui_test_support.h"

#include "app/box_windows.h"
#include "calc/box_tools/attack_sequence.h"
#include "ui/box/box_window.h"
#include "ui/matrix/matrix_model.h"
#include "ui/matrix/matrix_window.h"
#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace rusrina;
using rusrina::test::child;
using rusrina::test::FreshWindows;
using rusrina::test::OpenedWindows;
using rusrina::test::ScriptedDialogs;
using rusrina::test::TempSettings;

namespace {

constexpr int kSnorlax = 142;
constexpr int kChansey = 112;
constexpr int kBlissey = 241;
constexpr int kTackle = 32;   // たいあたり
constexpr int kBodySlam = 33; // のしかかり

// まじめ, no ability, no moves yet.
testing::EntryBuilder plain(const char* name, int species) {
    return testing::EntryBuilder(name, species).nature(24).ability(0).evs({}).noMoves();
}

// Typed-in stats: HP as given, every other stat 100.
BoxEntry typedIn(const char* name, int species, int hp) {
    return plain(name, species).ivs({}).stats(100).hp(hp).typedIn();
}

// Stats from IV 31 and no EVs, as the edit form registers them.
BoxEntry trained(const char* name, int species) {
    return plain(name, species).computedStats();
}

// A: カビゴン (attack 150) with たいあたり and のしかかり; B, C, D: ラッキー with 300, 40 and 64 HP
// (のしかかり knocks them out in 乱数4発, 確定1発 and 確定1発); E: ハピナス, trained (確定2発).
void writeBox() {
    BoxEntry a = typedIn("A", kSnorlax, 200);
    a.move[0] = kTackle;
    a.move[1] = kBodySlam;
    a.stat[1] = 150;
    rusrina::test::writeDefaultBox({a, typedIn("B", kChansey, 300), typedIn("C", kChansey, 40),
                                    typedIn("D", kChansey, 64), trained("E", kBlissey)});
}

// A as in writeBox; B and D with たいあたり and 300 and 64 HP; C with no move.
void writeDuelBox() {
    BoxEntry a = typedIn("A", kSnorlax, 200);
    a.move[0] = kTackle;
    a.move[1] = kBodySlam;
    a.stat[1] = 150;
    BoxEntry b = typedIn("B", kChansey, 300);
    BoxEntry d = typedIn("D", kChansey, 64);
    b.move[0] = d.move[0] = kTackle;
    rusrina::test::writeDefaultBox({a, b, typedIn("C", kChansey, 40), d});
}

void setSides(BoxDocument& document, int attacker, int defender) {
    document.setAttacker(attacker);
    document.setDefender(defender);
}

MatrixWindow& openMatrix(BoxWindows& windows) {
    child<QPushButton>(windows.boxWindow(), "matrixButton")->click();
    MatrixWindow& matrix = windows.matrixWindow();
    if (!matrix.isVisible())
        qFatal("the matrix window did not open");
    return matrix;
}

QString column(QTableView* table, int col) {
    QString texts;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        texts += table->model()->index(row, col).data().toString();
    return texts;
}

void clickHeading(QTableView* table, int col) {
    QHeaderView* header = table->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(col) + 4, header->height() / 2));
}

} // namespace

class MatrixWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void exactModeRowsAndTheStoredMode();
    void orderLineInTheExactModesOnly();
    void matrixSortsByAnyColumn();
    void doubleClickHandsThePairToTheBoxWindow();
    void copiesTheMatrixAsTabSeparatedText();
    void applyingASpreadWritesTheEntry();
    void windowsFitASmallScreen();
    void anEmptyAnswerSaysWhatWasFixed();
    void verdictsAreColouredAndThePairHighlighted();
    void theModeKeepsTheBoxWindowsPlace_data();
    void theModeKeepsTheBoxWindowsPlace();
    void speedColumnInTheExactModesSortsBySpeed();
    void movePrioritiesInTheExactModesOnly();
    void speedTuningAnswersAndApplies();
    void theChoicesComeBackAndDefaultsAddNothing();
    void tuningTabSearchesTheListAndTheDefenders();
    void duelLineFollowsThePair();
    void duelColumnComputesStopsAndSorts();
    void verdictsOnlyFitsFourMoves();
};

void MatrixWindowTest::exactModeRowsAndTheStoredMode() {
    TempSettings temp;
    writeBox();
    {
        auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
        setSides(document, 0, 3);
        auto* mode = child<QComboBox>(window, "damageModeCombo");
        QCOMPARE(mode->currentText(), QStringLiteral("簡易計算"));
        QVERIFY(child<QLabel>(window, "rowShare1")->isHidden());
        const QString simpleHits = child<QLabel>(window, "rowHits1")->text();

        mode->setCurrentIndex(1);
        QCOMPARE(mode->currentText(), QStringLiteral("実機（第5世代）"));
        QVERIFY(!child<QLabel>(window, "rowShare1")->isHidden());
        // のしかかり from attack 150 into defence 100: 73 ～ 87 of 64 HP.
        QCOMPARE(child<QLabel>(window, "rowDamage1")->text(), QStringLiteral("73 ～ 87"));
        QCOMPARE(child<QLabel>(window, "rowShare1")->text(), QStringLiteral("114.0％ ～ 135.9％"));
        QCOMPARE(child<QLabel>(window, "rowHits1")->text(), QStringLiteral("確定1発"));
        QVERIFY(battle.result(1).log.text().find("計算方式： 実機（第5世代）") != std::string::npos);
        window.copyRowLog(1);
        QVERIFY(QGuiApplication::clipboard()->text().contains(QStringLiteral("乱数16通り")));

        child<QCheckBox>(window, "checkCritical")->click();
        QCOMPARE(child<QLabel>(window, "rowDamage1")->text(), QStringLiteral("147 ～ 174")); // base 58 × 2

        mode->setCurrentIndex(0); // back to the simple engine, which knows no critical hit
        QCOMPARE(child<QLabel>(window, "rowHits1")->text(), simpleHits);
        mode->setCurrentIndex(2);
    }
    QCOMPARE(temp.read("Damage", "mode"), 2);
    BoxWindows again(temp.settings());
    QCOMPARE(child<QComboBox>(again.boxWindow(), "damageModeCombo")->currentText(), QStringLiteral("実機（第4世代）"));
}

// A (speed 100) against D (typed in, 100) ties; against E (ハピナス, 75) it moves first.
void MatrixWindowTest::orderLineInTheExactModesOnly() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    setSides(windows.document(), 0, 3);
    auto* line = child<QLabel>(window, "orderLine");
    QVERIFY(line->isHidden());
    child<QComboBox>(window, "damageModeCombo")->setCurrentIndex(1);
    QCOMPARE(line->text(), QStringLiteral("素早さ 100 対 100：同速 (50 %)"));
    QVERIFY(!line->isHidden());
    windows.document().setDefender(4);
    QCOMPARE(line->text(), QStringLiteral("素早さ 100 対 75：攻撃側が先手"));
}

void MatrixWindowTest::matrixSortsByAnyColumn() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    setSides(document, 0, -1);
    MatrixWindow& matrix = openMatrix(windows);
    auto* table = child<QTableView>(matrix, "matrixTable");
    const auto checked = rusrina::test::checkModel(table->model());
    QCOMPARE(column(table, 0), QStringLiteral("BCDE")); // box order, the attacker left out
    QCOMPARE(child<QLabel>(matrix, "matrixCaption")->text(),
             QStringLiteral("攻撃側：A（カビゴン）・計算方式：実機（第5世代）"));
    QCOMPARE(table->model()->index(1, 5).data().toString(), QStringLiteral("確定1発"));

    const int bestKo = 5;
    clickHeading(table, bestKo);
    QCOMPARE(column(table, 0), QStringLiteral("CDEB")); // 確定1発 twice (box order), 確定2発, 乱数4発
    clickHeading(table, bestKo);
    QCOMPARE(column(table, 0), QStringLiteral("BECD"));
    clickHeading(table, 1); // species: カビゴン is not a row; ハピナス before ラッキー
    QCOMPARE(column(table, 0), QStringLiteral("EBCD"));

    // A condition change recomputes the matrix and keeps its order.
    child<QComboBox>(window, "defenceStageCombo")->setCurrentIndex(0); // +6
    QCOMPARE(column(table, 0), QStringLiteral("EBCD"));
    QVERIFY(table->model()->index(1, 5).data().toString() != QStringLiteral("乱数4発"));
}

void MatrixWindowTest::doubleClickHandsThePairToTheBoxWindow() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    setSides(document, 0, -1);
    MatrixWindow& matrix = openMatrix(windows);
    auto* table = child<QTableView>(matrix, "matrixTable");
    const auto doubleClickRow = [table](int row) {
        const QPoint cell = table->visualRect(table->model()->index(row, 0)).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
    };
    doubleClickRow(2); // D
    QCOMPARE(document.attackerSlot(), 0);
    QCOMPARE(document.defenderSlot(), 3);

    child<QRadioButton>(matrix, "matrixDefenderSide")->click(); // everyone against D
    QCOMPARE(child<QLabel>(matrix, "matrixCaption")->text(),
             QStringLiteral("防御側：D（ラッキー）・計算方式：実機（第5世代）"));
    QCOMPARE(column(table, 0), QStringLiteral("ABCE"));
    doubleClickRow(3); // E attacks D
    QCOMPARE(document.attackerSlot(), 4);
    QCOMPARE(document.defenderSlot(), 3);
}

void MatrixWindowTest::copiesTheMatrixAsTabSeparatedText() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    setSides(document, 0, -1);
    MatrixWindow& matrix = openMatrix(windows);
    QGuiApplication::clipboard()->clear();
    child<QPushButton>(matrix, "matrixCopyButton")->click();
    const QStringList lines = QGuiApplication::clipboard()->text().split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6); // headings, four rows, and the empty text after the last line end
    QVERIFY(lines[0].startsWith(QStringLiteral("名前\tバントレ\t技１\t")));
    QVERIFY(lines[2].startsWith(QStringLiteral("C\tラッキー\tのしかかり\t")));
}

void MatrixWindowTest::applyingASpreadWritesTheEntry() {
    TempSettings temp;
    writeBox();
    ScriptedDialogs dialogs;
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    setSides(document, 0, 4); // A at +1 against the trained ハピナス: のしかかり knocks it out without EVs
    child<QComboBox>(window, "attackStageCombo")->setCurrentIndex(5);
    MatrixWindow& matrix = openMatrix(windows);
    child<QTabWidget>(matrix, "matrixTabs")->setCurrentIndex(1);
    child<QComboBox>(matrix, "spreadMoveCombo")->setCurrentIndex(1);
    QCOMPARE(child<QComboBox>(matrix, "spreadMoveCombo")->currentText(), QStringLiteral("わざ２：のしかかり"));
    auto* splits = child<QTableView>(matrix, "splitTable");
    const auto checked = rusrina::test::checkModel(splits->model());
    QVERIFY(splits->model()->rowCount() > 0);
    splits->selectRow(0);
    const int hpEv = splits->model()->index(0, 0).data().toString().toInt();
    const int defenceEv = splits->model()->index(0, 1).data().toString().toInt();
    QVERIFY(hpEv + defenceEv > 0);

    dialogs.questionAnswers = {false};
    child<QPushButton>(matrix, "applySplitButton")->click();
    QCOMPARE(dialogs.asked.last().title, QStringLiteral("パラメータ確認"));
    QCOMPARE(document.box().entry(4).ev[0], 0);
    QVERIFY(!document.hasUnsavedChanges());

    dialogs.questionAnswers = {true};
    child<QPushButton>(matrix, "applySplitButton")->click();
    const BoxEntry& e = document.box().entry(4);
    QCOMPARE(e.ev[0], hpEv);
    QCOMPARE(e.ev[2], defenceEv);
    QCOMPARE(e.stat[0], computeHp(255, 31, hpEv, 50));
    QVERIFY(document.hasUnsavedChanges());
    QCOMPARE(child<QLabel>(window, "defenderEv0")->text(), QString::number(hpEv));
    QCOMPARE(child<QLabel>(window, "defenderStat0")->text(), QString::number(e.stat[0]));

    // One step of the box window's history: "元に戻す" gives the entry back as it was.
    child<QPushButton>(window, "undoButton")->click();
    QCOMPARE(document.box().entry(4).ev[0], 0);
    QCOMPARE(child<QLabel>(window, "defenderEv0")->text(), QStringLiteral("0"));
    QVERIFY(!document.hasUnsavedChanges());

    // The attacker's stats were typed in: there is nothing to apply on that side.
    QVERIFY(!child<QPushButton>(matrix, "applyOffenceButton")->isEnabled());
    QCOMPARE(child<QLabel>(matrix, "offenceSummary")->text(),
             QStringLiteral("能力値を直接入力した個体には努力値がありません"));
}

void MatrixWindowTest::windowsFitASmallScreen() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    window.showTool(ShowCommand::Show);
    MatrixWindow& matrix = openMatrix(windows);
    for (QWidget* w : {static_cast<QWidget*>(&window), static_cast<QWidget*>(&matrix)}) {
        QVERIFY2(w->minimumSizeHint().width() <= 1366 && w->minimumSizeHint().height() <= 740,
                 qPrintable(w->objectName()));
        QVERIFY2(w->width() <= 1366 && w->height() <= 740, qPrintable(w->objectName()));
    }
}

// No split survives A at +6: the line under the summary names the EVs held fixed beside what was
// left; freeing the others, but the speed kept, leaves more.
void MatrixWindowTest::anEmptyAnswerSaysWhatWasFixed() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    QVERIFY(document.registerEntry(-1, plain("F", kBlissey).evs({0, 252, 0, 0, 0, 252}).computedStats()).ok());
    setSides(document, 0, 5);
    child<QComboBox>(windows.boxWindow(), "attackStageCombo")->setCurrentIndex(0);
    QCOMPARE(child<QComboBox>(windows.boxWindow(), "attackStageCombo")->currentText(), QStringLiteral("+6"));
    MatrixWindow& matrix = openMatrix(windows);
    child<QTabWidget>(matrix, "matrixTabs")->setCurrentIndex(1);
    child<QComboBox>(matrix, "spreadMoveCombo")->setCurrentIndex(1);
    auto* advice = child<QLabel>(matrix, "defenceAdvice");
    QVERIFY(child<QLabel>(matrix, "defenceSummary")->text().endsWith(QStringLiteral("配分はありません")));
    QVERIFY(advice->isVisible());
    QVERIFY2(advice->text().startsWith(QStringLiteral("残り 6：攻撃 252・素早さ 252 は固定\n")),
             qPrintable(advice->text()));
    child<QCheckBox>(matrix, "spreadFreeOthersCheck")->setChecked(true);
    child<QCheckBox>(matrix, "spreadKeepSpeedCheck")->setChecked(true);
    QVERIFY2(advice->text().startsWith(QStringLiteral("残り 258：素早さ 252 は固定\n")), qPrintable(advice->text()));
}

// Each verdict cell takes its shade's colour, the text kept, and the legend names the five; the
// highlighted row is the pair's other side, wherever it stands and whenever it changes.
void MatrixWindowTest::verdictsAreColouredAndThePairHighlighted() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    setSides(document, 0, 3);
    MatrixWindow& matrix = openMatrix(windows);
    auto* table = child<QTableView>(matrix, "matrixTable");
    const auto selectedSlots = [&] {
        QString names;
        for (const QModelIndex& index : table->selectionModel()->selectedRows())
            names += index.data().toString();
        return names;
    };
    const int bestKo = 5;
    struct Cell {
        int row;
        KoShade shade;
        const char* text;
    } cells[] = {{0, KoShade::ThreeOrMore, "乱数4発 (99.1％)"},
                 {1, KoShade::CertainOneHit, "確定1発"},
                 {3, KoShade::CertainTwoHits, "確定2発"}};
    for (const Cell& c : cells) {
        const QModelIndex index = table->model()->index(c.row, bestKo);
        QCOMPARE(index.data().toString(), QString::fromUtf8(c.text));
        QCOMPARE(index.data(Qt::BackgroundRole).value<QColor>(), koShadeBackground(c.shade));
    }
    QVERIFY(!table->model()->index(0, bestKo - 1).data(Qt::BackgroundRole).isValid());
    QCOMPARE(child<QLabel>(matrix, "matrixLegend1")->text(), QStringLiteral("確定1発"));
    QCOMPARE(child<QLabel>(matrix, "matrixLegend5")->text(), QStringLiteral("3発以上"));

    QCOMPARE(selectedSlots(), QStringLiteral("D"));
    clickHeading(table, bestKo);
    QCOMPARE(selectedSlots(), QStringLiteral("D"));
    document.setDefender(1);
    QCOMPARE(selectedSlots(), QStringLiteral("B"));
    document.setDefender(-1);
    QCOMPARE(selectedSlots(), QString());
}

void MatrixWindowTest::theModeKeepsTheBoxWindowsPlace_data() {
    QTest::addColumn<int>("left");
    QTest::newRow("room to the right") << 20;
    QTest::newRow("at the screen's right edge") << 1366;
}

// An exact mode adds the HP-share column: the box window keeps its left edge and grows to the right,
// moved back only as far as the 1366-pixel screen needs; back in the simple mode it keeps its width.
void MatrixWindowTest::theModeKeepsTheBoxWindowsPlace() {
    QFETCH(int, left);
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    window.showTool(ShowCommand::Show);
    const QSize size = window.minimumSizeHint();
    window.setGeometry(QRect(QPoint(std::min(left, 1366 - size.width()), 30), size));
    const QRect simple = window.geometry();
    auto* mode = child<QComboBox>(window, "damageModeCombo");
    mode->setCurrentIndex(1);
    const QRect exact = window.geometry();
    QCOMPARE(exact.top(), simple.top());
    QVERIFY(exact.width() >= window.minimumSizeHint().width());
    QVERIFY(exact.right() < 1366);
    if (simple.right() + (exact.width() - simple.width()) < 1366)
        QCOMPARE(exact.left(), simple.left());
    mode->setCurrentIndex(0);
    QCOMPARE(window.geometry(), exact);
}

// B, C and D (typed in) have speed 100 as A has; E (ハピナス, IV 31, no EVs) 75.
void MatrixWindowTest::speedColumnInTheExactModesSortsBySpeed() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    setSides(windows.document(), 0, 3);
    MatrixWindow& matrix = openMatrix(windows);
    auto* table = child<QTableView>(matrix, "matrixTable");
    const auto checked = rusrina::test::checkModel(table->model());
    QCOMPARE(table->model()->columnCount(), kMatrixColumnCount); // the simple mode's matrix as it was
    child<QComboBox>(windows.boxWindow(), "damageModeCombo")->setCurrentIndex(1);
    QCOMPARE(table->model()->columnCount(), kMatrixColumnCountWithSpeed);
    const int speed = 2, order = 3; // right after the entry's name and species
    QCOMPARE(table->model()->headerData(speed, Qt::Horizontal).toString(), QStringLiteral("素早さ"));
    QCOMPARE(column(table, speed), QStringLiteral("10010010075"));
    QCOMPARE(column(table, order), QStringLiteral("同速同速同速先手"));
    QCOMPARE(table->model()->index(1, 7).data().toString(), QStringLiteral("確定1発")); // the moves follow
    clickHeading(table, speed);
    QCOMPARE(column(table, 0), QStringLiteral("EBCD"));
    clickHeading(table, speed);
    QCOMPARE(column(table, 0), QStringLiteral("BCDE"));
    QCOMPARE(table->selectionModel()->selectedRows().value(0).data().toString(), QStringLiteral("D"));
    child<QCheckBox>(windows.boxWindow(), "stateTrickRoom")->setChecked(true); // the slower E now moves first
    QCOMPARE(column(table, order), QStringLiteral("同速同速同速後手"));
    child<QComboBox>(windows.boxWindow(), "damageModeCombo")->setCurrentIndex(0);
    QCOMPARE(table->model()->columnCount(), kMatrixColumnCount);
}

// でんこうせっか +1, たいあたり 0, an empty slot "－"; only the exact modes show the column.
void MatrixWindowTest::movePrioritiesInTheExactModesOnly() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    BoxEntry quick = plain("Q", kSnorlax).ivs({}).stats(100).typedIn();
    quick.move[0] = 97; // でんこうせっか
    quick.move[1] = kTackle;
    QVERIFY(document.registerEntry(-1, quick).ok());
    setSides(document, 5, 3);
    window.showTool(ShowCommand::Show);
    auto* priority = child<QLabel>(window, "rowPriority0");
    QVERIFY(priority->isHidden());
    child<QComboBox>(window, "damageModeCombo")->setCurrentIndex(1);
    QVERIFY(!priority->isHidden());
    const char* const expected[] = {"+1", "0", "－"};
    for (int k = 0; k < 3; ++k)
        QCOMPARE(child<QLabel>(window, qPrintable(QStringLiteral("rowPriority%1").arg(k)))->text(),
                 QString::fromUtf8(expected[k]));
    QVERIFY(window.width() <= 1366 && window.minimumSizeHint().width() <= 1366);
}

// E (ハピナス, まじめ, no EVs) against D (speed 100): ⌊(141 + ⌊EV/4⌋)/2⌋ + 5 is 99 up to 192 EVs,
// 100 from 196 and 101 from 204; under トリックルーム E wants to stay below 100.
void MatrixWindowTest::speedTuningAnswersAndApplies() {
    TempSettings temp;
    writeBox();
    ScriptedDialogs dialogs;
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    setSides(document, 4, 3);
    child<QComboBox>(windows.boxWindow(), "damageModeCombo")->setCurrentIndex(1);
    MatrixWindow& matrix = openMatrix(windows);
    child<QTabWidget>(matrix, "matrixTabs")->setCurrentIndex(1);
    QCOMPARE(child<QLabel>(matrix, "speedSummary")->text(),
             QStringLiteral("性格 まじめ・素早さ努力値 204（素早さ 101）で 防御側のラッキー（100）抜き。"
                            "努力値 196 では同速"));
    dialogs.questionAnswers = {true};
    child<QPushButton>(matrix, "applySpeedButton")->click();
    QCOMPARE(document.box().entry(4).ev[kSpeed], 204);
    QCOMPARE(document.box().entry(4).stat[kSpeed], 101);
    child<QPushButton>(windows.boxWindow(), "undoButton")->click();
    child<QCheckBox>(windows.boxWindow(), "stateTrickRoom")->setChecked(true); // E now wants to stay slower
    QCOMPARE(child<QLabel>(matrix, "speedSummary")->text(),
             QStringLiteral("性格 まじめ・素早さ努力値 192 まで（素早さ 99）なら 防御側のラッキー（100）より遅く、"
                            "トリックルームで先手。努力値 196 では同速"));
    child<QComboBox>(matrix, "speedSideCombo")->setCurrentIndex(1); // D's stats were typed in
    QCOMPARE(child<QLabel>(matrix, "speedSummary")->text(),
             QStringLiteral("能力値を直接入力した個体には努力値がありません"));
    QVERIFY(!child<QPushButton>(matrix, "applySpeedButton")->isEnabled());
}

// The window's choices come back at the next start; left as they open, none is written.
void MatrixWindowTest::theChoicesComeBackAndDefaultsAddNothing() {
    TempSettings temp;
    writeBox();
    const std::pair<const char*, const char*> choosers[] = {
        {"spreadHitsCombo", "spreadHits"}, {"speedSideCombo", "speedSide"}, {"speedTargetCombo", "speedTarget"}};
    const char* const keys[] = {"side", "tab", "spreadHits", "spreadFreeOthers", "speedSide", "speedTarget"};
    {
        auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
        openMatrix(windows);
    }
    for (const char* key : keys)
        QCOMPARE(temp.read("Matrix", key), -9999);
    {
        auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
        MatrixWindow& matrix = openMatrix(windows);
        child<QRadioButton>(matrix, "matrixDefenderSide")->setChecked(true);
        child<QTabWidget>(matrix, "matrixTabs")->setCurrentIndex(1);
        for (const auto& [name, key] : choosers)
            child<QComboBox>(matrix, name)->setCurrentIndex(1);
        child<QCheckBox>(matrix, "spreadFreeOthersCheck")->setChecked(true);
    }
    for (const char* key : keys)
        QCOMPARE(temp.read("Matrix", key), 1);
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    MatrixWindow& matrix = windows.matrixWindow();
    QVERIFY(child<QRadioButton>(matrix, "matrixDefenderSide")->isChecked());
    QCOMPARE(child<QTabWidget>(matrix, "matrixTabs")->currentIndex(), 1);
    for (const auto& [name, key] : choosers)
        QCOMPARE(child<QComboBox>(matrix, name)->currentIndex(), 1);
    QVERIFY(child<QCheckBox>(matrix, "spreadFreeOthersCheck")->isChecked());
    QVERIFY(child<QCheckBox>(matrix, "spreadKeepSpeedCheck")->isEnabled());
}

// The 連続攻撃・複数の相手 tab: 耐久調整 against the session's list of attacks searches a slice at a
// time and applies its first spread; the power list takes the pair's defender as it stands.
void MatrixWindowTest::tuningTabSearchesTheListAndTheDefenders() {
    TempSettings temp;
    writeBox();
    ScriptedDialogs dialogs;
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    setSides(document, 0, 4);
    MatrixWindow& matrix = openMatrix(windows);
    child<QTabWidget>(matrix, "matrixTabs")->setCurrentIndex(2);
    auto* line = child<QLabel>(matrix, "tuningBulkList");
    QCOMPARE(line->text(), QStringLiteral("連続攻撃ウィンドウで攻撃の一覧を作ってください"));
    battle.setPlannedSteps({PlannedStep{document.box().entry(0), {}, 0, 1, 2}});
    QCOMPARE(line->text(), QStringLiteral("カビゴン のしかかり ×2 を耐える配分"));

    child<QPushButton>(matrix, "tuningBulkSearch")->click();
    auto* spreads = child<QTableView>(matrix, "tuningBulkTable");
    QTRY_VERIFY(spreads->model()->rowCount() > 0);
    const auto checked = rusrina::test::checkModel(spreads->model());
    const int hpEv = spreads->model()->index(0, 0).data().toString().toInt();
    dialogs.questionAnswers = {true};
    child<QPushButton>(matrix, "tuningApplyBulk")->click();
    QCOMPARE(document.box().entry(4).ev[0], hpEv);
    QVERIFY(document.hasUnsavedChanges());

    setSides(document, 0, 1);
    child<QPushButton>(matrix, "tuningPowerAdd")->click();
    setSides(document, 0, 2);
    child<QPushButton>(matrix, "tuningPowerAdd")->click();
    auto* power = child<QTableView>(matrix, "tuningPowerTable");
    QCOMPARE(power->model()->rowCount(), 2);
    QCOMPARE(power->model()->index(1, 0).data().toString(), QStringLiteral("ラッキー"));
    // The attacker's stats were typed in: nothing to tune or apply.
    QVERIFY(!child<QPushButton>(matrix, "tuningApplyPower")->isEnabled());
    power->selectRow(0);
    child<QPushButton>(matrix, "tuningPowerRemove")->click();
    QCOMPARE(power->model()->rowCount(), 1);
}

// The simple mode and a side without a damaging move say why; a pair's line names both moves, and
// its log is copied and shown in the log pane, following the pair.
void MatrixWindowTest::duelLineFollowsThePair() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeDuelBox);
    setSides(document, 0, 1);
    auto* line = child<QLabel>(window, "duelText");
    QVERIFY(line->text().startsWith(QStringLiteral("対面：計算方式を実機にすると")));
    child<QComboBox>(window, "damageModeCombo")->setCurrentIndex(1);
    QVERIFY2(line->text().startsWith(QStringLiteral("対面（のしかかり 対 たいあたり）：勝ち ")),
             qPrintable(line->text()));
    child<QToolButton>(window, "duelLogButton")->click();
    const QString log = QGuiApplication::clipboard()->text();
    QVERIFY(log.startsWith(line->text() + QStringLiteral("\r\n1ターン目に先に動く確率")));
    QCOMPARE(child<QPlainTextEdit>(window, "logText")->toPlainText().trimmed(),
             QString(log).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed());
    document.setDefender(2);
    QCOMPARE(line->text(), QStringLiteral("対面：防御側にダメージを与える技がありません"));
    QVERIFY(child<QPlainTextEdit>(window, "logText")->toPlainText().isEmpty());
}

// Off by default; asked for, the column fills after the rest, sorts by the chance to win, and a
// scenario change starts it again, which 中止 stops with the cells left blank.
void MatrixWindowTest::duelColumnComputesStopsAndSorts() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeDuelBox);
    setSides(document, 0, -1);
    MatrixWindow& matrix = openMatrix(windows);
    auto* table = child<QTableView>(matrix, "matrixTable");
    const auto checked = rusrina::test::checkModel(table->model());
    QCOMPARE(table->model()->columnCount(), kMatrixColumnCount);
    child<QCheckBox>(matrix, "matrixDuelCheck")->setChecked(true);
    const int duel = kMatrixColumnCount;
    QCOMPARE(table->model()->headerData(duel, Qt::Horizontal).toString(), QStringLiteral("対面勝率"));
    auto* stop = child<QPushButton>(matrix, "matrixDuelStop");
    QTRY_VERIFY(stop->isHidden());
    clickHeading(table, duel);
    clickHeading(table, duel);
    QStringList wins;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        wins << table->model()->index(row, duel).data().toString();
    QCOMPARE(wins.last(), QStringLiteral("－")); // C, with no move, last
    QCOMPARE(wins.size(), 3);
    for (int row = 1; row + 1 < wins.size(); ++row)
        QVERIFY2(wins[row - 1].chopped(2).toDouble() >= wins[row].chopped(2).toDouble(), qPrintable(wins.join(' ')));
    child<QComboBox>(window, "defenceStageCombo")->setCurrentIndex(0);
    QVERIFY(!stop->isHidden());
    stop->click();
    QCOMPARE(column(table, duel), QString());
    QCOMPARE(child<QLabel>(matrix, "matrixDuelProgress")->text(), QStringLiteral("対面勝率：中止しました（0 / 3）"));
    child<QCheckBox>(matrix, "matrixDuelCheck")->setChecked(false);
    QCOMPARE(table->model()->columnCount(), kMatrixColumnCount);
}

// 技と確定数だけ hides each move's damage and HP share, in either mode, so that the four moves fit the
// window as it opens on a 1366-pixel screen.
void MatrixWindowTest::verdictsOnlyFitsFourMoves() {
    auto&& [temp, windows, window, document, battle] = FreshWindows(writeBox);
    setSides(document, 0, -1);
    MatrixWindow& matrix = openMatrix(windows);
    auto* table = child<QTableView>(matrix, "matrixTable");
    QVERIFY(table->horizontalHeader()->length() > table->viewport()->width());
    child<QCheckBox>(matrix, "matrixVerdictsOnlyCheck")->setChecked(true);
    for (int mode : {0, 1}) {
        child<QComboBox>(window, "damageModeCombo")->setCurrentIndex(mode);
        const int first = mode ? 4 : 2; // 技１, after the speed columns in an exact mode
        for (int move = 0; move < kMoveRowCount; ++move) {
            const int at = first + move * kMatrixColumnsPerMove;
            QVERIFY(!table->isColumnHidden(at) && table->isColumnHidden(at + 1) && table->isColumnHidden(at + 2) &&
                    !table->isColumnHidden(at + 3));
        }
        QVERIFY(table->horizontalHeader()->length() <= table->viewport()->width());
    }
}

QTEST_MAIN(MatrixWindowTest)
#include "matrix_window_test.moc"
