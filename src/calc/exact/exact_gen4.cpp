// The 4th generation: each modifier truncates at once. Power, attack and defence take their
// modifiers one by one; the damage then goes through three stages of modifiers: before the +2
// (burn, screens, spread, weather, Flash Fire), after it (critical hit, Life Orb), and after the
// random roll (same type, the two type factors one at a time, then Filter, Expert Belt and
// Tinted Lens).
//
// A critical hit doubles the damage after the +2 (computeBase) and keeps the screens out of the
// stage before it (beforeTwo); in both generations it also drops the stages that work against the
// attacker (exact_steps.cpp).

#include "calc/exact/exact_generations.h"

#include "data/species.h"

#include <algorithm>

namespace rusrina::exact {

using namespace damage;

namespace {

// value × numerator / denominator, truncated, as each modifier of the 4th generation is.
int64_t scaled(const Hit& h, int64_t value, const Factor& f) {
    const int64_t after = value * f.numerator / f.denominator;
    h.addFactor(f.rule, f.numerator, f.denominator, value, after, f.side, f.arg);
    return after;
}

constexpr ExactStepSide kDefender = ExactStepSide::Defender;

// The power's modifiers in the order the 4th generation applies them, each truncating: the user's
// abilities and the foe's かんそうはだ, then the held item, てだすけ, じゅうでん, ライバル, the pinch abilities
// and あついしぼう or たいねつ last.
void computePower(Hit& h) {
    int64_t p = h.power;
    if (h.a.move == MoveId::Facade && h.a.status)
        p = scaled(h, p, {ExactRule::Facade, 2, 1});
    // Technician reads the move's own power, before Helping Hand raises it.
    if (h.a.ability == AbilityId::Technician && p <= kTechnicianLimit)
        p = scaled(h, p, {ExactRule::Technician, 3, 2});
    if (recklessBoosts(h))
        p = scaled(h, p, {ExactRule::Reckless, 12, 10});
    else if (ironFistBoosts(h))
        p = scaled(h, p, {ExactRule::IronFist, 12, 10});
    if (h.defAbility == AbilityId::DrySkin && h.type == kFire)
        p = scaled(h, p, {ExactRule::DrySkinFire, 5, 4, kDefender});
    if (h.a.item == ItemId::MuscleBand && h.physical())
        p = scaled(h, p, {ExactRule::MuscleBand, 11, 10});
    else if (h.a.item == ItemId::WiseGlasses && h.special())
        p = scaled(h, p, {ExactRule::WiseGlasses, 11, 10});
    else if (typeItemBoosts(h))
        p = scaled(h, p, {ExactRule::TypeItem, 12, 10, ExactStepSide::Attacker, indexOf(h.a.item)});
    if (h.a.conditions.helpingHand)
        p = scaled(h, p, {ExactRule::HelpingHand, 3, 2});
    if (chargeDoubles(h))
        p = scaled(h, p, {ExactRule::Charge, 2, 1});
    // ライバル reads the power てだすけ has raised: 10 → 15 → 11 against the other gender.
    if (const int rivalry = rivalryOf(h))
        p = rivalry > 0 ? scaled(h, p, {ExactRule::Rivalry, 5, 4, ExactStepSide::Attacker, rivalry})
                        : scaled(h, p, {ExactRule::Rivalry, 3, 4, ExactStepSide::Attacker, rivalry});
    for (const PinchAbility& pinch : kPinchAbilities) {
        if (h.a.ability == pinch.ability && h.a.conditions.abilityActive && h.type == pinch.type)
            p = scaled(h, p, {pinch.rule, 3, 2});
    }
    if (h.defAbility == AbilityId::Heatproof && h.type == kFire)
        p = scaled(h, p, {ExactRule::Heatproof, 1, 2, kDefender});
    else if (h.defAbility == AbilityId::ThickFat && (h.type == kFire || h.type == kIce))
        p = scaled(h, p, {ExactRule::ThickFat, 1, 2, kDefender});
    // A power the modifiers truncate to nothing (やつあたり's 1 under ライバル's ¾) still hits with 1.
    h.power = static_cast<int>(std::max<int64_t>(p, 1));
    h.addValue(ExactRule::ModifiedPower, h.power);
}

int64_t abilityOnAttack(Hit& h, int64_t attack) {
    const AbilityId ability = h.a.ability;
    const bool sun = h.weather == kWeatherSun;
    if ((ability == AbilityId::HugePower || ability == AbilityId::PurePower) && h.physical())
        return scaled(h, attack, {ExactRule::HugePower, 2, 1});
    if (ability == AbilityId::SolarPower && sun && h.special())
        return scaled(h, attack, {ExactRule::SolarPower, 3, 2});
    if (ability == AbilityId::FlowerGift && sun && h.physical())
        return scaled(h, attack, {ExactRule::FlowerGift, 3, 2});
    if (ability == AbilityId::Hustle && h.physical())
        return scaled(h, attack, {ExactRule::Hustle, 3, 2});
    if (ability == AbilityId::Guts && (h.a.status || h.a.conditions.abilityActive) && h.physical())
        return scaled(h, attack, {ExactRule::Guts, 3, 2});
    if ((ability == AbilityId::Plus || ability == AbilityId::Minus) && h.a.conditions.abilityActive && h.special())
        return scaled(h, attack, {ExactRule::PlusMinus, 3, 2, ExactStepSide::Attacker, indexOf(ability)});
    if (ability == AbilityId::SlowStart && h.a.conditions.abilityActive && h.physical())
        return scaled(h, attack, {ExactRule::SlowStart, 1, 2});
    return attack;
}

int64_t itemOnAttack(Hit& h, int64_t attack) {
    const SpeciesId species = speciesIdOf(h.atk.species);
    const ItemId item = h.a.item;
    if (item == ItemId::ChoiceBand && h.physical())
        return scaled(h, attack, {ExactRule::ChoiceBand, 3, 2});
    if (item == ItemId::ChoiceSpecs && h.special())
        return scaled(h, attack, {ExactRule::ChoiceSpecs, 3, 2});
    if (item == ItemId::SoulDew && (species == SpeciesId::Latias || species == SpeciesId::Latios) && h.special())
        return scaled(h, attack, {ExactRule::SoulDew, 3, 2});
    if (item == ItemId::LightBall && species == SpeciesId::Pikachu)
        return scaled(h, attack, {ExactRule::LightBall, 2, 1});
    if (item == ItemId::ThickClub && (species == SpeciesId::Cubone || species == SpeciesId::Marowak) && h.physical())
        return scaled(h, attack, {ExactRule::ThickClub, 2, 1});
    if (item == ItemId::DeepSeaTooth && species == SpeciesId::Clamperl && h.special())
        return scaled(h, attack, {ExactRule::DeepSeaTooth, 2, 1});
    return attack;
}

// ふくろだたき reads the base attack of the member that strikes and the foe's base defence, and
// nothing that would change them.
bool baseStatsOnly(Hit& h) {
    if (!h.baseStatsOnly)
        return false;
    h.attack = speciesRecord(h.atk.species).baseStats[kAttack];
    h.defence = std::max(1, speciesRecord(h.def.species).baseStats[kDefence]);
    h.add(ExactStep{.rule = ExactRule::BaseStatsOnly, .before = h.attack, .after = h.defence});
    return true;
}

void computeAttack(Hit& h) {
    const int stat = h.physical() ? kAttack : kSpAttack;
    int64_t attack = stagedStat(h, h.atk.stat[stat], attackStageOf(h), true);
    attack = abilityOnAttack(h, attack);
    if (allyFlowerGiftActs(h))
        attack = scaled(h, attack, {ExactRule::FlowerGift, 3, 2});
    attack = itemOnAttack(h, attack);
    h.attack = static_cast<int>(attack);
    h.addValue(ExactRule::ModifiedStat, h.attack, stat);
}

void computeDefence(Hit& h) {
    const int stat = h.hitsDefence ? kDefence : kSpDefence;
    int64_t defence = stagedStat(h, h.def.stat[stat], defenceStageOf(h), false);
    const SpeciesId species = speciesIdOf(h.def.species);
    if (h.defAbility == AbilityId::MarvelScale && h.hitsDefence && defenderHasStatus(h))
        defence = scaled(h, defence, {ExactRule::MarvelScale, 3, 2, kDefender});
    else if (h.defAbility == AbilityId::FlowerGift && h.weather == kWeatherSun && !h.hitsDefence)
        defence = scaled(h, defence, {ExactRule::FlowerGift, 3, 2, kDefender});
    if (h.defItem == ItemId::SoulDew && (species == SpeciesId::Latias || species == SpeciesId::Latios) &&
        !h.hitsDefence)
        defence = scaled(h, defence, {ExactRule::SoulDew, 3, 2, kDefender});
    else if (h.defItem == ItemId::DeepSeaScale && species == SpeciesId::Clamperl && !h.hitsDefence)
        defence = scaled(h, defence, {ExactRule::DeepSeaScale, 2, 1, kDefender});
    else if (h.defItem == ItemId::MetalPowder && species == SpeciesId::Ditto && h.hitsDefence)
        defence = scaled(h, defence, {ExactRule::MetalPowder, 2, 1, kDefender});
    const bool rock = h.defTypes.type1 == kRock || h.defTypes.type2 == kRock;
    if (h.weather == kWeatherSand && rock && !h.hitsDefence)
        defence = scaled(h, defence, {ExactRule::SandstormSpDefence, 3, 2, kDefender});
    if (h.a.move == MoveId::SelfDestruct || h.a.move == MoveId::Explosion)
        defence = scaled(h, defence, {ExactRule::Explosion, 1, 2});
    h.defence = static_cast<int>(std::max<int64_t>(1, defence));
    h.addValue(ExactRule::ModifiedStat, h.defence, stat);
}

// The base damage and the modifiers before the +2.
int64_t beforeTwo(Hit& h) {
    const int64_t level = 2 * h.atk.level / 5 + 2;
    int64_t d = level * h.power * h.attack / 50 / h.defence;
    h.addValue(ExactRule::BaseDamage, d);
    if (burnHalves(h))
        d = scaled(h, d, {ExactRule::Burn, 1, 2});
    if (h.screen && !h.critical) {
        const ExactRule screen = h.physical() ? ExactRule::Reflect : ExactRule::LightScreen;
        d = h.a.conditions.doubleBattle ? scaled(h, d, {screen, 2, 3, kDefender})
                                        : scaled(h, d, {screen, 1, 2, kDefender});
    }
    if (h.a.spread)
        d = scaled(h, d, {ExactRule::Spread, 3, 4});
    const int w = h.weather;
    if ((w == kWeatherSun && h.type == kFire) || (w == kWeatherRain && h.type == kWater))
        d = scaled(h, d, {ExactRule::WeatherDamage, 3, 2});
    else if ((w == kWeatherSun && h.type == kWater) || (w == kWeatherRain && h.type == kFire))
        d = scaled(h, d, {ExactRule::WeatherDamage, 1, 2});
    else if (h.a.move == MoveId::SolarBeam && (w == kWeatherRain || w == kWeatherSand || w == kWeatherHail))
        d = scaled(h, d, {ExactRule::SolarBeamWeather, 1, 2});
    if (h.a.flashFire && h.type == kFire)
        d = scaled(h, d, {ExactRule::FlashFire, 3, 2});
    return d;
}

void computeBase(Hit& h) {
    int64_t d = beforeTwo(h) + 2;
    if (h.critical && h.a.ability == AbilityId::Sniper)
        d = scaled(h, d, {ExactRule::Sniper, 3, 1});
    else if (h.critical)
        d = scaled(h, d, {ExactRule::CriticalDamage, 2, 1});
    if (h.a.item == ItemId::LifeOrb && !h.typeless) // the move of no type hits later, without the orb
        d = scaled(h, d, {ExactRule::LifeOrb, 13, 10});
    h.base = d;
    h.addValue(ExactRule::DamageBeforeRoll, h.base);
}

} // namespace

void computeGen4(Hit& h) {
    computePower(h);
    if (!baseStatsOnly(h)) {
        computeAttack(h);
        computeDefence(h);
    }
    computeBase(h);
    h.addFactor(ExactRule::RandomRoll, 85, 100, 0, 0);
    if (h.out.sameType)
        h.addFactor(h.out.sameType == 2 ? ExactRule::Adaptability : ExactRule::SameType, h.out.sameType == 2 ? 2 : 3,
                    h.out.sameType == 2 ? 1 : 2, 0, 0);
    recordEffectiveness(h);
    const bool filter =
        (h.defAbility == AbilityId::SolidRock || h.defAbility == AbilityId::Filter) && h.superEffective();
    const bool belt = h.a.item == ItemId::ExpertBelt && h.superEffective();
    const bool tinted = h.a.ability == AbilityId::TintedLens && h.out.effect < kNeutralEffect;
    const bool berry = resistBerryHalves(h);
    if (filter)
        h.addFactor(ExactRule::Filter, 3, 4, 0, 0, kDefender);
    if (belt)
        h.addFactor(ExactRule::ExpertBelt, 12, 10, 0, 0);
    if (h.a.item == ItemId::Metronome)
        h.add(ExactRule::MetronomeAssumesFirstUse);
    if (tinted)
        h.addFactor(ExactRule::TintedLens, 2, 1, 0, 0);
    if (berry)
        h.addFactor(ExactRule::ResistBerry, 1, 2, 0, 0, kDefender, indexOf(h.defItem));
    for (int i = 0; i < kRollCount; ++i) {
        int64_t d = h.base * (85 + i) / 100;
        if (h.out.sameType)
            d = h.out.sameType == 2 ? d * 2 : d * 3 / 2;
        d = d * h.factor1 / 2;
        d = d * h.factor2 / 2;
        if (filter)
            d = d * 3 / 4;
        if (belt)
            d = d * 12 / 10;
        if (tinted)
            d *= 2;
        if (berry)
            d /= 2;
        h.out.rolls[i] = static_cast<int32_t>(std::clamp<int64_t>(d, 1, INT32_MAX));
    }
}

} // namespace rusrina::exact
