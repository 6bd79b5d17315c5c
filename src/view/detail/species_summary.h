#pragma once
// The upper half of the species detail window: one species' data as the texts the window shows,
// its pre-evolutions and descendants, and its stats at a chosen level.

#include <array>
#include <string>
#include <vector>

#include "data/species.h"

namespace rusrina {

// The value of an empty pre-evolution or evolution slot.
inline constexpr int kNoSpeciesSlot = 65535;
inline constexpr int kEvolutionSlots = 10;

struct DetailViewState {
    int current = 0;
    int preEvo1 = kNoSpeciesSlot; // the smaller species index of the two, so 65535 ends up in preEvo2
    int preEvo2 = kNoSpeciesSlot;
    std::array<int, kEvolutionSlots> evolutions{}; // all descendants, direct evolutions first
};

// The navigation state of `species`; the evolution slots not used hold kNoSpeciesSlot.
DetailViewState detailViewState(int species);

// The species whose egg moves count for `state.current` in the difference views: the first stage
// of its evolution line (the species itself when it has no pre-evolution).
int breedingBase(const DetailViewState& state);

struct SpeciesSummary {
    std::string name;
    std::string type1, type2;
    std::string eggGroup1, eggGroup2;
    std::string preEvo1, preEvo2;
    std::vector<std::string> evolutions; // the evolution chooser's entries, never empty
    std::string ability1, ability2, hiddenAbility;
    std::string resistance, weakness;
    std::string hatchSteps;
    std::string femaleRatio;
    std::array<std::string, 6> baseStats;
    std::array<std::string, 6> statsAtLevel;
};

// Every text of the upper half for `state.current`, with the stats at `level` (1..100).
SpeciesSummary speciesSummary(const DetailViewState& state, int level);

// The female ratio text: "－" for a genderless species, "特殊" for the ニドラン lines, whose
// halves are separate species, else the percentage with one decimal.
std::string femaleRatioText(int species);

// The level chooser: position p is level p + 1.
std::string levelChoiceText(int level);
// A stored level position outside the chooser falls back to the first level.
int levelFromPosition(int position);

} // namespace rusrina
