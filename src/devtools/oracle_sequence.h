#pragma once
// A sequence case of the simulator's fixture (tools/damage-oracle/sequence_sim.mjs says what it
// holds) read as the sequence engine's input: each step's attacker and move read as a case of the
// oracles' format with the defender and the field (oracle_case.h), the defender's state (its HP
// now, status, もうどく's count, the hazards it comes in on, やどりぎのタネ) as the battle state, every
// attacker's accuracy stage and the defender's evasion stage, the end of turn counted or not, and
// the misses and critical hits counted (unless the case says "countHitChances": false).

#include "calc/exact/exact_sequence.h"
#include "devtools/json_value.h"
#include "devtools/oracle_case.h"

#include <memory>
#include <string>
#include <vector>

namespace rusrina {

struct OracleSequence {
    std::string id;
    std::vector<std::unique_ptr<OracleCase>> steps; // owns the entries the input points at
    SequenceInput input;
};

// Throws std::runtime_error with the reason when a step cannot be read.
OracleSequence oracleSequenceFrom(const json::Value& c);

} // namespace rusrina
