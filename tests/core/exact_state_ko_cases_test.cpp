// The chance to knock out with a battle state against the calculator's own verdict. Every case of
// exact_state_cases.jsonl.gz (tools/damage-oracle/make_state_fixture.mjs: pairs of the realistic
// sets with stages, a status, the HP now, hazards, weather, たべのこし/くろいヘドロ/オボンのみ and
// やどりぎのタネ drawn on top) goes through the engine with the hazards and the end of turn counted,
// and must give the calculator's hits and its chance to one decimal (as it rounds: 0.1 … 99.9, or
// 100 when certain). exact_state_exceptions.csv lists each case that differs, with the reason; a
// listed case that agrees fails as well.

#include "devtools/oracle_case.h"

#include "gzip_lines.h"
#include "listed_cases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace rusrina {
namespace {

const std::string kDataDir = RUSRINA_TEST_DATA_DIR;
constexpr int kCasesPerGeneration = 1200;
constexpr int kMostFailuresShown = 25;

// The calculator's rounding of a chance: tenths of a percent, 1 … 999 but for a certainty.
int tenths(double chance) {
    if (chance >= 1.0)
        return 1000;
    return std::clamp(static_cast<int>(std::lround(chance * 1000.0)), 1, 999);
}

TEST(ExactStateKoCases, AgreeWithTheCalculatorsVerdict) {
    const auto listed = listedCases(kDataDir + "/exact_state_exceptions.csv");
    std::map<int, int> perGeneration;
    int failures = 0, differing = 0;
    for (const std::string& line : gzipLines(kDataDir + "/exact_state_cases.jsonl.gz")) {
        const json::Value c = json::parse(line);
        const std::string id = c.find("id")->toJson();
        ++perGeneration[c.find("gen")->asInt()];
        KoChance ko;
        try {
            ko = engineStateKo(oracleStateCaseFrom(c));
        } catch (const std::exception& e) {
            ADD_FAILURE() << id << ": " << e.what();
            continue;
        }
        const json::Value& calc = *c.find("calc");
        const bool agrees =
            ko.hits == calc.find("n")->asInt() && tenths(ko.chance) == tenths(calc.find("chance")->number);
        const bool excepted = listed.count(id) > 0;
        differing += !agrees;
        if (agrees == excepted && ++failures <= kMostFailuresShown)
            ADD_FAILURE() << id << (excepted ? " is listed but agrees" : " differs") << ": engine " << ko.hits
                          << " hits at " << tenths(ko.chance) / 10.0 << " %, calculator "
                          << calc.find("text")->asString();
    }
    EXPECT_EQ(perGeneration[4], kCasesPerGeneration);
    EXPECT_EQ(perGeneration[5], kCasesPerGeneration);
    EXPECT_EQ(failures, 0) << differing << " cases differ in all";
}

} // namespace
} // namespace rusrina
