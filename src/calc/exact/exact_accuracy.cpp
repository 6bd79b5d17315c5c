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

// Abilities, items, moves and species the chances read, by their index in the tables.
enum AccuracyAbility {
    kAirLockAbility = 13,
    kBattleArmorAbility = 19,
    kSuperLuck = 26,
    kShellArmorAbility = 33,
    kSandVeil = 46,
    kSimple = 54,
    kUnaware = 64,
    kNoGuard = 74,
    kCloudNineAbility = 75,
    kHustle = 81,
    kKlutzAbility = 85,
    kCompoundEyes = 86,
    kSnowCloak = 116,
};
enum AccuracyItem {
    kBrightPowder = 105,
    kScopeLens = 117,
    kLaxIncense = 140,
    kLuckyPunch = 141,
    kStick = 144,
    kWideLens = 145,
    kZoomLens = 156,
    kRazorClaw = 204,
};
enum AccuracyMove { kBlizzard = 58, kThunder = 86, kHurricane = 541 };
enum AccuracySpecies { kFarfetchd = 82, kChansey = 112 };

constexpr int kFull = 4096; // a modifier of 1 in 4096ths

// What the chances read of both sides.
struct Reading {
    Generation gen;
    const ExactAttack& a;
    int defAbility; // 0 when the attacker's かたやぶり breaks it (for the abilities it breaks)
    int defItem;    // the defender's item that acts
    int weather;    // after エアロック and ノーてんき
    UseOdds& out;

    void add(OddsRule rule, int32_t arg = 0, int32_t arg2 = 0) const { out.steps.push_back({rule, arg, arg2}); }
};

bool breaksThrough(int attackerAbility) {
    return breaksAbilities(attackerAbility);
}

// The defender's abilities of these chances that かたやぶり breaks through.
bool breakable(int ability) {
    return ability == kSandVeil || ability == kSnowCloak || ability == kSimple || ability == kUnaware ||
           ability == kBattleArmorAbility || ability == kShellArmorAbility;
}

int defenderItem(const ExactAttack& a, const ExactSide& d) {
    const int item = heldItemOfSide(d);
    if (item <= 0 || a.magicRoom || d.entry->ability == kKlutzAbility)
        return kNoHeldItem;
    return heldItem(item).generation <= static_cast<int>(a.options.generation) ? item : kNoHeldItem;
}

int weatherFor(const ExactAttack& a, int defenderAbility) {
    const bool cancelled = a.ability == kAirLockAbility || a.ability == kCloudNineAbility ||
                           defenderAbility == kAirLockAbility || defenderAbility == kCloudNineAbility;
    return cancelled ? kWeatherNone : a.conditions.weather;
}

// ---- the critical hit ---------------------------------------------------------------------------

void criticalOdds(const Reading& r) {
    const ExactAttack& a = r.a;
    if (r.gen == kGen4 && (a.move == kFutureSight || a.move == kDoomDesire)) {
        r.out.critical = {0, 1};
        return;
    }
    if (r.defAbility == kBattleArmorAbility || r.defAbility == kShellArmorAbility) {
        r.add(OddsRule::NoCritical, r.defAbility);
        r.out.critical = {0, 1};
        return;
    }
    const MoveBattleData& data = moveBattleData(a.move, r.gen);
    if (a.move != NO_MOVE && (data.flags & kMoveAlwaysCrits)) {
        r.add(OddsRule::AlwaysCritical);
        r.out.critical = {1, 1};
        return;
    }
    int stage = a.move == NO_MOVE ? 0 : data.critStage;
    if (stage > 0)
        r.add(OddsRule::CriticalStage, stage, static_cast<int32_t>(OddsSource::Move));
    const auto raise = [&](bool applies, int by, OddsSource source) {
        if (!applies)
            return;
        stage += by;
        r.add(OddsRule::CriticalStage, stage, static_cast<int32_t>(source));
    };
    const int species = a.attacker.entry->species;
    raise(a.item == kScopeLens, 1, OddsSource::ScopeLens);
    raise(a.item == kRazorClaw, 1, OddsSource::RazorClaw);
    raise(a.ability == kSuperLuck, 1, OddsSource::SuperLuck);
    raise(a.item == kLuckyPunch && species == kChansey, 2, OddsSource::LuckyPunch);
    raise(a.item == kStick && species == kFarfetchd, 2, OddsSource::Stick);
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
    if (r.gen == kGen4 && a.ability == kSimple)
        accuracy *= 2;
    if (r.gen == kGen4 && r.defAbility == kSimple)
        evasion *= 2;
    if (r.defAbility == kUnaware)
        accuracy = 0;
    if (a.ability == kUnaware)
        evasion = 0;
    if (a.conditions.foresight && evasion > 0)
        evasion = 0;
    if (a.move != NO_MOVE && (moveBattleData(a.move, r.gen).flags & kMoveIgnoresDefenceStages))
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
    chainOne(r, m, a.ability == kCompoundEyes, OddsSource::CompoundEyes, 5325, 5325);
    chainOne(r, m, a.ability == kHustle && a.category == kPhysical, OddsSource::Hustle, 3277, 3277);
    chainOne(r, m, r.defAbility == kSandVeil && r.weather == kWeatherSand, OddsSource::SandVeil, 3277, 3277);
    chainOne(r, m, r.defAbility == kSnowCloak && r.weather == kWeatherHail, OddsSource::SnowCloak, 3277, 3277);
    chainOne(r, m, a.item == kWideLens, OddsSource::WideLens, 4505, 4505);
    chainOne(r, m, a.item == kZoomLens && a.attacker.state.movesAfterFoe == 1, OddsSource::ZoomLens, 4915, 4915);
    chainOne(r, m, r.defItem == kBrightPowder, OddsSource::BrightPowder, 3686, 3686);
    chainOne(r, m, r.defItem == kLaxIncense, OddsSource::LaxIncense, 3686, 3686);
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
    chainOne(r, m, a.ability == kCompoundEyes, OddsSource::CompoundEyes, 5325, 5324);
    chainOne(r, m, r.defAbility == kSandVeil && r.weather == kWeatherSand, OddsSource::SandVeil, 3277, 3276);
    chainOne(r, m, r.defAbility == kSnowCloak && r.weather == kWeatherHail, OddsSource::SnowCloak, 3277, 3276);
    chainOne(r, m, a.ability == kHustle && a.category == kPhysical, OddsSource::Hustle, 3277, 3276);
    const auto multiply = [&](bool applies, double factor, OddsSource source) {
        if (!applies)
            return;
        accuracy *= factor;
        r.add(OddsRule::AccuracyModifier, static_cast<int32_t>(source), static_cast<int32_t>(factor * kFull));
    };
    multiply(r.defItem == kBrightPowder, 0.9, OddsSource::BrightPowder);
    multiply(r.defItem == kLaxIncense, 0.9, OddsSource::LaxIncense);
    multiply(a.item == kWideLens, 1.1, OddsSource::WideLens);
    multiply(a.item == kZoomLens && a.attacker.state.movesAfterFoe == 1, 1.2, OddsSource::ZoomLens);
    chainOne(r, m, a.conditions.gravity, OddsSource::Gravity, 6840, 6840);
    return m.chain != kFull ? modify(accuracy, m.chain) : accuracy;
}

// The move's own accuracy in the weather; 0 when it cannot miss there.
int moveAccuracy(const Reading& r) {
    const ExactAttack& a = r.a;
    if (a.move == NO_MOVE || a.accuracy <= 0) {
        r.add(OddsRule::NeverMisses);
        return 0;
    }
    const bool stormMove = a.move == kThunder || (a.move == kHurricane && r.gen == kGen5);
    if ((stormMove && r.weather == kWeatherRain) || (a.move == kBlizzard && r.weather == kWeatherHail)) {
        r.add(OddsRule::WeatherSureHit, a.move);
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
    const int rawDefAbility = abilityIn(d.entry->ability, r.gen);
    if (a.ability == kNoGuard || rawDefAbility == kNoGuard) {
        r.add(OddsRule::NoGuard, a.ability == kNoGuard ? 0 : 1);
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
    int defAbility = abilityIn(defender.entry->ability, gen);
    if (breaksThrough(a.ability) && breakable(defAbility))
        defAbility = 0;
    const Reading r{
        gen, a, defAbility, defenderItem(a, defender), weatherFor(a, abilityIn(defender.entry->ability, gen)), out};
    hitOdds(r, defender);
    criticalOdds(r);
    out.eachHitChecks = a.move != NO_MOVE && moveBattleData(a.move, gen).multiHit == kTripleKick && !out.hit.certain();
    return out;
}

} // namespace rusrina
