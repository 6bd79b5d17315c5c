// The line the folded battle-state panel shows: what is set, side by side, in the panel's order.

#include "view/box/battle_state_text.h"

#include <gtest/gtest.h>

namespace rusrina {
namespace {

TEST(BattleStateText, TheSummarySaysWhatIsSet) {
    BattleState attackerOnly;
    attackerOnly.attacker.status = StatusCondition::BadPoison;
    attackerOnly.attacker.toxicTurns = 2;
    attackerOnly.attacker.stages[kStageAttack] = 2;
    attackerOnly.attacker.stages[kStageSpeed] = -1;
    attackerOnly.attacker.charged = true;
    BattleState both;
    both.attacker.tailwind = true;
    both.defender.hp = 50;
    both.defender.stealthRock = true;
    both.defender.spikes = 2;
    both.defender.switchingIn = true;
    both.field.trickRoom = true;
    BattleState hpValue;
    hpValue.defender.hp = 120;
    hpValue.defender.hpIsShare = false;
    hpValue.defender.status = StatusCondition::Paralysis;
    BattleState turnEnd;
    turnEnd.field.countTurnEnd = true;
    BattleState hazardsWaiting = both;
    hazardsWaiting.defender.switchingIn = false;
    const struct {
        BattleState state;
        const char* expected;
    } cases[] = {
        {BattleState{}, "なし"},
        {turnEnd, "場：ターン終了時も数える"},
        {attackerOnly, "攻撃側：もうどく2回目・攻撃+2・素早さ-1・じゅうでん"},
        {both, "攻撃側：おいかぜ　防御側：HP 50％・ステルスロック・まきびし2・交代で登場　場：トリックルーム"},
        {hpValue, "防御側：まひ・HP 120"},
        {hazardsWaiting,
         "攻撃側：おいかぜ　防御側：HP 50％・ステルスロック（交代で登場時のみ）・まきびし2（交代で登場時のみ）　"
         "場：トリックルーム"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(battleStateSummary(c.state), c.expected);
}

} // namespace
} // namespace rusrina
