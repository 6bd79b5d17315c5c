#include "calc/battle/speed.h"

#include "data/abilities.h"
#include "data/battle_data.h"
#include "data/items.h"
#include "data/moves.h"

#include <algorithm>

namespace rusrina {

namespace {

constexpr int kMaxSpeed = 10000; // the 5th generation holds no higher speed

int applyStage(int stat, int stage) {
    stage = std::clamp(stage, -6, 6);
    return stage >= 0 ? stat * (2 + stage) / 2 : stat * 2 / (2 - stage);
}

// The six パワー items lie together in the item table, パワーリスト first and パワーウエイト last.
bool powerItem(ItemId item) {
    return item >= ItemId::PowerBracer && item <= ItemId::PowerWeight;
}

bool halvesSpeed(ItemId item) {
    return item == ItemId::IronBall || item == ItemId::MachoBrace || powerItem(item);
}

// きょうせいギプス and the パワー items weigh the holder down whatever its ability.
bool actsUnderKlutz(ItemId item) {
    return item == ItemId::MachoBrace || powerItem(item);
}

// The held item that acts: none once used up; under ぶきよう only the training items; none at all
// under マジックルーム.
ItemId actingItem(const SpeedSide& side, const SpeedField& field) {
    if (side.itemUsedUp || (field.magicRoom && field.generation == kGen5))
        return ItemId::None;
    if (side.ability == AbilityId::Klutz && !actsUnderKlutz(side.heldItem))
        return ItemId::None;
    return side.heldItem;
}

struct Factor {
    SpeedFactor id;
    int numerator;
    int denominator;
};

// Every factor but まひ's: the abilities', then the item's, then おいかぜ's. The 5th generation chains
// them in 4096ths and rounds once, so their order does not matter there; the 4th floors after each.
int speedFactors(const SpeedSide& side, const SpeedField& field, ItemId item, std::array<Factor, 8>& out) {
    int n = 0;
    const AbilityId a = side.ability;
    if (a == AbilityId::SwiftSwim && field.weather == kWeatherRain)
        out[n++] = {SpeedFactor::SwiftSwim, 2, 1};
    if (a == AbilityId::Chlorophyll && field.weather == kWeatherSun)
        out[n++] = {SpeedFactor::Chlorophyll, 2, 1};
    if (a == AbilityId::SandRush && field.weather == kWeatherSand && field.generation == kGen5)
        out[n++] = {SpeedFactor::SandRush, 2, 1};
    if (a == AbilityId::QuickFeet && side.status != SpeedStatus::None)
        out[n++] = {SpeedFactor::QuickFeet, 3, 2};
    if (a == AbilityId::SlowStart && side.slowStartActive)
        out[n++] = {SpeedFactor::SlowStart, 1, 2};
    if (a == AbilityId::Unburden && side.itemUsedUp)
        out[n++] = {SpeedFactor::Unburden, 2, 1};
    if (item == ItemId::ChoiceScarf)
        out[n++] = {SpeedFactor::ChoiceScarf, 3, 2};
    if (halvesSpeed(item))
        out[n++] = {SpeedFactor::HalvingItem, 1, 2};
    if (item == ItemId::QuickPowder && side.species == indexOf(SpeciesId::Ditto))
        out[n++] = {SpeedFactor::QuickPowder, 2, 1};
    if (side.tailwind)
        out[n++] = {SpeedFactor::Tailwind, 2, 1};
    return n;
}

void note(EffectiveSpeed& s, SpeedFactor f) {
    if (s.factorCount < static_cast<int>(s.factors.size()))
        s.factors[s.factorCount++] = f;
}

// The 4th generation floors after each factor, in the order of `speedFactors` with おいかぜ first,
// and quarters a paralysed side's speed last.
int gen4Speed(int speed, const std::array<Factor, 8>& factors, int count, bool paralysed, EffectiveSpeed& s) {
    std::array<Factor, 8> ordered = factors;
    std::stable_partition(ordered.begin(), ordered.begin() + count,
                          [](const Factor& f) { return f.id == SpeedFactor::Tailwind; });
    for (int i = 0; i < count; ++i) {
        speed = speed * ordered[i].numerator / ordered[i].denominator;
        note(s, ordered[i].id);
    }
    if (paralysed) {
        speed /= 4;
        note(s, SpeedFactor::Paralysis);
    }
    return speed;
}

// The 5th generation chains the factors in 4096ths, applies them once rounding a half down, then
// quarters a paralysed side's speed.
int gen5Speed(int speed, const std::array<Factor, 8>& factors, int count, bool paralysed, EffectiveSpeed& s) {
    int64_t chain = 4096;
    for (int i = 0; i < count; ++i) {
        chain = (chain * (4096 * factors[i].numerator / factors[i].denominator) + 2048) >> 12;
        note(s, factors[i].id);
    }
    int64_t value = (static_cast<int64_t>(speed) * chain + 2047) >> 12;
    if (paralysed) {
        value /= 4;
        note(s, SpeedFactor::Paralysis);
    }
    return static_cast<int>(std::min<int64_t>(value, kMaxSpeed));
}

int lateness(const SpeedSide& side, const SpeedField& field) {
    const ItemId item = actingItem(side, field);
    if (item == ItemId::LaggingTail || item == ItemId::FullIncense)
        return field.generation == kGen4 ? 2 : 1;
    return side.ability == AbilityId::Stall ? 1 : 0;
}

bool mayLead(const SpeedSide& side, const SpeedField& field) {
    const ItemId item = actingItem(side, field);
    return item == ItemId::QuickClaw || item == ItemId::CustapBerry;
}

} // namespace

bool EffectiveSpeed::has(SpeedFactor f) const {
    return std::find(factors.begin(), factors.begin() + factorCount, f) != factors.begin() + factorCount;
}

EffectiveSpeed effectiveSpeed(const SpeedSide& side, const SpeedField& field) {
    EffectiveSpeed s;
    s.stat = side.stat;
    // たんじゅん doubles the stage as the 4th generation reads it; the 5th doubles each change as it
    // happens, so the stage held is already doubled.
    const bool simple = side.ability == AbilityId::Simple && field.generation == kGen4;
    s.stage = std::clamp(simple ? side.stage * 2 : side.stage, -6, 6);
    s.staged = applyStage(side.stat, s.stage);
    const ItemId item = actingItem(side, field);
    std::array<Factor, 8> factors{};
    const int count = speedFactors(side, field, item, factors);
    for (int i = 0; i < count; ++i)
        if (factors[i].id == SpeedFactor::ChoiceScarf || factors[i].id == SpeedFactor::HalvingItem ||
            factors[i].id == SpeedFactor::QuickPowder)
            s.item = item;
    const bool paralysis = side.status == SpeedStatus::Paralysis;
    const bool quickFeet = paralysis && side.ability == AbilityId::QuickFeet;
    s.speed = field.generation == kGen4 ? gen4Speed(s.staged, factors, count, paralysis && !quickFeet, s)
                                        : gen5Speed(s.staged, factors, count, paralysis && !quickFeet, s);
    if (quickFeet)
        note(s, SpeedFactor::QuickFeetParalysis);
    return s;
}

int movePriority(MoveId move, AbilityId ability, Generation generation) {
    if (move == kNoMoveId)
        return 0;
    int priority = moveBattleData(indexOf(move), generation).priority;
    if (generation == kGen5 && ability == AbilityId::Prankster &&
        moveRecordIn(indexOf(move), generation).category == kStatus)
        ++priority;
    return priority;
}

int actionSpeed(int speed, bool trickRoom) {
    return trickRoom ? -speed : speed;
}

OrderResult turnOrder(const SpeedSide& first, const SpeedSide& second, const SpeedField& given) {
    SpeedField field = given;
    for (AbilityId a : {first.ability, second.ability})
        if (a == AbilityId::CloudNine || a == AbilityId::AirLock)
            field.weather = kWeatherNone;
    OrderResult r;
    r.trickRoom = field.trickRoom;
    const std::array<const SpeedSide*, 2> sides = {&first, &second};
    for (int i = 0; i < 2; ++i) {
        r.speed[i] = effectiveSpeed(*sides[i], field);
        r.priority[i] = movePriority(sides[i]->move, sides[i]->ability, field.generation);
        r.lateness[i] = lateness(*sides[i], field);
        r.chanceToLead[i] = mayLead(*sides[i], field);
    }
    const auto decide = [&r](int mine, int theirs, OrderReason reason) {
        r.reason = reason;
        r.order = mine > theirs ? TurnOrder::First : TurnOrder::Second;
    };
    if (r.priority[0] != r.priority[1]) {
        decide(r.priority[0], r.priority[1], OrderReason::Priority);
    } else if (r.lateness[0] != r.lateness[1]) {
        decide(r.lateness[1], r.lateness[0], OrderReason::LastInBracket);
    } else {
        r.slowerFirst = field.generation == kGen4 && r.lateness[0] > 0;
        const auto action = [&](int speed) { return r.slowerFirst ? -speed : actionSpeed(speed, field.trickRoom); };
        const int mine = action(r.speed[0].speed);
        const int theirs = action(r.speed[1].speed);
        if (mine == theirs) {
            r.reason = OrderReason::SameSpeed;
            r.order = TurnOrder::Tie;
        } else {
            decide(mine, theirs, OrderReason::Speed);
        }
    }
    return r;
}

} // namespace rusrina
