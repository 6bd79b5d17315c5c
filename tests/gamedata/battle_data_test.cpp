// What the damage rules read beyond the base tables: weights and the flags of each move per
// generation, with the rows that differ between the 4th and 5th generations kept apart.
#include "data/battle_data.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/species.h"

#include <gtest/gtest.h>

using namespace rusrina;

namespace {

int move(const char* name) {
    return findMove(name);
}

TEST(BattleData, Weights) {
    const std::pair<const char*, int> quoted[] = {
        {"カビゴン", 4600},      {"ピカチュウ", 60},   {"ヌケニン", 12},
        {"ウォッシュロトム", 3}, {"グラードン", 9500}, {"ギラティナ（オリジン）", 6500},
        {"ゲノセクト", 825},
    };
    for (auto [name, hectograms] : quoted)
        EXPECT_EQ(speciesWeight(findSpecies(name)), hectograms) << name;
    for (int species = 0; species < kSpeciesCount; ++species)
        EXPECT_GT(speciesWeight(species), 0) << species;
    EXPECT_EQ(speciesWeight(-1), 0);
    EXPECT_EQ(speciesWeight(kSpeciesCount), 0);
}

struct QuotedFlags {
    const char* move;
    uint32_t flags;
};

// The whole flag set of each quoted move in the 5th generation.
TEST(BattleData, QuotedFlags) {
    const QuotedFlags quoted[] = {
        {"メガトンパンチ", kMoveContact | kMovePunch},
        {"すてみタックル", kMoveContact | kMoveRecoil},
        {"とびひざげり", kMoveContact | kMoveCrash | kMoveGravityBlocked},
        {"ハイパーボイス", kMoveSound},
        {"いわなだれ", kMoveSecondaryEffect},
        {"じしん", 0},
        {"ニトロチャージ", kMoveContact | kMoveSecondaryEffect},
        {"そらをとぶ", kMoveContact | kMoveGravityBlocked | kMoveCharge},
        {"ソーラービーム", kMoveCharge},
        {"はかいこうせん", kMoveRecharge},
        {"なしくずし", kMoveContact | kMoveIgnoresDefenceStages},
        {"サイコショック", kMoveHitsDefence},
        {"イカサマ", kMoveContact | kMoveUsesTargetAttack},
        {"こおりのいぶき", kMoveAlwaysCrits},
        {"フェイント", kMoveBreaksProtect},
        {"じわれ", kMoveOneHitKo},
        {"だいばくはつ", kMoveSelfDestruct},
        {"オーバーヒート", kMoveLowersOwnAttackStat},
        {"インファイト", kMoveContact},
    };
    for (const QuotedFlags& q : quoted)
        EXPECT_EQ(moveBattleData(move(q.move), kGen5).flags, q.flags) << q.move;
}

struct QuotedNumbers {
    const char* move;
    Generation generation;
    int priority, multiHit, maxHits, critStage, fixedDamage, recoilNumerator, recoilDenominator;
};

TEST(BattleData, QuotedNumbersPerGeneration) {
    const QuotedNumbers quoted[] = {
        {"しんそく", kGen4, 1, kSingleHit, 1, 0, 0, 0, 0},
        {"しんそく", kGen5, 2, kSingleHit, 1, 0, 0, 0, 0},
        {"ねこだまし", kGen4, 1, kSingleHit, 1, 0, 0, 0, 0},
        {"ねこだまし", kGen5, 3, kSingleHit, 1, 0, 0, 0, 0},
        {"すてみタックル", kGen4, 0, kSingleHit, 1, 0, 0, 1, 3},
        {"すてみタックル", kGen5, 0, kSingleHit, 1, 0, 0, 33, 100},
        {"とっしん", kGen5, 0, kSingleHit, 1, 0, 0, 1, 4},
        {"タネマシンガン", kGen5, 0, kTwoToFiveHits, 5, 0, 0, 0, 0},
        {"にどげり", kGen4, 0, kFixedHits, 2, 0, 0, 0, 0},
        {"ダブルチョップ", kGen5, 0, kFixedHits, 2, 0, 0, 0, 0},
        {"トリプルキック", kGen5, 0, kTripleKick, 3, 0, 0, 0, 0},
        {"ふくろだたき", kGen4, 0, kBeatUp, 6, 0, 0, 0, 0},
        {"きりさく", kGen5, 0, kSingleHit, 1, 1, 0, 0, 0},
        {"ちきゅうなげ", kGen5, 0, kSingleHit, 1, 0, kLevelDamage, 0, 0},
        {"りゅうのいかり", kGen4, 0, kSingleHit, 1, 0, 40, 0, 0},
        {"ふいうち", kGen5, 1, kSingleHit, 1, 0, 0, 0, 0},
        {"リベンジ", kGen5, -4, kSingleHit, 1, 0, 0, 0, 0},
    };
    for (const QuotedNumbers& q : quoted) {
        const MoveBattleData& m = moveBattleData(move(q.move), q.generation);
        EXPECT_EQ(m.priority, q.priority) << q.move << " " << q.generation;
        EXPECT_EQ(m.multiHit, q.multiHit) << q.move;
        EXPECT_EQ(m.maxHits, q.maxHits) << q.move;
        EXPECT_EQ(m.critStage, q.critStage) << q.move;
        EXPECT_EQ(m.fixedDamage, q.fixedDamage) << q.move;
        EXPECT_EQ(m.recoilNumerator, q.recoilNumerator) << q.move;
        EXPECT_EQ(m.recoilDenominator, q.recoilDenominator) << q.move;
    }
}

// A move the 4th generation lacks has no row there; every move of either generation hits once or more.
TEST(BattleData, EveryGenerationsMoves) {
    for (int m = 0; m < kMoveCount; ++m) {
        EXPECT_GE(moveBattleData(m, kGen5).maxHits, 1) << m;
        EXPECT_EQ(moveBattleData(m, kGen4).maxHits >= 1, moveExistsIn(m, kGen4)) << m;
    }
    EXPECT_EQ(moveBattleData(-1, kGen5).maxHits, 0);
    EXPECT_EQ(moveBattleData(kMoveCount, kGen5).maxHits, 0);
    EXPECT_EQ(moveBattleData(0, static_cast<Generation>(3)).maxHits, 0);
}

} // namespace
