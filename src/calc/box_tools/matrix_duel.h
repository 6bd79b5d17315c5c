#pragma once
// The matrix's 対面勝率 column: the chosen entry alone against one entry of the box, each side
// using the move that knocks the other out soonest (duel.h's computeDuelWithSoonestMoves), in the
// pair's scenario as every other cell of the row has it.

#include "calc/box_tools/damage_matrix.h"

namespace rusrina {

// From the chosen entry's side whichever side it stands on: its win, the draw, its loss.
MatrixDuel matrixDuel(const Scenario& scenario, MatrixSide side, const BoxEntry& entry, const EntryExtra& extra);

} // namespace rusrina
