// The battle state's own arithmetic: the HP now from a share or a value, and a state from a
// hand-edited file taken back into range.

#include "calc/battle/battle_state.h"

#include <gtest/gtest.h>

namespace rusrina {
namespace {

TEST(BattleState, HpNowFromAShareOrAValue) {
    struct Case {
        int hp;
        bool share;
        int maxHp;
        int expected;
    };
    const Case cases[] = {
        {100, true, 341, 341},  {50, true, 341, 170},  {1, true, 50, 1}, // 0.5 rounds down, but never below 1
        {0, true, 341, 1},      {150, true, 341, 341}, {120, false, 341, 120},
        {999, false, 341, 341}, {0, false, 341, 1},    {50, true, 0, 0},
    };
    for (const Case& c : cases) {
        SideState side;
        side.hp = c.hp;
        side.hpIsShare = c.share;
        EXPECT_EQ(hpNowOf(side, c.maxHp), c.expected) << c.hp << (c.share ? "%" : "") << " of " << c.maxHp;
    }
}

TEST(BattleState, AHandEditedStateComesBackInRange) {
    BattleState wild;
    wild.attacker.status = static_cast<StatusCondition>(42);
    wild.attacker.toxicTurns = 99;
    wild.attacker.hp = -5;
    wild.attacker.stages[kStageSpeed] = 100;
    wild.attacker.stages[kStageEvasion] = -100;
    wild.defender.spikes = 7;
    wild.defender.hpIsShare = false;
    wild.defender.hp = 0;
    const BattleState held = stateWithinRange(wild);
    EXPECT_EQ(held.attacker.status, StatusCondition::None);
    EXPECT_EQ(held.attacker.toxicTurns, kMostToxicTurns);
    EXPECT_EQ(held.attacker.hp, 1);
    EXPECT_EQ(held.attacker.stages[kStageSpeed], kHighestStage);
    EXPECT_EQ(held.attacker.stages[kStageEvasion], kLowestStage);
    EXPECT_EQ(held.defender.spikes, kMostSpikes);
    EXPECT_EQ(held.defender.hp, 1);
    EXPECT_TRUE(isNeutral(stateWithinRange(BattleState{})));
}

// A value becomes the nearest share of that side's maximum; a share, or a side given no maximum,
// stays as it is.
TEST(BattleState, AnHpValueBecomesAShare) {
    struct Case {
        int hp;
        bool share;
        int maxHp;
        int expected;
    };
    const Case cases[] = {
        {120, false, 241, 50},  {1, false, 341, 1},  {341, false, 341, 100},
        {999, false, 341, 100}, {40, true, 341, 40}, {120, false, 0, 120},
    };
    for (const Case& c : cases) {
        BattleState state;
        state.defender.hp = c.hp;
        state.defender.hpIsShare = c.share;
        const BattleState shared = stateWithHpShares(state, 0, c.maxHp);
        EXPECT_EQ(shared.defender.hp, c.expected) << c.hp << " of " << c.maxHp;
        EXPECT_EQ(shared.defender.hpIsShare, c.share || c.maxHp > 0);
        EXPECT_EQ(shared.attacker, state.attacker);
    }
}

} // namespace
} // namespace rusrina
