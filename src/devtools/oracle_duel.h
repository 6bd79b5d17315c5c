#pragma once
// A one-on-one case (tools/damage-oracle/duel_sim.mjs says what it holds) read as a scenario and the
// two moves: each side's creature in the oracles' format (oracle_case.h) with its own state (status,
// もうどく's count, HP now), each side's move, the weather and each side's hazards (switching in on
// them) and やどりぎのタネ.

#include "calc/duel/duel.h"
#include "devtools/json_value.h"

#include <string>

namespace rusrina {

struct OracleDuel {
    std::string id;
    Scenario scenario; // the first side attacks; its entries live here
    DamageSlot first;
    DamageSlot second;
};

// Throws std::runtime_error with the reason when the case cannot be read.
OracleDuel oracleDuelFrom(const json::Value& c);

// The answer as one JSON line: win, draw, lose, unresolved, expectedTurns, the notes and refusals.
std::string duelLine(const std::string& id, const DuelResult& r);

} // namespace rusrina
