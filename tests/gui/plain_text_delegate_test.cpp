// Cells drawn from kept glyphs look exactly as the style draws them: the same pixels for plain
// figures and names, a selected row, a shaded cell, an empty one, and a text too long for its cell
// (which the style cuts), in both the lists' look and after the texts change.

#include "gui_test_support.h"

#include "ui/common/plain_text_delegate.h"
#include "ui/common/table_view.h"

#include <QImage>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTest>

using namespace rusrina;

class PlainTextDelegateTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void cellsLookAsTheStyleDrawsThem();
};

namespace {

void fill(QStandardItemModel& model, const QStringList& texts) {
    model.clear();
    model.setColumnCount(3);
    for (int i = 0; i < texts.size(); ++i) {
        auto* item = new QStandardItem(texts[i]);
        if (i % 4 == 1)
            item->setBackground(QColor(255, 200, 200));
        if (i % 5 == 2)
            item->setForeground(QColor(0, 0, 160));
        if (i % 7 == 3)
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        model.setItem(i / 3, i % 3, item);
    }
}

QImage drawn(QTableView& table) {
    table.viewport()->repaint();
    return table.viewport()->grab().toImage();
}

} // namespace

void PlainTextDelegateTest::cellsLookAsTheStyleDrawsThem() {
    QStandardItemModel model;
    QTableView* table = newRowTable(nullptr, QStringLiteral("table"), &model);
    std::unique_ptr<QTableView> owner(table);
    table->resize(420, 260);
    for (int column = 0; column < 3; ++column)
        table->setColumnWidth(column, 120);
    table->show();
    QVERIFY(QTest::qWaitForWindowExposed(table));
    const QStringList screens[] = {
        {"確定2発", "乱数1発 (12.5％)", "252", "", "ガブリアス", "Garchomp", "81 ～ 96", "45.0％ ～ 53.3％",
         "ステルスロック・たべのこし込みで 乱数2発 (99.9％)", "－", "Outrage", "16n−1"},
        {"確定1発", "", "0", "乱数3発 (0.1％未満)", "ナットレイ", "Ferrothorn", "1 ～ 2", "100.0％", "x", "y", "z",
         "とても長い名前がセルに入りきらない場合"},
    };
    for (const QStringList& texts : screens) {
        fill(model, texts);
        table->selectRow(1);
        table->setItemDelegate(new QStyledItemDelegate(table));
        const QImage byStyle = drawn(*table);
        table->setItemDelegate(new PlainTextDelegate(table));
        drawn(*table); // lays the texts out
        const QImage kept = drawn(*table);
        QCOMPARE(kept, byStyle);
    }
}

QTEST_MAIN(PlainTextDelegateTest)
#include "plain_text_delegate_test.moc"
