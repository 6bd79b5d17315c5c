#pragma once
// The species tables: one row per species index (0..662), ordered by national number with
// alternate forms following their default form.

#include <cstdint>
#include <vector>

namespace rusrina {

inline constexpr int kSpeciesCount = 663;
inline constexpr int kNoSpecies = -1;         // "none" for preEvolution and similar lookups
inline constexpr int kFirstGen5Species = 505; // ビクティニ
inline constexpr int kStatCount = 6;          // HP, attack, defence, sp. attack, sp. defence, speed
inline constexpr int kMinLevel = 1;
inline constexpr int kMaxLevel = 100;

enum Stat { kHp = 0, kAttack = 1, kDefence = 2, kSpAttack = 3, kSpDefence = 4, kSpeed = 5 };

struct SpeciesRecord {
    int32_t number; // national number, 1..649, shared by all forms
    int32_t baseStats[kStatCount];
    int32_t type1;      // type index 0..17, never 9
    int32_t type2;      // equal to type1 for a single-typed species
    int32_t femaleRate; // 0, 25, 50, 100, 150, 200 (half percents), 255 = genderless
};

struct BreedingRecord {
    int32_t hatchSteps;
    int32_t eggGroup1; // 0..15
    int32_t eggGroup2; // 0..15, or kSingleEggGroup
};
inline constexpr int32_t kSingleEggGroup = 255;
inline constexpr int32_t kGenderless = 255;
inline constexpr int32_t kAlwaysMale = 0;     // femaleRate of a species with males alone
inline constexpr int32_t kAlwaysFemale = 200; // and of one with females alone

struct EggGroupRecord {
    int32_t listPosition; // -1: append in table order; else the list position to insert at
    const char* name;     // UTF-8
};
inline constexpr int kEggGroupCount = 16;
inline constexpr int kEggGroupDitto = 14;
inline constexpr int kEggGroupUndiscovered = 15;

// Both ends are species index + 1.
struct EvolutionRecord {
    int32_t fromSpecies;
    int32_t toSpecies;
};
inline constexpr int kEvolutionCount = 322;

const SpeciesRecord& speciesRecord(int species);
// The name the player reads: Japanese, or English when the program speaks English ("Rotom-Wash").
const char* speciesName(int species);
// Always Japanese (UTF-8): the name box entries are given and Japanese team text writes.
const char* speciesJapaneseName(int species);
const BreedingRecord& breedingRecord(int species);
const EggGroupRecord& eggGroupRecord(int group);
const char* eggGroupName(int group); // in the display language

// The species index the given species evolves from, or kNoSpecies.
int preEvolution(int species);
// The species indices the given species evolves into, in table order.
std::vector<int> evolutions(int species);
bool evolvesFurther(int species);

// The egg-group chooser's entries after its leading " 無指定": egg group indices in list order
// (the three water groups together).
std::vector<int> eggGroupListOrder();

} // namespace rusrina
