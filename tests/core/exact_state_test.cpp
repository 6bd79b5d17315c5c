// The battle state as the exact engine reads it: each field of a side or the field reaches the hit
// as the window's input it stands for, or as the rule the game applies for it; the rows, the order
// line, the matrix and the spread finder take it. At its defaults nothing changes, which the golden
// logs of the other tests prove.

#include "calc/box_tools/damage_matrix.h"
#include "calc/box_tools/spread_finder.h"
#include "calc/calculate.h"
#include "calc/exact/exact_hit.h"
#include "data/held_items.h"
#include "view/box/exact_row.h"
#include "view/box/speed_order_line.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace rusrina::test {
namespace {

constexpr int kThunderbolt = indexOf(MoveId::Thunderbolt); // 10まんボルト, でんき 95 special
constexpr int kFlamethrower = indexOf(MoveId::Flamethrower);
constexpr int kEruption = indexOf(MoveId::Eruption);
constexpr int kStoredPower = indexOf(MoveId::StoredPower);
constexpr int kFling = indexOf(MoveId::Fling);
constexpr int kFoulPlayMove = indexOf(MoveId::FoulPlay);
constexpr int kChoiceBandRow = 3; // こだわりハチマキ's damage-item row
constexpr int kIronBallItem = indexOf(ItemId::IronBall);
constexpr int kRaisedOnce = kNeutralStage - 1, kRaisedTwice = kNeutralStage - 2, kRaisedToTop = 0;
constexpr int kLoweredOnce = kNeutralStage + 1;

// What the battle state of a scenario holds for both sides and the field.
struct BothStates {
    CombatantState attacker;
    CombatantState defender;
    Field field;
};

struct Input {
    HitSetup s;
    BothStates state;
    int heldItem = -2; // the attacker's held item when not -2

    ExactRolls rolls(Generation gen, ExactRecord* record = nullptr) const {
        ExactSide attacker(s.attacker), defender(s.defender);
        if (heldItem != -2)
            attacker.heldItem = itemIdOf(heldItem);
        attacker.state = state.attacker;
        defender.state = state.defender;
        Field field = state.field;
        field.weather = s.conditions.weather;
        const ExactAttack a = prepareExactAttack(attacker, s.slot, s.conditions, {gen, false}, field);
        return exactRolls(a, defender, record);
    }
};
using Arrange = std::function<void(Input&)>;

// A field of the state computes what the input it stands for computes, and not what the neutral
// state does.
TEST(ExactState, EachFieldActsAsTheInputItStandsFor) {
    struct Case {
        const char* what;
        Generation gen;
        Arrange withState;
        Arrange likeThis;
    };
    const Case cases[] = {
        {"attack +2", kGen5, [](Input& x) { x.state.attacker.stages[kStageAttack] = 2; },
         [](Input& x) { x.s.conditions.attackStage = kRaisedTwice; }},
        {"sp.attack +1 for a special move", kGen4,
         [](Input& x) {
             x.s.direct(80, kSpecial, kWaterType);
             x.state.attacker.stages[kStageSpAttack] = 1;
             x.state.attacker.stages[kStageAttack] = -3; // not the stat the move uses
         },
         [](Input& x) {
             x.s.direct(80, kSpecial, kWaterType);
             x.s.conditions.attackStage = kRaisedOnce;
         }},
        {"window +4 and state +4 held at +6", kGen5,
         [](Input& x) {
             x.s.conditions.attackStage = kNeutralStage - 4;
             x.state.attacker.stages[kStageAttack] = 4;
         },
         [](Input& x) { x.s.conditions.attackStage = kRaisedToTop; }},
        // たんじゅん: the 5th generation doubles each change as it happens, so the state's stage, the
        // stage held, reads as it is; the 4th doubles it as read (the simulator's battles).
        {"たんじゅん holding attack +1, 5th", kGen5,
         [](Input& x) {
             x.s.attacker.ability = indexOf(AbilityId::Simple);
             x.state.attacker.stages[kStageAttack] = 1;
         },
         [](Input& x) { x.s.conditions.attackStage = kRaisedOnce; }},
        {"たんじゅん holding attack +1, 4th", kGen4,
         [](Input& x) {
             x.s.attacker.ability = indexOf(AbilityId::Simple);
             x.state.attacker.stages[kStageAttack] = 1;
         },
         [](Input& x) { x.s.conditions.attackStage = kRaisedTwice; }},
        {"たんじゅん holding defence -1, 5th", kGen5,
         [](Input& x) {
             x.s.defender.ability = indexOf(AbilityId::Simple);
             x.state.defender.stages[kStageDefence] = -1;
         },
         [](Input& x) { x.s.conditions.defenceStage = kLoweredOnce; }},
        {"defence -1", kGen4, [](Input& x) { x.state.defender.stages[kStageDefence] = -1; },
         [](Input& x) { x.s.conditions.defenceStage = kLoweredOnce; }},
        {"やけど", kGen5, [](Input& x) { x.state.attacker.status = StatusCondition::Burn; },
         [](Input& x) { x.s.conditions.burn = true; }},
        {"もらいび active", kGen4,
         [](Input& x) {
             x.s.attacker.ability = indexOf(AbilityId::FlashFire);
             x.s.learnable(kFlamethrower);
             x.state.attacker.flashFire = true;
         },
         [](Input& x) {
             x.s.attacker.ability = indexOf(AbilityId::FlashFire);
             x.s.learnable(kFlamethrower);
             x.s.conditions.abilityActive = true;
         }},
        {"じゅうでん, 4th", kGen4,
         [](Input& x) {
             x.s.learnable(kThunderbolt);
             x.state.attacker.charged = true;
         },
         [](Input& x) { x.s.direct(190, kSpecial, kElectricType); }},
        {"じゅうでん, 5th", kGen5,
         [](Input& x) {
             x.s.learnable(kThunderbolt);
             x.state.attacker.charged = true;
         },
         [](Input& x) { x.s.direct(190, kSpecial, kElectricType); }},
        {"マジックルーム silences こだわりハチマキ", kGen5,
         [](Input& x) {
             x.s.attacker.item = kChoiceBandRow;
             x.state.field.magicRoom = true;
         },
         [](Input& x) { x.heldItem = kNoHeldItem; }},
        {"ワンダールーム: a physical hit meets the special defence", kGen5,
         [](Input& x) {
             x.s.defender.stat[kSpDefence] = 60;
             x.state.field.wonderRoom = true;
         },
         [](Input& x) { x.s.defender.stat[kDefence] = 60; }},
        {"ふしぎなうろこ with a status", kGen5,
         [](Input& x) {
             x.s.defender.ability = indexOf(AbilityId::MarvelScale);
             x.state.defender.status = StatusCondition::Poison;
         },
         [](Input& x) { x.s.defender.stat[kDefence] = 150; }},
        {"イカサマ at the foe's own attack stage", kGen5,
         [](Input& x) {
             x.s.learnable(kFoulPlayMove);
             x.state.defender.stages[kStageAttack] = 2;
         },
         [](Input& x) {
             x.s.learnable(kFoulPlayMove);
             x.s.defender.stat[kAttack] = 200;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Input neutral, state, like;
        c.withState(state);
        c.likeThis(like);
        neutral.s.slot = state.s.slot;
        neutral.s.attacker.ability = state.s.attacker.ability;
        neutral.s.attacker.item = state.s.attacker.item;
        neutral.s.defender.ability = state.s.defender.ability;
        const ExactRolls got = state.rolls(c.gen);
        ASSERT_TRUE(got.hits());
        EXPECT_EQ(got.rolls, like.rolls(c.gen).rolls);
        EXPECT_NE(got.rolls, neutral.rolls(c.gen).rolls);
    }
}

// What the attacker's state shows wakes the ability it describes, as the 特性発動 box would; the box
// still forces one the state does not show, and the log says so.
TEST(ExactState, TheStateWakesTheAbilityItShows) {
    struct Case {
        const char* what;
        Generation gen;
        AbilityId ability;
        DirectMove move;
        Arrange state;
        bool box; // 特性発動
        bool acts;
    };
    const DirectMove fire{80, kPhysical, kFireType}, special{80, kSpecial, kFireType};
    const auto hp = [](int value) { return [value](Input& x) { x.state.attacker.hp = HpNow{value, false}; }; };
    const auto status = [](StatusCondition s) { return [s](Input& x) { x.state.attacker.status = s; }; };
    const Arrange none = [](Input&) {};
    // The attacker has 200 HP: a third is 66, a half 100.
    const Case cases[] = {
        {"もうか at a third", kGen5, AbilityId::Blaze, fire, hp(66), false, true},
        {"もうか above a third", kGen5, AbilityId::Blaze, fire, hp(67), false, false},
        {"もうか at 33 %", kGen4, AbilityId::Blaze, fire,
         [](Input& x) {
             x.state.attacker.hp = HpNow{33, true};
         },
         false, true},
        {"よわき at half", kGen5, AbilityId::Defeatist, fire, hp(100), false, true},
        {"よわき above half", kGen5, AbilityId::Defeatist, fire, hp(101), false, false},
        {"こんじょう asleep", kGen5, AbilityId::Guts, fire, status(StatusCondition::Sleep), false, true},
        {"こんじょう frozen", kGen4, AbilityId::Guts, fire, status(StatusCondition::Freeze), false, true},
        {"こんじょう without a status", kGen5, AbilityId::Guts, fire, status(StatusCondition::None), false, false},
        {"ねつぼうそう burned", kGen5, AbilityId::FlareBoost, special, status(StatusCondition::Burn), false, true},
        {"どくぼうそう badly poisoned", kGen5, AbilityId::ToxicBoost, fire, status(StatusCondition::BadPoison), false,
         true},
        {"the box forces もうか at full HP", kGen5, AbilityId::Blaze, fire, hp(200), true, true},
        {"the box forces こんじょう with no status said", kGen4, AbilityId::Guts, fire, none, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Input x, on, off;
        for (Input* i : {&x, &on, &off}) {
            i->s.attacker.ability = indexOf(c.ability);
            i->s.slot = DamageSlot::directRow(c.move);
        }
        c.state(x);
        x.s.conditions.abilityActive = c.box;
        on.s.conditions.abilityActive = true;
        ExactRecord record;
        const ExactRolls got = x.rolls(c.gen, &record);
        ASSERT_NE(on.rolls(c.gen).rolls, off.rolls(c.gen).rolls);
        EXPECT_EQ(got.rolls, (c.acts ? on : off).rolls(c.gen).rolls);
        const bool forced = std::any_of(record.steps.begin(), record.steps.end(),
                                        [](const ExactStep& s) { return s.rule == ExactRule::AbilityForced; });
        EXPECT_EQ(forced, c.box);
    }
}

// The battle simulator's figures for two creatures whose state alone wakes their ability (level 50,
// IVs 31, no EVs, a neutral nature, against カビゴン): もうか リザードン at 15 of 153 HP, こんじょう
// カイリキー asleep.
TEST(ExactState, WokenAbilitiesGiveTheSimulatorsFigures) {
    struct Case {
        SpeciesId species;
        AbilityId ability;
        MoveId move;
        std::optional<HpNow> hp;
        std::optional<StatusCondition> status;
        int low, high;
    };
    const Case cases[] = {
        {SpeciesId::Charizard, AbilityId::Blaze, MoveId::Flamethrower, HpNow{15, false}, std::nullopt, 81, 96},
        {SpeciesId::Machamp, AbilityId::Guts, MoveId::BrickBreak, std::nullopt, StatusCondition::Sleep, 276, 326},
    };
    const auto plain = [](SpeciesId species, AbilityId ability) -> BoxEntry {
        return testing::EntryBuilder("x", indexOf(species))
            .nature(0)
            .item(0)
            .ability(indexOf(ability))
            .evs({})
            .noMoves()
            .computedStats();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(indexOf(c.species));
        Scenario s = scenarioOf(plain(c.species, c.ability), plain(SpeciesId::Snorlax, AbilityId::None));
        s.attacker.state.hp = c.hp;
        s.attacker.state.status = c.status;
        const ExactAnswer a = calculateHit(s, DamageSlot::moveRow(0, indexOf(c.move)));
        ASSERT_TRUE(a.rolls.hits());
        EXPECT_EQ(a.rolls.rolls.front(), c.low);
        EXPECT_EQ(a.rolls.rolls.back(), c.high);
    }
}

// The moves that read the state: the HP now, every stage, the speed with its stage, the items.
TEST(ExactState, MovesReadTheState) {
    struct Case {
        const char* what;
        int move;
        Generation gen;
        Arrange arrange;
        int power; // -1: the move fails
    };
    const Case cases[] = {
        {"ふんか at 50 %", kEruption, kGen5,
         [](Input& x) {
             x.state.attacker.hp = HpNow{50, true};
         },
         75},
        {"ふんか at 50 HP of 200", kEruption, kGen4,
         [](Input& x) {
             x.state.attacker.hp = HpNow{50, false};
         },
         37},
        {"アシストパワー, +1 attack with the window's +2, +1 speed, -2 defence", kStoredPower, kGen5,
         [](Input& x) {
             x.s.conditions.attackStage = kRaisedTwice;
             x.state.attacker.stages[kStageAttack] = 1;
             x.state.attacker.stages[kStageSpeed] = 1;
             x.state.attacker.stages[kStageDefence] = -2;
         },
         20 + 20 * 4}, // a special move: the window's +2 is its sp.attack's; attack +1 and speed +1 count too
        {"ジャイロボール: the foe's speed +2", indexOf(MoveId::GyroBall), kGen5,
         [](Input& x) { x.state.defender.stages[kStageSpeed] = 2; }, 25 * 200 / 100 + 1},
        {"ジャイロボール: its own speed halved by まひ", indexOf(MoveId::GyroBall), kGen4,
         [](Input& x) { x.state.attacker.status = StatusCondition::Paralysis; }, 25 * 100 / 25 + 1},
        {"エレキボール: おいかぜ doubles its speed", indexOf(MoveId::ElectroBall), kGen5,
         [](Input& x) { x.state.attacker.tailwind = true; }, 80},
        {"なげつける under マジックルーム", kFling, kGen5,
         [](Input& x) {
             x.heldItem = kIronBallItem;
             x.state.field.magicRoom = true;
         },
         -1},
        {"マジックルーム does not act in the 4th generation", kFling, kGen4,
         [](Input& x) {
             x.heldItem = kIronBallItem;
             x.state.field.magicRoom = true;
         },
         130},
    };
    for (const Case& c : cases) {
        Input x;
        x.s.learnable(c.move);
        c.arrange(x);
        const ExactRolls r = x.rolls(c.gen);
        if (c.power < 0)
            EXPECT_EQ(r.outcome, ExactRolls::Outcome::NoFormula) << c.what;
        else
            EXPECT_EQ(r.shownPower, c.power) << c.what;
    }
}

// The rows, the order line, the matrix and the spread finder take the state from their callers.
TEST(ExactState, ReachesTheRowsTheOrderTheMatrixAndTheFinder) {
    HitSetup s;
    DamageEngine engine;
    engine.attacker = s.attacker;
    engine.defender = s.defender;
    engine.direct = kPlainMove;
    const DamageSettings exact5{DamageMode::ExactGen5, false};
    engine.state.defender.hp = 40; // 60 HP of 150: two hits of 31 ～ 37
    EXPECT_EQ(computeRowsInMode(engine, exact5)[kDirectRow].texts.hitsText, "確定2発");
    EXPECT_EQ(computeRowsInMode(engine, DamageSettings{})[kDirectRow].texts.hitsText, "5") << "the simple mode";

    engine.state.attacker.status = StatusCondition::Paralysis;
    EXPECT_EQ(speedOrderOf(engine, exact5)->order, TurnOrder::Second);
    engine.state.field.trickRoom = true;
    EXPECT_EQ(speedOrderOf(engine, exact5)->order, TurnOrder::First);

    std::vector<BoxEntry> box = {s.attacker, s.defender};
    box[0].move[0] = kThunderbolt;
    Scenario state = scenarioOf(box[0], box[1]);
    state.attacker.state.charged = true;
    state.defender.state.hp = HpNow{40, true};
    const auto matrix = computeMatrix(state, box, {}, 0, MatrixSide::AttackerAgainstBox);
    ASSERT_EQ(matrix.size(), 1u);
    const MatrixCell& bolt = matrix[0].cells[0];
    Input direct;
    direct.s.direct(190, kSpecial, kElectricType);
    EXPECT_EQ(bolt.rolls.rolls, direct.rolls(kGen5).rolls) << "じゅうでん";
    EXPECT_EQ(bolt.rolls.hpNow, 60);

    BoxEntry attacker = creature(kSnorlax, {200, 100, 100, 100, 100, 100});
    attacker.statsDirect = 0;
    SpreadQuery q;
    q.scenario = scenarioOf(
        attacker,
        testing::EntryBuilder("d", kChansey).nature(kNeutralNature).ivs({}).evs({}).noMoves().computedStats());
    q.slot = DamageSlot::directRow(kPlainMove);
    q.hits = 2;
    const DefenceSpreads full = findDefenceSpreads(q);
    q.scenario.defender.state.hp = HpNow{50, true};
    const DefenceSpreads half = findDefenceSpreads(q);
    ASSERT_EQ(full.status, SpreadStatus::Found);
    EXPECT_NE(half.status == SpreadStatus::Found ? half.splits.front().total() : -1, full.splits.front().total());
}

} // namespace
} // namespace rusrina::test
