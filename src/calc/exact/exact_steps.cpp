// The steps both generations share: the weather that counts, the move's type and power, the
// effectiveness, the immunities and the moves that deal a set amount.

#include "calc/exact/exact_hit.h"

#include "calc/battle/speed.h"
#include "calc/exact/exact_turn_end.h"

#include "calc/stats.h"
#include "data/battle_data.h"
#include "data/held_items.h"
#include "data/species.h"
#include "data/types.h"

#include <algorithm>
#include <optional>

namespace rusrina::exact {

using namespace damage;

namespace {

bool cancelsWeather(AbilityId ability) {
    return ability == AbilityId::AirLock || ability == AbilityId::CloudNine;
}

// Forecast changes Castform alone, into the form of the weather: sun, rain or hail. A sandstorm
// has no form of its own and leaves it Normal.
void applyForecast(Hit& h, const BoxEntry& e, SpeciesTypes& types, ExactStepSide side) {
    if (abilityIdOf(e.ability) != AbilityId::Forecast || e.species != indexOf(SpeciesId::Castform))
        return;
    types.type1 = types.type2 = h.weather == kWeatherSand ? kNormal : weatherType(h.weather);
    h.add(ExactStep{.rule = ExactRule::Forecast, .side = side, .arg = types.type1});
}

int gyroBallPower(int attackerSpeed, int defenderSpeed) {
    return std::min(150, 25 * defenderSpeed / std::max(1, attackerSpeed) + 1);
}

int electroBallPower(int attackerSpeed, int defenderSpeed) {
    const int ratio = attackerSpeed / std::max(1, defenderSpeed);
    return ratio >= 4 ? 150 : ratio >= 3 ? 120 : ratio >= 2 ? 80 : ratio >= 1 ? 60 : 40;
}

int knownSpeed(const Hit& h, const ExactSide& side, bool attacking);

void setPowerFromSpeeds(Hit& h, bool gyroBall) {
    const int mine = attackerSpeed(h), theirs = defenderSpeed(h);
    h.power = gyroBall ? gyroBallPower(mine, theirs) : electroBallPower(mine, theirs);
    h.out.shownPower = h.power;
    h.add(ExactStep{.rule = gyroBall ? ExactRule::GyroBallPower : ExactRule::ElectroBallPower,
                    .after = h.power,
                    .arg = mine,
                    .arg2 = theirs});
}

} // namespace

int attackerSpeed(const Hit& h) {
    return knownSpeed(h, h.a.attacker, true);
}

int defenderSpeed(const Hit& h) {
    return knownSpeed(h, h.defSide, false);
}

namespace {

// The 4th generation applies the two chart entries one after the other, in the order of its
// matchup table, which lists the defending types in this order.
constexpr int kGen4TypeOrder[kTypeCount] = {0, 6, 9, 7, 8, 12, 11, 13, 16, -1, 1, 2, 4, 3, 10, 5, 14, 15};

int chartFactor(Hit& h, int defending) {
    const bool revealed = h.a.ability == AbilityId::Scrappy || h.a.conditions.foresight;
    if (revealed && (h.type == kNormal || h.type == kFighting) && defending == kGhost) {
        h.add(h.a.conditions.foresight ? ExactRule::ForesightOnGhost : ExactRule::ScrappyOnGhost);
        return 2;
    }
    if (h.a.conditions.gravity && h.type == kGround && defending == kFlying) {
        h.add(ExactRule::GravityOnFlying);
        return 2;
    }
    if (h.defItem == ItemId::IronBall && h.type == kGround && defending == kFlying) {
        h.add(ExactStep{.rule = ExactRule::IronBallGrounds, .side = ExactStepSide::Defender});
        return 2;
    }
    const int factor = typeChart(h.type, defending);
    if (factor == 0 && h.defItem == ItemId::RingTarget) {
        h.add(ExactStep{.rule = ExactRule::RingTargetHit, .side = ExactStepSide::Defender});
        return 2;
    }
    return factor;
}

// A rule that moves a stage, recorded with the stage before and after.
void changeStage(Hit& h, ExactRule rule, int& stage, int to, ExactStepSide side = ExactStepSide::Attacker,
                 int32_t arg = 0) {
    h.add(ExactStep{.rule = rule, .side = side, .before = stage, .after = to, .arg = arg});
    stage = to;
}

uint32_t moveFlags(const Hit& h) {
    return h.a.move == kNoMoveId ? 0 : moveBattleData(h.a.move, h.gen).flags;
}

void setAll(ExactRolls& out, int32_t damage) {
    out.rolls.fill(damage);
}

} // namespace

namespace {

// Multitype gives Arceus the type of the plate it holds.
void applyMultitype(Hit& h, const BoxEntry& e, ItemId item, SpeciesTypes& types, ExactStepSide side) {
    if (e.species != indexOf(SpeciesId::Arceus) || abilityIn(e, h.gen) != AbilityId::Multitype || !heldInTable(item))
        return;
    const int plate = heldItem(item).plateType;
    if (plate == kNoItemType)
        return;
    types.type1 = types.type2 = plate;
    h.add(ExactStep{.rule = ExactRule::Multitype, .side = side, .arg = plate});
}

} // namespace

void resolveWeatherAndTypes(Hit& h) {
    h.weather = h.a.conditions.weather;
    const AbilityId defender = abilityIdOf(h.def.ability);
    if (cancelsWeather(h.a.ability) || cancelsWeather(defender)) {
        h.weather = kWeatherNone;
        if (h.a.conditions.weather != kWeatherNone)
            h.add(ExactRule::CloudNine, indexOf(cancelsWeather(h.a.ability) ? h.a.ability : defender));
    }
    h.atkTypes = speciesTypesIn(h.atk.species, h.gen);
    h.defTypes = speciesTypesIn(h.def.species, h.gen);
    applyForecast(h, h.atk, h.atkTypes, ExactStepSide::Attacker);
    applyForecast(h, h.def, h.defTypes, ExactStepSide::Defender);
    applyMultitype(h, h.atk, h.a.item, h.atkTypes, ExactStepSide::Attacker);
    applyMultitype(h, h.def, h.defItem, h.defTypes, ExactStepSide::Defender);
}

// The move's own rules for its type and power.
void resolveMove(Hit& h) {
    h.type = h.a.type;
    h.power = h.a.power;
    switch (h.a.move) {
    case MoveId::WeatherBall:
        h.type = weatherType(h.weather);
        h.out.shownType = h.type;
        if (h.weather != kWeatherNone) {
            h.power = h.a.power * 2;
            h.addFactor(ExactRule::WeatherBallPower, 2, 1, h.a.power, h.power);
        }
        h.add(ExactStep{.rule = ExactRule::WeatherBallType, .arg = h.weather, .arg2 = h.type});
        break;
    case MoveId::HiddenPower: {
        const HiddenPower hp =
            hiddenPowerOf({h.atk.iv[0], h.atk.iv[1], h.atk.iv[2], h.atk.iv[3], h.atk.iv[4], h.atk.iv[5]});
        h.type = hp.type;
        h.power = hp.power;
        h.out.shownType = hp.type;
        h.out.shownPower = hp.power;
        break;
    }
    case MoveId::GyroBall:
        setPowerFromSpeeds(h, true);
        break;
    case MoveId::Judgment:
    case MoveId::TechnoBlast: {
        const HeldItem& item = heldItem(h.a.item);
        const int type = h.a.move == MoveId::Judgment ? item.plateType : item.driveType;
        if (heldInTable(h.a.item) && type != kNoItemType) {
            h.type = type;
            h.out.shownType = type;
            h.add(ExactStep{.rule = ExactRule::ItemGivesMoveType, .arg = indexOf(h.a.item), .arg2 = type});
        }
        break;
    }
    case MoveId::ElectroBall:
        setPowerFromSpeeds(h, false);
        break;
    default:
        resolveVariablePower(h);
        break;
    }
    // Normalize comes after the move's own type in the 4th generation. In the 5th it changes only
    // moves that are not Normal to begin with, so a move whose type is worked out from a Normal
    // one keeps it (Weather Ball, Hidden Power, Judgment, Techno Blast, Natural Gift).
    if (h.a.ability == AbilityId::Normalize && (h.gen4() || h.a.type != kNormal)) {
        h.type = kNormal;
        h.add(ExactRule::Normalize);
    }
}

void resolveEffectiveness(Hit& h) {
    if (h.typeless) {
        h.factor1 = h.factor2 = 2;
        h.out.effect = kNeutralEffect;
        return;
    }
    // In the 5th generation an Iron Ball makes a Ground move neutral on a Flying type, whatever
    // its other type.
    const bool flying = h.defTypes.type1 == kFlying || h.defTypes.type2 == kFlying;
    if (!h.gen4() && h.defItem == ItemId::IronBall && h.type == kGround && flying && !h.a.conditions.gravity) {
        h.add(ExactStep{.rule = ExactRule::IronBallGrounds, .side = ExactStepSide::Defender});
        h.factor1 = h.factor2 = 2;
        h.out.effect = kNeutralEffect;
        return;
    }
    int first = h.defTypes.type1;
    int second = h.defTypes.type2;
    if (h.gen4() && kGen4TypeOrder[second] < kGen4TypeOrder[first])
        std::swap(first, second);
    h.factor1 = chartFactor(h, first);
    h.factor2 = first == second ? 2 : chartFactor(h, second);
    h.out.effect = h.factor1 * h.factor2;
}

void recordEffectiveness(const Hit& h) {
    h.add(ExactStep{.rule = ExactRule::TypeEffectiveness,
                    .numerator = h.out.effect,
                    .denominator = kNeutralEffect,
                    .arg = h.factor1,
                    .arg2 = h.factor2});
}

// A side's stage of a stat: the window's, for the stat the move uses, plus the battle state's.
int stageOf(const ExactSide& side, int stageStat, int windowStage) {
    return std::clamp(windowStage + side.state.stages[stageStat], -kMaxStage, kMaxStage);
}

namespace {

// A pinch berry the attacker holds at a quarter of its HP or less (half with くいしんぼう), not
// marked as eaten: the holder eats it once its first hit is dealt, so every later hit has its stage.
bool pinchBerryEatenByNow(const Hit& h) {
    const std::optional<int> hp = hpNowOf(h.a.attacker);
    if (h.firstHit() || !hp)
        return false;
    return *hp * (h.a.ability == AbilityId::Gluttony ? 2 : 4) <= h.atk.stat[kHp];
}

// たんじゅん doubles the stage: the 4th generation every stage as it reads it; the 5th each change as
// it happens, so the battle state's stage, the stage the creature holds, stays as it is and only the
// changes counted here double (the window's, a berry's, ダウンロード's, くだけるよろい's), as the
// simulator has it. `held` is the state's part of `stage`.
int simpleStage(const Hit& h, int stage, int held) {
    const int doubled = h.gen4() ? stage * 2 : (stage - held) * 2 + held;
    return std::clamp(doubled, -kMaxStage, kMaxStage);
}

} // namespace

int attackStageOf(Hit& h) {
    // The attacker's own stage is in the window's 攻撃補正 already (prepareExactAttack adds it).
    int stage = kNeutralStage - h.a.conditions.attackStage;
    const int stateStat = h.physical() ? kStageAttack : kStageSpAttack;
    const bool berry =
        (h.a.item == ItemId::LiechiBerry && h.physical()) || (h.a.item == ItemId::PetayaBerry && h.special());
    if ((h.a.conditions.berryActive || pinchBerryEatenByNow(h)) && berry && stage < kMaxStage) {
        changeStage(h, h.physical() ? ExactRule::LiechiBerry : ExactRule::PetayaBerry, stage, stage + 1);
    }
    // Download raises, as the attacker comes in, the stat the defender's lower defence calls for:
    // the defences as they stand, the defender's stage on the one hit.
    int defence = h.def.stat[kDefence], spDefence = h.def.stat[kSpDefence];
    const int window = kNeutralStage - h.a.conditions.defenceStage;
    const auto ratio = [&](int stageStat, bool hit) {
        return StageRatios[kNeutralStage - stageOf(h.defSide, stageStat, hit ? window : 0)];
    };
    const StageRatio& d = ratio(kStageDefence, h.hitsDefence);
    const StageRatio& s = ratio(kStageSpDefence, !h.hitsDefence);
    defence = defence * d.numerator / d.denominator;
    spDefence = spDefence * s.numerator / s.denominator;
    const int downloaded = spDefence <= defence ? kSpAttack : kAttack;
    if (h.a.ability == AbilityId::Download && downloaded == (h.physical() ? kAttack : kSpAttack) && stage < kMaxStage)
        changeStage(h, ExactRule::Download, stage, stage + 1, ExactStepSide::Attacker, downloaded);
    if (h.a.ability == AbilityId::Simple)
        changeStage(h, ExactRule::Simple, stage, simpleStage(h, stage, h.a.attacker.state.stages[stateStat]));
    if (h.defAbility == AbilityId::Unaware && stage != 0)
        changeStage(h, ExactRule::Unaware, stage, 0, ExactStepSide::Defender);
    if (h.critical && stage < 0)
        changeStage(h, ExactRule::CriticalIgnoresAttackDrop, stage, 0);
    return stage;
}

int foulPlayStageOf(Hit& h) {
    int stage = h.defSide.state.stages[kStageAttack];
    // The defender's Download raised its attack as it came in when the attacker's defence, as it
    // stands, is the lower of the two.
    const auto staged = [&](int stat, int stageStat) {
        const StageRatio& r = StageRatios[kNeutralStage - stageOf(h.a.attacker, stageStat, 0)];
        return h.atk.stat[stat] * r.numerator / r.denominator;
    };
    const bool attackRaised = staged(kSpDefence, kStageSpDefence) > staged(kDefence, kStageDefence);
    if (abilityIn(h.def, h.gen) == AbilityId::Download && attackRaised && stage < kMaxStage)
        changeStage(h, ExactRule::Download, stage, stage + 1, ExactStepSide::Defender, kAttack);
    return stage;
}

// へんしょく turns its holder into the type of a move that hits it. The 4th generation does so after
// each hit, so every hit after the very first meets that type alone; from the 5th it does so
// after the whole use.
bool changedColour(Hit& h) {
    if (!h.gen4() || h.firstHit() || h.typeless || abilityIn(h.def, h.gen) != AbilityId::ColorChange)
        return false;
    if (h.defTypes.type1 == h.type || h.defTypes.type2 == h.type)
        return false;
    h.defTypes.type1 = h.defTypes.type2 = h.type;
    h.add(ExactStep{.rule = ExactRule::ColorChange, .side = ExactStepSide::Defender, .arg = h.type});
    return true;
}

bool burnHalves(const Hit& h) {
    if (!h.a.conditions.burn || !h.physical() || h.a.ability == AbilityId::Guts)
        return false;
    // A burned holder of チーゴのみ eats it once the first hit is dealt: the hits after it, and the
    // uses after, are made unburned.
    if (h.a.item == ItemId::RawstBerry && !h.firstHit()) {
        h.add(ExactRule::BurnCuredByBerry);
        return false;
    }
    return true;
}

bool weakArmorActs(const Hit& h) {
    return h.physical() && abilityIn(h.def, h.gen) == AbilityId::WeakArmor;
}

namespace {

// くだけるよろい lowers the holder's defence one stage after each physical hit; Mold Breaker does not
// stop it, as it acts after the damage. A white herb sets the first drop below ±0 back to ±0 and
// is gone. Only this use's earlier hits count: what earlier uses did is not known.
void lowerByWeakArmor(Hit& h, int& stage) {
    if (h.hitNumber == 0 || !weakArmorActs(h))
        return;
    bool herb = h.defItem == ItemId::WhiteHerb;
    int to = stage;
    for (int i = 0; i < h.hitNumber; ++i) {
        to = std::max(to - 1, -kMaxStage);
        if (herb && to < 0) {
            to = 0;
            herb = false;
        }
    }
    changeStage(h, ExactRule::WeakArmor, stage, to, ExactStepSide::Defender, h.hitNumber);
}

} // namespace

int defenceStageOf(Hit& h) {
    int stage = stageOf(h.defSide, h.hitsDefence ? kStageDefence : kStageSpDefence,
                        kNeutralStage - h.a.conditions.defenceStage);
    lowerByWeakArmor(h, stage);
    if (h.defAbility == AbilityId::Simple) {
        const int held = h.defSide.state.stages[h.hitsDefence ? kStageDefence : kStageSpDefence];
        changeStage(h, ExactRule::Simple, stage, simpleStage(h, stage, held), ExactStepSide::Defender);
    }
    if (h.a.ability == AbilityId::Unaware && stage != 0)
        changeStage(h, ExactRule::Unaware, stage, 0);
    if ((h.a.move == MoveId::ChipAway || h.a.move == MoveId::SacredSword) && stage != 0)
        changeStage(h, ExactRule::ChipAway, stage, 0, ExactStepSide::Attacker, indexOf(h.a.move));
    if (h.critical && stage > 0)
        changeStage(h, ExactRule::CriticalIgnoresDefenceRise, stage, 0);
    return stage;
}

namespace {

// The ability that makes the defender immune to the hit, if any (Mold Breaker has already taken
// away those it breaks).
std::optional<ExactRule> immunityOf(Hit& h) {
    switch (h.defAbility) {
    case AbilityId::WonderGuard:
        if (!h.superEffective() && !h.typeless && !(h.gen4() && h.a.move == MoveId::FireFang))
            return ExactRule::WonderGuard;
        break;
    case AbilityId::FlashFire:
        if (h.type == kFire)
            return ExactRule::FlashFireImmunity;
        break;
    case AbilityId::DrySkin:
        if (h.type == kWater)
            return ExactRule::DrySkinImmunity;
        break;
    case AbilityId::WaterAbsorb:
        if (h.type == kWater)
            return ExactRule::WaterAbsorb;
        break;
    case AbilityId::VoltAbsorb:
    case AbilityId::MotorDrive:
        if (h.type == kElectric)
            return ExactRule::VoltAbsorb;
        break;
    case AbilityId::Levitate:
        if (h.type == kGround && !h.a.conditions.gravity && h.defItem != ItemId::IronBall)
            return ExactRule::Levitate;
        if (h.type == kGround && h.a.conditions.gravity)
            h.add(ExactStep{.rule = ExactRule::GravityCancelsLevitate, .side = ExactStepSide::Defender});
        else if (h.type == kGround)
            h.add(ExactStep{.rule = ExactRule::IronBallGrounds, .side = ExactStepSide::Defender});
        break;
    case AbilityId::Soundproof:
        if (moveFlags(h) & kMoveSound)
            return ExactRule::Soundproof;
        break;
    default:
        break;
    }
    // In the 5th generation these draw the move in and take no damage from it.
    if (h.gen4())
        return std::nullopt;
    if (h.defAbility == AbilityId::SapSipper && h.type == kGrass)
        return ExactRule::SapSipper;
    if (h.defAbility == AbilityId::StormDrain && h.type == kWater)
        return ExactRule::StormDrain;
    if (h.defAbility == AbilityId::LightningRod && h.type == kElectric)
        return ExactRule::LightningRod;
    return std::nullopt;
}

} // namespace

bool blockedByAbility(Hit& h) {
    const std::optional<ExactRule> immunity = immunityOf(h);
    if (immunity) {
        h.add(ExactStep{.rule = *immunity, .side = ExactStepSide::Defender, .arg = indexOf(h.defAbility)});
        return true;
    }
    // A balloon is held up until something hits it (Gravity brings it down).
    if (h.defItem == ItemId::AirBalloon && h.type == kGround && !h.a.conditions.gravity) {
        h.add(ExactStep{.rule = ExactRule::AirBalloon, .side = ExactStepSide::Defender});
        return true;
    }
    return false;
}

// Moves that deal a set amount whatever the stats (the type chart still makes a foe immune).
bool dealtFixedDamage(Hit& h) {
    int32_t damage = 0;
    switch (h.a.move) {
    case MoveId::SeismicToss:
    case MoveId::NightShade:
        damage = h.atk.level;
        break;
    case MoveId::DragonRage:
        damage = 40;
        break;
    case MoveId::SonicBoom:
        damage = 20;
        break;
    case MoveId::SuperFang: // each use halves what is left
        damage = std::max(1, h.out.hpLeft() / 2);
        h.out.halvesHp = true;
        break;
    default:
        return dealtVariableDamage(h);
    }
    h.out.fixed = true;
    setAll(h.out, damage);
    h.add(ExactStep{.rule = ExactRule::FixedDamage, .after = damage, .arg = indexOf(h.a.move)});
    return true;
}

// A stat under its stage, as the game reads the stage tables (stat × numerator / denominator).
int stagedStat(Hit& h, int stat, int stage, bool attacking) {
    stage = std::clamp(stage, -kMaxStage, kMaxStage);
    const StageRatio& r = StageRatios[kNeutralStage - stage];
    const int value = stat * r.numerator / r.denominator;
    h.add(ExactStep{.rule = ExactRule::StatStage,
                    .side = attacking ? ExactStepSide::Attacker : ExactStepSide::Defender,
                    .numerator = r.numerator,
                    .denominator = r.denominator,
                    .before = stat,
                    .after = value,
                    .arg = stage});
    return value;
}

bool typeItemBoosts(const Hit& h) {
    if (h.typeless)
        return false;
    if (h.a.item == kAnyTypeItem)
        return true;
    const HeldItem& item = heldItem(h.a.item);
    switch (item.boostKind) {
    case kBoostType:
        return item.boostType == h.type;
    case kBoostSpeciesTypes: {
        const int number = speciesRecord(h.atk.species).number;
        const bool owner = number == item.species1 || number == item.species2;
        return owner && (item.boostType == h.type || item.boostType2 == h.type);
    }
    default:
        return false;
    }
}

bool gemBoosts(const Hit& h) {
    const HeldItem& item = heldItem(h.a.item);
    // The use that spends it is boosted on every hit; a later use finds it gone.
    return heldInTable(h.a.item) && item.boostKind == kBoostGem && item.boostType == h.type && !h.typeless &&
           !h.laterUse;
}

bool recklessBoosts(const Hit& h) {
    return h.a.ability == AbilityId::Reckless && (moveFlags(h) & (kMoveRecoil | kMoveCrash));
}

bool ironFistBoosts(const Hit& h) {
    return h.a.ability == AbilityId::IronFist && (moveFlags(h) & kMovePunch);
}

bool sheerForceBoosts(const Hit& h) {
    return h.a.ability == AbilityId::SheerForce && (moveFlags(h) & kMoveSecondaryEffect);
}

int rivalryOf(const Hit& h) {
    if (h.a.ability != AbilityId::Rivalry)
        return 0;
    const int mine = h.a.attacker.gender, theirs = h.defSide.gender;
    if (mine == kUnknownGender || theirs == kUnknownGender) {
        h.add(ExactRule::RivalryUnknown);
        return 0;
    }
    return mine == theirs ? 1 : -1;
}

namespace {

// The speed status the window or the battle state gives a side: a burn, or the ability's condition
// set for はやあし (which needs a status, whichever it is); a paralysis only the battle state knows.
SpeedStatus speedStatusOf(const ExactSide& side, bool burned, bool conditionMet) {
    if (!side.state.status)
        return burned || conditionMet ? SpeedStatus::Other : SpeedStatus::None;
    switch (*side.state.status) {
    case StatusCondition::None:
        return SpeedStatus::None;
    case StatusCondition::Paralysis:
        return SpeedStatus::Paralysis;
    default:
        return SpeedStatus::Other;
    }
}

// A side's speed as the turn order reads it (calc/battle/speed.h), with what the window and the
// battle state know: its stage, status and おいかぜ, and マジックルーム. The attacker's ability condition set means
// its status for はやあし, its item used up for かるわざ, and スロースタート still acting; the defender
// has no ability state, so those do not act for it.
int knownSpeed(const Hit& h, const ExactSide& side, bool attacking) {
    const BoxEntry& e = *side.entry;
    ItemId item = heldItemOfSide(side);
    if (heldInTable(item) && heldItem(item).generation > static_cast<int>(h.gen))
        item = ItemId::None; // an item of a later generation is none here
    const bool conditionMet = attacking && h.a.conditions.abilityActive;
    SpeedSide s;
    s.stat = e.stat[kSpeed];
    s.species = e.species;
    s.ability = attacking ? h.a.ability : abilityIn(e, h.gen);
    s.heldItem = item; // ぶきよう is speed.h's to apply: the training items act through it
    s.status = speedStatusOf(side, attacking && h.a.conditions.burn, conditionMet && s.ability == AbilityId::QuickFeet);
    s.itemUsedUp = conditionMet && item == ItemId::None;
    s.slowStartActive = conditionMet;
    s.stage = side.state.stages[kStageSpeed];
    s.tailwind = side.state.tailwind;
    const SpeedField field{.generation = h.gen, .weather = h.weather, .magicRoom = h.a.magicRoom};
    return effectiveSpeed(s, field).speed;
}

} // namespace

bool analyticActs(const Hit& h) {
    if (h.a.ability != AbilityId::Analytic)
        return false;
    // The defender is taken to use a move of no priority.
    const int priority = h.a.move == kNoMoveId ? 0 : moveBattleData(h.a.move, h.gen).priority;
    const int mine = attackerSpeed(h), theirs = defenderSpeed(h);
    int why = -1;
    if (h.a.conditions.abilityActive)
        why = 2;
    else if (priority < 0 || (priority == 0 && mine < theirs))
        why = 0;
    else if (priority == 0 && mine == theirs)
        why = 1;
    if (why >= 0)
        h.add(ExactRule::AnalyticAssumesLast, why);
    return why >= 0;
}

bool resistBerryHalves(const Hit& h) {
    const HeldItem& berry = heldItem(h.defItem);
    // Eaten by the first hit it halves: the hits after it meet no berry.
    if (!heldInTable(h.defItem) || berry.resistType == kNoItemType || berry.resistType != h.type || h.typeless ||
        !h.firstHit())
        return false;
    if (!h.superEffective() && h.type != kNormal)
        return false;
    if (h.a.ability == AbilityId::Unnerve) {
        h.add(ExactStep{
            .rule = ExactRule::ResistBerryUnnerved, .side = ExactStepSide::Defender, .arg = indexOf(h.defItem)});
        return false;
    }
    return true;
}

bool chargeDoubles(const Hit& h) {
    return h.a.attacker.state.charged && h.type == kElectric && !h.typeless;
}

bool attackerPoisoned(const Hit& h) {
    const std::optional<StatusCondition> s = h.a.attacker.state.status;
    return s == StatusCondition::Poison || s == StatusCondition::BadPoison;
}

bool defenderHasStatus(const Hit& h) {
    const std::optional<StatusCondition> s = h.defSide.state.status;
    if (!s) {
        h.add(ExactRule::MarvelScaleAssumesNoStatus);
        return false;
    }
    return *s != StatusCondition::None;
}

bool multiscaleActs(const Hit& h) {
    // Only the first hit meets the defender at full HP, and only when the battle state leaves it
    // there: no HP lost before, no hazard taken as it came in.
    if (h.defAbility != AbilityId::Multiscale || !h.firstHit())
        return false;
    const std::optional<int> hp = hpNowOf(h.defSide);
    if (hp && *hp < h.def.stat[kHp])
        return false;
    return !h.defSide.state.switchingIn || turnEndPlan(h.a, h.defSide).onEntry.empty();
}

bool evioliteActs(const Hit& h) {
    return h.defItem == ItemId::Eviolite && evolvesFurther(h.def.species);
}

bool breaksAbilities(AbilityId ability) {
    return ability == AbilityId::MoldBreaker || ability == AbilityId::Turboblaze || ability == AbilityId::Teravolt;
}

bool allyFlowerGiftActs(Hit& h) {
    if (!h.a.conditions.flowerGift || h.weather != kWeatherSun || !h.physical() || h.a.ability == AbilityId::FlowerGift)
        return false;
    if (breaksAbilities(h.a.ability)) {
        h.add(ExactStep{
            .rule = ExactRule::AllyAbilityBroken, .arg = indexOf(AbilityId::FlowerGift), .arg2 = indexOf(h.a.ability)});
        return false;
    }
    return true;
}

} // namespace rusrina::exact
