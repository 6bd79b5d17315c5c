// The hazards and the end of turn: what applies to which defender, and the chance to knock out
// counted through them step by step, checked against every combination of rolls played out in
// the game's order.

#include "calc/exact/exact_hit.h"
#include "calc/exact/exact_turn_end.h"
#include "data/held_items.h"
#include "view/box/exact_row.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace rusrina::test {
namespace {

constexpr int kCharizard = 5;    // リザードン: ほのお / ひこう
constexpr int kDoubleKick = 23;  // にどげり: always 2 hits
constexpr int kBulletSeed = 330; // タネマシンガン: 2 to 5 hits
constexpr int kLeftovers = indexOf(ItemId::Leftovers), kSitrus = indexOf(ItemId::SitrusBerry),
              kBlackSludge = indexOf(ItemId::BlackSludge), kAirBalloonItem = indexOf(ItemId::AirBalloon);
constexpr int kMagicGuard = indexOf(AbilityId::MagicGuard), kPoisonHeal = indexOf(AbilityId::PoisonHeal),
              kUnnerveAbility = indexOf(AbilityId::Unnerve), kRainDish = indexOf(AbilityId::RainDish);

struct Turn {
    HitSetup s;
    int defenderItem = kNoHeldItem;
    std::optional<int> attackerItem;
    CombatantState defender;
    Field field;
    Generation gen = kGen5;

    ExactAttack attack() const {
        Field withWeather = field;
        withWeather.weather = s.conditions.weather;
        ExactSide attacker(s.attacker);
        if (attackerItem)
            attacker.heldItem = itemIdOf(*attackerItem);
        return prepareExactAttack(attacker, s.slot, s.conditions, {gen, false}, withWeather);
    }
    ExactSide defenderSide() const {
        ExactSide d(s.defender);
        d.heldItem = itemIdOf(defenderItem);
        d.state = defender;
        return d;
    }
    TurnEndPlan plan() const { return turnEndPlan(attack(), defenderSide()); }
};
using Arrange = std::function<void(Turn&)>;
using Steps = std::vector<std::pair<TurnEndKind, int32_t>>;

Steps stepsOf(const TurnEndPlan& plan) {
    Steps out;
    for (const TurnEndStep& s : plan.steps())
        out.emplace_back(s.kind, s.amount);
    return out;
}

// Which hazards and end-of-turn steps apply, with their amounts, of a defender of 150 HP (カビゴン
// of the scenario but as named).
TEST(ExactTurnEnd, WhatAppliesToWhichDefender) {
    using K = TurnEndKind;
    const auto hazards = [](Turn& x) {
        x.defender.switchingIn = true;
        x.defender.stealthRock = true;
        x.defender.spikes = 2;
    };
    const auto counted = [](Turn& x) { x.field.countTurnEnd = true; };
    struct Case {
        const char* what;
        Arrange arrange;
        Steps steps;
    };
    const Case cases[] = {
        {"nothing at the defaults", [](Turn&) {}, {}},
        {"hazards only when switching in", [](Turn& x) { x.defender.stealthRock = true; }, {}},
        {"ステルスロック and まきびし 2", hazards, {{K::StealthRock, -18}, {K::Spikes, -25}}},
        {"ステルスロック ×4 on リザードン, no まきびし in the air",
         [&](Turn& x) {
             hazards(x);
             x.s.defender.species = kCharizard;
         },
         {{K::StealthRock, -75}}},
        {"ふうせん keeps まきびし off",
         [&](Turn& x) {
             hazards(x);
             x.defenderItem = kAirBalloonItem;
         },
         {{K::StealthRock, -18}}},
        {"じゅうりょく grounds リザードン",
         [&](Turn& x) {
             hazards(x);
             x.s.defender.species = kCharizard;
             x.s.conditions.gravity = true;
         },
         {{K::StealthRock, -75}, {K::Spikes, -25}}},
        {"マジックガード takes nothing",
         [&](Turn& x) {
             hazards(x);
             counted(x);
             x.s.defender.ability = kMagicGuard;
             x.s.conditions.weather = kWeatherSand;
             x.defender.status = StatusCondition::Burn;
             x.defenderItem = kLeftovers;
         },
         {{K::Leftovers, 9}}},
        {"the end of turn only when counted",
         [](Turn& x) {
             x.defenderItem = kLeftovers;
             x.defender.status = StatusCondition::Poison;
         },
         {}},
        {"すなあらし, たべのこし, やどりぎのタネ, もうどく in that order",
         [&](Turn& x) {
             counted(x);
             x.s.conditions.weather = kWeatherSand;
             x.defenderItem = kLeftovers;
             x.defender.seeded = true;
             x.defender.status = StatusCondition::BadPoison;
             x.defender.toxicTurns = 3;
         },
         {{K::Sandstorm, -9}, {K::Leftovers, 9}, {K::LeechSeed, -18}, {K::Toxic, -27}}},
        {"くろいヘドロ hurts a foe not of どく; やけど under たいねつ",
         [&](Turn& x) {
             counted(x);
             x.defenderItem = kBlackSludge;
             x.s.defender.ability = indexOf(AbilityId::Heatproof);
             x.defender.status = StatusCondition::Burn;
         },
         {{K::BlackSludge, -18}, {K::Burn, -9}}},
        {"ポイズンヒール, あめうけざら",
         [&](Turn& x) {
             counted(x);
             x.s.defender.ability = kPoisonHeal;
             x.defender.status = StatusCondition::Poison;
         },
         {{K::PoisonHeal, 18}}},
        {"あめうけざら in rain",
         [&](Turn& x) {
             counted(x);
             x.s.defender.ability = kRainDish;
             x.s.conditions.weather = kWeatherRain;
         },
         {{K::RainDish, 9}}},
        {"オボンのみ",
         [&](Turn& x) {
             counted(x);
             x.defenderItem = kSitrus;
         },
         {{K::SitrusBerry, 37}}},
        {"きんちょうかん keeps オボンのみ uneaten",
         [&](Turn& x) {
             counted(x);
             x.defenderItem = kSitrus;
             x.s.attacker.ability = kUnnerveAbility;
         },
         {}},
        {"しめつける last, after やけど: 1/16",
         [&](Turn& x) {
             counted(x);
             x.s.learnable(indexOf(MoveId::Bind));
             x.defender.status = StatusCondition::Burn;
         },
         {{K::Burn, -18}, {K::Bound, -9}}},
        {"しめつけバンド: 1/8 in the 5th",
         [&](Turn& x) {
             counted(x);
             x.s.learnable(indexOf(MoveId::Whirlpool));
             x.attackerItem = indexOf(ItemId::BindingBand);
         },
         {{K::Bound, -18}}},
        {"the 4th has no しめつけバンド",
         [&](Turn& x) {
             counted(x);
             x.gen = kGen4;
             x.s.learnable(indexOf(MoveId::Whirlpool));
             x.attackerItem = indexOf(ItemId::BindingBand);
         },
         {{K::Bound, -9}}},
        {"マジックガード is never hurt bound",
         [&](Turn& x) {
             counted(x);
             x.s.learnable(indexOf(MoveId::FireSpin));
             x.s.defender.ability = kMagicGuard;
         },
         {}},
        {"マジックルーム silences たべのこし",
         [&](Turn& x) {
             counted(x);
             x.defenderItem = kLeftovers;
             x.field.magicRoom = true;
         },
         {}},
    };
    for (const Case& c : cases) {
        Turn x;
        c.arrange(x);
        EXPECT_EQ(stepsOf(x.plan()), c.steps) << c.what;
    }
}

// Every combination of rolls played out in the game's order: the hazards, then each hit and each
// end of turn, the berry right after the loss that brings the HP to half or less.
double playedOut(const ExactRolls& r, const TurnEndPlan& plan, int uses) {
    struct Outcome {
        double share;
        std::vector<const RollSet*> hits;
    };
    const auto outcomesOf = [&r](bool first) {
        std::vector<Outcome> out;
        if (r.oneHit())
            return std::vector<Outcome>{{1.0, {&r.rolls}}};
        const std::vector<UseOutcome>& use = first ? r.firstUse : r.laterUses();
        double total = 0.0;
        for (const UseOutcome& o : use)
            total += o.weight;
        for (const UseOutcome& o : use) {
            out.push_back({o.weight / total, {}});
            for (int i = 0; i < o.hits; ++i)
                out.back().hits.push_back(&r.sets[o.sets[i]].rolls);
        }
        return out;
    };
    const auto lose = [&plan](int32_t& h, bool& b, int32_t loss) {
        h -= loss;
        if (h > 0 && b && 2 * h <= plan.maxHp) {
            h = std::min(plan.maxHp, h + plan.sitrus);
            b = false;
        }
        return h <= 0;
    };
    double knockedOut = 0.0;
    std::function<void(int, int32_t, bool, double)> turn;
    // Hit `i` of an outcome of use `use`, then the end of that turn, then the next use.
    std::function<void(int, const Outcome&, size_t, int32_t, bool, double)> hit =
        [&](int use, const Outcome& o, size_t i, int32_t hp, bool berry, double p) {
            if (i == o.hits.size()) {
                bool out = false;
                for (size_t k = 0; !out && k < plan.eachTurn.size(); ++k) {
                    const TurnEndStep& s = plan.eachTurn[k];
                    if (s.kind == TurnEndKind::Bound && use > plan.boundTurns)
                        continue;
                    const int32_t amount = s.kind == TurnEndKind::Toxic ? plan.toxicLoss(use) : s.amount;
                    if (amount > 0)
                        hp = std::min(plan.maxHp, hp + amount);
                    else
                        out = lose(hp, berry, -amount);
                }
                if (out)
                    knockedOut += p;
                else
                    turn(use + 1, hp, berry, p);
                return;
            }
            for (int32_t roll : *o.hits[i]) {
                int32_t h = hp;
                bool b = berry;
                if (lose(h, b, roll))
                    knockedOut += p / kRollCount;
                else
                    hit(use, o, i + 1, h, b, p / kRollCount);
            }
        };
    turn = [&](int use, int32_t hp, bool berry, double p) {
        if (use > uses)
            return;
        for (const Outcome& o : outcomesOf(use == 1))
            hit(use, o, 0, hp, berry, p * o.share);
    };
    int32_t hp = r.hpLeft();
    bool berry = plan.sitrus > 0;
    for (const TurnEndStep& s : plan.onEntry)
        if (lose(hp, berry, -s.amount))
            return 1.0;
    turn(1, hp, berry, 1.0);
    return knockedOut;
}

TEST(ExactTurnEnd, CountsEveryRollStepByStep) {
    struct Case {
        const char* what;
        Arrange arrange;
        int uses;
    };
    const auto base = [](Turn& x) {
        x.field.countTurnEnd = true;
        x.s.direct(120, kPhysical, kWaterType); // 46 ～ 55 of 150
    };
    const Case cases[] = {
        {"たべのこし",
         [&](Turn& x) {
             base(x);
             x.defenderItem = kLeftovers;
         },
         3},
        {"オボンのみ between the hits",
         [&](Turn& x) {
             base(x);
             x.defenderItem = kSitrus;
         },
         4},
        {"ステルスロック, すなあらし and もうどく rising",
         [&](Turn& x) {
             base(x);
             x.defender.switchingIn = true;
             x.defender.stealthRock = true;
             x.s.conditions.weather = kWeatherSand;
             x.defender.status = StatusCondition::BadPoison;
         },
         2},
        {"HP now 60 %, やどりぎのタネ and くろいヘドロ",
         [&](Turn& x) {
             base(x);
             x.defender.hp = HpNow{60, true};
             x.defender.seeded = true;
             x.defenderItem = kBlackSludge;
         },
         2},
        {"マグマストーム binds the 4th's two sure turns, then no more",
         [&](Turn& x) {
             base(x);
             x.gen = kGen4;
             x.s.learnable(indexOf(MoveId::MagmaStorm));
             x.s.defender.stat[kHp] = 180;
         },
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Turn x;
        c.arrange(x);
        const ExactAttack a = x.attack();
        const ExactSide d = x.defenderSide();
        const ExactRolls r = exactRolls(a, d);
        const TurnEndPlan plan = turnEndPlan(a, d);
        ASSERT_FALSE(plan.empty());
        const TurnEndSeries series = koSeries(r, plan, c.uses);
        ASSERT_EQ(series.chance.size(), static_cast<size_t>(c.uses));
        for (int n = 1; n <= c.uses; ++n)
            EXPECT_NEAR(series.chance[n - 1], playedOut(r, plan, n), 1e-12) << n;
    }
}

// A set amount shows the order and the berry plainly: ちきゅうなげ deals 50 of 150.
TEST(ExactTurnEnd, VerdictAndWords) {
    struct Case {
        const char* what;
        Arrange arrange;
        const char* hits;
    };
    const auto toss = [](Turn& x) {
        x.s.learnable(indexOf(MoveId::SeismicToss));
        x.field.countTurnEnd = true;
    };
    const Case cases[] = {
        {"no state", [](Turn& x) { x.s.learnable(indexOf(MoveId::SeismicToss)); }, "確定3発"},
        {"たべのこし: 100 → 109, 59 → 68, 18 → 27",
         [&](Turn& x) {
             toss(x);
             x.defenderItem = kLeftovers;
         },
         "たべのこし込みで 確定4発"},
        {"ステルスロック then たべのこし",
         [&](Turn& x) {
             toss(x);
             x.defenderItem = kLeftovers;
             x.defender.switchingIn = true;
             x.defender.stealthRock = true;
         },
         "ステルスロック・たべのこし込みで 確定3発"},
        {"オボンのみ at 50: 87, then 37",
         [&](Turn& x) {
             toss(x);
             x.defenderItem = kSitrus;
         },
         "オボンのみ込みで 確定4発"},
        // As the simulator plays it (tools/damage-oracle/turn_end_sim.mjs): 181 → 140 → 58, the berry
        // eaten on entry → 140, and はたきおとす, which knocks off only an uneaten berry, leaves 55 ～ 68.
        {"はたきおとす after オボンのみ eaten on entry",
         [](Turn& x) {
             x.s.attacker = creature(indexOf(SpeciesId::Tyranitar), {175, 169, 130, 115, 120, 81});
             x.s.defender = creature(indexOf(SpeciesId::Blissey), {330, 22, 27, 95, 155, 75});
             x.s.learnable(indexOf(MoveId::KnockOff));
             x.field.countTurnEnd = true;
             x.defenderItem = kSitrus;
             x.defender.hp = HpNow{55, true};
             x.defender.switchingIn = x.defender.stealthRock = true;
             x.defender.spikes = 3;
         },
         "ステルスロック・まきびし・オボンのみ込みで 確定2発"},
        {"どく finishes 150 in the third turn's end: 50+18, 50+18, then 14 left",
         [&](Turn& x) {
             toss(x);
             x.s.defender.stat[kHp] = 150;
             x.defender.status = StatusCondition::Poison;
         },
         "どく込みで 確定3発"},
    };
    for (const Case& c : cases) {
        Turn x;
        c.arrange(x);
        const ExactAttack a = x.attack();
        const TurnEndPlan plan = turnEndPlan(a, x.defenderSide());
        const ExactRolls r = exactRolls(a, x.defenderSide());
        const KoChance ko = plan.empty() ? koChance(r) : koChanceOf(koSeries(r, plan));
        EXPECT_EQ(koTextWithTurnEnd(r, ko, plan), c.hits) << c.what;
    }
    // The row of the window says it too, and its log lists each amount.
    HitSetup s;
    DamageEngine engine;
    engine.attacker = s.attacker;
    engine.defender = s.defender;
    engine.learnableMove = indexOf(MoveId::SeismicToss);
    engine.state.field.countTurnEnd = true;
    engine.state.defender.switchingIn = true;
    engine.state.defender.stealthRock = true;
    engine.state.defender.status = StatusCondition::BadPoison;
    const ExactRowResult row = computeRowsInMode(engine, {DamageMode::ExactGen5, false})[kLearnableRow];
    EXPECT_EQ(row.texts.hitsText, "ステルスロック・もうどく込みで 確定3発"); // 132, 82 - 9, 23 - 18, then the third
    const std::string log = row.texts.log.text();
    for (const char* line : {"　ステルスロック（登場時）： -18\r\n",
                             "　もうどく（毎ターン終了時）： -9 → -18 → -27 …\r\n", "　3発： 100.0％\r\n"})
        EXPECT_NE(log.find(line), std::string::npos) << line << log;
}

} // namespace
} // namespace rusrina::test
