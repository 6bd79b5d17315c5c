#pragma once
// The exact engine's tests build its sides and attacks themselves, to reach what no window can set
// (any held item, a gender, the facts of the turn); this words the answer as a row of the box window.

#include "calc/calculate.h"
#include "calc/exact/exact_damage.h"
#include "view/box/exact_row.h"

namespace rusrina::test {

inline ExactRowResult computeExactRow(const ExactSide& attacker, const ExactSide& defender, const DamageSlot& slot,
                                      const BattleConditions& conditions, const ExactOptions& options) {
    const ExactAnswer answer = exactAnswerOf(prepareExactAttack(attacker, slot, conditions, options), defender, true);
    return exactRowResult(*attacker.entry, *defender.entry, answer);
}

} // namespace rusrina::test
