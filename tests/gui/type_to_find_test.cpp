// The species and move choosers of every window find their entries by typed text: what a chooser
// does with each key, through one of the search window's move choosers, and that the long choosers
// of the other windows answer a typed name. The search's reaction to a typed move is in
// search_window_test.

#include "box_test_support.h"
#include "gui_test_support.h"

#include "app/top_window.h"
#include "box/box.h"
#include "data/moves.h"
#include "ui/box/box_window.h"
#include "ui/detail/detail_window.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/ivjudge/iv_judge_window.h"
#include "ui/search/search_window.h"
#include "ui/session/box_document.h"

#include <QAbstractItemView>
#include <QAction>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace rusrina;
using namespace rusrina::test::typing;
using rusrina::test::TempSettings;

namespace {

constexpr int kPikachu = 24;
constexpr int kEevee = 132;

BoxEntry pikachu() {
    return testing::EntryBuilder("Pika", kPikachu).nature(0).ability(0).item(0).evs({}).stats(100).noMoves();
}

QComboBox* chooser(QWidget* window, const char* name) {
    auto* c = window->findChild<QComboBox*>(QString::fromLatin1(name));
    if (!c)
        qFatal("no chooser %s", name);
    return c;
}

} // namespace

class TypeToFindTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void typingAloneNeverChangesTheChoice();
    void windowShortcutsReachTheWindowUnlessTyping();
    void everyLongChooserFindsByTyping_data();
    void everyLongChooserFindsByTyping();
    void aSlipOffersTheNearestNames();
};

// Escape, Enter on text that finds nothing, and leaving the chooser all keep the move chosen
// before, and the window hears of no change; a click in the list of what was found picks.
void TypeToFindTest::typingAloneNeverChangesTheChoice() {
    TempSettings temp;
    SearchWindow window(temp.settings());
    window.showTool(ShowCommand::Show);
    QComboBox* move = chooser(&window, "combo_wn1");
    move->setCurrentIndex(move->findText(QStringLiteral("じしん")));
    const QSignalSpy changes(move, &QComboBox::currentIndexChanged);
    const auto typeThen = [&](const QString& typed, Qt::Key key) {
        clickIntoChooser(move);
        typeKeys(move, typed);
        pressKey(move, key);
        QCOMPARE(chosen(move), QStringLiteral("じしん"));
        QCOMPARE(move->lineEdit()->text(), QStringLiteral("じしん"));
        QCOMPARE(changes.count(), 0);
    };
    typeThen(QStringLiteral("ふぶき"), Qt::Key_Escape);
    typeThen(QStringLiteral("ｘｙｚｚｙ"), Qt::Key_Return);
    typeThen(QStringLiteral("zzzz"), Qt::Key_Tab);

    clickIntoChooser(move);
    typeKeys(move, QStringLiteral("Blizz"));
    const auto* popup = qobject_cast<QAbstractItemView*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QCOMPARE(popup->model()->rowCount(), 1); // "Blizzard" is ふぶき's English name
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(popup->model()->index(0, 0)).center());
    QCOMPARE(chosen(move), QStringLiteral("ふぶき"));
    QCOMPARE(changes.count(), 1);
}

using OpenWindow = std::function<QWidget*(TopWindow&)>;
Q_DECLARE_METATYPE(OpenWindow)

// Ctrl+Z in a chooser that shows its choice is the window's (the box window takes a step back);
// while the user types, it takes the typing back.
void TypeToFindTest::windowShortcutsReachTheWindowUnlessTyping() {
    TempSettings temp;
    SearchWindow window(temp.settings());
    window.showTool(ShowCommand::Show);
    auto* undo = new QAction(&window);
    undo->setShortcuts(QKeySequence::Undo);
    window.addAction(undo);
    const QSignalSpy triggered(undo, &QAction::triggered);
    QComboBox* move = chooser(&window, "combo_wn1");
    clickIntoChooser(move);
    QTest::keyClick(move, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(triggered.count(), 1);
    typeKeys(move, QStringLiteral("ab"));
    QTest::keyClick(keyTarget(move), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(triggered.count(), 1);
    QVERIFY(move->lineEdit()->text() != QStringLiteral("ab"));
}

void TypeToFindTest::everyLongChooserFindsByTyping_data() {
    QTest::addColumn<OpenWindow>("open");
    QTest::addColumn<QString>("chooser");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    const OpenWindow ivJudge = [](TopWindow& top) { return top.ivJudgeWindow(); };
    const OpenWindow edit = [](TopWindow& top) {
        QTest::mouseClick(top.boxWindow()->findChild<QPushButton*>(QStringLiteral("newButton")), Qt::LeftButton);
        return top.editWindow();
    };
    const OpenWindow detail = [](TopWindow& top) {
        top.detailWindow()->showSpecies(kEevee);
        return top.detailWindow();
    };
    const OpenWindow box = [](TopWindow& top) {
        BoxDocument* document = top.boxDocument();
        if (!document->registerEntry(-1, pikachu()).ok())
            qFatal("the box is full");
        document->setAttacker(0);
        return top.boxWindow();
    };
    QTest::newRow("IV judge species") << ivJudge << "combo_vant"
                                      << "garchomp"
                                      << "ガブリアス";
    QTest::newRow("entry species") << edit << "combo_species"
                                   << "ガブリ"
                                   << "ガブリアス";
    QTest::newRow("entry move") << edit << "combo_move3"
                                << "ソーラー"
                                << "ソーラービーム";
    QTest::newRow("evolutions") << detail << "combo_evo"
                                << "vapor"
                                << " シャワーズ";
    QTest::newRow("learnable moves") << box << "learnableMoveCombo"
                                     << "thunderb"
                                     << "１０まんボルト";
}

void TypeToFindTest::everyLongChooserFindsByTyping() {
    QFETCH(OpenWindow, open);
    QFETCH(QString, chooser);
    QFETCH(QString, typed);
    QFETCH(QString, found);
    TempSettings temp;
    TopWindow top(temp.settings());
    top.show();
    QWidget* window = open(top);
    static_cast<ToolWindow*>(window)->bringForward();
    QComboBox* c = ::chooser(window, qPrintable(chooser));
    findByTyping(c, typed);
    QCOMPARE(chosen(c), found);
}

// Text that finds nothing but lies a slip away from names offers them, in the list and in words;
// Enter picks the first.
void TypeToFindTest::aSlipOffersTheNearestNames() {
    TempSettings temp;
    IvJudgeWindow window(temp.settings());
    window.showTool(ShowCommand::Show);
    QComboBox* species = chooser(&window, "combo_vant");
    clickIntoChooser(species);
    typeKeys(species, QStringLiteral("garchmp"));
    const auto* popup = qobject_cast<QAbstractItemView*>(QApplication::activePopupWidget());
    QVERIFY(popup);
    QCOMPARE(popup->model()->rowCount(), 1);
    QCOMPARE(species->lineEdit()->toolTip(), QStringLiteral("もしかして：ガブリアス"));
    pressKey(species, Qt::Key_Return);
    QCOMPARE(chosen(species), QStringLiteral("ガブリアス"));
    QCOMPARE(species->lineEdit()->toolTip(), QString());
}

QTEST_MAIN(TypeToFindTest)
#include "type_to_find_test.moc"
