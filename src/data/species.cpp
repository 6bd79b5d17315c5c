#include "data/species.h"

#include "data/english_tables.h"
#include "data/raw_tables.h"

#include <algorithm>
#include <array>

namespace rusrina {
namespace {

constexpr EggGroupRecord kEggGroups[kEggGroupCount] = {
    {-1, "怪獣"},     {-1, "水中－１"}, {-1, "虫"},       {-1, "飛行"},   {-1, "陸上"},   {-1, "妖精"},
    {-1, "植物"},     {-1, "人型"},     {3, "水中－３"},  {-1, "鉱物"},   {-1, "不定形"}, {3, "水中－２"},
    {-1, "ドラゴン"}, {-1, "性別不明"}, {-1, "メタモン"}, {-1, "未発見"},
};
constexpr const char* kEggGroupEnglishNames[kEggGroupCount] = {
    "Monster", "Water 1", "Bug",       "Flying",  "Field",  "Fairy",      "Grass", "Human-Like",
    "Water 3", "Mineral", "Amorphous", "Water 2", "Dragon", "Genderless", "Ditto", "Undiscovered",
};

// Lookups with an index from outside the tables (a damaged box file, a stale setting) answer with
// an empty row instead of reading past the arrays.
constexpr SpeciesRecord kNoSpeciesRecord{};
constexpr BreedingRecord kNoBreedingRecord{0, kEggGroupUndiscovered, kSingleEggGroup};
constexpr EggGroupRecord kNoEggGroup{-1, ""};

bool validSpecies(int species) {
    return species >= 0 && species < kSpeciesCount;
}

} // namespace

const SpeciesRecord& speciesRecord(int species) {
    return validSpecies(species) ? generated::kSpeciesTable[species] : kNoSpeciesRecord;
}

const char* speciesName(int species) {
    if (!displaysEnglish() || !validSpecies(species))
        return speciesJapaneseName(species);
    return generated::kSpeciesEnglishNames[species] ? generated::kSpeciesEnglishNames[species] : "";
}

const char* speciesJapaneseName(int species) {
    if (!validSpecies(species) || generated::kSpeciesNames[species] == nullptr)
        return "";
    return generated::kSpeciesNames[species];
}

const BreedingRecord& breedingRecord(int species) {
    return validSpecies(species) ? generated::kBreedingTable[species] : kNoBreedingRecord;
}

const EggGroupRecord& eggGroupRecord(int group) {
    return group >= 0 && group < kEggGroupCount ? kEggGroups[group] : kNoEggGroup;
}

const char* eggGroupName(int group) {
    if (displaysEnglish() && group >= 0 && group < kEggGroupCount)
        return kEggGroupEnglishNames[group];
    return eggGroupRecord(group).name;
}

int preEvolution(int species) {
    // Every learnability test walks the evolution line, once per move when the box window fills
    // its move list, so the link ending at each species is found once and kept.
    static const std::array<int, kSpeciesCount> fromOf = [] {
        std::array<int, kSpeciesCount> table;
        table.fill(kNoSpecies);
        for (const EvolutionRecord& link : generated::kEvolutionTable) {
            const int to = link.toSpecies - 1;
            if (validSpecies(to) && table[to] == kNoSpecies)
                table[to] = link.fromSpecies - 1;
        }
        return table;
    }();
    return validSpecies(species) ? fromOf[species] : kNoSpecies;
}

std::vector<int> evolutions(int species) {
    std::vector<int> result;
    if (!validSpecies(species))
        return result;
    for (const EvolutionRecord& link : generated::kEvolutionTable) {
        if (link.fromSpecies == species + 1)
            result.push_back(link.toSpecies - 1);
    }
    return result;
}

bool evolvesFurther(int species) {
    if (!validSpecies(species))
        return false;
    return std::any_of(std::begin(generated::kEvolutionTable), std::end(generated::kEvolutionTable),
                       [species](const EvolutionRecord& link) { return link.fromSpecies == species + 1; });
}

std::vector<int> eggGroupListOrder() {
    // Built the way the chooser fills itself: position 0 is its leading " 無指定" (kept here as -1),
    // then each group in table order, inserted at its list position or appended. That is what brings
    // the three water groups together.
    std::vector<int> list{-1};
    for (int group = 0; group < kEggGroupCount; ++group) {
        const int position = kEggGroups[group].listPosition;
        if (position < 0 || position >= static_cast<int>(list.size()))
            list.push_back(group);
        else
            list.insert(list.begin() + position, group);
    }
    std::erase(list, -1);
    return list;
}

} // namespace rusrina
