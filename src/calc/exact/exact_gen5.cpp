// The 5th generation: modifiers in 4096ths, chained per stage (power, attack, defence, final) with
// rounding at each link, and applied with rounding half down. The stages in the game's order:
// power, attack, defence, base damage, spread, weather, critical hit, the random roll, same type,
// effectiveness, burn, and the final modifiers.
//
// A critical hit doubles the damage after the weather (computeBase) and keeps the screens out of
// the final modifiers (finalModifier); in both generations it also drops the stages that work
// against the attacker (exact_steps.cpp), and here Storm Throw and Frost Breath always land one
// (exact_damage.cpp).

#include "calc/exact/exact_generations.h"

#include <algorithm>

namespace rusrina::exact {

using namespace damage;

namespace {

constexpr int32_t kOne = 4096;

// The game keeps its intermediate products in 32 bits and the damage in 16: what does not fit
// wraps around. Only extreme stats typed in directly get there.
int64_t wrap32(int64_t value) {
    return value & 0xFFFFFFFF;
}
int64_t wrap16(int64_t value) {
    return value & 0xFFFF;
}

// Rounds half down, as the game does: 2.5 → 2, 2.51 → 3.
int64_t roundHalfDown(int64_t value, int32_t mod) {
    return (wrap32(value * mod) + 2047) >> 12;
}

// The modifiers of one stage, each rounded into the product as the game chains them.
class Chain {
public:
    explicit Chain(const Hit& hit) : m_hit(hit) {}
    void add(ExactRule rule, int32_t mod, ExactStepSide side = ExactStepSide::Attacker, int32_t arg = 0) {
        const int64_t before = m_product;
        m_product = (m_product * mod + 2048) >> 12;
        m_hit.addFactor(rule, mod, kOne, before, m_product, side, arg);
        ++m_count;
    }
    int32_t product(int32_t lowest, int32_t highest) const {
        if (m_count > 1)
            m_hit.add(ExactStep{.rule = ExactRule::ModifierProduct,
                                .numerator = static_cast<int32_t>(m_product),
                                .denominator = kOne,
                                .after = m_product});
        return static_cast<int32_t>(std::clamp<int64_t>(m_product, lowest, highest));
    }
    // value × product, rounded half down, at least 1.
    int64_t apply(int64_t value, int32_t lowest, int32_t highest) const {
        return std::max<int64_t>(1, roundHalfDown(value, product(lowest, highest)));
    }

private:
    const Hit& m_hit;
    int64_t m_product = kOne;
    int m_count = 0;
};

constexpr ExactStepSide kDefender = ExactStepSide::Defender;

// The attacker's ability that raises the power: one at most, whichever the move calls for.
void addPowerAbility(Hit& h, Chain& c) {
    const AbilityId ability = h.a.ability;
    if (ability == AbilityId::Technician && h.power <= kTechnicianLimit)
        c.add(ExactRule::Technician, 6144);
    else if (ability == AbilityId::FlareBoost && (h.a.conditions.burn || h.a.conditions.abilityActive) && h.special())
        c.add(ExactRule::FlareBoost, 6144);
    else if (ability == AbilityId::ToxicBoost && (h.a.conditions.abilityActive || attackerPoisoned(h)) && h.physical())
        c.add(ExactRule::ToxicBoost, 6144);
    else if (analyticActs(h))
        c.add(ExactRule::Analytic, 5325);
    else if (ability == AbilityId::SandForce && h.weather == kWeatherSand &&
             (h.type == kRock || h.type == kGround || h.type == kSteel))
        c.add(ExactRule::SandForce, 5325);
    else if (recklessBoosts(h))
        c.add(ExactRule::Reckless, 4915);
    else if (ironFistBoosts(h))
        c.add(ExactRule::IronFist, 4915);
}

void addPowerItem(Hit& h, Chain& c) {
    if (typeItemBoosts(h))
        c.add(ExactRule::TypeItem, 4915, ExactStepSide::Attacker, indexOf(h.a.item));
    else if (h.a.item == ItemId::MuscleBand && h.physical())
        c.add(ExactRule::MuscleBand, 4505);
    else if (h.a.item == ItemId::WiseGlasses && h.special())
        c.add(ExactRule::WiseGlasses, 4505);
    else if (gemBoosts(h))
        c.add(ExactRule::Gem, 6144, ExactStepSide::Attacker, indexOf(h.a.item));
}

void computePower(Hit& h) {
    Chain c(h);
    addPowerAbility(h, c);
    if (chargeDoubles(h))
        c.add(ExactRule::Charge, 8192);
    if (h.defAbility == AbilityId::Heatproof && h.type == kFire)
        c.add(ExactRule::Heatproof, 2048, kDefender);
    else if (h.defAbility == AbilityId::DrySkin && h.type == kFire)
        c.add(ExactRule::DrySkinFire, 5120, kDefender);
    if (sheerForceBoosts(h))
        c.add(ExactRule::SheerForce, 5325);
    if (const int rivalry = rivalryOf(h))
        c.add(ExactRule::Rivalry, rivalry > 0 ? 5120 : 3072, ExactStepSide::Attacker, rivalry);
    addPowerItem(h, c);
    if (h.a.move == MoveId::Facade && h.a.status)
        c.add(ExactRule::Facade, 8192);
    else if (h.a.move == MoveId::SolarBeam &&
             (h.weather == kWeatherRain || h.weather == kWeatherSand || h.weather == kWeatherHail))
        c.add(ExactRule::SolarBeamWeather, 2048);
    else if (h.halfHpTarget)
        c.add(ExactRule::Brine, 8192, kDefender);
    else if (h.poisonedTarget)
        c.add(ExactRule::Venoshock, 8192, kDefender);
    if (h.a.conditions.helpingHand)
        c.add(ExactRule::HelpingHand, 6144);
    h.power = static_cast<int>(wrap16(c.apply(h.power, 41, 2097152)));
    h.addValue(ExactRule::ModifiedPower, h.power);
}

void addAttackAbility(Hit& h, Chain& c) {
    const bool active = h.a.conditions.abilityActive;
    const AbilityId ability = h.a.ability;
    for (const PinchAbility& p : kPinchAbilities) {
        if (ability == p.ability && active && h.type == p.type)
            c.add(p.rule, 6144);
    }
    const bool sun = h.weather == kWeatherSun;
    if (ability == AbilityId::Guts && (h.a.status || h.a.conditions.abilityActive) && h.physical())
        c.add(ExactRule::Guts, 6144);
    else if ((ability == AbilityId::Plus || ability == AbilityId::Minus) && active && h.special())
        c.add(ExactRule::PlusMinus, 6144, ExactStepSide::Attacker, indexOf(ability));
    else if (h.a.flashFire && h.type == kFire)
        c.add(ExactRule::FlashFire, 6144);
    else if (ability == AbilityId::SolarPower && sun && h.special())
        c.add(ExactRule::SolarPower, 6144);
    else if (ability == AbilityId::FlowerGift && speciesIdOf(h.atk.species) == SpeciesId::Cherrim && sun &&
             h.physical())
        c.add(ExactRule::FlowerGift, 6144);
    else if (ability == AbilityId::Defeatist && active)
        c.add(ExactRule::Defeatist, 2048);
    else if (ability == AbilityId::SlowStart && active && h.physical())
        c.add(ExactRule::SlowStart, 2048);
    else if ((ability == AbilityId::HugePower || ability == AbilityId::PurePower) && h.physical())
        c.add(ExactRule::HugePower, 8192);
}

void addAttackItem(Hit& h, Chain& c) {
    const SpeciesId species = speciesIdOf(h.atk.species);
    const ItemId item = h.a.item;
    if (item == ItemId::ThickClub && (species == SpeciesId::Cubone || species == SpeciesId::Marowak) && h.physical())
        c.add(ExactRule::ThickClub, 8192);
    else if (item == ItemId::DeepSeaTooth && species == SpeciesId::Clamperl && h.special())
        c.add(ExactRule::DeepSeaTooth, 8192);
    else if (item == ItemId::LightBall && species == SpeciesId::Pikachu)
        c.add(ExactRule::LightBall, 8192);
    else if (item == ItemId::SoulDew && (species == SpeciesId::Latias || species == SpeciesId::Latios) && h.special())
        c.add(ExactRule::SoulDew, 6144);
    else if (item == ItemId::ChoiceBand && h.physical())
        c.add(ExactRule::ChoiceBand, 6144);
    else if (item == ItemId::ChoiceSpecs && h.special())
        c.add(ExactRule::ChoiceSpecs, 6144);
}

void computeAttack(Hit& h) {
    const int stat = h.physical() ? kAttack : kSpAttack;
    int attack = 0;
    if (h.a.move == MoveId::FoulPlay) {
        // The defender's attack at the defender's own stage, which only the battle state gives.
        h.add(ExactStep{.rule = ExactRule::FoulPlay, .arg = h.def.stat[kAttack]});
        attack = stagedStat(h, h.def.stat[kAttack], foulPlayStageOf(h), true);
    } else {
        attack = stagedStat(h, h.atk.stat[stat], attackStageOf(h), true);
    }
    if (h.a.ability == AbilityId::Hustle && h.physical()) {
        const int before = attack;
        attack = attack * 3 / 2;
        h.addFactor(ExactRule::Hustle, 3, 2, before, attack);
    }
    Chain c(h);
    if (h.defAbility == AbilityId::ThickFat && (h.type == kFire || h.type == kIce))
        c.add(ExactRule::ThickFat, 2048, kDefender);
    addAttackAbility(h, c);
    if (allyFlowerGiftActs(h))
        c.add(ExactRule::FlowerGift, 6144);
    addAttackItem(h, c);
    h.attack = static_cast<int>(wrap16(c.apply(attack, 410, 131072)));
    h.addValue(ExactRule::ModifiedStat, h.attack, stat);
}

void computeDefence(Hit& h, int stage) {
    const int stat = h.hitsDefence ? kDefence : kSpDefence;
    int defence = stagedStat(h, h.def.stat[stat], stage, false);
    const bool rock = h.defTypes.type1 == kRock || h.defTypes.type2 == kRock;
    if (h.weather == kWeatherSand && rock && !h.hitsDefence) {
        const int before = defence;
        defence = defence * 3 / 2;
        h.addFactor(ExactRule::SandstormSpDefence, 3, 2, before, defence, kDefender);
    }
    Chain c(h);
    const SpeciesId species = speciesIdOf(h.def.species);
    if (h.defAbility == AbilityId::MarvelScale && h.hitsDefence && defenderHasStatus(h))
        c.add(ExactRule::MarvelScale, 6144, kDefender);
    else if (h.defAbility == AbilityId::FlowerGift && species == SpeciesId::Cherrim && h.weather == kWeatherSun &&
             !h.hitsDefence)
        c.add(ExactRule::FlowerGift, 6144, kDefender);
    if (h.defItem == ItemId::SoulDew && (species == SpeciesId::Latias || species == SpeciesId::Latios) &&
        !h.hitsDefence)
        c.add(ExactRule::SoulDew, 6144, kDefender);
    else if (evioliteActs(h))
        c.add(ExactRule::Eviolite, 6144, kDefender);
    if (h.defItem == ItemId::MetalPowder && species == SpeciesId::Ditto && h.hitsDefence)
        c.add(ExactRule::MetalPowder, 8192, kDefender);
    else if (h.defItem == ItemId::DeepSeaScale && species == SpeciesId::Clamperl && !h.hitsDefence)
        c.add(ExactRule::DeepSeaScale, 8192, kDefender);
    h.defence = static_cast<int>(std::max<int64_t>(1, wrap16(c.apply(defence, 410, 131072))));
    h.addValue(ExactRule::ModifiedStat, h.defence, stat);
}

// Base damage, then spread, weather and critical hit: everything before the random roll.
void computeBase(Hit& h) {
    const int64_t level = 2 * h.atk.level / 5 + 2;
    h.base = wrap32(wrap32(level * h.power) * h.attack) / h.defence / 50 + 2;
    h.addValue(ExactRule::BaseDamage, h.base);
    if (h.a.spread) {
        const int64_t before = h.base;
        h.base = roundHalfDown(h.base, 3072);
        h.addFactor(ExactRule::Spread, 3072, kOne, before, h.base);
    }
    const bool boosted =
        (h.weather == kWeatherSun && h.type == kFire) || (h.weather == kWeatherRain && h.type == kWater);
    const bool weakened =
        (h.weather == kWeatherSun && h.type == kWater) || (h.weather == kWeatherRain && h.type == kFire);
    if (boosted || weakened) {
        const int64_t before = h.base;
        const int32_t mod = boosted ? 6144 : 2048;
        h.base = roundHalfDown(h.base, mod);
        h.addFactor(ExactRule::WeatherDamage, mod, kOne, before, h.base);
    }
    if (h.critical) {
        const int64_t before = h.base;
        h.base = wrap32(h.base * 2);
        h.addFactor(ExactRule::CriticalDamage, 2, 1, before, h.base);
    }
    h.addValue(ExactRule::DamageBeforeRoll, h.base);
}

int32_t finalModifier(Hit& h) {
    Chain c(h);
    if (h.screen && !h.critical)
        c.add(h.physical() ? ExactRule::Reflect : ExactRule::LightScreen, h.a.conditions.doubleBattle ? 2703 : 2048,
              kDefender);
    if (multiscaleActs(h))
        c.add(ExactRule::Multiscale, 2048, kDefender);
    if (h.a.ability == AbilityId::TintedLens && h.out.effect < kNeutralEffect)
        c.add(ExactRule::TintedLens, 8192);
    if (h.a.conditions.friendGuard)
        c.add(ExactRule::FriendGuard, 3072, kDefender);
    if (h.a.ability == AbilityId::Sniper && h.critical)
        c.add(ExactRule::Sniper, 6144);
    if ((h.defAbility == AbilityId::SolidRock || h.defAbility == AbilityId::Filter) && h.superEffective())
        c.add(ExactRule::Filter, 3072, kDefender);
    if (h.a.item == ItemId::Metronome)
        h.add(ExactRule::MetronomeAssumesFirstUse);
    if (h.a.item == ItemId::ExpertBelt && h.superEffective())
        c.add(ExactRule::ExpertBelt, 4915);
    else if (h.a.item == ItemId::LifeOrb)
        c.add(ExactRule::LifeOrb, 5324);
    if (resistBerryHalves(h))
        c.add(ExactRule::ResistBerry, 2048, kDefender, indexOf(h.defItem));
    return c.product(41, 131072);
}

} // namespace

void computeGen5(Hit& h) {
    computePower(h);
    computeAttack(h);
    computeDefence(h, defenceStageOf(h));
    computeBase(h);
    h.addFactor(ExactRule::RandomRoll, 85, 100, 0, 0);
    const int32_t sameType = h.out.sameType == 2 ? 8192 : h.out.sameType == 1 ? 6144 : kOne;
    if (h.out.sameType)
        h.addFactor(h.out.sameType == 2 ? ExactRule::Adaptability : ExactRule::SameType, sameType, kOne, 0, 0);
    recordEffectiveness(h);
    const bool burnt = burnHalves(h);
    if (burnt)
        h.addFactor(ExactRule::Burn, 1, 2, 0, 0);
    const int32_t last = finalModifier(h);
    bool zero = false;
    for (int i = 0; i < kRollCount; ++i) {
        int64_t d = wrap32(h.base * (85 + i)) / 100;
        if (sameType != kOne)
            d = roundHalfDown(d, sameType);
        d = wrap32(d * h.out.effect / kNeutralEffect);
        if (burnt)
            d /= 2;
        // The game lifts a 0 to 1 before the final modifiers and does not look again after them:
        // a final ×0.5 or less takes a hit of 1 down to 0, and it deals nothing.
        d = roundHalfDown(std::max<int64_t>(d, 1), last);
        zero = zero || d == 0;
        h.out.rolls[i] = static_cast<int32_t>(wrap16(d));
    }
    if (zero)
        h.add(ExactRule::ZeroAfterFinalModifiers);
}

} // namespace rusrina::exact
