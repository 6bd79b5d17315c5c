// Who wins the one-on-one: one pair with fixed moves, the 4 × 4 table of a pair's moves, and the
// chosen entry against every other entry of a full box (the matrix's 対面 column).

#include "calc/box_tools/matrix_duel.h"
#include "calc/duel/duel.h"
#include "calc/stats.h"

#include "box_test_support.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <vector>

namespace {

using namespace rusrina;

// Damaging moves of every category: かえんほうしゃ, じしん, なみのり, 10まんボルト, のしかかり,
// シャドーボール, ドラゴンクロー, れいとうビーム.
constexpr int kMoves[] = {52, 88, 56, 84, 33, 246, 336, 57};

BoxEntry benchEntry(int i) {
    const std::array<int, 6> evs =
        i % 2 ? std::array<int, 6>{252, 0, 4, 252, 0, 0} : std::array<int, 6>{4, 252, 0, 0, 0, 252};
    return testing::EntryBuilder("bench", 1 + (i * 7) % 600)
        .nature(i % 25)
        .item(i % 16)
        .evs(evs)
        .moves({kMoves[i % 8], kMoves[(i + 3) % 8], kMoves[(i + 6) % 8], kMoves[(i + 1) % 8]})
        .computedStats();
}

// Two level-50 entries in the 5th generation's exact mode, each end of turn counted.
Scenario pair(const BoxEntry& a, const BoxEntry& b) {
    Scenario s;
    s.mode = DamageMode::ExactGen5;
    s.attacker.entry = a;
    s.defender.entry = b;
    return s;
}

void duelOfTwo(benchmark::State& state) {
    const Scenario s = pair(benchEntry(2), benchEntry(9));
    for (auto _ : state) {
        DuelResult r = computeDuel(s, DamageSlot::moveRow(0, s.attacker.entry->move[0]),
                                   DamageSlot::moveRow(0, s.defender.entry->move[0]));
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(duelOfTwo)->Unit(benchmark::kMillisecond);

void duelTable(benchmark::State& state) {
    const Scenario s = pair(benchEntry(2), benchEntry(9));
    for (auto _ : state) {
        DuelTable t = computeDuelTable(s);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(duelTable)->Unit(benchmark::kMillisecond);

long peakResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The column as the matrix window computes it, a cell at a time; the peak resident memory the run
// added to the process's (what the box and the benchmarks before it held already is not counted).
void duelColumnOfFullBox(benchmark::State& state) {
    std::vector<BoxEntry> box;
    for (int i = 0; i < kBoxCapacity; ++i)
        box.push_back(benchEntry(i));
    Scenario chosen;
    chosen.mode = DamageMode::ExactGen5;
    chosen.attacker.entry = box[0];
    int computed = 0;
    const long peakBefore = peakResidentKb();
    for (auto _ : state) {
        double wins = 0.0;
        computed = 0;
        for (size_t i = 1; i < box.size(); ++i) {
            const MatrixDuel d = matrixDuel(chosen, MatrixSide::AttackerAgainstBox, box[i], {});
            wins += d.win;
            computed += d.state == MatrixDuel::State::Computed;
        }
        benchmark::DoNotOptimize(wins);
    }
    state.counters["computed"] = computed;
    state.counters["peakAddedKb"] = static_cast<double>(peakResidentKb() - peakBefore);
}
BENCHMARK(duelColumnOfFullBox)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
