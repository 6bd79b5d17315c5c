// The battle-state panel of the box and damage window, driven through its real widgets: shown in
// the exact modes only (the simple window stays as it was), a change reaching the battle session and the
// windows that read it, the reset button, and the state kept in the settings file. What the state
// does to the figures is proven in the core.

#include "box/box.h"
#include "format/box_file.h"

#include "box_test_support.h"
#include "gui_test_support.h"

#include "app/box_windows.h"
#include "ui/box/box_window.h"
#include "ui/matrix/matrix_window.h"
#include "ui/session/battle_session.h"
#include "ui/session/box_document.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using namespace rusrina;
using rusrina::test::child;
using rusrina::test::TempSettings;

namespace {

constexpr int kSnorlax = 142;
constexpr int kChansey = 112;
constexpr int kBodySlam = 33; // のしかかり

// A: カビゴン with のしかかり, B: ラッキー; まじめ, no ability, IV 31, no EVs.
void writeBox() {
    BoxEntry a = testing::EntryBuilder("A", kSnorlax).nature(24).ability(0).evs({}).noMoves().computedStats();
    a.move[0] = kBodySlam;
    const BoxEntry b = testing::EntryBuilder("B", kChansey).nature(24).ability(0).evs({}).noMoves().computedStats();
    rusrina::test::writeDefaultBox({a, b});
}

// The windows on the box above with A attacking B.
struct Windows {
    explicit Windows(TempSettings& temp) : windows(temp.settings()) {
        windows.document().setAttacker(0);
        windows.document().setDefender(1);
    }
    BoxWindow& box() { return windows.boxWindow(); }
    BattleSession& battle() { return windows.battle(); }
    void exactMode() { child<QComboBox>(box(), "damageModeCombo")->setCurrentIndex(1); }
    QString summary() { return child<QLabel>(box(), "stateSummary")->text(); }
    BoxWindows windows;
};

} // namespace

class BattleStatePanelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void onlyTheExactModesShowIt();
    void aChangeReachesTheSession();
    void aChangeReachesEveryWindow();
    void resetPutsEveryInputBack();
    void theStateIsKeptInTheSettings();
    void theOpenPanelFitsASmallScreen();
};

// In the simple mode the panel is hidden, and a state set in an exact mode changes neither the
// simple window's size nor its rows.
void BattleStatePanelTest::onlyTheExactModesShowIt() {
    TempSettings temp;
    writeBox();
    Windows w(temp);
    w.box().showTool(ShowCommand::Show);
    auto* panel = child<QWidget>(w.box(), "battleStatePanel");
    auto* mode = child<QComboBox>(w.box(), "damageModeCombo");
    QVERIFY(panel->isHidden());
    w.exactMode();
    QVERIFY(!panel->isHidden());
    mode->setCurrentIndex(0);
    QVERIFY(panel->isHidden());
    const QSize simpleSize = w.box().minimumSizeHint();
    const QString simpleRow = child<QLabel>(w.box(), "rowDamage0")->text();

    w.exactMode();
    child<QToolButton>(w.box(), "stateToggle")->click();
    child<QSpinBox>(w.box(), "defenderHpSpin")->setValue(50);
    child<QComboBox>(w.box(), "attackerStage0Combo")->setCurrentIndex(0); // 攻撃 +6
    child<QCheckBox>(w.box(), "stateTrickRoom")->setChecked(true);
    mode->setCurrentIndex(0);
    QVERIFY(panel->isHidden());
    QCOMPARE(w.box().minimumSizeHint(), simpleSize);
    QCOMPARE(child<QLabel>(w.box(), "rowDamage0")->text(), simpleRow);
}

// Each kind of input reaches the battle session's state, which the rows, the order line, the matrix and
// the spread finder all read; the summary says what is set.
void BattleStatePanelTest::aChangeReachesTheSession() {
    TempSettings temp;
    writeBox();
    Windows w(temp);
    w.exactMode();
    QSignalSpy changed(&w.battle(), &BattleSession::stateChanged);
    QSignalSpy calculated(&w.battle(), &BattleSession::calculated);
    QCOMPARE(w.summary(), QStringLiteral("なし"));

    child<QComboBox>(w.box(), "defenderStatusCombo")->setCurrentIndex(3); // もうどく
    child<QSpinBox>(w.box(), "defenderToxicTurnsSpin")->setValue(2);
    child<QComboBox>(w.box(), "attackerHpUnitCombo")->setCurrentIndex(1); // 実数値
    child<QSpinBox>(w.box(), "attackerHpSpin")->setValue(150);
    child<QComboBox>(w.box(), "attackerStage4Combo")->setCurrentIndex(5); // 素早さ +1
    child<QSpinBox>(w.box(), "defenderSpikesSpin")->setValue(2);
    child<QCheckBox>(w.box(), "defenderSwitchingIn")->setChecked(true);
    child<QCheckBox>(w.box(), "stateWonderRoom")->setChecked(true);

    BattleState expected;
    expected.defender.status = StatusCondition::BadPoison;
    expected.defender.toxicTurns = 2;
    expected.attacker.hpIsShare = false;
    expected.attacker.hp = 150;
    expected.attacker.stages[kStageSpeed] = 1;
    expected.defender.spikes = 2;
    expected.defender.switchingIn = true;
    expected.field.wonderRoom = true;
    QCOMPARE(w.battle().state(), expected);
    QCOMPARE(w.battle().damageInputs().state, expected);
    QCOMPARE(changed.count(), 8);
    QCOMPARE(calculated.count(), 8);
    QCOMPARE(w.summary(), QStringLiteral("攻撃側：HP 150・素早さ+1　防御側：もうどく2回目・まきびし2・交代で登場　"
                                         "場：ワンダールーム"));
}

// The defender at half its HP reaches the row's verdict, the matrix's row of that defender and the
// spread finder's answer; トリックルーム turns the order line.
void BattleStatePanelTest::aChangeReachesEveryWindow() {
    TempSettings temp;
    writeBox();
    Windows w(temp);
    w.exactMode();
    child<QPushButton>(w.box(), "matrixButton")->click();
    MatrixWindow& matrix = w.windows.matrixWindow();
    auto* table = child<QTableView>(matrix, "matrixTable");
    // The cells of B's row, wherever the speed columns stand.
    const auto matrixRow = [&] {
        QStringList cells;
        for (int column = 0; column < table->model()->columnCount(); ++column)
            cells << table->model()->index(0, column).data().toString();
        return cells;
    };
    auto* hits = child<QLabel>(w.box(), "rowHits0");
    auto* order = child<QLabel>(w.box(), "orderLine");
    auto* finder = child<QLabel>(matrix, "defenceSummary");
    QCOMPARE(hits->text(), QStringLiteral("確定2発"));
    QCOMPARE(order->text(), QStringLiteral("素早さ 50 対 70：攻撃側が後手"));
    QVERIFY(matrixRow().contains(QStringLiteral("確定2発")));
    QVERIFY(matrixRow().contains(QStringLiteral("後手")));
    QVERIFY2(finder->text().contains(QStringLiteral("配分 1 通り")), qPrintable(finder->text()));

    child<QSpinBox>(w.box(), "defenderHpSpin")->setValue(50);
    QCOMPARE(hits->text(), QStringLiteral("確定1発"));
    QVERIFY(matrixRow().contains(QStringLiteral("確定1発")));
    QVERIFY2(finder->text().contains(QStringLiteral("配分 5 通り")), qPrintable(finder->text()));
    child<QCheckBox>(w.box(), "stateTrickRoom")->setChecked(true);
    QCOMPARE(order->text(), QStringLiteral("素早さ 50 対 70：攻撃側が先手（トリックルーム）"));
    QVERIFY(matrixRow().contains(QStringLiteral("先手")));
}

void BattleStatePanelTest::resetPutsEveryInputBack() {
    TempSettings temp;
    writeBox();
    Windows w(temp);
    w.exactMode();
    child<QComboBox>(w.box(), "attackerStatusCombo")->setCurrentIndex(1);
    child<QComboBox>(w.box(), "defenderStage1Combo")->setCurrentIndex(0);
    child<QCheckBox>(w.box(), "attackerTailwind")->setChecked(true);
    child<QCheckBox>(w.box(), "stateCountTurnEnd")->setChecked(true);
    QVERIFY(!isNeutral(w.battle().state()));

    child<QPushButton>(w.box(), "stateResetButton")->click();
    QVERIFY(isNeutral(w.battle().state()));
    QCOMPARE(w.summary(), QStringLiteral("なし"));
    QCOMPARE(child<QComboBox>(w.box(), "defenderStage1Combo")->currentText(), QStringLiteral("±0"));
    QVERIFY(!child<QCheckBox>(w.box(), "stateCountTurnEnd")->isChecked());
}

// What the panel holds and whether it is unfolded come back at the next start; a hand-edited value
// comes back within its range.
void BattleStatePanelTest::theStateIsKeptInTheSettings() {
    TempSettings temp;
    writeBox();
    {
        Windows w(temp);
        w.exactMode();
        child<QToolButton>(w.box(), "stateToggle")->click();
        child<QSpinBox>(w.box(), "defenderHpSpin")->setValue(50);
        child<QCheckBox>(w.box(), "stateTrickRoom")->setChecked(true);
        child<QCheckBox>(w.box(), "stateCountTurnEnd")->setChecked(true);
    }
    QCOMPARE(temp.read("Damage", "stateDefenderHp"), 50);
    QCOMPARE(temp.read("Damage", "stateAttackerHp"), -9999); // a default adds no key
    temp.write("Damage", "stateAttackerStageAttack", 9);
    {
        Windows w(temp);
        BattleState expected;
        expected.defender.hp = 50;
        expected.field.trickRoom = true;
        expected.field.countTurnEnd = true;
        expected.attacker.stages[kStageAttack] = kHighestStage;
        QCOMPARE(w.battle().state(), expected);
        QCOMPARE(child<QComboBox>(w.box(), "attackerStage0Combo")->currentText(), QStringLiteral("+6"));
        QVERIFY(child<QToolButton>(w.box(), "stateToggle")->isChecked());
    }
}

// Unfolded in an exact mode, the box window still fits the 1366 x 768 screen; folded again, it
// gives the room back.
void BattleStatePanelTest::theOpenPanelFitsASmallScreen() {
    TempSettings temp;
    writeBox();
    Windows w(temp);
    w.box().showTool(ShowCommand::Show);
    w.exactMode();
    const int folded = w.box().height();
    child<QToolButton>(w.box(), "stateToggle")->click();
    QVERIFY2(
        w.box().minimumSizeHint().width() <= 1366 && w.box().minimumSizeHint().height() <= 740,
        qPrintable(
            QStringLiteral("%1x%2").arg(w.box().minimumSizeHint().width()).arg(w.box().minimumSizeHint().height())));
    QVERIFY(w.box().height() <= 740);
    QVERIFY(w.box().height() >= w.box().minimumSizeHint().height());
    child<QToolButton>(w.box(), "stateToggle")->click();
    QCOMPARE(w.box().height(), folded);
}

QTEST_MAIN(BattleStatePanelTest)
#include "battle_state_panel_test.moc"
