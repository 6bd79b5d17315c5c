#include "data/moves.h"
#include "data/types.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace rusrina;

namespace {

enum : int {
    Normal = 0,
    Fighting = 1,
    Flying = 2,
    Poison = 3,
    Ground = 4,
    Rock = 5,
    Bug = 6,
    Ghost = 7,
    Steel = 8,
    Fire = 10,
    Water = 11,
    Grass = 12,
    Electric = 13,
    Psychic = 14,
    Ice = 15,
    Dragon = 16,
    Dark = 17,
};

TEST(TypeChart, EffectivenessOfTellingPairs) {
    struct Case {
        int attacking, defending1, defending2, expected;
    } cases[] = {
        {Ground, Electric, Electric, 8}, // single type: the entry is doubled, not squared
        {Ground, Flying, Electric, 0},   // the flying column gives 0 whatever the other type
        {Normal, Ghost, Ghost, 0},
        {Electric, Water, Ground, 0},
        {Psychic, Dark, Dark, 0},
        {Fire, Grass, Bug, 16},
        {Ice, Dragon, Flying, 16},
        {Fire, Water, Rock, 1},
        {Grass, Water, Water, 8},
        {Dragon, Dragon, Dragon, 8},
        {Rock, Fire, Fighting, 4}, // double times half
        {Normal, Normal, Normal, 4},
        {Fire, kPlaceholderType, kPlaceholderType, 0},
        {kPlaceholderType, Normal, Normal, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(effectiveness(c.attacking, c.defending1, c.defending2), c.expected)
            << c.attacking << " vs " << c.defending1 << "/" << c.defending2;
}

// The 5th-generation chart has 7 immunities, 46 double and 57 half entries among the real types
// (counted from an independent data set); a mistyped entry changes one of these counts.
TEST(TypeChart, CodesAndTheirCounts) {
    int counts[5] = {};
    for (int a = 0; a < kTypeCount; ++a) {
        for (int d = 0; d < kTypeCount; ++d) {
            const int code = typeChart(a, d);
            ASSERT_TRUE(code == 0 || code == 1 || code == 2 || code == 4) << a << "," << d;
            if (a == kPlaceholderType || d == kPlaceholderType) {
                EXPECT_EQ(code, 0) << a << "," << d;
            } else {
                ++counts[code];
            }
        }
    }
    EXPECT_EQ(counts[0], 7);
    EXPECT_EQ(counts[4], 46);
    EXPECT_EQ(counts[1], 57);
    EXPECT_EQ(counts[2], 17 * 17 - 7 - 46 - 57);
    EXPECT_EQ(typeChart(-1, 0), 0);
    EXPECT_EQ(typeChart(0, kTypeCount), 0);
}

TEST(TypeChart, MatchupTexts) {
    struct Case {
        int type1, type2;
        const char* resistance;
        const char* weakness;
    } cases[] = {
        {Grass, Poison, "　1/2：闘水電　1/4：草", "　２倍：飛炎超氷"},
        {Poison, Grass, "　1/2：闘水電　1/4：草", "　２倍：飛炎超氷"},
        {Normal, Normal, "　無効：霊", "　２倍：闘"}, // the placeholder is never listed
        {Grass, Bug, "　1/2：闘水電　1/4：地草", "　４倍：飛炎　２倍：毒岩虫氷"},
        {Ghost, Dark, "　1/2：毒　無効：ノ闘超", ""}, // no weakness: no heading either
        {Electric, Electric, "　1/2：飛鋼電", "　２倍：地"},
    };
    for (const Case& c : cases) {
        const TypeMatchupSummary summary = typeMatchupSummary(c.type1, c.type2);
        EXPECT_EQ(summary.resistance, c.resistance) << c.type1 << "/" << c.type2;
        EXPECT_EQ(summary.weakness, c.weakness) << c.type1 << "/" << c.type2;
    }
}

TEST(TypeChart, ListPositions) {
    struct Case {
        int position, type;
    } cases[] = {{0, -1}, {1, Normal}, {9, Steel}, {10, Fire}, {17, Dark}, {18, -1}, {-1, -1}};
    for (const Case& c : cases)
        EXPECT_EQ(typeAtListPosition(c.position), c.type) << c.position;
}

TEST(TypeChart, HiddenPowerTypes) {
    struct Case {
        int number, type;
    } cases[] = {{0, Fighting}, {7, Steel}, {8, Fire}, {14, Dragon}, {15, Dark}};
    for (const Case& c : cases)
        EXPECT_EQ(hiddenPowerType(c.number), c.type) << c.number;
    std::set<int> seen;
    for (int number = 0; number < 16; ++number)
        seen.insert(hiddenPowerType(number));
    EXPECT_EQ(seen.size(), 16u);
    EXPECT_EQ(seen.count(Normal), 0u);
    EXPECT_EQ(seen.count(kPlaceholderType), 0u);
}

TEST(MoveNames, CategoriesTargetsAndBadIndices) {
    EXPECT_STREQ(moveCategoryName(kStatus), "変化");
    EXPECT_STREQ(moveTargetName(12), "味方ランダム");
    EXPECT_STREQ(moveTargetName(13), ""); // つぼをつく's code has no caption
    EXPECT_STREQ(moveRecord(kMoveCount).name, "");
    EXPECT_EQ(moveRecord(-1).power, 0);
}

} // namespace
