#include "format/set_text.h"

#include "data/abilities.h"
#include "data/held_items.h"
#include "data/ids.h"
#include "data/items.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/species.h"
#include "text/cp932.h"
#include "view/edit/entry_edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

using namespace rusrina;

namespace {

constexpr int kShedinja = 291;

std::string fixture(const char* name) {
    std::ifstream in(std::string(RUSRINA_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<std::string> moveNames(const BoxEntry& e) {
    std::vector<std::string> names;
    for (int move : e.move)
        names.push_back(isValidMove(move) ? moveRecord(move).name : "");
    return names;
}

// A varied entry of the species, registered as the edit form registers it: every fifth in
// direct-stat mode, every third with a nickname, items over the whole damage item table.
BoxEntry variedEntry(int species) {
    EntryForm form;
    form.species = species;
    form.name = species % 3 == 0 ? "ニック" + std::to_string(species) : speciesName(species);
    form.level = 1 + species % 100;
    form.nature = species % 25;
    const SpeciesAbilities& abilities = speciesAbilities(species);
    form.ability = species % 2 && abilities.ability2 ? abilities.ability2 : abilities.ability1;
    form.item = species % kDamageItemCount;
    form.statsDirect = species % 5 == 0;
    for (int i = 0; i < 6; ++i) {
        form.iv[i] = (species + 7 * i) % 32;
        form.ev[i] = (37 * species + 53 * i) % 86; // at most 510 together
        form.stat[i] = 1 + (13 * species + i) % 999;
    }
    int slot = 0;
    for (const ListChoice& choice : moveChoices(species, 0)) {
        if (choice.value != NO_MOVE && slot < 4)
            form.move[slot++] = choice.value;
    }
    return entryFromForm(form);
}

// Every field the text holds comes back: the IVs and EVs only when the stats came from them, every
// item row but the empty last one ("各種タイプ補正" as a comment line).
TEST(SetText, EveryRowRoundTripsInBothLanguages) {
    for (SetTextLanguage language : {SetTextLanguage::English, SetTextLanguage::Japanese}) {
        for (int species = 0; species < kSpeciesCount; ++species) {
            const BoxEntry written = variedEntry(species);
            const std::string text = writeSetText(written, language);
            const std::vector<ParsedSet> sets = readSetText(text);
            ASSERT_EQ(sets.size(), 1u) << text;
            ASSERT_TRUE(sets[0].ok()) << text << noteLineText(*sets[0].failure);
            const BoxEntry& read = *sets[0].entry;
            const int item = written.item == kDamageItemCount - 1 ? 0 : written.item;
            const bool fromIvs = written.statsDirect == 0;
            EXPECT_EQ(entryName(read), entryName(written)) << text;
            EXPECT_EQ(
                std::tie(read.species, read.level, read.nature, read.ability, read.item, read.statsDirect),
                std::tie(written.species, written.level, written.nature, written.ability, item, written.statsDirect))
                << text;
            EXPECT_EQ(std::memcmp(read.stat, written.stat, sizeof read.stat), 0) << text;
            EXPECT_EQ(std::memcmp(read.move, written.move, sizeof read.move), 0) << text;
            if (fromIvs) {
                EXPECT_EQ(std::memcmp(read.iv, written.iv, sizeof read.iv), 0) << text;
                EXPECT_EQ(std::memcmp(read.ev, written.ev, sizeof read.ev), 0) << text;
            }
        }
    }
}

TEST(SetText, WritesTheTeamBuilderLayout) {
    EntryForm form;
    form.name = "ガブ";
    form.species = 449; // ガブリアス
    form.level = 50;
    form.nature = 18; // ようき
    form.ability = findAbility("Sand Veil");
    form.item = 3; // こだわりハチマキ
    form.iv = {31, 31, 31, 30, 31, 31};
    form.ev = {0, 252, 0, 0, 4, 252};
    form.move = {findMove("Earthquake"), findMove("Hidden Power"), NO_MOVE, NO_MOVE};
    const BoxEntry entry = entryFromForm(form);
    EXPECT_EQ(writeSetText(entry, SetTextLanguage::English), "ガブ (Garchomp) @ Choice Band\n"
                                                             "Ability: Sand Veil\n"
                                                             "Level: 50\n"
                                                             "EVs: 252 Atk / 4 SpD / 252 Spe\n"
                                                             "Jolly Nature\n"
                                                             "IVs: 30 SpA\n"
                                                             "- Earthquake\n"
                                                             "- Hidden Power [Electric]\n");
    form.name = "ガブリアス";
    form.statsDirect = true;
    form.level = 100;
    form.item = 1; // 各種タイプ補正 is no one item: a comment line keeps it
    form.stat = {357, 359, 226, 176, 206, 333};
    EXPECT_EQ(writeSetText(entryFromForm(form), SetTextLanguage::Japanese),
              "ガブリアス\n"
              "# Item: 各種タイプ補正\n"
              "Ability: すながくれ\n"
              "ようき Nature\n"
              "# Stats: 357 HP / 359 Atk / 226 Def / 176 SpA / 206 SpD / 333 Spe\n"
              "- じしん\n"
              "- めざめるパワー\n");
    // ニドラン as the public calculator spells it; both spellings read.
    form = EntryForm{};
    form.name = "ニドラン♀";
    form.species = 28;
    form.level = 100;
    EXPECT_EQ(writeSetText(entryFromForm(form), SetTextLanguage::English).substr(0, 10), "Nidoran-F\n");
    EXPECT_EQ(readSetText("Nidoran♂").front().entry->species, 31);
    EXPECT_EQ(readSetText("Nidoran-M").front().entry->species, 31);
    const BoxEntry both[] = {entry, entry};
    const std::string one = writeSetText(entry, SetTextLanguage::English);
    EXPECT_EQ(writeSetTexts(both, SetTextLanguage::English), one + "\n" + one);
}

struct WorkedSet {
    int firstLine;
    const char* name;
    int species, level, nature;
    const char* ability;
    int item;
    bool statsDirect;
    std::array<int, 6> stats;
    std::vector<std::string> moves;
    std::vector<int> warningLines;
};

// Real-looking team text in English and Japanese; the stats are worked out by hand from the base
// stats (ガブリアス 183/182/115/90/106/169 at level 50, the figure every player knows).
TEST(SetText, TeamFixtureReadsToWorkedEntries) {
    const WorkedSet expected[] = {
        {3,
         "ガブリアス",
         449,
         50,
         18,
         "すながくれ",
         3,
         false,
         {183, 182, 115, 90, 106, 169},
         {"じしん", "げきりん", "ストーンエッジ", "ほのおのキバ"},
         {}},
        {13,
         "ラティオス",
         380,
         50,
         16,
         "ふゆう",
         10,
         false,
         {156, 85, 100, 182, 130, 178},
         {"りゅうせいぐん", "サイコキネシス", "なみのり", "じこさいせい"},
         {}},
        {24,
         "ウォッシュロトム",
         485,
         100,
         4,
         "ふゆう",
         0,
         false,
         {304, 121, 334, 246, 250, 218},
         {"シャドーボール", "１０まんボルト", "おにび", "いたみわけ"},
         {}},
        {35,
         "ハッサム",
         211,
         50,
         1,
         "テクニシャン",
         3,
         false,
         {177, 200, 120, 67, 101, 85},
         {"バレットパンチ", "とんぼがえり", "ばかぢから", "おいうち"},
         {}},
        {46,
         "ヒードラン",
         494,
         100,
         8,
         "もらいび",
         4,
         false,
         {324, 193, 248, 393, 248, 253},
         {"オーバーヒート", "だいちのちから", "めざめるパワー", "りゅうのはどう"},
         {}},
        {56,
         "シェイミ（スカイ）",
         503,
         50,
         16,
         "てんのめぐみ",
         2,
         false,
         {176, 110, 95, 172, 95, 196},
         {"シードフレア", "エアスラッシュ", "エナジーボール", "めざめるパワー"},
         {}},
        {68,
         "Speedy",
         386,
         50,
         17,
         "プレッシャー",
         9,
         false,
         {125, 232, 36, 201, 40, 222},
         {"ばかぢから", "サイコブースト", "１０まんボルト", "れいとうビーム"},
         {}},
        {78,
         "ガラガラ",
         104,
         50,
         3,
         "いしあたま",
         7,
         false,
         {167, 145, 131, 70, 100, 45},
         {"じしん", "ストーンエッジ", "すてみタックル", "つるぎのまい"},
         {}},
        {91,
         "ガッサ",
         285,
         50,
         18,
         "ポイズンヒール",
         0,
         false,
         {136, 182, 100, 72, 80, 134},
         {"タネマシンガン", "マッハパンチ", "キノコのほうし", "ストーンエッジ"},
         {}},
        {101,
         "ヌケニン",
         kShedinja,
         50,
         1,
         "ふしぎなまもり",
         0,
         false,
         {1, 156, 65, 45, 50, 92},
         {"シャドークロー", "かげうち", "おにび", "まもる"},
         {}},
        {111,
         "ラティアス",
         379,
         50,
         16,
         "ふゆう",
         10,
         false,
         {187, 76, 111, 130, 150, 178},
         {"りゅうせいぐん", "サイコキネシス", "じこさいせい", "めいそう"},
         {}},
        {122,
         "ウォッシュロトム",
         485,
         50,
         8,
         "ふゆう",
         4,
         false,
         {157, 76, 127, 172, 128, 106},
         {"シャドーボール", "１０まんボルト", "ボルトチェンジ", "トリック"},
         {}},
        {132,
         "メタグロス",
         375,
         50,
         1,
         "クリアボディ",
         2,
         true,
         {155, 205, 150, 103, 110, 90},
         {"コメットパンチ", "じしん", "バレットパンチ", "れいとうパンチ"},
         {}},
        {142,
         "メロエッタ（ステップ）",
         661,
         50,
         18,
         "てんのめぐみ",
         5,
         false,
         {175, 180, 111, 87, 97, 198},
         {"インファイト", "おんがえし", "とんぼがえり", "ハイパーボイス"},
         {}},
    };
    const std::vector<ParsedSet> sets = readSetText(fixture("team_sets.txt"));
    ASSERT_EQ(sets.size(), std::size(expected));
    for (std::size_t i = 0; i < sets.size(); ++i) {
        const WorkedSet& want = expected[i];
        const ParsedSet& set = sets[i];
        ASSERT_TRUE(set.ok()) << want.firstLine << ": " << noteLineText(*set.failure);
        const BoxEntry& e = *set.entry;
        EXPECT_EQ(set.firstLine, want.firstLine);
        EXPECT_EQ(entryNameUtf8(e), want.name);
        EXPECT_EQ(std::tie(e.species, e.level, e.nature, e.item),
                  std::tie(want.species, want.level, want.nature, want.item))
            << want.name;
        EXPECT_STREQ(abilityName(e.ability), want.ability);
        EXPECT_EQ(e.statsDirect, want.statsDirect ? 1 : 0);
        EXPECT_EQ(std::vector<int>(e.stat, e.stat + 6), std::vector<int>(want.stats.begin(), want.stats.end()))
            << want.name;
        EXPECT_EQ(moveNames(e), want.moves);
        std::vector<int> lines;
        for (const SetTextNote& note : set.warnings)
            lines.push_back(note.line);
        EXPECT_EQ(lines, want.warningLines) << want.name;
    }
}

struct NoteCase {
    const char* text;
    bool ok;         // whether the (last) set still reads
    int line;        // the line of the failure, or of the first warning
    const char* has; // a piece of the note's text
};

// Every warning and every failure names its line; a failed set never stops the others.
TEST(SetText, WarningsAndFailuresWithTheirLines) {
    const NoteCase cases[] = {
        {"Garchomp @ Assault Vest\n- Earthquake", true, 1, "第6世代の道具"},
        {"Garchomp @ Banana Peel", true, 1, "見つからない"},
        {"Garchomp\nLevel: 50\n- Spore", true, 3, "どの作品でも「キノコのほうし」を覚えません"},
        {"Garchomp\n- Tackle Slam", true, 2, "技「Tackle Slam」が見つからない"},
        {"Garchomp\n- Surf\n- Cut\n- Strength\n- Rock Smash\n- Earthquake", true, 6, "4 つまで"},
        {"Garchomp\n- Earthquake / Dig", true, 2, "最初の「Earthquake」"},
        {"Garchomp\nAbility: Flower Power", true, 2, "特性「Flower Power」が見つからない"},
        {"Garchomp\nAbility: Levitate", true, 2, "持ちません"},
        {"Garchomp\nGrumpy Nature", true, 2, "性格「Grumpy」"},
        {"Garchomp\nBogus: yes", true, 2, "読み飛ばします"},
        {"Heatran\nIVs: 31 Atk\n- Hidden Power [Grass]", true, 3, "「あく」と違います"},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ012345 (Garchomp)", true, 1, "31 バイト"},
        {"Missingno\n- Tackle", false, 1, "バントレ「Missingno」"},
        {"Nick (Nobody) @ Life Orb", false, 1, "バントレ「Nobody」"},
        {"Garchomp\nLevel: 50\nthis is not a line", false, 3, "読めない行"},
        {"Garchomp\nLevel: 101", false, 2, "レベル"},
        {"Garchomp\n\nLevel: 50", false, 3, "バントレ「Level: 50」"},
        {"Garchomp\nJolly Nature\nEVs: 252 HP / 252 Atk / 252 Spe", false, 3, "510"},
        {"Garchomp\nEVs: 256 Atk", false, 2, "0 から 255"},
        {"Garchomp\nEVs: 252 Atk / 4 Luck", false, 2, "読めない行"},
        {"Garchomp\nIVs: 31 HP / 30 HP", false, 2, "読めない行"},
        {"Garchomp\n# Stats: 1 HP / 2 Atk", false, 2, "6 つの能力値"},
        {"Chomp\xF0\x9F\x98\x80 (Garchomp)", true, 1, "文字（\xF0\x9F\x98\x80）があるため「ガブリアス」にします"},
        {"Pikachuu\n- Thunderbolt", false, 1, "バントレ「Pikachuu」が見つかりません。もしかして：ピカチュウ"},
        {"Chomp\x01 (Garchomp)", false, 1, "制御文字"},
        {"Garchomp\nIVs: 32 Atk / 255 Spe", true, 2,
         "個体値 32 Atk / 255 Spe はゲームの個体値（0～31）を超えています（そのまま登録します）"},
        {"Garchomp\nAbility: Sand Veil\nAbility: Rough Skin", true, 3,
         "特性が 2 行目にもあるため、「すながくれ」ではなく「さめはだ」にします"},
        {"Garchomp\nAbility: Sand Vail", true, 2, "にします。もしかして：すながくれ"},
        {"Garchomp\n- Earthqake", true, 2, "外します。もしかして：じしん"},
        {"Garchomp @ Leftovr", true, 1, "にします。もしかして：たべのこし"},
    };
    for (const NoteCase& c : cases) {
        const std::vector<ParsedSet> sets = readSetText(c.text);
        ASSERT_FALSE(sets.empty()) << c.text;
        const ParsedSet& set = sets.back();
        EXPECT_EQ(set.ok(), c.ok) << c.text;
        const SetTextNote* note =
            c.ok ? (set.warnings.empty() ? nullptr : &set.warnings.front()) : (set.failure ? &*set.failure : nullptr);
        ASSERT_NE(note, nullptr) << c.text;
        EXPECT_EQ(note->line, c.line) << c.text;
        EXPECT_NE(note->text.find(c.has), std::string::npos) << c.text << " -> " << note->text;
    }
    // A message quotes at most the first 80 characters of what was written; the IVs stay as written.
    const std::string longLine(200, 'x');
    EXPECT_EQ(readSetText("Garchomp\n" + longLine).front().failure->text,
              "読めない行です: " + longLine.substr(0, 80) + "…");
    EXPECT_EQ(readSetText("Garchomp\nIVs: 32 Atk").front().entry->iv[1], 32);
    // The sets around a failed one still read.
    const std::vector<ParsedSet> sets = readSetText("Garchomp\n\nMissingno\n\nLatios\n- Surf");
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_TRUE(sets[0].ok());
    EXPECT_FALSE(sets[1].ok());
    EXPECT_EQ(sets[1].failure->line, 3);
    EXPECT_TRUE(sets[2].ok());
    EXPECT_EQ(sets[2].firstLine, 5);
}

// The same set written in the ways players paste it reads to the same entry.
TEST(SetText, ReadsLeniently) {
    const BoxEntry reference = *readSetText("Garchomp @ Choice Band\n"
                                            "Ability: Sand Veil\nLevel: 50\n"
                                            "EVs: 252 Atk / 4 SpD / 252 Spe\nJolly Nature\nIVs: 30 SpA\n"
                                            "- Earthquake\n- Outrage\n")
                                    .front()
                                    .entry;
    const std::string variants[] = {
        // keys in any order, lines of no use, CR LF, gender, a heading, a byte-order mark
        "\xEF\xBB\xBF=== [gen5] team ===\r\n\r\nGarchomp (M) @ Choice Band\r\nShiny: Yes\r\nIVs: 30 SpA\r\n"
        "Jolly Nature\r\nHappiness: 0\r\nTera Type: Dragon\r\nLevel: 50\r\nAbility: Sand Veil\r\n"
        "EVs: 252 Atk / 4 SpD / 252 Spe\r\n- Earthquake\r\n- Outrage\r\n",
        // folded names, Japanese keys and stat names, the number after the stat
        "garchomp @ choiceband\n特性: sand-veil\nレベル: 50\n努力値: 攻撃 252 / 特防 4 / 素早 252\n"
        "性格: jolly\n個体値: 30 特攻\n- EARTHQUAKE\n~ outrage\n",
        // Japanese names, a Japanese nature line
        "ガブリアス＠こだわりハチマキ\nAbility: すながくれ\nLevel: 50\nEVs: 252 A / 4 D / 252 S\n"
        "ようきな性格\nIVs: 30 C\n- じしん\n- げきりん\n",
    };
    for (const std::string& text : variants) {
        const std::vector<ParsedSet> sets = readSetText(text);
        ASSERT_EQ(sets.size(), 1u) << text;
        ASSERT_TRUE(sets[0].ok()) << text << noteLineText(*sets[0].failure);
        EXPECT_TRUE(sets[0].warnings.empty()) << text << noteLineText(sets[0].warnings.front());
        EXPECT_EQ(std::memcmp(&*sets[0].entry, &reference, sizeof reference), 0) << text;
    }
    // Shift-JIS text, as a Japanese editor saves it.
    const std::vector<ParsedSet> sjis = readSetText(text::toCp932("ガブリアス @ こだわりハチマキ\nLevel: 50\n"));
    ASSERT_EQ(sjis.size(), 1u);
    EXPECT_EQ(sjis[0].entry->item, 3);
    // A nickname in full-width parentheses; a nickname that spells the species stays a nickname.
    EXPECT_EQ(entryNameUtf8(*readSetText("ガブ（ガブリアス）").front().entry), "ガブ");
    const BoxEntry spelled = *readSetText("Garchomp (Garchomp)").front().entry;
    EXPECT_EQ(entryNameUtf8(spelled), "Garchomp");
    EXPECT_EQ(writeSetText(spelled, SetTextLanguage::English).substr(0, 20), "Garchomp (Garchomp)\n");
    // What the text does not say: level 100, IVs 31, no EVs, the first ability, a neutral nature.
    const BoxEntry bare = *readSetText("Garchomp").front().entry;
    EXPECT_EQ(bare.level, 100);
    EXPECT_EQ(bare.iv[3], 31);
    EXPECT_EQ(bare.ev[1], 0);
    EXPECT_EQ(bare.ability, speciesAbilities(449).ability1);
    EXPECT_EQ(bare.stat[0], 357);
    EXPECT_TRUE(looksLikeSetText("Garchomp\n- Earthquake"));
    EXPECT_FALSE(looksLikeSetText("just some words\nfrom a chat"));
    EXPECT_FALSE(looksLikeSetText(""));
}

struct ExtraCase {
    const char* text;
    const char* item; // the held item's English name, "" for none
    int itemRow;      // the record's item field
    Gender gender;
    int happiness;
    bool shiny;
    const char* warning; // a piece of the only warning, or "" for none
};

// The full held item, gender, happiness and shiny read, whatever the case, and written back.
TEST(SetText, ItemsGenderHappinessAndShiny) {
    const ExtraCase cases[] = {
        {"Garchomp (F) @ Silk Scarf\nShiny: Yes\nHappiness: 0", "Silk Scarf", 1, Gender::Female, 0, true, ""},
        {"garchomp (m) @ LEFTOVERS\nSHINY: YES\nFRIENDSHIP: 70", "Leftovers", 0, Gender::Male, 70, true, ""},
        {"ガブリアス @ たべのこし\n性別: メス\nなつき度: １６０\n色違い: はい", "Leftovers", 0, Gender::Female, 160,
         true, ""},
        {"Farfetch'd @ Leek", "Stick", 0, Gender::Unknown, 255, false, ""},
        {"Garchomp @ Choice Band\nHappiness: 300", "Choice Band", 3, Gender::Unknown, 255, false, "0 から 255"},
        {"Garchomp\n# Item: 各種タイプ補正", "", 1, Gender::Unknown, 255, false, ""},
        {"Garchomp @ Assault Vest", "", 0, Gender::Unknown, 255, false, "第6世代の道具"},
        {"Garchomp @ Safari Ball", "", 0, Gender::Unknown, 255, false, "対戦で持たせる道具ではない"},
        {"Garchomp\nGender: X", "", 0, Gender::Unknown, 255, false, "性別「X」"},
        // A gender the species cannot have gives way to the one it can; a second one is left out.
        {"Magnezone (F)", "", 0, Gender::Unknown, 255, false,
         "「ジバコイル」には性別がないため、性別「(F)」は外します"},
        {"Blissey (M)", "", 0, Gender::Female, 255, false, "「ハピナス」はメスだけのため、性別「(M)」ではなく「♀」"},
        {"Pikachu (M)\nGender: F", "", 0, Gender::Male, 255, false, "性別「F」は 1 行目の「(M)」と違うため外します"},
        {"Pikachu @ Mail", "", 0, Gender::Unknown, 255, false, "どのメールか分からず、メールは対戦で効果がない"},
    };
    for (const ExtraCase& c : cases) {
        const ParsedSet set = readSetText(c.text).front();
        ASSERT_TRUE(set.ok()) << c.text;
        EXPECT_EQ(set.entry->item, c.itemRow) << c.text;
        EXPECT_EQ(heldItemOf(*set.entry, set.extra), c.item[0]        ? findHeldItem(c.item)
                                                     : c.itemRow == 0 ? 0
                                                                      : -1)
            << c.text;
        EXPECT_EQ(std::tie(set.extra.gender, set.extra.happiness, set.extra.shiny),
                  std::tie(c.gender, c.happiness, c.shiny))
            << c.text;
        ASSERT_EQ(set.warnings.size(), c.warning[0] ? 1u : 0u) << c.text;
        if (c.warning[0]) {
            EXPECT_NE(set.warnings[0].text.find(c.warning), std::string::npos) << set.warnings[0].text;
        }
        for (SetTextLanguage language : {SetTextLanguage::English, SetTextLanguage::Japanese}) {
            const std::string written = writeSetText(*set.entry, set.extra, language);
            const ParsedSet again = readSetText(written).front();
            EXPECT_EQ(std::memcmp(&*again.entry, &*set.entry, sizeof(BoxEntry)), 0) << written;
            EXPECT_EQ(again.extra, set.extra) << written;
        }
    }
    const ParsedSet silk = readSetText(cases[0].text).front();
    EXPECT_EQ(writeSetText(*silk.entry, silk.extra, SetTextLanguage::English),
              "Garchomp (F) @ Silk Scarf\nAbility: Sand Veil\nShiny: Yes\nHappiness: 0\nSerious Nature\n");
    const std::string japanese = writeSetText(*silk.entry, silk.extra, SetTextLanguage::Japanese);
    EXPECT_EQ(japanese.substr(0, japanese.find('\n')), "ガブリアス (F) @ シルクのスカーフ");
}

// Forms: another spelling of a row, a form with its base form's stats (read as that form, with a
// note), and forms the box has no row for, refused with the reason.
TEST(SetText, FormsReadOrRefusedWithTheirReason) {
    const struct {
        const char* text;
        const char* species; // the row read, "" when refused
        const char* note;    // a piece of the note or of the failure
    } cases[] = {
        {"Rotom-W @ Leftovers", "ウォッシュロトム", ""},
        {"Deoxys-S", "デオキシス（スピード）", ""},
        {"Arceus-Fire @ Flame Plate", "アルセウス", "「Arceus-Fire」は能力値が同じ「アルセウス」として登録します"},
        {"Nick (Gastrodon-East)", "トリトドン", "「Gastrodon-East」"},
        {"Landorus-Therian", "", "「Landorus-Therian」は TK より後の作品"},
        {"Arceus-Fairy", "", "第6世代のフォルム"},
    };
    for (const auto& c : cases) {
        const ParsedSet set = readSetText(c.text).front();
        EXPECT_EQ(set.extra.form, 0) << c.text;
        EXPECT_EQ(set.ok(), c.species[0] != '\0') << c.text;
        if (set.ok()) {
            EXPECT_STREQ(speciesName(set.entry->species), c.species);
            EXPECT_EQ(set.notes.empty(), c.note[0] == '\0') << c.text;
        }
        const std::string said = set.ok() ? (set.notes.empty() ? "" : set.notes[0].text) : set.failure->text;
        EXPECT_NE(said.find(c.note), std::string::npos) << said;
    }
    // A form with its base form's stats but abilities of its own is kept beside the row: its own
    // ability warns of nothing, and it is written back by its own name in either language.
    for (const char* text : {"Basculin-Blue-Striped @ Choice Band\nAbility: Rock Head",
                             "Basculin-B\nAbility: Rock Head", "バスラオ（あおすじ）\n特性: いしあたま"}) {
        const ParsedSet kept = readSetText(text).front();
        ASSERT_TRUE(kept.ok()) << text;
        EXPECT_STREQ(speciesName(kept.entry->species), "バスラオ");
        EXPECT_EQ(kept.extra.form, 1);
        EXPECT_TRUE(kept.warnings.empty() && kept.notes.empty()) << text;
        const std::string english = writeSetText(*kept.entry, kept.extra, SetTextLanguage::English);
        EXPECT_EQ(english.substr(0, english.find('\n')).substr(0, 21), "Basculin-Blue-Striped");
        const std::string japanese = writeSetText(*kept.entry, kept.extra, SetTextLanguage::Japanese);
        EXPECT_EQ(readSetText(japanese).front().extra, kept.extra) << japanese;
    }
    // The red-striped form's own ability is not the blue-striped one's.
    EXPECT_EQ(readSetText("Basculin-Blue-Striped\nAbility: Reckless").front().warnings.size(), 1u);
}

// A hidden power with its type and no IVs line gets the IVs team builders fill in, with a note; an
// IVs line is taken as written.
TEST(SetText, HiddenPowerTypeWithoutIvsFillsTheUsualIvs) {
    const ParsedSet filled = readSetText("Heatran\n- Hidden Power [Fire]").front();
    EXPECT_EQ(std::vector<int>(filled.entry->iv, filled.entry->iv + 6), (std::vector<int>{31, 30, 31, 30, 31, 30}));
    ASSERT_EQ(filled.notes.size(), 1u);
    EXPECT_EQ(noteLineText(filled.notes[0]),
              "2 行目: 個体値の行がないため、めざめるパワー「Fire」の個体値 30 Atk / 30 SpA / 30 Spe にします");
    EXPECT_TRUE(filled.warnings.empty());
    const ParsedSet written = readSetText("Heatran\nIVs: 30 HP\n- Hidden Power Fire").front();
    EXPECT_EQ(written.entry->iv[0], 30);
    EXPECT_EQ(written.entry->iv[1], 31);
    EXPECT_TRUE(written.notes.empty());
    EXPECT_EQ(written.warnings.size(), 1u);
    // A move in brackets, as some lists write a hidden power left open: read, and said.
    const ParsedSet bracketed = readSetText("Heatran\n- [Hidden Power]").front();
    EXPECT_EQ(bracketed.entry->move[0], indexOf(MoveId::HiddenPower));
    ASSERT_EQ(bracketed.notes.size(), 1u);
    EXPECT_EQ(bracketed.notes[0].text, "技「[Hidden Power]」は括弧を外して「めざめるパワー」として読みます");
}

// A move is refused only when no source of the 4th or 5th generation gives it; one the four
// editions do not teach is noted with the source that does, and one they give that the per-edition
// learnsets miss is noted as such, never as not taught.
TEST(SetText, LegalityAgainstEverySource) {
    const struct {
        const char* text;
        const char* warning; // a piece of the warning, or ""
        const char* note;    // the note, or ""
    } cases[] = {
        // A source outside the four editions, which the player must have used: noted with it.
        {"Entei\n- Extreme Speed", "",
         "「エンテイ」の「しんそく」は QX・ZV・JYJY・TK のほかで覚える技です（第4世代の配布）"},
        {"Liepard\n- Dark Pulse", "", "「レパルダス」の「あくのはどう」は TK のほかで覚える技です（第5世代の教え技）"},
        // Legal in the four editions though missing from the per-edition learnsets (a form's own
        // move, スケッチ, a level-up move the tables lack): nothing to say.
        {"Rotom-Wash\n- Hydro Pump", "", ""},
        {"Smeargle\n- Shell Smash", "", ""},
        {"Deoxys-Speed\n- Spikes", "", ""},
        {"Garchomp\n- Earthquake", "", ""},
        {"Garchomp\n- Spore", "「ガブリアス」はどの作品でも「キノコのほうし」を覚えません", ""},
    };
    for (const auto& c : cases) {
        const ParsedSet set = readSetText(c.text).front();
        ASSERT_TRUE(set.ok()) << c.text;
        const std::string warning = set.warnings.empty() ? "" : set.warnings[0].text;
        const std::string note = set.notes.empty() ? "" : set.notes[0].text;
        EXPECT_EQ(warning.empty(), c.warning[0] == '\0') << warning;
        EXPECT_NE(warning.find(c.warning), std::string::npos) << warning;
        EXPECT_EQ(note.empty(), c.note[0] == '\0') << note;
        EXPECT_EQ(note.substr(0, std::string_view(c.note).size()), c.note) << note;
    }
}

// Whatever encoding and line ends the text comes in, and the older spellings of names.
TEST(SetText, EncodingsLineEndsAndOlderSpellings) {
    const std::string lf = "Sableye (F) @ BlackGlasses\nAbility: Keen Eye\nJOLLY NATURE\n- Faint Attack\n"
                           "- Shadow Sneak\n";
    const ParsedSet reference = readSetText(lf).front();
    ASSERT_TRUE(reference.ok());
    ASSERT_TRUE(reference.warnings.empty()) << noteLineText(reference.warnings[0]);
    EXPECT_EQ(reference.entry->nature, findNature("Jolly"));
    EXPECT_EQ(moveNames(*reference.entry)[0], moveRecord(findMove("Feint Attack")).name);
    // UTF-16 with its byte-order mark (the text has no character beyond U+FFFF).
    const auto utf16 = [](const std::string& utf8, bool bigEndian) {
        std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
        for (std::string_view ch : text::utf8Characters(utf8)) {
            unsigned code = static_cast<unsigned char>(ch[0]) & (ch.size() == 1 ? 0x7F : 0xFF >> (ch.size() + 1));
            for (std::size_t i = 1; i < ch.size(); ++i)
                code = (code << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
            const char hi = static_cast<char>(code >> 8), lo = static_cast<char>(code & 0xFF);
            out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
        }
        return out;
    };
    std::string cr = lf, crlf;
    std::replace(cr.begin(), cr.end(), '\n', '\r');
    for (char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const std::string& text :
         {cr, crlf, "\xEF\xBB\xBF" + lf, utf16(lf, false), utf16(crlf, true), text::toCp932(lf)}) {
        const std::vector<ParsedSet> sets = readSetText(text);
        ASSERT_EQ(sets.size(), 1u);
        ASSERT_TRUE(sets[0].ok());
        EXPECT_EQ(std::memcmp(&*sets[0].entry, &*reference.entry, sizeof(BoxEntry)), 0);
        EXPECT_EQ(sets[0].extra, reference.extra);
        EXPECT_EQ(sets[0].warnings.size(), 0u);
    }
    EXPECT_EQ(readSetText("Garchomp\r- Surf\r\rLatios\r").size(), 2u);
}

} // namespace
