#include "calc/search/search.h"

#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/learnsets.h"
#include "data/species.h"

namespace rusrina {

namespace {

// ヌケニン is not anyone's evolution in the moves' sense: it also learns what テッカニン learns.
constexpr int kShedinja = 291;
constexpr int kNinjask = 290;
constexpr int kMaxPreEvolutionSteps = 2;

bool statMatches(const SearchCriteria& c, const SpeciesRecord& record, int i) {
    const int base = record.baseStats[kSearchStatOrder[i]];
    return base >= c.minStat[i] && base <= c.maxStat[i];
}

bool statsMatch(const SearchCriteria& c, const SpeciesRecord& record) {
    for (int i = 0; i < 6; ++i) {
        if (!statMatches(c, record, i))
            return false;
    }
    return true;
}

bool hasType(const SpeciesRecord& record, int type) {
    return type == record.type1 || type == record.type2;
}

bool typesMatch(const SearchCriteria& c, const SpeciesRecord& record) {
    if (c.typeA != kAnyType && !hasType(record, c.typeA))
        return false;
    if (c.typeB != kAnyType && !hasType(record, c.typeB))
        return false;
    // The same type in both choosers asks for that single type.
    return c.typeA == kAnyType || c.typeA != c.typeB || record.type1 == record.type2;
}

bool eggGroupMatches(const SearchCriteria& c, int species) {
    const BreedingRecord& breeding = breedingRecord(species);
    return c.eggGroup == kAnyEggGroup || c.eggGroup == breeding.eggGroup1 || c.eggGroup == breeding.eggGroup2;
}

bool abilityMatches(const SearchCriteria& c, int species) {
    const SpeciesAbilities& abilities = speciesAbilities(species);
    return c.ability == kAnyAbility || c.ability == abilities.ability1 || c.ability == abilities.ability2 ||
           c.ability == abilities.hiddenAbility;
}

// The slots are shared along the line: a move one relative learns is marked done for the rest.
bool movesMatch(const SearchCriteria& c, int species) {
    const MoveMethods methods{c.byLevel, c.byEgg, c.byMachine, c.byTutor};
    const MoveEditions editions{c.inQX, c.inZV, c.inJYJY, c.inTK};
    std::array<int, 4> slots = c.slots;
    auto learns = [&](int s) { return matchMoveSlots(s, c.anyOf, methods, editions, slots); };
    if (learns(species))
        return true;
    int relative = species;
    for (int step = 0; step < kMaxPreEvolutionSteps; ++step) {
        relative = preEvolution(relative);
        if (relative == kNoSpecies)
            break;
        if (learns(relative))
            return true;
    }
    return species == kShedinja && learns(kNinjask);
}

} // namespace

std::vector<int> runSearch(const SearchCriteria& criteria) {
    std::vector<int> found;
    for (int species = 0; species < kSpeciesCount; ++species) {
        const SpeciesRecord& record = speciesRecord(species);
        if (statsMatch(criteria, record) && typesMatch(criteria, record) && eggGroupMatches(criteria, species) &&
            abilityMatches(criteria, species) && isEligible(criteria.rule, species) && movesMatch(criteria, species))
            found.push_back(species);
    }
    return found;
}

std::vector<unsigned> searchMisses(const SearchCriteria& criteria) {
    std::vector<unsigned> misses(kSpeciesCount, 0);
    for (int species = 0; species < kSpeciesCount; ++species) {
        const SpeciesRecord& record = speciesRecord(species);
        unsigned& missed = misses[static_cast<size_t>(species)];
        for (int i = 0; i < 6; ++i)
            missed |= statMatches(criteria, record, i) ? 0 : partBit(kStatPart + i);
        missed |= typesMatch(criteria, record) ? 0 : partBit(kTypePart);
        missed |= eggGroupMatches(criteria, species) ? 0 : partBit(kEggGroupPart);
        missed |= abilityMatches(criteria, species) ? 0 : partBit(kAbilityPart);
        missed |= isEligible(criteria.rule, species) ? 0 : partBit(kRulePart);
        missed |= movesMatch(criteria, species) ? 0 : partBit(kMovePart);
    }
    return misses;
}

} // namespace rusrina
