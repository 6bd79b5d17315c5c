// A one-on-one case read as a scenario (oracle_duel.h).

#include "devtools/oracle_duel.h"

#include "devtools/oracle_case.h"

#include <cstdio>
#include <stdexcept>

namespace rusrina {

namespace {

// One direction as a state case of the oracles' format: `from` attacking `to` with `move`, the
// attacker's own state left to the other direction, which reads it as the defender's.
json::Value direction(const json::Value& c, const char* from, const char* to, const char* move, const char* toSide) {
    json::Value one = json::parse("{}");
    for (const char* key : {"id", "gen"})
        if (const json::Value* v = c.find(key))
            one.members[key] = *v;
    const json::Value* attacker = c.find(from);
    const json::Value* defender = c.find(to);
    const json::Value* m = c.find(move);
    if (!attacker || !defender || !m)
        throw std::runtime_error(std::string("case lacks ") + (!attacker ? from : !defender ? to : move));
    one.members["attacker"] = *attacker;
    json::Value& options = one.members["attacker"].members["options"];
    for (const char* key : {"status", "toxicCounter", "curHP"})
        options.members.erase(key);
    one.members["defender"] = *defender;
    one.members["move"] = *m;
    json::Value field = json::parse("{}");
    if (const json::Value* given = c.find("field")) {
        if (const json::Value* weather = given->find("weather"))
            field.members["weather"] = *weather;
        if (const json::Value* side = given->find(toSide))
            field.members["defenderSide"] = *side;
    }
    one.members["field"] = field;
    return one;
}

} // namespace

OracleDuel oracleDuelFrom(const json::Value& c) {
    OracleDuel out;
    const json::Value* id = c.find("id");
    out.id = id ? id->toJson() : "null";
    const OracleCase ab = oracleStateCaseFrom(direction(c, "attacker", "defender", "attackerMove", "defenderSide"));
    const OracleCase ba = oracleStateCaseFrom(direction(c, "defender", "attacker", "defenderMove", "attackerSide"));
    out.scenario = ab.scenario;
    out.scenario.assumed = {};
    out.scenario.attacker.state = ba.scenario.defender.state;
    out.scenario.attacker.state.stages = ab.scenario.attacker.state.stages;
    out.first = ab.slot;
    out.second = ba.slot;
    return out;
}

std::string duelLine(const std::string& id, const DuelResult& r) {
    std::string out = "{\"id\":" + id;
    if (!r.computed) {
        out += ",\"refused\":[";
        for (int s = 0; s < 2; ++s)
            out += (s ? "," : "") + std::to_string(static_cast<int>(r.refusal[s]));
        return out + "]}";
    }
    char numbers[256];
    std::snprintf(numbers, sizeof numbers,
                  ",\"win\":%.12g,\"draw\":%.12g,\"lose\":%.12g,\"unresolved\":%.12g,\"expectedTurns\":%.9g,"
                  "\"firstMovesFirst\":%.9g,\"notes\":%u",
                  r.win, r.draw, r.lose, r.unresolved, r.expectedTurns, r.firstMovesFirst, r.notes);
    return out + numbers + "}";
}

} // namespace rusrina
