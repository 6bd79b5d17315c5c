// The chance to hit and to land a critical hit against the battle simulator's own numbers: every
// line of accuracy_crit_table.jsonl (tools/damage-oracle/accuracy_table.mjs, read from the
// simulator's accuracy check and critical-hit draw as they run) goes through the engine with the
// line's stages, abilities, items, weather, じゅうりょく and みやぶる, and must give the same chances
// exactly. Where the line also holds "games" (the 4th generation, whose fractional accuracy makes the
// simulator drop ふくがん, はりきり, すながくれ, ゆきがくれ and じゅうりょく), the engine must give that
// instead: the simulator given the games' arithmetic.

#include "calc/exact/exact_accuracy.h"
#include "devtools/oracle_case.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

namespace rusrina {
namespace {

const std::string kDataDir = RUSRINA_TEST_DATA_DIR;

json::Value side(const json::Value* given, const char* species) {
    json::Value s = json::parse(R"({"options":{"level":50,"ability":"No Ability","nature":"Serious","gender":"M"}})");
    s.members["name"] = json::parse(json::quoted(species));
    if (given)
        for (const auto& [key, value] : given->members)
            (key == "species" ? s.members["name"] : s.members["options"].members[key]) = value;
    return s;
}

// The line as a case of the oracles' format: Smeargle against Snorlax unless it names others.
json::Value caseOf(const json::Value& row) {
    json::Value c = json::parse(R"({"id":0})");
    c.members["gen"] = *row.find("gen");
    c.members["attacker"] = side(row.find("attacker"), "Smeargle");
    c.members["defender"] = side(row.find("defender"), "Snorlax");
    c.members["move"] = json::parse(R"({"name":)" + json::quoted(row.find("move")->asString()) + "}");
    json::Value field = json::parse("{}");
    if (const json::Value* weather = row.find("weather"))
        field.members["weather"] = *weather;
    if (row.find("gravity"))
        field.members["isGravity"] = json::parse("true");
    if (row.find("foresight"))
        field.members["defenderSide"] = json::parse(R"({"isForesight":true})");
    c.members["field"] = field;
    return c;
}

Odds simOdds(const json::Value& v, bool hit) {
    if (v.kind != json::Value::Kind::Array)
        return {v.asInt(), 1};
    return hit ? Odds{hitPercent(v.elements[0].number), 100} : Odds{1, v.elements[1].asInt()};
}

bool same(const Odds& a, const Odds& b) {
    return a.numerator * b.denominator == b.numerator * a.denominator;
}

TEST(AccuracyCritTable, AgreesWithTheSimulatorExactly) {
    std::ifstream in(kDataDir + "/accuracy_crit_table.jsonl");
    std::map<int, int> rows;
    int failures = 0, simWrong = 0;
    for (std::string line; std::getline(in, line);) {
        const json::Value row = json::parse(line);
        const OracleCase c = oracleCaseFrom(caseOf(row));
        ExactSide attacker = exactSideOf(c.scenario.attacker);
        ExactSide defender = exactSideOf(c.scenario.defender);
        const auto stage = [&](const char* key) { return row.find(key) ? row.find(key)->asInt() : 0; };
        attacker.state.stages[kStageAccuracy] = static_cast<int8_t>(stage("accuracyStage"));
        defender.state.stages[kStageEvasion] = static_cast<int8_t>(stage("evasionStage"));
        attacker.state.turn.movesAfterFoe = row.find("defenderMoved") != nullptr;
        const UseOdds odds = useOdds(exactAttackOf(c.scenario, attacker, c.slot), defender);
        const json::Value& sim = row.find("games") ? *row.find("games") : *row.find("sim");
        simWrong += row.find("games") != nullptr;
        const bool statusMove = moveRecordIn(c.slot.move, generationOf(c.scenario.mode)).power == 0;
        const bool agrees = same(odds.hit, simOdds(*sim.find("hit"), true)) &&
                            (statusMove || same(odds.critical, simOdds(*sim.find("crit"), false)));
        ++rows[generationOf(c.scenario.mode)];
        if (!agrees && ++failures <= 20)
            ADD_FAILURE() << line << "\n  engine: hit " << odds.hit.numerator << "/" << odds.hit.denominator
                          << ", critical " << odds.critical.numerator << "/" << odds.critical.denominator;
    }
    EXPECT_GT(rows[kGen4], 1000);
    EXPECT_GT(rows[kGen5], 1000);
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(simWrong, 249); // the lines where the simulator drops the chained modifiers
}

} // namespace
} // namespace rusrina
