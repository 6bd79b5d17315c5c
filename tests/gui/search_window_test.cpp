// The search window driven through its real widgets: criteria, clear buttons, header sorting, the
// detail window it brings up, and its settings.

#include "gui_test_support.h"

#include "app/search_windows.h"
#include "data/moves.h"
#include "data/search_options.h"
#include "data/species.h"
#include "text/cp932.h"
#include "ui/detail/detail_window.h"
#include "ui/search/search_window.h"
#include "view/search/search_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include <memory>
#include <numeric>
#include <vector>

using namespace rusrina;
using rusrina::test::child;
using rusrina::test::TempSettings;
using namespace rusrina::test::typing;

namespace {

constexpr int kPikachu = 24;
constexpr int kElectricValue = 14; // でんき + 1
const char* const kCheckNames[] = {"check_level", "check_iden", "check_mw", "check_osie",
                                   "check_qx",    "check_zv",   "check_jy", "check_tk"};

QComboBox* combo(QWidget* w, const char* name) {
    auto* c = w->findChild<QComboBox*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no chooser %s", name);
    return c;
}

QTableView* resultView(QWidget* w) {
    return child<QTableView>(w, "list_result");
}

std::vector<int> listed(QWidget* w) {
    const QAbstractItemModel* model = resultView(w)->model();
    std::vector<int> rows;
    for (int r = 0; r < model->rowCount(); ++r)
        rows.push_back(model->index(r, 0).data(Qt::UserRole).toInt());
    return rows;
}

std::vector<int> allSpecies() {
    std::vector<int> all(kSpeciesCount);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

void checkAll(QWidget* w, bool on) {
    for (const char* name : kCheckNames)
        child<QCheckBox>(w, name)->setChecked(on);
}

void chooseValue(QComboBox* c, int value) {
    const int position = c->findData(value, Qt::UserRole);
    if (position < 0)
        qFatal("no entry valued %d in %s", value, qPrintable(c->objectName()));
    c->setCurrentIndex(position);
}

QStringList fieldTexts(QWidget* w, int row) {
    QStringList texts;
    for (int f = 1; f <= kMoveFieldCount; ++f)
        texts << child<QLineEdit>(w, qPrintable(QStringLiteral("field_w%1_%2").arg(row).arg(f)))->text();
    return texts;
}

QStringList expectedFields(int move) {
    QStringList texts;
    for (const auto& t : moveFieldTexts(move))
        texts << QString::fromStdString(t);
    return texts;
}

void clickHeader(QWidget* w, int column) {
    QHeaderView* header = resultView(w)->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

void clickSpeciesRow(QWidget* w, int species, bool twice = true) {
    QTableView* view = resultView(w);
    const std::vector<int> rows = listed(w);
    const auto it = std::find(rows.begin(), rows.end(), species);
    if (it == rows.end())
        qFatal("species %d not listed", species);
    const QModelIndex index = view->model()->index(static_cast<int>(it - rows.begin()), 1);
    view->scrollTo(index);
    const QPoint at = view->visualRect(index).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
    if (twice) // the press a double click is made of follows the click's release
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
}

bool sortedBy(const std::vector<int>& rows, int column, bool descending) {
    for (size_t i = 1; i < rows.size(); ++i) {
        const int order = column == kNameColumn
                              ? text::toCp932(speciesName(rows[i - 1])).compare(text::toCp932(speciesName(rows[i])))
                              : resultSortKey(rows[i - 1], column) - resultSortKey(rows[i], column);
        if (descending ? order < 0 : order > 0)
            return false;
    }
    return true;
}

QString reasonLine(QWidget* w) {
    return w->findChild<QLabel*>(QStringLiteral("label_reason"))->text();
}

// The search window shown, with the detail window it brings up.
struct Window {
    explicit Window(TempSettings& temp) : windows(std::make_unique<SearchWindows>(temp.settings())) {
        windows->searchWindow().showTool(ShowCommand::Show);
    }
    SearchWindow* operator->() const { return &windows->searchWindow(); }
    operator QWidget*() const { return &windows->searchWindow(); }
    DetailWindow* detailWindow() const { return &windows->detailWindow(); }
    std::unique_ptr<SearchWindows> windows;
};

} // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void firstStartListsAllSpecies();
    void eachStatChooserBoundsItsStat_data();
    void eachStatChooserBoundsItsStat();
    void moveNeedsAMethodAndAnEdition_data();
    void moveNeedsAMethodAndAnEdition();
    void andModeNeedsEveryMove();
    void moveTypeChooserResetsItsRowsMove();
    void clearButtonsResetTheirGroupOnly();
    void headerClicksCycle_data();
    void headerClicksCycle();
    void newSearchListsInIndexOrder();
    void rowDoubleClickOpensSpeciesInDetailWindow();
    void typedNameSelectsAndEnterOpens();
    void minimiseAndRestoreReachTheDetailWindow();
    void settingsWrittenOnCloseAndRestored();
    void storedPositionOutsideItsListSelectsFirstEntry_data();
    void storedPositionOutsideItsListSelectsFirstEntry();
    void typedNameFindsTheMove_data();
    void typedNameFindsTheMove();
    void countLineAndEmptyResultReason_data();
    void countLineAndEmptyResultReason();
    void editionBoxesNameTheirEditions();
    void formRowsShowTheirForm();
};

void SearchWindowTest::firstStartListsAllSpecies() {
    TempSettings temp;
    Window w(temp);
    QCOMPARE(w->windowTitle(), QStringLiteral("ルセリナTK Ver 0.9.3 バントレ絞込み検索"));
    QVERIFY(listed(w) == allSpecies());
    QVERIFY(child<QRadioButton>(w, "radio_w1")->isChecked());
    QVERIFY(!child<QRadioButton>(w, "radio_w2")->isChecked());
    for (const char* name : kCheckNames)
        QVERIFY2(!child<QCheckBox>(w, name)->isChecked(), name);
    for (QComboBox* c : w->findChildren<QComboBox*>())
        QVERIFY2(c->currentIndex() == 0, qPrintable(c->objectName()));
    QCOMPARE(combo(w, "combo_wn1")->currentText(), QStringLiteral(" 無指定"));
    QCOMPARE(combo(w, "combo_wn1")->count(), kMoveCount + 1);
    QCOMPARE(fieldTexts(w, 4), QStringList(6, QStringLiteral(" - ")));
    QVERIFY(!w.detailWindow()->isVisible());
    QCOMPARE(w.detailWindow()->windowTitle(), QStringLiteral("ルセリナTK Ver 0.9.3 バントレ詳細データ"));

    const QAbstractItemModel* model = resultView(w)->model();
    QCOMPARE(model->columnCount(), kResultColumnCount);
    for (int c = 0; c < kResultColumnCount; ++c) {
        QCOMPARE(model->headerData(c, Qt::Horizontal).toString(), QString::fromUtf8(kResultColumns[c].heading));
        QCOMPARE(resultView(w)->columnWidth(c), kResultColumns[c].width);
    }
    QCOMPARE(model->index(kPikachu, 1).data().toString(), QStringLiteral("ピカチュウ"));
    QCOMPARE(model->index(kPikachu, 3).data().toString(), QStringLiteral("－"));
    const auto alignment = [&](int c) { return model->index(0, c).data(Qt::TextAlignmentRole).toInt() & 0xf; };
    QCOMPARE(alignment(1), int(Qt::AlignLeft));
    QCOMPARE(alignment(0), int(Qt::AlignHCenter));
}

void SearchWindowTest::eachStatChooserBoundsItsStat_data() {
    QTest::addColumn<QString>("chooser");
    QTest::addColumn<int>("stat"); // index into the species' base stats
    QTest::addColumn<bool>("upper");
    const char* labels[] = {"HP", "attack", "defence", "speed", "sp. attack", "sp. defence"};
    const int stats[] = {kHp, kAttack, kDefence, kSpeed, kSpAttack, kSpDefence};
    for (int i = 0; i < 6; ++i) {
        QTest::addRow("at most %s", labels[i]) << QStringLiteral("combo_u%1").arg(i + 1) << stats[i] << true;
        QTest::addRow("at least %s", labels[i]) << QStringLiteral("combo_l%1").arg(i + 1) << stats[i] << false;
    }
}

void SearchWindowTest::eachStatChooserBoundsItsStat() {
    QFETCH(QString, chooser);
    QFETCH(int, stat);
    QFETCH(bool, upper);
    TempSettings temp;
    Window w(temp);
    QComboBox* c = combo(w, qPrintable(chooser));
    c->setCurrentIndex(upper ? kThresholdOptionCount - 1 : 6); // "50以下" / "100以上"
    QCOMPARE(c->currentText(), upper ? QStringLiteral("50以下") : QStringLiteral("100以上"));
    std::vector<int> expected;
    for (int s = 0; s < kSpeciesCount; ++s) {
        const int base = speciesRecord(s).baseStats[stat];
        if (upper ? base <= 50 : base >= 100)
            expected.push_back(s);
    }
    QVERIFY(!expected.empty());
    QVERIFY(listed(w) == expected);
}

void SearchWindowTest::moveNeedsAMethodAndAnEdition_data() {
    QTest::addColumn<QList<int>>("checked"); // indexes into kCheckNames
    QTest::addColumn<bool>("found");
    QTest::newRow("nothing checked") << QList<int>{} << false;
    QTest::newRow("methods only") << QList<int>{0, 1, 2, 3} << false;
    QTest::newRow("editions only") << QList<int>{4, 5, 6, 7} << false;
    QTest::newRow("level-up in TK") << QList<int>{0, 7} << true;
}

void SearchWindowTest::moveNeedsAMethodAndAnEdition() {
    QFETCH(QList<int>, checked);
    QFETCH(bool, found);
    TempSettings temp;
    Window w(temp);
    for (int i : checked)
        child<QCheckBox>(w, kCheckNames[i])->setChecked(true);
    QCOMPARE(listed(w).size(), size_t(kSpeciesCount)); // no move chosen: the boxes change nothing
    const int thunderShock = combo(w, "combo_wn1")->findText(QStringLiteral("でんきショック"));
    combo(w, "combo_wn1")->setCurrentIndex(thunderShock);
    QCOMPARE(fieldTexts(w, 1), expectedFields(combo(w, "combo_wn1")->currentData().toInt()));
    const std::vector<int> rows = listed(w);
    QCOMPARE(!rows.empty(), found);
    if (found)
        QVERIFY(std::find(rows.begin(), rows.end(), kPikachu) != rows.end());
}

void SearchWindowTest::andModeNeedsEveryMove() {
    TempSettings temp;
    Window w(temp);
    checkAll(w, true);
    combo(w, "combo_wn1")->setCurrentIndex(combo(w, "combo_wn1")->findText(QStringLiteral("でんきショック")));
    combo(w, "combo_wn2")->setCurrentIndex(combo(w, "combo_wn2")->findText(QStringLiteral("なみのり")));
    const std::vector<int> anyOf = listed(w);
    child<QRadioButton>(w, "radio_w2")->click();
    const std::vector<int> allOf = listed(w);
    QVERIFY(!allOf.empty());
    QVERIFY(allOf.size() < anyOf.size());
    QVERIFY(std::includes(anyOf.begin(), anyOf.end(), allOf.begin(), allOf.end()));
    child<QRadioButton>(w, "radio_w1")->click();
    QVERIFY(listed(w) == anyOf);
    child<QCheckBox>(w, "check_tk")->click();
    child<QCheckBox>(w, "check_level")->click();
    QVERIFY(listed(w).size() < anyOf.size());
}

void SearchWindowTest::moveTypeChooserResetsItsRowsMove() {
    TempSettings temp;
    Window w(temp);
    checkAll(w, true);
    child<QRadioButton>(w, "radio_w2")->click();
    chooseValue(combo(w, "combo_wn1"), moveChooserEntries(kElectricValue)[2].value);
    combo(w, "combo_wn2")->setCurrentIndex(combo(w, "combo_wn2")->findText(QStringLiteral("なみのり")));
    const std::vector<int> bothMoves = listed(w);
    QVERIFY(bothMoves.size() < size_t(kSpeciesCount));

    chooseValue(combo(w, "combo_wt2"), kElectricValue);
    QComboBox* moves = combo(w, "combo_wn2");
    QCOMPARE(moves->currentIndex(), 0);
    QCOMPARE(moves->currentText(), QStringLiteral(" 無指定"));
    QCOMPARE(moves->currentData().toInt(), NO_MOVE);
    QCOMPARE(fieldTexts(w, 2), QStringList(6, QStringLiteral(" - ")));
    const auto entries = moveChooserEntries(kElectricValue);
    QCOMPARE(moves->count(), int(entries.size()));
    for (int i = 1; i < moves->count(); ++i)
        QCOMPARE(moveRecord(moves->itemData(i).toInt()).type, kElectricValue - 1);
    // Row 1 keeps its move; row 2's has been dropped from the search.
    QCOMPARE(combo(w, "combo_wn1")->currentData().toInt(), entries[2].value);
    QVERIFY(listed(w).size() > bothMoves.size());

    combo(w, "combo_wt2")->setCurrentIndex(0);
    QCOMPARE(moves->count(), kMoveCount + 1);
}

void SearchWindowTest::clearButtonsResetTheirGroupOnly() {
    TempSettings temp;
    Window w(temp);
    checkAll(w, true);
    const char* stats[] = {"combo_u1", "combo_u2", "combo_u3", "combo_u4", "combo_u5", "combo_u6",
                           "combo_l1", "combo_l2", "combo_l3", "combo_l4", "combo_l5", "combo_l6"};
    const char* types[] = {"combo_t1", "combo_t2", "combo_t3", "combo_t4"};
    const char* moveTypes[] = {"combo_wt1", "combo_wt2", "combo_wt3", "combo_wt4"};
    const char* moves[] = {"combo_wn1", "combo_wn2", "combo_wn3", "combo_wn4"};
    combo(w, "combo_u2")->setCurrentIndex(1);
    combo(w, "combo_l6")->setCurrentIndex(11);
    chooseValue(combo(w, "combo_t1"), kElectricValue);
    combo(w, "combo_t3")->setCurrentIndex(9);
    chooseValue(combo(w, "combo_wt1"), kElectricValue);
    combo(w, "combo_wn1")->setCurrentIndex(2);
    combo(w, "combo_wn3")->setCurrentIndex(50);
    combo(w, "combo_r1")->setCurrentIndex(1);
    QVERIFY(listed(w).size() < size_t(kSpeciesCount));

    const auto positions = [&](const auto& names) {
        QList<int> p;
        for (const char* name : names)
            p << combo(w, name)->currentIndex();
        return p;
    };
    const QList<int> typesBefore = positions(types), movesBefore = positions(moves);
    child<QPushButton>(w, "button_clear_stats")->click();
    QCOMPARE(positions(stats), QList<int>(12, 0));
    QCOMPARE(positions(types), typesBefore);
    QCOMPARE(positions(moves), movesBefore);

    child<QPushButton>(w, "button_clear_types")->click();
    QCOMPARE(positions(types), QList<int>(4, 0));
    QCOMPARE(positions(moves), movesBefore);
    QVERIFY(listed(w).size() < size_t(kSpeciesCount));

    child<QPushButton>(w, "button_clear_moves")->click();
    QCOMPARE(positions(moveTypes), QList<int>(4, 0));
    QCOMPARE(positions(moves), QList<int>(4, 0));
    QCOMPARE(combo(w, "combo_wn1")->count(), kMoveCount + 1);
    QCOMPARE(fieldTexts(w, 3), QStringList(6, QStringLiteral(" - ")));
    // The check boxes and the rule belong to no clear button.
    QVERIFY(child<QCheckBox>(w, "check_tk")->isChecked());
    QCOMPARE(combo(w, "combo_r1")->currentIndex(), 1);
    SearchCriteria ruleOnly;
    ruleOnly.rule = 1;
    QVERIFY(listed(w) == runSearch(ruleOnly));
}

void SearchWindowTest::headerClicksCycle_data() {
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QList<bool>>("descending");
    QTest::newRow("名前 three times") << QList<int>{1, 1, 1} << QList<bool>{false, true, false};
    QTest::newRow("ＨＰ three times") << QList<int>{7, 7, 7} << QList<bool>{false, true, false};
    QTest::newRow("すばやさ after 名前") << QList<int>{1, 12, 12} << QList<bool>{false, false, true};
    QTest::newRow("back to 名前") << QList<int>{1, 8, 1} << QList<bool>{false, false, false};
}

void SearchWindowTest::headerClicksCycle() {
    QFETCH(QList<int>, clicks);
    QFETCH(QList<bool>, descending);
    TempSettings temp;
    Window w(temp);
    const auto checked = rusrina::test::checkModel(resultView(w)->model());
    for (int i = 0; i < clicks.size(); ++i) {
        const std::vector<int> before = listed(w);
        clickHeader(w, clicks[i]);
        std::vector<int> expected = before;
        sortResultRows(expected, clicks[i], descending[i]);
        QVERIFY2(listed(w) == expected, qPrintable(QStringLiteral("click %1").arg(i + 1)));
        QVERIFY(sortedBy(listed(w), clicks[i], descending[i]));
    }
    if (clicks.first() == kNameColumn && descending[1]) {
        // The second click lists the names in descending Shift-JIS order, where ♀ follows ♂.
        clickHeader(w, kNameColumn);
        const std::vector<int> rows = listed(w);
        const auto at = [&](int s) { return std::find(rows.begin(), rows.end(), s) - rows.begin(); };
        QVERIFY(at(28) < at(31)); // ニドラン♀ before ニドラン♂
    }
}

void SearchWindowTest::newSearchListsInIndexOrder() {
    TempSettings temp;
    Window w(temp);
    clickHeader(w, 1);
    QVERIFY(listed(w) != allSpecies());
    combo(w, "combo_u1")->setCurrentIndex(1);
    const std::vector<int> rows = listed(w);
    QVERIFY(std::is_sorted(rows.begin(), rows.end()));
    QVERIFY(rows.size() < size_t(kSpeciesCount));
}

void SearchWindowTest::rowDoubleClickOpensSpeciesInDetailWindow() {
    TempSettings temp;
    Window w(temp);
    DetailWindow* detail = w.detailWindow();
    clickSpeciesRow(w, kPikachu, false); // one click only selects
    QVERIFY(!detail->isVisible());
    QCOMPARE(resultView(w)->currentIndex().row(), kPikachu);
    clickSpeciesRow(w, kPikachu);
    QVERIFY(detail->isVisible());
    QCOMPARE(detail->currentSpecies(), kPikachu);

    detail->showTool(ShowCommand::Hide);
    clickHeader(w, 7); // rows moved: the click must follow the row, not its position
    clickSpeciesRow(w, 0);
    QVERIFY(detail->isVisible());
    QCOMPARE(detail->currentSpecies(), 0);
}

// The name field selects the row the typed name finds; Down goes to the next one it finds; Enter,
// in the field or on the list, opens the selected row; text that finds nothing opens nothing.
void SearchWindowTest::typedNameSelectsAndEnterOpens() {
    TempSettings temp;
    Window w(temp);
    DetailWindow* detail = w.detailWindow();
    auto* field = w->findChild<QLineEdit*>(QStringLiteral("edit_find_name"));
    QVERIFY(field);
    const auto openedBy = [&](const QString& typed, QList<Qt::Key> keys, QWidget* enterOn) {
        detail->showTool(ShowCommand::Hide);
        field->clear();
        commitText(field, typed);
        for (Qt::Key key : keys)
            pressKey(field, key);
        pressKey(enterOn ? enterOn : field, Qt::Key_Return);
        return detail->isVisible() ? detail->currentSpecies() : -1;
    };
    QTableView* view = resultView(w);
    QCOMPARE(openedBy(QStringLiteral("pikachu"), {}, nullptr), kPikachu);
    QCOMPARE(openedBy(QStringLiteral("ぴかちゅう"), {}, view), kPikachu);
    const int mew = 150, mewtwo = 149; // "ミュウ" is ミュウ's whole name and the start of ミュウツー's
    QCOMPARE(openedBy(QStringLiteral("ミュウ"), {}, nullptr), mew);
    QCOMPARE(openedBy(QStringLiteral("ミュウ"), {Qt::Key_Down}, nullptr), mewtwo);
    QCOMPARE(openedBy(QStringLiteral("ミュウ"), {Qt::Key_Down, Qt::Key_Up}, nullptr), mew);
    QCOMPARE(openedBy(QStringLiteral("ぴかちゅうx"), {}, nullptr), -1);
}

void SearchWindowTest::minimiseAndRestoreReachTheDetailWindow() {
    TempSettings temp;
    temp.write("DataView", "show", 1);
    Window w(temp);
    QVERIFY(w.detailWindow()->isVisible());
    w->showTool(ShowCommand::Minimise);
    QVERIFY(!w.detailWindow()->isVisible());
    w->showTool(ShowCommand::Restore);
    QVERIFY(w.detailWindow()->isVisible());
}

void SearchWindowTest::settingsWrittenOnCloseAndRestored() {
    TempSettings temp;
    struct Choice {
        const char* name;
        int position;
    };
    // combo_wt1 at でんき (position 13) filters combo_wn1 to the electric moves.
    const Choice choices[] = {{"combo_u3", 2},  {"combo_l5", 4},    {"combo_t1", 3},   {"combo_t2", 5},
                              {"combo_t3", 20}, {"combo_t4", 3},    {"combo_r1", 2},   {"combo_wt1", 13},
                              {"combo_wn1", 3}, {"combo_wn3", 100}, {"combo_wt4", 17}, {"combo_wn4", 1}};
    std::vector<int> rowsBefore;
    {
        Window w(temp);
        clickSpeciesRow(w, kPikachu);
        child<QRadioButton>(w, "radio_w2")->click();
        child<QCheckBox>(w, "check_level")->setChecked(true);
        child<QCheckBox>(w, "check_jy")->setChecked(true);
        for (const Choice& c : choices)
            combo(w, c.name)->setCurrentIndex(c.position);
        rowsBefore = listed(w);
    }
    QCOMPARE(temp.read("Search", "radio_w1"), 0);
    QCOMPARE(temp.read("Search", "radio_w2"), 1);
    QCOMPARE(temp.read("Search", "check_level"), 1);
    QCOMPARE(temp.read("Search", "check_iden"), 0);
    QCOMPARE(temp.read("Search", "check_jy"), 1);
    QCOMPARE(temp.read("Search", "check_tk"), 0);
    QCOMPARE(temp.read("Search", "combo_u1"), 0);
    for (const Choice& c : choices)
        QCOMPARE(temp.read("Search", c.name), c.position);
    QCOMPARE(temp.read("DataView", "show"), 1);

    {
        Window w(temp);
        QVERIFY(child<QRadioButton>(w, "radio_w2")->isChecked());
        QVERIFY(!child<QRadioButton>(w, "radio_w1")->isChecked());
        QVERIFY(child<QCheckBox>(w, "check_level")->isChecked());
        QVERIFY(child<QCheckBox>(w, "check_jy")->isChecked());
        QVERIFY(!child<QCheckBox>(w, "check_mw")->isChecked());
        for (const Choice& c : choices)
            QVERIFY2(combo(w, c.name)->currentIndex() == c.position, c.name);
        QComboBox* move1 = combo(w, "combo_wn1");
        QCOMPARE(move1->count(), int(moveChooserEntries(kElectricValue).size()));
        QCOMPARE(move1->currentData().toInt(), moveChooserEntries(kElectricValue)[3].value);
        QCOMPARE(fieldTexts(w, 1), expectedFields(move1->currentData().toInt()));
        QVERIFY(listed(w) == rowsBefore);
        QVERIFY(w.detailWindow()->isVisible());
        w.detailWindow()->showTool(ShowCommand::Hide);
    }
    QCOMPARE(temp.read("DataView", "show"), 0);
}

void SearchWindowTest::storedPositionOutsideItsListSelectsFirstEntry_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("value");
    QTest::newRow("upper bound past the end") << "combo_u1" << 12;
    QTest::newRow("lower bound negative") << "combo_l6" << -1;
    QTest::newRow("type past the end") << "combo_t2" << 18;
    QTest::newRow("ability past the end") << "combo_t3" << 165;
    QTest::newRow("egg group past the end") << "combo_t4" << 17;
    QTest::newRow("rule past the end") << "combo_r1" << 9;
    QTest::newRow("move type huge") << "combo_wt2" << 2147483647;
    QTest::newRow("move past its filtered list") << "combo_wn1" << 30; // でんき has 20 moves
    QTest::newRow("move past the whole list") << "combo_wn4" << kMoveCount + 1;
}

void SearchWindowTest::storedPositionOutsideItsListSelectsFirstEntry() {
    QFETCH(QString, key);
    QFETCH(int, value);
    TempSettings temp;
    temp.write("Search", "combo_wt1", 13);
    temp.write("Search", qPrintable(key), value);
    temp.write("Search", "radio_w1", 0); // neither mode button set: OR, as on a first start
    temp.write("Search", "radio_w2", 0);
    Window w(temp);
    QCOMPARE(combo(w, qPrintable(key))->currentIndex(), 0);
    QVERIFY(child<QRadioButton>(w, "radio_w1")->isChecked());
    QVERIFY(listed(w) == allSpecies());
}

QTEST_MAIN(SearchWindowTest)
#include "search_window_test.moc"

void SearchWindowTest::typedNameFindsTheMove_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byInputMethod");
    QTest::newRow("hiragana") << QStringLiteral("じしん") << false;
    QTest::newRow("katakana") << QStringLiteral("ジシン") << false;
    QTest::newRow("English") << QStringLiteral("Earthquake") << false;
    QTest::newRow("part of the English name") << QStringLiteral("earthq") << false;
    QTest::newRow("katakana from an input method") << QStringLiteral("ジシン") << true;
    // The list closes on the typo and opens again; what was typed stays.
    QTest::newRow("typo taken back") << QStringLiteral("じしx\bん") << false;
}

void SearchWindowTest::typedNameFindsTheMove() {
    QFETCH(QString, typed);
    QFETCH(bool, byInputMethod);
    TempSettings temp;
    Window w(temp);
    checkAll(w, true);
    QComboBox* move = combo(w, "combo_wn2");
    clickIntoChooser(move);
    if (byInputMethod)
        commitText(move, typed);
    else
        typeKeys(move, typed);
    pressKey(move, Qt::Key_Return);
    QCOMPARE(chosen(move), QStringLiteral("じしん"));
    QCOMPARE(move->lineEdit()->text(), QStringLiteral("じしん"));
    QCOMPARE(fieldTexts(w, 2), expectedFields(move->currentData().toInt()));
    QVERIFY(!listed(w).empty() && listed(w).size() < size_t(kSpeciesCount));
}

void SearchWindowTest::countLineAndEmptyResultReason_data() {
    QTest::addColumn<QList<int>>("checked"); // indexes into kCheckNames
    QTest::addColumn<QString>("reason");
    QTest::newRow("no method or edition") << QList<int>{} << QStringLiteral("習得方法と作品を1つ以上選んでください");
    QTest::newRow("no edition") << QList<int>{0, 1} << QStringLiteral("習得方法と作品を1つ以上選んでください");
    QTest::newRow("HP bounds alone") << QList<int>{0, 4} << QStringLiteral("「HP」の条件だけで該当がなくなります");
}

// The count shows whatever is listed; the reason only when nothing is.
void SearchWindowTest::countLineAndEmptyResultReason() {
    QFETCH(QList<int>, checked);
    QFETCH(QString, reason);
    TempSettings temp;
    Window w(temp);
    auto* count = w->findChild<QLabel*>(QStringLiteral("label_count"));
    QCOMPARE(count->text(), QStringLiteral("663 件"));
    QCOMPARE(reasonLine(w), QString());
    for (int i : checked)
        child<QCheckBox>(w, kCheckNames[i])->setChecked(true);
    QComboBox* move = combo(w, "combo_wn1");
    move->setCurrentIndex(move->findText(QStringLiteral("でんきショック")));
    if (!checked.isEmpty()) {
        chooseValue(combo(w, "combo_u1"), 50);  // HP 50 or less
        chooseValue(combo(w, "combo_l1"), 150); // and 150 or more
    }
    QVERIFY(listed(w).empty());
    QCOMPARE(count->text(), QStringLiteral("0 件"));
    QCOMPARE(reasonLine(w), reason);
    child<QPushButton>(w, "button_clear_moves")->click();
    child<QPushButton>(w, "button_clear_stats")->click();
    QCOMPARE(count->text(), QStringLiteral("663 件"));
    QCOMPARE(reasonLine(w), QString());
}

void SearchWindowTest::editionBoxesNameTheirEditions() {
    TempSettings temp;
    Window w(temp);
    const char* const codes[] = {"QX：", "ZV：", "JYJY", "TK："};
    for (int i = 0; i < 4; ++i)
        QVERIFY(child<QCheckBox>(w, kCheckNames[4 + i])->toolTip().startsWith(QString::fromUtf8(codes[i])));
}

// The name column keeps its width: a form's whole name is its tooltip, its short form the cell.
void SearchWindowTest::formRowsShowTheirForm() {
    TempSettings temp;
    Window w(temp);
    const QAbstractItemModel* model = resultView(w)->model();
    const QModelIndex attack = model->index(386, kNameColumn);
    QCOMPARE(attack.data().toString(), QStringLiteral("デオキシスA"));
    QCOMPARE(attack.data(Qt::ToolTipRole).toString(), QStringLiteral("デオキシス（アタック）"));
    QCOMPARE(model->index(kPikachu, kNameColumn).data(Qt::ToolTipRole).toString(), QStringLiteral("ピカチュウ"));
}
