#include "calc/calculate.h"

#include "calc/battle/speed_inputs.h"
#include "calc/exact/exact_damage.h"

namespace rusrina {
namespace {

constexpr size_t kUsualSteps = 32; // enough for a hit under most conditions, so the record grows once

MoveUsed moveUsedOf(const ExactAttack& a) {
    const bool hitsDefence = a.usable && defendingStatOf(a) == kDefence;
    return {a.move, a.power, a.accuracy, a.type, a.category, hitsDefence, a.options.generation};
}

} // namespace

ExactAnswer exactAnswerOf(const ExactAttack& attack, const ExactSide& defender, bool withRecord) {
    ExactAnswer out;
    out.usable = attack.usable;
    out.move = moveUsedOf(attack);
    out.record.generation = attack.options.generation;
    if (!attack.usable)
        return out;
    if (withRecord)
        out.record.steps.reserve(kUsualSteps);
    out.rolls = exactRolls(attack, defender, withRecord ? &out.record : nullptr);
    out.turnEnd = turnEndPlan(attack, defender);
    if (out.turnEnd.empty()) {
        out.ko = koChance(out.rolls);
    } else {
        out.series = koSeries(out.rolls, out.turnEnd);
        out.ko = koChanceOf(out.series);
    }
    return out;
}

ExactAnswer calculateHit(const Scenario& given, const DamageSlot& slot, bool withRecord) {
    const Scenario s = toolScenario(given);
    if (!hasPair(s))
        return {};
    return exactAnswerOf(exactAttackOf(s, exactSideOf(s.attacker), slot), exactSideOf(s.defender), withRecord);
}

double koChanceInUses(const ExactAnswer& answer, int uses) {
    return koChanceWith(answer.rolls, answer.turnEnd, uses);
}

std::array<RowAnswer, kDamageRowCount> calculateRows(const Scenario& s, const RowMoves& moves) {
    std::array<RowAnswer, kDamageRowCount> rows;
    for (RowAnswer& row : rows)
        row.mode = s.mode;
    if (!hasPair(s))
        return rows;
    const BoxEntry* attacker = &*s.attacker.entry;
    if (!isExact(s.mode)) {
        const BattleConditions conditions = conditionsOf(s);
        for (int i = 0; i < kDamageRowCount; ++i)
            rows[i].simple = computeRow(*attacker, *s.defender.entry, rowSlot(attacker, moves, i), conditions);
        return rows;
    }
    const ExactSide attackerSide = exactSideOf(s.attacker);
    const ExactSide defenderSide = exactSideOf(s.defender);
    for (int i = 0; i < kDamageRowCount; ++i)
        rows[i].exact = exactAnswerOf(exactAttackOf(s, attackerSide, rowSlot(attacker, moves, i)), defenderSide, true);
    return rows;
}

std::optional<OrderResult> calculateOrder(const Scenario& s) {
    if (!isExact(s.mode) || !hasPair(s))
        return std::nullopt;
    return turnOrder(speedSideOf(s.attacker), speedSideOf(s.defender), speedFieldOf(s));
}

Scenario toolScenario(const Scenario& s) {
    if (isExact(s.mode))
        return s;
    Scenario exact = withoutBattleState(s);
    exact.mode = DamageMode::ExactGen5;
    return exact;
}

} // namespace rusrina
