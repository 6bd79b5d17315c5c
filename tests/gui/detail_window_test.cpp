// The species detail window, driven through its real widgets.

#include "gui_test_support.h"

#include "ui/detail/detail_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace rusrina;
using rusrina::test::child;
using rusrina::test::TempSettings;

namespace {

const char* const kMoveBoxes[] = {"level", "mc", "eg", "sd", "sp", "qx", "zv", "jy", "tk"};
const char* const kDifferenceBoxes[] = {"diff_qxzv", "diff_zvjy", "diff_tk"};

QString labelText(QWidget* window, const char* name) {
    return child<QLabel>(window, name)->text();
}

QCheckBox* box(QWidget* window, const char* name) {
    return child<QCheckBox>(window, name);
}

// Sets exactly the named method and edition boxes, by clicking the ones that must change.
void checkOnly(QWidget* window, std::initializer_list<const char*> names) {
    for (const char* name : kMoveBoxes) {
        const bool wanted = std::find_if(names.begin(), names.end(),
                                         [&](const char* n) { return qstrcmp(n, name) == 0; }) != names.end();
        if (box(window, name)->isChecked() != wanted)
            QTest::mouseClick(box(window, name), Qt::LeftButton);
    }
}

QAbstractItemModel* moves(QWidget* window) {
    return child<QTableView>(window, "moveList")->model();
}

QString cell(QWidget* window, int row, int column) {
    return moves(window)->index(row, column).data().toString();
}

QStringList column(QWidget* window, int column) {
    QStringList texts;
    for (int row = 0; row < moves(window)->rowCount(); ++row)
        texts << cell(window, row, column);
    return texts;
}

void clickHeader(QWidget* window, int section) {
    QHeaderView* header = child<QTableView>(window, "moveList")->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(section) + header->sectionSize(section) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

QStringList comboEntries(QComboBox* combo) {
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}

} // namespace

class DetailWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void summaryValues_data();
    void summaryValues();
    void statsFollowTheLevelChooser();
    void showSpeciesBringsAHiddenWindowForward();
    void navigationButtons();
    void moveListFollowsTheBoxes();
    void differenceBoxDisablesTheOthers();
    void headerClicksSortAscendingDescendingAscending();
    void firstStartDefaults();
    void settingsWrittenOnCloseAndRestored();
    void storedValuesOutsideTheirRangeFallBack_data();
    void storedValuesOutsideTheirRangeFallBack();
    void longFormNamesShowWhole();
    void editionAndDifferenceBoxesNameTheirEditions();
};

void DetailWindowTest::summaryValues_data() {
    QTest::addColumn<int>("species");
    QTest::addColumn<QStringList>("texts"); // name, type1, type2, pre1, pre2, hatch, female
    QTest::addColumn<QStringList>("evolutions");
    QTest::newRow("フシギバナ") << 2 << QStringList{" フシギバナ", " くさ",  " どく", " フシギダネ",
                                                    " フシギソウ", "5120歩", "12.5％"}
                                << QStringList{" － "};
    QTest::newRow("ライチュウ") << 25 << QStringList{" ライチュウ", " でんき", " －",   " ピカチュウ",
                                                     " ピチュー",   "2560歩",  "50.0％"}
                                << QStringList{" － "};
    QTest::newRow("イーブイ") << 132 << QStringList{" イーブイ", " ノーマル", " －", " －", " －", "8960歩", "12.5％"}
                              << QStringList{" シャワーズ", " サンダース", " ブースター", " エーフィ",
                                             " ブラッキー", " リーフィア", " グレイシア"};
    QTest::newRow("ニドラン♀") << 28 << QStringList{" ニドラン♀", " どく", " －", " －", " －", "5120歩", "特殊"}
                               << QStringList{" ニドリーナ", " ニドクイン"};
    QTest::newRow("コイル") << 80 << QStringList{" コイル", " でんき", " はがね", " －", " －", "5120歩", "－"}
                            << QStringList{" レアコイル", " ジバコイル"};
}

void DetailWindowTest::summaryValues() {
    QFETCH(int, species);
    QFETCH(QStringList, texts);
    QFETCH(QStringList, evolutions);
    TempSettings temp;
    DetailWindow window(temp.settings());
    window.showSpecies(species);
    const QStringList shown{labelText(&window, "text_name"),
                            labelText(&window, "text_type1"),
                            labelText(&window, "text_type2"),
                            child<QPushButton>(&window, "button_pre1")->text(),
                            child<QPushButton>(&window, "button_pre2")->text(),
                            labelText(&window, "text_hatch"),
                            labelText(&window, "text_female")};
    QCOMPARE(shown, texts);
    auto* chooser = child<QComboBox>(&window, "combo_evo");
    QCOMPARE(comboEntries(chooser), evolutions);
    QCOMPARE(chooser->currentIndex(), 0);
    QVERIFY(moves(&window)->rowCount() > 0);
}

void DetailWindowTest::statsFollowTheLevelChooser() {
    TempSettings temp;
    DetailWindow window(temp.settings());
    window.showSpecies(0);
    auto* level = child<QComboBox>(&window, "clevel");
    QCOMPARE(level->currentText(), QStringLiteral(" LV 50"));
    QCOMPARE(labelText(&window, "text_stat0"), QStringLiteral("105"));
    QCOMPARE(labelText(&window, "text_stat1"), QStringLiteral("54"));
    QCOMPARE(labelText(&window, "text_base0"), QStringLiteral("45"));
    QVERIFY(labelText(&window, "text_weak").startsWith(QStringLiteral("　２倍：")));
    level->setCurrentIndex(99);
    QCOMPARE(labelText(&window, "text_stat0"), QStringLiteral("200"));
    QCOMPARE(labelText(&window, "text_stat5"), QStringLiteral("95"));
}

void DetailWindowTest::showSpeciesBringsAHiddenWindowForward() {
    TempSettings temp;
    DetailWindow window(temp.settings());
    QVERIFY(!window.isVisible());
    window.showSpecies(24);
    QVERIFY(window.isVisible());
    QCOMPARE(labelText(&window, "text_name"), QStringLiteral(" ピカチュウ"));
    window.showTool(ShowCommand::Hide);
    window.showSpecies(25);
    QVERIFY(window.isVisible());
    QCOMPARE(window.currentSpecies(), 25);
    // An index from outside the table only brings the window forward.
    window.showTool(ShowCommand::Hide);
    window.showSpecies(663);
    QVERIFY(window.isVisible());
    QCOMPARE(window.currentSpecies(), 25);
}

void DetailWindowTest::navigationButtons() {
    TempSettings temp;
    DetailWindow window(temp.settings());
    window.showSpecies(2);
    auto* pre1 = child<QPushButton>(&window, "button_pre1");
    auto* pre2 = child<QPushButton>(&window, "button_pre2");
    auto* evolve = child<QPushButton>(&window, "button_evo");
    auto* evolutions = child<QComboBox>(&window, "combo_evo");

    QTest::mouseClick(pre2, Qt::LeftButton); // 進化前２: フシギソウ
    QCOMPARE(window.currentSpecies(), 1);
    QTest::mouseClick(pre1, Qt::LeftButton); // 進化前１: フシギダネ
    QCOMPARE(window.currentSpecies(), 0);
    QCOMPARE(labelText(&window, "text_name"), QStringLiteral(" フシギダネ"));
    QTest::mouseClick(pre1, Qt::LeftButton); // " －": nothing happens
    QTest::mouseClick(pre2, Qt::LeftButton);
    QCOMPARE(window.currentSpecies(), 0);

    evolutions->setCurrentIndex(1);
    QTest::mouseClick(evolve, Qt::LeftButton); // 進化先を表示: フシギバナ
    QCOMPARE(window.currentSpecies(), 2);
    QCOMPARE(comboEntries(evolutions), QStringList{" － "});
    QTest::mouseClick(evolve, Qt::LeftButton); // " － ": nothing happens
    QCOMPARE(window.currentSpecies(), 2);

    window.showSpecies(171);
    QTest::mouseClick(evolve, Qt::LeftButton); // the first entry is selected after every change
    QCOMPARE(window.currentSpecies(), 24);
    QCOMPARE(pre1->text(), QStringLiteral(" ピチュー"));
}

void DetailWindowTest::moveListFollowsTheBoxes() {
    TempSettings temp;
    DetailWindow window(temp.settings());
    window.showSpecies(0);
    checkOnly(&window, {"level", "qx"});
    QCOMPARE(moves(&window)->rowCount(), 14);
    QCOMPARE(cell(&window, 0, 1), QStringLiteral(" フシギダネ QX-LV:1"));
    QCOMPARE(cell(&window, 13, 1), QStringLiteral(" フシギダネ QX-LV:37"));
    QCOMPARE(cell(&window, 0, 2), QStringLiteral(" たいあたり"));

    window.showSpecies(171);
    checkOnly(&window, {"sp", "zv"});
    QVERIFY(moves(&window)->rowCount() > 1);
    QCOMPARE(cell(&window, 0, 1), QStringLiteral(" ピチュー 共通:でんきだま遺伝"));
    QCOMPARE(cell(&window, 0, 2), QStringLiteral(" ボルテッカー"));
    for (int row = 1; row < moves(&window)->rowCount(); ++row)
        QCOMPARE(cell(&window, row, 1), QStringLiteral(" ピチュー ZV:教え屋教え技"));
    checkOnly(&window, {"sp", "tk"});
    QCOMPARE(moves(&window)->rowCount(), 0);

    // The type chooser at はがね lists only はがね moves.
    checkOnly(&window, {"level", "mc", "eg", "sp", "qx", "zv", "jy", "tk"});
    window.showSpecies(492);
    child<QComboBox>(&window, "type")->setCurrentIndex(9);
    QVERIFY(moves(&window)->rowCount() > 0);
    for (const QString& type : column(&window, 3))
        QCOMPARE(type, QStringLiteral(" はがね"));
    child<QComboBox>(&window, "spec")->setCurrentIndex(3);
    for (const QString& category : column(&window, 4))
        QCOMPARE(category, QStringLiteral(" 変化"));
}

void DetailWindowTest::differenceBoxDisablesTheOthers() {
    TempSettings temp;
    DetailWindow window(temp.settings());
    window.showSpecies(492);
    auto* qxzv = box(&window, "diff_qxzv");
    QTest::mouseClick(qxzv, Qt::LeftButton);
    QCOMPARE(moves(&window)->rowCount(), 0); // ディアルガ's QX and ZV level-up rows are the same
    for (const char* name : kMoveBoxes) {
        QVERIFY2(!box(&window, name)->isEnabled(), name);
        QVERIFY2(box(&window, name)->isChecked(), name); // check states stay
    }
    QVERIFY(qxzv->isEnabled());
    QVERIFY(!box(&window, "diff_zvjy")->isEnabled());
    QVERIFY(!box(&window, "diff_tk")->isEnabled());

    QTest::mouseClick(qxzv, Qt::LeftButton);
    for (const char* name : kMoveBoxes)
        QVERIFY2(box(&window, name)->isEnabled(), name);
    for (const char* name : kDifferenceBoxes)
        QVERIFY2(box(&window, name)->isEnabled(), name);

    QTest::mouseClick(box(&window, "diff_zvjy"), Qt::LeftButton);
    QVERIFY(!qxzv->isEnabled());
    const QStringList methods = column(&window, 1);
    const QStringList names = column(&window, 2);
    QVERIFY(methods.contains(QStringLiteral(" ディアルガ JY-LV:19")));
    QCOMPARE(names.at(methods.indexOf(QStringLiteral(" ディアルガ JY-LV:19"))), QStringLiteral(" パワージェム"));
    QVERIFY(methods.contains(QStringLiteral(" ディアルガ ZV-LV:20")));
    QCOMPARE(names.at(methods.indexOf(QStringLiteral(" ディアルガ ZV-LV:20"))), QStringLiteral(" げんしのちから"));
}

void DetailWindowTest::headerClicksSortAscendingDescendingAscending() {
    TempSettings temp;
    DetailWindow window(temp.settings());
    const auto checked = rusrina::test::checkModel(window.findChild<QTableView*>(QStringLiteral("moveList"))->model());
    window.showSpecies(0);
    const QStringList built = column(&window, 1);
    auto powers = [&] {
        QList<int> values;
        for (const QString& text : column(&window, 5))
            values << text.trimmed().toInt();
        return values;
    };
    auto sorted = powers();
    std::sort(sorted.begin(), sorted.end());
    QVERIFY(sorted.first() < sorted.last());
    auto reversed = sorted;
    std::reverse(reversed.begin(), reversed.end());

    clickHeader(&window, 5);
    QCOMPARE(powers(), sorted);
    clickHeader(&window, 5);
    QCOMPARE(powers(), reversed);
    clickHeader(&window, 5);
    QCOMPARE(powers(), sorted);
    // Rebuilding the list brings back the build order.
    QTest::mouseClick(box(&window, "tk"), Qt::LeftButton);
    QTest::mouseClick(box(&window, "tk"), Qt::LeftButton);
    QCOMPARE(column(&window, 1), built);
}

void DetailWindowTest::firstStartDefaults() {
    TempSettings temp;
    DetailWindow window(temp.settings());
    QCOMPARE(window.currentSpecies(), 1);
    QCOMPARE(labelText(&window, "text_name"), QStringLiteral(" フシギソウ"));
    for (const char* name : kMoveBoxes)
        QVERIFY2(box(&window, name)->isChecked(), name);
    for (const char* name : kDifferenceBoxes)
        QVERIFY2(!box(&window, name)->isChecked(), name);
    QCOMPARE(child<QComboBox>(&window, "clevel")->currentIndex(), 49);
    QCOMPARE(child<QComboBox>(&window, "type")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(&window, "spec")->currentIndex(), 0);
    QCOMPARE(child<QComboBox>(&window, "type")->count(), 18);
    QCOMPARE(child<QComboBox>(&window, "spec")->count(), 4);
    QCOMPARE(child<QComboBox>(&window, "clevel")->count(), 100);
}

void DetailWindowTest::settingsWrittenOnCloseAndRestored() {
    TempSettings temp;
    {
        DetailWindow window(temp.settings());
        window.showSpecies(132);
        checkOnly(&window, {"mc", "sd", "jy"});
        child<QComboBox>(&window, "type")->setCurrentIndex(10);
        child<QComboBox>(&window, "spec")->setCurrentIndex(2);
        child<QComboBox>(&window, "clevel")->setCurrentIndex(4);
        QTest::mouseClick(box(&window, "diff_tk"), Qt::LeftButton);
        window.setGeometry(40, 50, 700, 600);
    }
    const int expectedChecks[] = {0, 1, 0, 1, 0, 0, 0, 1, 0};
    for (size_t i = 0; i < std::size(kMoveBoxes); ++i)
        QCOMPARE(temp.read("DataView", kMoveBoxes[i]), expectedChecks[i]);
    QCOMPARE(temp.read("DataView", "number"), 132);
    QCOMPARE(temp.read("DataView", "type"), 10);
    QCOMPARE(temp.read("DataView", "spec"), 2);
    QCOMPARE(temp.read("DataView", "clevel"), 4);
    QCOMPARE(temp.read("DataView", "show"), -9999); // the search window's key
    QCOMPARE(temp.readRect("DataView"), QRect(40, 50, 700, 600));

    DetailWindow window(temp.settings());
    QCOMPARE(window.currentSpecies(), 132);
    for (size_t i = 0; i < std::size(kMoveBoxes); ++i)
        QCOMPARE(box(&window, kMoveBoxes[i])->isChecked(), expectedChecks[i] != 0);
    for (const char* name : kDifferenceBoxes)
        QVERIFY2(!box(&window, name)->isChecked() && box(&window, name)->isEnabled(), name);
    QCOMPARE(child<QComboBox>(&window, "type")->currentIndex(), 10);
    QCOMPARE(child<QComboBox>(&window, "spec")->currentIndex(), 2);
    QCOMPARE(child<QComboBox>(&window, "clevel")->currentText(), QStringLiteral(" LV 5"));
    for (const QString& type : column(&window, 3))
        QCOMPARE(type, QStringLiteral(" ほのお"));
    window.showTool(ShowCommand::Show);
    QCOMPARE(window.geometry(), QRect(40, 50, 700, 600));
}

void DetailWindowTest::storedValuesOutsideTheirRangeFallBack_data() {
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("expectedSpecies");
    QTest::newRow("too large") << 663 << 100 << 1;
    QTest::newRow("negative") << -1 << -1 << 1;
    QTest::newRow("huge") << 2147483647 << 65535 << 1;
    QTest::newRow("last valid") << 662 << 3 << 662;
}

void DetailWindowTest::storedValuesOutsideTheirRangeFallBack() {
    QFETCH(int, number);
    QFETCH(int, position);
    QFETCH(int, expectedSpecies);
    TempSettings temp;
    temp.write("DataView", "number", number);
    for (const char* key : {"type", "spec", "clevel"})
        temp.write("DataView", key, position);
    DetailWindow window(temp.settings());
    QCOMPARE(window.currentSpecies(), expectedSpecies);
    const bool valid = position >= 0 && position < 4;
    for (const char* key : {"type", "spec", "clevel"})
        QCOMPARE(child<QComboBox>(&window, key)->currentIndex(), valid ? position : 0);
}

QTEST_MAIN(DetailWindowTest)
#include "detail_window_test.moc"

// デオキシス（ディフェンス）, the longest name, fits the name field and the method column, with and
// without the move rows of the pre-evolutions.
void DetailWindowTest::longFormNamesShowWhole() {
    TempSettings temp;
    DetailWindow window(temp.settings());
    window.showSpecies(387);
    QApplication::processEvents();
    QLabel* name = child<QLabel>(&window, "text_name");
    QCOMPARE(name->text(), QStringLiteral(" デオキシス（ディフェンス）"));
    QVERIFY(name->contentsRect().width() >= name->fontMetrics().horizontalAdvance(name->text()));
    auto* table = child<QTableView>(&window, "moveList");
    int widest = 0;
    for (const QString& method : column(&window, 1))
        widest = std::max(widest, table->fontMetrics().horizontalAdvance(method));
    QVERIFY(moves(&window)->rowCount() > 0);
    QVERIFY2(table->columnWidth(1) > widest, qPrintable(QString::number(widest)));
}

void DetailWindowTest::editionAndDifferenceBoxesNameTheirEditions() {
    TempSettings temp;
    DetailWindow window(temp.settings());
    const char* const editions[] = {"qx", "zv", "jy", "tk"};
    const char* const codes[] = {"QX：", "ZV：", "JYJY", "TK："};
    for (int i = 0; i < 4; ++i)
        QVERIFY(box(&window, editions[i])->toolTip().startsWith(QString::fromUtf8(codes[i])));
    const char* const compared[] = {"ZV（プラチナ）", "JYJY（ハートゴールド", "TK（ブラック"};
    for (int i = 0; i < 3; ++i)
        QVERIFY(box(&window, kDifferenceBoxes[i])->toolTip().contains(QString::fromUtf8(compared[i])));
}
