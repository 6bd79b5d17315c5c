// The chance that a use hits and that each hit is a critical hit (exact_accuracy.h).

#include "calc/exact/exact_accuracy.h"

#include "calc/exact/exact_hit.h"
#include "data/battle_data.h"
#include "data/held_items.h"
#include "data/items.h"

#include <algorithm>
#include <cmath>

namespace rusrina {

using namespace exact;

namespace {

constexpr int kFull = 4096; // a modifier of 1 in 4096ths

// What the chances read of both sides.
struct Reading {
    Generation gen;
    const ExactAttack& a;
    AbilityId defAbility; // None when the attacker's かたやぶり breaks it (for the abilities it breaks)
    ItemId defItem;       // the defender's item that acts
    int weather;          // after エアロック and ノーてんき
    UseOdds& out;

    void add(OddsRule rule, int32_t arg = 0, int32_t arg2 = 0) const { out.steps.push_back({rule, arg, arg2}); }
};

// The defender's abilities of these chances that かたやぶり breaks through.
bool breakable(AbilityId ability) {
    using enum AbilityId;
    return ability == SandVeil || ability == SnowCloak || ability == Simple || ability == Unaware ||
           ability == BattleArmor || ability == ShellArmor;
}

ItemId defenderItem(const ExactAttack& a, const ExactSide& d) {
    const ItemId item = heldItemOfSide(d);
    if (!heldInTable(item) || a.magicRoom || abilityIdOf(d.entry->ability) == AbilityId::Klutz)
        return ItemId::None;
    return heldItem(item).generation <= static_cast<int>(a.options.generation) ? item : ItemId::None;
}

bool cancelsWeather(AbilityId ability) {
    return ability == AbilityId::AirLock || ability == AbilityId::CloudNine;
}

int weatherFor(const ExactAttack& a, AbilityId defenderAbility) {
    return cancelsWeather(a.ability) || cancelsWeather(defenderAbility) ? kWeatherNone : a.conditions.weather;
}

// ---- the critical hit ---------------------------------------------------------------------------

void criticalOdds(const Reading& r) {
    const ExactAttack& a = r.a;
    if (r.gen == kGen4 && (a.move == MoveId::FutureSight || a.move == MoveId::DoomDesire)) {
        r.out.critical = {0, 1};
        return;
    }
    if (r.defAbility == AbilityId::BattleArmor || r.defAbility == AbilityId::ShellArmor) {
        r.add(OddsRule::NoCritical, indexOf(r.defAbility));
        r.out.critical = {0, 1};
        return;
    }
    const MoveBattleData& data = moveBattleData(a.move, r.gen);
    if (a.move != kNoMoveId && (data.flags & kMoveAlwaysCrits)) {
        r.add(OddsRule::AlwaysCritical);
        r.out.critical = {1, 1};
        return;
    }
    int stage = a.move == kNoMoveId ? 0 : data.critStage;
    if (stage > 0)
        r.add(OddsRule::CriticalStage, stage, static_cast<int32_t>(OddsSource::Move));
    const auto raise = [&](bool applies, int by, OddsSource source) {
        if (!applies)
            return;
        stage += by;
        r.add(OddsRule::CriticalStage, stage, static_cast<int32_t>(source));
    };
    const SpeciesId species = speciesIdOf(a.attacker.entry->species);
    raise(a.item == ItemId::ScopeLens, 1, OddsSource::ScopeLens);
    raise(a.item == ItemId::RazorClaw, 1, OddsSource::RazorClaw);
    raise(a.ability == AbilityId::SuperLuck, 1, OddsSource::SuperLuck);
    raise(a.item == ItemId::LuckyPunch && species == SpeciesId::Chansey, 2, OddsSource::LuckyPunch);
    raise(a.item == ItemId::Stick && species == SpeciesId::Farfetchd, 2, OddsSource::Stick);
    constexpr int kOneIn[] = {16, 8, 4, 3, 2};
    r.out.critical = {1, kOneIn[std::min(stage, 4)]};
}

// ---- the accuracy -------------------------------------------------------------------------------

// The accuracy and evasion stages that count, after たんじゅん (the 4th generation doubles a stage as
// it reads it), てんねん (each ignores the other's) and みやぶる (no raised evasion).
std::pair<int, int> stagesThatCount(const Reading& r, const ExactSide& d) {
    const ExactAttack& a = r.a;
    int accuracy = a.attacker.state.stages[kStageAccuracy];
    int evasion = d.state.stages[kStageEvasion];
    if (r.gen == kGen4 && a.ability == AbilityId::Simple)
        accuracy *= 2;
    if (r.gen == kGen4 && r.defAbility == AbilityId::Simple)
        evasion *= 2;
    if (r.defAbility == AbilityId::Unaware)
        accuracy = 0;
    if (a.ability == AbilityId::Unaware)
        evasion = 0;
    if (a.conditions.foresight && evasion > 0)
        evasion = 0;
    if (a.move != kNoMoveId && (moveBattleData(a.move, r.gen).flags & kMoveIgnoresDefenceStages))
        evasion = 0;
    return {std::clamp(accuracy, -kMaxStage, kMaxStage), std::clamp(evasion, -kMaxStage, kMaxStage)};
}

// One modifier more in the 4096ths chain, rounded as the simulator rounds it.
int chained(int modifier, int next) {
    return (modifier * next + 2048) >> 12;
}

// The chained modifier applied to a value: rounded half down, then truncated.
double modify(double value, int modifier) {
    return std::trunc((std::trunc(value * modifier) + 2048 - 1) / 4096);
}

struct Modifiers {
    int chain = kFull;
    double itemFactor = 1.0; // the 4th generation's items multiply at once
};

void chainOne(const Reading& r, Modifiers& m, bool applies, OddsSource source, int gen5, int gen4) {
    if (!applies)
        return;
    const int factor = r.gen == kGen5 ? gen5 : gen4;
    m.chain = chained(m.chain, factor);
    r.add(OddsRule::AccuracyModifier, static_cast<int32_t>(source), factor);
}

double accuracyGen5(const Reading& r, double accuracy, int stage, int evasion) {
    const ExactAttack& a = r.a;
    Modifiers m;
    chainOne(r, m, a.conditions.gravity, OddsSource::Gravity, 6840, 6840);
    chainOne(r, m, a.ability == AbilityId::CompoundEyes, OddsSource::CompoundEyes, 5325, 5325);
    chainOne(r, m, a.ability == AbilityId::Hustle && a.category == kPhysical, OddsSource::Hustle, 3277, 3277);
    chainOne(r, m, r.defAbility == AbilityId::SandVeil && r.weather == kWeatherSand, OddsSource::SandVeil, 3277, 3277);
    chainOne(r, m, r.defAbility == AbilityId::SnowCloak && r.weather == kWeatherHail, OddsSource::SnowCloak, 3277,
             3277);
    chainOne(r, m, a.item == ItemId::WideLens, OddsSource::WideLens, 4505, 4505);
    chainOne(r, m, a.item == ItemId::ZoomLens && a.attacker.state.turn.movesAfterFoe == true, OddsSource::ZoomLens,
             4915, 4915);
    chainOne(r, m, r.defItem == ItemId::BrightPowder, OddsSource::BrightPowder, 3686, 3686);
    chainOne(r, m, r.defItem == ItemId::LaxIncense, OddsSource::LaxIncense, 3686, 3686);
    if (m.chain != kFull)
        accuracy = modify(accuracy, m.chain);
    const int combined = std::clamp(stage - evasion, -kMaxStage, kMaxStage);
    if (combined > 0)
        accuracy = std::trunc(accuracy * (3 + combined) / 3);
    else if (combined < 0)
        accuracy = std::trunc(accuracy * 3 / (3 - combined));
    return accuracy;
}

double accuracyGen4(const Reading& r, double accuracy, int stage, int evasion) {
    const ExactAttack& a = r.a;
    static const double kRatio[] = {1, 4.0 / 3, 5.0 / 3, 2, 7.0 / 3, 8.0 / 3, 3};
    accuracy = stage > 0 ? accuracy * kRatio[stage] : accuracy / kRatio[-stage];
    if (evasion > 0)
        accuracy /= kRatio[evasion];
    else if (evasion < 0)
        accuracy *= kRatio[-evasion];
    Modifiers m;
    chainOne(r, m, a.ability == AbilityId::CompoundEyes, OddsSource::CompoundEyes, 5325, 5324);
    chainOne(r, m, r.defAbility == AbilityId::SandVeil && r.weather == kWeatherSand, OddsSource::SandVeil, 3277, 3276);
    chainOne(r, m, r.defAbility == AbilityId::SnowCloak && r.weather == kWeatherHail, OddsSource::SnowCloak, 3277,
             3276);
    chainOne(r, m, a.ability == AbilityId::Hustle && a.category == kPhysical, OddsSource::Hustle, 3277, 3276);
    const auto multiply = [&](bool applies, double factor, OddsSource source) {
        if (!applies)
            return;
        accuracy *= factor;
        r.add(OddsRule::AccuracyModifier, static_cast<int32_t>(source), static_cast<int32_t>(factor * kFull));
    };
    multiply(r.defItem == ItemId::BrightPowder, 0.9, OddsSource::BrightPowder);
    multiply(r.defItem == ItemId::LaxIncense, 0.9, OddsSource::LaxIncense);
    multiply(a.item == ItemId::WideLens, 1.1, OddsSource::WideLens);
    multiply(a.item == ItemId::ZoomLens && a.attacker.state.turn.movesAfterFoe == true, 1.2, OddsSource::ZoomLens);
    chainOne(r, m, a.conditions.gravity, OddsSource::Gravity, 6840, 6840);
    return m.chain != kFull ? modify(accuracy, m.chain) : accuracy;
}

// The move's own accuracy in the weather; 0 when it cannot miss there.
int moveAccuracy(const Reading& r) {
    const ExactAttack& a = r.a;
    if (a.move == kNoMoveId || a.accuracy <= 0) {
        r.add(OddsRule::NeverMisses);
        return 0;
    }
    const bool stormMove = a.move == MoveId::Thunder || (a.move == MoveId::Hurricane && r.gen == kGen5);
    if ((stormMove && r.weather == kWeatherRain) || (a.move == MoveId::Blizzard && r.weather == kWeatherHail)) {
        r.add(OddsRule::WeatherSureHit, indexOf(a.move));
        return 0;
    }
    if (stormMove && r.weather == kWeatherSun) {
        r.add(OddsRule::WeatherAccuracy, 50);
        return 50;
    }
    r.add(OddsRule::MoveAccuracy, a.accuracy);
    return a.accuracy;
}

void hitOdds(const Reading& r, const ExactSide& d) {
    const ExactAttack& a = r.a;
    const AbilityId rawDefAbility = abilityIn(*d.entry, r.gen);
    if (a.ability == AbilityId::NoGuard || rawDefAbility == AbilityId::NoGuard) {
        r.add(OddsRule::NoGuard, a.ability == AbilityId::NoGuard ? 0 : 1);
        return;
    }
    const int base = moveAccuracy(r);
    if (base == 0)
        return;
    const auto [stage, evasion] = stagesThatCount(r, d);
    if (stage != 0)
        r.add(OddsRule::AccuracyStage, stage);
    if (evasion != 0)
        r.add(OddsRule::EvasionStage, evasion);
    const double accuracy =
        r.gen == kGen5 ? accuracyGen5(r, base, stage, evasion) : accuracyGen4(r, base, stage, evasion);
    const int percent = hitPercent(accuracy);
    r.add(OddsRule::HitChance, percent);
    r.out.hit = {percent, 100};
}

} // namespace

int hitPercent(double accuracy) {
    if (!(accuracy > 0))
        return 0;
    return accuracy >= 100 ? 100 : static_cast<int>(std::ceil(accuracy));
}

UseOdds useOdds(const ExactAttack& a, const ExactSide& defender) {
    UseOdds out;
    if (!a.usable || !defender.entry)
        return out;
    const Generation gen = a.options.generation;
    AbilityId defAbility = abilityIn(*defender.entry, gen);
    if (breaksAbilities(a.ability) && breakable(defAbility))
        defAbility = AbilityId::None;
    const Reading r{gen, a, defAbility, defenderItem(a, defender), weatherFor(a, abilityIn(*defender.entry, gen)), out};
    hitOdds(r, defender);
    criticalOdds(r);
    out.eachHitChecks =
        a.move != kNoMoveId && moveBattleData(a.move, gen).multiHit == kTripleKick && !out.hit.certain();
    return out;
}

} // namespace rusrina
