#include "calc/iv/iv_clues.h"

#include "calc/stats.h"
#include "data/characteristics.h"
#include "data/species.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

using namespace rusrina;

namespace {

constexpr int kDragon = 16, kDark = 17;
constexpr int kLovesToEat = 0;        // たべるのが　だいすき: HP, remainder 0
constexpr int kHighlyPersistent = 26; // がまん　づよい: defence, remainder 4

bool fits(const std::array<int, 6>& ivs, const JudgeClues& clues) {
    if (clues.characteristic != kNoCharacteristic) {
        const CharacteristicRecord& named = characteristicRecord(clues.characteristic);
        for (int iv : ivs)
            if (iv > ivs[named.stat])
                return false;
        if (ivs[named.stat] % 5 != named.ivMod5)
            return false;
    }
    return clues.hiddenPowerType == kNoHiddenPowerType || hiddenPowerOf(ivs).type == clues.hiddenPowerType;
}

// Calls `visit` with every IV combination inside the ranges (their part inside 0..31).
void forEachCombination(const IvRanges& ranges, const std::function<void(const std::array<int, 6>&)>& visit) {
    std::array<int, 6> ivs{};
    std::function<void(int)> next = [&](int stat) {
        if (stat == kStatCount)
            return visit(ivs);
        for (ivs[stat] = std::max(ranges[stat].min, 0); ivs[stat] <= std::min(ranges[stat].max, 31); ++ivs[stat])
            next(stat + 1);
    };
    next(0);
}

// What the clues leave, found by trying every IV combination.
FittingCombinations literalFitting(const IvRanges& ranges, const JudgeClues& clues) {
    FittingCombinations result;
    IvRanges seen;
    seen.fill({32, -1});
    forEachCombination(ranges, [&](const std::array<int, 6>& ivs) {
        if (!fits(ivs, clues))
            return;
        result.anyLeft = true;
        HiddenPower hp = hiddenPowerOf(ivs);
        result.spread.add(hp.type, hp.power);
        for (int stat = 0; stat < kStatCount; ++stat)
            seen[stat] = {std::min(seen[stat].min, ivs[stat]), std::max(seen[stat].max, ivs[stat])};
    });
    result.ranges = result.anyLeft ? seen : ranges;
    return result;
}

void expectSame(const FittingCombinations& found, const FittingCombinations& expected, const std::string& what) {
    EXPECT_EQ(found.anyLeft, expected.anyLeft) << what;
    EXPECT_EQ(found.ranges, expected.ranges) << what;
    EXPECT_EQ(found.spread, expected.spread) << what;
}

// ガブリアス at level 50 (see the IV judge's worked figures): 30–31 but attack and speed at 31.
const IvRanges kGarchomp = {{{30, 31}, {31, 31}, {30, 31}, {30, 31}, {30, 31}, {31, 31}}};
const IvRange kPinned31{31, 31};

TEST(FittingCombinations, WorkedClues) {
    struct Case {
        const char* what;
        IvRanges ranges;
        JudgeClues clues;
        bool anyLeft;
        IvRanges expected;
    } cases[] = {
        // Dragon needs a bit sum of 59..62: with attack and speed odd (2 + 8) that is HP or defence
        // even and both special stats odd.
        {"ドラゴン pins both special stats",
         kGarchomp,
         {kNoCharacteristic, kDragon},
         true,
         {{{30, 31}, kPinned31, {30, 31}, kPinned31, kPinned31, kPinned31}}},
        {"あく needs every IV odd",
         kGarchomp,
         {kNoCharacteristic, kDark},
         true,
         {{kPinned31, kPinned31, kPinned31, kPinned31, kPinned31, kPinned31}}},
        // Defence's IV is 29 (28..31 leaving 4 when divided by 5); nothing may exceed it.
        {"a characteristic rules out the top IVs",
         {{{28, 31}, {28, 31}, {28, 31}, {28, 31}, {28, 31}, {28, 31}}},
         {kHighlyPersistent, kNoHiddenPowerType},
         true,
         {{{28, 29}, {28, 29}, {29, 29}, {28, 29}, {28, 29}, {28, 29}}}},
        // HP would have to be 30, below attack's 31: nothing is left and the ranges stay.
        {"a characteristic that contradicts the ranges",
         kGarchomp,
         {kLovesToEat, kNoHiddenPowerType},
         false,
         kGarchomp},
        {"no clue keeps the ranges", kGarchomp, {}, true, kGarchomp},
    };
    for (const auto& c : cases) {
        const FittingCombinations found = fittingCombinations(c.ranges, c.clues);
        EXPECT_EQ(found.anyLeft, c.anyLeft) << c.what;
        EXPECT_EQ(found.ranges, c.expected) << c.what;
        expectSame(found, literalFitting(c.ranges, c.clues), c.what);
    }
    // Every IV left is 30 or 31, whose second bits give the top power.
    HiddenPowerSpread dragon;
    dragon.add(kDragon, 70);
    EXPECT_EQ(fittingCombinations(kGarchomp, {kNoCharacteristic, kDragon}).spread, dragon);
}

TEST(FittingCombinations, RandomRangesAndCluesMatchEveryCombinationTried) {
    std::mt19937 random(20260611);
    auto draw = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    int left = 0;
    for (int round = 0; round < 300; ++round) {
        // Ranges close to each other, so that a characteristic often leaves something.
        const int centre = draw(2, 29);
        IvRanges ranges;
        for (IvRange& range : ranges) {
            range.min = centre + draw(-3, 1);
            range.max = range.min + draw(0, 3);
        }
        if (round % 3 == 0)
            ranges[draw(0, 5)] = {0, 31};
        if (round % 20 == 0)
            ranges[draw(0, 5)] = {draw(-2, 31), draw(-2, 33)}; // reversed or reaching outside 0..31
        // Negative draws choose no clue. Types 0 (ノーマル) and 9 are never hidden power's.
        const JudgeClues clues{std::max(draw(-10, kCharacteristicCount - 1), -1), std::max(draw(-6, 17), -1)};
        left += literalFitting(ranges, clues).anyLeft;
        expectSame(fittingCombinations(ranges, clues), literalFitting(ranges, clues), "round " + std::to_string(round));
    }
    EXPECT_GT(left, 50); // the draws reach both outcomes often
}

// The IVs of one stat that some combination fitting the characteristic allows while every other
// stat stays inside its range.
IvMask literalAllows(const IvRanges& ranges, int characteristic, int stat) {
    IvMask allowed = 0;
    for (int iv = 0; iv <= 31; ++iv) {
        IvRanges pinned = ranges;
        pinned[stat] = {iv, iv};
        bool any = false;
        forEachCombination(pinned, [&](const std::array<int, 6>& ivs) { any = any || fits(ivs, {characteristic}); });
        if (any)
            allowed |= 1u << iv;
    }
    return allowed;
}

TEST(CharacteristicAllows, WorkedAndRandomRanges) {
    const IvRanges top = {{{28, 31}, {28, 31}, {28, 31}, {28, 31}, {28, 31}, {28, 31}}};
    std::array<IvMask, 6> expected;
    expected.fill((1u << 30) - 1); // 0..29
    expected[kDefence] = 1u << 29;
    EXPECT_EQ(characteristicAllows(top, kHighlyPersistent), expected);
    std::array<IvMask, 6> every;
    every.fill(kEveryIv);
    EXPECT_EQ(characteristicAllows(top, kNoCharacteristic), every);
    EXPECT_EQ(characteristicAllows(top, kCharacteristicCount), every);

    std::mt19937 random(7);
    auto draw = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int round = 0; round < 60; ++round) {
        IvRanges ranges;
        for (IvRange& range : ranges) {
            range.min = draw(0, 31);
            range.max = range.min + draw(round % 10 == 0 ? -1 : 0, 2);
        }
        const int characteristic = draw(0, kCharacteristicCount - 1);
        const std::array<IvMask, 6> allows = characteristicAllows(ranges, characteristic);
        for (int stat = 0; stat < kStatCount; ++stat)
            ASSERT_EQ(allows[stat], literalAllows(ranges, characteristic, stat)) << round << " stat " << stat;
    }
}

TEST(CharacteristicAllows, RowIsRuledOutWhenNoneOfItsIvsIsAllowed) {
    const IvMask twentyNine = 1u << 29;
    EXPECT_FALSE(rowRuledOut({100, 28, 29}, twentyNine));
    EXPECT_TRUE(rowRuledOut({101, 30, 31}, twentyNine));
    EXPECT_TRUE(rowRuledOut({99, 26, 27}, twentyNine));
    EXPECT_FALSE(rowRuledOut({13, 0, 31}, twentyNine));
    EXPECT_TRUE(rowRuledOut({13, 0, 31}, 0));
}

} // namespace
