#include "settings/battle_state_settings.h"

#include "settings/settings_file.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

namespace rusrina {
namespace {

constexpr const char* kStageKeys[kStageStatCount] = {"Attack", "Defence",  "SpAttack", "SpDefence",
                                                     "Speed",  "Accuracy", "Evasion"};

// Calls `visit(key, field)` for every input of the state, the same keys for reading and writing.
template <class State, class Visit> void visitState(State& state, Visit visit) {
    const auto side = [&](auto& s, const std::string& prefix) {
        visit(prefix + "Status", s.status);
        visit(prefix + "ToxicTurns", s.toxicTurns);
        visit(prefix + "Hp", s.hp);
        visit(prefix + "HpShare", s.hpIsShare);
        for (int stat = 0; stat < kStageStatCount; ++stat)
            visit(prefix + "Stage" + kStageKeys[stat], s.stages[static_cast<std::size_t>(stat)]);
        visit(prefix + "Tailwind", s.tailwind);
        visit(prefix + "StealthRock", s.stealthRock);
        visit(prefix + "Spikes", s.spikes);
        visit(prefix + "Seeded", s.seeded);
        visit(prefix + "Charged", s.charged);
        visit(prefix + "FlashFire", s.flashFire);
        visit(prefix + "SwitchingIn", s.switchingIn);
    };
    side(state.attacker, "stateAttacker");
    side(state.defender, "stateDefender");
    visit("stateTrickRoom", state.field.trickRoom);
    visit("stateMagicRoom", state.field.magicRoom);
    visit("stateWonderRoom", state.field.wonderRoom);
    visit("stateCountTurnEnd", state.field.countTurnEnd);
    visit("stateCountHitChances", state.field.countHitChances);
}

template <class Field> Field fieldFrom(int value) {
    if constexpr (std::is_same_v<Field, bool>)
        return value != 0;
    else if constexpr (sizeof(Field) == 1) // a stage or the status: held before it is narrowed
        return static_cast<Field>(std::clamp(value, -128, 127));
    else
        return static_cast<Field>(value);
}

} // namespace

BattleState readBattleState(const SettingsFile& settings, std::string_view section) {
    BattleState state;
    visitState(state, [&](const std::string& key, auto& field) {
        using Field = std::remove_reference_t<decltype(field)>;
        field = fieldFrom<Field>(settings.readSetting(section, key, static_cast<int>(field)));
    });
    return stateWithinRange(state);
}

void writeBattleState(SettingsFile& settings, std::string_view section, const BattleState& state) {
    const BattleState neutral;
    std::vector<int> defaults;
    visitState(neutral, [&](const std::string&, const auto& field) { defaults.push_back(static_cast<int>(field)); });
    std::size_t i = 0;
    visitState(state, [&](const std::string& key, const auto& field) {
        settings.write(SettingKey{section, key, defaults[i++], INT_MIN, INT_MAX}, static_cast<int>(field));
    });
}

} // namespace rusrina
