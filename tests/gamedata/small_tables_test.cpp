#include "data/battle_rules.h"
#include "data/characteristics.h"
#include "data/items.h"
#include "data/natures.h"
#include "data/search_options.h"
#include "data/species.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

using namespace rusrina;

namespace {

// A nature label names the raised and the lowered stat in its parentheses; the factors must say
// the same, and the padding must bring every opening parenthesis to the same byte column.
TEST(Natures, LabelsAgreeWithFactors) {
    const std::map<std::string, int> statOfWord = {
        {"攻撃", kAttack}, {"防御", kDefence}, {"特攻", kSpAttack}, {"特防", kSpDefence}, {"素早", kSpeed}};
    std::set<std::string> names;
    for (int n = 0; n < kNatureCount; ++n) {
        const NatureRecord& nature = natureRecord(n);
        const std::string label = nature.label;
        const std::size_t open = label.find("（");
        ASSERT_NE(open, std::string::npos) << label;
        EXPECT_EQ(text::cp932Width(label.substr(0, open)), 10) << label;
        EXPECT_LT(text::cp932Width(label), 28) << label; // 28-byte slot with its terminator
        names.insert(label.substr(0, std::min(label.find("　"), open)));
        EXPECT_EQ(nature.factor[kHp], 0) << label;

        int expected[kStatCount] = {0, 10, 10, 10, 10, 10};
        const std::string inside = label.substr(open + std::string("（").size());
        if (inside != "変化無し）") {
            ASSERT_EQ(inside.size(), std::string("攻撃＋防御－）").size()) << label;
            expected[statOfWord.at(inside.substr(0, 6))] = 11;
            expected[statOfWord.at(inside.substr(9, 6))] = 9;
        }
        for (int stat = 0; stat < kStatCount; ++stat)
            EXPECT_EQ(nature.factor[stat], expected[stat]) << label << " stat " << stat;
    }
    EXPECT_EQ(names.size(), 25u);
    // The stored order: grouped by raised stat; the neutral natures last.
    EXPECT_STREQ(natureRecord(0).label, "さみしがり（攻撃＋防御－）");
    EXPECT_STREQ(natureRecord(3).label, "ゆうかん　（攻撃＋素早－）");
    EXPECT_STREQ(natureRecord(7).label, "のんき　　（防御＋素早－）");
    EXPECT_STREQ(natureRecord(20).label, "がんばりや（変化無し）");
    EXPECT_STREQ(natureRecord(24).label, "まじめ　　（変化無し）");
    EXPECT_EQ(natureRecord(99).factor[kAttack], 10); // a damaged index reads as neutral
}

// The game lists the characteristics stat by stat for each remainder: HP, attack, .. speed with
// remainder 0, then the six with remainder 1, and so on. A stat id read off by one breaks this.
TEST(Characteristics, EveryStatAndRemainderOnceInTheGamesOrder) {
    std::set<std::string> texts;
    for (int index = 0; index < kCharacteristicCount; ++index) {
        const CharacteristicRecord& row = characteristicRecord(index);
        EXPECT_EQ(row.stat, index % kStatCount) << index;
        EXPECT_EQ(row.ivMod5, index / kStatCount) << index;
        EXPECT_LT(text::cp932Width(row.text), 32) << index;
        texts.insert(row.text);
    }
    EXPECT_EQ(texts.size(), 30u);
    EXPECT_STREQ(characteristicRecord(0).text, "たべるのが　だいすき");
    EXPECT_STREQ(characteristicRecord(26).text, "がまん　づよい"); // defence, remainder 4
    EXPECT_STREQ(characteristicRecord(29).text, "にげるのが　はやい");
    EXPECT_STREQ(characteristicRecord(-1).text, characteristicRecord(0).text); // outside reads the first row
}

TEST(DamageItems, TellingRows) {
    struct Case {
        int index;
        const char* name;
        int attackKind, attackValue, defenceKind, defenceValue;
    } cases[] = {
        {0, "なし／その他", kItemNone, 0, kItemNone, 0},
        {3, "こだわりハチマキ", kItemPhysical, 15, kItemNone, 0},
        {9, "たつじんのおび", kItemSuperEffective, 12, kItemNone, 0},
        {10, "こころのしずく", kItemSpecial, 15, kItemSpecial, 15}, // acts on both sides
        {12, "しんかいのウロコ", kItemNone, 0, kItemSpecial, 20},
        {13, "メタルパウダー", kItemNone, 0, kItemPhysical, 20},
        {14, "チイラのみ", kItemAttackBerry, 0, kItemNone, 0},
        {16, "", kItemNone, 0, kItemNone, 0},
        {17, "なし／その他", kItemNone, 0, kItemNone, 0}, // outside the table: no item
    };
    for (const Case& c : cases) {
        const DamageItem& item = damageItem(c.index);
        EXPECT_STREQ(item.name, c.name) << c.index;
        EXPECT_EQ(item.attackKind, c.attackKind) << c.index;
        EXPECT_EQ(item.attackValue, c.attackValue) << c.index;
        EXPECT_EQ(item.defenceKind, c.defenceKind) << c.index;
        EXPECT_EQ(item.defenceValue, c.defenceValue) << c.index;
    }
    const char* weathers[] = {"通常", "晴れ", "雨", "砂嵐", "霰"};
    for (int w = 0; w < kWeatherCount; ++w)
        EXPECT_STREQ(weatherName(w), weathers[w]);
    EXPECT_STREQ(weatherName(kWeatherCount), "");
}

// Labels must state the value they filter by; values run downwards so the lists read in order.
TEST(ThresholdOptions, LabelsValuesAndBounds) {
    EXPECT_STREQ(statAtMostOption(0).label, " 無指定");
    EXPECT_STREQ(statAtLeastOption(0).label, " 無指定");
    EXPECT_GE(statAtMostOption(0).value, 255); // no base stat is above it
    EXPECT_EQ(statAtLeastOption(0).value, 0);
    const int values[] = {150, 130, 120, 110, 105, 100, 95, 90, 80, 70, 50};
    for (int option = 1; option < kThresholdOptionCount; ++option) {
        const int value = values[option - 1];
        EXPECT_EQ(statAtMostOption(option).value, value);
        EXPECT_EQ(statAtLeastOption(option).value, value);
        EXPECT_EQ(std::string(statAtMostOption(option).label), std::to_string(value) + "以下");
        EXPECT_EQ(std::string(statAtLeastOption(option).label), std::to_string(value) + "以上");
    }
    EXPECT_EQ(statAtMostOption(-1).value, 512);
    EXPECT_EQ(statAtLeastOption(kThresholdOptionCount).value, 0);
}

TEST(EggGroups, ListOrderKeepsTheWaterGroupsTogether) {
    const char* expected[] = {"怪獣", "水中－１", "水中－２", "水中－３", "虫",       "飛行",     "陸上",     "妖精",
                              "植物", "人型",     "鉱物",     "不定形",   "ドラゴン", "性別不明", "メタモン", "未発見"};
    const std::vector<int> order = eggGroupListOrder();
    ASSERT_EQ(order.size(), 16u);
    for (std::size_t i = 0; i < order.size(); ++i)
        EXPECT_STREQ(eggGroupName(order[i]), expected[i]) << i;
    EXPECT_EQ(order[2] + 1, 12); // the list value of "水中－２"
    EXPECT_EQ(order[3] + 1, 9);  // and of "水中－３"
    EXPECT_STREQ(eggGroupName(kEggGroupDitto), "メタモン");
    EXPECT_STREQ(eggGroupName(kEggGroupUndiscovered), "未発見");
    EXPECT_STREQ(eggGroupName(kSingleEggGroup), "");
}

TEST(BattleRules, NamesAndSpeciesLists) {
    for (int rule = 0; rule < kBattleRuleCount; ++rule) {
        const std::string name = ruleName(rule);
        EXPECT_EQ(name.substr(0, 1), " ") << rule;
        EXPECT_LT(text::cp932Width(name), 32) << rule;
    }
    EXPECT_STREQ(ruleName(kRuleUnrestricted), " 無制限");
    EXPECT_STREQ(ruleName(kRuleXyremFinal), " ザイレム最終限定(TK)");
    EXPECT_STREQ(ruleName(kBattleRuleCount), "");

    const auto& legendaries = excludedLegendaries();
    EXPECT_EQ(std::set<int>(legendaries.begin(), legendaries.end()).size(), 31u);
    EXPECT_NE(std::find(legendaries.begin(), legendaries.end(), 494 + 1), legendaries.end()); // ヒードラン
    EXPECT_EQ(std::find(legendaries.begin(), legendaries.end(), 504 + 1), legendaries.end()); // not アルセウス

    const auto& zv = nordenListZV();
    const auto& qx = nordenListQX();
    EXPECT_EQ(std::count(zv.begin(), zv.end(), 482 + 1), 2); // ユキメノコ twice
    EXPECT_EQ(std::set<int>(zv.begin(), zv.end()).size(), 220u);
    EXPECT_EQ(std::count(zv.begin(), zv.end(), 0), 0);
    EXPECT_EQ(zv.front(), 389 + 1);
    EXPECT_TRUE(std::equal(zv.begin(), zv.begin() + 152, qx.begin()));
    EXPECT_EQ(qx[151], 493 + 1);
    EXPECT_EQ(qx[152], 501 + 1); // ダークライ
    EXPECT_EQ(std::count(qx.begin(), qx.end(), 0), 68);
    EXPECT_EQ(std::count(qx.begin() + 153, qx.end(), 0), 68);
}

} // namespace
