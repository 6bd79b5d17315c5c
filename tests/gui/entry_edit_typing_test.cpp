// The entry edit form as a player types into it, with real key events: the stats row and the EVs
// left follow every field, full-width digits count, a name that cannot be stored as it reads is
// refused naming its characters, and "クリア" starts afresh.

#include "box/box.h"
#include "calc/stats.h"
#include "view/edit/entry_edit.h"

#include "gui_test_support.h"

#include "ui/edit/entry_edit_window.h"
#include "ui/session/box_document.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace rusrina;
using rusrina::test::ScriptedDialogs;
using rusrina::test::TempSettings;

namespace {

constexpr int kMew = 150;
constexpr int kSassy = 22; // なまいき: special defence up, speed down

struct Form {
    TempSettings temp;
    ScriptedDialogs dialogs;
    BoxDocument document{kDefaultBoxFileName};
    const Box& box = document.box();
    EntryEditWindow window{document, temp.settings()};

    Form() {
        window.openNew();
        window.showTool(ShowCommand::Show);
        window.activateWindow();
    }
    template <typename T> T* find(const QString& name) { return rusrina::test::child<T>(window, name); }
    QLineEdit* field(const char* stem, int stat) {
        return find<QLineEdit>(QString::fromLatin1(stem) + QString::number(stat));
    }
    QLineEdit* name() { return find<QLineEdit>(QStringLiteral("edit_name")); }
    QComboBox* combo(const char* name) { return find<QComboBox>(QString::fromLatin1(name)); }
    QString evsLeft() { return find<QLabel>(QStringLiteral("label_ev_left"))->text(); }
    QStringList stats() {
        QStringList texts;
        for (int stat = 0; stat < 6; ++stat)
            texts << field("edit_stat", stat)->text();
        return texts;
    }
    // Replaces a field's text by typing, one key event per character as an input method sends
    // them (full-width digits, an emoji).
    void type(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        for (char32_t c : text.toUcs4())
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
    }
    void chooseWithKey(const char* comboName, Qt::Key key) {
        QComboBox* c = combo(comboName);
        c->setFocus();
        QTest::keyClick(c, key);
    }
};

QStringList textsOf(const std::array<int, 6>& stats) {
    QStringList texts;
    for (int stat : stats)
        texts << QString::number(stat);
    return texts;
}

} // namespace

class EntryEditTypingTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void statsRowAndEvsLeftFollowTheFields();
    void fullWidthDigitsAreAccepted();
    void unstorableNamesAreRefused_data();
    void unstorableNamesAreRefused();
    void clearStartsAfreshButKeepsRuleAndLevel();
};

void EntryEditTypingTest::statsRowAndEvsLeftFollowTheFields() {
    Form f;
    f.combo("combo_species")->setCurrentIndex(f.combo("combo_species")->findText(QStringLiteral("ミュウ")));
    // From the first show the row holds the stats of what the fields say, not 5 each.
    QCOMPARE(f.stats(), textsOf(computeEntryStats(kMew, {}, {}, 1, 0)));
    QCOMPARE(f.evsLeft(), QStringLiteral("残り 510"));

    for (int stat = 0; stat < 6; ++stat)
        f.type(f.field("edit_iv", stat), QStringLiteral("31"));
    f.type(f.field("edit_ev", 1), QStringLiteral("252"));
    f.chooseWithKey("combo_level", Qt::Key_Down);
    f.combo("combo_nature")->setCurrentIndex(kSassy);
    const std::array<int, 6> ivs{31, 31, 31, 31, 31, 31};
    QCOMPARE(f.stats(), textsOf(computeEntryStats(kMew, ivs, {0, 252, 0, 0, 0, 0}, 2, kSassy)));
    QCOMPARE(f.evsLeft(), QStringLiteral("残り 258"));
    const QColor normal = f.find<QLabel>(QStringLiteral("label_ev_left"))->palette().color(QPalette::WindowText);

    // A field being typed leaves its stat open; the EVs over 510 show in red.
    f.type(f.field("edit_ev", 5), QStringLiteral("2"));
    QCOMPARE(f.evsLeft(), QStringLiteral("残り 256"));
    f.type(f.field("edit_iv", 0), QString());
    QCOMPARE(f.stats().first(), QStringLiteral("－"));
    f.type(f.field("edit_ev", 5), QStringLiteral("255"));
    f.type(f.field("edit_ev", 3), QStringLiteral("6"));
    QCOMPARE(f.evsLeft(), QStringLiteral("残り -3"));
    QCOMPARE(f.find<QLabel>(QStringLiteral("label_ev_left"))->palette().color(QPalette::WindowText), QColor(Qt::red));
    f.type(f.field("edit_ev", 3), QStringLiteral("3"));
    QCOMPARE(f.evsLeft(), QStringLiteral("残り 0"));
    QCOMPARE(f.find<QLabel>(QStringLiteral("label_ev_left"))->palette().color(QPalette::WindowText), normal);
}

void EntryEditTypingTest::fullWidthDigitsAreAccepted() {
    Form f;
    f.name()->setText(QStringLiteral("ぜん"));
    f.type(f.field("edit_iv", 0), QStringLiteral("１２"));
    f.type(f.field("edit_ev", 0), QStringLiteral("２５２"));
    QCOMPARE(f.stats().first(), QString::number(computeEntryStats(0, {12}, {252}, 1, 0)[0]));
    QCOMPARE(f.evsLeft(), QStringLiteral("残り 258"));
    f.dialogs.questionAnswers = {true};
    f.find<QPushButton>(QStringLiteral("button_register"))->click();
    QCOMPARE(f.box.count(), 1);
    QCOMPARE(f.box.entry(0).iv[0], 12);
    QCOMPARE(f.box.entry(0).ev[0], 252);
}

void EntryEditTypingTest::unstorableNamesAreRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pasted");   // a line break cannot be typed into the field, only pasted
    QTest::addColumn<QString>("named"); // the characters the message names
    QTest::newRow("emoji") << QStringLiteral("ガブ😀") << false << QStringLiteral("😀");
    QTest::newRow("trade mark and copyright") << QStringLiteral("ガブ™©") << false << QStringLiteral("™、©");
    QTest::newRow("pasted line break") << QStringLiteral("ガ\nブ") << true << QStringLiteral("改行");
}

void EntryEditTypingTest::unstorableNamesAreRefused() {
    QFETCH(QString, name);
    QFETCH(bool, pasted);
    QFETCH(QString, named);
    Form f;
    if (pasted) {
        QGuiApplication::clipboard()->setText(name);
        f.name()->setFocus();
        QTest::keyClick(f.name(), Qt::Key_V, Qt::ControlModifier);
    } else {
        f.type(f.name(), name);
    }
    QCOMPARE(f.name()->text(), name);
    f.field("edit_iv", 0)->setFocus(); // away from the name, as after filling the rest of the form
    f.find<QPushButton>(QStringLiteral("button_register"))->click();
    QCOMPARE(f.dialogs.asked.size(), 1);
    QCOMPARE(f.dialogs.asked[0].title, QStringLiteral("名前の文字"));
    QVERIFY2(f.dialogs.asked[0].text.startsWith(QStringLiteral("名前に使えない文字があります：") + named + "\n"),
             qPrintable(f.dialogs.asked[0].text));
    QCOMPARE(f.window.focusWidget(), f.name());
    QCOMPARE(f.box.count(), 0);
    QVERIFY(f.window.isVisible());
}

void EntryEditTypingTest::clearStartsAfreshButKeepsRuleAndLevel() {
    Form f;
    f.combo("combo_rule")->setCurrentIndex(2);
    f.combo("combo_level")->setCurrentIndex(41);
    const QString firstSpecies = f.combo("combo_species")->itemText(0);
    f.type(f.name(), QStringLiteral("途中"));
    f.combo("combo_species")->setCurrentIndex(5);
    f.combo("combo_nature")->setCurrentIndex(3);
    f.combo("combo_item")->setCurrentIndex(4);
    f.type(f.field("edit_iv", 1), QStringLiteral("x"));
    f.combo("combo_move1")->setCurrentIndex(2);
    f.find<QRadioButton>(QStringLiteral("radio_direct"))->click();

    f.find<QPushButton>(QStringLiteral("button_clear"))->click();
    QCOMPARE(f.name()->text(), QString());
    QCOMPARE(f.combo("combo_rule")->currentIndex(), 2);
    QCOMPARE(f.combo("combo_level")->currentIndex(), 41);
    QCOMPARE(f.combo("combo_species")->currentText(), firstSpecies);
    QCOMPARE(f.combo("combo_nature")->currentIndex(), 0);
    QCOMPARE(f.combo("combo_item")->currentIndex(), 0);
    QCOMPARE(f.combo("combo_move1")->currentText(), QStringLiteral(" 無指定"));
    QVERIFY(f.find<QRadioButton>(QStringLiteral("radio_ivev"))->isChecked());
    QCOMPARE(f.field("edit_iv", 1)->text(), QStringLiteral("0"));
    QCOMPARE(f.evsLeft(), QStringLiteral("残り 510"));
    const int species = f.combo("combo_species")->currentData().toInt();
    QCOMPARE(f.stats(), textsOf(computeEntryStats(species, {}, {}, 42, 0)));

    // What the field cannot hold is cut, and the line under the form says so.
    QTest::keyClicks(f.name(), QString(40, QLatin1Char('a')));
    QCOMPARE(f.name()->text(), QString(31, QLatin1Char('a')));
    QCOMPARE(f.find<QLabel>(QStringLiteral("label_status"))->text(), QString::fromUtf8(kNameCutText));
}

QTEST_MAIN(EntryEditTypingTest)
#include "entry_edit_typing_test.moc"
