#include "view/detail/species_summary.h"

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/species.h"
#include "data/types.h"
#include "text/ui_text.h"

#include <cstdio>

namespace rusrina {
namespace {

// The two ニドラン lines: ♀ and ♂ are separate species, so their gender ratio means nothing here.
constexpr int kFirstNidoran = 28;
constexpr int kLastNidoran = 33;

bool validSpecies(int species) {
    return species >= 0 && species < kSpeciesCount;
}

std::string blankThen(const char* text) {
    return std::string(" ") + text;
}

std::string slotText(int species) {
    return species == kNoSpeciesSlot ? std::string(" －") : blankThen(speciesName(species));
}

std::string abilityText(int ability) {
    return ability == 0 ? std::string("－") : blankThen(abilityName(ability));
}

std::string number(int value) {
    return std::to_string(value);
}

void fillEvolutions(DetailViewState& state) {
    state.evolutions.fill(kNoSpeciesSlot);
    int count = 0;
    auto append = [&](int species) {
        if (count < kEvolutionSlots && validSpecies(species))
            state.evolutions[count++] = species;
    };
    for (int next : evolutions(state.current))
        append(next);
    // Breadth-first: each listed species contributes its own evolutions after everything listed
    // before it. The slot limit also ends the walk should the links ever form a cycle.
    for (int i = 0; i < count; ++i) {
        for (int next : evolutions(state.evolutions[i]))
            append(next);
    }
}

} // namespace

DetailViewState detailViewState(int species) {
    DetailViewState state;
    state.current = species;
    const int parent = preEvolution(species);
    if (validSpecies(parent)) {
        state.preEvo1 = parent;
        const int grandparent = preEvolution(parent);
        if (validSpecies(grandparent))
            state.preEvo2 = grandparent;
    }
    if (state.preEvo1 > state.preEvo2)
        std::swap(state.preEvo1, state.preEvo2);
    fillEvolutions(state);
    return state;
}

int breedingBase(const DetailViewState& state) {
    // The first stage of the line: the pre-evolution slot that has no pre-evolution itself. This is
    // preEvo1 for most lines, but for a line that begins with a baby (ピチュー, ピカチュウ, ライチュウ)
    // the baby has the larger index and so sits in preEvo2, and only the baby has egg moves.
    for (int slot : {state.preEvo2, state.preEvo1}) {
        if (slot != kNoSpeciesSlot && !validSpecies(preEvolution(slot)))
            return slot;
    }
    return state.preEvo1 != kNoSpeciesSlot ? state.preEvo1 : state.current;
}

std::string femaleRatioText(int species) {
    if (species >= kFirstNidoran && species <= kLastNidoran)
        return text::uiText("SpeciesSummary", "特殊");
    const int rate = speciesRecord(species).femaleRate;
    if (rate == kGenderless)
        return "－";
    char text[32];
    std::snprintf(text, sizeof text, "%3.1f", rate * 0.5);
    return text::fillText(text::uiText("SpeciesSummary", "%1％"), {text});
}

std::string levelChoiceText(int level) {
    return " LV " + number(level);
}

int levelFromPosition(int position) {
    return position >= 0 && position < kMaxLevel ? position + 1 : 1;
}

SpeciesSummary speciesSummary(const DetailViewState& state, int level) {
    const int s = state.current;
    const SpeciesRecord& record = speciesRecord(s);
    const BreedingRecord& breeding = breedingRecord(s);
    const SpeciesAbilities& abilities = speciesAbilities(s);

    SpeciesSummary summary;
    for (int next : state.evolutions) {
        if (next != kNoSpeciesSlot)
            summary.evolutions.push_back(blankThen(speciesName(next)));
    }
    if (summary.evolutions.empty())
        summary.evolutions.push_back(" － ");
    summary.name = blankThen(speciesName(s));
    summary.type1 = blankThen(typeName(record.type1));
    summary.type2 = record.type2 == record.type1 ? std::string(" －") : blankThen(typeName(record.type2));
    summary.eggGroup1 = blankThen(eggGroupName(breeding.eggGroup1));
    summary.eggGroup2 =
        breeding.eggGroup2 == kSingleEggGroup ? std::string(" －") : blankThen(eggGroupName(breeding.eggGroup2));
    summary.preEvo1 = slotText(state.preEvo1);
    summary.preEvo2 = slotText(state.preEvo2);
    summary.ability1 = blankThen(abilityName(abilities.ability1));
    summary.ability2 = abilityText(abilities.ability2);
    summary.hiddenAbility = abilityText(abilities.hiddenAbility);
    const TypeMatchupSummary matchups = typeMatchupSummary(record.type1, record.type2);
    summary.resistance = matchups.resistance;
    summary.weakness = matchups.weakness;
    summary.hatchSteps = text::fillText(text::uiText("SpeciesSummary", "%1歩"), {number(breeding.hatchSteps)});
    summary.femaleRatio = femaleRatioText(s);
    for (int stat = 0; stat < kStatCount; ++stat) {
        summary.baseStats[stat] = number(record.baseStats[stat]);
        summary.statsAtLevel[stat] = number(computeBaseOnlyStat(stat, record.baseStats[stat], level));
    }
    return summary;
}

} // namespace rusrina
