// One creature against a full box, and the spread finder over every EV step: what the matrix and
// the finder recompute on each change of a condition.

#include "calc/box_tools/damage_matrix.h"
#include "calc/box_tools/spread_finder.h"
#include "calc/stats.h"
#include "view/matrix/matrix_view.h"

#include "box_test_support.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

using namespace rusrina;

// Damaging moves of every category and a few types: かえんほうしゃ, じしん, なみのり, 10まんボルト,
// のしかかり, シャドーボール, げきりん, れいとうビーム.
constexpr int kMoves[] = {52, 88, 56, 84, 33, 246, 199, 57};

BoxEntry benchEntry(int i) {
    const std::array<int, 6> evs =
        i % 2 ? std::array<int, 6>{252, 0, 4, 252, 0, 0} : std::array<int, 6>{4, 252, 0, 0, 0, 252};
    return testing::EntryBuilder("bench", (i * 7) % 600)
        .nature(i % 25)
        .ability(i % 160)
        .item(i % 16)
        .evs(evs)
        .moves({kMoves[i % 8], kMoves[(i + 3) % 8], kMoves[(i + 6) % 8], kMoves[(i + 9) % 8]})
        .computedStats();
}

std::vector<BoxEntry> fullBox() {
    std::vector<BoxEntry> box;
    for (int i = 0; i < kBoxCapacity; ++i)
        box.push_back(benchEntry(i));
    box[0].species = 5; // リザードン, はりきり: the attacker, or the defender
    box[0].ability = 81;
    return box;
}

// The window's conditions with the first entry of the box chosen on `side`: sun, attack +1,
// リフレクター, a double battle.
Scenario someConditions(const std::vector<BoxEntry>& box, MatrixSide side = MatrixSide::AttackerAgainstBox) {
    Scenario s;
    (side == MatrixSide::AttackerAgainstBox ? s.attacker : s.defender).entry = box[0];
    s.field.weather = kWeatherSun;
    s.assumed.attackStage = 1;
    s.defender.side.reflect = true;
    s.field.doubleBattle = true;
    return s;
}

void matrixAgainstFullBox(benchmark::State& state, MatrixSide side) {
    const std::vector<BoxEntry> box = fullBox();
    const Scenario s = someConditions(box, side);
    for (auto _ : state) {
        auto rows = computeMatrix(s, box, {}, 0, side);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK_CAPTURE(matrixAgainstFullBox, attacker, MatrixSide::AttackerAgainstBox)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matrixAgainstFullBox, defender, MatrixSide::BoxAgainstDefender)->Unit(benchmark::kMillisecond);

// The same after a change of the battle state: every defending entry at 50 % with どく and
// たべのこし's side (ステルスロック, まきびし 2, switching in), the attacker at +1, every end
// of turn counted; what the window recomputes when one input of its state panel changes.
void matrixWithBattleState(benchmark::State& state, MatrixSide side) {
    const std::vector<BoxEntry> box = fullBox();
    Scenario battle = someConditions(box, side);
    battle.mode = DamageMode::ExactGen5;
    battle.attacker.state.stages[kStageAttack] = 1;
    battle.attacker.state.stages[kStageSpAttack] = 1;
    CombatantState& d = battle.defender.state;
    d.hp = HpNow{50, true};
    d.status = StatusCondition::Poison;
    d.stealthRock = true;
    d.spikes = 2;
    d.switchingIn = true;
    battle.field.countTurnEnd = true;
    for (auto _ : state) {
        auto rows = computeMatrix(battle, box, {}, 0, side);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK_CAPTURE(matrixWithBattleState, attacker, MatrixSide::AttackerAgainstBox)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(matrixWithBattleState, defender, MatrixSide::BoxAgainstDefender)->Unit(benchmark::kMillisecond);

// An attacker whose four moves land several hits each (タネマシンガン and ロックブラスト 2 to 5, トリプルキック,
// にどげり), or deal one of several powers: every cell a distribution over the outcomes of a use, with its
// KO chance.
void matrixOfSeveralHits(benchmark::State& state, std::array<int, kMoveRowCount> moves) {
    std::vector<BoxEntry> box = fullBox();
    std::copy(moves.begin(), moves.end(), box[0].move);
    const Scenario s = someConditions(box);
    for (auto _ : state) {
        auto rows = computeMatrix(s, box, {}, 0, MatrixSide::AttackerAgainstBox);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK_CAPTURE(matrixOfSeveralHits, hitCounts, {330, 349, 166, 23})->Unit(benchmark::kMillisecond);
// マグニチュード, プレゼント and サイコウェーブ: one of several powers or amounts per use; ふんか for one.
BENCHMARK_CAPTURE(matrixOfSeveralHits, powers, {221, 216, 148, 283})->Unit(benchmark::kMillisecond);

// The exact modes' matrix: every row's speed and order too, under a state that touches speed
// (a stage, まひ, おいかぜ, トリックルーム), then sorted by speed.
void matrixWithSpeedColumn(benchmark::State& state) {
    const std::vector<BoxEntry> box = fullBox();
    Scenario battle = someConditions(box);
    battle.mode = DamageMode::ExactGen5;
    battle.attacker.state.stages[kStageSpeed] = 1;
    battle.defender.state.status = StatusCondition::Paralysis;
    battle.defender.state.tailwind = true;
    battle.field.trickRoom = true;
    for (auto _ : state) {
        auto rows = computeMatrix(battle, box, {}, 0, MatrixSide::AttackerAgainstBox);
        addMatrixSpeeds(rows, battle, box, {}, MatrixSide::AttackerAgainstBox);
        sortMatrixRows(rows, box, kMatrixSpeedColumn, true);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(matrixWithSpeedColumn)->Unit(benchmark::kMillisecond);

// The same, sorted by the best move's verdict, and the whole table as tab-separated text.
void matrixSortedAndCopied(benchmark::State& state) {
    const std::vector<BoxEntry> box = fullBox();
    const Scenario s = someConditions(box);
    for (auto _ : state) {
        auto rows = computeMatrix(s, box, {}, 0, MatrixSide::AttackerAgainstBox);
        sortMatrixRows(rows, box, kMatrixEntryColumns + kMatrixKo, false);
        benchmark::DoNotOptimize(matrixText(rows, box));
    }
}
BENCHMARK(matrixSortedAndCopied)->Unit(benchmark::kMillisecond);

// ハピナス against two だいもんじ in the sun, over all 64 × 64 EV steps of HP and sp. defence;
// いかりのまえば, whose damage follows the HP, needs every cell computed on its own.
void defenceSpreadEveryStep(benchmark::State& state, int move) {
    SpreadQuery q;
    BoxEntry& attacker = q.scenario.attacker.entry.emplace(benchEntry(3));
    attacker.stat[kSpAttack] = 360;
    BoxEntry& defender = q.scenario.defender.entry.emplace(benchEntry(0));
    defender.species = 241;
    defender.statsDirect = 0;
    std::fill(std::begin(defender.ev), std::end(defender.ev), 0);
    q.slot = DamageSlot::moveRow(kLearnableRow, move);
    q.scenario.field.weather = kWeatherSun;
    q.hits = 2;
    q.percent = 75;
    for (auto _ : state)
        benchmark::DoNotOptimize(findDefenceSpreads(q));
}
BENCHMARK_CAPTURE(defenceSpreadEveryStep, fireBlast, 125)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(defenceSpreadEveryStep, superFang, 161)->Unit(benchmark::kMillisecond);

void offenceSpreadEveryStep(benchmark::State& state) {
    SpreadQuery q;
    q.scenario.attacker.entry = benchEntry(2);
    q.scenario.attacker.entry->ev[kAttack] = 0;
    q.scenario.defender.entry = benchEntry(5);
    q.scenario.defender.entry->stat[kHp] = 400;
    q.slot = DamageSlot::moveRow(kLearnableRow, 88);
    q.hits = 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(findOffenceSpread(q));
}
BENCHMARK(offenceSpreadEveryStep)->Unit(benchmark::kMicrosecond);

} // namespace
