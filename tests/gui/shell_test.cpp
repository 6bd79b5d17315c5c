// The launcher and the behaviour every tool window shares, driven through the real widgets.

#include "box_test_support.h"
#include "gui_test_support.h"

#include "app/about_box.h"
#include "app/application.h"
#include "app/box_windows.h"
#include "app/top_window.h"
#include "ui/box/box_window.h"
#include "ui/common/tool_window.h"
#include "ui/detail/detail_window.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/ivjudge/iv_judge_window.h"
#include "ui/matrix/matrix_window.h"
#include "ui/search/search_window.h"
#include "ui/session/box_document.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTranslator>
#include <QUrl>
#include <QWindow>

#include <memory>

using namespace rusrina;
using rusrina::test::FreshWindows;
using rusrina::test::OpenedWindows;
using rusrina::test::TempSettings;

Q_DECLARE_METATYPE(rusrina::ShowCommand)

namespace {

// A tool window that owns another, as the search window owns the species detail window.
class OwningToolWindow : public ToolWindow {
public:
    OwningToolWindow(SettingsFile& settings, const QString& section, ToolWindow& owned)
        : ToolWindow(settings, section) {
        setOwnedTool(&owned);
    }
};

QPushButton* button(QWidget* window, const char* name) {
    return window->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Which of the three tool windows are visible, as a short text for readable failures.
QString visibleTools(const TopWindow& top) {
    QString s;
    s += top.searchWindow()->isVisible() ? 'S' : '-';
    s += top.ivJudgeWindow()->isVisible() ? 'I' : '-';
    s += top.boxWindow()->isVisible() ? 'B' : '-';
    return s;
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void firstCallPlacesWhateverTheCommand_data();
    void firstCallPlacesWhateverTheCommand();
    void refusesToShowBeforePlacement();
    void emptyOrInvertedRectangleKeepsLayoutPosition_data();
    void emptyOrInvertedRectangleKeepsLayoutPosition();
    void rectangleOnNoScreenIsBroughtBack();
    void placeOnTheScreenIsKeptAsStored_data();
    void placeOnTheScreenIsKeptAsStored();
    void launcherStoredNearTheCornerStaysThere();
    void placementSurvivesDestruction();
    void neverShownWindowKeepsStoredPlacement();
    void theMatrixIsReopenedWhereItWas();
    void aWindowOpenedFromAnotherStaysInFrontOfIt();
    void hiddenToolGetsStoredPlaceWhenShownLater();
    void minimiseRestoreRoundTrip();
    void restoreWithoutMinimiseChangesNothing();
    void minimiseAndRestorePassToOwnedWindow();
    void toolTitlesAndHideButtons_data();
    void toolTitlesAndHideButtons();
    void startShowsToolsFromShowKeys();
    void buttonsBringToolsForward();
    void toolsMenusBringEveryToolForward();
    void detailLinksOpenTheJudgeAndTheFormOnItsSpecies();
    void closeWritesShowKeysAndPlacements_data();
    void closeWritesShowKeysAndPlacements();
    void closeWhileMinimisedKeepsOpenToolsOpen();
    void enterDoesNothing();
    void aboutItemOpensAboutBox();
    void aboutBoxLinksToTheInstalledGuide();
    void standardButtonsReadJapanese();
    void everyWindowFitsTheScreen_data();
    void everyWindowFitsTheScreen();
};

void ShellTest::firstCallPlacesWhateverTheCommand_data() {
    QTest::addColumn<ShowCommand>("command");
    QTest::addColumn<bool>("visible");
    QTest::newRow("hide") << ShowCommand::Hide << false;
    QTest::newRow("show") << ShowCommand::Show << true;
    QTest::newRow("minimise") << ShowCommand::Minimise << false;
    QTest::newRow("restore") << ShowCommand::Restore << false;
}

void ShellTest::firstCallPlacesWhateverTheCommand() {
    QFETCH(ShowCommand, command);
    QFETCH(bool, visible);
    TempSettings temp;
    temp.writeRect("Search", 100, 120, 400, 320);
    ToolWindow window(temp.settings(), QStringLiteral("Search"));
    QVERIFY(!window.placedFlag());
    window.showTool(command);
    QVERIFY(window.placedFlag());
    QCOMPARE(window.geometry(), QRect(100, 120, 300, 200));
    QCOMPARE(window.isVisible(), visible);
    QVERIFY(!window.hiddenByMinimise());
}

void ShellTest::refusesToShowBeforePlacement() {
    TempSettings temp;
    temp.writeRect("ParaCheck", 30, 40, 330, 290);
    ToolWindow window(temp.settings(), QStringLiteral("ParaCheck"));
    window.show();
    QVERIFY(!window.isVisible());
    window.setVisible(true);
    QVERIFY(!window.isVisible());
    window.showTool(ShowCommand::Show);
    QVERIFY(window.isVisible());
    QCOMPARE(window.geometry(), QRect(30, 40, 300, 250));
}

void ShellTest::emptyOrInvertedRectangleKeepsLayoutPosition_data() {
    QTest::addColumn<QList<int>>("edges"); // left, top, right, bottom; none stored when empty
    QTest::newRow("absent") << QList<int>{};
    QTest::newRow("all zero") << QList<int>{0, 0, 0, 0};
    QTest::newRow("right left of left") << QList<int>{300, 100, 200, 400};
    QTest::newRow("bottom above top") << QList<int>{100, 400, 300, 200};
    QTest::newRow("zero width") << QList<int>{100, 100, 100, 300};
    QTest::newRow("zero height") << QList<int>{100, 100, 300, 100};
    QTest::newRow("huge span") << QList<int>{-2147483647 - 1, 0, 2147483647, 100};
}

void ShellTest::emptyOrInvertedRectangleKeepsLayoutPosition() {
    QFETCH(QList<int>, edges);
    TempSettings temp;
    if (!edges.isEmpty())
        temp.writeRect("Damage", edges[0], edges[1], edges[2], edges[3]);
    auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
    // At least the window's smallest size, so that only the placement could change it.
    QRect layoutPlace(77, 66, 420, 260);
    layoutPlace.setSize(layoutPlace.size().expandedTo(window.minimumSizeHint()));
    window.setGeometry(layoutPlace);
    window.showTool(ShowCommand::Show);
    QVERIFY(window.placedFlag());
    QVERIFY(window.isVisible());
    QCOMPARE(window.geometry(), layoutPlace);
}

void ShellTest::rectangleOnNoScreenIsBroughtBack() {
    TempSettings temp;
    temp.writeRect("Search", 50000, 50000, 50400, 50300);
    ToolWindow window(temp.settings(), QStringLiteral("Search"));
    window.showTool(ShowCommand::Show);
    QCOMPARE(window.size(), QSize(400, 300));
    QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().intersects(window.geometry()));
}

void ShellTest::placeOnTheScreenIsKeptAsStored_data() {
    QTest::addColumn<QPoint>("stored");
    QTest::addColumn<QPoint>("placed"); // where it opens, and what is written back at the end
    // The offscreen platform frames each window it shows with 2 pixels on every side.
    QTest::newRow("near the top-left corner") << QPoint(10, 10) << QPoint(10, 10);
    QTest::newRow("frame touching the top-left corner") << QPoint(2, 2) << QPoint(2, 2);
    QTest::newRow("frame touching the bottom-right corner") << QPoint(1064, 566) << QPoint(1064, 566);
    QTest::newRow("frame off the top-left corner") << QPoint(0, 0) << QPoint(2, 2);
    QTest::newRow("partly above the screen") << QPoint(10, -30) << QPoint(10, 2);
    QTest::newRow("wholly off to the bottom-right") << QPoint(2000, 1500) << QPoint(1064, 566);
    QTest::newRow("wholly off to the left") << QPoint(-900, 300) << QPoint(2, 300);
}

// On the 1366 x 768 screen a place where the window lies on the screen, frame included, opens as
// stored and is written back unchanged; one off the screen moves by the least.
void ShellTest::placeOnTheScreenIsKeptAsStored() {
    QFETCH(QPoint, stored);
    QFETCH(QPoint, placed);
    const QSize size(300, 200);
    TempSettings temp;
    temp.writeRect("Search", stored.x(), stored.y(), stored.x() + size.width(), stored.y() + size.height());
    {
        ToolWindow window(temp.settings(), QStringLiteral("Search"));
        window.showTool(ShowCommand::Show);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.geometry(), QRect(placed, size));
    }
    QCOMPARE(temp.readRect("Search"), QRect(placed, size));
}

void ShellTest::launcherStoredNearTheCornerStaysThere() {
    TempSettings temp;
    temp.writeRect("TopWindow", 10, 10, 250, 90);
    {
        TopWindow top(temp.settings());
        top.show();
        QVERIFY(QTest::qWaitForWindowExposed(&top));
        QCOMPARE(top.geometry().topLeft(), QPoint(10, 10));
    }
    QCOMPARE(temp.readRect("TopWindow").topLeft(), QPoint(10, 10));
}

void ShellTest::placementSurvivesDestruction() {
    TempSettings temp;
    {
        ToolWindow window(temp.settings(), QStringLiteral("Search"));
        window.showTool(ShowCommand::Show);
        window.setGeometry(50, 60, 200, 150);
    }
    QCOMPARE(temp.read("Search", "left"), 50);
    QCOMPARE(temp.read("Search", "top"), 60);
    QCOMPARE(temp.read("Search", "right"), 250);
    QCOMPARE(temp.read("Search", "bottom"), 210);
    ToolWindow again(temp.settings(), QStringLiteral("Search"));
    again.showTool(ShowCommand::Hide);
    QCOMPARE(again.geometry(), QRect(50, 60, 200, 150));
}

// A window that never appeared has no place to remember: what is stored stays, and nothing pins a
// window the window manager has not placed yet to the screen corner.
void ShellTest::neverShownWindowKeepsStoredPlacement() {
    TempSettings temp;
    temp.writeRect("Damage", 10, 20, 410, 320);
    { BoxWindows unplaced(temp.settings()); }
    {
        auto&& [windows, window, document, battle] = OpenedWindows(temp.settings());
        BoxWindow& placedButHidden = windows.boxWindow();
        placedButHidden.showTool(ShowCommand::Hide);
        placedButHidden.setGeometry(0, 0, 480, 320);
    }
    QCOMPARE(temp.readRect("Damage"), QRect(10, 20, 400, 300));
    {
        SearchWindow hidden(temp.settings());
        hidden.showTool(ShowCommand::Hide);
    }
    QCOMPARE(temp.read("Search", "left"), -9999);
}

void ShellTest::hiddenToolGetsStoredPlaceWhenShownLater() {
    TempSettings temp;
    // Larger than the window's least size, and on the 1366 x 768 screen.
    temp.writeRect("ParaCheck", 140, 40, 1240, 740);
    TopWindow top(temp.settings());
    top.show();
    QVERIFY(!top.ivJudgeWindow()->isVisible());
    button(&top, "ivJudgeButton")->click();
    QVERIFY(top.ivJudgeWindow()->isVisible());
    QCOMPARE(top.ivJudgeWindow()->geometry(), QRect(140, 40, 1100, 700));
}

void ShellTest::minimiseRestoreRoundTrip() {
    TempSettings temp;
    temp.write("Search", "show", 1);
    temp.write("ParaCheck", "show", 1);
    temp.write("Damage", "show", 1);
    TopWindow top(temp.settings());
    top.show();
    QCOMPARE(visibleTools(top), QString("SIB"));
    button(top.ivJudgeWindow(), "hideButton")->click(); // hidden by its own button
    QCOMPARE(visibleTools(top), QString("S-B"));

    for (int round = 0; round < 2; ++round) {
        top.showMinimized();
        QVERIFY(top.minimisedTools());
        QCOMPARE(visibleTools(top), QString("---"));
        QVERIFY(top.searchWindow()->hiddenByMinimise());
        QVERIFY(!top.ivJudgeWindow()->hiddenByMinimise());
        QVERIFY(top.boxWindow()->hiddenByMinimise());

        top.showNormal();
        QVERIFY(!top.minimisedTools());
        QCOMPARE(visibleTools(top), QString("S-B"));
        QVERIFY(!top.searchWindow()->hiddenByMinimise());
        QVERIFY(!top.boxWindow()->hiddenByMinimise());
    }
}

void ShellTest::restoreWithoutMinimiseChangesNothing() {
    TempSettings temp;
    temp.write("Damage", "show", 1);
    TopWindow top(temp.settings());
    top.show();
    top.showNormal();
    top.setWindowState(Qt::WindowNoState);
    QCOMPARE(visibleTools(top), QString("--B"));
    for (ToolWindow* tool : {static_cast<ToolWindow*>(top.searchWindow()), static_cast<ToolWindow*>(top.boxWindow())})
        tool->showTool(ShowCommand::Restore);
    QCOMPARE(visibleTools(top), QString("--B"));
    QVERIFY(!top.minimisedTools());
}

void ShellTest::minimiseAndRestorePassToOwnedWindow() {
    auto&& [temp, windows, window, document, battle] = FreshWindows();
    BoxWindow& child = windows.boxWindow();
    OwningToolWindow owner(temp.settings(), QStringLiteral("Search"), child);
    owner.showTool(ShowCommand::Show);
    child.showTool(ShowCommand::Show);

    owner.showTool(ShowCommand::Minimise);
    QVERIFY(!owner.isVisible());
    QVERIFY(!child.isVisible());
    QVERIFY(child.hiddenByMinimise());
    owner.showTool(ShowCommand::Restore);
    QVERIFY(owner.isVisible());
    QVERIFY(child.isVisible());

    // A hidden owner still passes the commands on; a hidden child stays hidden.
    owner.showTool(ShowCommand::Hide);
    owner.showTool(ShowCommand::Minimise);
    QVERIFY(!child.isVisible());
    owner.showTool(ShowCommand::Restore);
    QVERIFY(!owner.isVisible());
    QVERIFY(child.isVisible());
}

void ShellTest::toolTitlesAndHideButtons_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("hideCaption");
    QTest::newRow("search") << 0 << QStringLiteral("ルセリナTK Ver 0.9.3 バントレ絞込み検索")
                            << QStringLiteral("検索終了");
    QTest::newRow("iv judge") << 1 << QStringLiteral("ルセリナTK Ver 0.9.3 バントレ個体値Ｖ判定")
                              << QStringLiteral("閉じる");
    QTest::newRow("box") << 2 << QStringLiteral("ルセリナTK Ver 0.9.3 バントレボックス") << QStringLiteral("閉じる");
}

void ShellTest::toolTitlesAndHideButtons() {
    QFETCH(int, which);
    QFETCH(QString, title);
    QFETCH(QString, hideCaption);
    TempSettings temp;
    temp.write("Search", "show", 1);
    temp.write("ParaCheck", "show", 1);
    temp.write("Damage", "show", 1);
    TopWindow top(temp.settings());
    top.show();
    ToolWindow* tools[] = {top.searchWindow(), top.ivJudgeWindow(), top.boxWindow()};
    ToolWindow* tool = tools[which];
    QCOMPARE(tool->windowTitle(), title);
    QVERIFY(!(tool->windowFlags() & Qt::WindowSystemMenuHint));
    QVERIFY(!(tool->windowFlags() & Qt::WindowCloseButtonHint));
    QPushButton* hide = button(tool, "hideButton");
    QVERIFY(hide);
    QCOMPARE(hide->text(), hideCaption);
    hide->click();
    QVERIFY(!tool->isVisible());
    QCOMPARE(visibleTools(top).count('-'), 1);
}

void ShellTest::startShowsToolsFromShowKeys() {
    TempSettings temp;
    temp.write("Search", "show", 1);
    TopWindow top(temp.settings());
    top.show();
    QCOMPARE(top.windowTitle(), QStringLiteral("ルセリナ"));
    QCOMPARE(visibleTools(top), QString("S--"));
    QVERIFY(top.searchWindow()->placedFlag());
    QVERIFY(top.ivJudgeWindow()->placedFlag());
    QVERIFY(top.boxWindow()->placedFlag());
}

void ShellTest::buttonsBringToolsForward() {
    TempSettings temp;
    TopWindow top(temp.settings());
    top.show();
    QCOMPARE(visibleTools(top), QString("---"));
    const char* names[] = {"searchButton", "ivJudgeButton", "boxButton"};
    const QString captions[] = {QStringLiteral("バントレ検索"), QStringLiteral("個体値V判定"),
                                QStringLiteral("バントレボックス")};
    const QString expected[] = {"S--", "SI-", "SIB"};
    QWidget* tools[] = {top.searchWindow(), top.ivJudgeWindow(), top.boxWindow()};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(button(&top, names[i])->text(), captions[i]);
        button(&top, names[i])->click();
        QCOMPARE(visibleTools(top), expected[i]);
        QVERIFY(QTest::qWaitForWindowActive(tools[i]));
    }
    // A minimised tool comes back in front too.
    top.searchWindow()->showMinimized();
    button(&top, "searchButton")->click();
    QVERIFY(!top.searchWindow()->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(top.searchWindow()));
    QCOMPARE(button(&top, "closeButton")->text(), QStringLiteral("図鑑を閉じる"));
}

// Every tool window's menu reaches the launcher and every tool, from wherever it is asked.
void ShellTest::toolsMenusBringEveryToolForward() {
    TempSettings temp;
    TopWindow top(temp.settings());
    top.show();
    ToolWindow* const from[] = {top.searchWindow(), top.detailWindow(), top.ivJudgeWindow(),
                                top.boxWindow(),    top.editWindow(),   top.matrixWindow()};
    const std::pair<const char*, QWidget*> targets[] = {{"toolSearch", top.searchWindow()},
                                                        {"toolIvJudge", top.ivJudgeWindow()},
                                                        {"toolBox", top.boxWindow()},
                                                        {"toolMatrix", top.matrixWindow()},
                                                        {"toolLauncher", &top}};
    for (ToolWindow* window : from) {
        window->bringForward();
        for (const auto& [action, target] : targets) {
            auto* item = window->findChild<QAction*>(QString::fromLatin1(action));
            QVERIFY2(item, action);
            item->trigger();
            QVERIFY2(target->isVisible(), action);
            QVERIFY2(QTest::qWaitForWindowActive(target), action);
        }
    }
}

void ShellTest::detailLinksOpenTheJudgeAndTheFormOnItsSpecies() {
    TempSettings temp;
    TopWindow top(temp.settings());
    top.show();
    constexpr int kGarchomp = 449;
    top.detailWindow()->showSpecies(kGarchomp);
    button(top.detailWindow(), "button_to_iv_judge")->click();
    QVERIFY(QTest::qWaitForWindowActive(top.ivJudgeWindow()));
    QCOMPARE(top.ivJudgeWindow()->findChild<QComboBox*>(QStringLiteral("combo_vant"))->currentData().toInt(),
             kGarchomp);
    button(top.detailWindow(), "button_to_box")->click();
    QVERIFY(top.boxWindow()->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(top.editWindow()));
    QCOMPARE(top.editWindow()->findChild<QComboBox*>(QStringLiteral("combo_species"))->currentData().toInt(),
             kGarchomp);
    // And back from the box: a registered entry's species in the detail window.
    const int gabite = kGarchomp - 1;
    top.boxDocument()->registerEntry(-1, testing::EntryBuilder("x", gabite).computedStats());
    button(top.boxWindow(), "dexButton")->click();
    QCOMPARE(top.detailWindow()->currentSpecies(), gabite);
}

void ShellTest::closeWritesShowKeysAndPlacements_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("close button") << "button";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("window close") << "close";
}

void ShellTest::closeWritesShowKeysAndPlacements() {
    QFETCH(QString, how);
    TempSettings temp;
    temp.write("Damage", "show", 1);
    const QRect topPlace(60, 50, 210, 90);
    QRect searchPlace(300, 40, 350, 260), boxPlace(20, 100, 380, 240); // on the 1366 x 768 screen
    {
        auto top = std::make_unique<TopWindow>(temp.settings());
        top->show();
        // The search window's controls need more room than that.
        searchPlace.setSize(searchPlace.size().expandedTo(top->searchWindow()->minimumSizeHint()) + QSize(10, 10));
        boxPlace.setSize(boxPlace.size().expandedTo(top->boxWindow()->minimumSizeHint()) + QSize(10, 10));
        button(top.get(), "searchButton")->click();
        top->searchWindow()->setGeometry(searchPlace);
        top->boxWindow()->setGeometry(boxPlace);
        button(top->boxWindow(), "hideButton")->click();
        top->setGeometry(topPlace);
        const QRect topNow = top->geometry(); // the launcher has a fixed size
        if (how == "button")
            button(top.get(), "closeButton")->click();
        else if (how == "escape")
            QTest::keyClick(top.get(), Qt::Key_Escape);
        else
            top->close();
        QVERIFY(!top->isVisible());
        QVERIFY(!top->searchWindow());
        QVERIFY(!top->boxWindow());
        QCOMPARE(temp.read("Search", "show"), 1);
        QCOMPARE(temp.read("ParaCheck", "show"), 0);
        QCOMPARE(temp.read("Damage", "show"), 0);
        QCOMPARE(temp.readRect("Search"), searchPlace);
        QCOMPARE(temp.readRect("Damage"), boxPlace);
        top.reset();
        QCOMPARE(temp.readRect("TopWindow"), topNow);
        QCOMPARE(topNow.topLeft(), topPlace.topLeft());
    }

    TopWindow next(temp.settings());
    next.show();
    QCOMPARE(visibleTools(next), QString("S--"));
    QCOMPARE(next.searchWindow()->geometry(), searchPlace);
    QCOMPARE(next.boxWindow()->geometry(), boxPlace);
    QCOMPARE(next.geometry().topLeft(), topPlace.topLeft());
}

// The tools and the detail window that the minimised launcher hid are all open at the next start,
// not the detail window alone.
void ShellTest::closeWhileMinimisedKeepsOpenToolsOpen() {
    TempSettings temp;
    for (const char* section : {"Search", "DataView", "Damage"})
        temp.write(section, "show", 1);
    {
        TopWindow top(temp.settings());
        top.show();
        top.showMinimized();
        QCOMPARE(visibleTools(top), QString("---"));
        QVERIFY(!top.detailWindow()->isVisible());
        top.close();
    }
    QCOMPARE(temp.read("Search", "show"), 1);
    QCOMPARE(temp.read("DataView", "show"), 1);
    QCOMPARE(temp.read("ParaCheck", "show"), 0);
    QCOMPARE(temp.read("Damage", "show"), 1);
    TopWindow next(temp.settings());
    next.show();
    QCOMPARE(visibleTools(next), QString("S-B"));
    QVERIFY(next.detailWindow()->isVisible());
}

void ShellTest::enterDoesNothing() {
    TempSettings temp;
    TopWindow top(temp.settings());
    top.show();
    for (const char* name : {"searchButton", "closeButton"}) {
        button(&top, name)->setFocus();
        QTest::keyClick(button(&top, name), Qt::Key_Return);
        QTest::keyClick(&top, Qt::Key_Enter);
    }
    QVERIFY(top.isVisible());
    QVERIFY(top.searchWindow());
    QCOMPARE(visibleTools(top), QString("---"));
}

void ShellTest::aboutItemOpensAboutBox() {
    TempSettings temp;
    TopWindow top(temp.settings());
    top.show();
    QAction* about = top.findChild<QAction*>(QStringLiteral("aboutAction"));
    QVERIFY(about);
    QVERIFY(top.actions().contains(about));
    QCOMPARE(top.contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(about->text(), QStringLiteral("rusrina のﾊﾞｰｼﾞｮﾝ情報(&A)..."));

    QString title, version;
    bool hasIcon = false;
    rusrina::test::whenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        version = modal->findChild<QLabel*>(QStringLiteral("versionLabel"))->text();
        hasIcon = !modal->findChild<QLabel*>(QStringLiteral("iconLabel"))->pixmap().isNull();
        button(modal, "okButton")->click();
    });
    about->trigger();
    QCOMPARE(title, QStringLiteral("rusrinaのﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(version, QStringLiteral("rusrina Version 1.0"));
    QVERIFY(hasIcon);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(top.isVisible());
}

// Both links lead to a file of the guide installed beside the program; without one there is no link.
void ShellTest::aboutBoxLinksToTheInstalledGuide() {
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral("bin"));
    const QString doc = prefix.filePath(QStringLiteral("share/doc/rusrina"));
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(doc));
    QVERIFY(!guideLinksText(bin).contains(QStringLiteral("href")));
    for (const char* language : {"ja", "en"}) {
        QFile guide(doc + QStringLiteral("/guide.%1.md").arg(QLatin1String(language)));
        QVERIFY(guide.open(QIODevice::WriteOnly));
    }
    QStringList linked;
    for (const QRegularExpressionMatch& link :
         QRegularExpression(QStringLiteral("href=\"([^\"]+)\"")).globalMatch(guideLinksText(bin)))
        linked << QFileInfo(QUrl(link.captured(1)).toLocalFile()).canonicalFilePath();
    QCOMPARE(linked, QStringList({QFileInfo(doc + QStringLiteral("/guide.ja.md")).canonicalFilePath(),
                                  QFileInfo(doc + QStringLiteral("/guide.en.md")).canonicalFilePath()}));
}

// The program speaks Japanese whatever the desktop's language (these tests run in the C locale).
void ShellTest::standardButtonsReadJapanese() {
    if (!installQtJapanese(*qApp))
        QSKIP("Qt's Japanese catalogue (qt6-translations-l10n) is not installed");
    QMessageBox box(QMessageBox::Question, QStringLiteral("t"), QStringLiteral("q"),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QString texts = box.button(QMessageBox::Yes)->text() + box.button(QMessageBox::No)->text() +
                    box.button(QMessageBox::Cancel)->text();
    QCOMPARE(texts.remove(QLatin1Char('&')), QStringLiteral("はい(Y)いいえ(N)キャンセル"));
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

void ShellTest::everyWindowFitsTheScreen_data() {
    QTest::addColumn<QRect>("stored"); // every window's stored place; none when empty
    QTest::newRow("first start") << QRect();
    QTest::newRow("stored partly below and right of the screen") << QRect(900, 500, 1200, 900);
    QTest::newRow("stored above and left of the screen") << QRect(-700, -300, 1000, 700);
    QTest::newRow("stored larger than the screen") << QRect(0, 0, 3000, 2000);
}

// Each window, at its stored place or at its first, lies inside the 1366 x 768 screen the tests
// run on, even where its stored place does not.
void ShellTest::everyWindowFitsTheScreen() {
    QFETCH(QRect, stored);
    TempSettings temp;
    for (const char* section : {"TopWindow", "Search", "ParaCheck", "Damage", "DataView", "DataEdit", "Matrix"}) {
        temp.write(section, "show", 1);
        if (!stored.isNull())
            temp.writeRect(section, stored.left(), stored.top(), stored.right() + 1, stored.bottom() + 1);
    }
    TopWindow top(temp.settings());
    top.show();
    button(top.boxWindow(), "newButton")->click();
    button(top.boxWindow(), "matrixButton")->click();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(screen, QRect(0, 0, 1366, 768));
    const QWidget* windows[] = {&top,
                                top.searchWindow(),
                                top.detailWindow(),
                                top.ivJudgeWindow(),
                                top.boxWindow(),
                                top.editWindow(),
                                top.matrixWindow()};
    for (const QWidget* window : windows) {
        QVERIFY2(window->isVisible(), qPrintable(window->objectName()));
        QVERIFY2(screen.contains(window->geometry()),
                 qPrintable(window->objectName() + QStringLiteral(" at %1,%2 %3x%4")
                                                       .arg(window->x())
                                                       .arg(window->y())
                                                       .arg(window->width())
                                                       .arg(window->height())));
    }
}

QTEST_MAIN(ShellTest)
// Like the tools, the matrix window is open at the next start when it was open at the end, where
// it was left.
void ShellTest::theMatrixIsReopenedWhereItWas() {
    TempSettings temp;
    QRect place(40, 60, 900, 500);
    {
        TopWindow top(temp.settings());
        top.show();
        top.matrixWindow()->showTool(ShowCommand::Show);
        place.setSize(place.size().expandedTo(top.matrixWindow()->minimumSizeHint()));
        top.matrixWindow()->setGeometry(place);
    }
    QCOMPARE(temp.read("Matrix", "show"), 1);
    TopWindow next(temp.settings());
    next.show();
    QVERIFY(next.matrixWindow()->isVisible());
    QCOMPARE(next.matrixWindow()->geometry(), place);
    next.matrixWindow()->showTool(ShowCommand::Hide);
    next.reject();
    QCOMPARE(temp.read("Matrix", "show"), -9999); // closed, as by default: the key goes
}

// The species detail belongs to the search window and the edit form to the box window, so that a
// window manager keeps each in front of the window it was opened from.
void ShellTest::aWindowOpenedFromAnotherStaysInFrontOfIt() {
    TempSettings temp;
    TopWindow top(temp.settings());
    top.show();
    top.searchWindow()->bringForward();
    top.detailWindow()->showSpecies(0);
    QVERIFY(top.detailWindow()->isVisible());
    QCOMPARE(top.detailWindow()->windowHandle()->transientParent(), top.searchWindow()->windowHandle());
    QTest::mouseClick(top.boxWindow()->findChild<QPushButton*>(QStringLiteral("newButton")), Qt::LeftButton);
    QVERIFY(top.editWindow()->isVisible());
    QCOMPARE(top.editWindow()->windowHandle()->transientParent(), top.boxWindow()->windowHandle());
}

#include "shell_test.moc"
