// The exact engine against two independent oracles. Every case of exact_oracle_cases.jsonl.gz
// (tools/damage-oracle/make_fixture.mjs: realistic sets and cases aimed at every item, ability,
// move rule and condition) goes through the engine and must give the calculator's rolls, hit for
// hit; where the battle simulator answered the case too (exact_oracle_sim.jsonl), the simulator's.
// exact_oracle_exceptions.csv lists each case where the engine differs from one of them, saying
// which one is wrong there and why: the engine must then agree with the other one, and a listed
// case whose difference is gone fails as well. In the 4th generation the simulator is taken as wrong
// only where its known arithmetic is (4096ths for the games' floored factors, both types'
// effectiveness at once): its answer with the games' arithmetic, recorded beside, must be the engine's.
// exact_oracle_pending.csv lists the cases that differ while a rule is still being built
// (tools/damage-oracle/compare.mjs writes it); they may differ in any way, but not agree.

#include "devtools/oracle_case.h"

#include "gzip_lines.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace rusrina {
namespace {

const std::string kDataDir = RUSRINA_TEST_DATA_DIR;
constexpr int kMostFailuresShown = 25;
constexpr int kCasesPerGeneration = 24000;
constexpr int kSimulatedPerGeneration = 3000;

std::vector<std::string> textLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
    }
    return lines;
}

// A case's simulator answer, none when the simulator could not hold the case, and in the 4th
// generation where it differs from the calculator, its answer with the games' arithmetic.
struct SimulatorAnswer {
    std::optional<OracleAnswer> plain;
    std::optional<OracleAnswer> gameRounding;
};

std::map<std::string, SimulatorAnswer> simulatorAnswers() {
    std::map<std::string, SimulatorAnswer> answers;
    for (const std::string& line : textLines(kDataDir + "/exact_oracle_sim.jsonl")) {
        const json::Value answer = json::parse(line);
        SimulatorAnswer& a = answers[answer.find("id")->toJson()];
        if (!answer.find("unsupported") && !answer.find("error"))
            a.plain = oracleAnswerFrom(answer);
        if (const json::Value* rounding = answer.find("gameRounding"))
            a.gameRounding = oracleAnswerFrom(*rounding);
    }
    return answers;
}

// Which oracle an exception says is wrong, and why.
struct Exception {
    std::string wrong; // "calculator", "simulator" or "both"
    std::string reason;
};

std::map<std::string, Exception> exceptions() {
    std::map<std::string, Exception> listed;
    for (const std::string& line : textLines(kDataDir + "/exact_oracle_exceptions.csv")) {
        const size_t first = line.find(',');
        const size_t second = line.find(',', first + 1);
        if (line.starts_with("case,") || second == std::string::npos)
            continue; // the header
        listed[line.substr(0, first)] = {line.substr(first + 1, second - first - 1), line.substr(second + 1)};
    }
    return listed;
}

std::map<std::string, std::string> pending() {
    std::map<std::string, std::string> listed;
    for (const std::string& line : textLines(kDataDir + "/exact_oracle_pending.csv")) {
        const size_t comma = line.find(',');
        if (!line.starts_with("case,") && comma != std::string::npos)
            listed[line.substr(0, comma)] = line.substr(comma + 1);
    }
    return listed;
}

// What a listed exception requires of the engine: a difference from the oracle it names as
// wrong, agreement with the other; the simulator wrong in the 4th generation only by its arithmetic.
std::string exceptionBroken(const Exception& e, bool differsFromCalculator, std::optional<bool> differsFromSimulator,
                            bool gen4ArithmeticExplains) {
    if (!differsFromSimulator)
        return "has no simulator answer to confirm it";
    const bool calculatorWrong = e.wrong == "calculator" || e.wrong == "both";
    const bool simulatorWrong = e.wrong == "simulator" || e.wrong == "both";
    if (!calculatorWrong && !simulatorWrong)
        return "names no oracle as wrong: " + e.wrong;
    if (differsFromCalculator != calculatorWrong)
        return differsFromCalculator ? "differs from the calculator, which it does not name as wrong"
                                     : "agrees with the calculator now";
    if (*differsFromSimulator != simulatorWrong)
        return *differsFromSimulator ? "differs from the simulator, and its reason does not show the simulator wrong"
                                     : "agrees with the simulator now";
    if (simulatorWrong && !gen4ArithmeticExplains)
        return "differs from the simulator even with the 4th generation's arithmetic";
    return "";
}

struct Tally {
    std::map<int, int> casesPerGeneration;
    std::map<int, int> simulatedPerGeneration;
    int failures = 0;
    std::set<std::string> seen;

    void fail(const std::string& message) {
        if (++failures <= kMostFailuresShown)
            ADD_FAILURE() << message;
    }
};

TEST(ExactOracleCases, EveryCaseGivesTheOraclesRollsOrIsAListedException) {
    const std::vector<std::string> lines = gzipLines(kDataDir + "/exact_oracle_cases.jsonl.gz");
    ASSERT_FALSE(lines.empty()) << "the fixture is missing";
    const auto simulated = simulatorAnswers();
    const auto listed = exceptions();
    const auto waiting = pending();
    Tally tally;
    for (const std::string& line : lines) {
        const json::Value c = json::parse(line);
        OracleCase oracleCase;
        try {
            oracleCase = oracleCaseFrom(c);
        } catch (const std::exception& e) {
            tally.fail("a fixture case the engine's inputs cannot hold (" + std::string(e.what()) + "): " + line);
            continue;
        }
        const std::string& id = oracleCase.id;
        tally.seen.insert(id);
        ++tally.casesPerGeneration[generationOf(oracleCase.scenario.mode)];
        const OracleAnswer engine = engineAnswer(oracleCase);
        const OracleAnswer calculator = oracleAnswerFrom(*c.find("calc"));
        const bool differsFromCalculator = engine != calculator;
        std::optional<bool> differsFromSimulator;
        bool gen4ArithmeticExplains = generationOf(oracleCase.scenario.mode) == kGen5;
        std::string simulatorText = "not simulated";
        if (const auto s = simulated.find(id); s != simulated.end() && s->second.plain) {
            ++tally.simulatedPerGeneration[generationOf(oracleCase.scenario.mode)];
            differsFromSimulator = engine != *s->second.plain;
            simulatorText = answerText(*s->second.plain);
            if (s->second.gameRounding) {
                gen4ArithmeticExplains = gen4ArithmeticExplains || engine == *s->second.gameRounding;
                simulatorText += "\n  simulator with the games' arithmetic: " + answerText(*s->second.gameRounding);
            }
        }
        const std::string detail = "\n  engine:     " + answerText(engine) +
                                   "\n  calculator: " + answerText(calculator) + "\n  simulator:  " + simulatorText +
                                   "\n  " + line;
        if (const auto e = listed.find(id); e != listed.end()) {
            const std::string broken =
                exceptionBroken(e->second, differsFromCalculator, differsFromSimulator, gen4ArithmeticExplains);
            if (!broken.empty())
                tally.fail("case " + id + ", listed as an exception (" + e->second.reason + "), " + broken + detail);
        } else if (const auto p = waiting.find(id); p != waiting.end()) {
            if (!differsFromCalculator && !differsFromSimulator.value_or(false))
                tally.fail("case " + id + " (pending: " + p->second +
                           ") agrees now: run tools/damage-oracle/compare.mjs --write" + detail);
        } else if (differsFromCalculator || differsFromSimulator.value_or(false)) {
            tally.fail("case " + id + " differs from the " + (differsFromCalculator ? "calculator" : "simulator") +
                       detail);
        }
    }
    EXPECT_EQ(tally.failures, 0) << "cases that fail (the first " << kMostFailuresShown << " are shown)";
    for (const int gen : {kGen4, kGen5}) {
        EXPECT_GE(tally.casesPerGeneration[gen], kCasesPerGeneration) << "generation " << gen;
        EXPECT_GE(tally.simulatedPerGeneration[gen], kSimulatedPerGeneration) << "generation " << gen;
    }
    for (const auto& [id, e] : listed)
        EXPECT_TRUE(tally.seen.contains(id)) << "exception " << id << " names no case of the fixture";
    for (const auto& [id, family] : waiting) {
        EXPECT_TRUE(tally.seen.contains(id)) << "pending case " << id << " names no case of the fixture";
        EXPECT_FALSE(listed.contains(id)) << "case " << id << " is both pending and an exception";
    }
}

} // namespace
} // namespace rusrina
