#include "calc/box_tools/damage_matrix.h"

#include "calc/battle/speed_inputs.h"

#include <algorithm>

namespace rusrina {
namespace {

// Outcomes in the order the best-first list puts them when neither deals damage.
int outcomeRank(ExactRolls::Outcome outcome) {
    switch (outcome) {
    case ExactRolls::Outcome::Damage:
        return 0;
    case ExactRolls::Outcome::Immune:
        return 1;
    case ExactRolls::Outcome::NoFormula:
        return 2;
    default:
        return 3;
    }
}

using Attacks = std::array<ExactAttack, kMoveRowCount>;

ExactSide sideOf(const BoxEntry& e, const SideState& state) {
    ExactSide side(e);
    applySideState(side, state);
    return side;
}

Attacks prepareMoves(const BoxEntry& attacker, const BattleConditions& conditions, const ExactOptions& options,
                     const BattleState& state) {
    Attacks attacks;
    const ExactSide side = sideOf(attacker, state.attacker);
    for (int k = 0; k < kMoveRowCount; ++k)
        attacks[k] =
            prepareExactAttack(side, DamageSlot::moveRow(k, attacker.move[k]), conditions, options, state.field);
    return attacks;
}

MatrixRow rowOf(int slot, const Attacks& attacks, const ExactSide& defender) {
    MatrixRow row;
    row.slot = slot;
    for (int k = 0; k < kMoveRowCount; ++k) {
        MatrixCell& cell = row.cells[k];
        cell.moveSlot = k;
        cell.move = attacks[k].slot.move;
        cell.rolls = exactRolls(attacks[k], defender);
        cell.ko = koChance(cell.rolls);
    }
    std::stable_sort(row.cells.begin(), row.cells.end(), strongerMove);
    return row;
}

} // namespace

bool strongerMove(const MatrixCell& a, const MatrixCell& b) {
    const int rankA = outcomeRank(a.rolls.outcome), rankB = outcomeRank(b.rolls.outcome);
    if (rankA != rankB)
        return rankA < rankB;
    if (a.rolls.hits()) {
        if (a.ko.hits != b.ko.hits)
            return a.ko.hits < b.ko.hits;
        if (a.ko.chance != b.ko.chance)
            return a.ko.chance > b.ko.chance;
        if (a.rolls.high() != b.rolls.high())
            return a.rolls.high() > b.rolls.high();
        if (a.rolls.low() != b.rolls.low())
            return a.rolls.low() > b.rolls.low();
    }
    return a.moveSlot < b.moveSlot;
}

std::vector<MatrixRow> computeMatrix(std::span<const BoxEntry> entries, int chosen, MatrixSide side,
                                     const BattleConditions& conditions, const ExactOptions& options,
                                     const BattleState& state) {
    std::vector<MatrixRow> rows;
    if (chosen < 0 || chosen >= static_cast<int>(entries.size()))
        return rows;
    rows.reserve(entries.size() - 1);
    const BoxEntry& mine = entries[chosen];
    if (side == MatrixSide::AttackerAgainstBox) {
        // The attacker's moves are worked out once for the whole box.
        const Attacks attacks = prepareMoves(mine, conditions, options, state);
        for (int slot = 0; slot < static_cast<int>(entries.size()); ++slot)
            if (slot != chosen)
                rows.push_back(rowOf(slot, attacks, sideOf(entries[slot], state.defender)));
    } else {
        const ExactSide defender = sideOf(mine, state.defender);
        for (int slot = 0; slot < static_cast<int>(entries.size()); ++slot)
            if (slot != chosen)
                rows.push_back(rowOf(slot, prepareMoves(entries[slot], conditions, options, state), defender));
    }
    return rows;
}

int addMatrixSpeeds(std::vector<MatrixRow>& rows, std::span<const BoxEntry> entries, std::span<const EntryExtra> extras,
                    int chosen, MatrixSide side, const BattleState& state, const SpeedField& field) {
    const int count = static_cast<int>(entries.size());
    if (chosen < 0 || chosen >= count)
        return -1;
    const auto extraOf = [extras](int slot) {
        return slot < static_cast<int>(extras.size()) ? extras[slot] : EntryExtra{};
    };
    const bool chosenAttacks = side == MatrixSide::AttackerAgainstBox;
    const SpeedSide mine =
        speedSideOf(entries[chosen], extraOf(chosen), chosenAttacks ? state.attacker : state.defender);
    for (MatrixRow& row : rows) {
        if (row.slot < 0 || row.slot >= count)
            continue;
        const SpeedSide theirs =
            speedSideOf(entries[row.slot], extraOf(row.slot), chosenAttacks ? state.defender : state.attacker);
        const OrderResult order = chosenAttacks ? turnOrder(mine, theirs, field) : turnOrder(theirs, mine, field);
        row.speed = {true, order.speed[chosenAttacks ? 1 : 0].speed, order.order};
    }
    return effectiveSpeed(mine, field).speed;
}

} // namespace rusrina
