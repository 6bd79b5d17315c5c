// The chosen entry against one entry of the box (matrix_duel.h).

#include "calc/box_tools/matrix_duel.h"

#include "calc/duel/duel.h"

namespace rusrina {

MatrixDuel matrixDuel(const Scenario& scenario, MatrixSide side, const BoxEntry& entry, const EntryExtra& extra) {
    const DuelResult r = computeDuelWithSoonestMoves(pairScenario(scenario, side, entry, extra));
    MatrixDuel out;
    if (!r.computed) {
        out.state = MatrixDuel::State::Refused;
        return out;
    }
    out.state = MatrixDuel::State::Computed;
    const bool chosenFirst = side == MatrixSide::AttackerAgainstBox; // the chain's first side is the attacker
    out.win = chosenFirst ? r.win : r.lose;
    out.draw = r.draw;
    out.lose = chosenFirst ? r.lose : r.win;
    return out;
}

} // namespace rusrina
