#pragma once
// What the battle-state panel of the box and damage window shows: the entries of its choosers and
// the one line that says, with the panel folded, which parts of the state are set.

#include "calc/battle/battle_state.h"
#include "view/common/list_choice.h"

#include <string>
#include <vector>

namespace rusrina {

std::string statusConditionName(StatusCondition status); // なし, やけど, どく, もうどく, まひ, ねむり, こおり
std::string stageStatName(int stat);                     // 攻撃 … 回避, in StageStat order

std::vector<ListChoice> statusChoices();     // なし … こおり, value = StatusCondition
std::vector<ListChoice> stateStageChoices(); // "+6" … "±0" … "-6", value = the stage
std::vector<ListChoice> hpUnitChoices();     // "％" (value 1: a share), "実数値" (value 0)

// What is set, side by side: "防御側：HP 50％・ステルスロック・交代で登場　場：トリックルーム";
// "なし" for a state at its defaults.
std::string battleStateSummary(const BattleState& state);

} // namespace rusrina
