#pragma once
// Ability names and each species' abilities.

#include <cstdint>

namespace rusrina {

inline constexpr int kAbilityCount = 165; // index 0 is "無指定" (none / no choice)

// Abilities the damage engine refers to by index.
enum Ability {
    kAbilityNone = 0,
    kAbilityMoldBreaker = 18,  // かたやぶり
    kAbilityScrappy = 24,      // きもったま
    kAbilityGuts = 30,         // こんじょう
    kAbilitySolarPower = 32,   // サンパワー
    kAbilitySimple = 54,       // たんじゅん
    kAbilityAdaptability = 59, // てきおうりょく
    kAbilityForecast = 63,     // てんきや
    kAbilityUnaware = 64,      // てんねん
    kAbilityNormalize = 76,    // ノーマルスキン
    kAbilityKlutz = 85,        // ぶきよう
};

struct SpeciesAbilities {
    int32_t ability1;      // never 0
    int32_t ability2;      // 0 = none
    int32_t hiddenAbility; // 0 = none
};

const char* abilityName(int ability); // UTF-8
const SpeciesAbilities& speciesAbilities(int species);

} // namespace rusrina
