#pragma once
// Whether a use of a move hits, and whether each of its hits is a critical hit: the exact chances
// in the 4th and 5th generations under the battle state (the accuracy and evasion stages, the
// abilities, items and field effects that change them, the moves that never miss or hit for sure
// in a weather; the critical-hit stages and what raises or prevents a critical hit).
//
// The arithmetic is the battle simulator's, which the exact engine is checked against
// (tests/data/accuracy_crit_table.jsonl): the 5th generation chains the modifiers in 4096ths,
// applies them once, then the combined stage (accuracy minus evasion) as (3 + n) / 3, truncating;
// the 4th multiplies the accuracy by each side's stage ratio in turn, then by the items' factors,
// with the abilities' and じゅうりょく's chained 4096ths applied last. A use hits when a draw of
// 0 … 99 falls below the accuracy. Where several modifiers of one kind meet, the attacker's come
// first (the simulator orders them by speed; the result differs only by a rounding, and only with
// three or more).

#include "calc/exact/exact_damage.h"

#include <cstdint>
#include <vector>

namespace rusrina {

// An exact chance: numerator / denominator, 0 ≤ numerator ≤ denominator.
struct Odds {
    int64_t numerator = 1;
    int64_t denominator = 1;

    bool certain() const { return numerator == denominator; }
    bool never() const { return numerator == 0; }
    double value() const { return static_cast<double>(numerator) / static_cast<double>(denominator); }
    bool operator==(const Odds&) const = default;
};

// What set the chances, for the log: each rule that applied, in order, with what it gave.
enum class OddsRule : uint8_t {
    MoveAccuracy,     // arg: the move's accuracy in the generation
    NeverMisses,      // a move that cannot miss
    WeatherSureHit,   // かみなり/ぼうふう in the rain, ふぶき in the hail
    WeatherAccuracy,  // かみなり/ぼうふう in the sun: 50
    NoGuard,          // arg: 0 the attacker's, 1 the defender's
    AccuracyStage,    // arg: the stage that counts (after たんじゅん, てんねん, みやぶる)
    EvasionStage,     // arg: the same of the defender's evasion
    AccuracyModifier, // arg: the ability or item (AccuracySource), arg2: the factor in 4096ths
    HitChance,        // arg: the chance in percent (the draws of 0 … 99 below the accuracy)
    CriticalStage,    // arg: the stage; arg2: what raised it (CriticalSource)
    AlwaysCritical,   // こおりのいぶき, やまあらし
    NoCritical,       // arg: the defender's ability that prevents it (カブトアーマー, シェルアーマー)
};
enum class OddsSource : uint8_t {
    Move,
    CompoundEyes,
    Hustle,
    SandVeil,
    SnowCloak,
    BrightPowder,
    LaxIncense,
    WideLens,
    ZoomLens,
    Gravity,
    ScopeLens,
    RazorClaw,
    SuperLuck,
    LuckyPunch,
    Stick,
};
struct OddsStep {
    OddsRule rule;
    int32_t arg = 0;
    int32_t arg2 = 0;
};

// The chances of one use of the prepared move against the defender.
struct UseOdds {
    Odds hit;                   // that the use hits (1 for a move that cannot miss)
    Odds critical{0, 1};        // that each hit is a critical hit
    bool eachHitChecks = false; // トリプルキック: every kick checks the accuracy again, the first miss ends it
    std::vector<OddsStep> steps;
};

// The chances under the attack's conditions and both sides' battle states (the attacker's accuracy
// stage, the defender's evasion stage, whether the attacker moves after its foe for フォーカスレンズ).
UseOdds useOdds(const ExactAttack& attack, const ExactSide& defender);

// The chance to hit out of the simulator's accuracy value: the draws of 0 … 99 below it, in percent.
int hitPercent(double accuracy);

} // namespace rusrina
