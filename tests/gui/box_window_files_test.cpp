// The box window's saves against real files: another program's writes since the load, a file
// without write permission, one that cannot be read, "名前を付けて保存", and the recovery file a
// session that ended without saving leaves for the next start.

#include "box/box.h"
#include "data/moves.h"
#include "format/box_file.h"

#include "box_test_support.h"
#include "gui_test_support.h"

#include "app/box_windows.h"
#include "ui/box/box_window.h"
#include "ui/session/box_document.h"

#include <QPushButton>
#include <QTableView>
#include <QTest>

#include <filesystem>

using namespace rusrina;
using rusrina::test::click;
using rusrina::test::listNames;
using rusrina::test::OpenedWindows;
using rusrina::test::ScriptedDialogs;
using rusrina::test::TempSettings;
namespace fs = std::filesystem;

namespace {

const QString kBoxFilter = QStringLiteral("VantreBoxData (*.vbd);;All Files (*)");

Box boxOf(const char* names) {
    Box box;
    for (const char* n = names; *n; ++n)
        box.add(testing::EntryBuilder(std::string(1, *n)).nature(1).ivs({}).evs({}).stats(100).noMoves());
    return box;
}

void writeBox(const fs::path& path, const char* names) {
    QVERIFY(BoxFile(path).save(boxOf(names)).ok);
}

// The entry names of a box file, one letter each.
QString namesOnDisk(const fs::path& path) {
    Box box;
    BoxFile(path).load(box);
    QString names;
    for (int i = 0; i < box.count(); ++i)
        names += QString::fromStdString(entryNameUtf8(box.entry(i)));
    return names;
}

// Deletes the first entry: the smallest change the window can be asked for.
void deleteFirst(BoxWindow& window) {
    window.findChild<QTableView*>(QStringLiteral("boxList"))->selectRow(0);
    click(window, "deleteButton");
}

fs::path inDir(const TempSettings& temp, const char* name) {
    return fs::path(temp.dirPath().toStdString()) / name;
}

} // namespace

class BoxWindowFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void fileChangedOnDiskAsksFirst_data();
    void fileChangedOnDiskAsksFirst();
    void unreadableFileIsSavedUnderAnotherName();
    void readOnlyFileOffersAnotherName();
    void saveAsButton();
    void recoveryFileIsOffered_data();
    void recoveryFileIsOffered();
    void recoveryAsksBeforeLosingAnything_data();
    void recoveryAsksBeforeLosingAnything();
};

void BoxWindowFilesTest::fileChangedOnDiskAsksFirst_data() {
    QTest::addColumn<int>("answer"); // 0 overwrite, 1 save under another name, 2 cancel
    QTest::addColumn<QString>("boxFileAfter");
    QTest::addColumn<QString>("otherFileAfter");
    QTest::addColumn<bool>("unsaved");
    QTest::newRow("overwrite") << 0 << "B"
                               << "" << false;
    QTest::newRow("another name") << 1 << "XYZ"
                                  << "B" << false;
    QTest::newRow("cancel") << 2 << "XYZ"
                            << "" << true;
}

void BoxWindowFilesTest::fileChangedOnDiskAsksFirst() {
    QFETCH(int, answer);
    QFETCH(QString, boxFileAfter);
    QFETCH(QString, otherFileAfter);
    QFETCH(bool, unsaved);
    TempSettings temp;
    const fs::path boxPath = inDir(temp, "rusrina.vbd");
    const fs::path otherPath = inDir(temp, "other.vbd");
    writeBox(boxPath, "AB");
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    deleteFirst(window);
    writeBox(boxPath, "XYZ"); // another copy of the program saved meanwhile

    ScriptedDialogs dialogs;
    dialogs.chooseAnswers = {answer};
    dialogs.fileNames = {QString::fromStdString(otherPath.string())};
    click(window, "saveButton");
    QCOMPARE(dialogs.asked[0].kind, QStringLiteral("choose"));
    QVERIFY(dialogs.asked[0].text.contains(QString::fromStdString(boxPath.string())));
    QCOMPARE(dialogs.asked[0].buttons, QStringList({QStringLiteral("上書き保存"), QStringLiteral("名前を付けて保存"),
                                                    QStringLiteral("キャンセル")}));
    QCOMPARE(dialogs.asked[0].defaultButton, 2); // Enter replaces nothing
    QCOMPARE(namesOnDisk(boxPath), boxFileAfter);
    QCOMPARE(namesOnDisk(otherPath), otherFileAfter);
    QCOMPARE(document.hasUnsavedChanges(), unsaved);
    QCOMPARE(dialogs.asked.size(), answer == 1 ? 2 : 1);

    // Saved either way, the next save asks nothing: the file is the one this window wrote.
    if (!unsaved) {
        deleteFirst(window);
        click(window, "saveButton");
        QCOMPARE(dialogs.asked.size(), answer == 1 ? 2 : 1);
        QCOMPARE(namesOnDisk(answer == 1 ? otherPath : boxPath), QString());
    }
}

void BoxWindowFilesTest::unreadableFileIsSavedUnderAnotherName() {
    TempSettings temp;
    const fs::path boxPath = inDir(temp, "rusrina.vbd");
    const fs::path newPath = inDir(temp, "mine.vbd");
    fs::create_directory(boxPath);
    ScriptedDialogs dialogs;
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    QCOMPARE(dialogs.asked.size(), 1);
    QVERIFY(dialogs.asked[0].text.contains(QString::fromStdString(boxPath.string())));
    QVERIFY(dialogs.asked[0].text.contains(QStringLiteral("別の名前を付けて保存します")));

    document.registerEntry(-1, boxOf("A").entry(0));
    dialogs.fileNames = {QString(), QString::fromStdString(newPath.string())};
    click(window, "saveButton"); // the file dialog, cancelled
    QCOMPARE(dialogs.asked[1].kind, QStringLiteral("save"));
    QCOMPARE(dialogs.asked[1].title, QStringLiteral("名前を付けて保存"));
    QVERIFY(document.hasUnsavedChanges());
    click(window, "saveButton");
    QCOMPARE(namesOnDisk(newPath), QStringLiteral("A"));
    QVERIFY(!document.hasUnsavedChanges());
    document.registerEntry(-1, boxOf("B").entry(0));
    click(window, "saveButton"); // from now on the box's file is the new one
    QCOMPARE(dialogs.asked.size(), 3);
    QCOMPARE(namesOnDisk(newPath), QStringLiteral("AB"));
    QVERIFY(fs::is_empty(boxPath));
}

void BoxWindowFilesTest::readOnlyFileOffersAnotherName() {
    TempSettings temp;
    const fs::path boxPath = inDir(temp, "rusrina.vbd");
    writeBox(boxPath, "AB");
    fs::permissions(boxPath, fs::perms(0444));
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    deleteFirst(window);
    ScriptedDialogs dialogs;
    dialogs.questionAnswers = {false, true};
    dialogs.fileNames = {QString::fromStdString(inDir(temp, "copy.vbd").string())};
    click(window, "saveButton");
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].kind, QStringLiteral("question"));
    QVERIFY(dialogs.asked[0].text.contains(QString::fromStdString(boxPath.string())));
    QVERIFY(dialogs.asked[0].text.contains(QStringLiteral("名前を付けて保存しますか")));
    QVERIFY(document.hasUnsavedChanges());
    click(window, "saveButton");
    QCOMPARE(dialogs.asked[2].kind, QStringLiteral("save"));
    QCOMPARE(namesOnDisk(inDir(temp, "copy.vbd")), QStringLiteral("B"));
    QCOMPARE(namesOnDisk(boxPath), QStringLiteral("AB"));
    QVERIFY(!document.hasUnsavedChanges());
}

void BoxWindowFilesTest::saveAsButton() {
    TempSettings temp;
    writeBox(inDir(temp, "rusrina.vbd"), "AB");
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    ScriptedDialogs dialogs;
    dialogs.fileNames = {QString::fromStdString(inDir(temp, "copy.vbd").string())};
    click(window, "saveAsButton");
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].kind, QStringLiteral("save"));
    QCOMPARE(dialogs.asked[0].text, kBoxFilter);
    QCOMPARE(dialogs.asked[0].defaultSuffix, QStringLiteral("vbd"));
    QCOMPARE(namesOnDisk(inDir(temp, "copy.vbd")), QStringLiteral("AB"));
}

void BoxWindowFilesTest::recoveryFileIsOffered_data() {
    QTest::addColumn<int>("answer"); // 0 restore, 1 delete, 2 keep for later
    QTest::addColumn<bool>("closeWithNo");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<bool>("recoveryAfterSave");
    QTest::newRow("restore, then save") << 0 << false << "C" << false;
    QTest::newRow("restore, then No at the close") << 0 << true << "C" << false;
    QTest::newRow("delete") << 1 << false << "ABC" << false;
    QTest::newRow("keep for later") << 2 << false << "ABC" << true;
}

void BoxWindowFilesTest::recoveryFileIsOffered() {
    QFETCH(int, answer);
    QFETCH(bool, closeWithNo);
    QFETCH(QString, listed);
    QFETCH(bool, recoveryAfterSave);
    TempSettings temp;
    const fs::path boxPath = inDir(temp, "rusrina.vbd");
    const fs::path recoveryPath = inDir(temp, "rusrina.vbd.recovery");
    writeBox(boxPath, "ABC");
    {
        BoxWindows ended(temp.settings());
        QVERIFY(ended.document().writeRecovery()); // nothing unsaved: nothing written
        QVERIFY(!fs::exists(recoveryPath));
        deleteFirst(ended.boxWindow());
        deleteFirst(ended.boxWindow());
        QVERIFY(ended.document().writeRecovery());
        QCOMPARE(namesOnDisk(recoveryPath), QStringLiteral("C"));
    }
    QCOMPARE(namesOnDisk(boxPath), QStringLiteral("ABC"));

    ScriptedDialogs dialogs;
    dialogs.chooseAnswers = {answer};
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].kind, QStringLiteral("choose"));
    QVERIFY(dialogs.asked[0].text.contains(QString::fromStdString(recoveryPath.string())));
    QCOMPARE(dialogs.asked[0].buttons,
             QStringList({QStringLiteral("復元する"), QStringLiteral("削除する"), QStringLiteral("残しておく")}));
    QCOMPARE(listNames(window), listed);
    QCOMPARE(document.hasUnsavedChanges(), answer == 0);
    QCOMPARE(fs::exists(recoveryPath), answer != 1);

    if (closeWithNo) {
        dialogs.choiceAnswers = {Dialogs::Answer::No};
        QVERIFY(window.confirmClose());
        QCOMPARE(namesOnDisk(boxPath), QStringLiteral("ABC"));
    } else {
        if (answer != 0)
            deleteFirst(window);
        click(window, "saveButton");
        QCOMPARE(namesOnDisk(boxPath), answer == 0 ? QStringLiteral("C") : QStringLiteral("BC"));
    }
    QCOMPARE(fs::exists(recoveryPath), recoveryAfterSave);
}

void BoxWindowFilesTest::recoveryAsksBeforeLosingAnything_data() {
    QTest::addColumn<QString>("recovered"); // the recovery's box: the file's "ABC" less its first entries
    QTest::addColumn<bool>("changedSince"); // "XYZ" was written to the box file after the recovery
    QTest::addColumn<QList<int>>("answers");
    QTest::addColumn<QString>("listed");
    QTest::addColumn<QString>("boxFileAfterSave");
    QTest::addColumn<QString>("otherFileAfter");
    QTest::addColumn<bool>("recoveryAfter");
    QTest::newRow("empty over entries: kept") << "" << false << QList<int>{0, 1} << "ABC"
                                              << "ABC"
                                              << "" << true;
    QTest::newRow("empty over entries: emptied") << "" << false << QList<int>{0, 0} << ""
                                                 << ""
                                                 << "" << false;
    QTest::newRow("changed since: overwrite") << "C" << true << QList<int>{0, 0} << "C"
                                              << "C"
                                              << "" << false;
    QTest::newRow("changed since: another name") << "C" << true << QList<int>{0, 1} << "C"
                                                 << "XYZ"
                                                 << "C" << false;
    QTest::newRow("changed since: kept") << "C" << true << QList<int>{0, 2} << "XYZ"
                                         << "XYZ"
                                         << "" << true;
}

// Restoring asks before an empty recovery empties a box with entries, and before it is written over
// a box file changed since; each answer loses nothing it did not name.
void BoxWindowFilesTest::recoveryAsksBeforeLosingAnything() {
    QFETCH(QString, recovered);
    QFETCH(bool, changedSince);
    QFETCH(QList<int>, answers);
    QFETCH(QString, listed);
    QFETCH(QString, boxFileAfterSave);
    QFETCH(QString, otherFileAfter);
    QFETCH(bool, recoveryAfter);
    TempSettings temp;
    const fs::path boxPath = inDir(temp, "rusrina.vbd");
    const fs::path otherPath = inDir(temp, "other.vbd");
    writeBox(boxPath, "ABC");
    {
        BoxWindows ended(temp.settings());
        for (int i = 0; i < 3 - recovered.size(); ++i)
            deleteFirst(ended.boxWindow());
        QVERIFY(ended.document().writeRecovery());
    }
    if (changedSince)
        writeBox(boxPath, "XYZ");

    ScriptedDialogs dialogs;
    dialogs.chooseAnswers = answers;
    dialogs.fileNames = {QString::fromStdString(otherPath.string())};
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    QCOMPARE(dialogs.asked.size(), answers.size() + (answers.back() == 1 && changedSince ? 1 : 0));
    QVERIFY(dialogs.asked[1].text.contains(changedSince ? QStringLiteral("変更されています")
                                                        : QStringLiteral("3 件の登録が空のボックスに置き換わります")));
    QCOMPARE(dialogs.asked[1].defaultButton, dialogs.asked[1].buttons.size() - 1); // Enter keeps it
    QCOMPARE(listNames(windows.boxWindow()), listed);
    QCOMPARE(namesOnDisk(otherPath), otherFileAfter);
    click(windows.boxWindow(), "saveButton");
    QCOMPARE(namesOnDisk(boxPath), boxFileAfterSave);
    QCOMPARE(windows.document().hasRecoveryFile(), recoveryAfter);
}

QTEST_MAIN(BoxWindowFilesTest)
#include "box_window_files_test.moc"
