// Team text in the box window: "テキスト出力" to the clipboard (the selection, every entry, either
// language) and "テキスト入力" with its clipboard text, preview and warnings, into a box with room
// and into one that fills up.

#include "box/box.h"
#include "format/box_file.h"
#include "format/set_text.h"

#include "gui_test_support.h"

#include "app/box_windows.h"
#include "ui/box/box_window.h"
#include "ui/box/set_text_dialog.h"
#include "ui/common/status_line.h"
#include "ui/session/box_document.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextCursor>

using namespace rusrina;
using rusrina::test::child;
using rusrina::test::FreshWindows;
using rusrina::test::OpenedWindows;
using rusrina::test::ScriptedDialogs;
using rusrina::test::TempSettings;

namespace {

BoxEntry creature(const std::string& setText) {
    return *readSetText(setText).front().entry;
}

QString listNames(BoxWindow& window) {
    QString names;
    const auto* model = child<QTableView>(window, "boxList")->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names += model->index(row, 0).data().toString() + QLatin1Char(' ');
    return names.trimmed();
}

QString clipboard() {
    return QGuiApplication::clipboard()->text();
}

QStringList previewRows(SetTextDialog& dialog) {
    QStringList rows;
    auto* preview = child<QListWidget>(dialog, "setTextPreview");
    for (int i = 0; i < preview->count(); ++i)
        rows << preview->item(i)->text();
    return rows;
}

} // namespace

class SetTextWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void exportCopiesTheSelectionOrEveryEntry();
    void importPreviewsWarningsThenAdds();
    void importIntoANearlyFullBoxSaysWhatDidNotFit();
    void textOverTheLimitIsRefusedWhole();
};

void SetTextWindowTest::exportCopiesTheSelectionOrEveryEntry() {
    TempSettings temp;
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    {
        BoxWindows empty(temp.settings());
        child<QPushButton>(empty.boxWindow(), "textExportButton")->click();
        QCOMPARE(clipboard(), QStringLiteral("untouched")); // an empty box copies nothing
    }
    const BoxEntry chomp = creature("ガブ (Garchomp) @ Choice Band\nLevel: 50\nJolly Nature\n- Earthquake");
    const BoxEntry latios = creature("Latios @ Soul Dew\nTimid Nature\n- Surf");
    const ParsedSet rotom = readSetText("Rotom-Wash @ Leftovers\nShiny: Yes\nBold Nature").front();
    Box box;
    QVERIFY(box.add(chomp).ok() && box.add(latios).ok() && box.add(*rotom.entry, rotom.extra).ok());
    QVERIFY(BoxFile(kDefaultBoxFileName).save(box).ok);
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());

    child<QTableView>(window, "boxList")->selectRow(1);
    child<QPushButton>(window, "textExportButton")->click();
    QCOMPARE(clipboard(), QStringLiteral("Latios @ Soul Dew\nAbility: Levitate\nTimid Nature\n- Surf\n"));
    // What the box keeps beside the record is written too.
    child<QTableView>(window, "boxList")->selectRow(2);
    child<QPushButton>(window, "textExportButton")->click();
    QCOMPARE(clipboard(), QStringLiteral("Rotom-Wash @ Leftovers\nAbility: Levitate\nShiny: Yes\nBold Nature\n"));
    child<QTableView>(window, "boxList")->selectRow(1);
    child<QAction>(window, "textExportAllAction")->trigger();
    const BoxEntry all[] = {chomp, latios, *rotom.entry};
    const EntryExtra extras[] = {{}, {}, rotom.extra};
    QCOMPARE(clipboard(), QString::fromStdString(writeSetTexts(all, extras, SetTextLanguage::English)));

    // The language chosen in the import dialog is the one the export writes.
    ScriptedDialogs dialogs;
    child<QPushButton>(window, "textImportButton")->click();
    child<QComboBox>(*window.textDialog(), "setTextLanguage")->setCurrentIndex(1);
    window.textDialog()->hide();
    child<QAction>(window, "textExportSelectedAction")->trigger();
    QCOMPARE(clipboard(),
             QStringLiteral("ラティオス @ こころのしずく\nAbility: ふゆう\nおくびょう Nature\n- なみのり\n"));
}

void SetTextWindowTest::importPreviewsWarningsThenAdds() {
    auto&& [temp, windows, window, document, battle] = FreshWindows();
    ScriptedDialogs dialogs;
    QGuiApplication::clipboard()->setText(QStringLiteral("just a chat message"));
    child<QPushButton>(window, "textImportButton")->click();
    SetTextDialog* dialog = window.textDialog();
    QVERIFY(dialog && dialog->isVisible());
    auto* text = child<QPlainTextEdit>(*dialog, "setTextEdit");
    QCOMPARE(text->toPlainText(), QString()); // other text is not offered
    QVERIFY(!child<QPushButton>(*dialog, "setTextAddButton")->isEnabled());
    dialog->hide();

    const QString team =
        QStringLiteral("ガブ (Garchomp) @ Assault Vest\nLevel: 50\nJolly Nature\n\nMissingno\n\nLatios\n");
    QGuiApplication::clipboard()->setText(team);
    child<QPushButton>(window, "textImportButton")->click();
    QCOMPARE(text->toPlainText(), team);
    QCOMPARE(
        previewRows(*dialog),
        QStringList({QStringLiteral("ガブ（ガブリアス） Lv50 ようき"),
                     QStringLiteral("　△ 1 行目: 持ち物「Assault Vest」は第6世代の道具のため「なし／その他」にします"),
                     QStringLiteral("× 5 行目: バントレ「Missingno」が見つかりません"),
                     QStringLiteral("ラティオス Lv100 まじめ")}));
    QCOMPARE(child<QLabel>(*dialog, "setTextSummary")->text(), QStringLiteral("追加 2 件　読めない 1 件　警告 1 件"));
    QVERIFY(document.box().count() == 0); // nothing changes before "追加"

    child<QPushButton>(*dialog, "setTextAddButton")->click();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(listNames(window), QStringLiteral("ガブ ラティオス"));
    QVERIFY(dialogs.asked.isEmpty()); // the status line says it
    QCOMPARE(window.statusLine().text(), QStringLiteral("2 件追加しました。読めなかった 1 件は追加していません。"));
    QVERIFY(document.hasUnsavedChanges());
    QCOMPARE(document.box().entry(0).stat[5], 134); // (2·102 + 31)·50/100 + 5, ×1.1
}

void SetTextWindowTest::importIntoANearlyFullBoxSaysWhatDidNotFit() {
    TempSettings temp;
    Box box;
    for (int i = 0; i < kBoxCapacity - 1; ++i)
        QVERIFY(box.add(creature("N" + std::to_string(i) + " (Pikachu)")).ok());
    QVERIFY(BoxFile(kDefaultBoxFileName).save(box).ok);
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    ScriptedDialogs dialogs;
    QGuiApplication::clipboard()->setText(QStringLiteral("Garchomp\n\nLatios\n\nLatias\n"));
    child<QPushButton>(window, "textImportButton")->click();
    child<QPushButton>(*window.textDialog(), "setTextAddButton")->click();
    QVERIFY(document.box().full());
    QCOMPARE(QString::fromStdString(entryNameUtf8(document.box().entry(kBoxCapacity - 1))),
             QStringLiteral("ガブリアス"));
    QVERIFY(dialogs.asked.isEmpty());
    QCOMPARE(window.statusLine().text(),
             QStringLiteral("1 件追加しました。ボックスが一杯のため 2 件は追加できませんでした。"));
}

// The clipboard and a paste each take team text up to 1 MiB; one byte more is refused with a
// message, and the text area keeps what it held.
void SetTextWindowTest::textOverTheLimitIsRefusedWhole() {
    auto&& [temp, windows, window, document, battle] = FreshWindows();
    ScriptedDialogs dialogs;
    const QString team = QStringLiteral("ガブリアス @ こだわりハチマキ\n"); // 1 + 3 · 14 bytes with its line end
    // Padded with blank lines of a hundred bytes, as a text area lays out long texts of many lines.
    const auto ofSize = [&team](qint64 bytes) {
        const qint64 padding = bytes - team.toUtf8().size();
        const QString line = QString(99, QLatin1Char(' ')) + QLatin1Char('\n');
        return team + line.repeated(padding / 100) + QString(padding % 100, QLatin1Char('\n'));
    };
    const qint64 limit = qint64(1) << 20;
    const QString refusal = QStringLiteral("テキストが 1 MiB（1,048,576 バイト）を超えるため読み込みませんでした");
    const struct {
        const char* what;
        qint64 clipboard;
        bool prefilled;
    } opens[] = {{"exactly 1 MiB", limit, true}, {"one byte over", limit + 1, false}};
    for (const auto& c : opens) {
        QGuiApplication::clipboard()->setText(ofSize(c.clipboard));
        child<QPushButton>(window, "textImportButton")->click();
        auto* text = child<QPlainTextEdit>(*window.textDialog(), "setTextEdit");
        QCOMPARE(text->toPlainText().size(), c.prefilled ? ofSize(c.clipboard).size() : 0);
        QCOMPARE(dialogs.asked.size(), c.prefilled ? 0 : 1);
        if (!c.prefilled)
            QCOMPARE(dialogs.asked.takeLast().text,
                     QStringLiteral("クリップボードの") + refusal + QStringLiteral("（1,048,577 バイト）"));
        window.textDialog()->hide();
        text->clear();
    }

    auto* text = child<QPlainTextEdit>(*window.textDialog(), "setTextEdit");
    text->setPlainText(QStringLiteral("Latios"));
    QGuiApplication::clipboard()->setText(ofSize(limit));
    text->moveCursor(QTextCursor::End);
    text->paste(); // the text already there leaves no room
    QCOMPARE(text->toPlainText(), QStringLiteral("Latios"));
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].text, QStringLiteral("貼り付けた") + refusal + QStringLiteral("（1,048,582 バイト）"));
    text->selectAll();
    text->paste(); // in place of all of it, it fits
    QCOMPARE(text->toPlainText(), ofSize(limit));
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(windows.document().box().count(), 0);
}

QTEST_MAIN(SetTextWindowTest)
#include "set_text_window_test.moc"
