// Who wins the one-on-one (duel.h): the chain run turn by turn in doubles.

#include "calc/duel/duel.h"

#include "calc/calculate.h"
#include "calc/duel/duel_chain.h"

#include <algorithm>

namespace rusrina {

namespace {
constexpr double kDuelDropped = 1e-13; // a state less likely than this is counted as still going
} // namespace

DuelResult computeDuel(const Scenario& scenario, const DamageSlot& first, const DamageSlot& second) {
    DuelResult out;
    duel::DuelModel model(scenario, first, second);
    out.refusal = model.refusal();
    out.notes = model.notes();
    out.pp = {model.side(0).pp, model.side(1).pp};
    if (!model.playable())
        return out;
    out.computed = true;
    duel::Chain<double> chain(model);
    chain.enter();
    const duel::World start{{model.side(0).startHp, model.side(1).startHp},
                            {model.side(0).startsWithItem, model.side(1).startsWithItem}};
    const Odds lead = model.order(1, start.item[0], start.item[1]).firstMovesFirst;
    out.firstMovesFirst = lead.value();
    const int ppTurns =
        std::min(out.pp[0] > 0 ? out.pp[0] : kDuelTurnLimit, out.pp[1] > 0 ? out.pp[1] : kDuelTurnLimit);
    for (int turn = 1; turn <= kDuelTurnLimit && !chain.over(); ++turn) {
        const double going = chain.going();
        out.expectedTurns += going;
        if (turn > ppTurns && going > 0.0)
            out.notes |= kDuelNotePpRunsOut;
        chain.play(turn);
        out.unresolved += chain.prune(kDuelDropped);
        const auto& last = chain.last();
        out.turns.push_back(
            {last.win, last.draw, last.lose, last.firstWinsBeforeFoeMoves, last.foeWinsBeforeFirstMoves});
    }
    out.win = chain.total().win;
    out.draw = chain.total().draw;
    out.lose = chain.total().lose;
    out.unresolved += chain.going();
    return out;
}

namespace {

// The slot of the entry's move that knocks the foe out soonest, -1 when none deals anything.
int soonestMove(const Scenario& s) {
    int best = -1;
    KoChance bestKo;
    for (int i = 0; i < 4; ++i) {
        const KoChance ko = calculateHit(s, DamageSlot::moveRow(i, s.attacker.entry->move[i])).ko;
        if (ko.hits <= 0)
            continue;
        if (best < 0 || ko.hits < bestKo.hits || (ko.hits == bestKo.hits && ko.chance > bestKo.chance)) {
            best = i;
            bestKo = ko;
        }
    }
    return best;
}

} // namespace

DuelResult computeDuelWithSoonestMoves(const Scenario& scenario, std::array<int, 2>* moves) {
    if (!hasPair(scenario))
        return {};
    Scenario swapped = scenario;
    std::swap(swapped.attacker, swapped.defender);
    const std::array<int, 2> chosen{soonestMove(scenario), soonestMove(swapped)};
    if (moves)
        *moves = chosen;
    if (chosen[0] < 0 || chosen[1] < 0) {
        DuelResult out;
        out.refusal = {chosen[0] < 0 ? DuelRefusal::NoMove : DuelRefusal::None,
                       chosen[1] < 0 ? DuelRefusal::NoMove : DuelRefusal::None};
        return out;
    }
    return computeDuel(scenario, DamageSlot::moveRow(chosen[0], scenario.attacker.entry->move[chosen[0]]),
                       DamageSlot::moveRow(chosen[1], scenario.defender.entry->move[chosen[1]]));
}

double duelScore(const DuelResult& r) {
    return r.win + r.draw / 2;
}

DuelTable computeDuelTable(const Scenario& scenario) {
    DuelTable table;
    if (!hasPair(scenario))
        return table;
    const BoxEntry& a = *scenario.attacker.entry;
    const BoxEntry& b = *scenario.defender.entry;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            table.cell[i][j] =
                computeDuel(scenario, DamageSlot::moveRow(i, a.move[i]), DamageSlot::moveRow(j, b.move[j]));
    // The worst each move meets over the foe's moves that play; a move that cannot play is never best.
    std::array<double, 2> bestWorst{-1.0, -1.0};
    for (int side = 0; side < 2; ++side)
        for (int mine = 0; mine < 4; ++mine) {
            double worst = 2.0;
            bool plays = false;
            for (int theirs = 0; theirs < 4; ++theirs) {
                const DuelResult& r = side == 0 ? table.cell[mine][theirs] : table.cell[theirs][mine];
                if (!r.computed)
                    continue;
                plays = true;
                worst = std::min(worst, side == 0 ? duelScore(r) : r.lose + r.draw / 2);
            }
            if (plays && worst > bestWorst[side]) {
                bestWorst[side] = worst;
                table.best[side] = mine;
            }
        }
    return table;
}

} // namespace rusrina
