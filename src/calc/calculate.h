#pragma once
// The one place that calculates. Every window and tool hands it a scenario (calc/scenario.h) and it
// chooses the engine: the simple engine for the rows in the simple mode, the exact engine of the
// mode's generation otherwise, and the exact engine always for the tools of the box (the matrix and
// the finders compute in the 5th generation's when the window is in the simple mode, without a
// battle state, which the simple mode does not know). The answers carry no words: view/ words them.
//
// The damage matrix (calc/box_tools/damage_matrix.h), the spread finder (spread_finder.h) and speed
// tuning (spread_finder_speed.h) take a scenario too, and count through the same functions what the
// rows count: the extras of every entry, every field of the state, the hazards and each end of turn.

#include "calc/battle/speed.h"
#include "calc/damage/damage_engine.h"
#include "calc/exact/exact_accuracy.h"
#include "calc/exact/exact_rolls.h"
#include "calc/exact/exact_step.h"
#include "calc/exact/exact_turn_end.h"
#include "calc/scenario.h"
#include "data/ids.h"

#include <array>
#include <optional>

namespace rusrina {

// The move as the exact engine worked it out, for the head of a row's log.
struct MoveUsed {
    MoveId move = kNoMoveId; // none in the direct-value row
    int power = 0;           // the move's power in the generation, before its own rules
    int accuracy = 0;
    int type = 0;
    int category = 0;
    bool hitsDefence = false; // the defender's defence, even for a special move (サイコショック …)
    Generation generation = kGen5;
};

// What one move deals to the defender in an exact mode.
struct ExactAnswer {
    bool usable = false; // both sides and a move the engine can compute
    MoveUsed move;
    ExactRolls rolls;
    TurnEndPlan turnEnd;  // what counts beside the hits: the hazards on entry, each end of turn
    TurnEndSeries series; // the chances use by use with the plan; empty when the plan holds nothing
    KoChance ko;          // the verdict, with the plan
    ExactRecord record;   // the steps of the hit, when asked for
    // The verdict and the series count each use's miss and critical hits (the field asks for it and
    // the move can be counted so), with these chances.
    bool hitChances = false;
    UseOdds odds;
};

// The verdict of a prepared move against a defender as every window shows it: the fewest uses that
// can knock out and their chance, with what the plan holds, and with each use's miss and critical
// hits by their chances when the field counts them (then `hitChances`, when given, is set).
KoChance verdictOf(const ExactAttack& attack, const ExactSide& defender, const ExactRolls& rolls,
                   const TurnEndPlan& plan, bool* hitChances = nullptr);
// The chance that `uses` uses knock out, counted as verdictOf counts.
double chanceInUses(const ExactAttack& attack, const ExactSide& defender, const ExactRolls& rolls,
                    const TurnEndPlan& plan, int uses);

// The scenario's move in `slot` against its defender, in the scenario's exact mode (the 5th
// generation's in the simple mode).
ExactAnswer calculateHit(const Scenario& scenario, const DamageSlot& slot, bool withRecord = false);
// The chance that `uses` uses knock the defender out, counting what the answer's plan holds (not
// the misses and critical hits: the scenario's own counts them when its field asks for it).
double koChanceInUses(const ExactAnswer& answer, int uses);
double koChanceInUses(const Scenario& scenario, const DamageSlot& slot, int uses);

// One of the six rows: the simple engine's result (its texts and log) in the simple mode, the exact
// answer with its steps otherwise.
struct RowAnswer {
    DamageMode mode = DamageMode::Simple;
    SlotResult simple;
    ExactAnswer exact;
};
std::array<RowAnswer, kDamageRowCount> calculateRows(const Scenario& scenario, const RowMoves& moves);

// Who moves first of the two, speeds alone (the rows' moves differ in priority): in the exact modes
// with both sides chosen, else none.
std::optional<OrderResult> calculateOrder(const Scenario& scenario);

// The scenario the tools of the box compute in: the exact mode the scenario stands for (the 5th
// generation's for the simple mode, and then without a battle state).
Scenario toolScenario(const Scenario& scenario);

} // namespace rusrina
