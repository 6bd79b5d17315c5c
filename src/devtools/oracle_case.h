#pragma once
// A damage case in the oracles' format (tools/damage-oracle: one JSON object whose attacker,
// defender, move and field hold what @smogon/calc's constructors take) read as the exact engine's
// inputs: species, forms, moves, abilities, natures and held items found by their English names,
// the calculator's state turned into the box window's conditions. A case that asks for anything
// those inputs cannot hold (a stage of a stat the window has none for, a status beside a burn, a
// form the box lacks …) is refused with the reason, never read as something else.
//
// How the calculator's state reads (anything not listed must be absent or neutral):
//   attacker.options.status "brn"                    -> やけど
//   attacker.options.abilityOn                       -> 特性発動 (a status or a low HP beside it is
//                                                       the state the activation stands for)
//   boosts of the attacker's attacking stat           -> the attack stage (the move's category)
//   boosts of the defender's stat the move hits       -> the defence stage
//   field.gameType "Doubles"                          -> ダブルバトル
//   field.attackerSide.isHelpingHand / isFlowerGift   -> てだすけ / フラワーギフト
//   field.defenderSide.isReflect / isLightScreen / isForesight, field.isGravity, field.weather
//   move.options.isCrit                               -> 急所; move.options.hits: a multi-hit count
//   move.options.overrides.basePower                  -> めざめるパワー's power, which must be the one its
//                                                       IVs give; マグニチュード's, naming one magnitude
//   options.gender, options.happiness, options.item   -> each side's gender, happiness, held item
// Each side names its ability and, for a species that can be either, its gender: left out, the
// calculator would take the species' first ability and a male.
// The berry condition (きのみ発動) stays off: a berry that acts on its own acts without it.

#include "calc/calculate.h"
#include "devtools/json_value.h"

#include <array>
#include <string>
#include <vector>

namespace rusrina {

// A case as the scenario it stands for: each side's entry with its held item, gender, happiness and
// HP now (curHP), the calculator's state as the window's conditions, the generation as the mode.
struct OracleCase {
    std::string id; // as the case gives it, in JSON
    Scenario scenario;
    DamageSlot slot;
    int hits = 0;           // the hit count the case asks of a multi-hit move; 0 for the move's own
    int magnitudePower = 0; // マグニチュード: the power of the magnitude the case asks for
};

// Throws std::runtime_error with the reason when the case cannot be read as the engine's inputs.
OracleCase oracleCaseFrom(const json::Value& c);

// A case with a battle state (tools/damage-oracle/make_state_fixture.mjs): each side's boosts, the
// defender's status, toxicCounter and curHP, and field.defenderSide's isSR, spikes and isSeeded are
// the battle state (the side switching in when a hazard lies there, the end of turn counted); the
// rest reads as oracleCaseFrom reads it.
OracleCase oracleStateCaseFrom(const json::Value& c);
// The engine's verdict on it: the fewest uses that can knock out by the end of their turn, with its
// chance, and what the hazards and the end of turn held.
KoChance engineStateKo(const OracleCase& c, TurnEndPlan* plan = nullptr);

// What a hit deals, in the form both oracles give it: per hit its 16 rolls (85 % … 100 %); no
// hit at all when nothing is dealt (an immunity, a move that fails, no formula, 0 on every roll).
using OracleRolls = std::array<int32_t, kRollCount>;
struct OracleAnswer {
    std::vector<OracleRolls> hits;
    bool operator==(const OracleAnswer&) const = default;
};

// The engine's answer to a case.
OracleAnswer engineAnswer(const OracleCase& c);
// An oracle's answer as tools/damage-oracle writes it: {"rolls": [16], "perHit": [[16], …]},
// or a note or all-zero rolls when nothing is dealt.
OracleAnswer oracleAnswerFrom(const json::Value& answer);
std::string answerText(const OracleAnswer& answer); // "12 13 … 15 | 8 9 …", "none"

} // namespace rusrina
