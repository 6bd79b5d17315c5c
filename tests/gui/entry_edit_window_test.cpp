// The box entry edit window driven through its real widgets.

#include "box/box.h"

#include "gui_test_support.h"

#include "calc/stats.h"
#include "data/battle_rules.h"
#include "data/held_items.h"
#include "ui/edit/entry_edit_window.h"
#include "ui/session/box_document.h"
#include "view/edit/entry_edit.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include <QFile>

#include <cstring>
#include <functional>
#include <memory>

using namespace rusrina;
using rusrina::test::ScriptedDialogs;
using rusrina::test::TempSettings;

namespace {

constexpr int kMewtwo = 149;
constexpr int kMew = 150;
constexpr int kShedinja = 291;
constexpr int kThunderPunch = 8;
constexpr int kThunder = 86;

// One window over its own box document and settings, with the dialogs answered by the test.
struct Fixture {
    TempSettings temp;
    ScriptedDialogs dialogs;
    BoxDocument document{kDefaultBoxFileName};
    const Box& box = document.box();
    std::unique_ptr<EntryEditWindow> window;
    std::unique_ptr<QSignalSpy> registered;

    Fixture() { open(); }
    void open() {
        window = std::make_unique<EntryEditWindow>(document, temp.settings());
        registered = std::make_unique<QSignalSpy>(window.get(), &EntryEditWindow::entryRegistered);
    }
    // An entry in the box before the test's own registrations.
    StoreResult add(const BoxEntry& entry) { return document.registerEntry(-1, entry); }

    template <typename T> T* find(const QString& name) const { return rusrina::test::child<T>(*window, name); }
    QComboBox* combo(const QString& name) const { return find<QComboBox>(name); }
    QLineEdit* field(const QString& name) const { return find<QLineEdit>(name); }
    QLineEdit* iv(int stat) const { return field(QStringLiteral("edit_iv%1").arg(stat)); }
    QLineEdit* ev(int stat) const { return field(QStringLiteral("edit_ev%1").arg(stat)); }
    QLineEdit* stat(int stat) const { return field(QStringLiteral("edit_stat%1").arg(stat)); }
    QComboBox* moveCombo(int slot) const { return combo(QStringLiteral("combo_move%1").arg(slot)); }
    QComboBox* typeCombo(int slot) const { return combo(QStringLiteral("combo_type%1").arg(slot)); }

    // Picks a row as a user would (the preset listens to the user's pick only).
    void choose(const QString& name, int row) const {
        QComboBox* c = combo(name);
        c->setCurrentIndex(row);
        Q_EMIT c->activated(row);
    }
    void chooseText(const QString& name, const QString& text) const {
        const int row = combo(name)->findText(text, Qt::MatchExactly);
        if (row < 0)
            qFatal("no row %s in %s", qPrintable(text), qPrintable(name));
        choose(name, row);
    }
    void setRow(QLineEdit* const (&fields)[6], const std::array<int, 6>& values) const {
        for (int i = 0; i < 6; ++i)
            fields[i]->setText(QString::number(values[i]));
    }
    void setIvs(const std::array<int, 6>& v) const { setRow({iv(0), iv(1), iv(2), iv(3), iv(4), iv(5)}, v); }
    void setEvs(const std::array<int, 6>& v) const { setRow({ev(0), ev(1), ev(2), ev(3), ev(4), ev(5)}, v); }
    void setStats(const std::array<int, 6>& v) const {
        setRow({stat(0), stat(1), stat(2), stat(3), stat(4), stat(5)}, v);
    }
    QStringList statTexts() const {
        QStringList texts;
        for (int i = 0; i < 6; ++i)
            texts << stat(i)->text();
        return texts;
    }
    void setDirect(bool direct) const {
        find<QRadioButton>(direct ? QStringLiteral("radio_direct") : QStringLiteral("radio_ivev"))->click();
    }
    void clickRegister() const { find<QPushButton>(QStringLiteral("button_register"))->click(); }

    // A ミュウ at level 50, さみしがり, IVs 31, EVs 252/252/6/0/0/0, かみなり in slot 2.
    // ミュウ, or another species that learns かみなり.
    void fillMew(const char* name = "みゅう", const char* species = "ミュウ") const {
        field(QStringLiteral("edit_name"))->setText(QString::fromUtf8(name));
        chooseText(QStringLiteral("combo_species"), QString::fromUtf8(species));
        choose(QStringLiteral("combo_level"), 49);
        choose(QStringLiteral("combo_nature"), 0);
        setIvs({31, 31, 31, 31, 31, 31});
        setEvs({252, 252, 6, 0, 0, 0});
        QComboBox* move = moveCombo(2);
        move->setCurrentIndex(move->findText(QStringLiteral("かみなり"), Qt::MatchExactly));
    }
};

BoxEntry storedEntry(const char* name, int species, std::array<int, 4> moves, bool direct = false) {
    EntryForm form;
    form.name = name;
    form.species = species;
    form.level = 42;
    form.nature = 7;
    form.ability = abilityChoices(species).back().value;
    form.item = 3;
    form.statsDirect = direct;
    form.iv = {1, 2, 3, 4, 5, 6};
    form.ev = {10, 20, 30, 40, 50, 60};
    form.stat = {101, 102, 103, 104, 105, 106};
    form.move = moves;
    return entryFromForm(form);
}

QStringList statTextsOf(const std::array<int, 6>& stats) {
    QStringList texts;
    for (int stat : stats)
        texts << QString::number(stat);
    return texts;
}

bool sameBytes(const BoxEntry& a, const BoxEntry& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The valid records of a box-file fuzz seed, every `step`-th one.
std::vector<BoxEntry> seedEntries(const char* file, int step) {
    QFile seed(QStringLiteral(RUSRINA_FUZZ_CORPUS_DIR "/box_file/") + QString::fromLatin1(file));
    if (!seed.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", file);
    const QByteArray bytes = seed.readAll();
    std::vector<BoxEntry> entries;
    for (qsizetype at = 0; at + qsizetype(sizeof(BoxEntry)) <= bytes.size(); at += step * sizeof(BoxEntry)) {
        BoxEntry entry;
        std::memcpy(&entry, bytes.constData() + at, sizeof entry);
        if (entry.inUse() && isValidEntry(entry))
            entries.push_back(entry);
    }
    return entries;
}

} // namespace

using Spoil = std::function<void(const Fixture&)>;
Q_DECLARE_METATYPE(Spoil)

class EntryEditWindowTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { rusrina::test::quietOffscreenWarnings(); }
    void settingsReadAndWritten_data();
    void settingsReadAndWritten();
    void registersNewEntryInBothModes_data();
    void registersNewEntryInBothModes();
    void confirmationNoKeepsEverything();
    void refusalsKeepEntryAndFocus_data();
    void refusalsKeepEntryAndFocus();
    void shedinjaStoresHpOne_data();
    void shedinjaStoresHpOne();
    void ruleSetsLevelAndSpecies_data();
    void ruleSetsLevelAndSpecies();
    void tutorSeparatorBeforeCutOff_data();
    void tutorSeparatorBeforeCutOff();
    void typeFilterAndInfoCells();
    void fillFromEntryMatchesNamesExactly();
    void untouchedEditKeepsEveryByte();
    void wholeSetFieldsRegisteredAndShownAgain();
    void storedValuesAreMarked();
    void fillFromFreeSlotKeepsForm();
    void editOverwritesInPlace();
    void presetsAndSixV();
    void nameFieldFitsThirtyOneBytes();
    void fullBoxRefusesNewEntry();
};

void EntryEditWindowTest::settingsReadAndWritten_data() {
    QTest::addColumn<int>("storedRule");
    QTest::addColumn<int>("storedLevel");
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("level"); // the level shown
    QTest::newRow("defaults") << -9999 << -9999 << 0 << 1;
    QTest::newRow("stored") << 2 << 41 << 2 << 42;
    QTest::newRow("outside the lists") << 9 << 100 << 0 << 1;
    QTest::newRow("negative") << -1 << -1 << 0 << 1;
    QTest::newRow("arena rule wins over the stored level") << 3 << 10 << 3 << 50;
}

void EntryEditWindowTest::settingsReadAndWritten() {
    QFETCH(int, storedRule);
    QFETCH(int, storedLevel);
    QFETCH(int, rule);
    QFETCH(int, level);
    Fixture f;
    if (storedRule != -9999)
        f.temp.write("DataEdit", "rule", storedRule);
    if (storedLevel != -9999)
        f.temp.write("DataEdit", "level", storedLevel);
    f.open();
    QCOMPARE(f.combo("combo_rule")->currentIndex(), rule);
    QCOMPARE(f.combo("combo_level")->currentText(), QString::number(level));
    QCOMPARE(f.combo("combo_preset")->currentText(), QStringLiteral(" 手動入力"));
    QCOMPARE(f.combo("combo_species")->currentData().toInt(), speciesChoices(rule).front().value);

    f.choose("combo_rule", 6);
    f.choose("combo_level", 76);
    f.window.reset();
    QCOMPARE(f.temp.read("DataEdit", "rule"), 6);
    QCOMPARE(f.temp.read("DataEdit", "level"), 76);
}

void EntryEditWindowTest::registersNewEntryInBothModes_data() {
    QTest::addColumn<bool>("direct");
    QTest::addColumn<QList<int>>("stats");
    // Computed for ミュウ (base 100), level 50, さみしがり, IVs 31, EVs 252/252/6.
    QTest::newRow("from IVs and EVs") << false << QList<int>{207, 167, 108, 120, 120, 120};
    // EVs over 510 do not matter when the stats are typed in.
    QTest::newRow("typed in") << true << QList<int>{300, 200, 150, 140, 130, 120};
}

void EntryEditWindowTest::registersNewEntryInBothModes() {
    QFETCH(bool, direct);
    QFETCH(QList<int>, stats);
    Fixture f;
    f.add(storedEntry("先客", 0, {NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE}));
    f.window->openNew();
    f.window->showTool(ShowCommand::Show);
    f.fillMew();
    f.choose("combo_item", 16);
    if (direct) {
        f.setDirect(true);
        f.setEvs({252, 252, 6, 0, 0, 1});
        f.setStats({300, 200, 150, 140, 130, 120});
        // A field this mode does not use cannot take the focus, so it does not stop registration.
        f.iv(3)->setText("abc");
    }
    f.dialogs.questionAnswers = {true};
    f.clickRegister();

    QCOMPARE(f.box.count(), 2);
    QCOMPARE(f.registered->size(), 1);
    QCOMPARE(f.registered->at(0).at(0).toInt(), 1);
    QVERIFY(!f.window->isVisible());
    if (direct) {
        QVERIFY(f.dialogs.asked.isEmpty());
    } else {
        QCOMPARE(f.dialogs.asked.size(), 1);
        QCOMPARE(f.dialogs.asked[0].title, QStringLiteral("パラメータ確認"));
        QCOMPARE(f.dialogs.asked[0].text, QStringLiteral("HP 207:攻撃 167:防御 108:特攻 120:特防 120:素早 120\n"
                                                         "これでいいですか？"));
    }
    const BoxEntry& e = f.box.entry(1);
    QCOMPARE(entryNameUtf8(e), std::string("みゅう"));
    QCOMPARE(e.species, kMew);
    QCOMPARE(e.level, 50);
    QCOMPARE(e.nature, 0);
    QCOMPARE(e.ability, 39);
    QCOMPARE(e.item, 16);
    QCOMPARE(e.statsDirect, direct ? 1 : 0);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(e.iv[i], direct && i == 3 ? 0 : 31);
        QCOMPARE(e.stat[i], stats[i]);
        QCOMPARE(f.stat(i)->text(), QString::number(stats[i]));
    }
    QCOMPARE(e.ev[5], direct ? 1 : 0);
    QCOMPARE(e.move[0], NO_MOVE);
    QCOMPARE(e.move[1], kThunder);
}

void EntryEditWindowTest::confirmationNoKeepsEverything() {
    Fixture f;
    f.window->openNew();
    f.window->showTool(ShowCommand::Show);
    f.fillMew();
    f.setStats({11, 22, 33, 44, 55, 66});
    f.dialogs.questionAnswers = {false};
    f.clickRegister();
    QCOMPARE(f.dialogs.asked.size(), 1);
    QCOMPARE(f.box.count(), 0);
    QCOMPARE(f.registered->size(), 0);
    QVERIFY(f.window->isVisible());
    QCOMPARE(f.statTexts(), (QStringList{"11", "22", "33", "44", "55", "66"}));
}

void EntryEditWindowTest::refusalsKeepEntryAndFocus_data() {
    QTest::addColumn<Spoil>("spoil");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("focus"); // the field that gets the focus, if any
    const QString range255 = QStringLiteral("0 から 255 までの整数を入力してください。");
    QTest::newRow("EVs over 510") << Spoil([](const Fixture& f) {
        f.setEvs({252, 252, 6, 0, 0, 1});
    }) << "パラメータ異常"
                                  << "努力値が多すぎます"
                                  << "";
    QTest::newRow("empty name") << Spoil([](const Fixture& f) { f.field("edit_name")->clear(); }) << "入力不足"
                                << "名前を入力してください"
                                << "edit_name";
    QTest::newRow("IV not a number") << Spoil([](const Fixture& f) { f.iv(2)->setText("abc"); }) << ""
                                     << "整数を入力してください。"
                                     << "edit_iv2";
    QTest::newRow("IV over 255") << Spoil([](const Fixture& f) { f.iv(5)->setText("256"); }) << "" << range255
                                 << "edit_iv5";
    QTest::newRow("EV below 0") << Spoil([](const Fixture& f) { f.ev(1)->setText("-4"); }) << "" << range255
                                << "edit_ev1";
    QTest::newRow("empty EV") << Spoil([](const Fixture& f) { f.ev(0)->clear(); }) << ""
                              << "整数を入力してください。"
                              << "edit_ev0";
    QTest::newRow("typed stat 0") << Spoil([](const Fixture& f) {
        f.setDirect(true);
        f.stat(3)->setText("0");
    }) << ""
                                  << "1 から 999 までの整数を入力してください。"
                                  << "edit_stat3";
    QTest::newRow("typed stat 1000") << Spoil([](const Fixture& f) {
        f.setDirect(true);
        f.stat(0)->setText("1000");
    }) << ""
                                     << "1 から 999 までの整数を入力してください。"
                                     << "edit_stat0";
}

void EntryEditWindowTest::refusalsKeepEntryAndFocus() {
    QFETCH(Spoil, spoil);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, focus);
    Fixture f;
    const BoxEntry before = storedEntry("いる", kMewtwo, {0, 1, 2, 3});
    f.add(before);
    f.window->fillFromEntry(0);
    f.window->showTool(ShowCommand::Show);
    f.fillMew();
    spoil(f);
    f.dialogs.questionAnswers = {true};
    f.clickRegister();

    QCOMPARE(f.dialogs.asked.size(), 1);
    QCOMPARE(f.dialogs.asked[0].kind, QStringLiteral("message"));
    QCOMPARE(f.dialogs.asked[0].title, title);
    QCOMPARE(f.dialogs.asked[0].text, text);
    if (!focus.isEmpty())
        QCOMPARE(f.window->focusWidget()->objectName(), focus);
    QVERIFY(sameBytes(f.box.entry(0), before));
    QCOMPARE(f.box.count(), 1);
    QCOMPARE(f.registered->size(), 0);
    QVERIFY(f.window->isVisible());
}

void EntryEditWindowTest::shedinjaStoresHpOne_data() {
    QTest::addColumn<bool>("direct");
    QTest::newRow("from IVs and EVs") << false;
    QTest::newRow("typed in") << true;
}

void EntryEditWindowTest::shedinjaStoresHpOne() {
    QFETCH(bool, direct);
    Fixture f;
    f.window->openNew();
    f.field("edit_name")->setText("ぬけ");
    f.chooseText("combo_species", "ヌケニン");
    f.setDirect(direct);
    f.setStats({250, 10, 10, 10, 10, 10});
    f.dialogs.questionAnswers = {true};
    f.clickRegister();
    QCOMPARE(f.box.count(), 1);
    QCOMPARE(f.box.entry(0).species, kShedinja);
    QCOMPARE(f.box.entry(0).stat[0], 1);
    QCOMPARE(f.stat(0)->text(), QStringLiteral("1"));
    if (!direct)
        QVERIFY(f.dialogs.asked[0].text.startsWith(QStringLiteral("HP 1:")));
}

void EntryEditWindowTest::ruleSetsLevelAndSpecies_data() {
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("level");
    QTest::newRow("unrestricted keeps the level") << int(kRuleUnrestricted) << 77;
    QTest::newRow("final stage keeps the level") << int(kRuleFinalStage) << 77;
    QTest::newRow("ギルダ闘技場") << int(kRuleGilda) << 50;
    QTest::newRow("ラフィネ園") << int(kRuleRaffine) << 30;
    QTest::newRow("ザイレム") << int(kRuleXyrem) << 77;
}

void EntryEditWindowTest::ruleSetsLevelAndSpecies() {
    QFETCH(int, rule);
    QFETCH(int, level);
    Fixture f;
    f.choose("combo_rule", 8); // start from a rule whose list differs from every other
    f.choose("combo_level", 76);
    f.typeCombo(1)->setCurrentIndex(3);
    f.choose("combo_rule", rule);
    QCOMPARE(f.combo("combo_level")->currentText(), QString::number(level));
    QComboBox* species = f.combo("combo_species");
    const std::vector<ListChoice> expected = speciesChoices(rule);
    QCOMPARE(species->count(), static_cast<int>(expected.size()));
    QCOMPARE(species->currentIndex(), 0);
    QCOMPARE(species->itemData(species->count() - 1).toInt(), expected.back().value);
    QCOMPARE(f.typeCombo(1)->currentIndex(), 0);
    QCOMPARE(f.moveCombo(1)->count(), static_cast<int>(moveChoices(expected.front().value, 0).size()));
}

void EntryEditWindowTest::tutorSeparatorBeforeCutOff_data() {
    QTest::addColumn<QString>("species");
    QTest::addColumn<bool>("separator");
    QTest::newRow("388 デオキシス（スピード）") << "デオキシス（スピード）" << true;
    QTest::newRow("389 ナエトル") << "ナエトル" << false;
}

void EntryEditWindowTest::tutorSeparatorBeforeCutOff() {
    QFETCH(QString, species);
    QFETCH(bool, separator);
    Fixture f;
    f.chooseText("combo_species", species);
    for (int slot = 1; slot <= 4; ++slot) {
        QComboBox* moves = f.moveCombo(slot);
        QCOMPARE(moves->currentText(), QStringLiteral(" 無指定"));
        const int row = moves->findText(QStringLiteral("― Op 教え技 ―"), Qt::MatchExactly);
        QCOMPARE(row >= 0, separator);
        QCOMPARE(moves->findText(QStringLiteral("―タマゴうみ"), Qt::MatchExactly) > row, separator);
        if (separator)
            QCOMPARE(moves->itemData(row).toInt(), NO_MOVE);
    }
}

void EntryEditWindowTest::typeFilterAndInfoCells() {
    Fixture f;
    f.chooseText("combo_species", "ミュウ");
    QComboBox* type = f.typeCombo(3);
    QComboBox* moves = f.moveCombo(3);
    const int before = f.moveCombo(2)->count();
    type->setCurrentIndex(type->findText("でんき"));
    QVERIFY(moves->count() < before);
    QCOMPARE(f.moveCombo(2)->count(), before);
    QCOMPARE(moves->currentIndex(), 0);
    for (int row = 1; row < moves->count(); ++row) {
        const int move = moves->itemData(row).toInt();
        if (move != NO_MOVE)
            QCOMPARE(moveRecord(move).type, 13);
    }
    // The tutor rows follow the filter too: かみなりパンチ is the only electric one.
    QVERIFY(moves->findText("―かみなりパンチ") > 0);
    QCOMPARE(moves->findText("―ほのおのパンチ"), -1);

    auto cells = [&] {
        QStringList texts;
        for (const char* cell : {"power", "accuracy", "pp", "category", "target"})
            texts << f.find<QLabel>(QStringLiteral("label_3_") + cell)->text();
        return texts;
    };
    QCOMPARE(cells(), (QStringList{" - ", " - ", " - ", " - ", " - "}));
    moves->setCurrentIndex(moves->findText("かみなり", Qt::MatchExactly));
    QCOMPARE(cells(), (QStringList{"120", "70", "10", "特殊", "通常"}));
    moves->setCurrentIndex(moves->findText("― Op 教え技 ―"));
    QCOMPARE(cells(), (QStringList{" - ", " - ", " - ", " - ", " - "}));
}

void EntryEditWindowTest::fillFromEntryMatchesNamesExactly() {
    Fixture f;
    f.add(storedEntry("みゅう", kMew, {kThunder, kThunderPunch, NO_MOVE, 134}, true));
    f.choose("combo_rule", kRuleGilda); // ミュウ is not on this rule's list
    f.choose("combo_preset", 3);
    f.setDirect(false);
    f.window->fillFromEntry(0);

    QCOMPARE(f.combo("combo_rule")->currentIndex(), 0);
    QCOMPARE(f.combo("combo_preset")->currentIndex(), 0);
    QCOMPARE(f.field("edit_name")->text(), QStringLiteral("みゅう"));
    QCOMPARE(f.combo("combo_species")->currentText(), QStringLiteral("ミュウ"));
    QCOMPARE(f.combo("combo_species")->currentData().toInt(), kMew);
    QCOMPARE(f.combo("combo_level")->currentText(), QStringLiteral("42"));
    QCOMPARE(f.combo("combo_nature")->currentIndex(), 7);
    QCOMPARE(f.combo("combo_item")->currentIndex(), 3);
    QCOMPARE(f.combo("combo_ability")->currentData().toInt(), 39);
    QVERIFY(f.find<QRadioButton>("radio_direct")->isChecked());
    QVERIFY(f.stat(0)->isEnabled());
    QVERIFY(!f.iv(0)->isEnabled());
    QCOMPARE(f.iv(5)->text(), QStringLiteral("6"));
    QCOMPARE(f.ev(0)->text(), QStringLiteral("10"));
    QCOMPARE(f.statTexts(), (QStringList{"101", "102", "103", "104", "105", "106"}));

    // Each slot's filter is its move's type; the move is matched by its whole name.
    QCOMPARE(f.typeCombo(1)->currentText(), QStringLiteral("でんき"));
    QCOMPARE(f.moveCombo(1)->currentText(), QStringLiteral("かみなり"));
    QCOMPARE(f.moveCombo(1)->currentData().toInt(), kThunder);
    QCOMPARE(f.moveCombo(2)->currentText(), QStringLiteral("かみなりパンチ"));
    QCOMPARE(f.typeCombo(3)->currentText(), QStringLiteral(" 無指定"));
    QCOMPARE(f.moveCombo(3)->currentText(), QStringLiteral(" 無指定"));
    QCOMPARE(f.typeCombo(4)->currentText(), QStringLiteral("ノーマル"));
    QCOMPARE(f.find<QLabel>("label_1_power")->text(), QStringLiteral("120"));
    QCOMPARE(f.find<QLabel>("label_3_power")->text(), QStringLiteral(" - "));

    // Registering unchanged (direct mode: no confirmation) writes the same entry back.
    const BoxEntry before = f.box.entry(0);
    f.window->showTool(ShowCommand::Show);
    f.clickRegister();
    QVERIFY(f.dialogs.asked.isEmpty());
    const int tutorOrLearnt = f.box.entry(0).move[3];
    QCOMPARE(tutorOrLearnt, 134);
    QVERIFY(sameBytes(f.box.entry(0), before));

    // ミュウツー is matched as itself too.
    f.add(storedEntry("つー", kMewtwo, {NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE}));
    f.window->fillFromEntry(1);
    QCOMPARE(f.combo("combo_species")->currentData().toInt(), kMewtwo);
}

// 登録 without a change writes back all 144 bytes of entries from hostile files: names that are
// not Shift-JIS, abilities and moves outside the lists, stats that do not follow from the IVs.
void EntryEditWindowTest::untouchedEditKeepsEveryByte() {
    Fixture f;
    std::vector<BoxEntry> entries = seedEntries("box_mixed.vbd", 1);
    for (const BoxEntry& entry : seedEntries("full.vbd", 61))
        entries.push_back(entry);
    std::memcpy(entries[5].name, "\x87\x90\x81\0pad", 8); // ≒ of the NEC row, a lone lead byte, padding
    std::memcpy(entries[6].name, "a\tb\r\n\x7f", 7);      // control characters, the old name behind
    for (const BoxEntry& entry : entries)
        QVERIFY(f.add(entry).ok());
    f.dialogs.questionAnswers = QList<bool>(f.box.count(), true);
    for (int slot = 0; slot < f.box.count(); ++slot) {
        const BoxEntry before = f.box.entry(slot);
        f.window->fillFromEntry(slot);
        f.window->showTool(ShowCommand::Show);
        f.clickRegister();
        QVERIFY2(sameBytes(f.box.entry(slot), before), qPrintable(QString::number(slot)));
    }
    QCOMPARE(f.registered->size(), f.box.count());
    QCOMPARE(f.box.count(), static_cast<int>(entries.size()));
}

// Every held item, gender, happiness and shiny go into the box beside the record, show again when
// the entry is opened, and an untouched edit keeps them; a happiness outside 0..255 is refused.
void EntryEditWindowTest::wholeSetFieldsRegisteredAndShownAgain() {
    Fixture f;
    f.window->openNew();
    f.window->showTool(ShowCommand::Show);
    f.fillMew("ぴかちゅう", "ピカチュウ"); // ミュウ has no gender to choose
    const int leftovers = findHeldItem("Leftovers");
    f.choose("combo_item", f.combo("combo_item")->findData(kHeldItemChoiceBase + leftovers));
    f.choose("combo_gender", 2);
    f.field("edit_happiness")->setText(QStringLiteral("256"));
    f.find<QCheckBox>("check_shiny")->setChecked(true);
    f.clickRegister();
    QCOMPARE(f.box.count(), 0);
    QCOMPARE(f.dialogs.asked.size(), 1);
    QCOMPARE(f.window->focusWidget()->objectName(), QStringLiteral("edit_happiness"));

    f.field("edit_happiness")->setText(QStringLiteral("０"));
    f.dialogs.questionAnswers = {true, true};
    f.clickRegister();
    QCOMPARE(f.box.count(), 1);
    QCOMPARE(heldItemOf(f.box.entry(0), f.box.extra(0)), leftovers);
    QCOMPARE(f.box.entry(0).item, 0); // the row that stands for it
    QVERIFY(f.box.extra(0).gender == Gender::Female && f.box.extra(0).happiness == 0 && f.box.extra(0).shiny);

    f.find<QPushButton>(QStringLiteral("button_clear"))->click();
    QCOMPARE(f.field("edit_happiness")->text(), QStringLiteral("255"));
    f.window->fillFromEntry(0);
    QCOMPARE(f.combo("combo_item")->currentText(), QStringLiteral("たべのこし"));
    QCOMPARE(f.combo("combo_gender")->currentText(), QStringLiteral("♀"));
    QCOMPARE(f.field("edit_happiness")->text(), QStringLiteral("0"));
    QVERIFY(f.find<QCheckBox>("check_shiny")->isChecked());
    const BoxEntry before = f.box.entry(0);
    const EntryExtra extraBefore = f.box.extra(0);
    f.window->showTool(ShowCommand::Show);
    f.clickRegister();
    QVERIFY(sameBytes(f.box.entry(0), before));
    QVERIFY(f.box.extra(0) == extraBefore);
}

void EntryEditWindowTest::storedValuesAreMarked() {
    Fixture f;
    BoxEntry stored = storedEntry("x", kMew, {kThunder, 343, NO_MOVE, NO_MOVE}); // ボルテッカー: not ミュウ's
    std::memcpy(stored.name, "\x82\xa0\xff", 4);
    stored.ability = 55; // ちからもち
    f.add(stored);
    f.window->fillFromEntry(0);
    QVERIFY(f.find<QLabel>("label_name_stored")->isVisibleTo(f.window.get()));
    QCOMPARE(f.combo("combo_ability")->currentText(), QStringLiteral("（登録値）ちからもち"));
    QCOMPARE(f.moveCombo(2)->currentText(), QStringLiteral("（登録値）ボルテッカー"));
    QCOMPARE(f.moveCombo(2)->currentData().toInt(), 343);
    QCOMPARE(f.find<QLabel>("label_2_power")->text(), QStringLiteral("120"));

    // A new name replaces the bytes; the stored ability stays on offer after a species change.
    f.window->showTool(ShowCommand::Show);
    QLineEdit* name = f.field("edit_name");
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("ab"));
    QVERIFY(!f.find<QLabel>("label_name_stored")->isVisibleTo(f.window.get()));
    f.chooseText("combo_species", "ミュウツー");
    QCOMPARE(f.combo("combo_ability")->itemText(f.combo("combo_ability")->count() - 1),
             QStringLiteral("（登録値）ちからもち"));
    f.dialogs.questionAnswers = {true};
    f.clickRegister();
    const BoxEntry& written = f.box.entry(0);
    QCOMPARE(std::string(written.name, sizeof written.name), std::string("ab") + std::string(30, '\0'));
    QCOMPARE(written.species, kMewtwo);
    QCOMPARE(written.ability, abilityChoices(kMewtwo).front().value);
}

void EntryEditWindowTest::fillFromFreeSlotKeepsForm() {
    Fixture f;
    f.add(storedEntry("いる", kMewtwo, {0, 1, 2, 3}));
    f.fillMew("途中");
    f.choose("combo_preset", 2);
    f.window->fillFromEntry(1);
    QCOMPARE(f.combo("combo_preset")->currentIndex(), 0);
    QCOMPARE(f.field("edit_name")->text(), QStringLiteral("途中"));
    QCOMPARE(f.combo("combo_species")->currentText(), QStringLiteral("ミュウ"));
    QCOMPARE(f.moveCombo(2)->currentText(), QStringLiteral("かみなり"));

    // The next registration is a new entry, not an overwrite of slot 0.
    f.dialogs.questionAnswers = {true};
    f.clickRegister();
    QCOMPARE(f.box.count(), 2);
    QCOMPARE(entryNameUtf8(f.box.entry(0)), std::string("いる"));
    QCOMPARE(f.registered->at(0).at(0).toInt(), 1);
}

void EntryEditWindowTest::editOverwritesInPlace() {
    Fixture f;
    for (const char* name : {"一", "二", "三"})
        f.add(storedEntry(name, kMewtwo, {0, 1, 2, 3}));
    f.window->fillFromEntry(1);
    f.window->showTool(ShowCommand::Show);
    f.field("edit_name")->setText("にの");
    f.dialogs.questionAnswers = {true};
    f.clickRegister();
    QCOMPARE(f.box.count(), 3);
    QCOMPARE(f.registered->size(), 1);
    QCOMPARE(f.registered->at(0).at(0).toInt(), 1);
    QCOMPARE(entryNameUtf8(f.box.entry(1)), std::string("にの"));
    QCOMPARE(entryNameUtf8(f.box.entry(2)), std::string("三"));
    QCOMPARE(f.box.entry(1).statsDirect, 0); // the stored entry's mode, computed again
    QVERIFY(!f.window->isVisible());

    // Cancel closes without writing or telling.
    f.window->fillFromEntry(2);
    f.window->showTool(ShowCommand::Show);
    f.field("edit_name")->setText("消える");
    f.find<QPushButton>("button_cancel")->click();
    QVERIFY(!f.window->isVisible());
    QCOMPARE(entryNameUtf8(f.box.entry(2)), std::string("三"));
    QCOMPARE(f.registered->size(), 1);
}

void EntryEditWindowTest::presetsAndSixV() {
    Fixture f;
    f.setDirect(true);
    f.setIvs({1, 2, 3, 4, 5, 6});
    f.setStats({11, 22, 33, 44, 55, 66});
    f.choose("combo_preset", 5); // 図太いHB
    QVERIFY(f.find<QRadioButton>("radio_ivev")->isChecked());
    QVERIFY(f.iv(0)->isEnabled());
    QVERIFY(!f.stat(0)->isEnabled());
    QCOMPARE(f.combo("combo_nature")->currentText(), QStringLiteral("ずぶとい　"));
    const QStringList evs{"252", "0", "252", "0", "6", "0"};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(f.ev(i)->text(), evs[i]);
        QCOMPARE(f.iv(i)->text(), QString::number(i + 1));
    }
    // The stats row follows the preset's nature and EVs; the stats typed come back with direct mode.
    const std::array<int, 6> computed =
        computeEntryStats(0, {1, 2, 3, 4, 5, 6}, {252, 0, 252, 0, 6, 0}, 1, naturePresets()[5].nature);
    QCOMPARE(f.statTexts(), statTextsOf(computed));
    f.setDirect(true);
    QCOMPARE(f.statTexts(), (QStringList{"11", "22", "33", "44", "55", "66"}));
    f.setDirect(false);

    f.find<QPushButton>("button_6v")->click();
    for (int i = 0; i < 6; ++i)
        QCOMPARE(f.iv(i)->text(), QStringLiteral("31"));
    QCOMPARE(f.ev(0)->text(), QStringLiteral("252"));

    // A field that fails its check stops both, with the check's message.
    f.ev(3)->setText("x");
    f.choose("combo_preset", 1);
    f.find<QPushButton>("button_6v")->click();
    QCOMPARE(f.dialogs.asked.size(), 2);
    QCOMPARE(f.dialogs.asked[1].text, QStringLiteral("整数を入力してください。"));
    QCOMPARE(f.combo("combo_nature")->currentText(), QStringLiteral("ずぶとい　"));
    QCOMPARE(f.ev(0)->text(), QStringLiteral("252"));
    QCOMPARE(f.ev(3)->text(), QStringLiteral("x"));
}

void EntryEditWindowTest::nameFieldFitsThirtyOneBytes() {
    Fixture f;
    f.window->showTool(ShowCommand::Show);
    QLineEdit* name = f.field("edit_name");
    QTest::keyClicks(name, QString(40, QLatin1Char('a')));
    QCOMPARE(name->text(), QString(31, QLatin1Char('a')));

    // Japanese text arrives committed from the input method; a double-byte character that would
    // straddle the limit is left out whole.
    name->setText(QStringLiteral("a"));
    name->setCursorPosition(1);
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("あいうえおかきくけこさしすせそたちつてと"));
    QApplication::sendEvent(name, &commit);
    QCOMPARE(name->text(), QStringLiteral("aあいうえおかきくけこさしすせそ"));

    // Pasting works the same way.
    name->clear();
    QGuiApplication::clipboard()->setText(QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺXYZ"));
    name->paste();
    QCOMPARE(name->text(), QStringLiteral("ｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺｱｲｳｴｵｶｷｸｹｺX"));
}

void EntryEditWindowTest::fullBoxRefusesNewEntry() {
    Fixture f;
    for (int i = 0; i < kBoxCapacity; ++i)
        f.add(storedEntry(std::to_string(i).c_str(), kMewtwo, {0, 1, 2, 3}));
    f.window->openNew();
    f.window->showTool(ShowCommand::Show);
    f.fillMew();
    f.dialogs.questionAnswers = {true};
    f.clickRegister();
    QCOMPARE(f.dialogs.asked.size(), 2);
    QCOMPARE(f.dialogs.asked[1].text, QString::fromUtf8(kBoxFullText));
    QCOMPARE(f.box.count(), kBoxCapacity);
    QCOMPARE(entryNameUtf8(f.box.entry(kBoxCapacity - 1)), std::string("1023"));
    QCOMPARE(f.registered->size(), 0);
    QVERIFY(f.window->isVisible());
}

QTEST_MAIN(EntryEditWindowTest)
#include "entry_edit_window_test.moc"
