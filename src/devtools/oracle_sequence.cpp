// A sequence case read as the sequence engine's input (oracle_sequence.h).

#include "devtools/oracle_sequence.h"

#include <algorithm>
#include <stdexcept>

namespace rusrina {

namespace {

// One step as a case of the oracles' format: its attacker and move against the defender on the field.
json::Value stepCase(const json::Value& c, const json::Value& step) {
    json::Value one = json::parse("{}");
    for (const char* key : {"id", "gen", "defender", "field"})
        if (const json::Value* v = c.find(key))
            one.members[key] = *v;
    one.members["attacker"] = *step.find("attacker");
    one.members["move"] = *step.find("move");
    return one;
}

// The simulator takes a creature of no named gender as male where its species can be either; the
// reader asks for it to be named, so it is named so on the side (or sides) that need it.
OracleCase stateCaseOf(const json::Value& given) {
    for (const std::vector<const char*>& sides :
         std::vector<std::vector<const char*>>{{}, {"attacker"}, {"defender"}, {"attacker", "defender"}}) {
        json::Value one = given;
        for (const char* side : sides) {
            json::Value& options = one.members[side].members["options"];
            if (options.find("gender"))
                continue;
            options.kind = json::Value::Kind::Object;
            options.members["gender"] = json::parse("\"M\"");
        }
        try {
            return oracleStateCaseFrom(one);
        } catch (const std::runtime_error& e) {
            if (sides.size() == 2 || std::string(e.what()).find("gender") == std::string::npos)
                throw;
        }
    }
    throw std::runtime_error("gender");
}

bool same(const json::Value& a, const json::Value& b) {
    if (a.kind != b.kind || a.boolean != b.boolean || a.number != b.number || a.text != b.text ||
        a.elements.size() != b.elements.size() || a.members.size() != b.members.size())
        return false;
    for (size_t i = 0; i < a.elements.size(); ++i)
        if (!same(a.elements[i], b.elements[i]))
            return false;
    for (const auto& [key, value] : a.members) {
        const json::Value* other = b.find(key);
        if (!other || !same(value, *other))
            return false;
    }
    return true;
}

int integerOr(const json::Value& c, const char* key, int fallback) {
    const json::Value* v = c.find(key);
    return v ? v->asInt() : fallback;
}

} // namespace

OracleSequence oracleSequenceFrom(const json::Value& c) {
    OracleSequence out;
    const json::Value* id = c.find("id");
    out.id = id ? id->toJson() : "null";
    const json::Value* steps = c.find("steps");
    if (!steps || steps->kind != json::Value::Kind::Array)
        throw std::runtime_error("case lacks steps");
    std::vector<const json::Value*> attackers; // each creature once: the same attacker, the same id
    const bool switchingIn = c.find("switchingIn") && c.find("switchingIn")->asBool();
    for (const json::Value& step : steps->elements) {
        out.steps.push_back(std::make_unique<OracleCase>(stateCaseOf(stepCase(c, step))));
        const OracleCase& s = *out.steps.back();
        const json::Value* attacker = step.find("attacker");
        auto at =
            std::find_if(attackers.begin(), attackers.end(), [&](const json::Value* a) { return same(*a, *attacker); });
        if (at == attackers.end())
            at = attackers.insert(attackers.end(), attacker);
        SequenceStep seq;
        seq.attacker = exactSideOf(s.scenario.attacker);
        seq.attacker.state.stages[kStageAccuracy] = static_cast<int8_t>(integerOr(c, "accuracyStage", 0));
        seq.slot = s.slot;
        seq.uses = integerOr(step, "uses", 1);
        seq.attackerId = static_cast<int>(at - attackers.begin());
        out.input.steps.push_back(seq);
    }
    if (out.steps.empty())
        throw std::runtime_error("case has no step");
    const Scenario& first = out.steps.front()->scenario;
    out.input.defender = exactSideOf(first.defender);
    out.input.defender.state.switchingIn = switchingIn;
    out.input.defender.state.stages[kStageEvasion] = static_cast<int8_t>(integerOr(c, "evasionStage", 0));
    out.input.conditions = conditionsOf(first);
    out.input.options = exactOptionsOf(first);
    out.input.field = first.field;
    out.input.field.countTurnEnd = c.find("countTurnEnd") && c.find("countTurnEnd")->asBool();
    out.input.countHitChances = !c.find("countHitChances") || c.find("countHitChances")->asBool();
    return out;
}

} // namespace rusrina
