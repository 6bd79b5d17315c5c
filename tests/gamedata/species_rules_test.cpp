#include "data/abilities.h"
#include "data/battle_rules.h"
#include "data/species.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace rusrina;

namespace {

std::vector<std::string> namesOf(const std::vector<int>& species) {
    std::vector<std::string> names;
    for (int s : species)
        names.push_back(speciesName(s));
    return names;
}

TEST(Species, EvolutionLinks) {
    struct Case {
        int species, from;
        std::vector<std::string> into;
    } cases[] = {
        {0, kNoSpecies, {"フシギソウ"}},
        {1, 0, {"フシギバナ"}},
        {132,
         kNoSpecies,
         {"シャワーズ", "サンダース", "ブースター", "エーフィ", "ブラッキー", "リーフィア", "グレイシア"}},
        {414, kNoSpecies, {"ミノマダム（草）", "ミノマダム（砂）", "ミノマダム（ごみ）", "ガーメイル"}},
        {291, 289, {}}, // ヌケニン comes from ツチニン
        {171, kNoSpecies, {"ピカチュウ"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(preEvolution(c.species), c.from) << c.species;
        EXPECT_EQ(namesOf(evolutions(c.species)), c.into) << c.species;
        EXPECT_EQ(evolvesFurther(c.species), !c.into.empty()) << c.species;
    }
}

// Indices from a damaged file or a stale setting must not read past the tables.
TEST(Species, BreedingAndIndicesOutsideTheTables) {
    EXPECT_EQ(breedingRecord(131).eggGroup2, kSingleEggGroup);
    EXPECT_STREQ(eggGroupName(breedingRecord(131).eggGroup1), "メタモン");
    EXPECT_STREQ(abilityName(0), "無指定");
    for (int bad : {-1, kSpeciesCount, 100000}) {
        EXPECT_STREQ(speciesName(bad), "") << bad;
        EXPECT_EQ(speciesRecord(bad).number, 0) << bad;
        EXPECT_EQ(preEvolution(bad), kNoSpecies) << bad;
        EXPECT_TRUE(evolutions(bad).empty()) << bad;
        EXPECT_EQ(speciesAbilities(bad).ability1, 0) << bad;
        EXPECT_STREQ(abilityName(bad), "") << bad;
    }
}

TEST(BattleRules, TellingSpecies) {
    struct Case {
        int rule, species;
        bool expected;
        const char* why;
    } cases[] = {
        {kRuleJustHatched, 171, true, "ピチュー: no eggs, but it evolves"},
        {kRuleJustHatched, 131, false, "メタモン: single stage, group メタモン"},
        {kRuleJustHatched, 149, false, "ミュウツー: single stage, group 未発見"},
        {kRuleJustHatched, 24, false, "ピカチュウ has a pre-evolution"},
        {kRuleJustHatched, 127, true, "ケンタロス: single stage that breeds"},
        {kRuleFinalStage, 149, true, "single stage"},
        {kRuleFinalStage, 0, false, "evolves"},
        {kRuleGilda, 149, false, "excluded legendary"},
        {kRuleGilda, 504, true, "アルセウス is not excluded"},
        {kRuleGilda, 494, false, "ヒードラン is excluded"},
        {kRuleGilda, 2, true, "final stage"},
        {kRuleGilda, 1, false, "evolves further"},
        {kRuleRaffine, 0, true, "first stage"},
        {kRuleRaffine, 171, true, "first stage"},
        {kRuleRaffine, 127, false, "single stage"},
        {kRuleRaffine, 1, false, "evolved form"},
        {kRuleRaffine, 2, false, "evolved form"},
        {kRuleXyrem, 505, true, "first 5th-generation species"},
        {kRuleXyrem, 504, false, "last 4th-generation species"},
        {kRuleXyremFinal, 647, true, "サザンドラ"},
        {kRuleXyremFinal, 646, false, "ジヘッド evolves"},
        {kRuleXyremFinal, 149, false, "not 5th generation"},
        {kRuleNordenQX, 500, false, "マナフィ is not in the QX list"},
        {kRuleNordenZV, 500, true, "マナフィ is in the ZV list"},
        {kRuleNordenQX, 501, true, "ダークライ"},
        {kRuleNordenZV, 501, true, "ダークライ"},
        {kRuleNordenQX, 482, false, "after the shared part"},
        {kRuleNordenZV, 482, true, "listed twice"},
        {kRuleNordenQX, -1, false, "the empty slots match no species"},
        {kRuleUnrestricted, 0, true, "everything"},
        {-1, 149, true, "unknown kinds admit everything"},
        {kBattleRuleCount, 149, true, "unknown kinds admit everything"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isEligible(c.rule, c.species), c.expected) << c.rule << " " << c.species << ": " << c.why;
}

// How many species each kind admits. The counts hold the rules and the evolution table together:
// a change to either shows here (kind 5, first stages that evolve, admits 225).
TEST(BattleRules, EligibleCountsOverAllSpecies) {
    const int expected[kBattleRuleCount] = {663, 360, 287, 329, 153, 225, 220, 158, 84};
    for (int rule = 0; rule < kBattleRuleCount; ++rule) {
        int count = 0;
        for (int species = 0; species < kSpeciesCount; ++species)
            count += isEligible(rule, species) ? 1 : 0;
        EXPECT_EQ(count, expected[rule]) << "rule " << rule;
    }
}

} // namespace
