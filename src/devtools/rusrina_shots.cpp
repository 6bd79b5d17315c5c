// Writes the guide's pictures of the box window in both modes, the damage matrix, the spread
// finder, the sequence window, the finder's tuning against it, the テキスト入力 dialog and a one-on-one:
// a box of well-known sets, the windows built as the program builds them, each grabbed as it is
// drawn; then those of the other windows (window_shots.cpp). Run on the offscreen platform:
//   QT_QPA_PLATFORM=offscreen:configfile=tests/gui/screen_1366x768.json build/dev/src/rusrina-shots docs
// and the English interface's, with the box's nicknames as an English-speaking player gives them:
//   ... build/dev/src/rusrina-shots --lang en docs/en
// (the platform's own screen, 800 x 800, is smaller than some windows: they would be shrunk to it).

#include "devtools/window_shots.h"

#include "box/box.h"
#include "calc/stats.h"
#include "data/ids.h"
#include "data/moves.h"
#include "format/box_file.h"
#include "settings/settings_file.h"

#include "app/box_windows.h"
#include "app/program_language.h"
#include "ui/box/box_window.h"
#include "ui/box/set_text_dialog.h"
#include "ui/matrix/matrix_window.h"
#include "ui/matrix/tuning_panel.h"
#include "ui/sequence/sequence_window.h"
#include "ui/session/box_document.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace rusrina;

struct Set {
    const char* name;
    int species, nature, ability, item;
    std::array<int, 6> evs;
    std::array<int, 4> moves;
};

constexpr int kNone = NO_MOVE;
constexpr int kNoItem = 16;

// ガブリアス, メタグロス, ハピナス, カイリュー, バンギラス, スイクン, ラティオス, ハッサム, ドータクン,
// ヒードラン, ボーマンダ, ルカリオ.
const Set kSets[] = {
    {"ガブ", 449, 18, 31, 3, {4, 252, 0, 0, 0, 252}, {199, 88, 443, 423}},
    {"グロス", 375, 1, 28, kNoItem, {252, 252, 0, 0, 4, 0}, {308, 88, 417, 7}},
    {"ハピ", 241, 4, 34, kNoItem, {252, 0, 252, 0, 4, 0}, {68, 57, 125, kNone}},
    {"リュー", 148, 1, 49, 2, {4, 252, 0, 0, 0, 252}, {199, 88, 423, kNone}},
    {"バンギ", 247, 1, 45, kNoItem, {252, 252, 0, 0, 4, 0}, {443, 241, 88, 7}},
    {"スイクン", 244, 4, 94, kNoItem, {252, 0, 252, 0, 4, 0}, {56, 57, kNone, kNone}},
    {"ラティ", 380, 16, 91, 10, {4, 0, 0, 252, 0, 252}, {433, 93, 56, 84}},
    {"ハッサム", 211, 1, 60, kNoItem, {252, 252, 0, 0, 4, 0}, {417, kNone, kNone, kNone}},
    {"ドータクン", 441, 5, 91, kNoItem, {252, 0, 252, 0, 4, 0}, {88, 93, kNone, kNone}},
    {"ヒードラン", 494, 8, 113, 1, {4, 0, 0, 252, 0, 252}, {125, 429, 88, kNone}},
    {"マンダ", 372, 1, 8, kNoItem, {4, 252, 0, 0, 0, 252}, {199, 88, 406, 423}},
    {"ルカリオ", 452, 18, 49, 2, {4, 252, 0, 0, 0, 252}, {417, 7, 241, kNone}},
};

const char* nickname(const char* name) {
    static constexpr std::pair<const char*, const char*> kEnglish[] = {
        {"ガブ", "Chomp"},        {"グロス", "Meta"},        {"ハピ", "Blissey"},  {"リュー", "Dnite"},
        {"バンギ", "Tyran"},      {"スイクン", "Suicune"},   {"ラティ", "Latios"}, {"ハッサム", "Scizor"},
        {"ドータクン", "Zong"},   {"ヒードラン", "Heatran"}, {"マンダ", "Mence"},  {"ルカリオ", "Lucario"},
        {"ガブ素", "Chomp2"},     {"ロトム", "Wash"},        {"ナット", "Ferro"},  {"ガブ鉢", "BandChomp"},
        {"マンダ珠", "OrbMence"},
    };
    if (text::textLanguage() != text::TextLanguage::English)
        return name;
    for (const auto& [japanese, english] : kEnglish)
        if (std::string_view(japanese) == name)
            return english;
    return name;
}

BoxEntry entryOf(const Set& set) {
    BoxEntry e{};
    setEntryName(e, nickname(set.name));
    e.species = set.species;
    e.level = 50;
    e.nature = set.nature;
    e.ability = set.ability;
    e.item = set.item;
    const std::array<int, 6> ivs{31, 31, 31, 31, 31, 31};
    const auto stats = computeEntryStats(set.species, ivs, set.evs, e.level, set.nature);
    for (int s = 0; s < 6; ++s) {
        e.iv[s] = ivs[s];
        e.ev[s] = set.evs[s];
        e.stat[s] = stats[s];
    }
    std::copy(set.moves.begin(), set.moves.end(), e.move);
    return e;
}

bool save(QWidget& window, const QDir& out, const char* file) {
    QApplication::processEvents();
    const bool ok = window.grab().save(out.filePath(QString::fromLatin1(file)));
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", file);
    return ok;
}

// The box window in both modes with ガブ against グロス, then the matrix and the spread finder.
bool shootBoxAndMatrix(BoxWindows& windows, const QDir& out) {
    BoxWindow& window = windows.boxWindow();
    BoxDocument& document = windows.document();
    window.showTool(ShowCommand::Show);
    document.setAttacker(0); // ガブ against グロス
    document.setDefender(1);
    bool ok = save(window, out, "box_window.png");
    window.findChild<QComboBox*>(QStringLiteral("damageModeCombo"))->setCurrentIndex(1);
    ok = save(window, out, "box_window_exact.png") && ok;

    MatrixWindow& matrix = windows.matrixWindow();
    matrix.showTool(ShowCommand::Show);
    auto* table = matrix.findChild<QTableView*>(QStringLiteral("matrixTable"));
    table->sortByColumn(5, Qt::AscendingOrder); // the best move's verdict, surest first
    ok = save(matrix, out, "matrix_window.png") && ok;

    window.findChild<QComboBox*>(QStringLiteral("weatherCombo"))->setCurrentIndex(1); // 晴れ
    document.setAttacker(9); // ヒードラン's だいもんじ against ハピ, twice, in the sun
    document.setDefender(2);
    matrix.findChild<QTabWidget*>(QStringLiteral("matrixTabs"))->setCurrentIndex(1);
    matrix.findChild<QComboBox*>(QStringLiteral("spreadHitsCombo"))->setCurrentIndex(1);
    return save(matrix, out, "spread_finder.png") && ok;
}

// Two sets on the clipboard, the second with a slip in its species.
bool shootTextDialog(BoxWindow& window, const QDir& out) {
    QGuiApplication::clipboard()->setText(
        QStringLiteral("Garchomp @ Choice Scarf\nAbility: Sand Veil\nEVs: 4 HP / 252 Atk / 252 Spe\nJolly Nature\n"
                       "- Earthquake\n- Outrage\n- Stone Edge\n- Fire Fang\n\nPikachuu @ Light Ball\n- Thunderbolt\n"));
    window.openTextImport();
    const bool ok = save(*window.textDialog(), out, "set_text_dialog.png");
    window.textDialog()->hide();
    return ok;
}

// The battle state: ガブリアス without an item against ウォッシュロトム with たべのこし, which comes
// in on ステルスロック, every end of turn counted.
bool shootBattleState(BoxWindows& windows, const QDir& out) {
    BoxWindow& window = windows.boxWindow();
    BoxDocument& document = windows.document();
    const int plainGarchomp = document.box().count();
    document.registerEntry(-1, entryOf({"ガブ素", 449, 18, 31, kNoItem, {4, 252, 0, 0, 0, 252}, {199, 88, 443, 423}}));
    const HeldItemFields leftovers = heldItemFields(indexOf(ItemId::Leftovers));
    EntryExtra extra;
    extra.heldItem = leftovers.heldItem;
    document.registerEntry(
        -1, entryOf({"ロトム", 485, 4, 91, leftovers.row, {252, 0, 252, 0, 0, 4}, {56, 84, kNone, kNone}}), extra);
    document.setAttacker(plainGarchomp);
    document.setDefender(plainGarchomp + 1);
    window.findChild<QComboBox*>(QStringLiteral("weatherCombo"))->setCurrentIndex(0);
    window.findChild<QToolButton*>(QStringLiteral("stateToggle"))->click();
    for (const char* name : {"defenderStealthRock", "defenderSwitchingIn", "stateCountTurnEnd"})
        window.findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(true);
    return save(window, out, "box_window_state.png");
}

// One entry holding `item` (a held item of data/held_items.h) as the box keeps it.
int registerHolding(BoxDocument& document, Set set, ItemId item) {
    const HeldItemFields held = heldItemFields(indexOf(item));
    set.item = held.row;
    EntryExtra extra;
    extra.heldItem = held.heldItem;
    document.registerEntry(-1, entryOf(set), extra);
    return document.box().count() - 1;
}

// The guide's worked example: ナットレイ with オッカのみ comes in on ステルスロック and takes
// ガブリアス's げきりん, then ボーマンダ's だいもんじ twice, misses and critical hits counted. Then the
// finder's tab: the bulk that survives two げきりん (the second from a ガブリアス without an item) 15
// times out of 16, and the attack that one needs to knock out three of the box in two げきりん. Follows the battle
// state's picture (its state).
bool shootSequence(BoxWindows& windows, const QDir& out) {
    BoxWindow& window = windows.boxWindow();
    BoxDocument& document = windows.document();
    const int plainGarchomp = document.box().count() - 2; // the battle state's ガブリアス without an item
    const int ferrothorn = registerHolding(document,
                                           {"ナット",
                                            indexOf(SpeciesId::Ferrothorn),
                                            15,
                                            indexOf(AbilityId::IronBarbs),
                                            0,
                                            {252, 0, 4, 0, 252, 0},
                                            {kNone, kNone, kNone, kNone}},
                                           ItemId::OccaBerry);
    const int garchomp = registerHolding(
        document, {"ガブ鉢", 449, 1, indexOf(AbilityId::RoughSkin), 0, {4, 252, 0, 0, 0, 252}, {199, 88, kNone, kNone}},
        ItemId::ChoiceBand);
    const int salamence = registerHolding(
        document,
        {"マンダ珠", 372, 19, indexOf(AbilityId::Intimidate), 0, {0, 252, 0, 4, 0, 252}, {125, 199, kNone, kNone}},
        ItemId::LifeOrb);
    document.setDefender(ferrothorn);
    window.findChild<QCheckBox*>(QStringLiteral("stateCountHitChances"))->setChecked(true);
    bool ok = save(window, out, "box_window_hit_chances.png");
    SequenceWindow& sequence = windows.sequenceWindow();
    sequence.showTool(ShowCommand::Show);
    sequence.addStep(garchomp, 0, 1);  // げきりん
    sequence.addStep(salamence, 0, 2); // だいもんじ twice
    ok = save(sequence, out, "sequence_window.png") && ok;
    sequence.removeStep(1);
    sequence.addStep(plainGarchomp, 0, 1); // a second げきりん
    sequence.hide();

    MatrixWindow& matrix = windows.matrixWindow();
    matrix.showTool(ShowCommand::Show);
    matrix.findChild<QTabWidget*>(QStringLiteral("matrixTabs"))->setCurrentIndex(2);
    auto* tuning = matrix.findChild<TuningPanel*>();
    matrix.findChild<QComboBox*>(QStringLiteral("tuningBulkChance"))->setCurrentIndex(1); // 15/16
    matrix.findChild<QComboBox*>(QStringLiteral("tuningPowerHits"))->setCurrentIndex(1);  // 2発
    document.setAttacker(plainGarchomp);
    for (int defender : {2, 3, 6}) { // ハピ, リュー, ラティ
        document.setDefender(defender);
        tuning->addPowerTarget();
    }
    document.setDefender(ferrothorn);
    tuning->startBulkSearch();
    while (tuning->bulkSearching())
        QApplication::processEvents();
    return save(matrix, out, "tuning_panel.png") && ok;
}

// The guide's worked one-on-one: ラティオス's りゅうのはどう against ゲンガー's シャドーボール, the 対面
// line under the rows and its log in the 計算過程 pane. Follows the sequence's picture, whose hazards
// and counted hits it takes away again.
bool shootDuel(BoxWindows& windows, const QDir& out) {
    BoxWindow& window = windows.boxWindow();
    BoxDocument& document = windows.document();
    for (const char* name : {"defenderStealthRock", "defenderSwitchingIn", "stateCountHitChances"})
        window.findChild<QCheckBox*>(QString::fromLatin1(name))->setChecked(false);
    window.findChild<QToolButton*>(QStringLiteral("stateToggle"))->click(); // folded again
    const HeldItemFields sitrus = heldItemFields(indexOf(ItemId::SitrusBerry));
    EntryExtra extra;
    extra.heldItem = sitrus.heldItem;
    const int latios = document.box().count();
    document.registerEntry(-1,
                           entryOf({"ラティ",
                                    indexOf(SpeciesId::Latios),
                                    8,
                                    indexOf(AbilityId::Levitate),
                                    sitrus.row,
                                    {252, 0, 0, 252, 0, 4},
                                    {indexOf(MoveId::DragonPulse), kNone, kNone, kNone}}),
                           extra);
    document.registerEntry(-1, entryOf({"ゲンガー",
                                        indexOf(SpeciesId::Gengar),
                                        16,
                                        indexOf(AbilityId::Levitate),
                                        kNoItem,
                                        {4, 0, 0, 252, 0, 252},
                                        {indexOf(MoveId::ShadowBall), kNone, kNone, kNone}}));
    document.setAttacker(latios);
    document.setDefender(latios + 1);
    window.findChild<QToolButton*>(QStringLiteral("duelLogButton"))->click();
    window.findChild<QToolButton*>(QStringLiteral("logToggle"))->setChecked(true);
    return save(window, out, "box_window_duel.png");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const std::optional<text::TextLanguage> language = languageFromArguments(arguments);
    if (arguments.size() != (language ? 4 : 2)) {
        std::fprintf(stderr, "usage: rusrina-shots [--lang en|ja] DIRECTORY\n");
        return 2;
    }
    if (language)
        applyLanguage(app, *language);
    const QDir out(QDir::current().absoluteFilePath(arguments.last()));
    if (!QDir().mkpath(out.path()))
        return 1;
    QTemporaryDir work;
    QDir::setCurrent(work.path());
    Box box;
    for (const Set& set : kSets)
        box.add(entryOf(set));
    if (!BoxFile(kDefaultBoxFileName).save(box).ok)
        return 1;
    SettingsFile settings((work.path() + QStringLiteral("/rusrina.ini")).toStdString());

    BoxWindows windows(settings);
    bool ok = shootBoxAndMatrix(windows, out);
    ok = shootTextDialog(windows.boxWindow(), out) && ok;
    ok = shootBattleState(windows, out) && ok;
    ok = shootSequence(windows, out) && ok;
    ok = shootDuel(windows, out) && ok;
    ok = writeWindowPictures(out) && ok;
    return ok ? 0 : 1;
}
