// The sequence engine against the battle simulator's battles. sequence_sim_cases.jsonl.gz holds
// sequences of attacks drawn from the realistic sets (tools/damage-oracle/make_sequence_fixture.mjs),
// each played in many seeded battles of @pkmn/sim, with the number of battles in which the defender
// had fallen by the end of each use. The engine's chance for each use, misses and critical hits
// counted, must lie within four standard errors of the simulator's share (a certainty or an
// impossibility must be matched in every battle). sequence_exceptions.csv lists each case that lies
// further off, with the reason the simulator plays it differently from the games, and each case the
// box cannot hold; a listed case that agrees fails as well.

#include "devtools/oracle_sequence.h"

#include "gzip_lines.h"
#include "listed_cases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>

namespace rusrina {
namespace {

const std::string kDataDir = RUSRINA_TEST_DATA_DIR;
constexpr int kLeastCasesPerGeneration = 200;
constexpr double kMostStandardErrors = 4.0;
constexpr int kMostFailuresShown = 25;

// What each generation's cases must hold between them: every state carried from use to use, the
// hazards, each kind of end of turn, misses and critical hits.
const std::map<int, std::set<std::string>> kMustCover = {
    {4, {"berry:Sitrus Berry", "berry:resist",        "berry:pinch",       "berry:heal",
         "ability:Gluttony",   "item:Focus Sash",     "ability:Sturdy",    "status:tox",
         "status:psn",         "status:brn",          "hazards",           "seeded",
         "item:Leftovers",     "item:Black Sludge",   "ability:Rain Dish", "ability:Ice Body",
         "ability:Dry Skin",   "ability:Poison Heal", "field:Sand",        "field:Hail",
         "move:Knock Off",     "move:self-drop",      "move:low-accuracy", "move:high-crit",
         "stages:accuracy",    "stages:evasion",      "attackers:3"}},
    {5, {"berry:Sitrus Berry", "berry:resist",        "berry:pinch",       "berry:heal",
         "ability:Gluttony",   "item:Focus Sash",     "ability:Sturdy",    "ability:Multiscale",
         "ability:Weak Armor", "item:Air Balloon",    "attacker-item:gem", "status:tox",
         "status:psn",         "status:brn",          "hazards",           "seeded",
         "item:Leftovers",     "item:Black Sludge",   "ability:Rain Dish", "ability:Ice Body",
         "ability:Dry Skin",   "ability:Poison Heal", "field:Sand",        "field:Hail",
         "move:Knock Off",     "move:self-drop",      "move:low-accuracy", "move:high-crit",
         "move:always-crit",   "stages:accuracy",     "stages:evasion",    "attackers:3"}},
};

// How far the share of `hits` in `battles` lies from the chance p, in standard errors of p over
// that many battles; any difference from a certainty is infinitely far.
double standardErrors(double p, int hits, int battles) {
    const double observed = static_cast<double>(hits) / battles;
    if (p <= 0.0 || p >= 1.0)
        return observed == p ? 0.0 : std::numeric_limits<double>::infinity();
    return std::abs(observed - p) / std::sqrt(p * (1.0 - p) / battles);
}

TEST(SequenceOracle, EveryChanceLiesWithinFourStandardErrorsOfTheSimulator) {
    const auto listed = listedCases(kDataDir + "/sequence_exceptions.csv");
    std::map<int, int> perGeneration;
    std::map<int, std::set<std::string>> covered;
    int failures = 0, off = 0;
    double worst = 0.0;
    for (const std::string& line : gzipLines(kDataDir + "/sequence_sim_cases.jsonl.gz")) {
        const json::Value c = json::parse(line);
        const std::string id = c.find("id")->toJson();
        const int gen = c.find("gen")->asInt();
        for (const json::Value& theme : c.find("covers")->items())
            covered[gen].insert(theme.asString());
        const bool excepted = listed.count(id) > 0;
        SequenceResult r;
        try {
            r = computeSequence(oracleSequenceFrom(c).input);
        } catch (const std::exception& e) {
            if (!excepted)
                ADD_FAILURE() << id << ": " << e.what();
            continue;
        }
        ++perGeneration[gen];
        const json::Value& sim = *c.find("sim");
        const int battles = sim.find("battles")->asInt();
        const auto& ko = sim.find("ko")->items();
        ASSERT_EQ(r.uses.size(), ko.size()) << id;
        double most = 0.0;
        std::string both;
        for (size_t u = 0; u < ko.size(); ++u) {
            most = std::max(most, standardErrors(r.uses[u].knockedOut, ko[u].asInt(), battles));
            both += " " + std::to_string(r.uses[u].knockedOut) + "/" + std::to_string(ko[u].asInt());
        }
        const bool agrees = most <= kMostStandardErrors;
        off += !agrees;
        if (agrees)
            worst = std::max(worst, most);
        if (agrees == excepted && ++failures <= kMostFailuresShown)
            ADD_FAILURE() << id << (excepted ? " is listed but agrees" : " lies off") << " by " << most
                          << " standard errors; engine/simulator of " << battles << " battles:" << both;
    }
    for (const auto& [gen, themes] : kMustCover) {
        EXPECT_GE(perGeneration[gen], kLeastCasesPerGeneration) << "generation " << gen << ": cases computed";
        for (const std::string& theme : themes)
            EXPECT_TRUE(covered[gen].count(theme)) << "generation " << gen << " has no case of " << theme;
    }
    EXPECT_EQ(failures, 0) << off << " cases lie off in all; the worst of the others lies " << worst << " off";
}

} // namespace
} // namespace rusrina
