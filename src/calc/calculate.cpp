#include "calc/calculate.h"

#include "calc/battle/speed_inputs.h"
#include "calc/exact/exact_damage.h"
#include "calc/exact/exact_sequence.h"

#include <algorithm>

namespace rusrina {
namespace {

constexpr size_t kUsualSteps = 32;    // enough for a hit under most conditions, so the record grows once
constexpr int kLoggedPastVerdict = 4; // the chances a row's log shows after its verdict's

bool countsHitChances(const ExactAttack& attack, const ExactRolls& rolls) {
    return attack.field.countHitChances && rolls.hits();
}

// How far the chain counts to find the verdict with misses and critical hits: a critical hit can
// only bring it closer and a miss only lowers its chance, so the verdict without them bounds it;
// a carried state it does not see gets the turns the end of turn is counted for.
int usesToCount(const KoChance& plain) {
    return std::min(kMostSequenceUses, std::max(plain.hits, 0) + kMostTurnEndUses);
}

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
    if (countsHitChances(attack, out.rolls)) {
        TurnEndSeries counted =
            repeatedUseSeries(attack, defender, usesToCount(out.ko), withRecord ? kLoggedPastVerdict : 0);
        if (!counted.chance.empty()) {
            out.hitChances = true;
            out.series = std::move(counted);
            out.ko = koChanceOf(out.series);
            out.odds = useOdds(attack, defender);
        }
    }
    return out;
}

KoChance verdictOf(const ExactAttack& attack, const ExactSide& defender, const ExactRolls& rolls,
                   const TurnEndPlan& plan, bool* hitChances) {
    const KoChance plain = koChanceWith(rolls, plan);
    if (!countsHitChances(attack, rolls))
        return plain;
    const TurnEndSeries counted = repeatedUseSeries(attack, defender, usesToCount(plain));
    if (counted.chance.empty())
        return plain;
    if (hitChances)
        *hitChances = true;
    return koChanceOf(counted);
}

double chanceInUses(const ExactAttack& attack, const ExactSide& defender, const ExactRolls& rolls,
                    const TurnEndPlan& plan, int uses) {
    if (!countsHitChances(attack, rolls))
        return koChanceWith(rolls, plan, uses);
    const TurnEndSeries counted = repeatedUseSeries(attack, defender, uses, uses);
    if (counted.chance.empty())
        return koChanceWith(rolls, plan, uses);
    if (static_cast<int>(counted.chance.size()) >= uses)
        return counted.chance[uses - 1];
    return counted.certain ? 1.0 : counted.chance.back();
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

double koChanceInUses(const Scenario& given, const DamageSlot& slot, int uses) {
    const Scenario s = toolScenario(given);
    if (!hasPair(s))
        return 0.0;
    const ExactSide defender = exactSideOf(s.defender);
    const ExactAttack attack = exactAttackOf(s, exactSideOf(s.attacker), slot);
    const ExactRolls rolls = exactRolls(attack, defender);
    return chanceInUses(attack, defender, rolls, turnEndPlan(attack, defender), uses);
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
