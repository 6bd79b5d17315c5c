// The damage engine's work for one change in the box and damage window: all six rows of one
// attacker and defender, with every condition on so that every step writes its lines.

#include "calc/damage/damage_engine.h"

#include "box_test_support.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

using namespace rusrina;

BoxEntry benchEntry(int species, int ability, int item) {
    return testing::EntryBuilder("bench", species)
        .ability(ability)
        .item(item)
        .stats({207, 167, 120, 110, 125, 152})
        .noMoves();
}

void allRowsEveryConditionOn(benchmark::State& state) {
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
    for (auto _ : state) {
        auto rows = engine.computeAllRows();
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(allRowsEveryConditionOn)->Unit(benchmark::kMicrosecond);

} // namespace
