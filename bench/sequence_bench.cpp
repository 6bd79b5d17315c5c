// The sequence engine: four attacks in a row (りゅうせいぐん, ハイドロポンプ, きあいだま, だいもんじ), each
// with its misses and critical hits counted, against a defender with many HP values to follow
// (ハピナス with たべのこし, badly poisoned, coming in on ステルスロック in a sandstorm, every end of turn
// counted): what the sequence window recomputes on each change.

#include "calc/box_tools/bulk_tuning.h"
#include "devtools/oracle_sequence.h"

#include "box_test_support.h"

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

// 耐久調整 against two attacks (ガブリアス's げきりん, then ボーマンダ's だいもんじ), misses and critical
// hits counted, for a ナットレイ with no EVs coming in on ステルスロック: the fewest HP, 防御 and 特防
// EVs that survive 15 times out of 16, over every spread of the three the 510 allow.
void bulkTuningTwoAttacks(benchmark::State& state) {
    constexpr int kGarchomp = 449, kSalamence = 372, kFerrothorn = 610, kOutrage = 199, kFireBlast = 125;
    constexpr int kAdamant = 1, kModest = 8, kRelaxed = 7; // いじっぱり, ひかえめ, のんき
    const auto attacker = [](int species, int nature, std::array<int, 6> evs) {
        return testing::EntryBuilder("bench", species)
            .nature(nature)
            .ability(0)
            .item(0)
            .evs(evs)
            .moves({kOutrage, kFireBlast, NO_MOVE, NO_MOVE})
            .computedStats();
    };
    BulkQuery q;
    q.steps = {{attacker(kGarchomp, kAdamant, {0, 252, 0, 0, 0, 252}), {}, 0, 0, 1},
               {attacker(kSalamence, kModest, {0, 0, 0, 252, 0, 252}), {}, 1, 1, 1}};
    q.scenario.defender.entry =
        testing::EntryBuilder("bench", kFerrothorn).nature(kRelaxed).ability(0).item(0).evs({}).computedStats();
    q.scenario.defender.state.stealthRock = true;
    q.scenario.defender.state.switchingIn = true;
    q.scenario.field.countHitChances = true;
    q.scenario.mode = DamageMode::ExactGen5;
    q.least = 15.0 / 16;
    for (auto _ : state) {
        BulkSpreads r = findBulkSpreads(q);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(bulkTuningTwoAttacks)->Unit(benchmark::kMillisecond);

} // namespace
