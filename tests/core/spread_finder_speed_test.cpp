// Speed tuning: the fewest speed EVs to move first, the most under トリックルーム, against a speed
// or a benchmark. Figures for base speed 100 (リザードン) at level 50 with IV 31: 120 without EVs,
// 152 with 252, 167 with a nature raising speed; at level 100, 最速 is 328.

#include "calc/box_tools/spread_finder_speed.h"
#include "data/natures.h"
#include "view/matrix/spread_view.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

namespace rusrina {
namespace {

constexpr int kCharizard = 5;
constexpr int kTackle = 32, kQuickAttack = 97;

int natureFor(int raised, int lowered) {
    for (int n = 0; n < kNatureCount; ++n)
        if (natureMultiplier(n, raised) == (raised < 0 ? kNeutralFactor : kRaisedFactor) &&
            natureMultiplier(n, lowered) == kLoweredFactor)
            return n;
    return -1;
}

int neutral() {
    for (int n = 0; n < kNatureCount; ++n)
        if (natureMultiplier(n, kSpeed) == kNeutralFactor && natureMultiplier(n, kAttack) == kNeutralFactor &&
            natureMultiplier(n, kDefence) == kNeutralFactor && natureMultiplier(n, kSpAttack) == kNeutralFactor)
            return n;
    return -1;
}

SpeedTuningQuery query(int otherStat, bool trickRoom, SpreadNature nature) {
    SpeedTuningQuery q;
    q.entry =
        testing::EntryBuilder("x", kCharizard).nature(neutral()).ivs({31, 31, 31, 31, 31, 31}).evs({0, 0, 0, 0, 0, 0});
    q.other.stat = otherStat;
    q.field.trickRoom = trickRoom;
    q.nature = nature;
    return q;
}

TEST(SpeedTuning, Benchmarks) {
    ASSERT_EQ(speciesRecord(kCharizard).baseStats[kSpeed], 100);
    EXPECT_EQ(benchmarkSpeedStat(kCharizard, 50, SpeedBenchmark::Fastest), 167);
    EXPECT_EQ(benchmarkSpeedStat(kCharizard, 50, SpeedBenchmark::Neutral), 152);
    EXPECT_EQ(benchmarkSpeedStat(kCharizard, 50, SpeedBenchmark::Uninvested), 120);
    EXPECT_EQ(benchmarkSpeedStat(kCharizard, 50, SpeedBenchmark::Slowest), 94);
    EXPECT_EQ(benchmarkSpeedStat(kCharizard, 100, SpeedBenchmark::Fastest), 328);
}

struct TuningCase {
    const char* what;
    SpeedTuningQuery q;
    SpeedTuningStatus status;
    int ev;
    int tieEv;
    TurnOrder order;
};

SpeedTuningQuery scarfed(SpeedTuningQuery q) {
    q.own.heldItem = ItemId::ChoiceScarf;
    return q;
}

SpeedTuningQuery withMoves(SpeedTuningQuery q, int own, int other) {
    q.own.move = moveIdOf(own);
    q.other.move = moveIdOf(other);
    return q;
}

SpeedTuningQuery evsElsewhere(SpeedTuningQuery q) {
    q.entry.ev[kHp] = 252;
    q.entry.ev[kAttack] = 252;
    return q;
}

SpeedTuningQuery othersFreed(SpeedTuningQuery q) {
    q.freed.fill(true);
    return q;
}

TEST(SpeedTuning, FewestOrMostEvs) {
    const SpreadNature keep = SpreadNature::Keep, best = SpreadNature::Best;
    const TuningCase cases[] = {
        {"準速 100 only ties without a nature", query(152, false, keep), SpeedTuningStatus::NotFound, 252, 252,
         TurnOrder::Tie},
        {"with a nature raising speed", query(152, false, best), SpeedTuningStatus::Found, 156, 148, TurnOrder::First},
        {"already faster", query(100, false, keep), SpeedTuningStatus::Found, 0, -1, TurnOrder::First},
        {"a scarf outruns 最速 100 at once", scarfed(query(167, false, keep)), SpeedTuningStatus::Found, 0, -1,
         TurnOrder::First},
        {"the EVs left beside the other five", evsElsewhere(query(130, false, keep)), SpeedTuningStatus::NotFound, 4,
         -1, TurnOrder::Second},
        {"the other EVs spread again leave the speed room", othersFreed(evsElsewhere(query(130, false, keep))),
         SpeedTuningStatus::Found, 84, 76, TurnOrder::First},
        {"trick room: 無振り ties at once", query(120, true, keep), SpeedTuningStatus::NotFound, 0, 0, TurnOrder::Tie},
        {"trick room: the most EVs that stay slower", query(120, true, best), SpeedTuningStatus::Found, 104, 108,
         TurnOrder::First},
        {"priority decides", withMoves(query(400, false, keep), kQuickAttack, kTackle),
         SpeedTuningStatus::OrderWithoutSpeed, 0, -1, TurnOrder::First},
    };
    for (const TuningCase& c : cases) {
        const SpeedTuning t = findSpeedTuning(c.q);
        EXPECT_EQ(t.status, c.status) << c.what;
        EXPECT_EQ(t.ev, c.ev) << c.what;
        EXPECT_EQ(t.tieEv, c.tieEv) << c.what;
        EXPECT_EQ(t.order, c.order) << c.what;
    }
    // 最適な性格 changes no nature that already moves first.
    EXPECT_EQ(findSpeedTuning(query(100, false, best)).nature, neutral());
    EXPECT_EQ(findSpeedTuning(query(152, false, best)).nature, natureFor(kSpeed, kAttack));
}

TEST(SpeedTuning, BestNatureKeepsTheOtherSide) {
    BoxEntry e = testing::EntryBuilder("x", kCharizard).nature(natureFor(kSpAttack, kAttack));
    EXPECT_EQ(bestSpeedNature(e, false), natureFor(kSpeed, kAttack));  // おくびょう from ひかえめ
    EXPECT_EQ(bestSpeedNature(e, true), natureFor(kSpAttack, kSpeed)); // れいせい
    e.nature = natureFor(kSpeed, kAttack);
    EXPECT_EQ(bestSpeedNature(e, false), e.nature);
}

TEST(SpeedTuning, AgainstABenchmarkAndTypedStats) {
    SpeedTuningQuery q = query(0, false, SpreadNature::Best);
    const SpeedTuning t = findSpeedTuningAgainst(q, kCharizard, 50, SpeedBenchmark::Neutral);
    EXPECT_EQ(t.ev, 156);
    EXPECT_EQ(t.otherSpeed, 152);
    q.entry.statsDirect = 1;
    EXPECT_EQ(findSpeedTuning(q).status, SpeedTuningStatus::TypedStats);
}

// The finder's answer as the window words it, from the box window's sides and state. リザードン
// (まじめ, no EVs) has speed ⌊(231 + ⌊EV/4⌋)/2⌋ + 5: 120 … 152, and with おくびょう ×1.1. ガブリアス
// (base 102) at level 50: 最速 169, 準速 154, 無振り 122, and the defender as entered 122.
TEST(SpeedTuning, AnswersInThePlayersWords) {
    constexpr int kGarchomp = 449, kSerious = 24; // まじめ
    const BoxEntry charizard =
        testing::EntryBuilder("x", kCharizard).nature(kSerious).evs({0, 0, 0, 0, 0, 0}).computedStats();
    const BoxEntry garchomp =
        testing::EntryBuilder("y", kGarchomp).nature(kSerious).evs({0, 0, 0, 0, 0, 0}).computedStats();
    DamageEngine engine;
    engine.attacker = charizard;
    engine.defender = garchomp;
    BattleState raised, trickRoom;
    raised.defender.stages[kStageSpeed] = 1;
    trickRoom.field.trickRoom = true;
    const SpreadNature keep = SpreadNature::Keep, best = SpreadNature::Best;
    const struct {
        BattleState state;
        bool defenderTuned;
        SpeedTarget target;
        SpreadNature nature;
        const char* text;
        const char* advice;
    } cases[] = {
        {{},
         false,
         SpeedTarget::Current,
         keep,
         "性格 まじめ・素早さ努力値 20（素早さ 123）で 防御側のガブリアス（122）抜き。努力値 12 では同速",
         ""},
        {{},
         false,
         SpeedTarget::Neutral,
         keep,
         "性格 まじめ・素早さ努力値を残りの 252 まで振っても（素早さ 152）、準速ガブリアス（154）を抜けません",
         "残り 252：ほかの努力値は 0\nこうすると見つかります：最適な性格（おくびょう）、こだわりスカーフを持たせる"},
        {{},
         false,
         SpeedTarget::Neutral,
         best,
         "性格 おくびょう・素早さ努力値 164（素早さ 155）で 準速ガブリアス（154）抜き。努力値 156 では同速",
         ""},
        {{},
         false,
         SpeedTarget::Fastest,
         best,
         "性格 おくびょう・素早さ努力値を残りの 252 まで振っても（素早さ 167）、最速ガブリアス（169）を抜けません",
         "残り 252：ほかの努力値は 0\nこうすると見つかります：こだわりスカーフを持たせる"},
        {raised, false, SpeedTarget::Current, keep,
         "性格 まじめ・素早さ努力値を残りの 252 まで振っても（素早さ 152）、防御側のガブリアス（122 → "
         "183）を抜けません",
         "残り 252：ほかの努力値は 0\nこうすると見つかります：こだわりスカーフを持たせる"},
        {trickRoom, false, SpeedTarget::Uninvested, keep,
         "性格 まじめ・素早さ努力値 8 まで（素早さ 121）なら 無振りガブリアス（122）より遅く、トリックルームで先手。"
         "努力値 12 では同速",
         ""},
        {{},
         true,
         SpeedTarget::Current,
         keep,
         "性格 まじめ・素早さ努力値 0（素早さ 122）で 攻撃側のリザードン（120）抜き",
         ""},
    };
    for (const auto& c : cases) {
        engine.state = c.state;
        const SpeedTuningSearch search =
            speedTuningSearchFor(engine, {DamageMode::ExactGen5, false}, c.defenderTuned, c.target, c.nature);
        const SpeedTuning found = runSpeedTuning(search);
        EXPECT_EQ(speedTuningText(search, found), c.text);
        EXPECT_EQ(speedTuningAdviceText(search, found), c.advice) << c.text;
    }
    engine.state = raised; // the simple mode has no battle state
    const SpeedTuningSearch simple = speedTuningSearchFor(engine, {}, false, SpeedTarget::Current, keep);
    EXPECT_EQ(speedTuningText(simple, runSpeedTuning(simple)), cases[0].text);
    engine.defender.reset();
    const SpeedTuningSearch none = speedTuningSearchFor(engine, {}, false, SpeedTarget::Current, keep);
    EXPECT_EQ(speedTuningText(none, runSpeedTuning(none)), kChooseSidesText);
}

} // namespace
} // namespace rusrina
