// The generated species, ability, evolution and move tables: the rows the program's users know by
// heart, the figures the tables must reproduce, and invariants over every row.
#include "data/raw_tables.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <vector>

namespace rusrina::generated {
namespace {

struct SpeciesRow {
    int index;
    const char* name;
    int number;
    std::array<int, 6> stats;
    int type1, type2;
    std::array<int, 3> abilities;
    int hatchSteps, eggGroup1, eggGroup2;
};

TEST(GeneratedSpecies, TellingRows) {
    const SpeciesRow rows[] = {
        {0, "フシギダネ", 1, {45, 49, 49, 65, 65, 45}, 12, 3, {40, 0, 118}, 5120, 0, 6},
        {28, "ニドラン♀", 29, {55, 47, 52, 40, 40, 41}, 3, 3, {67, 66, 81}, 5120, 0, 4},
        {131, "メタモン", 132, {48, 48, 48, 48, 48, 48}, 0, 0, {36, 0, 129}, 5120, 14, 255},
        {385, "デオキシス（ノーマル）", 386, {50, 150, 50, 150, 50, 150}, 14, 14, {94, 0, 0}, 30720, 15, 255},
        {386, "デオキシス（アタック）", 386, {50, 180, 20, 180, 20, 150}, 14, 14, {94, 0, 0}, 30720, 15, 255},
        {504, "アルセウス", 493, {120, 120, 120, 120, 120, 120}, 0, 0, {105, 0, 0}, 30720, 15, 255},
        {505, "ビクティニ", 494, {100, 100, 100, 100, 100, 100}, 14, 10, {135, 0, 0}, 30600, 15, 255},
        {662, "ゲノセクト", 649, {71, 120, 95, 120, 95, 99}, 6, 8, {52, 0, 0}, 30600, 15, 255},
    };
    for (const SpeciesRow& row : rows) {
        SCOPED_TRACE(row.index);
        const SpeciesRecord& r = kSpeciesTable[row.index];
        EXPECT_STREQ(kSpeciesNames[row.index], row.name);
        EXPECT_EQ(r.number, row.number);
        EXPECT_EQ(std::to_array(r.baseStats), row.stats);
        EXPECT_EQ(r.type1, row.type1);
        EXPECT_EQ(r.type2, row.type2);
        const SpeciesAbilities& a = kSpeciesAbilities[row.index];
        EXPECT_EQ((std::array<int, 3>{a.ability1, a.ability2, a.hiddenAbility}), row.abilities);
        const BreedingRecord& b = kBreedingTable[row.index];
        EXPECT_EQ(b.hatchSteps, row.hatchSteps);
        EXPECT_EQ(b.eggGroup1, row.eggGroup1);
        EXPECT_EQ(b.eggGroup2, row.eggGroup2);
    }
}

TEST(GeneratedSpecies, FemaleRates) {
    const std::pair<int, int> examples[] = {{0, 25}, {28, 200}, {31, 0}, {24, 100}, {131, 255}};
    for (auto [species, rate] : examples) {
        EXPECT_EQ(kSpeciesTable[species].femaleRate, rate) << species;
    }
    const std::set<int> allowed = {0, 25, 50, 100, 150, 200, 255};
    for (int s = 0; s < kSpeciesCount; ++s) {
        EXPECT_TRUE(allowed.count(kSpeciesTable[s].femaleRate)) << s;
    }
}

TEST(GeneratedSpecies, FormRowsShareTheirNumberAndCarryTheFormInTheName) {
    struct Forms {
        int firstRow;
        int number;
        std::vector<const char*> names;
    };
    const Forms forms[] = {
        {385,
         386,
         {"デオキシス（ノーマル）", "デオキシス（アタック）", "デオキシス（ディフェンス）", "デオキシス（スピード）"}},
        {415, 413, {"ミノマダム（草）", "ミノマダム（砂）", "ミノマダム（ごみ）"}},
        {483, 479, {"ロトム", "ヒートロトム", "ウォッシュロトム", "フロストロトム", "スピンロトム", "カットロトム"}},
        {496, 487, {"ギラティナ（アナザー）", "ギラティナ（オリジン）"}},
        {502, 492, {"シェイミ（ランド）", "シェイミ（スカイ）"}},
        {566, 555, {"ヒヒダルマ", "ヒヒダルマ青"}},
        {660, 648, {"メロエッタ", "メロエッタ（ステップ）"}},
    };
    for (const Forms& f : forms) {
        for (size_t i = 0; i < f.names.size(); ++i) {
            int row = f.firstRow + static_cast<int>(i);
            EXPECT_STREQ(kSpeciesNames[row], f.names[i]) << row;
            EXPECT_EQ(kSpeciesTable[row].number, f.number) << row;
        }
        EXPECT_NE(kSpeciesTable[f.firstRow - 1].number, f.number);
        EXPECT_NE(kSpeciesTable[f.firstRow + f.names.size()].number, f.number);
    }
}

TEST(GeneratedSpecies, EveryRowIsWellFormed) {
    int previousNumber = 0;
    for (int s = 0; s < kSpeciesCount; ++s) {
        SCOPED_TRACE(s);
        const SpeciesRecord& r = kSpeciesTable[s];
        // National order with forms following their default form: never decreasing, never skipping.
        EXPECT_TRUE(r.number == previousNumber || r.number == previousNumber + 1);
        previousNumber = r.number;
        for (int stat : r.baseStats) {
            EXPECT_TRUE(stat >= 1 && stat <= 255);
        }
        for (int type : {r.type1, r.type2}) {
            EXPECT_TRUE(type >= 0 && type <= 17 && type != 9);
        }
        const BreedingRecord& b = kBreedingTable[s];
        EXPECT_TRUE(b.eggGroup1 >= 0 && b.eggGroup1 <= 15);
        EXPECT_TRUE((b.eggGroup2 >= 0 && b.eggGroup2 <= 15 && b.eggGroup2 != b.eggGroup1) || b.eggGroup2 == 255);
        EXPECT_EQ(b.hatchSteps % (r.number <= 493 ? 256 : 255), 0);
        const SpeciesAbilities& a = kSpeciesAbilities[s];
        EXPECT_TRUE(a.ability1 >= 1 && a.ability1 < kAbilityCount);
        EXPECT_TRUE(a.ability2 >= 0 && a.ability2 < kAbilityCount && a.ability2 != a.ability1);
        EXPECT_TRUE(a.hiddenAbility >= 0 && a.hiddenAbility < kAbilityCount);
    }
    EXPECT_EQ(previousNumber, 649);
}

// Every name must fit its fixed 32-byte Shift-JIS slot and survive the round trip.
TEST(GeneratedNames, FitTheirShiftJisSlots) {
    struct Table {
        const char* what;
        std::vector<const char*> names;
        int longest;
    };
    std::vector<const char*> species(kSpeciesNames, kSpeciesNames + kSpeciesCount);
    std::vector<const char*> abilities(kAbilityNames, kAbilityNames + kAbilityCount);
    std::vector<const char*> moves;
    for (const MoveRecord& m : kMoveTable) {
        moves.push_back(m.name);
    }
    const Table tables[] = {{"species", species, 26}, {"abilities", abilities, 0}, {"moves", moves, 14}};
    for (const Table& t : tables) {
        int longest = 0;
        std::set<std::string> seen;
        for (const char* name : t.names) {
            std::string bytes = text::toCp932(name);
            EXPECT_LE(bytes.size(), 31u) << t.what << " " << name;
            EXPECT_FALSE(bytes.empty()) << t.what;
            EXPECT_EQ(text::fromCp932(bytes), name) << t.what;
            EXPECT_TRUE(seen.insert(name).second) << t.what << " repeats " << name;
            longest = std::max(longest, static_cast<int>(bytes.size()));
        }
        if (t.longest) {
            EXPECT_EQ(longest, t.longest) << t.what;
        }
    }
}

TEST(GeneratedAbilities, QuotedIndices) {
    const std::pair<int, const char*> quoted[] = {
        {0, "無指定"},          {1, "アイスボディ"},     {3, "あついしぼう"},    {11, "いろめがね"},
        {13, "エアロック"},     {18, "かたやぶり"},      {22, "かんそうはだ"},   {24, "きもったま"},
        {29, "げきりゅう"},     {30, "こんじょう"},      {32, "サンパワー"},     {36, "じゅうなん"},
        {40, "しんりょく"},     {48, "スロースタート"},  {51, "たいねつ"},       {52, "ダウンロード"},
        {54, "たんじゅん"},     {55, "ちからもち"},      {56, "ちくでん"},       {58, "ちょすい"},
        {59, "てきおうりょく"}, {60, "テクニシャン"},    {62, "でんきエンジン"}, {63, "てんきや"},
        {64, "てんねん"},       {66, "とうそうしん"},    {67, "どくのトゲ"},     {75, "ノーてんき"},
        {76, "ノーマルスキン"}, {77, "ハードロック"},    {81, "はりきり"},       {84, "フィルター"},
        {85, "ぶきよう"},       {89, "ふしぎなまもり"},  {91, "ふゆう"},         {94, "プレッシャー"},
        {105, "マルチタイプ"},  {108, "むしのしらせ"},   {111, "もうか"},        {113, "もらいび"},
        {118, "ようりょくそ"},  {119, "ヨガパワー"},     {123, "りんぷん"},      {124, "アナライズ"},
        {129, "かわりもの"},    {135, "しょうりのほし"}, {164, "わるいてぐせ"},
    };
    for (auto [index, name] : quoted) {
        EXPECT_STREQ(kAbilityNames[index], name) << index;
    }
}

struct MoveRow {
    int index;
    const char* name;
    int power, accuracy, pp, type, category, target;
};

TEST(GeneratedMoves, TellingRows) {
    const MoveRow rows[] = {
        {0, "はたく", 40, 100, 35, 0, 0, 1},
        {84, "１０まんボルト", 95, 100, 15, 13, 1, 1},
        {88, "じしん", 100, 100, 10, 4, 0, 4},
        {354, "はねやすめ", 0, 0, 10, 2, 2, 0},
        {552, "バークアウト", 55, 95, 15, 17, 1, 2},
        {128, "スピードスター", 60, 0, 20, 0, 1, 2},
        {236, "めざめるパワー", 1, 100, 15, 0, 1, 1},
        {68, "ちきゅうなげ", 1, 100, 20, 1, 0, 1},
        {66, "けたぐり", 1, 100, 20, 1, 0, 1},
        {11, "ハサミギロチン", 1, 30, 5, 0, 0, 1},
        {366, "つぼをつく", 0, 0, 30, 0, 2, 13},
        // The moves after バークアウト, in national order (553, 554, 556..559).
        {553, "フリーズボルト", 140, 90, 5, 15, 0, 1},
        {554, "コールドフレア", 140, 90, 5, 15, 1, 1},
        {555, "つららおとし", 85, 90, 10, 15, 0, 1},
        {556, "Ｖジェネレート", 180, 95, 5, 10, 0, 1},
        {558, "クロスサンダー", 100, 100, 5, 13, 0, 1},
    };
    for (const MoveRow& row : rows) {
        SCOPED_TRACE(row.index);
        const MoveRecord& m = kMoveTable[row.index];
        EXPECT_STREQ(m.name, row.name);
        EXPECT_EQ(m.power, row.power);
        EXPECT_EQ(m.accuracy, row.accuracy);
        EXPECT_EQ(m.pp, row.pp);
        EXPECT_EQ(m.type, row.type);
        EXPECT_EQ(m.category, row.category);
        EXPECT_EQ(m.target, row.target);
    }
    EXPECT_EQ(kMoveTable[0].effect, 0);
    EXPECT_EQ(kMoveTable[84].effect, 6);
}

TEST(GeneratedMoves, CountsOverTheClassicRows) {
    constexpr int kClassicMoveCount = 553; // the rows every box file has always known
    int withoutAccuracy = 0, variablePower = 0;
    for (int m = 0; m < kClassicMoveCount; ++m) {
        withoutAccuracy += kMoveTable[m].accuracy == 0;
        variablePower += kMoveTable[m].power == 1;
    }
    EXPECT_EQ(withoutAccuracy, 148);
    EXPECT_EQ(variablePower, 37);
}

TEST(GeneratedMoves, EveryRowIsWellFormed) {
    for (int i = 0; i < kMoveCount; ++i) {
        SCOPED_TRACE(i);
        const MoveRecord& m = kMoveTable[i];
        EXPECT_TRUE(m.power >= 0 && m.power <= 250);
        EXPECT_TRUE(m.accuracy >= 0 && m.accuracy <= 100);
        EXPECT_TRUE(m.pp >= 1 && m.pp <= 40);
        EXPECT_TRUE(m.type >= 0 && m.type <= 17 && m.type != 9);
        EXPECT_TRUE(m.category >= 0 && m.category <= 2);
        // Status moves do no direct damage; damaging ones have a power (1 when it varies).
        EXPECT_EQ(m.category == 2, m.power == 0);
        EXPECT_TRUE((m.target >= 0 && m.target <= 12) || (i == 366 && m.target == 13));
        EXPECT_TRUE(m.effect >= 0 && m.effect <= 337);
    }
}

std::vector<int> evolvesInto(int species) {
    std::vector<int> to;
    for (const EvolutionRecord& e : kEvolutionTable) {
        if (e.fromSpecies == species + 1) {
            to.push_back(e.toSpecies - 1);
        }
    }
    return to;
}

TEST(GeneratedEvolutions, QuotedLines) {
    struct Line {
        int from;
        std::vector<int> to;
    };
    const Line lines[] = {
        {0, {1}},
        {1, {2}},
        {2, {}},
        // イーブイ: シャワーズ, サンダース, ブースター, エーフィ, ブラッキー, リーフィア, グレイシア.
        {132, {133, 134, 135, 195, 196, 474, 475}},
        // ミノムッチ: the three ミノマダム forms, then ガーメイル.
        {414, {415, 416, 417, 418}},
        // ダルマッカ evolves into ヒヒダルマ's standard row only.
        {565, {566}},
        {171, {24}},
    };
    for (const Line& line : lines) {
        EXPECT_EQ(evolvesInto(line.from), line.to) << line.from;
    }
}

TEST(GeneratedEvolutions, SortedAcyclicAndEndingEachSpeciesAtMostOnce) {
    std::vector<int> parent(kSpeciesCount, -1);
    int previousFrom = 0;
    for (const EvolutionRecord& e : kEvolutionTable) {
        ASSERT_TRUE(e.fromSpecies >= 1 && e.fromSpecies <= kSpeciesCount);
        ASSERT_TRUE(e.toSpecies >= 1 && e.toSpecies <= kSpeciesCount);
        EXPECT_GE(e.fromSpecies, previousFrom);
        previousFrom = e.fromSpecies;
        EXPECT_EQ(parent[e.toSpecies - 1], -1) << "two links end at " << e.toSpecies;
        parent[e.toSpecies - 1] = e.fromSpecies - 1;
    }
    for (int s = 0; s < kSpeciesCount; ++s) {
        int steps = 0;
        for (int at = s; parent[at] != -1; at = parent[at]) {
            ASSERT_LT(++steps, 3) << "evolution line through " << s << " is too long or cyclic";
        }
    }
    size_t mostLinks = 0;
    for (int s = 0; s < kSpeciesCount; ++s) {
        mostLinks = std::max(mostLinks, evolvesInto(s).size());
    }
    EXPECT_EQ(mostLinks, 7u);
}

} // namespace
} // namespace rusrina::generated
