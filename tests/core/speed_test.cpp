// Effective speed and turn order: each rule once, with figures worked out by hand (the 4th
// generation floors after each factor, おいかぜ first, the item after the abilities; the 5th chains
// them in 4096ths and rounds once; まひ quarters last in both).

#include "calc/battle/speed.h"
#include "data/abilities.h"
#include "data/items.h"

#include <gtest/gtest.h>

namespace rusrina {
namespace {

struct SpeedCase {
    const char* what;
    Generation gen;
    SpeedSide side;
    int weather;
    int expected;
};

SpeedSide side(int stat, int stage = 0, AbilityId ability = AbilityId::None, ItemId item = ItemId::None,
               SpeedStatus status = SpeedStatus::None) {
    SpeedSide s;
    s.stat = stat;
    s.stage = stage;
    s.ability = ability;
    s.heldItem = item;
    s.status = status;
    return s;
}

SpeedSide withTailwind(SpeedSide s) {
    s.tailwind = true;
    return s;
}

SpeedSide usedUp(SpeedSide s) {
    s.itemUsedUp = true;
    return s;
}

TEST(Speed, EachFactorInEachGeneration) {
    const SpeedStatus par = SpeedStatus::Paralysis;
    const SpeedCase cases[] = {
        {"stage +1 floors", kGen5, side(291, 1), 0, 436},
        {"stage -1", kGen5, side(291, -1), 0, 194},
        {"stage -6", kGen4, side(291, -6), 0, 72},
        {"scarf", kGen5, side(291, 0, AbilityId::None, ItemId::ChoiceScarf), 0, 436},
        {"iron ball halves", kGen4, side(291, 0, AbilityId::None, ItemId::IronBall), 0, 145},
        {"power item halves", kGen5, side(291, 0, AbilityId::None, ItemId::PowerWeight), 0, 145},
        {"klutz silences the scarf", kGen5, side(291, 0, AbilityId::Klutz, ItemId::ChoiceScarf), 0, 291},
        {"klutz silences iron ball", kGen5, side(291, 0, AbilityId::Klutz, ItemId::IronBall), 0, 291},
        {"klutz keeps macho brace", kGen4, side(291, 0, AbilityId::Klutz, ItemId::MachoBrace), 0, 145},
        {"paralysis floors in gen 4 (72, not 73)", kGen4, side(291, 0, AbilityId::None, ItemId::None, par), 0, 72},
        {"paralysis after the chain in gen 5", kGen5, side(291, 0, AbilityId::None, ItemId::ChoiceScarf, par), 0, 109},
        {"gen 4 floors scarf then paralysis", kGen4, side(291, 0, AbilityId::None, ItemId::ChoiceScarf, par), 0, 109},
        {"gen 4 floors ×1.5", kGen4, side(5, 0, AbilityId::None, ItemId::ChoiceScarf), 0, 7},
        {"gen 5 chain: ×0.75 rounds 3.75 once", kGen5, side(5, 0, AbilityId::SlowStart, ItemId::ChoiceScarf), 0, 4},
        {"gen 4: slow start then scarf floors twice", kGen4, side(5, 0, AbilityId::SlowStart, ItemId::ChoiceScarf), 0,
         3},
        {"gen 4: tailwind floors before paralysis", kGen4, withTailwind(side(7, 0, AbilityId::None, ItemId::None, par)),
         0, 3},
        {"gen 4: quick feet before the item", kGen4, side(91, 0, AbilityId::QuickFeet, ItemId::PowerWeight, par), 0,
         68},
        {"gen 4: tailwind before the item", kGen4, withTailwind(side(81, 0, AbilityId::None, ItemId::PowerWeight)), 0,
         81},
        {"gen 5: paralysis after the chain", kGen5, withTailwind(side(7, 0, AbilityId::None, ItemId::None, par)), 0, 3},
        {"gen 5: one rounding for tailwind and the item", kGen5,
         withTailwind(side(81, 0, AbilityId::None, ItemId::PowerWeight)), 0, 81},
        {"swift swim in rain", kGen4, side(200, 0, AbilityId::SwiftSwim), kWeatherRain, 400},
        {"swift swim without rain", kGen4, side(200, 0, AbilityId::SwiftSwim), kWeatherSun, 200},
        {"chlorophyll in sun", kGen5, side(200, 0, AbilityId::Chlorophyll), kWeatherSun, 400},
        {"sand rush is gen 5 only", kGen4, side(200, 0, AbilityId::SandRush), kWeatherSand, 200},
        {"sand rush in sand", kGen5, side(200, 0, AbilityId::SandRush), kWeatherSand, 400},
        {"quick feet with a status", kGen5, side(200, 0, AbilityId::QuickFeet, ItemId::None, SpeedStatus::Other), 0,
         300},
        {"quick feet cancels paralysis", kGen4, side(200, 0, AbilityId::QuickFeet, ItemId::None, par), 0, 300},
        {"unburden once the item is gone", kGen5, usedUp(side(200, 0, AbilityId::Unburden, ItemId::ChoiceScarf)), 0,
         400},
        {"no item acts once used up", kGen4, usedUp(side(200, 0, AbilityId::None, ItemId::ChoiceScarf)), 0, 200},
        {"simple doubles the stage in gen 4", kGen4, side(100, 2, AbilityId::Simple), 0, 300},
        {"simple's stage is already doubled in gen 5", kGen5, side(100, 2, AbilityId::Simple), 0, 200},
        {"tailwind", kGen5, withTailwind(side(101)), 0, 202},
        {"gen 5 holds no speed above 10000", kGen5, withTailwind(side(1500, 6, AbilityId::None, ItemId::ChoiceScarf)),
         0, 10000},
    };
    for (const SpeedCase& c : cases) {
        SpeedField field;
        field.generation = c.gen;
        field.weather = c.weather;
        EXPECT_EQ(effectiveSpeed(c.side, field).speed, c.expected) << c.what;
    }
}

TEST(Speed, QuickPowderOnlyForDitto) {
    SpeedSide s = side(100, 0, AbilityId::None, ItemId::QuickPowder);
    EXPECT_EQ(effectiveSpeed(s, {}).speed, 100);
    s.species = indexOf(SpeciesId::Ditto);
    const EffectiveSpeed e = effectiveSpeed(s, {});
    EXPECT_EQ(e.speed, 200);
    EXPECT_TRUE(e.has(SpeedFactor::QuickPowder));
    EXPECT_EQ(e.item, ItemId::QuickPowder);
}

struct OrderCase {
    const char* what;
    Generation gen;
    SpeedSide first;
    SpeedSide second;
    bool trickRoom;
    TurnOrder order;
    OrderReason reason;
};

SpeedSide choosing(SpeedSide s, int move) {
    s.move = moveIdOf(move);
    return s;
}

constexpr int kTackle = 32, kQuickAttack = 97, kTrickRoomMove = 432, kThunderWave = 85;

TEST(Speed, TurnOrder) {
    const OrderCase cases[] = {
        {"faster first", kGen5, side(120), side(100), false, TurnOrder::First, OrderReason::Speed},
        {"slower second", kGen4, side(100), side(120), false, TurnOrder::Second, OrderReason::Speed},
        {"same speed", kGen5, side(100), side(100), false, TurnOrder::Tie, OrderReason::SameSpeed},
        {"trick room reverses", kGen4, side(100), side(120), true, TurnOrder::First, OrderReason::Speed},
        {"trick room ties stay ties", kGen5, side(100), side(100), true, TurnOrder::Tie, OrderReason::SameSpeed},
        {"trick room reverses high speeds too", kGen5, side(1809), side(50), true, TurnOrder::Second,
         OrderReason::Speed},
        {"priority beats speed", kGen5, choosing(side(50), kQuickAttack), choosing(side(300), kTackle), false,
         TurnOrder::First, OrderReason::Priority},
        {"trick room's own -7", kGen4, choosing(side(300), kTrickRoomMove), choosing(side(50), kTackle), false,
         TurnOrder::Second, OrderReason::Priority},
        {"prankster +1 for a status move", kGen5, choosing(side(50, 0, AbilityId::Prankster), kThunderWave),
         choosing(side(300), kTackle), false, TurnOrder::First, OrderReason::Priority},
        {"no prankster in gen 4", kGen4, choosing(side(50, 0, AbilityId::Prankster), kThunderWave),
         choosing(side(300), kTackle), false, TurnOrder::Second, OrderReason::Speed},
        {"lagging tail last in its priority", kGen5, side(300, 0, AbilityId::None, ItemId::LaggingTail), side(50), true,
         TurnOrder::Second, OrderReason::LastInBracket},
        {"gen 4: the item after stall", kGen4, side(50, 0, AbilityId::Stall),
         side(300, 0, AbilityId::None, ItemId::FullIncense), false, TurnOrder::First, OrderReason::LastInBracket},
        {"gen 5: stall and the item alike", kGen5, side(50, 0, AbilityId::Stall),
         side(300, 0, AbilityId::None, ItemId::FullIncense), false, TurnOrder::Second, OrderReason::Speed},
        {"gen 4: two late sides, the slower first", kGen4, side(50, 0, AbilityId::Stall),
         side(300, 0, AbilityId::Stall), false, TurnOrder::First, OrderReason::Speed},
        {"cloud nine stops swift swim", kGen5, side(200, 0, AbilityId::SwiftSwim), side(300, 0, AbilityId::CloudNine),
         false, TurnOrder::Second, OrderReason::Speed},
    };
    for (const OrderCase& c : cases) {
        SpeedField field;
        field.generation = c.gen;
        field.trickRoom = c.trickRoom;
        field.weather = kWeatherRain;
        const OrderResult r = turnOrder(c.first, c.second, field);
        EXPECT_EQ(r.order, c.order) << c.what;
        EXPECT_EQ(r.reason, c.reason) << c.what;
    }
}

TEST(Speed, ChancesToLeadAreNotedNotFolded) {
    const OrderResult r = turnOrder(side(50, 0, AbilityId::None, ItemId::QuickClaw), side(100), {});
    EXPECT_TRUE(r.chanceToLead[0]);
    EXPECT_FALSE(r.chanceToLead[1]);
    EXPECT_EQ(r.order, TurnOrder::Second);
}

} // namespace
} // namespace rusrina
