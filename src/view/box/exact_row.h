#pragma once
// A row of the box and damage window in an exact mode: the exact answer (calc/calculate.h) worded as
// the row's texts and its calculation log, and the six rows in whichever mode the scenario computes.

#include "calc/calculate.h"
#include "view/common/damage_mode.h"
#include "view/common/exact_texts.h"

#include <array>
#include <string>

namespace rusrina {

struct ExactRowResult {
    SlotResult texts; // damage "a ～ b", hits "確定2発" / "乱数2発 (43.8％)", multiplier, log
    std::string hpShareText = kNotAvailable; // "48.2％ ～ 56.9％"
    ExactRolls rolls;
    KoChance ko;         // with the hazards and the end of turn when `turnEnd` holds any
    TurnEndPlan turnEnd; // what the state made count beside the hits
};
// The answer for `attacker`'s move against `defender`, worded.
ExactRowResult exactRowResult(const BoxEntry& attacker, const BoxEntry& defender, const ExactAnswer& answer);

// The six rows of the box and damage window in the scenario's mode; the simple mode gives the simple
// engine's results unchanged (and "－" as the share of HP).
std::array<ExactRowResult, kDamageRowCount> computeRowsInMode(const Scenario& scenario, const RowMoves& moves);
// The same from the window's inputs as it holds them.
std::array<ExactRowResult, kDamageRowCount> computeRowsInMode(const DamageEngine& engine,
                                                              const DamageSettings& settings);

} // namespace rusrina
