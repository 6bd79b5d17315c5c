#include "view/detail/species_summary.h"

#include "data/species.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace rusrina {
namespace {

constexpr int kBulbasaur = 0, kIvysaur = 1, kVenusaur = 2, kNidoranF = 28, kNidoking = 33, kClefairy = 34;
constexpr int kPikachu = 24, kRaichu = 25, kEevee = 132, kPichu = 171, kMagnemite = 80;
constexpr int kNone = kNoSpeciesSlot;

std::vector<int> usedSlots(const DetailViewState& state) {
    std::vector<int> used;
    for (int species : state.evolutions) {
        if (species != kNone)
            used.push_back(species);
    }
    return used;
}

std::vector<std::string> names(const std::vector<int>& species) {
    std::vector<std::string> result;
    for (int s : species)
        result.push_back(speciesName(s));
    return result;
}

TEST(DetailViewStateTest, PreEvolutionSlotsHoldTheSmallerIndexFirst) {
    struct Case {
        int species, preEvo1, preEvo2;
    };
    const Case cases[] = {
        {kBulbasaur, kNone, kNone}, {kIvysaur, kBulbasaur, kNone}, {kVenusaur, kBulbasaur, kIvysaur},
        {kPikachu, kPichu, kNone},  {kRaichu, kPikachu, kPichu},   {kEevee, kNone, kNone},
    };
    for (const Case& c : cases) {
        const DetailViewState state = detailViewState(c.species);
        EXPECT_EQ(state.current, c.species);
        EXPECT_EQ(state.preEvo1, c.preEvo1) << c.species;
        EXPECT_EQ(state.preEvo2, c.preEvo2) << c.species;
    }
}

TEST(DetailViewStateTest, EvolutionsListEveryDescendantDirectOnesFirst) {
    EXPECT_EQ(usedSlots(detailViewState(kBulbasaur)), (std::vector<int>{kIvysaur, kVenusaur}));
    EXPECT_EQ(usedSlots(detailViewState(kPichu)), (std::vector<int>{kPikachu, kRaichu}));
    EXPECT_TRUE(usedSlots(detailViewState(kVenusaur)).empty());
    EXPECT_EQ(names(usedSlots(detailViewState(kEevee))),
              (std::vector<std::string>{"シャワーズ", "サンダース", "ブースター", "エーフィ", "ブラッキー",
                                        "リーフィア", "グレイシア"}));
}

TEST(DetailViewStateTest, BreedingBaseIsTheFirstStageOfTheLine) {
    EXPECT_EQ(breedingBase(detailViewState(kVenusaur)), kBulbasaur);
    EXPECT_EQ(breedingBase(detailViewState(kIvysaur)), kBulbasaur);
    // A line that begins with a baby: the baby holds the egg moves, though its index is larger.
    EXPECT_EQ(breedingBase(detailViewState(kRaichu)), kPichu);
    EXPECT_EQ(breedingBase(detailViewState(kPikachu)), kPichu);
    EXPECT_EQ(breedingBase(detailViewState(kPichu)), kPichu);
    EXPECT_EQ(breedingBase(detailViewState(kEevee)), kEevee);
}

TEST(DetailViewStateTest, IndexesOutsideTheTableGiveEmptySlots) {
    for (int species : {-1, kSpeciesCount, 65535}) {
        const DetailViewState state = detailViewState(species);
        EXPECT_EQ(state.preEvo1, kNone);
        EXPECT_EQ(state.preEvo2, kNone);
        EXPECT_TRUE(usedSlots(state).empty());
        EXPECT_NO_THROW(speciesSummary(state, 50));
    }
}

struct SummaryCase {
    int species;
    const char *name, *type1, *type2, *egg1, *egg2, *pre1, *pre2, *hatch, *female;
};

TEST(SpeciesSummaryTest, TextsOfTheUpperHalf) {
    const SummaryCase cases[] = {
        {kBulbasaur, " フシギダネ", " くさ", " どく", " 怪獣", " 植物", " －", " －", "5120歩", "12.5％"},
        {kVenusaur, " フシギバナ", " くさ", " どく", " 怪獣", " 植物", " フシギダネ", " フシギソウ", "5120歩",
         "12.5％"},
        {kRaichu, " ライチュウ", " でんき", " －", " 陸上", " 妖精", " ピカチュウ", " ピチュー", "2560歩", "50.0％"},
        {kEevee, " イーブイ", " ノーマル", " －", " 陸上", " －", " －", " －", "8960歩", "12.5％"},
        {kNidoranF, " ニドラン♀", " どく", " －", " 怪獣", " 陸上", " －", " －", "5120歩", "特殊"},
        {kMagnemite, " コイル", " でんき", " はがね", " 鉱物", " －", " －", " －", "5120歩", "－"},
    };
    for (const SummaryCase& c : cases) {
        SCOPED_TRACE(c.name);
        const SpeciesSummary s = speciesSummary(detailViewState(c.species), 50);
        EXPECT_EQ(s.name, c.name);
        EXPECT_EQ(s.type1, c.type1);
        EXPECT_EQ(s.type2, c.type2);
        EXPECT_EQ(s.eggGroup1, c.egg1);
        EXPECT_EQ(s.eggGroup2, c.egg2);
        EXPECT_EQ(s.preEvo1, c.pre1);
        EXPECT_EQ(s.preEvo2, c.pre2);
        EXPECT_EQ(s.hatchSteps, c.hatch);
        EXPECT_EQ(s.femaleRatio, c.female);
    }
}

TEST(SpeciesSummaryTest, AbilitiesShowADashForNone) {
    const SpeciesSummary bulbasaur = speciesSummary(detailViewState(kBulbasaur), 50);
    EXPECT_EQ(bulbasaur.ability1, " しんりょく");
    EXPECT_EQ(bulbasaur.ability2, "－");
    EXPECT_EQ(bulbasaur.hiddenAbility, " ようりょくそ");
    const SpeciesSummary magnemite = speciesSummary(detailViewState(kMagnemite), 50);
    EXPECT_EQ(magnemite.ability1, " じりょく");
    EXPECT_EQ(magnemite.ability2, " がんじょう");
    EXPECT_EQ(magnemite.hiddenAbility, " アナライズ");
}

TEST(SpeciesSummaryTest, MatchupsOfBothTypes) {
    const SpeciesSummary s = speciesSummary(detailViewState(kBulbasaur), 50);
    EXPECT_EQ(s.weakness, "　２倍：飛炎超氷");
    EXPECT_EQ(s.resistance, "　1/2：闘水電　1/4：草");
}

TEST(SpeciesSummaryTest, StatsAtTheChosenLevel) {
    struct Case {
        int level;
        std::array<std::string, 6> stats;
    };
    // フシギダネ: 45 49 49 65 65 45.
    const Case cases[] = {
        {50, {"105", "54", "54", "70", "70", "50"}},
        {1, {"11", "5", "5", "6", "6", "5"}},
        {100, {"200", "103", "103", "135", "135", "95"}},
    };
    for (const Case& c : cases) {
        const SpeciesSummary s = speciesSummary(detailViewState(kBulbasaur), c.level);
        EXPECT_EQ(s.statsAtLevel, c.stats) << c.level;
        EXPECT_EQ(s.baseStats, (std::array<std::string, 6>{"45", "49", "49", "65", "65", "45"}));
    }
}

TEST(SpeciesSummaryTest, FemaleRatioIsSpecialForBothNidoranLinesOnly) {
    for (int species = kNidoranF; species <= kNidoking; ++species)
        EXPECT_EQ(femaleRatioText(species), "特殊") << species;
    EXPECT_NE(femaleRatioText(kNidoranF - 1), "特殊");
    EXPECT_NE(femaleRatioText(kClefairy), "特殊");
    EXPECT_EQ(femaleRatioText(kClefairy), "75.0％");
}

TEST(SpeciesSummaryTest, LevelChooser) {
    EXPECT_EQ(levelChoiceText(1), " LV 1");
    EXPECT_EQ(levelChoiceText(100), " LV 100");
    const std::pair<int, int> positions[] = {{0, 1}, {49, 50}, {99, 100}, {100, 1}, {-1, 1}, {65535, 1}};
    for (const auto& [position, level] : positions)
        EXPECT_EQ(levelFromPosition(position), level) << position;
}

} // namespace
} // namespace rusrina
