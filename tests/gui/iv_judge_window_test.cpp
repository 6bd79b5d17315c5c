// The IV judge window driven through its real widgets: the report, picks and bounds, the level
// buttons, reset, the hidden-power list, the rule selector and the settings; for a trained
// creature the EV fields, typed stats, the characteristic and the hidden-power type.

#include "gui_test_support.h"

#include "calc/iv/iv_judge.h"
#include "data/battle_rules.h"
#include "data/species.h"
#include "ui/ivjudge/iv_judge_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <memory>

using namespace rusrina;
using rusrina::test::child;
using rusrina::test::TempSettings;

namespace {

constexpr int kVictini = 505; // base 100 in every stat; first row under the 5th-generation rule
constexpr int kGen5Rule = 7;
constexpr int kNeutralNature = 24; // まじめ

QComboBox* combo(QWidget* w, const char* name) {
    return child<QComboBox>(w, QString::fromLatin1(name));
}
QComboBox* upper(QWidget* w, int stat) {
    return child<QComboBox>(w, QStringLiteral("combo_max_%1").arg(stat));
}
QComboBox* lower(QWidget* w, int stat) {
    return child<QComboBox>(w, QStringLiteral("combo_min_%1").arg(stat));
}
QListView* valueList(QWidget* w, int stat) {
    return child<QListView>(w, QStringLiteral("list_%1").arg(stat));
}
QLabel* evCell(QWidget* w, int stat) {
    return child<QLabel>(w, QStringLiteral("label_ev_%1").arg(stat));
}
void press(QWidget* w, const char* name) {
    child<QPushButton>(w, QString::fromLatin1(name))->click();
}

QStringList texts(const QAbstractItemModel* model) {
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r)
        rows.append(model->index(r, 0).data().toString());
    return rows;
}
QStringList texts(const std::vector<StatRow>& rows) {
    QStringList result;
    for (const StatRow& row : rows)
        result.append(QString::fromStdString(statRowText(row)));
    return result;
}

// The bounds as the window holds them: (min, max).
QPair<int, int> bounds(QWidget* w, int stat) {
    return {lower(w, stat)->currentIndex(), upper(w, stat)->currentIndex()};
}

void clickRow(QListView* list, int row) {
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QVERIFY(rect.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

QString report(const IvJudgeWindow& window) {
    return QString::fromStdString(window.reportText());
}
// One stat's report line ("攻撃：110 ( 10 ～ 11 )"), found by its position after the header.
QString reportLine(const IvJudgeWindow& window, int stat) {
    return report(window).split(QStringLiteral("\r\n")).value(1 + stat);
}

// A window over settings that choose ビクティニ at level 50 with a neutral nature unless the test
// stored other positions first; shown so that rows can be clicked.
struct Judge {
    explicit Judge(bool victini = true) {
        if (victini) {
            temp.write("ParaCheck", "rule", kGen5Rule);
            temp.write("ParaCheck", "level", 49);
            temp.write("ParaCheck", "seikaku", kNeutralNature);
        }
    }
    IvJudgeWindow& open() {
        window = std::make_unique<IvJudgeWindow>(temp.settings());
        window->showTool(ShowCommand::Show);
        return *window;
    }
    TempSettings temp;
    std::unique_ptr<IvJudgeWindow> window;
};

} // namespace

class IvJudgeWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void typedStatPicksItsRowOrSaysTheRange();
    void evFieldsMoveTheirListsWithin510();
    void fullWidthDigitsReadAsNumbers();
    void characteristicAndTypeNarrowATrainedCreature();
    void startUpReportIsOnTheClipboard();
    void speciesListHoldsEveryEligibleSpecies_data();
    void speciesListHoldsEveryEligibleSpecies();
    void changesRebuildListsAndKeepRanges();
    void pickNarrowsAndWritesOnlyChangedSelectors_data();
    void pickNarrowsAndWritesOnlyChangedSelectors();
    void nonOverlappingPickChangesNothingButRefreshes();
    void clickOnCurrentRowAndKeyboardPick();
    void resetOpensEveryRange();
    void levelButtons_data();
    void levelButtons();
    void lowerAboveUpperGivesZeroAndEmptyHiddenPowerList();
    void hiddenPowerListFollowsOption();
    void ruleChangeDoesNotRefreshLists();
    void settingsWrittenOnCloseAndRestored();
    void storedPositionOutsideListSelectsFirst_data();
    void storedPositionOutsideListSelectsFirst();
    void enterWalksTheSixFields();
};

void IvJudgeWindowTest::startUpReportIsOnTheClipboard() {
    Judge judge(false);
    IvJudgeWindow& window = judge.open();
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    press(&window, "button_output");
    // フシギダネ at level 1: only the special stats show one value for every IV.
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("種族：フシギダネ　ＬＶ：  1　性格：さみしがり（攻撃＋防御－）\r\n"
                            "ＨＰ：  0 (  0 ～ 31 )\r\n"
                            "攻撃：  0 (  0 ～ 31 )\r\n"
                            "防御：  0 (  0 ～ 31 )\r\n"
                            "特攻：  6 (  0 ～ 31 )\r\n"
                            "特防：  6 (  0 ～ 31 )\r\n"
                            "素早：  0 (  0 ～ 31 )\r\n"));
    // The line at the foot says what was copied, with no box to close.
    QCOMPARE(child<QLabel>(&window, QStringLiteral("label_message"))->text(),
             QStringLiteral("判定結果をコピーしました（7 行）"));
    QCOMPARE(texts(valueList(&window, 3)->model()), QStringList{QStringLiteral("6：0～31")});
    QCOMPARE(texts(valueList(&window, 0)->model()),
             (QStringList{QStringLiteral("11：0～9"), QStringLiteral("12：10～31")}));
    QCOMPARE(child<QLabel>(&window, QStringLiteral("label_advice_0"))->text(),
             QString::fromStdString(growthAdviceText(growthAdvice(0, 45, 1, 10))));
}

void IvJudgeWindowTest::speciesListHoldsEveryEligibleSpecies_data() {
    QTest::addColumn<int>("rule");
    for (int rule = 0; rule < kBattleRuleCount; ++rule)
        QTest::addRow("rule %d", rule) << rule;
}

void IvJudgeWindowTest::speciesListHoldsEveryEligibleSpecies() {
    QFETCH(int, rule);
    Judge judge(false);
    judge.temp.write("ParaCheck", "rule", rule);
    IvJudgeWindow& window = judge.open();
    QComboBox* species = combo(&window, "combo_vant");
    QList<int> expected, shown;
    for (int index = 0; index < kSpeciesCount; ++index)
        if (isEligible(rule, index))
            expected.append(index);
    for (int row = 0; row < species->count(); ++row) {
        shown.append(species->itemData(row).toInt());
        QCOMPARE(species->itemText(row), QString::fromUtf8(speciesName(shown.back())));
    }
    QCOMPARE(shown, expected);
    if (rule == 0)
        QCOMPARE(species->count(), kSpeciesCount); // パルキア and ヒードラン included
    QCOMPARE(species->currentIndex(), 0);
}

void IvJudgeWindowTest::changesRebuildListsAndKeepRanges() {
    Judge judge;
    IvJudgeWindow& window = judge.open();
    std::vector<rusrina::test::ModelCheck> checked;
    for (int stat = 0; stat < 6; ++stat)
        checked.push_back(rusrina::test::checkModel(valueList(&window, stat)->model()));
    QCOMPARE(texts(valueList(&window, 0)->model()), texts(buildStatRows(0, 100, 50, 10)));
    clickRow(valueList(&window, 1), 5); // 110：10～11
    QCOMPARE(bounds(&window, 1), qMakePair(10, 11));

    combo(&window, "combo_seikaku")->setCurrentIndex(0); // attack raised
    QCOMPARE(texts(valueList(&window, 1)->model()), texts(buildStatRows(1, 100, 50, 11)));
    QCOMPARE(texts(valueList(&window, 2)->model()), texts(buildStatRows(2, 100, 50, 9)));
    QVERIFY(!valueList(&window, 1)->selectionModel()->hasSelection());
    QCOMPARE(bounds(&window, 1), qMakePair(10, 11));
    QCOMPARE(reportLine(window, 1), QStringLiteral("攻撃：121 ( 10 ～ 11 )"));

    combo(&window, "combo_level")->setCurrentIndex(99);
    QCOMPARE(valueList(&window, 0)->model()->rowCount(), 32);
    QCOMPARE(reportLine(window, 1), QStringLiteral("攻撃：  0 ( 10 ～ 11 )")); // two values now

    combo(&window, "combo_vant")->setCurrentIndex(1);
    const int next = combo(&window, "combo_vant")->currentData().toInt();
    QCOMPARE(texts(valueList(&window, 5)->model()), texts(buildStatRows(5, speciesRecord(next).baseStats[5], 100, 10)));
    QVERIFY(report(window).startsWith(QStringLiteral("種族：%1　ＬＶ：100").arg(QString::fromUtf8(speciesName(next)))));
}

void IvJudgeWindowTest::pickNarrowsAndWritesOnlyChangedSelectors_data() {
    QTest::addColumn<int>("presetMin");
    QTest::addColumn<int>("presetMax");
    QTest::addColumn<int>("row"); // attack at level 50: row r shows 105 + r for IVs 2r and 2r + 1
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::newRow("lowest row moves only the upper bound") << 0 << 31 << 0 << 0 << 1;
    QTest::newRow("highest row moves only the lower bound") << 0 << 31 << 15 << 30 << 31;
    QTest::newRow("middle row moves both") << 0 << 31 << 5 << 10 << 11;
    QTest::newRow("row sharing the lower bound") << 10 << 20 << 5 << 10 << 11;
    QTest::newRow("row wider than the range") << 11 << 20 << 5 << 11 << 11;
    QTest::newRow("row inside the range already") << 10 << 11 << 5 << 10 << 11;
}

void IvJudgeWindowTest::pickNarrowsAndWritesOnlyChangedSelectors() {
    QFETCH(int, presetMin);
    QFETCH(int, presetMax);
    QFETCH(int, row);
    QFETCH(int, min);
    QFETCH(int, max);
    Judge judge;
    IvJudgeWindow& window = judge.open();
    lower(&window, 1)->setCurrentIndex(presetMin);
    upper(&window, 1)->setCurrentIndex(presetMax);
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int stat = 0; stat < kStatCount; ++stat)
        for (QComboBox* bound : {upper(&window, stat), lower(&window, stat)})
            spies.push_back(std::make_unique<QSignalSpy>(bound, &QComboBox::currentIndexChanged));

    clickRow(valueList(&window, 1), row);
    QCOMPARE(bounds(&window, 1), qMakePair(min, max));
    for (int stat = 0; stat < kStatCount; ++stat) {
        const bool upperMoves = stat == 1 && max != presetMax, lowerMoves = stat == 1 && min != presetMin;
        QCOMPARE(spies[2 * stat]->count(), upperMoves ? 1 : 0);
        QCOMPARE(spies[2 * stat + 1]->count(), lowerMoves ? 1 : 0);
    }
    const int value = min / 2 == max / 2 ? 105 + min / 2 : 0;
    QCOMPARE(reportLine(window, 1), QString::asprintf("攻撃：%3d ( %2d ～ %2d )", value, min, max));
    QCOMPARE(evCell(&window, 1)->text(),
             QString::fromStdString(
                 evThresholdText(min, firstRisingEv(1, 100, min, 50, 10), max, firstRisingEv(1, 100, max, 50, 10))));
}

void IvJudgeWindowTest::nonOverlappingPickChangesNothingButRefreshes() {
    Judge judge;
    IvJudgeWindow& window = judge.open();
    clickRow(valueList(&window, 1), 5); // 10..11
    // A new rule selects another species without refreshing, so the report shows when a refresh ran.
    combo(&window, "combo_rule")->setCurrentIndex(0);
    QVERIFY(report(window).startsWith(QStringLiteral("種族：ビクティニ")));
    QSignalSpy upperSpy(upper(&window, 1), &QComboBox::currentIndexChanged);
    QSignalSpy lowerSpy(lower(&window, 1), &QComboBox::currentIndexChanged);

    clickRow(valueList(&window, 1), 0); // 105：0～1 does not overlap 10..11
    QCOMPARE(bounds(&window, 1), qMakePair(10, 11));
    QCOMPARE(upperSpy.count() + lowerSpy.count(), 0);
    QVERIFY(report(window).startsWith(QStringLiteral("種族：フシギダネ")));
    QCOMPARE(reportLine(window, 1), QStringLiteral("攻撃：110 ( 10 ～ 11 )"));
}

void IvJudgeWindowTest::clickOnCurrentRowAndKeyboardPick() {
    Judge judge;
    IvJudgeWindow& window = judge.open();
    QListView* list = valueList(&window, 2);
    clickRow(list, 5);
    QCOMPARE(bounds(&window, 2), qMakePair(10, 11));
    lower(&window, 2)->setCurrentIndex(0);
    upper(&window, 2)->setCurrentIndex(31);
    clickRow(list, 5); // the row is still current: the click picks it all the same
    QCOMPARE(bounds(&window, 2), qMakePair(10, 11));

    press(&window, "button_reset");
    QTest::keyClick(list, Qt::Key_Down); // from no current row to the first
    QCOMPARE(bounds(&window, 2), qMakePair(0, 1));
    press(&window, "button_reset");
    list->setCurrentIndex(list->model()->index(3, 0));
    QCOMPARE(bounds(&window, 2), qMakePair(6, 7));
    QTest::keyClick(list, Qt::Key_Down); // 8..9 contradicts 6..7
    QCOMPARE(bounds(&window, 2), qMakePair(6, 7));
    lower(&window, 2)->setCurrentIndex(0);
    upper(&window, 2)->setCurrentIndex(31);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(bounds(&window, 2), qMakePair(6, 7));
    lower(&window, 2)->setCurrentIndex(0);
    upper(&window, 2)->setCurrentIndex(31);
    clickRow(list, 3); // current since the key press: the click picks it again
    QCOMPARE(bounds(&window, 2), qMakePair(6, 7));
}

void IvJudgeWindowTest::resetOpensEveryRange() {
    Judge judge;
    IvJudgeWindow& window = judge.open();
    for (int stat : {0, 3, 5})
        clickRow(valueList(&window, stat), 7);
    lower(&window, 4)->setCurrentIndex(20);
    upper(&window, 2)->setCurrentIndex(3);
    QVERIFY(reportLine(window, 0).startsWith(QStringLiteral("ＨＰ：167 ( 14 ～ 15 )")));

    press(&window, "button_reset");
    for (int stat = 0; stat < kStatCount; ++stat) {
        QCOMPARE(bounds(&window, stat), qMakePair(0, 31));
        QVERIFY(!valueList(&window, stat)->selectionModel()->hasSelection());
        QVERIFY(reportLine(window, stat).endsWith(QStringLiteral("：  0 (  0 ～ 31 )")));
    }
    QCOMPARE(evCell(&window, 0)->text(), QString::fromStdString(evThresholdText(0, firstRisingEv(0, 100, 0, 50, 10), 31,
                                                                                firstRisingEv(0, 100, 31, 50, 10))));
}

void IvJudgeWindowTest::levelButtons_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("after");
    QTest::newRow("down at 1 does nothing") << 1 << "button_leveldown" << 1;
    QTest::newRow("up at 100 does nothing") << 100 << "button_levelup" << 100;
    QTest::newRow("up at 99") << 99 << "button_levelup" << 100;
    QTest::newRow("down at 2") << 2 << "button_leveldown" << 1;
    QTest::newRow("up at 50") << 50 << "button_levelup" << 51;
    QTest::newRow("down at 100") << 100 << "button_leveldown" << 99;
}

void IvJudgeWindowTest::levelButtons() {
    QFETCH(int, level);
    QFETCH(QString, button);
    QFETCH(int, after);
    Judge judge;
    judge.temp.write("ParaCheck", "level", level - 1);
    IvJudgeWindow& window = judge.open();
    clickRow(valueList(&window, 0), 0);
    lower(&window, 4)->setCurrentIndex(6);
    const QPair<int, int> hp = bounds(&window, 0);

    press(&window, button.toLatin1().constData());
    QCOMPARE(combo(&window, "combo_level")->currentIndex(), after - 1);
    QCOMPARE(texts(valueList(&window, 0)->model()), texts(buildStatRows(0, 100, after, 10)));
    // Only a recompute loses the picked row; the ranges stay in any case.
    QCOMPARE(valueList(&window, 0)->selectionModel()->hasSelection(), after == level);
    QCOMPARE(bounds(&window, 0), hp);
    QCOMPARE(bounds(&window, 4), qMakePair(6, 31));
    QVERIFY(report(window).contains(QString::asprintf("ＬＶ：%3d", after)));
}

void IvJudgeWindowTest::lowerAboveUpperGivesZeroAndEmptyHiddenPowerList() {
    Judge judge;
    IvJudgeWindow& window = judge.open();
    child<QCheckBox>(&window, QStringLiteral("check_mezapa"))->setChecked(true);
    for (int stat : {0, 1, 2})
        clickRow(valueList(&window, stat), 15); // 30..31: three stats open
    const QAbstractItemModel* hiddenPower = child<QListView>(&window, QStringLiteral("list_mezapa"))->model();
    QVERIFY(hiddenPower->rowCount() > 0);

    lower(&window, 0)->setCurrentIndex(20);
    upper(&window, 0)->setCurrentIndex(10);
    QCOMPARE(reportLine(window, 0), QStringLiteral("ＨＰ：  0 ( 20 ～ 10 )"));
    QCOMPARE(hiddenPower->rowCount(), 0);
    QVERIFY(report(window).endsWith(QStringLiteral("\r\n 可能性のある「めざパ」一覧\r\n")));
    QCOMPARE(evCell(&window, 0)->text(),
             QString::fromStdString(
                 evThresholdText(20, firstRisingEv(0, 100, 20, 50, 10), 10, firstRisingEv(0, 100, 10, 50, 10))));
}

void IvJudgeWindowTest::hiddenPowerListFollowsOption() {
    Judge judge;
    IvJudgeWindow& window = judge.open();
    auto* option = child<QCheckBox>(&window, QStringLiteral("check_mezapa"));
    const QAbstractItemModel* list = child<QListView>(&window, QStringLiteral("list_mezapa"))->model();
    for (int stat : {0, 1, 2})
        clickRow(valueList(&window, stat), 15);
    QCOMPARE(list->rowCount(), 0); // option off: nothing listed

    option->setChecked(true);
    IvRanges ranges;
    ranges[0] = ranges[1] = ranges[2] = {30, 31};
    QStringList expected;
    QString tail = QStringLiteral("\r\n 可能性のある「めざパ」一覧\r\n");
    for (const std::string& line : hiddenPowerLines(*hiddenPowerSpread(ranges))) {
        expected.append(QString::fromStdString(line).chopped(2));
        tail += QString::fromStdString(line);
    }
    QCOMPARE(texts(list), expected);
    QVERIFY(report(window).endsWith(tail));

    option->setChecked(false); // the list keeps what it showed; the report loses the section
    QCOMPARE(texts(list), expected);
    QVERIFY(!report(window).contains(QStringLiteral("めざパ")));
    option->setChecked(true);
    press(&window, "button_reset"); // six stats open: no spread, the list stays
    QCOMPARE(texts(list), expected);
    QVERIFY(!report(window).contains(QStringLiteral("めざパ")));
}

void IvJudgeWindowTest::ruleChangeDoesNotRefreshLists() {
    Judge judge(false);
    IvJudgeWindow& window = judge.open();
    QList<QStringList> before;
    for (int stat = 0; stat < kStatCount; ++stat)
        before.append(texts(valueList(&window, stat)->model()));
    const QString reportBefore = report(window),
                  advice = child<QLabel>(&window, QStringLiteral("label_advice_2"))->text();

    QComboBox* species = combo(&window, "combo_vant");
    combo(&window, "combo_rule")->setCurrentIndex(kGen5Rule);
    QCOMPARE(species->currentIndex(), 0);
    QCOMPARE(species->currentData().toInt(), kVictini);
    for (int stat = 0; stat < kStatCount; ++stat)
        QCOMPARE(texts(valueList(&window, stat)->model()), before[stat]);
    QCOMPARE(report(window), reportBefore);
    QCOMPARE(child<QLabel>(&window, QStringLiteral("label_advice_2"))->text(), advice);

    combo(&window, "combo_seikaku")->setCurrentIndex(kNeutralNature);
    QCOMPARE(texts(valueList(&window, 0)->model()), texts(buildStatRows(0, 100, 1, 10)));
    QVERIFY(report(window).startsWith(QStringLiteral("種族：ビクティニ　ＬＶ：  1　性格：まじめ")));
}

void IvJudgeWindowTest::settingsWrittenOnCloseAndRestored() {
    Judge judge(false);
    {
        IvJudgeWindow& window = judge.open();
        combo(&window, "combo_rule")->setCurrentIndex(3);
        combo(&window, "combo_vant")->setCurrentIndex(12);
        combo(&window, "combo_level")->setCurrentIndex(41);
        combo(&window, "combo_seikaku")->setCurrentIndex(7);
        QCOMPARE(judge.temp.read("ParaCheck", "rule"), -9999); // written only when the window goes
        judge.window.reset();
    }
    QCOMPARE(judge.temp.read("ParaCheck", "rule"), 3);
    QCOMPARE(judge.temp.read("ParaCheck", "vant"), 12);
    QCOMPARE(judge.temp.read("ParaCheck", "level"), 41);
    QCOMPARE(judge.temp.read("ParaCheck", "seikaku"), 7);

    IvJudgeWindow& again = judge.open();
    QCOMPARE(combo(&again, "combo_rule")->currentIndex(), 3);
    QCOMPARE(combo(&again, "combo_vant")->currentIndex(), 12);
    QCOMPARE(combo(&again, "combo_level")->currentIndex(), 41);
    QCOMPARE(combo(&again, "combo_seikaku")->currentIndex(), 7);
    const int species = combo(&again, "combo_vant")->currentData().toInt();
    QVERIFY(report(again).startsWith(
        QStringLiteral("種族：%1　ＬＶ： 42　性格：のんき").arg(QString::fromUtf8(speciesName(species)))));
    QCOMPARE(texts(valueList(&again, 5)->model()), texts(buildStatRows(5, speciesRecord(species).baseStats[5], 42, 9)));
}

void IvJudgeWindowTest::storedPositionOutsideListSelectsFirst_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("value");
    QTest::newRow("rule past the end") << QByteArray("rule") << 9;
    QTest::newRow("negative rule") << QByteArray("rule") << -1;
    QTest::newRow("level past the end") << QByteArray("level") << 100;
    QTest::newRow("nature past the end") << QByteArray("seikaku") << 25;
    QTest::newRow("negative nature") << QByteArray("seikaku") << -3;
    QTest::newRow("species past the end") << QByteArray("vant") << kSpeciesCount;
    QTest::newRow("species far past the end") << QByteArray("vant") << 100000;
}

void IvJudgeWindowTest::storedPositionOutsideListSelectsFirst() {
    QFETCH(QByteArray, key);
    QFETCH(int, value);
    Judge judge(false);
    judge.temp.write("ParaCheck", key.constData(), value);
    IvJudgeWindow& window = judge.open();
    QCOMPARE(child<QComboBox>(&window, QStringLiteral("combo_") + QString::fromLatin1(key))->currentIndex(), 0);
    QVERIFY(report(window).startsWith(QStringLiteral("種族：フシギダネ　ＬＶ：  1　性格：さみしがり")));
    for (int stat = 0; stat < kStatCount; ++stat)
        QVERIFY(valueList(&window, stat)->model()->rowCount() > 0);
    judge.window.reset();
    QCOMPARE(judge.temp.read("ParaCheck", key.constData()), 0);
}

QSpinBox* evField(QWidget* w, int stat) {
    return child<QSpinBox>(w, QStringLiteral("spin_ev_%1").arg(stat));
}
QString message(QWidget* w) {
    return child<QLabel>(w, QStringLiteral("label_message"))->text();
}
void typeStat(QWidget* w, int stat, const QString& value) {
    auto* field = child<QLineEdit>(w, QStringLiteral("edit_stat_%1").arg(stat));
    field->setText(value);
    QTest::keyClick(field, Qt::Key_Return);
}
int currentRow(QWidget* w, int stat) {
    QListView* list = valueList(w, stat);
    return list->selectionModel()->isSelected(list->currentIndex()) ? list->currentIndex().row() : -1;
}

void IvJudgeWindowTest::typedStatPicksItsRowOrSaysTheRange() {
    Judge judge;
    IvJudgeWindow& window = judge.open();
    typeStat(&window, 1, QStringLiteral("110")); // ビクティニ's attack at level 50: 110 is IV 10-11
    QCOMPARE(currentRow(&window, 1), 5);
    QCOMPARE(bounds(&window, 1), qMakePair(10, 11));
    QCOMPARE(reportLine(window, 1), QStringLiteral("攻撃：110 ( 10 ～ 11 )"));

    typeStat(&window, 1, QStringLiteral("300"));
    QCOMPARE(message(&window), QStringLiteral("攻撃 300 は範囲外（105～120）"));
    QCOMPARE(bounds(&window, 1), qMakePair(10, 11));
    QCOMPARE(currentRow(&window, 1), 5);

    // The row is still current: Enter picks it again, as a click would, and the message goes.
    upper(&window, 1)->setCurrentIndex(31);
    lower(&window, 1)->setCurrentIndex(0);
    typeStat(&window, 1, QStringLiteral("110"));
    QCOMPARE(bounds(&window, 1), qMakePair(10, 11));
    QCOMPARE(message(&window), QString());
    press(&window, "button_reset");
    QCOMPARE(child<QLineEdit>(&window, QStringLiteral("edit_stat_1"))->text(), QString());
}

void IvJudgeWindowTest::evFieldsMoveTheirListsWithin510() {
    Judge judge;
    IvJudgeWindow& window = judge.open();
    clickRow(valueList(&window, 0), 3);
    evField(&window, 1)->setValue(252);
    QCOMPARE(texts(valueList(&window, 1)->model()), texts(buildStatRows(1, 100, 50, 10, 252)));
    QCOMPARE(currentRow(&window, 0), 3); // the lists the EV leaves alone keep their pick
    QVERIFY(report(window).contains(QStringLiteral("攻撃：  0 (  0 ～ 31 )　努力値：252\r\n")));
    QCOMPARE(evCell(&window, 1)->text(),
             QString::fromStdString(evThresholdText(0, firstRisingEv(1, 100, 0, 50, 10, 252), 31,
                                                    firstRisingEv(1, 100, 31, 50, 10, 252))));

    evField(&window, 5)->setValue(252);
    QCOMPARE(evField(&window, 0)->maximum(), 6);
    evField(&window, 0)->setValue(100);
    QCOMPARE(evField(&window, 0)->value(), 6);
    QCOMPARE(evField(&window, 1)->maximum(), 252);

    // Back at 0 everywhere the report is today's again, and the EVs outlive a reset.
    evField(&window, 1)->setValue(0);
    press(&window, "button_reset");
    QCOMPARE(evField(&window, 5)->value(), 252);
    evField(&window, 0)->setValue(0);
    evField(&window, 5)->setValue(0);
    QCOMPARE(reportLine(window, 5), QStringLiteral("素早：  0 (  0 ～ 31 )"));
}

// What a Japanese input method commits: full-width digits, in the stat and the EV fields.
void IvJudgeWindowTest::fullWidthDigitsReadAsNumbers() {
    Judge judge;
    IvJudgeWindow& window = judge.open();
    const auto commit = [](QLineEdit* field, const QString& text) {
        field->selectAll();
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(field, &event);
    };
    auto* typed = child<QLineEdit>(&window, QStringLiteral("edit_stat_1"));
    commit(typed, QStringLiteral("１１０"));
    QCOMPARE(typed->text(), QStringLiteral("110"));
    QTest::keyClick(typed, Qt::Key_Return);
    QCOMPARE(bounds(&window, 1), qMakePair(10, 11));

    QSpinBox* ev = evField(&window, 2);
    commit(ev->findChild<QLineEdit*>(), QStringLiteral("２５２"));
    QCOMPARE(ev->value(), 252);
}

void IvJudgeWindowTest::characteristicAndTypeNarrowATrainedCreature() {
    Judge judge(false);
    judge.temp.write("ParaCheck", "vant", 449); // ガブリアス under the open rule
    judge.temp.write("ParaCheck", "level", 49);
    judge.temp.write("ParaCheck", "seikaku", 18); // ようき
    IvJudgeWindow& window = judge.open();
    child<QCheckBox>(&window, QStringLiteral("check_mezapa"))->setChecked(true);
    evField(&window, 1)->setValue(252);
    evField(&window, 5)->setValue(252);
    const char* shown[] = {"183", "182", "115", "90", "105", "169"};
    for (int stat = 0; stat < kStatCount; ++stat)
        typeStat(&window, stat, QString::fromLatin1(shown[stat]));
    QCOMPARE(reportLine(window, 3), QStringLiteral("特攻： 90 ( 30 ～ 31 )　努力値：  0"));

    // あばれることが　すき: attack is the highest IV and leaves 1; only its row of IV 31 stays black.
    QComboBox* characteristic = combo(&window, "combo_kosei");
    characteristic->setCurrentIndex(characteristic->findData(7));
    const QAbstractItemModel* attack = valueList(&window, 1)->model();
    for (int row = 0; row < attack->rowCount(); ++row)
        QCOMPARE(attack->index(row, 0).data(Qt::ForegroundRole).isValid(), row < attack->rowCount() - 1);
    QVERIFY(report(window).contains(QStringLiteral("\r\n個性：あばれることが　すき\r\n")));

    QComboBox* type = combo(&window, "combo_mezapa_type");
    type->setCurrentIndex(type->findText(QStringLiteral("ドラゴン")));
    QCOMPARE(reportLine(window, 3), QStringLiteral("特攻： 90 ( 31 ～ 31 )　努力値：  0"));
    QCOMPARE(reportLine(window, 4), QStringLiteral("特防：105 ( 31 ～ 31 )　努力値：  0"));
    QCOMPARE(bounds(&window, 3), qMakePair(30, 31)); // the selectors keep what was picked
    QCOMPARE(evCell(&window, 3)->text(), QString::fromStdString(evThresholdText(31, 12, 31, 12)));
    QCOMPARE(texts(child<QListView>(&window, QStringLiteral("list_mezapa"))->model()),
             QStringList{QStringLiteral("ドラゴン:70-70 ")});

    // たべるのが　だいすき would make HP 30 the highest, below attack's 31.
    characteristic->setCurrentIndex(characteristic->findData(0));
    QCOMPARE(message(&window), QStringLiteral("条件に合う個体値がありません"));
    characteristic->setCurrentIndex(0);
    QCOMPARE(message(&window), QString());
}

// From the keyboard alone: Tab goes from stat field to stat field, never into a value list; Enter
// picks and moves on to the next stat's field. ヌケニン's HP of 1 leaves its IV open and says why.
void IvJudgeWindowTest::enterWalksTheSixFields() {
    Judge judge(false);
    judge.temp.write("ParaCheck", "vant", 449); // ガブリアス under the open rule
    judge.temp.write("ParaCheck", "level", 49);
    judge.temp.write("ParaCheck", "seikaku", 18); // ようき
    IvJudgeWindow& window = judge.open();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    evField(&window, 1)->setValue(252);
    evField(&window, 5)->setValue(252);
    const auto field = [&](int stat) { return child<QLineEdit>(&window, QStringLiteral("edit_stat_%1").arg(stat)); };
    field(0)->setFocus();
    QTest::keyClick(field(0), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), field(1));
    field(0)->setFocus();
    const char* shown[] = {"183", "182", "115", "90", "105", "169"};
    for (int stat = 0; stat < kStatCount; ++stat) {
        QCOMPARE(QApplication::focusWidget(), field(stat));
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(shown[stat]));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(QApplication::focusWidget(), field(kStatCount - 1));
    QCOMPARE(reportLine(window, 3), QStringLiteral("特攻： 90 ( 30 ～ 31 )　努力値：  0"));

    combo(&window, "combo_vant")->setCurrentIndex(291); // ヌケニン
    typeStat(&window, 0, QStringLiteral("1"));
    QCOMPARE(message(&window), QStringLiteral("ヌケニンのＨＰはいつも 1 なので、ＨＰの個体値はわかりません（0～31）"));
    QCOMPARE(bounds(&window, 0), qMakePair(0, 31));
    QVERIFY(texts(valueList(&window, 0)->model()).first().startsWith(QStringLiteral("61")));
    QCOMPARE(QApplication::focusWidget(), field(1));
}

QTEST_MAIN(IvJudgeWindowTest)
#include "iv_judge_window_test.moc"
