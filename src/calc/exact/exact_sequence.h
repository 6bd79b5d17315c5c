#pragma once
// Several attacks in a row against one defender, exactly: the distribution of the HP the defender
// has left after each use and the chance that it has fallen by then, counted over every roll of
// every hit and, when asked, every miss and every critical hit by its chance. What one use leaves
// behind is carried to the next: the HP, the held item (a berry eaten, ふうせん popped, きあいのタスキ
// spent, はたきおとす's loss), the stages くだけるよろい, リュガのみ and ズアのみ change, マルチスケイル at
// full HP only, もうどく's count, and of each attacker its gem and the stage its own move lowered
// (りゅうせいぐん; gone when another attacker comes in). Between the uses the end of turn runs when the
// battle state counts it; the hazards hit the defender as it comes in before the first use.
//
// Left out, and said so in the notes: the secondary effects of the moves (a burn, a flinch, a
// lowered stat of the foe), the attacker's own HP (recoil, いのちのたま, the defender's ゴツゴツメット),
// げきりん's confusion, what the defender does on its turns.
//
// The chain is written once for any probability type (exact_sequence_chain.h): the program uses
// double, the tests an exact fraction, so that an enumeration of every outcome agrees to the last
// fraction.

#include "calc/exact/exact_accuracy.h"
#include "calc/exact/exact_damage.h"
#include "calc/exact/exact_turn_end.h"

#include <cstdint>
#include <vector>

namespace rusrina {

inline constexpr int kMostSequenceUses = 1000; // a longer sequence is cut here, and the answer says so
inline constexpr int kMostSequenceAttackers = 32;

// One step: the attacker uses the move `uses` times in a row, a turn each.
struct SequenceStep {
    ExactSide attacker; // its entry must outlive the computation
    DamageSlot slot;
    int uses = 1;
    int attackerId = 0; // steps with the same id are the same creature (its gem, its lowered stage)
};

struct SequenceInput {
    std::vector<SequenceStep> steps;
    ExactSide defender;
    BattleConditions conditions;
    ExactOptions options;         // the generation; its critical hit forces every hit critical unless
                                  // the hit chances are counted
    Field field;                  // countTurnEnd: an end of turn after each use
    bool countHitChances = false; // 命中・急所も数える: each use may miss and each hit be critical
};

// What the defender carries between uses; the engine keys its chances by it.
struct DefenderCarry {
    bool itemHeld = true; // its held item is still there (not eaten, popped, spent or knocked off)
    int8_t defence = 0;   // its defence and special defence stages as they stand
    int8_t spDefence = 0;
    int8_t attackDrop = 0;   // the stages the attacker in front has lowered its own attack by (ばかぢから)
    int8_t spAttackDrop = 0; // … and its special attack (りゅうせいぐん, オーバーヒート)
    uint32_t gemsSpent = 0;  // bit i: attacker i has used its gem
    bool operator==(const DefenderCarry&) const = default;
};

// Why a sequence could not be computed in full.
enum class SequenceStatus : uint8_t {
    Computed,
    Empty,       // no step, or no use
    Cut,         // more than kMostSequenceUses uses: the first ones are counted
    NotComputed, // a step's move or entry the engine cannot use (its use is skipped)
    OneHitKo,    // a move that knocks out at once (its use is skipped)
    TooManyGems, // more attackers holding a gem than the count keeps
};

// After one use and its end of turn.
struct SequenceUseResult {
    int step = 0;            // the step it belongs to
    double knockedOut = 0.0; // the chance the defender has fallen by now (0 only when it cannot have,
                             // 1 only when it must have)
    std::vector<double> hp;  // [h]: the chance it stands with h HP (index 0 unused)
    double itemGone = 0.0;   // the chance its held item is gone by now (among the cases it stands)
    double missed = 0.0;     // the chance this use missed
    double critical = 0.0;   // the chance at least one of its hits was critical
    std::vector<std::pair<int, double>> defence;   // stage: chance, among the cases it stands
    std::vector<std::pair<int, double>> spDefence; // the same
};

enum SequenceNote : uint32_t {
    kNoteSecondaryEffects = 1u << 0, // a move with an added effect: left out
    kNoteRecoil = 1u << 1,           // recoil or いのちのたま: the attacker's HP is not followed
    kNoteLockedMove = 1u << 2,       // げきりん's confusion is not counted
    kNoteTripleKick = 1u << 3,       // トリプルキック: each kick checks its accuracy
};

struct SequenceResult {
    SequenceStatus status = SequenceStatus::Empty;
    int maxHp = 0;
    int32_t startHp = 0;                 // the HP it starts with, before the hazards
    std::vector<TurnEndStep> entry;      // what hit it as it came in
    std::vector<SequenceUseResult> uses; // one per use counted
    std::vector<UseOdds> odds;           // per step: the chances of each of its uses (the first use's)
    uint32_t notes = 0;                  // SequenceNote bits
    // The fewest uses that can knock it out (0 when none counted can), and its chance.
    KoChance firstKo() const;
};

SequenceResult computeSequence(const SequenceInput& input);

// The number of uses the sequence asks for, held within kMostSequenceUses.
int sequenceUses(const SequenceInput& input);

// One prepared move used again and again against the defender, each use missing and each hit
// landing a critical hit by its chance, what each use leaves carried to the next as in a sequence:
// the chance to have fallen by each use 1 … `mostUses`, counted until `afterPossible` uses past the
// first that can knock out (0: that one alone, all a verdict needs) or until it must have fallen.
// Empty when the chain cannot count the move (no damage, one that knocks out at once).
TurnEndSeries repeatedUseSeries(const ExactAttack& attack, const ExactSide& defender, int mostUses,
                                int afterPossible = 0);

} // namespace rusrina
