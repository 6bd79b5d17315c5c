// The one-on-one's exact chances against the battle simulator's frequencies. Every case of
// duel_sim_cases.jsonl.gz (tools/damage-oracle/make_duel_fixture.mjs: pairs of the realistic sets,
// each side with one of its moves, with statuses, HP below full, やどりぎのタネ and weather drawn on
// top, played n times in @pkmn/sim) goes through the chain, and the simulator's share of wins, draws
// and losses must lie within four standard errors of the exact chance (√(p(1 − p) / n); a chance of
// 0 or 1 must be met every time). duel_sim_exceptions.csv lists each case that differs, with the
// reason; a listed case that agrees fails as well.

#include "devtools/oracle_duel.h"

#include "gzip_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <map>
#include <string>

namespace rusrina {
namespace {

const std::string kDataDir = RUSRINA_TEST_DATA_DIR;
// The pairs make_duel_fixture.mjs draws.
constexpr int kCasesOfGen4 = 300, kCasesOfGen5 = 300;
constexpr double kStandardErrors = 4.0;
constexpr double kNormalTailBeyondFourErrors = 3.167e-5; // one side

std::map<std::string, std::string> exceptions() {
    std::map<std::string, std::string> out;
    std::ifstream in(kDataDir + "/duel_sim_exceptions.csv");
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#' || line.rfind("case,", 0) == 0)
            continue;
        const size_t comma = line.find(',');
        out[line.substr(0, comma)] = comma == std::string::npos ? "" : line.substr(comma + 1);
    }
    return out;
}

// The chance of a count at least as far from n·p as `count`, on its side, by the binomial law.
double binomialTail(double p, double count, double n) {
    const bool above = count > n * p;
    double tail = 0.0;
    for (double k = count; above ? k <= n : k >= 0; k += above ? 1 : -1) {
        const double term = std::exp(std::lgamma(n + 1) - std::lgamma(k + 1) - std::lgamma(n - k + 1) +
                                     (k > 0 ? k * std::log(p) : 0.0) + (n - k > 0 ? (n - k) * std::log1p(-p) : 0.0));
        tail += term;
        if (term < tail * 1e-16)
            break;
    }
    return tail;
}

// Whether `count` of `n` battles fits the exact chance p: within four standard errors. Where fewer
// than ten battles of the kind (or of the others) are expected, the normal law that the standard
// error stands for does not hold, and a single battle of a chance of 0.01 % in a few hundred would
// lie beyond them: there the binomial tail beyond the count must be no less likely than the
// normal's beyond four standard errors.
bool fits(double chance, double count, double n) {
    const double p = std::clamp(chance, 0.0, 1.0); // a sum of doubles may pass 1 by a rounding
    const double error = std::sqrt(p * (1.0 - p) / n);
    if (std::abs(count / n - p) <= kStandardErrors * error + 1e-12)
        return true;
    if (std::min(p, 1.0 - p) * n >= 10.0 || p == 0.0 || p == 1.0)
        return false;
    return binomialTail(p, count, n) >= kNormalTailBeyondFourErrors;
}

TEST(DuelOracle, ExactChancesFitTheSimulatorsFrequencies) {
    const auto listed = exceptions();
    std::map<int, int> perGeneration;
    int differing = 0;
    for (const std::string& line : gzipLines(kDataDir + "/duel_sim_cases.jsonl.gz")) {
        const json::Value c = json::parse(line);
        const std::string id = c.find("id")->toJson();
        ++perGeneration[c.find("gen")->asInt()];
        const OracleDuel d = oracleDuelFrom(c);
        const DuelResult r = computeDuel(d.scenario, d.first, d.second);
        ASSERT_TRUE(r.computed) << id;
        const json::Value& sim = *c.find("sim");
        const double n = sim.find("battles")->asInt();
        const bool agrees = fits(r.win, sim.find("win")->asInt(), n) && fits(r.draw, sim.find("draw")->asInt(), n) &&
                            fits(r.lose, sim.find("lose")->asInt(), n) &&
                            fits(r.unresolved, sim.find("unresolved")->asInt(), n);
        const bool isListed = listed.count(id) > 0;
        if (!agrees)
            ++differing;
        EXPECT_EQ(agrees, !isListed) << id << (isListed ? " is listed but agrees" : " differs") << ": exact " << r.win
                                     << " / " << r.draw << " / " << r.lose << ", simulator " << sim.find("win")->asInt()
                                     << " / " << sim.find("draw")->asInt() << " / " << sim.find("lose")->asInt()
                                     << " of " << n;
    }
    EXPECT_EQ(perGeneration[4], kCasesOfGen4);
    EXPECT_EQ(perGeneration[5], kCasesOfGen5);
    EXPECT_EQ(differing, static_cast<int>(listed.size()));
}

} // namespace
} // namespace rusrina
