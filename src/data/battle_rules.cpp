#include "data/battle_rules.h"

#include "data/english_tables.h"
#include "data/species.h"

#include <algorithm>

namespace rusrina {
namespace {

constexpr const char* kRuleNames[kBattleRuleCount] = {
    " 無制限",     " 最終段階のみ",     " 孵化直後のみ",     " ギルダ闘技場",         " ノルデン限定(QX)",
    " ラフィネ園", " ノルデン限定(ZV)", " ザイレム限定(TK)", " ザイレム最終限定(TK)",
};
// The regions and places keep their names, written in English letters.
constexpr const char* kRuleEnglishNames[kBattleRuleCount] = {
    " No limit",         " Fully evolved only", " Newly hatched only",
    " Gilda Arena",      " Norden only (QX)",   " Raffine Garden",
    " Norden only (ZV)", " Zairem only (TK)",   " Zairem fully evolved (TK)",
};

// Given as species indices; stored as index + 1.
constexpr std::array<int, kExcludedLegendaryCount> kExcludedLegendaries = [] {
    constexpr int indices[kExcludedLegendaryCount] = {149, 150, 248, 249, 250, 381, 382, 383, 384, 385, 386,
                                                      387, 388, 492, 493, 496, 497, 499, 500, 501, 502, 503,
                                                      494, 505, 655, 656, 658, 659, 660, 661, 662};
    std::array<int, kExcludedLegendaryCount> list{};
    for (int i = 0; i < kExcludedLegendaryCount; ++i)
        list[i] = indices[i] + 1;
    return list;
}();

struct SpeciesRun {
    int first, last; // species indices, both included
};

// The Norden regional list in its own order, as runs of species indices. ユキメノコ (482) stands in
// it twice.
constexpr SpeciesRun kNordenRuns[] = {
    {389, 407}, {62, 64},   {128, 129}, {408, 408}, {314, 314}, {409, 409}, {40, 41},   {168, 168}, {73, 75},
    {94, 94},   {207, 207}, {410, 413}, {65, 67},   {53, 54},   {414, 418}, {264, 268}, {419, 427}, {213, 213},
    {189, 189}, {428, 432}, {91, 93},   {199, 199}, {433, 433}, {197, 197}, {434, 436}, {117, 118}, {338, 339},
    {437, 437}, {357, 357}, {438, 439}, {306, 307}, {440, 441}, {76, 77},   {442, 442}, {184, 184}, {443, 443},
    {121, 121}, {444, 444}, {112, 112}, {241, 241}, {172, 172}, {34, 35},   {445, 445}, {171, 171}, {24, 25},
    {162, 163}, {446, 450}, {142, 142}, {200, 200}, {451, 452}, {193, 194}, {277, 278}, {202, 202}, {453, 454},
    {297, 297}, {182, 183}, {455, 459}, {222, 223}, {460, 461}, {71, 72},   {348, 349}, {462, 462}, {225, 225},
    {463, 464}, {214, 214}, {465, 465}, {489, 493}, {500, 500}, {483, 488}, {206, 206}, {482, 482}, {298, 298},
    {480, 480}, {279, 281}, {479, 479}, {107, 107}, {467, 467}, {132, 135}, {195, 196}, {474, 475}, {332, 333},
    {174, 175}, {472, 472}, {227, 228}, {80, 81},   {466, 466}, {113, 113}, {469, 469}, {192, 192}, {473, 473},
    {356, 356}, {110, 111}, {468, 468}, {354, 355}, {481, 481}, {136, 136}, {232, 232}, {478, 478}, {122, 122},
    {211, 211}, {238, 238}, {124, 124}, {470, 470}, {239, 239}, {125, 125}, {471, 471}, {219, 220}, {477, 477},
    {360, 361}, {482, 482}, {358, 358}, {498, 498}, {501, 504},
};

constexpr std::array<int, kNordenListSize> kNordenListZV = [] {
    std::array<int, kNordenListSize> list{};
    std::size_t next = 0;
    for (const SpeciesRun& run : kNordenRuns) {
        for (int species = run.first; species <= run.last; ++species)
            list.at(next++) = species + 1; // at(): a miscounted run stops the build
    }
    return list;
}();

// The QX edition's list ends after its first 152 species (through パルキア) and
// adds ダークライ; its remaining slots are empty.
constexpr int kNordenQXShared = 152;
constexpr int kDarkrai = 501;
constexpr std::array<int, kNordenListSize> kNordenListQX = [] {
    std::array<int, kNordenListSize> list{};
    for (int i = 0; i < kNordenQXShared; ++i)
        list[i] = kNordenListZV[i];
    list[kNordenQXShared] = kDarkrai + 1;
    return list;
}();
static_assert(kNordenListZV[kNordenQXShared - 1] == 493 + 1, "the QX list shares the ZV list through 489-493");
static_assert(kNordenListZV[kNordenListSize - 1] == 504 + 1, "every slot of the ZV list is used");

// Lists hold species index + 1, so that an empty slot (0) matches no species.
template <std::size_t N> bool listHolds(const std::array<int, N>& list, int species) {
    return species >= 0 && std::find(list.begin(), list.end(), species + 1) != list.end();
}

bool hasPreEvolution(int species) {
    return preEvolution(species) != kNoSpecies;
}

// A species that hatches from an egg as itself: the first stage of a line, or a single-stage
// species that can breed at all.
bool hatchesAsItself(int species) {
    if (hasPreEvolution(species))
        return false;
    if (evolvesFurther(species))
        return true;
    const int group = breedingRecord(species).eggGroup1;
    return group != kEggGroupUndiscovered && group != kEggGroupDitto;
}

} // namespace

const std::array<int, kExcludedLegendaryCount>& excludedLegendaries() {
    return kExcludedLegendaries;
}
const std::array<int, kNordenListSize>& nordenListZV() {
    return kNordenListZV;
}
const std::array<int, kNordenListSize>& nordenListQX() {
    return kNordenListQX;
}

const char* ruleName(int rule) {
    if (rule < 0 || rule >= kBattleRuleCount)
        return "";
    return displaysEnglish() ? kRuleEnglishNames[rule] : kRuleNames[rule];
}

bool isEligible(int rule, int species) {
    switch (rule) {
    case kRuleFinalStage:
        return !evolvesFurther(species);
    case kRuleJustHatched:
        return hatchesAsItself(species);
    case kRuleGilda:
        return !evolvesFurther(species) && !listHolds(kExcludedLegendaries, species);
    case kRuleNordenQX:
        return listHolds(kNordenListQX, species);
    case kRuleRaffine:
        return !hasPreEvolution(species) && evolvesFurther(species);
    case kRuleNordenZV:
        return listHolds(kNordenListZV, species);
    case kRuleXyrem:
        return species >= kFirstGen5Species;
    case kRuleXyremFinal:
        return species >= kFirstGen5Species && !evolvesFurther(species);
    default:
        return true;
    }
}

} // namespace rusrina
