// The exact engine's moves of several hits and of variable power: what each use can deal, hit by
// hit, with each outcome's chance, and the power each rule gives under the inputs the window has.
// The calculator fixture checks the rolls of single cases; here, what it cannot: the outcomes of a
// use, the hits after the first and the steps that say what was assumed.

#include "view/box/exact_row.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

namespace rusrina::test {
namespace {

constexpr int kDoubleKick = 23;  // にどげり: always 2 hits
constexpr int kTripleKick = 166; // トリプルキック: 10, 20, 30
constexpr int kBulletSeed = 330; // タネマシンガン: 2 to 5 hits, 10 power in the 4th generation, 25 in the 5th
constexpr int kSkillLink = 42;   // スキルリンク

ExactRolls rollsOf(const Scenario& s, Generation gen, ExactRecord* record = nullptr) {
    return exactRolls(prepareExactAttack(s.attacker, s.slot, s.conditions, {gen, false}), s.defender, record);
}

// The rolls of one hit of the direct row at the given power, type and category.
RollSet directHit(Scenario s, Generation gen, int power, int category, int type) {
    s.direct(power, category, type);
    return rollsOf(s, gen).rolls;
}

struct UseShape {
    std::vector<int> counts;  // the hit counts of a use's outcomes
    std::vector<int> weights; // their weights
};

UseShape shapeOf(const ExactRolls& r) {
    UseShape shape;
    for (const UseOutcome& o : r.firstUse) {
        shape.counts.push_back(o.hits);
        shape.weights.push_back(o.weight);
    }
    return shape;
}

// Each hit of a use deals the rolls of one hit of its own power; the outcomes are the hit counts
// with the generation's weights (スキルリンク: always 5); the row shows what a whole use deals.
TEST(ExactMoves, EveryHitOfAUseWithTheCountsChances) {
    struct Case {
        const char* what;
        int move;
        int ability;
        Generation gen;
        std::vector<int> powers; // of each hit, at the most hits
        UseShape shape;
        int type;
    };
    const Case cases[] = {
        {"タネマシンガン, 5th", kBulletSeed, 0, kGen5, {25, 25, 25, 25, 25}, {{2, 3, 4, 5}, {7, 7, 3, 3}}, kGrassType},
        {"タネマシンガン, 4th", kBulletSeed, 0, kGen4, {10, 10, 10, 10, 10}, {{2, 3, 4, 5}, {3, 3, 1, 1}}, kGrassType},
        {"スキルリンク", kBulletSeed, kSkillLink, kGen5, {25, 25, 25, 25, 25}, {{5}, {1}}, kGrassType},
        {"にどげり", kDoubleKick, 0, kGen4, {30, 30}, {{2}, {1}}, kFightingType},
        {"トリプルキック, 5th", kTripleKick, 0, kGen5, {10, 20, 30}, {{3}, {1}}, kFightingType},
        {"トリプルキック, 4th", kTripleKick, 0, kGen4, {10, 20, 30}, {{3}, {1}}, kFightingType},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Scenario s;
        s.attacker.ability = c.ability;
        s.learnable(c.move);
        const ExactRolls r = rollsOf(s, c.gen);
        EXPECT_EQ(shapeOf(r).counts, c.shape.counts);
        EXPECT_EQ(shapeOf(r).weights, c.shape.weights);
        ASSERT_EQ(r.mostHits(), static_cast<int>(c.powers.size()));
        int32_t low = 0, high = 0;
        for (size_t i = 0; i < c.powers.size(); ++i) {
            const RollSet hit = directHit(s, c.gen, c.powers[i], kPhysical, c.type);
            EXPECT_EQ(r.hitRolls(static_cast<int>(i)), hit) << "hit " << i + 1;
            low += i < static_cast<size_t>(c.shape.counts.front()) ? hit.front() : 0;
            high += hit.back();
        }
        EXPECT_EQ(r.low(), low);
        EXPECT_EQ(r.high(), high);
        EXPECT_TRUE(r.laterUse.empty()) << "no hit differs between uses";
    }
}

// The log says how many hits a use lands and with what chance, and gives each later hit that deals
// otherwise with its own steps and each hit's rolls.
TEST(ExactMoves, TheLogShowsTheHitsOfAUse) {
    Scenario s;
    s.learnable(kTripleKick);
    const std::string log =
        computeExactRow(s.attacker, s.defender, s.slot, s.conditions, {kGen5, false}).texts.log.text();
    for (const char* line : {"攻撃回数： 3回\r\n", "＜2回目（威力 20）＞\r\n", "＜3回目（威力 30）＞\r\n",
                             "1回目の乱数16通り： ", "3回目の乱数16通り： "})
        EXPECT_NE(log.find(line), std::string::npos) << line;
    s.learnable(kBulletSeed);
    for (Generation gen : {kGen4, kGen5}) {
        const std::string seed =
            computeExactRow(s.attacker, s.defender, s.slot, s.conditions, {gen, false}).texts.log.text();
        const char* counts = gen == kGen4 ? "攻撃回数： 2～5回（2回 37.5％・3回 37.5％・4回 12.5％・5回 12.5％）\r\n"
                                          : "攻撃回数： 2～5回（2回 35.0％・3回 35.0％・4回 15.0％・5回 15.0％）\r\n";
        EXPECT_NE(seed.find(counts), std::string::npos) << gen;
        EXPECT_NE(seed.find("1～5回目の乱数16通り： "), std::string::npos) << gen;
        EXPECT_EQ(seed.find("＜2回目"), std::string::npos) << "a later hit that deals the same has no steps of its own";
    }
}

} // namespace
} // namespace rusrina::test
