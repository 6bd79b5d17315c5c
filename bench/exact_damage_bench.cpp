// The exact damage engine: all six rows of one attacker/defender pair in an exact mode, with the
// 16 rolls, the KO chances, the texts and the logs (what the box and damage window recomputes on a
// change); the same with a battle state counting the end of turn; the same without texts; and one attacker's four moves
// against a full box without texts.

#include "calc/exact/exact_damage.h"
#include "view/box/exact_row.h"

#include "box_test_support.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using namespace rusrina;

BoxEntry benchEntry(int species, int ability, int item) {
    return testing::EntryBuilder("bench", species)
        .ability(ability)
        .item(item)
        .stats({207, 167, 120, 110, 125, 152})
        .noMoves();
}

// The simple engine's benchmark pair and conditions: every condition on.
DamageEngine everyConditionOn() {
    DamageEngine engine;
    BoxEntry attacker = benchEntry(5, 81, 14); // リザードン, はりきり, チイラのみ
    attacker.move[0] = 52;                     // かえんほうしゃ
    attacker.move[1] = 256;                    // ねっぷう
    attacker.move[2] = 88;                     // じしん
    attacker.move[3] = 310;                    // ウェザーボール
    engine.attacker = attacker;
    engine.defender = benchEntry(93, 3, 13); // ゲンガー, あついしぼう, メタルパウダー
    engine.learnableMove = 236;              // めざめるパワー
    engine.direct = {120, kSpecial, 12};
    BattleConditions& c = engine.conditions;
    c.weather = kWeatherSun;
    c.attackStage = 4;
    c.defenceStage = 8;
    c.helpingHand = c.burn = c.flowerGift = c.reflect = c.lightScreen = c.gravity = c.foresight = true;
    c.abilityActive = c.berryActive = c.doubleBattle = true;
    return engine;
}

void exactAllRows(benchmark::State& state, DamageMode mode) {
    const DamageEngine engine = everyConditionOn();
    for (auto _ : state) {
        auto rows = computeRowsInMode(engine, {mode, false});
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK_CAPTURE(exactAllRows, gen5, DamageMode::ExactGen5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(exactAllRows, gen4, DamageMode::ExactGen4)->Unit(benchmark::kMicrosecond);

void exactAllRowsWithoutTexts(benchmark::State& state) {
    const DamageEngine engine = everyConditionOn();
    for (auto _ : state) {
        for (int row = 0; row < kDamageRowCount; ++row) {
            const ExactAttack attack =
                prepareExactAttack(*engine.attacker, engine.slot(row), engine.conditions, {kGen5, false});
            const ExactRolls rolls = exactRolls(attack, *engine.defender);
            benchmark::DoNotOptimize(koChance(rolls));
        }
    }
}
BENCHMARK(exactAllRowsWithoutTexts)->Unit(benchmark::kMicrosecond);

// The six rows with a battle state that counts the hazards and every end of turn: the chance to
// knock out goes through the defender's HP step by step.
void exactAllRowsWithTurnEnd(benchmark::State& state) {
    DamageEngine engine = everyConditionOn();
    SideState& d = engine.state.defender;
    d.switchingIn = d.stealthRock = d.seeded = true;
    d.spikes = 1;
    d.status = StatusCondition::BadPoison;
    engine.state.attacker.stages[kStageSpAttack] = 1;
    engine.state.field.countTurnEnd = true;
    for (auto _ : state) {
        auto rows = computeRowsInMode(engine, {DamageMode::ExactGen5, false});
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(exactAllRowsWithTurnEnd)->Unit(benchmark::kMicrosecond);

// Four moves against 1024 defenders of varied species and bulk, rolls and KO chance each.
void exactFourMovesAgainstFullBox(benchmark::State& state) {
    const DamageEngine engine = everyConditionOn();
    std::vector<BoxEntry> box;
    for (int i = 0; i < kBoxCapacity; ++i) {
        BoxEntry e = benchEntry(i % 600, i % 160, i % 16);
        e.stat[kHp] = 100 + i % 300;
        e.stat[kDefence] = 50 + i % 200;
        e.stat[kSpDefence] = 60 + i % 180;
        box.push_back(e);
    }
    for (auto _ : state) {
        for (int row = 0; row < kMoveRowCount; ++row) {
            const ExactAttack attack =
                prepareExactAttack(*engine.attacker, engine.slot(row), engine.conditions, {kGen5, false});
            for (const BoxEntry& defender : box)
                benchmark::DoNotOptimize(koChance(exactRolls(attack, defender)));
        }
    }
}
BENCHMARK(exactFourMovesAgainstFullBox)->Unit(benchmark::kMillisecond);

} // namespace
