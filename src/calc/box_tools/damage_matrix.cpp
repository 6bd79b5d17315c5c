#include "calc/box_tools/damage_matrix.h"

#include "calc/battle/speed_inputs.h"
#include "calc/exact/exact_damage.h"

#include <algorithm>
#include <future>
#include <iterator>

namespace rusrina {
namespace {

// Fewer rows than this are quicker worked on one thread than handed to a second.
constexpr int kRowsWorthASecondThread = 128;

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

// The attacker's four moves, worked out once for every defender it meets.
Attacks prepareMoves(const Scenario& s, const ExactSide& attacker) {
    Attacks attacks;
    for (int k = 0; k < kMoveRowCount; ++k)
        attacks[k] = exactAttackOf(s, attacker, DamageSlot::moveRow(k, attacker.entry->move[k]));
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
        cell.turnEnd = turnEndPlan(attacks[k], defender);
        cell.ko = verdictOf(attacks[k], defender, cell.rolls, cell.turnEnd, &cell.hitChances);
    }
    std::stable_sort(row.cells.begin(), row.cells.end(), strongerMove);
    return row;
}

EntryExtra extraAt(std::span<const EntryExtra> extras, int slot) {
    return slot < static_cast<int>(extras.size()) ? extras[slot] : EntryExtra{};
}

// The box's side of a pair: the entry with the scenario's conditions and state for that side.
Combatant boxCombatant(const Scenario& s, MatrixSide side, const BoxEntry& entry, const EntryExtra& extra) {
    const Combatant& role = side == MatrixSide::AttackerAgainstBox ? s.defender : s.attacker;
    const int maxHp = role.entry ? role.entry->stat[kHp] : 0;
    Combatant c = combatantOf(entry, extra);
    c.side = role.side;
    c.state = withHpShare(role.state, maxHp);
    return c;
}

const Combatant& chosenSide(const Scenario& s, MatrixSide side) {
    return side == MatrixSide::AttackerAgainstBox ? s.attacker : s.defender;
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

Scenario pairScenario(const Scenario& given, MatrixSide side, const BoxEntry& entry, const EntryExtra& extra) {
    Scenario s = toolScenario(given);
    Combatant box = boxCombatant(s, side, entry, extra);
    (side == MatrixSide::AttackerAgainstBox ? s.defender : s.attacker) = std::move(box);
    return s;
}

std::vector<MatrixRow> computeMatrix(const Scenario& given, std::span<const BoxEntry> entries,
                                     std::span<const EntryExtra> extras, int chosen, MatrixSide side) {
    std::vector<MatrixRow> rows;
    const Scenario s = toolScenario(given);
    const Combatant& mine = chosenSide(s, side);
    if (!mine.entry || chosen < 0 || chosen >= static_cast<int>(entries.size()))
        return rows;
    rows.reserve(entries.size() - 1);
    const ExactSide chosenSideOfHit = exactSideOf(mine);
    // The chosen attacker's moves are worked out once for the whole box.
    const bool attacks = side == MatrixSide::AttackerAgainstBox;
    const Attacks chosenMoves = attacks ? prepareMoves(s, chosenSideOfHit) : Attacks{};
    const auto computeSlots = [&](int first, int last, std::vector<MatrixRow>& out) {
        for (int slot = first; slot < last; ++slot) {
            if (slot == chosen)
                continue;
            const Combatant theirs = boxCombatant(s, side, entries[slot], extraAt(extras, slot));
            const ExactSide other = exactSideOf(theirs);
            out.push_back(attacks ? rowOf(slot, chosenMoves, other)
                                  : rowOf(slot, prepareMoves(s, other), chosenSideOfHit));
        }
    };
    // A large box is worked in two halves at once: every row stands on its own, and a condition
    // change over a full box is then answered in about half the time on a machine of two cores.
    const int count = static_cast<int>(entries.size());
    if (count < kRowsWorthASecondThread) {
        computeSlots(0, count, rows);
        return rows;
    }
    const int half = count / 2;
    std::vector<MatrixRow> later;
    later.reserve(static_cast<size_t>(count - half));
    std::future<void> second = std::async(std::launch::async, [&] { computeSlots(half, count, later); });
    computeSlots(0, half, rows);
    second.get();
    std::move(later.begin(), later.end(), std::back_inserter(rows));
    return rows;
}

int addMatrixSpeeds(std::vector<MatrixRow>& rows, const Scenario& s, std::span<const BoxEntry> entries,
                    std::span<const EntryExtra> extras, MatrixSide side) {
    const Combatant& mine = chosenSide(s, side);
    const int count = static_cast<int>(entries.size());
    if (!mine.entry)
        return -1;
    const bool chosenAttacks = side == MatrixSide::AttackerAgainstBox;
    for (MatrixRow& row : rows) {
        if (row.slot < 0 || row.slot >= count)
            continue;
        const std::optional<OrderResult> order =
            calculateOrder(pairScenario(s, side, entries[row.slot], extraAt(extras, row.slot)));
        if (order)
            row.speed = {true, order->speed[chosenAttacks ? 1 : 0].speed, order->order};
    }
    return effectiveSpeed(speedSideOf(mine), speedFieldOf(toolScenario(s))).speed;
}

} // namespace rusrina
