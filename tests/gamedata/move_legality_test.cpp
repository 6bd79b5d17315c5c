// The table of every move a species can have in the 4th and 5th generations: it never contradicts
// the four editions' own learnsets, and the sources it names outside them are the right ones.
#include "data/move_legality.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/species.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace rusrina;

namespace {

constexpr Edition kEditions[] = {Edition::QX, Edition::ZV, Edition::JYJY, Edition::TK};

// What an edition's own tables teach, the table of every source allows in that generation.
TEST(MoveLegality, NeverContradictsTheEditionsLearnsets) {
    std::vector<std::string> contradictions;
    int taught = 0;
    for (int species = 0; species < kSpeciesCount; ++species) {
        for (int move = 0; move < kMoveCount; ++move) {
            for (Edition edition : kEditions) {
                if (editionMoveSources(species, move, edition) == 0)
                    continue;
                ++taught;
                if (!canHaveMove(species, move, generationOf(edition)))
                    contradictions.push_back(std::string(speciesName(species)) + " " + moveRecord(move).name);
            }
        }
    }
    EXPECT_GT(taught, 100000);
    EXPECT_TRUE(contradictions.empty()) << contradictions.size() << " contradictions, first "
                                        << (contradictions.empty() ? "" : contradictions.front());
}

struct Quoted {
    const char* species;
    const char* move;
    Generation generation;
    MoveSources sources;
};

TEST(MoveLegality, QuotedSources) {
    const Quoted quoted[] = {
        // ロトム's form move, from the 4th generation on.
        {"ウォッシュロトム", "ハイドロポンプ", kGen4, moveSourceBit(4, kSourceSpecial)},
        {"ウォッシュロトム", "ハイドロポンプ", kGen5,
         moveSourceBit(4, kSourceSpecial) | moveSourceBit(5, kSourceSpecial)},
        // The sky form has its land form's moves: a tutor of both generations.
        {"シェイミ（スカイ）", "だいちのちから", kGen5,
         moveSourceBit(4, kSourceTutor) | moveSourceBit(5, kSourceTutor)},
        // A distribution of the 4th generation, legal in the 5th after transfer.
        {"エンテイ", "しんそく", kGen4, moveSourceBit(4, kSourceDistribution)},
        {"エンテイ", "しんそく", kGen5, moveSourceBit(4, kSourceDistribution)},
        // A tutor of the later 5th-generation editions only.
        {"レパルダス", "あくのはどう", kGen5, moveSourceBit(5, kSourceTutor)},
        {"レパルダス", "あくのはどう", kGen4, 0},
        // A hidden machine's move of the 4th generation does not come along into the 5th.
        {"リングマ", "ロッククライム", kGen4, moveSourceBit(4, kSourceMachine)},
        {"リングマ", "ロッククライム", kGen5, 0},
        // Only the pre-evolution learns it: ピチュー's egg move and distributions.
        {"ライチュウ", "ボルテッカー", kGen4,
         moveSourceBit(3, kSourceEgg) | moveSourceBit(4, kSourceEgg) | moveSourceBit(4, kSourceDistribution) |
             kSourceByPreEvolutionOnly},
        // ドーブル sketches every move of its generation, but not おしゃべり.
        {"ドーブル", "じしん", kGen4, moveSourceBit(3, kSourceSketch) | moveSourceBit(4, kSourceSketch)},
        {"ドーブル", "おしゃべり", kGen5, 0},
        // A move of the 5th generation is no move of the 4th.
        {"ドーブル", "ボルトチェンジ", kGen4, 0},
        // A species of the 5th generation is not in the 4th.
        {"ビクティニ", "ねんりき", kGen4, 0},
    };
    for (const Quoted& q : quoted) {
        const int species = findSpecies(q.species);
        const int move = findMove(q.move);
        ASSERT_GE(species, 0) << q.species;
        ASSERT_GE(move, 0) << q.move;
        EXPECT_EQ(moveSources(species, move, q.generation), q.sources)
            << q.species << " " << q.move << " generation " << q.generation;
    }
}

TEST(MoveLegality, ヌケニンHasテッカニンsMovesAndIndicesOutsideAreRefused) {
    const MoveSources swordsDance = moveSources(findSpecies("ヌケニン"), findMove("つるぎのまい"), kGen5);
    EXPECT_NE(swordsDance & moveSourceBit(4, kSourceSpecial), 0u);
    EXPECT_EQ(sourceKindsIn(moveSourceBit(5, kSourceTutor) | moveSourceBit(4, kSourceEgg), 5), 1u << kSourceTutor);
    EXPECT_EQ(moveSources(-1, 0, kGen5), 0u);
    EXPECT_EQ(moveSources(kSpeciesCount, 0, kGen5), 0u);
    EXPECT_EQ(moveSources(0, kMoveCount, kGen5), 0u);
    EXPECT_EQ(moveSources(0, NO_MOVE, kGen4), 0u);
    EXPECT_EQ(editionMoveSources(findSpecies("フシギバナ"), findMove("はっぱカッター"), Edition::TK),
              1u << kSourceLevel);
}

} // namespace
