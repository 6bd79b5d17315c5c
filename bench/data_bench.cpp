#include "data/learnsets.h"
#include "data/moves.h"
#include "data/species.h"

#include <benchmark/benchmark.h>

using namespace rusrina;

namespace {

// What the box window does when an attacker is set: test every move for one species. ヌケニン
// walks the longest road (its own tables, テッカニン's line, then ツチニン).
void BM_CanLearnEveryMove(benchmark::State& state) {
    const int species = static_cast<int>(state.range(0));
    for (auto _ : state) {
        int learnable = 0;
        for (int move = 0; move < kMoveCount; ++move)
            learnable += canLearnMove(species, move) ? 1 : 0;
        benchmark::DoNotOptimize(learnable);
    }
}
BENCHMARK(BM_CanLearnEveryMove)->Arg(2)->Arg(291)->Arg(662)->Unit(benchmark::kMicrosecond);

// One search run: every species with four requested moves in AND mode, every method and edition.
// じしん and まもる are learnt widely, the other two rarely, so most slots scan every table.
void BM_MatchMoveSlotsAllSpecies(benchmark::State& state) {
    const MoveMethods methods{true, true, true, true};
    const MoveEditions editions{true, true, true, true};
    const std::array<int, 4> requested{88, 181, 343, 433}; // じしん, まもる, ボルテッカー, りゅうせいぐん
    for (auto _ : state) {
        int matches = 0;
        for (int species = 0; species < kSpeciesCount; ++species) {
            std::array<int, 4> slots = requested;
            matches += matchMoveSlots(species, false, methods, editions, slots) ? 1 : 0;
        }
        benchmark::DoNotOptimize(matches);
    }
}
BENCHMARK(BM_MatchMoveSlotsAllSpecies)->Unit(benchmark::kMicrosecond);

} // namespace
