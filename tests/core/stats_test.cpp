#include "calc/stats.h"

#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"

#include <gtest/gtest.h>

#include <string>

using namespace rusrina;

namespace {

struct StatCase {
    const char* what;
    int base, iv, ev, level, multiplier;
    int expected;
};

TEST(StatFormulas, Hp) {
    const StatCase cases[] = {
        {"base 100, IV 31, EV 252, level 50", 100, 31, 252, 50, 0, 207},
        {"level 1, base 1", 1, 0, 0, 1, 0, 11},
        {"level 100, no IV or EV", 100, 0, 0, 100, 0, 310},
        {"EV 3 adds nothing", 100, 0, 3, 100, 0, 310},
        {"EV 4 adds one", 100, 0, 4, 100, 0, 311},
        {"EV 255 adds 63", 100, 0, 255, 100, 0, 373},
        // Level first, then the division: 33 * 50 / 100 = 16, not 33 / 100 * 50 = 0.
        {"multiply by the level before dividing", 1, 31, 0, 50, 0, 76},
        {"base HP 1 follows the plain formula", 1, 31, 0, 100, 0, 143},
        {"an IV of 255 is used unchanged", 100, 255, 0, 100, 0, 565},
    };
    for (const auto& c : cases)
        EXPECT_EQ(computeHp(c.base, c.iv, c.ev, c.level), c.expected) << c.what;
}

TEST(StatFormulas, OtherStats) {
    const StatCase cases[] = {
        {"base 100, IV 31, EV 252, level 50, raised", 100, 31, 252, 50, 11, 167},
        {"same, neutral", 100, 31, 252, 50, 10, 152},
        // The nature multiplies after the +5: 152 * 9 / 10 = 136, not 147 * 9 / 10 + 5 = 137.
        {"same, lowered", 100, 31, 252, 50, 9, 136},
        {"level 1, base 1, lowered", 1, 0, 0, 1, 9, 4},
        {"level 1, base 1, neutral", 1, 0, 0, 1, 10, 5},
        {"level 1, base 1, raised", 1, 0, 0, 1, 11, 5},
        {"EV 3 adds nothing", 100, 0, 3, 100, 10, 205},
        {"EV 4 adds one", 100, 0, 4, 100, 10, 206},
        {"EV 255 adds 63", 100, 0, 255, 100, 10, 268},
        {"n + 5 = 10 lowered gives 9", 1, 3, 0, 100, 9, 9},
        {"n + 5 = 11 lowered still gives 9", 1, 4, 0, 100, 9, 9},
        {"an IV of 255 is used unchanged", 100, 255, 0, 100, 10, 460},
    };
    for (const auto& c : cases)
        EXPECT_EQ(computeStat(c.base, c.iv, c.ev, c.level, c.multiplier), c.expected) << c.what;
}

TEST(StatFormulas, LevelOnlyFormMatchesTheFullFormulasAtZeroIvAndEv) {
    EXPECT_EQ(computeBaseOnlyStat(kHp, 100, 50), 160);
    EXPECT_EQ(computeBaseOnlyStat(kSpeed, 100, 50), 105);
    EXPECT_EQ(computeBaseOnlyStat(kAttack, 1, 1), 5);
    EXPECT_EQ(computeBaseOnlyStat(kHp, 255, 100), 620);
    for (int base = 1; base <= 255; ++base) {
        for (int level = 1; level <= 100; ++level) {
            ASSERT_EQ(computeBaseOnlyStat(kHp, base, level), computeHp(base, 0, 0, level)) << base << " " << level;
            for (int stat = kAttack; stat <= kSpeed; ++stat)
                ASSERT_EQ(computeBaseOnlyStat(stat, base, level), computeStat(base, 0, 0, level, 10))
                    << base << " " << level;
        }
    }
}

TEST(StatFormulas, EntryStatsOfARegisteredCreature) {
    const int pikachu = 24; // base 35 55 30 50 40 90; nature 3 raises attack, lowers speed
    EXPECT_EQ(computeEntryStats(pikachu, {31, 31, 31, 31, 31, 31}, {0, 252, 0, 0, 4, 252}, 50, 3),
              (std::array<int, 6>{110, 117, 50, 70, 61, 127}));
    EXPECT_EQ(speciesRecord(FIXED_HP_SPECIES).baseStats[kHp], 1);
    // ヌケニン stores HP 1 whatever its IVs, EVs and level; its other stats follow the formulas.
    for (int level : {1, 50, 100}) {
        auto stats = computeEntryStats(FIXED_HP_SPECIES, {31, 0, 31, 31, 31, 255}, {255, 0, 0, 0, 0, 255}, level, 24);
        EXPECT_EQ(stats[kHp], 1) << level;
        EXPECT_EQ(stats[kSpeed], computeStat(speciesRecord(FIXED_HP_SPECIES).baseStats[kSpeed], 255, 255, level, 10));
    }
    EXPECT_EQ(computeEntryStats(-1, {}, {}, 50, 0), (std::array<int, 6>{}));
    EXPECT_EQ(computeEntryStats(kSpeciesCount, {}, {}, 50, 0), (std::array<int, 6>{}));
}

TEST(NatureMultiplier, FollowsTheRaisedAndLoweredRule) {
    // Row r < 20 raises entry r / 4 of the five stats and lowers entry r % 4 of the other four.
    for (int nature = 0; nature < kNatureCount; ++nature) {
        int raised = -1, lowered = -1;
        if (nature < 20) {
            raised = 1 + nature / 4;
            lowered = 1 + nature % 4;
            if (lowered >= raised)
                ++lowered;
        }
        for (int stat = kAttack; stat <= kSpeed; ++stat) {
            int expected = stat == raised ? 11 : stat == lowered ? 9 : 10;
            EXPECT_EQ(natureMultiplier(nature, stat), expected) << "nature " << nature << " stat " << stat;
        }
    }
}

TEST(NatureMultiplier, HpAndOutOfRangeInputsAreNeutral) {
    const int inputs[][2] = {{0, kHp}, {5, kHp}, {-1, kAttack}, {25, kAttack}, {0, -1}, {0, 6}, {1000000, 3}};
    for (auto [nature, stat] : inputs)
        EXPECT_EQ(natureMultiplier(nature, stat), 10) << nature << " " << stat;
}

TEST(HiddenPower, TypeAndPower) {
    struct Case {
        const char* what;
        std::array<int, 6> ivs; // HP, attack, defence, sp. attack, sp. defence, speed
        const char* type;
        int power;
    } cases[] = {
        {"all 31", {31, 31, 31, 31, 31, 31}, "あく", 70},
        {"all 30", {30, 30, 30, 30, 30, 30}, "かくとう", 70},
        {"all 0", {0, 0, 0, 0, 0, 0}, "かくとう", 30},
        // Speed weighs 8, sp. attack 16, sp. defence 32.
        {"speed odd only: sum 8", {0, 0, 0, 0, 0, 1}, "ひこう", 30},
        {"sp. attack odd only: sum 16", {0, 0, 0, 1, 0, 0}, "じめん", 30},
        {"sp. defence odd only: sum 32", {0, 0, 0, 0, 1, 0}, "はがね", 30},
        {"fire spread", {31, 30, 31, 30, 31, 30}, "ほのお", 70},
        {"ice spread", {31, 30, 30, 31, 31, 31}, "こおり", 70},
        {"grass spread", {31, 30, 31, 30, 31, 31}, "くさ", 70},
        {"power sum 1", {2, 0, 0, 0, 0, 0}, "かくとう", 30},
        {"power sum 32", {0, 0, 0, 0, 2, 0}, "かくとう", 50},
        {"power sum 62", {0, 2, 2, 2, 2, 2}, "かくとう", 69},
        {"IV 255 reads its two low bits", {255, 255, 255, 255, 255, 255}, "あく", 70},
    };
    for (const auto& c : cases) {
        HiddenPower hp = hiddenPowerOf(c.ivs);
        EXPECT_EQ(std::string(typeName(hp.type)), c.type) << c.what;
        EXPECT_EQ(hp.power, c.power) << c.what;
    }
}

} // namespace
