#pragma once
// Ability names and each species' abilities.

#include "data/generated/ids.h"

#include <cstdint>

namespace rusrina {

inline constexpr int kAbilityCount = 165; // index 0 is "無指定" (none / no choice)

struct SpeciesAbilities {
    int32_t ability1;      // never 0
    int32_t ability2;      // 0 = none
    int32_t hiddenAbility; // 0 = none
};

// The name the player reads: Japanese, or English when the program speaks English.
const char* abilityName(int ability);
const char* abilityName(AbilityId ability);
// Always Japanese (UTF-8): the name Japanese team text writes.
const char* abilityJapaneseName(int ability);
const SpeciesAbilities& speciesAbilities(int species);

} // namespace rusrina
