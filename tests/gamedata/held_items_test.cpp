// The table of every held item: indices that box files store stay where they are, every item is
// named and found in both languages, each maps to the right damage-item row, and the attributes
// the damage rules read hold their quoted values.
#include "data/held_items.h"
#include "data/items.h"
#include "data/names.h"
#include "text/name_fold.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace rusrina;

namespace {

int type(const char* name) {
    return findType(name);
}

// Box files store these indices: a change here breaks every saved box.
TEST(HeldItems, IndicesNeverMove) {
    const std::map<int, const char*> pinned = {
        {1, "マスターボール"},     {93, "チイラのみ"},        {96, "ヤタピのみ"},      {110, "こだわりハチマキ"},
        {113, "こころのしずく"},   {119, "たべのこし"},       {121, "でんきだま"},     {150, "いのちのたま"},
        {167, "こだわりスカーフ"}, {178, "ひのたまプレート"}, {215, "しんかのきせき"}, {225, "ほのおのジュエル"},
        {245, "でかいきんのたま"},
    };
    EXPECT_EQ(heldItemCount(), 246);
    for (const auto& [index, name] : pinned)
        EXPECT_STREQ(heldItem(index).japanese, name) << index;
}

TEST(HeldItems, EveryItemNamedFoundAndMapped) {
    std::map<std::string, int> folded;
    for (int i = 1; i < heldItemCount(); ++i) {
        const HeldItem& item = heldItem(i);
        for (const char* name : {item.japanese, item.english}) {
            ASSERT_STRNE(name, "") << i;
            EXPECT_EQ(findHeldItem(name), i) << name;
            auto [at, fresh] = folded.emplace(text::foldName(name), i);
            EXPECT_TRUE(fresh || at->second == i) << name << " folds like item " << at->second;
        }
        EXPECT_TRUE(item.generation == 4 || item.generation == 5) << item.english;
        EXPECT_EQ(damageRowOfHeldItem(i), item.damageRow);
        // Type boosts are the only items the "各種タイプ補正" row stands for.
        const bool typeBoost = item.boostKind == kBoostType || item.boostKind == kBoostSpeciesTypes;
        EXPECT_EQ(item.damageRow == 1, typeBoost) << item.english;
        EXPECT_GE(item.damageRow, 0);
        EXPECT_LT(item.damageRow, kDamageItemCount - 1);
    }
    EXPECT_EQ(heldItem(kNoHeldItem).damageRow, 0);
    EXPECT_EQ(heldItem(-1).english, heldItem(kNoHeldItem).english);
    EXPECT_EQ(heldItem(heldItemCount()).english, heldItem(kNoHeldItem).english);
    EXPECT_EQ(findHeldItem(""), -1);
    EXPECT_EQ(findHeldItem("なし／その他"), -1);
    EXPECT_EQ(findHeldItem("leftovers"), findHeldItem("たべのこし"));
}

// Rows 2..15 are each one item, named there exactly as the item is; the item maps back to the row.
TEST(HeldItems, DamageRowsKnowTheirItem) {
    EXPECT_EQ(heldItemOfDamageRow(0), kNoHeldItem);
    EXPECT_EQ(heldItemOfDamageRow(1), -1);
    EXPECT_EQ(heldItemOfDamageRow(16), -1);
    for (int row = 2; row < 16; ++row) {
        const int item = heldItemOfDamageRow(row);
        ASSERT_GT(item, 0) << row;
        EXPECT_STREQ(heldItem(item).japanese, damageItem(row).name);
        EXPECT_STREQ(heldItem(item).english, itemEnglishName(row));
        EXPECT_EQ(heldItem(item).damageRow, row);
    }
}

// Each kind of type item covers the types it should, one item a type.
TEST(HeldItems, TypeItemsCoverTheirTypes) {
    std::set<int> plates, gems, resisted, drives;
    for (int i = 1; i < heldItemCount(); ++i) {
        const HeldItem& item = heldItem(i);
        if (item.plateType != kNoItemType) {
            EXPECT_TRUE(plates.insert(item.plateType).second) << item.english;
            EXPECT_EQ(item.boostType, item.plateType) << item.english;
        }
        if (item.boostKind == kBoostGem) {
            EXPECT_TRUE(gems.insert(item.boostType).second) << item.english;
        }
        if (item.resistType != kNoItemType) {
            EXPECT_TRUE(item.berry) << item.english;
            EXPECT_TRUE(resisted.insert(item.resistType).second) << item.english;
        }
        if (item.driveType != kNoItemType)
            drives.insert(item.driveType);
        if (item.berry) {
            EXPECT_NE(item.naturalGiftType, kNoItemType) << item.english;
            EXPECT_GT(item.naturalGiftPower, 0) << item.english;
        }
    }
    EXPECT_EQ(plates.size(), 16u); // every type but ノーマル
    EXPECT_EQ(plates.count(type("ノーマル")), 0u);
    EXPECT_EQ(gems.size(), 17u);
    EXPECT_EQ(resisted.size(), 17u);
    EXPECT_EQ(drives, (std::set<int>{type("みず"), type("でんき"), type("ほのお"), type("こおり")}));
}

struct QuotedItem {
    const char* name;
    int generation, damageRow, flingPower, boostKind;
    const char *boostType, *boostType2, *resistType;
    int species1, species2;
};

TEST(HeldItems, QuotedRows) {
    const QuotedItem quoted[] = {
        {"シルクのスカーフ", 4, 1, 10, kBoostType, "ノーマル", "", "", 0, 0},
        {"Charcoal", 4, 1, 30, kBoostType, "ほのお", "", "", 0, 0},
        {"うしおのおこう", 4, 1, 10, kBoostType, "みず", "", "", 0, 0},
        {"こんごうだま", 4, 1, 60, kBoostSpeciesTypes, "はがね", "ドラゴン", "", 483, 0},
        {"はっきんだま", 4, 1, 60, kBoostSpeciesTypes, "ゴースト", "ドラゴン", "", 487, 0},
        {"ほのおのジュエル", 5, 0, 0, kBoostGem, "ほのお", "", "", 0, 0},
        {"ホズのみ", 4, 0, 10, kBoostNone, "", "", "ノーマル", 0, 0},
        {"Occa Berry", 4, 0, 10, kBoostNone, "", "", "ほのお", 0, 0},
        {"いのちのたま", 4, 2, 30, kBoostNone, "", "", "", 0, 0},
        {"くろいてっきゅう", 4, 0, 130, kBoostNone, "", "", "", 0, 0},
        {"たべのこし", 4, 0, 10, kBoostNone, "", "", "", 0, 0},
        {"しんかのきせき", 5, 0, 40, kBoostNone, "", "", "", 0, 0},
        {"ふうせん", 5, 0, 10, kBoostNone, "", "", "", 0, 0},
        {"でんきだま", 4, 6, 30, kBoostNone, "", "", "", 25, 0},
        {"ふといホネ", 4, 7, 90, kBoostNone, "", "", "", 104, 105},
        {"こころのしずく", 4, 10, 30, kBoostNone, "", "", "", 380, 381},
        {"しんかいのウロコ", 4, 12, 30, kBoostNone, "", "", "", 366, 0},
        {"メタルパウダー", 4, 13, 10, kBoostNone, "", "", "", 132, 0},
        {"Burn Drive", 5, 0, 70, kBoostNone, "", "", "", 649, 0},
    };
    for (const QuotedItem& q : quoted) {
        const int index = findHeldItem(q.name);
        ASSERT_GT(index, 0) << q.name;
        const HeldItem& item = heldItem(index);
        EXPECT_EQ(item.generation, q.generation) << q.name;
        EXPECT_EQ(item.damageRow, q.damageRow) << q.name;
        EXPECT_EQ(item.flingPower, q.flingPower) << q.name;
        EXPECT_EQ(item.boostKind, q.boostKind) << q.name;
        EXPECT_EQ(item.boostType, *q.boostType ? type(q.boostType) : kNoItemType) << q.name;
        EXPECT_EQ(item.boostType2, *q.boostType2 ? type(q.boostType2) : kNoItemType) << q.name;
        EXPECT_EQ(item.resistType, *q.resistType ? type(q.resistType) : kNoItemType) << q.name;
        EXPECT_EQ(item.species1, q.species1) << q.name;
        EXPECT_EQ(item.species2, q.species2) << q.name;
    }
    const HeldItem& plate = heldItem(findHeldItem("Flame Plate"));
    EXPECT_EQ(plate.plateType, type("ほのお"));
    const HeldItem& liechi = heldItem(findHeldItem("チイラのみ"));
    EXPECT_TRUE(liechi.berry);
    EXPECT_EQ(liechi.naturalGiftType, type("くさ"));
    EXPECT_EQ(liechi.naturalGiftPower, 80);
    EXPECT_EQ(heldItem(findHeldItem("Douse Drive")).driveType, type("みず"));
}

TEST(HeldItems, OtherGenerationsNamed) {
    EXPECT_EQ(otherItemGeneration("Assault Vest"), 6);
    EXPECT_EQ(otherItemGeneration("とつげきチョッキ"), 6);
    EXPECT_EQ(otherItemGeneration("Heavy-Duty Boots"), 8);
    EXPECT_EQ(otherItemGeneration("Berserk Gene"), 2);
    EXPECT_EQ(otherItemGeneration("Leftovers"), 0); // a held item of these generations
    EXPECT_EQ(otherItemGeneration("no such item"), 0);
}

} // namespace
