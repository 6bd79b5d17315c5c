// The 5th generation: modifiers in 4096ths, chained per stage (power, attack, defence, final) with
// rounding at each link, and applied with rounding half down. The stages in the game's order:
// power, attack, defence, base damage, spread, weather, critical hit, the random roll, same type,
// effectiveness, burn, and the final modifiers.

#include "calc/exact/exact_hit.h"

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
    void add(int32_t mod, const char* label) {
        writeFactor(m_hit, {mod, kOne, label});
        m_product = (m_product * mod + 2048) >> 12;
        ++m_count;
    }
    int32_t product(int32_t lowest, int32_t highest) const {
        if (m_count > 1 && m_hit.log)
            m_hit.log->appendf("（補正値の積： %d/4096）\r\n", static_cast<int>(m_product));
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

struct PinchAbility {
    int ability;
    int type;
    const char* label;
};
constexpr PinchAbility kPinchAbilities[] = {
    {kOvergrow, kGrass, "「しんりょく」発動で攻撃"},
    {kBlaze, kFire, "「もうか」発動で攻撃"},
    {kTorrent, kWater, "「げきりゅう」発動で攻撃"},
    {kSwarm, kBug, "「むしのしらせ」発動で攻撃"},
};

void computePower(Hit& h) {
    Chain c(h);
    if (h.a.ability == kTechnician && h.power <= kTechnicianLimit)
        c.add(6144, "「テクニシャン」で威力");
    if (h.defAbility == kHeatproof && h.type == kFire)
        c.add(2048, "＞＞＞ 「たいねつ」で威力");
    else if (h.defAbility == kDrySkin && h.type == kFire)
        c.add(5120, "＞＞＞ 「かんそうはだ」で威力");
    if (h.a.item == kTypeItem)
        c.add(4915, "「各種タイプ補正」（技のタイプの道具）で威力");
    else if ((h.a.item == kMuscleBand && h.physical()) || (h.a.item == kWiseGlasses && h.special()))
        c.add(4505, h.physical() ? "「ちからのハチマキ」で威力" : "「ものしりメガネ」で威力");
    if (h.a.move == kFacade && h.a.status)
        c.add(8192, "「からげんき」は状態異常で威力");
    if (h.a.conditions.helpingHand)
        c.add(6144, "「てだすけ」で威力");
    h.power = static_cast<int>(wrap16(c.apply(h.power, 41, 2097152)));
    writeValue(h, "補正後の威力", h.power);
}

void addAttackAbility(Hit& h, Chain& c) {
    const bool active = h.a.conditions.abilityActive;
    for (const PinchAbility& p : kPinchAbilities) {
        if (h.a.ability == p.ability && active && h.type == p.type)
            c.add(6144, p.label);
    }
    if (h.a.ability == kAbilityGuts && h.a.status && h.physical())
        c.add(6144, "「こんじょう」で攻撃");
    else if (h.a.ability == kFlashFire && active && h.type == kFire)
        c.add(6144, "「もらいび」発動で攻撃");
    else if (h.a.ability == kAbilitySolarPower && h.weather == kWeatherSun && h.special())
        c.add(6144, "「サンパワー」時に晴れで特攻");
    else if (h.a.ability == kSlowStart && active && h.physical())
        c.add(2048, "「スロースタート」発動中は攻撃");
    else if ((h.a.ability == kHugePower || h.a.ability == kPurePower) && h.physical())
        c.add(8192, "「ちからもち」「ヨガパワー」で攻撃");
}

void addAttackItem(Hit& h, Chain& c) {
    const int species = h.atk.species;
    const int item = h.a.item;
    if ((item == kThickClub && (species == kCubone || species == kMarowak) && h.physical()) ||
        (item == kDeepSeaTooth && species == kClamperl && h.special()) || (item == kLightBall && species == kPikachu))
        c.add(8192, item == kThickClub   ? "「ふといホネ」で攻撃"
                    : item == kLightBall ? "「でんきだま」で攻撃"
                                         : "「しんかいのキバ」で特攻");
    else if ((item == kSoulDew && (species == kLatias || species == kLatios) && h.special()) ||
             (item == kChoiceBand && h.physical()) || (item == kChoiceSpecs && h.special()))
        c.add(6144, item == kSoulDew      ? "「こころのしずく」で特攻"
                    : item == kChoiceBand ? "「こだわりハチマキ」で攻撃"
                                          : "「こだわりメガネ」で特攻");
}

void computeAttack(Hit& h, int stage) {
    int attack = stagedStat(h, h.atk.stat[h.physical() ? kAttack : kSpAttack], stage, true);
    if (h.a.ability == kHustle && h.physical()) {
        attack = attack * 3 / 2;
        h.note("「はりきり」で攻撃力： *1.5\r\n");
    }
    Chain c(h);
    if (h.defAbility == kThickFat && (h.type == kFire || h.type == kIce))
        c.add(2048, "＞＞＞ 「あついしぼう」で攻撃");
    addAttackAbility(h, c);
    if (h.a.conditions.flowerGift && h.weather == kWeatherSun && h.physical())
        c.add(6144, "「フラワーギフト」時に晴れで攻撃");
    addAttackItem(h, c);
    h.attack = static_cast<int>(wrap16(c.apply(attack, 410, 131072)));
    writeValue(h, h.physical() ? "補正後の攻撃" : "補正後の特攻", h.attack);
}

void computeDefence(Hit& h, int stage) {
    int defence = stagedStat(h, h.def.stat[h.hitsDefence ? kDefence : kSpDefence], stage, false);
    const bool rock = h.defTypes.type1 == kRock || h.defTypes.type2 == kRock;
    if (h.weather == kWeatherSand && rock && !h.hitsDefence) {
        defence = defence * 3 / 2;
        h.note("＞＞＞ 砂嵐で岩タイプは特防： *1.5\r\n");
    }
    Chain c(h);
    const int species = h.def.species;
    if (h.defItem == kSoulDew && (species == kLatias || species == kLatios) && !h.hitsDefence)
        c.add(6144, "＞＞＞ 「こころのしずく」で特防");
    if (h.defItem == kMetalPowder && species == kDitto && h.hitsDefence)
        c.add(8192, "＞＞＞ 「メタルパウダー」で防御");
    else if (h.defItem == kDeepSeaScale && species == kClamperl && !h.hitsDefence)
        c.add(8192, "＞＞＞ 「しんかいのウロコ」で特防");
    h.defence = static_cast<int>(std::max<int64_t>(1, wrap16(c.apply(defence, 410, 131072))));
    writeValue(h, h.hitsDefence ? "＞＞＞ 補正後の防御" : "＞＞＞ 補正後の特防", h.defence);
}

// Base damage, then spread, weather and critical hit: everything before the random roll.
void computeBase(Hit& h) {
    const int64_t level = 2 * h.atk.level / 5 + 2;
    h.base = wrap32(wrap32(level * h.power) * h.attack) / h.defence / 50 + 2;
    writeValue(h, "基本ダメージ", h.base);
    if (h.a.spread) {
        h.base = roundHalfDown(h.base, 3072);
        writeFactor(h, {3072, kOne, "複数の相手への攻撃でダメージ"});
    }
    const bool boosted =
        (h.weather == kWeatherSun && h.type == kFire) || (h.weather == kWeatherRain && h.type == kWater);
    const bool weakened =
        (h.weather == kWeatherSun && h.type == kWater) || (h.weather == kWeatherRain && h.type == kFire);
    if (boosted || weakened) {
        h.base = roundHalfDown(h.base, boosted ? 6144 : 2048);
        writeFactor(h, {boosted ? 6144 : 2048, kOne, "天候でダメージ"});
    }
    if (h.critical) {
        h.base = wrap32(h.base * 2);
        h.note("急所でダメージ： *2\r\n");
    }
    writeValue(h, "乱数前のダメージ", h.base);
}

int32_t finalModifier(Hit& h) {
    Chain c(h);
    if (h.screen && !h.critical)
        c.add(h.a.conditions.doubleBattle ? 2703 : 2048,
              h.physical() ? "＞＞＞ 「リフレクター」でダメージ" : "＞＞＞ 「ひかりのかべ」でダメージ");
    if (h.a.ability == kTintedLens && h.out.effect < kNeutralEffect)
        c.add(8192, "「いろめがね」でダメージ");
    if ((h.defAbility == kSolidRock || h.defAbility == kFilter) && h.superEffective())
        c.add(3072, "＞＞＞ 「ハードロック」「フィルター」でダメージ");
    if (h.a.item == kExpertBelt && h.superEffective())
        c.add(4915, "「たつじんのおび」でダメージ");
    else if (h.a.item == kLifeOrb)
        c.add(5324, "「いのちのたま」でダメージ");
    return c.product(41, 131072);
}

} // namespace

void computeGen5(Hit& h) {
    computePower(h);
    computeAttack(h, attackStageOf(h));
    computeDefence(h, defenceStageOf(h));
    computeBase(h);
    h.note("乱数： *0.85～1.00\r\n");
    const int32_t sameType = h.out.sameType == 2 ? 8192 : h.out.sameType == 1 ? 6144 : kOne;
    if (h.out.sameType)
        writeFactor(h, {sameType, kOne,
                        h.out.sameType == 2 ? "「てきおうりょく」によりタイプ一致でダメージ" : "タイプ一致でダメージ"});
    writeEffect(h);
    const bool burnt = h.a.conditions.burn && h.physical() && h.a.ability != kAbilityGuts;
    if (burnt)
        h.note("「やけど」でダメージ： *0.5\r\n");
    const int32_t last = finalModifier(h);
    for (int i = 0; i < kRollCount; ++i) {
        int64_t d = wrap32(h.base * (85 + i)) / 100;
        if (sameType != kOne)
            d = roundHalfDown(d, sameType);
        d = wrap32(d * h.out.effect / kNeutralEffect);
        if (burnt)
            d /= 2;
        d = wrap32(d * last) < kOne ? 1 : roundHalfDown(d, last);
        h.out.rolls[i] = static_cast<int32_t>(wrap16(d));
    }
}

} // namespace rusrina::exact
