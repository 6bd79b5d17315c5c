#pragma once
// One creature against the whole box: the chosen attacker's four moves against every other entry,
// or every other entry's four moves against the chosen defender, each hit computed by the exact
// engine in the scenario (calc/calculate.h's toolScenario), with its rolls and its chance to knock
// out counted as the rows count it. Each row holds its four moves best first.

#include "calc/battle/speed.h"
#include "calc/calculate.h"

#include <span>
#include <vector>

namespace rusrina {

enum class MatrixSide {
    AttackerAgainstBox, // the chosen entry attacks every row's entry
    BoxAgainstDefender, // every row's entry attacks the chosen entry
};

// One move of a row's attacker against its defender.
struct MatrixCell {
    int moveSlot = -1; // 0..3: the attacker's move slot
    int move = NO_MOVE;
    ExactRolls rolls;
    KoChance ko;             // with what the plan counts, as the rows' verdict
    TurnEndPlan turnEnd;     // the hazards and each end of turn the verdict counts
    bool hitChances = false; // the verdict counts each use's miss and critical hits
};

// The row's entry's effective speed and who moves first of the two, the attacker's order as the
// order line of the box window says it (the attacker is the chosen entry or the row's, by the side).
// Speeds alone decide: the row's four moves may differ in priority.
struct MatrixSpeed {
    bool known = false; // computed (the exact modes)
    int speed = 0;
    TurnOrder attackerOrder = TurnOrder::Tie;
};

// The chosen entry alone against the row's entry (matrix_duel.h), from the chosen entry's side.
struct MatrixDuel {
    enum class State : uint8_t { NotAsked, Computed, Refused };
    State state = State::NotAsked;
    double win = 0.0;
    double draw = 0.0;
    double lose = 0.0;
};

struct MatrixRow {
    int slot = -1; // the box slot of the entry the row stands for
    std::array<MatrixCell, kMoveRowCount> cells;
    MatrixSpeed speed;
    MatrixDuel duel;
};

// Whether `a` is the stronger move: one that deals damage before one that does not; then fewer
// hits to knock out, a higher chance in that many, a higher top roll, a higher bottom roll; then
// the earlier move slot. Moves that deal nothing: immune before not computable before no move.
bool strongerMove(const MatrixCell& a, const MatrixCell& b);

// The scenario of one pair of the matrix, for which every cell computes what the rows compute: the
// box's side is `entry` with `extra`, keeping the scenario's side conditions and state for that side
// (an HP given as a value becomes its share of the scenario's entry on that side, so that it fits
// every entry of the box); the other side is the scenario's. In the tools' exact mode.
Scenario pairScenario(const Scenario& scenario, MatrixSide side, const BoxEntry& entry, const EntryExtra& extra);

// The rows for every entry of `entries` (the in-use box, slot = position; `extras` beside them, by
// slot, shorter or empty counting as no extra) but `chosen`, in box order. The chosen side is the
// scenario's attacker (AttackerAgainstBox) or defender. Empty when that side is not chosen or
// `chosen` is not an entry.
std::vector<MatrixRow> computeMatrix(const Scenario& scenario, std::span<const BoxEntry> entries,
                                     std::span<const EntryExtra> extras, int chosen, MatrixSide side);

// Fills each row's speed and order from its pair's scenario (the exact modes). Returns the chosen
// side's own effective speed, -1 when it is not chosen.
int addMatrixSpeeds(std::vector<MatrixRow>& rows, const Scenario& scenario, std::span<const BoxEntry> entries,
                    std::span<const EntryExtra> extras, MatrixSide side);

} // namespace rusrina
