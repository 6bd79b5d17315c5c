#pragma once
// One creature against the whole box: the chosen attacker's four moves against every other entry,
// or every other entry's four moves against the chosen defender, each hit computed by the exact
// engine under the window's conditions, with its rolls and its chance to knock out. Each row holds
// its four moves best first.

#include "calc/battle/speed.h"
#include "calc/exact/exact_damage.h"

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
    KoChance ko;
};

// The row's entry's effective speed and who moves first of the two, the attacker's order as the
// order line of the box window says it (the attacker is the chosen entry or the row's, by the side).
// Speeds alone decide: the row's four moves may differ in priority.
struct MatrixSpeed {
    bool known = false; // computed (the exact modes)
    int speed = 0;
    TurnOrder attackerOrder = TurnOrder::Tie;
};

struct MatrixRow {
    int slot = -1; // the box slot of the entry the row stands for
    std::array<MatrixCell, kMoveRowCount> cells;
    MatrixSpeed speed;
};

// Whether `a` is the stronger move: one that deals damage before one that does not; then fewer
// hits to knock out, a higher chance in that many, a higher top roll, a higher bottom roll; then
// the earlier move slot. Moves that deal nothing: immune before not computable before no move.
bool strongerMove(const MatrixCell& a, const MatrixCell& b);

// The rows for every entry of `entries` (the in-use box, slot = position) but `chosen`, in box
// order. An empty result when `chosen` is not an entry. The battle state's attacker side applies to
// every attacking entry and its defender side to every defending one (an HP given as a value is
// held to each entry's maximum, so the window gives a share when the box defends).
std::vector<MatrixRow> computeMatrix(std::span<const BoxEntry> entries, int chosen, MatrixSide side,
                                     const BattleConditions& conditions, const ExactOptions& options,
                                     const BattleState& state = {});

// Fills each row's speed: the attacker with the state's attacker side, the defender with its
// defender side, both under `field`. `extras` beside `entries` (the box's, by slot; shorter or empty
// counts as no extra). Returns the chosen entry's own effective speed, -1 when it is not an entry.
int addMatrixSpeeds(std::vector<MatrixRow>& rows, std::span<const BoxEntry> entries, std::span<const EntryExtra> extras,
                    int chosen, MatrixSide side, const BattleState& state, const SpeedField& field);

} // namespace rusrina
