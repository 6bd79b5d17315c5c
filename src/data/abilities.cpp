#include "data/abilities.h"

#include "data/english_tables.h"
#include "data/raw_tables.h"
#include "data/species.h"

namespace rusrina {
namespace {

constexpr SpeciesAbilities kNoAbilities{0, 0, 0};

} // namespace

const char* abilityName(int ability) {
    if (!displaysEnglish() || ability < 0 || ability >= kAbilityCount)
        return abilityJapaneseName(ability);
    // Row 0 is the choosers' "no choice".
    return ability == 0 ? "Any" : generated::kAbilityEnglishNames[ability];
}

const char* abilityJapaneseName(int ability) {
    if (ability < 0 || ability >= kAbilityCount || generated::kAbilityNames[ability] == nullptr)
        return "";
    return generated::kAbilityNames[ability];
}

const char* abilityName(AbilityId ability) {
    return abilityName(static_cast<int>(ability));
}

const SpeciesAbilities& speciesAbilities(int species) {
    return species >= 0 && species < kSpeciesCount ? generated::kSpeciesAbilities[species] : kNoAbilities;
}

} // namespace rusrina
