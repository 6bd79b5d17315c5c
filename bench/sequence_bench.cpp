// The sequence engine: four attacks in a row (りゅうせいぐん, ハイドロポンプ, きあいだま, だいもんじ), each
// with its misses and critical hits counted, against a defender with many HP values to follow
// (ハピナス with たべのこし, badly poisoned, coming in on ステルスロック in a sandstorm, every end of turn
// counted): what the sequence window recomputes on each change.

#include "devtools/oracle_sequence.h"

#include <benchmark/benchmark.h>

namespace {

using namespace rusrina;

constexpr char kFourAttacks[] =
    R"({"id":1,"gen":5,"defender":{"name":"Blissey","options":{"level":50,"ability":"Natural Cure",)"
    R"("item":"Leftovers","nature":"Calm","evs":{"hp":252,"spd":252},"status":"tox"}},"steps":[)"
    R"({"attacker":{"name":"Salamence","options":{"level":50,"ability":"Intimidate","item":"Life Orb",)"
    R"("nature":"Modest","evs":{"spa":252,"spe":252}}},"move":{"name":"Draco Meteor"}},)"
    R"({"attacker":{"name":"Starmie","options":{"level":50,"ability":"Natural Cure","item":"Expert Belt",)"
    R"("nature":"Modest","evs":{"spa":252,"spe":252}}},"move":{"name":"Hydro Pump"}},)"
    R"({"attacker":{"name":"Lucario","options":{"level":50,"ability":"Inner Focus","item":"Scope Lens",)"
    R"("nature":"Modest","evs":{"spa":252,"spe":252}}},"move":{"name":"Focus Blast"}},)"
    R"({"attacker":{"name":"Salamence","options":{"level":50,"ability":"Intimidate","item":"Life Orb",)"
    R"("nature":"Modest","evs":{"spa":252,"spe":252}}},"move":{"name":"Fire Blast"}}],)"
    R"("field":{"weather":"Sand","defenderSide":{"isSR":true}},"switchingIn":true,"countTurnEnd":true})";

void sequenceOfFourAttacks(benchmark::State& state) {
    const OracleSequence s = oracleSequenceFrom(json::parse(kFourAttacks));
    for (auto _ : state) {
        SequenceResult r = computeSequence(s.input);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(sequenceOfFourAttacks)->Unit(benchmark::kMicrosecond);

} // namespace
