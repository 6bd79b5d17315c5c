#include "calc/scenario.h"

#include <algorithm>

namespace rusrina {

bool isExact(DamageMode mode) {
    return mode == DamageMode::ExactGen5 || mode == DamageMode::ExactGen4;
}

Generation generationOf(DamageMode mode) {
    return mode == DamageMode::ExactGen4 ? kGen4 : kGen5;
}

Combatant combatantOf(const BoxEntry& entry, const EntryExtra& extra) {
    Combatant c;
    c.entry = entry;
    c.heldItem = extra.heldItem;
    c.gender = extra.gender;
    if (extra.happiness != kDefaultHappiness)
        c.happiness = extra.happiness;
    return c;
}

int heldItemOf(const Combatant& c) {
    EntryExtra extra;
    extra.heldItem = c.heldItem;
    return heldItemOf(*c.entry, extra);
}

int hpNowOf(const CombatantState& state, int maxHp) {
    if (maxHp <= 0)
        return 0;
    if (!state.hp)
        return maxHp;
    const HpNow& hp = *state.hp;
    const int64_t now = hp.isShare ? int64_t{maxHp} * std::clamp(hp.amount, 0, 100) / 100 : hp.amount;
    return static_cast<int>(std::clamp<int64_t>(now, 1, maxHp));
}

namespace {

void holdState(CombatantState& s) {
    const int status = s.status ? static_cast<int>(*s.status) : 0;
    if (status < static_cast<int>(StatusCondition::None) || status > static_cast<int>(StatusCondition::Freeze))
        s.status.reset();
    s.toxicTurns = std::clamp(s.toxicTurns, 1, kMostToxicTurns);
    if (s.hp)
        s.hp->amount = s.hp->isShare ? std::clamp(s.hp->amount, 1, 100) : std::max(s.hp->amount, 1);
    for (int8_t& stage : s.stages)
        stage = static_cast<int8_t>(std::clamp<int>(stage, kLowestStage, kHighestStage));
    s.spikes = std::clamp(s.spikes, 0, kMostSpikes);
}

} // namespace

Scenario scenarioWithinRange(Scenario s) {
    holdState(s.attacker.state);
    holdState(s.defender.state);
    if (s.field.weather < 0 || s.field.weather >= kWeatherCount)
        s.field.weather = kWeatherNone;
    s.assumed.attackStage = std::clamp(s.assumed.attackStage, kLowestStage, kHighestStage);
    s.assumed.defenceStage = std::clamp(s.assumed.defenceStage, kLowestStage, kHighestStage);
    const int mode = static_cast<int>(s.mode);
    if (mode < 0 || mode >= kDamageModeCount)
        s.mode = DamageMode::Simple;
    return s;
}

CombatantState withHpShare(CombatantState state, int maxHp) {
    if (state.hp && !state.hp->isShare && maxHp > 0)
        state.hp = HpNow{std::clamp((hpNowOf(state, maxHp) * 200 + maxHp) / (2 * maxHp), 1, 100), true};
    return state;
}

Scenario withoutBattleState(Scenario s) {
    s.attacker.state = {};
    s.defender.state = {};
    const Field conditions{
        .weather = s.field.weather, .gravity = s.field.gravity, .doubleBattle = s.field.doubleBattle};
    s.field = conditions;
    return s;
}

} // namespace rusrina
