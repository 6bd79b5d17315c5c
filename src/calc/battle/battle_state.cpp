#include "calc/battle/battle_state.h"

#include <algorithm>
#include <utility>

namespace rusrina {

int hpNowOf(const SideState& side, int maxHp) {
    if (maxHp <= 0)
        return 0;
    const int64_t hp = side.hpIsShare ? int64_t{maxHp} * std::clamp(side.hp, 0, 100) / 100 : side.hp;
    return static_cast<int>(std::clamp<int64_t>(hp, 1, maxHp));
}

namespace {

void holdSide(SideState& side) {
    const int status = static_cast<int>(side.status);
    if (status < static_cast<int>(StatusCondition::None) || status > static_cast<int>(StatusCondition::Freeze))
        side.status = StatusCondition::None;
    side.toxicTurns = std::clamp(side.toxicTurns, 1, kMostToxicTurns);
    side.hp = side.hpIsShare ? std::clamp(side.hp, 1, 100) : std::max(side.hp, 1);
    for (int8_t& stage : side.stages)
        stage = static_cast<int8_t>(std::clamp<int>(stage, kLowestStage, kHighestStage));
    side.spikes = std::clamp(side.spikes, 0, kMostSpikes);
}

} // namespace

BattleState stateWithHpShares(BattleState state, int attackerMaxHp, int defenderMaxHp) {
    const std::pair<SideState*, int> sides[] = {{&state.attacker, attackerMaxHp}, {&state.defender, defenderMaxHp}};
    for (const auto& [side, maxHp] : sides)
        if (!side->hpIsShare && maxHp > 0) {
            side->hp = std::clamp((hpNowOf(*side, maxHp) * 200 + maxHp) / (2 * maxHp), 1, 100);
            side->hpIsShare = true;
        }
    return state;
}

CombatantState combatantStateOf(const SideState& given) {
    BattleState held;
    held.attacker = given;
    const SideState side = stateWithinRange(held).attacker;
    CombatantState c;
    if (side.status != StatusCondition::None)
        c.status = side.status;
    c.toxicTurns = side.toxicTurns;
    if (!(side.hpIsShare && side.hp >= 100))
        c.hp = HpNow{side.hp, side.hpIsShare};
    c.stages = side.stages;
    c.tailwind = side.tailwind;
    c.stealthRock = side.stealthRock;
    c.spikes = side.spikes;
    c.seeded = side.seeded;
    c.charged = side.charged;
    c.flashFire = side.flashFire;
    c.switchingIn = side.switchingIn;
    return c;
}

void applyFieldState(Field& field, const FieldState& state) {
    field.trickRoom = state.trickRoom;
    field.magicRoom = state.magicRoom;
    field.wonderRoom = state.wonderRoom;
    field.countTurnEnd = state.countTurnEnd;
    field.countHitChances = state.countHitChances;
}

BattleState stateWithinRange(BattleState state) {
    holdSide(state.attacker);
    holdSide(state.defender);
    return state;
}

} // namespace rusrina
