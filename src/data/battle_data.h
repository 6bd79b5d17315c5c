#pragma once
// What the damage rules of the 4th and 5th generations read beyond the base tables: each species'
// weight (けたぐり, くさむすび, ヘビーボンバー, ヒートスタンプ) and, per generation, the flags and
// numbers of each move that abilities, items and field effects key on.

#include "data/generations.h"

#include <cstdint>

namespace rusrina {

// Bits of MoveBattleData::flags, in the order tools/datagen/gen_data_battle.py writes them.
enum MoveFlag : uint32_t {
    kMoveContact = 1u << 0,
    kMovePunch = 1u << 1,                // てつのこぶし
    kMoveSound = 1u << 2,                // ぼうおん
    kMoveRecoil = 1u << 3,               // takes recoil from the damage dealt (すてみ)
    kMoveCrash = 1u << 4,                // hurts the user when it misses (すてみ as well)
    kMoveSecondaryEffect = 1u << 5,      // has an added effect that ちからずく (5th generation only) removes
    kMoveGravityBlocked = 1u << 6,       // cannot be used under じゅうりょく
    kMoveCharge = 1u << 7,               // takes a turn to charge
    kMoveRecharge = 1u << 8,             // the user must rest the next turn
    kMoveIgnoresDefenceStages = 1u << 9, // なしくずし, せいなるつるぎ
    kMoveHitsDefence = 1u << 10,         // a special move against the defence (サイコショック)
    kMoveUsesTargetAttack = 1u << 11,    // イカサマ: the target's attack and its stages
    kMoveAlwaysCrits = 1u << 12,         // こおりのいぶき, やまあらし
    kMoveBreaksProtect = 1u << 13,       // フェイント, シャドーダイブ
    kMoveOneHitKo = 1u << 14,            // じわれ, ぜったいれいど ...
    kMoveSelfDestruct = 1u << 15,        // だいばくはつ, じばく: the user faints
    kMoveLowersOwnAttackStat = 1u << 16, // オーバーヒート, りゅうせいぐん: the attacking stat falls after use
};

enum MultiHitKind : uint8_t {
    kSingleHit = 0,
    kTwoToFiveHits = 1, // 2, 3, 4 or 5 hits (スキルリンク: always 5)
    kFixedHits = 2,     // always maxHits hits (にどげり: 2)
    kTripleKick = 3,    // トリプルキック: up to 3 hits, each checking accuracy, power 10, 20, 30
    kBeatUp = 4,        // ふくろだたき: one hit per able member of the party (at most 6)
};

struct MoveBattleData {
    uint32_t flags;    // MoveFlag bits
    int8_t priority;   // -7 .. +5
    uint8_t multiHit;  // MultiHitKind
    uint8_t maxHits;   // the most hits (1 for a single hit)
    uint8_t critStage; // the critical-hit stage the move adds (1 for きりさく and its like)
    int16_t fixedDamage; // 0 none; kLevelDamage (ちきゅうなげ, ナイトヘッド); else the damage (りゅうのいかり: 40)
    uint8_t recoilNumerator; // recoil = damage dealt × numerator / denominator; 0 / 0 when none
    uint8_t recoilDenominator;
};
inline constexpr int16_t kLevelDamage = -1;

// Hectograms (0.1 kg); 0 outside the table.
int speciesWeight(int species);
// The move as that generation has it; all zero for a move the generation does not have and for an
// index outside the table.
const MoveBattleData& moveBattleData(int move, Generation generation);
inline const MoveBattleData& moveBattleData(MoveId move, Generation generation) {
    return moveBattleData(static_cast<int>(move), generation);
}

} // namespace rusrina
