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
    const struct {
        BattleState state;
        bool turnEnd;
        const char* expected;
    } cases[] = {
        {BattleState{}, false, "なし"},
        {BattleState{}, true, "場：ターン終了時も数える"},
        {attackerOnly, false, "攻撃側：もうどく2回目・攻撃+2・素早さ-1・じゅうでん"},
        {both, false, "攻撃側：おいかぜ　防御側：HP 50％・ステルスロック・まきびし2・交代で登場　場：トリックルーム"},
        {hpValue, false, "防御側：まひ・HP 120"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(battleStateSummary(c.state, c.turnEnd), c.expected);
}

} // namespace
} // namespace rusrina
