// The 4th generation: each modifier truncates at once. Power, attack and defence take their
// modifiers one by one; the damage then goes through three stages of modifiers: before the +2
// (burn, screens, spread, weather, もらいび), after it (critical hit, いのちのたま), and after the
// random roll (same type, the two type factors one at a time, then フィルター, たつじんのおび and
// いろめがね).

#include "calc/exact/exact_hit.h"

#include <algorithm>

namespace rusrina::exact {

using namespace damage;

namespace {

int64_t scaled(const Hit& h, int64_t value, const Factor& f) {
    writeFactor(h, f);
    return value * f.numerator / f.denominator;
}

struct PinchAbility {
    int ability;
    int type;
    const char* label;
};
constexpr PinchAbility kPinchAbilities[] = {
    {kOvergrow, kGrass, "「しんりょく」発動で草技威力"},
    {kBlaze, kFire, "「もうか」発動で炎技威力"},
    {kTorrent, kWater, "「げきりゅう」発動で水技威力"},
    {kSwarm, kBug, "「むしのしらせ」発動で虫技威力"},
};

void computePower(Hit& h) {
    int64_t p = h.power;
    if (h.a.move == kFacade && h.a.status)
        p = scaled(h, p, {2, 1, "「からげんき」は状態異常で威力"});
    if (h.a.conditions.helpingHand)
        p = scaled(h, p, {3, 2, "「てだすけ」で威力"});
    if (h.a.ability == kTechnician && p <= kTechnicianLimit)
        p = scaled(h, p, {3, 2, "「テクニシャン」で威力"});
    if (h.a.item == kMuscleBand && h.physical())
        p = scaled(h, p, {11, 10, "「ちからのハチマキ」で威力"});
    else if (h.a.item == kWiseGlasses && h.special())
        p = scaled(h, p, {11, 10, "「ものしりメガネ」で威力"});
    else if (h.a.item == kTypeItem)
        p = scaled(h, p, {12, 10, "「各種タイプ補正」（技のタイプの道具）で威力"});
    for (const PinchAbility& pinch : kPinchAbilities) {
        if (h.a.ability == pinch.ability && h.a.conditions.abilityActive && h.type == pinch.type)
            p = scaled(h, p, {3, 2, pinch.label});
    }
    if (h.defAbility == kHeatproof && h.type == kFire)
        p = scaled(h, p, {1, 2, "＞＞＞ 「たいねつ」で威力"});
    else if (h.defAbility == kThickFat && (h.type == kFire || h.type == kIce))
        p = scaled(h, p, {1, 2, "＞＞＞ 「あついしぼう」で威力"});
    else if (h.defAbility == kDrySkin && h.type == kFire)
        p = scaled(h, p, {5, 4, "＞＞＞ 「かんそうはだ」で威力"});
    h.power = static_cast<int>(p);
    writeValue(h, "補正後の威力", h.power);
}

int64_t abilityOnAttack(Hit& h, int64_t attack) {
    const int ability = h.a.ability;
    if ((ability == kHugePower || ability == kPurePower) && h.physical())
        return scaled(h, attack, {2, 1, "「ちからもち」「ヨガパワー」で攻撃"});
    if (ability == kAbilitySolarPower && h.weather == kWeatherSun && h.special())
        return scaled(h, attack, {3, 2, "「サンパワー」時に晴れで特攻"});
    if (ability == kHustle && h.physical())
        return scaled(h, attack, {3, 2, "「はりきり」で攻撃"});
    if (ability == kAbilityGuts && h.a.status && h.physical())
        return scaled(h, attack, {3, 2, "「こんじょう」で攻撃"});
    if (ability == kSlowStart && h.a.conditions.abilityActive && h.physical())
        return scaled(h, attack, {1, 2, "「スロースタート」発動中は攻撃"});
    return attack;
}

int64_t itemOnAttack(Hit& h, int64_t attack) {
    const int species = h.atk.species;
    const int item = h.a.item;
    if (item == kChoiceBand && h.physical())
        return scaled(h, attack, {3, 2, "「こだわりハチマキ」で攻撃"});
    if (item == kChoiceSpecs && h.special())
        return scaled(h, attack, {3, 2, "「こだわりメガネ」で特攻"});
    if (item == kSoulDew && (species == kLatias || species == kLatios) && h.special())
        return scaled(h, attack, {3, 2, "「こころのしずく」で特攻"});
    if (item == kLightBall && species == kPikachu)
        return scaled(h, attack, {2, 1, "「でんきだま」で攻撃"});
    if (item == kThickClub && (species == kCubone || species == kMarowak) && h.physical())
        return scaled(h, attack, {2, 1, "「ふといホネ」で攻撃"});
    if (item == kDeepSeaTooth && species == kClamperl && h.special())
        return scaled(h, attack, {2, 1, "「しんかいのキバ」で特攻"});
    return attack;
}

void computeAttack(Hit& h) {
    int64_t attack = stagedStat(h, h.atk.stat[h.physical() ? kAttack : kSpAttack], attackStageOf(h), true);
    attack = abilityOnAttack(h, attack);
    if (h.a.conditions.flowerGift && h.weather == kWeatherSun && h.physical())
        attack = scaled(h, attack, {3, 2, "「フラワーギフト」時に晴れで攻撃"});
    attack = itemOnAttack(h, attack);
    h.attack = static_cast<int>(attack);
    writeValue(h, h.physical() ? "補正後の攻撃" : "補正後の特攻", h.attack);
}

void computeDefence(Hit& h) {
    int64_t defence = stagedStat(h, h.def.stat[h.hitsDefence ? kDefence : kSpDefence], defenceStageOf(h), false);
    const int species = h.def.species;
    if (h.defItem == kSoulDew && (species == kLatias || species == kLatios) && !h.hitsDefence)
        defence = scaled(h, defence, {3, 2, "＞＞＞ 「こころのしずく」で特防"});
    else if (h.defItem == kDeepSeaScale && species == kClamperl && !h.hitsDefence)
        defence = scaled(h, defence, {2, 1, "＞＞＞ 「しんかいのウロコ」で特防"});
    else if (h.defItem == kMetalPowder && species == kDitto && h.hitsDefence)
        defence = scaled(h, defence, {2, 1, "＞＞＞ 「メタルパウダー」で防御"});
    const bool rock = h.defTypes.type1 == kRock || h.defTypes.type2 == kRock;
    if (h.weather == kWeatherSand && rock && !h.hitsDefence)
        defence = scaled(h, defence, {3, 2, "＞＞＞ 砂嵐で岩タイプは特防"});
    if (h.a.move == kSelfDestruct || h.a.move == kExplosion)
        defence = scaled(h, defence, {1, 2, "「じばく」「だいばくはつ」で防御"});
    h.defence = static_cast<int>(std::max<int64_t>(1, defence));
    writeValue(h, h.hitsDefence ? "＞＞＞ 補正後の防御" : "＞＞＞ 補正後の特防", h.defence);
}

// The base damage and the modifiers before the +2.
int64_t beforeTwo(Hit& h) {
    const int64_t level = 2 * h.atk.level / 5 + 2;
    int64_t d = level * h.power * h.attack / 50 / h.defence;
    writeValue(h, "基本ダメージ", d);
    if (h.a.conditions.burn && h.physical() && h.a.ability != kAbilityGuts)
        d = scaled(h, d, {1, 2, "「やけど」でダメージ"});
    if (h.screen && !h.critical) {
        const char* label = h.physical() ? "＞＞＞ 「リフレクター」でダメージ" : "＞＞＞ 「ひかりのかべ」でダメージ";
        d = h.a.conditions.doubleBattle ? scaled(h, d, {2, 3, label}) : scaled(h, d, {1, 2, label});
    }
    if (h.a.spread)
        d = scaled(h, d, {3, 4, "複数の相手への攻撃でダメージ"});
    const int w = h.weather;
    if ((w == kWeatherSun && h.type == kFire) || (w == kWeatherRain && h.type == kWater))
        d = scaled(h, d, {3, 2, "天候でダメージ"});
    else if ((w == kWeatherSun && h.type == kWater) || (w == kWeatherRain && h.type == kFire))
        d = scaled(h, d, {1, 2, "天候でダメージ"});
    if (h.a.ability == kFlashFire && h.a.conditions.abilityActive && h.type == kFire)
        d = scaled(h, d, {3, 2, "「もらいび」発動でダメージ"});
    return d;
}

void computeBase(Hit& h) {
    int64_t d = beforeTwo(h) + 2;
    if (h.critical)
        d = scaled(h, d, {2, 1, "急所でダメージ"});
    if (h.a.item == kLifeOrb)
        d = scaled(h, d, {13, 10, "「いのちのたま」でダメージ"});
    h.base = d;
    writeValue(h, "乱数前のダメージ", h.base);
}

} // namespace

void computeGen4(Hit& h) {
    computePower(h);
    computeAttack(h);
    computeDefence(h);
    computeBase(h);
    h.note("乱数： *0.85～1.00\r\n");
    if (h.out.sameType)
        writeFactor(h, {h.out.sameType == 2 ? 2 : 3, h.out.sameType == 2 ? 1 : 2,
                        h.out.sameType == 2 ? "「てきおうりょく」によりタイプ一致でダメージ" : "タイプ一致でダメージ"});
    writeEffect(h);
    const bool filter = (h.defAbility == kSolidRock || h.defAbility == kFilter) && h.superEffective();
    const bool belt = h.a.item == kExpertBelt && h.superEffective();
    const bool tinted = h.a.ability == kTintedLens && h.out.effect < kNeutralEffect;
    if (filter)
        writeFactor(h, {3, 4, "＞＞＞ 「ハードロック」「フィルター」でダメージ"});
    if (belt)
        writeFactor(h, {12, 10, "「たつじんのおび」でダメージ"});
    if (tinted)
        writeFactor(h, {2, 1, "「いろめがね」でダメージ"});
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
        h.out.rolls[i] = static_cast<int32_t>(std::clamp<int64_t>(d, 1, INT32_MAX));
    }
}

} // namespace rusrina::exact
