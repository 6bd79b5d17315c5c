#include "calc/iv/iv_judge.h"

#include "calc/stats.h"
#include "data/battle_rules.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace rusrina;

namespace {

const StatRow& rowContaining(const std::vector<StatRow>& rows, int iv) {
    for (const StatRow& row : rows)
        if (row.lo <= iv && iv <= row.hi)
            return row;
    ADD_FAILURE() << "no row holds IV " << iv;
    return rows.front();
}

TEST(StatRows, WorkedLevelsAndNatures) {
    // HP, base 100, level 1: every IV shows 13.
    EXPECT_EQ(buildStatRows(kHp, 100, 1, 10), (std::vector<StatRow>{{13, 0, 31}}));
    // Base 35 at level 1 crosses one hundred only from IV 30 on.
    EXPECT_EQ(buildStatRows(kAttack, 35, 1, 10), (std::vector<StatRow>{{5, 0, 29}, {6, 30, 31}}));

    auto hp100 = buildStatRows(kHp, 100, 100, 10);
    ASSERT_EQ(hp100.size(), 32u);
    for (int iv = 0; iv <= 31; ++iv)
        EXPECT_EQ(hp100[iv], (StatRow{310 + iv, iv, iv}));
    // The multiplier is not applied to HP.
    EXPECT_EQ(buildStatRows(kHp, 100, 100, 9), hp100);

    EXPECT_EQ(buildStatRows(kSpeed, 100, 100, 11).size(), 32u);
    // A lowered stat merges neighbours where (n + 5) * 9 / 10 stays put.
    auto lowered = buildStatRows(kDefence, 100, 100, 9);
    ASSERT_EQ(lowered.size(), 29u);
    EXPECT_EQ(lowered.front(), (StatRow{184, 0, 0}));
    EXPECT_EQ(lowered[5], (StatRow{189, 5, 6}));
    EXPECT_EQ(rowContaining(lowered, 16), (StatRow{198, 15, 16}));
    EXPECT_EQ(rowContaining(lowered, 25), (StatRow{207, 25, 26}));
    EXPECT_EQ(lowered.back(), (StatRow{212, 31, 31}));
}

TEST(StatRows, RowsAreTheMaximalRunsOfEqualValues) {
    for (int stat : {kHp, kAttack}) {
        for (int multiplier : {9, 10, 11}) {
            for (int base = 1; base <= 255; base += 7) {
                for (int level = 1; level <= 100; level += 3) {
                    auto rows = buildStatRows(stat, base, level, multiplier);
                    ASSERT_FALSE(rows.empty());
                    ASSERT_EQ(rows.front().lo, 0);
                    ASSERT_EQ(rows.back().hi, 31);
                    for (size_t i = 0; i < rows.size(); ++i) {
                        const StatRow& row = rows[i];
                        for (int iv = row.lo; iv <= row.hi; ++iv)
                            ASSERT_EQ(row.value, computeAnyStat(stat, base, iv, 0, level, multiplier));
                        if (i > 0) {
                            ASSERT_EQ(row.lo, rows[i - 1].hi + 1);
                            ASSERT_GT(row.value, rows[i - 1].value);
                        }
                    }
                    if (level == 1) {
                        ASSERT_LE(rows.size(), 2u) << "base " << base;
                    }
                }
            }
        }
    }
}

TEST(StatRows, Text) {
    EXPECT_EQ(statRowText({189, 5, 6}), "189：5～6");
    EXPECT_EQ(statRowText({310, 0, 0}), "310：0");
    EXPECT_EQ(statRowText({13, 0, 31}), "13：0～31");
}

TEST(NarrowRange, IntersectsOrIgnoresContradictions) {
    struct Case {
        const char* what;
        IvRange range;
        StatRow row;
        IvRange expected;
    } cases[] = {
        {"fresh range takes the row's bounds", {0, 31}, {189, 5, 6}, {5, 6}},
        {"row inside the range", {3, 20}, {1, 8, 9}, {8, 9}},
        {"row over the lower end", {5, 20}, {1, 0, 10}, {5, 10}},
        {"row over the upper end", {5, 20}, {1, 15, 31}, {15, 20}},
        {"row touching the upper end", {5, 20}, {1, 20, 25}, {20, 20}},
        {"row touching the lower end", {5, 20}, {1, 0, 5}, {5, 5}},
        {"row wider than the range", {5, 20}, {1, 0, 31}, {5, 20}},
        {"row above the range is ignored", {5, 20}, {1, 21, 31}, {5, 20}},
        {"row below the range is ignored", {5, 20}, {1, 0, 4}, {5, 20}},
        {"an empty range stays empty", {10, 5}, {1, 0, 31}, {10, 5}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(narrowRange(c.range, c.row), c.expected) << c.what;
}

TEST(NarrowRange, PicksAcrossLevelsKeepTheTrueIvAndPinItAtLevel100) {
    // A creature is seen at several levels; every pick is the row its true IV shows.
    for (int trueIv = 0; trueIv <= 31; ++trueIv) {
        for (int stat : {kHp, kSpAttack}) {
            IvRange range;
            for (int level = 50; level <= 100; level += 10) {
                auto rows = buildStatRows(stat, 80, level, 11);
                IvRange narrowed = narrowRange(range, rowContaining(rows, trueIv));
                ASSERT_LE(narrowed.min, trueIv);
                ASSERT_GE(narrowed.max, trueIv);
                ASSERT_GE(narrowed.min, range.min);
                ASSERT_LE(narrowed.max, range.max);
                range = narrowed;
            }
            EXPECT_EQ(range, (IvRange{trueIv, trueIv})) << "stat " << stat;
        }
    }
}

TEST(CurrentValue, OnlyARowHoldingTheWholeRangeGivesAValue) {
    auto hp50 = buildStatRows(kHp, 100, 50, 10); // IVs pair up: 0-1 give 160, .., 30-31 give 175
    struct Case {
        const char* what;
        IvRange range;
        int expected;
    } cases[] = {
        {"range equal to a row", {20, 21}, 170},
        {"range inside a row", {21, 21}, 170},
        {"range across two rows", {20, 22}, 0},
        {"fresh range", {0, 31}, 0},
        {"top row", {30, 31}, 175},
        // The row 20..21 would hold both ends of this reversed range.
        {"empty range", {21, 20}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(currentValue(hp50, c.range), c.expected) << c.what;
    EXPECT_EQ(currentValue(buildStatRows(kHp, 100, 1, 10), IvRange{}), 13);
    EXPECT_EQ(currentValue({}, IvRange{}), 0);
}

TEST(FirstRisingEv, FirstStepOfFourThatMovesTheValue) {
    struct Case {
        const char* what;
        int stat, base, iv, level, multiplier;
        int expected;
    } cases[] = {
        {"HP at level 50, odd core", kHp, 100, 31, 50, 10, 4},
        {"HP at level 50, even core", kHp, 100, 30, 50, 10, 8},
        {"HP at level 50, IV 0", kHp, 100, 0, 50, 10, 8},
        {"level 1 needs the next hundred", kHp, 100, 31, 1, 10, 276},
        {"lowered: 189 holds for one step", kDefence, 100, 5, 100, 9, 8},
        {"lowered: neighbour rises at once", kDefence, 100, 6, 100, 9, 4},
        {"base 1 at level 1 reaches 392", kSpeed, 1, 0, 1, 10, 392},
        {"the last step, 400, still counts", kAttack, 50, 0, 1, 10, 400},
        {"nothing up to 400 moves it", kAttack, 250, 0, 1, 9, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(firstRisingEv(c.stat, c.base, c.iv, c.level, c.multiplier), c.expected) << c.what;
}

TEST(GrowthAdviceTest, FewestLevelsThenFewestDopings) {
    struct Case {
        const char* what;
        int stat, base, level, multiplier;
        GrowthAdvice expected;
    } cases[] = {
        {"HP base 100 at level 50: two dopings", kHp, 100, 50, 10, {0, 2, 178}},
        {"lowered base 100 at level 100: already apart", kDefence, 100, 100, 9, {0, 0, 212}},
        {"HP base 100 at level 1", kHp, 100, 1, 10, {6, 5, 34}},
        {"attack base 100 at level 1", kAttack, 100, 1, 10, {6, 5, 22}},
        {"lowered speed base 1 at level 1", kSpeed, 1, 1, 9, {1, 7, 5}},
        {"raised base 255 at level 1", kAttack, 255, 1, 11, {6, 1, 47}},
        {"no level beyond 100 is tried", kHp, 100, 150, 10, {0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(growthAdvice(c.stat, c.base, c.level, c.multiplier), c.expected) << c.what;
}

TEST(GrowthAdviceTest, AlwaysFoundAndNeverAddsLevelsAtLevel100) {
    for (int stat : {kHp, kAttack}) {
        for (int multiplier : {9, 10, 11}) {
            for (int base = 1; base <= 255; ++base) {
                GrowthAdvice top = growthAdvice(stat, base, 100, multiplier);
                ASSERT_EQ(top.levels, 0) << base;
                ASSERT_NE(top.value, 0) << base;
                for (int level = 1; level < 100; level += 11)
                    ASSERT_NE(growthAdvice(stat, base, level, multiplier).value, 0) << base << " " << level;
            }
        }
    }
}

TEST(JudgeTexts, PerStatAndSelectorTexts) {
    EXPECT_EQ(evThresholdText(0, 8, 31, 4), " 0:8～31:4 ");
    EXPECT_EQ(growthAdviceText({0, 2, 178}), "あめ： 0 個 ドーピング： 2 個　Ｖ確定能力値： 178");
    EXPECT_EQ(growthAdviceText({}), "あめ： 0 個 ドーピング： 0 個　Ｖ確定能力値： 0");
    EXPECT_EQ(upperBoundText(31), "31以下");
    EXPECT_EQ(lowerBoundText(0), "0以上");
}

// The spread exactly as the judge defines it: every IV combination inside the six ranges.
std::optional<HiddenPowerSpread> literalWalk(const IvRanges& r) {
    if (std::count_if(r.begin(), r.end(), [](IvRange x) { return x.isOpen(); }) >= 4)
        return std::nullopt;
    HiddenPowerSpread spread;
    auto in = [&](int stat, int iv) { return r[stat].min <= iv && iv <= r[stat].max; };
    for (int a = 0; a < 32; ++a) {
        if (!in(0, a))
            continue;
        for (int b = 0; b < 32; ++b) {
            if (!in(1, b))
                continue;
            for (int c = 0; c < 32; ++c) {
                if (!in(2, c))
                    continue;
                for (int d = 0; d < 32; ++d) {
                    if (!in(3, d))
                        continue;
                    for (int e = 0; e < 32; ++e) {
                        if (!in(4, e))
                            continue;
                        for (int f = 0; f < 32; ++f) {
                            if (!in(5, f))
                                continue;
                            HiddenPower hp = hiddenPowerOf({a, b, c, d, e, f});
                            spread.seen[hp.type] = true;
                            spread.minPower[hp.type] = std::min(spread.minPower[hp.type], hp.power);
                            spread.maxPower[hp.type] = std::max(spread.maxPower[hp.type], hp.power);
                        }
                    }
                }
            }
        }
    }
    return spread;
}

constexpr IvRange kOpen{0, 31};

TEST(HiddenPowerSpreadTest, EdgeCasesMatchTheLiteralWalk) {
    struct Case {
        const char* what;
        IvRanges ranges;
    } cases[] = {
        {"all pinned at 31", {{{31, 31}, {31, 31}, {31, 31}, {31, 31}, {31, 31}, {31, 31}}}},
        {"three open, three pinned", {{kOpen, {30, 30}, kOpen, {31, 31}, kOpen, {0, 0}}}},
        {"three open, three narrow", {{{2, 5}, kOpen, {30, 31}, kOpen, {7, 7}, kOpen}}},
        {"an empty range", {{{5, 4}, {0, 3}, {1, 1}, {2, 2}, {3, 3}, {4, 4}}}},
        {"ranges reaching outside 0..31", {{{-4, 1}, {30, 40}, {-9, 0}, {31, 99}, {3, 3}, {4, 5}}}},
        {"a range wholly above 31", {{{32, 40}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}}}},
        {"four open", {{kOpen, kOpen, kOpen, kOpen, {3, 3}, {4, 4}}}},
        {"six open", {{kOpen, kOpen, kOpen, kOpen, kOpen, kOpen}}},
        {"four open, one of them empty elsewhere", {{kOpen, kOpen, kOpen, kOpen, {9, 3}, {4, 4}}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hiddenPowerSpread(c.ranges), literalWalk(c.ranges)) << c.what;

    auto pinned = hiddenPowerSpread(cases[0].ranges);
    ASSERT_TRUE(pinned.has_value());
    for (int type = 0; type < kSpreadTypeCount; ++type)
        EXPECT_EQ(pinned->seen[type], std::string(typeName(type)) == "あく") << type;
    EXPECT_EQ(pinned->maxPower[17], 70);

    auto empty = hiddenPowerSpread(cases[3].ranges);
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(*empty, HiddenPowerSpread{});
    EXPECT_FALSE(hiddenPowerSpread(cases[6].ranges).has_value());
}

TEST(HiddenPowerSpreadTest, RandomSmallRangesMatchTheLiteralWalk) {
    std::mt19937 random(20240611);
    auto draw = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 400; ++round) {
        IvRanges ranges;
        for (IvRange& range : ranges) {
            range.min = draw(-1, 31);
            range.max = range.min + draw(-1, 4);
        }
        ranges[draw(0, 5)] = kOpen; // one open stat keeps the walk short
        if (round % 50 == 0)
            ranges = {kOpen, kOpen, kOpen, kOpen, {draw(0, 31), 31}, {draw(0, 31), 31}};
        ASSERT_EQ(hiddenPowerSpread(ranges), literalWalk(ranges)) << "round " << round;
    }
}

TEST(HiddenPowerSpreadTest, LinesPadTheTypeNameToEightBytes) {
    HiddenPowerSpread spread;
    spread.add(17, 70);
    spread.add(16, 30);
    spread.add(16, 64);
    spread.add(12, 45);
    spread.add(18, 50); // no such type: ignored
    EXPECT_EQ(hiddenPowerLines(spread), (std::vector<std::string>{std::string(typeName(12)) + "    :45-45 \r\n",
                                                                  std::string(typeName(16)) + ":30-64 \r\n",
                                                                  std::string(typeName(17)) + "    :70-70 \r\n"}));
    EXPECT_EQ(std::string(typeName(12)), "くさ");
    EXPECT_EQ(std::string(typeName(16)), "ドラゴン");
    EXPECT_TRUE(hiddenPowerLines(HiddenPowerSpread{}).empty());
}

constexpr int kPikachu = 24;

TEST(JudgeReport, WholeTextWithAndWithoutTheSpread) {
    const std::array<int, 6> values = {20, 0, 9, 10, 0, 13};
    const IvRanges ranges = {{{0, 31}, {4, 9}, {30, 31}, {31, 31}, {12, 11}, {0, 0}}};
    const std::string head = "種族：ピカチュウ　ＬＶ：  5　性格：さみしがり（攻撃＋防御－）\r\n"
                             "ＨＰ： 20 (  0 ～ 31 )\r\n"
                             "攻撃：  0 (  4 ～  9 )\r\n"
                             "防御：  9 ( 30 ～ 31 )\r\n"
                             "特攻： 10 ( 31 ～ 31 )\r\n"
                             "特防：  0 ( 12 ～ 11 )\r\n"
                             "素早： 13 (  0 ～  0 )\r\n";
    EXPECT_EQ(judgeReport(kPikachu, 5, 0, values, ranges, nullptr), head);

    HiddenPowerSpread spread;
    spread.add(1, 30);
    spread.add(1, 70);
    spread.add(12, 50);
    EXPECT_EQ(judgeReport(kPikachu, 5, 0, values, ranges, &spread),
              head + "\r\n 可能性のある「めざパ」一覧\r\n" + "かくとう:30-70 \r\n" + "くさ    :50-50 \r\n");
    const HiddenPowerSpread none;
    EXPECT_EQ(judgeReport(kPikachu, 5, 0, values, ranges, &none), head + "\r\n 可能性のある「めざパ」一覧\r\n");
}

TEST(JudgeWindowFlow, FreshStartThenPicksThenSpread) {
    const int level = 50, nature = 3; // attack raised, speed lowered
    JudgeTables tables = recomputeTables(kPikachu, level, nature);
    EXPECT_EQ(tables.rows[kHp].back(), (StatRow{110, 30, 31}));
    EXPECT_EQ(tables.rows[kAttack].back().value, 82);
    EXPECT_EQ(tables.rows[kSpeed].back().value, 99);
    EXPECT_EQ(tables.adviceTexts[kHp], "あめ： 0 個 ドーピング： 2 個　Ｖ確定能力値： 113");
    EXPECT_EQ(tables.advice[kSpeed], (GrowthAdvice{0, 2, 101}));

    // Right after a reset: no value is known and no spread is listed even when asked.
    IvRanges ranges;
    JudgeOutput fresh = refreshOutput(tables, kPikachu, level, nature, ranges, true);
    EXPECT_EQ(fresh.values, (std::array<int, 6>{}));
    EXPECT_FALSE(fresh.hiddenPowerItems.has_value());
    EXPECT_EQ(fresh.report, judgeReport(kPikachu, level, nature, fresh.values, ranges, nullptr));
    EXPECT_EQ(fresh.evThresholdTexts[kHp], " 0:8～31:4 ");

    // Three stats pinned by picks: three open stats left, so the spread is listed.
    for (int stat : {kHp, kAttack, kDefence})
        ranges[stat] = narrowRange(ranges[stat], rowContaining(tables.rows[stat], 31));
    JudgeOutput picked = refreshOutput(tables, kPikachu, level, nature, ranges, true);
    EXPECT_EQ(picked.values[kHp], 110);
    ASSERT_TRUE(picked.hiddenPowerItems.has_value());
    EXPECT_EQ(*picked.hiddenPowerItems, hiddenPowerLines(*hiddenPowerSpread(ranges)));
    EXPECT_NE(picked.report.find(picked.hiddenPowerItems->front()), std::string::npos);
    // With the option off the report has no spread and the list is left alone.
    JudgeOutput hidden = refreshOutput(tables, kPikachu, level, nature, ranges, false);
    EXPECT_FALSE(hidden.hiddenPowerItems.has_value());
    EXPECT_EQ(hidden.report.find("めざパ"), std::string::npos);

    // A hand-set lower bound above the upper bound: that value is 0 and the list empties.
    ranges[kSpeed] = {20, 10};
    JudgeOutput reversed = refreshOutput(tables, kPikachu, level, nature, ranges, true);
    EXPECT_EQ(reversed.values[kSpeed], 0);
    ASSERT_TRUE(reversed.hiddenPowerItems.has_value());
    EXPECT_TRUE(reversed.hiddenPowerItems->empty());
}

// Every species a rule admits can be judged, パルキア and ヒードラン included.
TEST(JudgeWindowFlow, SpeciesListHoldsEveryEligibleSpecies) {
    auto all = judgeSpeciesList(0);
    ASSERT_EQ(all.size(), static_cast<size_t>(kSpeciesCount));
    for (int species = 0; species < kSpeciesCount; ++species)
        EXPECT_EQ(all[static_cast<size_t>(species)], species);
    EXPECT_EQ(judgeSpeciesList(1).size(), 360u); // final stages, the two legendaries among them
    for (int rule = 0; rule < 9; ++rule) {
        auto list = judgeSpeciesList(rule);
        EXPECT_TRUE(std::is_sorted(list.begin(), list.end())) << rule;
        for (int species : {492, 493, 494, 495})
            EXPECT_EQ(std::binary_search(list.begin(), list.end(), species), isEligible(rule, species))
                << rule << " " << species;
    }
}

TEST(JudgeWindowFlow, OutOfTableSpeciesDoesNotReadPastTheTable) {
    JudgeTables tables = recomputeTables(-1, 50, 0);
    JudgeOutput output = refreshOutput(tables, kSpeciesCount, 50, 99, IvRanges{}, true);
    EXPECT_EQ(output.report.substr(0, 9), "種族：");
}

} // namespace

namespace {

constexpr int kGarchomp = 449; // base 108/130/95/80/85/102
constexpr int kJolly = 18;     // ようき: speed raised, sp. attack lowered
const StatValues kGarchompEvs = {0, 252, 0, 0, 0, 252};

const StatRow& rowShowingValue(const std::vector<StatRow>& rows, int value) {
    for (const StatRow& row : rows)
        if (row.value == value)
            return row;
    ADD_FAILURE() << "no row shows " << value;
    return rows.front();
}

// A trained ガブリアス at level 50 shows 183/182/115/90/105/169 with 252 EVs in attack and speed.
// By hand (core = 2·base + IV + EV/4; HP = core/2 + 60; others (core/2 + 5)·M/10):
// - HP: IV 30 and 31 give 246/2 and 247/2 = 123, so 183; IV 29 gives 122.
// - attack: IV 31 gives (260 + 31 + 63)/2 + 5 = 182; IV 30 gives 181.
// - defence: IV 30 and 31 give 220/2 and 221/2 = 110, so 115.
// - sp. attack (lowered): IV 30 and 31 give (95 + 5)·9/10 = 90; IV 29 gives 99·9/10 = 89.
// - sp. defence: IV 30 and 31 give 100 + 5 = 105.
// - speed (raised): IV 31 gives (298/2 + 5)·11/10 = 169; IV 30 gives 153·11/10 = 168.
TEST(TrainedCreature, GarchompJudgedFromItsStatsAndEvs) {
    const JudgeTables tables = recomputeTables(kGarchomp, 50, kJolly, kGarchompEvs);
    const StatValues shown = {183, 182, 115, 90, 105, 169};
    IvRanges ranges;
    for (int stat = 0; stat < kStatCount; ++stat)
        ranges[stat] = narrowRange(ranges[stat], rowShowingValue(tables.rows[stat], shown[stat]));
    EXPECT_EQ(ranges, (IvRanges{{{30, 31}, {31, 31}, {30, 31}, {30, 31}, {30, 31}, {31, 31}}}));
    // The EVs move the lists: at EV 0 attack stops at 150 and speed at 134.
    EXPECT_EQ(tables.rows[kAttack].front(), (StatRow{166, 0, 0}));
    EXPECT_EQ(recomputeTables(kGarchomp, 50, kJolly).rows[kAttack].back().value, 150);
    EXPECT_EQ(recomputeTables(kGarchomp, 50, kJolly).rows[kSpeed].back().value, 134);

    JudgeExtras extras{kGarchompEvs, {}};
    const JudgeOutput output = refreshOutput(tables, kGarchomp, 50, kJolly, ranges, true, extras);
    EXPECT_EQ(output.values, shown);
    // Attack rises again at EV 260 (EV/4 = 65): (356/2 + 5) = 183.
    EXPECT_EQ(output.evThresholdTexts[kAttack], " 31:260～31:260 ");
    EXPECT_EQ(output.report, "種族：ガブリアス　ＬＶ： 50　性格：ようき　　（素早＋特攻－）\r\n"
                             "ＨＰ：183 ( 30 ～ 31 )　努力値：  0\r\n"
                             "攻撃：182 ( 31 ～ 31 )　努力値：252\r\n"
                             "防御：115 ( 30 ～ 31 )　努力値：  0\r\n"
                             "特攻： 90 ( 30 ～ 31 )　努力値：  0\r\n"
                             "特防：105 ( 30 ～ 31 )　努力値：  0\r\n"
                             "素早：169 ( 31 ～ 31 )　努力値：252\r\n"
                             "\r\n 可能性のある「めざパ」一覧\r\n"
                             "どく    :70-70 \r\n"
                             "じめん  :70-70 \r\n"
                             "ゴースト:70-70 \r\n"
                             "はがね  :70-70 \r\n"
                             "くさ    :70-70 \r\n"
                             "でんき  :70-70 \r\n"
                             "こおり  :70-70 \r\n"
                             "ドラゴン:70-70 \r\n"
                             "あく    :70-70 \r\n");

    // Knowing the type pins both special stats; the report names it and lists that type alone.
    extras.clues.hiddenPowerType = 16; // ドラゴン
    const JudgeOutput dragon = refreshOutput(tables, kGarchomp, 50, kJolly, ranges, true, extras);
    EXPECT_EQ(dragon.ranges, (IvRanges{{{30, 31}, {31, 31}, {30, 31}, {31, 31}, {31, 31}, {31, 31}}}));
    EXPECT_EQ(dragon.report.substr(dragon.report.find("特攻：")), "特攻： 90 ( 31 ～ 31 )　努力値：  0\r\n"
                                                                  "特防：105 ( 31 ～ 31 )　努力値：  0\r\n"
                                                                  "素早：169 ( 31 ～ 31 )　努力値：252\r\n"
                                                                  "めざパタイプ：ドラゴン\r\n"
                                                                  "\r\n 可能性のある「めざパ」一覧\r\n"
                                                                  "ドラゴン:70-70 \r\n");
    EXPECT_TRUE(dragon.notice.empty());
}

TEST(TrainedCreature, CharacteristicGreysRowsAndNamesItselfInTheReport) {
    const JudgeTables tables = recomputeTables(kGarchomp, 50, kJolly, kGarchompEvs);
    IvRanges ranges;                                           // nothing picked yet
    JudgeExtras extras{kGarchompEvs, {8, kNoHiddenPowerType}}; // うたれ　づよい: defence, remainder 1
    const JudgeOutput output = refreshOutput(tables, kGarchomp, 50, kJolly, ranges, false, extras);
    // Defence's rows hold IVs 2r and 2r + 1; its IV is one of 1, 6, .., 31, which rows 0 and 3 of
    // every five hold.
    const std::vector<bool> defence = output.ruledOutRows[kDefence];
    ASSERT_EQ(defence.size(), 16u);
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(defence[row], row % 5 != 0 && row % 5 != 3) << row;
    EXPECT_EQ(output.ruledOutRows[kHp], std::vector<bool>(16, false));
    EXPECT_EQ(output.ranges[kDefence], (IvRange{1, 31}));
    EXPECT_NE(output.report.find("素早：  0 (  0 ～ 31 )　努力値：252\r\n個性：うたれ　づよい\r\n"), std::string::npos);

    // With defence at 20-21 (so 21) no other IV may pass 21: HP's rows above it grey.
    ranges[kDefence] = {20, 21};
    const JudgeOutput pinned = refreshOutput(tables, kGarchomp, 50, kJolly, ranges, false, extras);
    EXPECT_EQ(pinned.ranges[kDefence], (IvRange{21, 21}));
    EXPECT_EQ(pinned.ranges[kHp], (IvRange{0, 21}));
    for (int row = 0; row < 16; ++row)
        EXPECT_EQ(pinned.ruledOutRows[kHp][row], row > 10) << row;

    // たべるのが　だいすき (HP, remainder 0) with HP at 30-31 and attack at 31: HP would be 30.
    const IvRanges garchomp = {{{30, 31}, {31, 31}, {30, 31}, {30, 31}, {30, 31}, {31, 31}}};
    extras.clues.characteristic = 0;
    const JudgeOutput none = refreshOutput(tables, kGarchomp, 50, kJolly, garchomp, true, extras);
    EXPECT_EQ(none.notice, "条件に合う個体値がありません");
    EXPECT_EQ(none.ranges, garchomp);
    EXPECT_EQ(none.ruledOutRows[kHp], std::vector<bool>(16, true));
    ASSERT_TRUE(none.hiddenPowerItems.has_value());
    EXPECT_TRUE(none.hiddenPowerItems->empty());
    EXPECT_NE(none.report.find("個性：たべるのが　だいすき\r\n条件に合う個体値がありません\r\n\r\n"),
              std::string::npos);
}

TEST(TrainedCreature, EvArgumentOfTheRisingEvAndTheAdvice) {
    struct Rising {
        const char* what;
        int stat, base, iv, level, multiplier, ev;
        int expected;
    } rising[] = {
        {"attack 182 at EV 252 first moves at 260", kAttack, 130, 31, 50, 10, 252, 260},
        {"speed 169 at EV 252 first moves at 260", kSpeed, 102, 31, 50, 11, 252, 260},
        {"an EV between steps starts at the next step", kHp, 108, 30, 50, 10, 5, 8},
        {"EV 0 as before", kHp, 108, 30, 50, 10, 0, 8},
    };
    for (const auto& c : rising)
        EXPECT_EQ(firstRisingEv(c.stat, c.base, c.iv, c.level, c.multiplier, c.ev), c.expected) << c.what;

    struct Advice {
        const char* what;
        int stat, base, level, multiplier, ev;
        GrowthAdvice expected;
    } advice[] = {
        {"attack at EV 252: already apart", kAttack, 130, 50, 10, 252, {0, 0, 182}},
        {"HP at EV 0: two dopings", kHp, 108, 50, 10, 0, {0, 2, 186}},
        // 250 + 10 would pass 255: no doping, so levels until 308 and 309 part (level 56).
        {"HP at EV 250: no room for a doping", kHp, 108, 50, 10, 250, {6, 0, 239}},
    };
    for (const auto& c : advice)
        EXPECT_EQ(growthAdvice(c.stat, c.base, c.level, c.multiplier, c.ev), c.expected) << c.what;
}

} // namespace
