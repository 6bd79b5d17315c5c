// Speed of the calculations that run on every user action: a search run, the hidden-power
// spread and a full IV-judge recompute.

#include "calc/iv/iv_clues.h"
#include "calc/iv/iv_judge.h"
#include "calc/search/search.h"
#include "calc/stats.h"
#include "data/moves.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

using namespace rusrina;

namespace {

int moveNamed(const char* name) {
    for (int m = 0; m < kMoveCount; ++m)
        if (std::string(name) == moveRecord(m).name)
            return m;
    return NO_MOVE;
}

SearchCriteria fourMovesAnd(std::array<const char*, 4> moves) {
    SearchCriteria c;
    c.anyOf = false;
    c.byLevel = c.byEgg = c.byMachine = c.byTutor = true;
    c.inQX = c.inZV = c.inJYJY = c.inTK = true;
    for (int i = 0; i < 4; ++i)
        c.slots[i] = moveNamed(moves[i]);
    return c;
}

// The worst run: four moves in AND mode with every table consulted and nothing else to reject
// species early. Moves almost nobody learns leave every slot open, so every table of every
// species and of its pre-evolutions is read to the end.
void BM_RunSearchFourRareMovesAnd(benchmark::State& state) {
    const SearchCriteria c = fourMovesAnd({"ときのほうこう", "あくうせつだん", "シャドーダイブ", "ダークホール"});
    for (auto _ : state)
        benchmark::DoNotOptimize(runSearch(c));
}
BENCHMARK(BM_RunSearchFourRareMovesAnd)->Unit(benchmark::kMicrosecond);

// Four common machine moves: most slots are settled early in each species' tables.
void BM_RunSearchFourCommonMovesAnd(benchmark::State& state) {
    const SearchCriteria c = fourMovesAnd({"なみのり", "れいとうビーム", "かみなり", "じしん"});
    for (auto _ : state)
        benchmark::DoNotOptimize(runSearch(c));
}
BENCHMARK(BM_RunSearchFourCommonMovesAnd)->Unit(benchmark::kMicrosecond);

void BM_RunSearchNoCriteria(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(runSearch(SearchCriteria{}));
}
BENCHMARK(BM_RunSearchNoCriteria)->Unit(benchmark::kMicrosecond);

// The largest spread the judge computes: three open stats, the other three narrowed to 0..30.
void BM_HiddenPowerSpreadWorstCase(benchmark::State& state) {
    const IvRanges ranges = {{{0, 31}, {0, 30}, {0, 31}, {0, 30}, {0, 31}, {0, 30}}};
    for (auto _ : state)
        benchmark::DoNotOptimize(hiddenPowerSpread(ranges));
}
BENCHMARK(BM_HiddenPowerSpreadWorstCase)->Unit(benchmark::kMicrosecond);

// The walk over every IV combination, for comparison on a case small enough to time: three open
// stats and three ranges of four IVs (32^3 * 4^3 combinations).
HiddenPowerSpread literalWalk(const IvRanges& r) {
    HiddenPowerSpread spread;
    std::array<int, 6> iv{};
    for (iv[0] = r[0].min; iv[0] <= r[0].max; ++iv[0])
        for (iv[1] = r[1].min; iv[1] <= r[1].max; ++iv[1])
            for (iv[2] = r[2].min; iv[2] <= r[2].max; ++iv[2])
                for (iv[3] = r[3].min; iv[3] <= r[3].max; ++iv[3])
                    for (iv[4] = r[4].min; iv[4] <= r[4].max; ++iv[4])
                        for (iv[5] = r[5].min; iv[5] <= r[5].max; ++iv[5]) {
                            HiddenPower hp = hiddenPowerOf(iv);
                            spread.add(hp.type, hp.power);
                        }
    return spread;
}

const IvRanges kReducedCase = {{{0, 31}, {10, 13}, {0, 31}, {20, 23}, {0, 31}, {4, 7}}};

void BM_HiddenPowerSpreadReducedCase(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(hiddenPowerSpread(kReducedCase));
}
BENCHMARK(BM_HiddenPowerSpreadReducedCase)->Unit(benchmark::kMicrosecond);

void BM_LiteralWalkReducedCase(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(literalWalk(kReducedCase));
}
BENCHMARK(BM_LiteralWalkReducedCase)->Unit(benchmark::kMicrosecond);

// What a change of species, level or nature costs: six value lists, six growth advices and the
// refresh of every text, hidden-power spread included.
void BM_IvJudgeFullRecompute(benchmark::State& state) {
    const IvRanges ranges = {{{0, 31}, {12, 13}, {0, 31}, {30, 31}, {0, 31}, {0, 1}}};
    int level = 1;
    for (auto _ : state) {
        JudgeTables tables = recomputeTables(24, level, 3);
        benchmark::DoNotOptimize(refreshOutput(tables, 24, level, 3, ranges, true));
        level = level % 100 + 1;
    }
}
BENCHMARK(BM_IvJudgeFullRecompute)->Unit(benchmark::kMicrosecond);

// The same for a trained creature whose characteristic and hidden-power type are known: EVs in
// every list, advice and threshold, the clues' narrowing, the greyed rows and the longer report.
void BM_IvJudgeFullRecomputeWithEvs(benchmark::State& state) {
    const IvRanges ranges = {{{0, 31}, {12, 13}, {0, 31}, {30, 31}, {0, 31}, {0, 1}}};
    const JudgeExtras extras{{4, 252, 0, 0, 0, 252}, {9, 16}}; // sp. attack, remainder 1; ドラゴン
    int level = 1;
    for (auto _ : state) {
        JudgeTables tables = recomputeTables(449, level, 18, extras.evs);
        benchmark::DoNotOptimize(refreshOutput(tables, 449, level, 18, ranges, true, extras));
        level = level % 100 + 1;
    }
}
BENCHMARK(BM_IvJudgeFullRecomputeWithEvs)->Unit(benchmark::kMicrosecond);

// The spread with a known type, worst cases: every stat holding all four bit pairs (4^6
// combinations), and with a characteristic naming an open stat as well (HP, remainder 1: seven
// IVs, each with the other stats capped at it, so seven sets of sums).
void BM_HiddenPowerSpreadKnownType(benchmark::State& state) {
    const IvRanges ranges = {{{0, 31}, {0, 30}, {0, 31}, {0, 30}, {0, 31}, {0, 30}}};
    const JudgeClues clues{static_cast<int>(state.range(0)), 16}; // ドラゴン
    for (auto _ : state)
        benchmark::DoNotOptimize(fittingCombinations(ranges, clues));
}
BENCHMARK(BM_HiddenPowerSpreadKnownType)->Arg(kNoCharacteristic)->Arg(6)->Unit(benchmark::kMicrosecond);

} // namespace
