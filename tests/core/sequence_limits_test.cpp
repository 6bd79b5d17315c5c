// Sequences a player (or a hand-written case) can build that the engine must still answer at once
// and plainly: no step or no use, an attacker whose entry has gone from the box meanwhile, counts
// of uses past what is counted, and a case of the command-line tool that names what it lacks.

#include "devtools/oracle_sequence.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

namespace rusrina {
namespace {

// A case of the simulator fixture's format: ナットレイ coming in on ステルスロック with オボンのみ and
// the end of turn counted, against `steps`.
std::string caseWith(const std::string& steps) {
    return R"({"id":1,"gen":5,"defender":{"name":"Ferrothorn","options":{"level":50,"ability":"Iron Barbs",)"
           R"("item":"Sitrus Berry","nature":"Relaxed","evs":{"hp":252,"def":252}}},"steps":[)" +
           steps + R"(],"field":{"defenderSide":{"isSR":true}},"switchingIn":true,"countTurnEnd":true})";
}

std::string step(const std::string& species, const std::string& move, long long uses) {
    const std::string ability = species == "Garchomp"    ? "Rough Skin"
                                : species == "Salamence" ? "Intimidate"
                                                         : "Swift Swim";
    return R"({"attacker":{"name":")" + species + R"(","options":{"level":50,"nature":"Adamant","ability":")" +
           ability + R"(",)" + R"("evs":{"atk":252}}},"move":{"name":")" + move + R"("},"uses":)" +
           std::to_string(uses) + "}";
}

struct Limit {
    const char* name;
    std::string steps;
    std::function<void(SequenceInput&)> change; // what the player did to the sequence meanwhile
    SequenceStatus status;
    size_t uses; // the uses answered
};

TEST(SequenceLimits, AnswersEveryOddSequenceAtOnce) {
    const std::string edge = step("Garchomp", "Stone Edge", 1);
    const Limit table[] = {
        {"every step removed", edge, [](SequenceInput& in) { in.steps.clear(); }, SequenceStatus::Empty, 0},
        {"no use asked", step("Garchomp", "Stone Edge", 0) + "," + step("Salamence", "Fire Blast", -3), nullptr,
         SequenceStatus::Empty, 0},
        {"an attacker deleted meanwhile", edge + "," + step("Salamence", "Fire Blast", 2),
         [](SequenceInput& in) { in.steps[1].attacker.entry = nullptr; }, SequenceStatus::NotComputed, 3},
        {"the defender deleted meanwhile", edge, [](SequenceInput& in) { in.defender.entry = nullptr; },
         SequenceStatus::NotComputed, 0},
        {"a thousand uses", step("Magikarp", "Tackle", 1000), nullptr, SequenceStatus::Computed, 1000},
        {"more than a thousand uses", step("Magikarp", "Tackle", 1001), nullptr, SequenceStatus::Cut, 1000},
        {"a hundred thousand steps", step("Magikarp", "Tackle", 1),
         [](SequenceInput& in) { in.steps.resize(100000, in.steps.back()); }, SequenceStatus::Cut, 1000},
        {"the most uses a count holds", edge + "," + step("Magikarp", "Tackle", 1),
         [](SequenceInput& in) { in.steps[1].uses = INT_MAX; }, SequenceStatus::Cut, 1000},
    };
    for (const Limit& t : table) {
        SCOPED_TRACE(t.name);
        OracleSequence s = oracleSequenceFrom(json::parse(caseWith(t.steps)));
        if (t.change)
            t.change(s.input);
        const SequenceResult r = computeSequence(s.input);
        EXPECT_EQ(r.status, t.status);
        EXPECT_EQ(r.uses.size(), t.uses);
        for (const SequenceUseResult& u : r.uses)
            ASSERT_TRUE(u.knockedOut >= 0.0 && u.knockedOut <= 1.0) << u.knockedOut;
    }
}

TEST(SequenceLimits, ACaseTheToolCannotReadSaysWhy) {
    const struct {
        std::string line;
        const char* says;
    } table[] = {
        {caseWith(""), "no step"},
        {caseWith(step("Garchompp", "Outrage", 1)), "Garchompp"},
        {caseWith(step("Garchomp", "Outrageous", 1)), "Outrageous"},
        {R"({"id":2,"gen":5})", "steps"},
    };
    for (const auto& t : table) {
        try {
            oracleSequenceFrom(json::parse(t.line));
            ADD_FAILURE() << t.line << " was read";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(t.says), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace rusrina
