// The steps both generations share: the weather that counts, the move's type and power, the
// effectiveness, the immunities and the moves that deal a set amount.

#include "calc/exact/exact_hit.h"

#include "calc/stats.h"
#include "data/types.h"

#include <algorithm>
#include <cinttypes>

namespace rusrina::exact {

using namespace damage;

namespace {

bool cancelsWeather(int ability) {
    return ability == kAirLock || ability == kCloudNine;
}

// てんきや changes ポワルン alone, to the type of the weather (ノーマル without one).
void applyForecast(Hit& h, const BoxEntry& e, SpeciesTypes& types, const char* line) {
    if (e.ability != kAbilityForecast || e.species != kCastform)
        return;
    types.type1 = types.type2 = weatherType(h.weather);
    if (h.log)
        h.log->appendf(line, typeName(types.type1));
}

int gyroBallPower(int attackerSpeed, int defenderSpeed) {
    return std::min(150, 25 * defenderSpeed / std::max(1, attackerSpeed) + 1);
}

int electroBallPower(int attackerSpeed, int defenderSpeed) {
    const int ratio = attackerSpeed / std::max(1, defenderSpeed);
    return ratio >= 4 ? 150 : ratio >= 3 ? 120 : ratio >= 2 ? 80 : ratio >= 1 ? 60 : 40;
}

// The attacker's speed; スロースタート halves it while it lasts.
int attackerSpeed(const Hit& h) {
    const bool slowed = h.a.ability == kSlowStart && h.a.conditions.abilityActive;
    return slowed ? h.atk.stat[kSpeed] / 2 : h.atk.stat[kSpeed];
}

void setPowerFromSpeeds(Hit& h, bool gyroBall) {
    const int mine = attackerSpeed(h), theirs = h.def.stat[kSpeed];
    h.power = gyroBall ? gyroBallPower(mine, theirs) : electroBallPower(mine, theirs);
    h.out.shownPower = h.power;
    if (h.log)
        h.log->appendf("「%s」： 素早さ %d 対 %d で威力 %d\r\n", gyroBall ? "ジャイロボール" : "エレキボール", mine,
                       theirs, h.power);
}

// The 4th generation applies the two chart entries one after the other, in the order of its
// matchup table, which lists the defending types in this order.
constexpr int kGen4TypeOrder[kTypeCount] = {0, 6, 9, 7, 8, 12, 11, 13, 16, -1, 1, 2, 4, 3, 10, 5, 14, 15};

int chartFactor(Hit& h, int defending) {
    const bool revealed = h.a.ability == kAbilityScrappy || h.a.conditions.foresight;
    if (revealed && (h.type == kNormal || h.type == kFighting) && defending == kGhost) {
        h.note(h.a.conditions.foresight ? "「みやぶる」により「ノーマル格闘」有効\r\n"
                                        : "「きもったま」により「ノーマル格闘」有効\r\n");
        return 2;
    }
    if (h.a.conditions.gravity && h.type == kGround && defending == kFlying) {
        h.note("「じゅうりょく」により「じめん」等倍\r\n");
        return 2;
    }
    return typeChart(h.type, defending);
}

void setAll(ExactRolls& out, int32_t damage) {
    out.rolls.fill(damage);
}

} // namespace

void resolveWeatherAndTypes(Hit& h) {
    h.weather = h.a.conditions.weather;
    if (cancelsWeather(h.a.ability) || cancelsWeather(h.def.ability)) {
        h.weather = kWeatherNone;
        if (h.a.conditions.weather != kWeatherNone)
            h.note("「エアロック」「ノーてんき」により天候の影響なし\r\n");
    }
    h.atkTypes = speciesTypesIn(h.atk.species, h.gen);
    h.defTypes = speciesTypesIn(h.def.species, h.gen);
    applyForecast(h, h.atk, h.atkTypes, "「てんきや」により%sタイプに\r\n");
    applyForecast(h, h.def, h.defTypes, "＞＞＞ 「てんきや」により%sタイプに\r\n");
}

// The move's own rules for its type and power.
void resolveMove(Hit& h) {
    h.type = h.a.type;
    h.power = h.a.power;
    switch (h.a.move) {
    case kWeatherBall:
        h.type = weatherType(h.weather);
        h.out.shownType = h.type;
        if (h.weather != kWeatherNone) {
            h.power = h.a.power * 2;
            h.note("天候により威力： *2\r\n");
        }
        if (h.log)
            h.log->appendf("（天候：%s＝%sタイプ）\r\n", weatherName(h.weather), typeName(h.type));
        break;
    case kMoveHiddenPower: {
        const HiddenPower hp =
            hiddenPowerOf({h.atk.iv[0], h.atk.iv[1], h.atk.iv[2], h.atk.iv[3], h.atk.iv[4], h.atk.iv[5]});
        h.type = hp.type;
        h.power = hp.power;
        h.out.shownType = hp.type;
        h.out.shownPower = hp.power;
        break;
    }
    case kReturn:
    case kFrustration:
        h.power = kMaxReturnPower;
        h.note("最大威力に設定：＝102\r\n");
        break;
    case kGyroBall:
        setPowerFromSpeeds(h, true);
        break;
    case kElectroBall:
        setPowerFromSpeeds(h, false);
        break;
    default:
        break;
    }
    // ノーマルスキン comes after the move's own type in the 4th generation; in the 5th it leaves
    // ウェザーボール the type of the weather.
    if (h.a.ability == kAbilityNormalize && (h.gen4() || h.a.move != kWeatherBall)) {
        h.type = kNormal;
        h.note("「ノーマルスキン」によりノーマルタイプに変更\r\n");
    }
}

void resolveEffectiveness(Hit& h) {
    int first = h.defTypes.type1;
    int second = h.defTypes.type2;
    if (h.gen4() && kGen4TypeOrder[second] < kGen4TypeOrder[first])
        std::swap(first, second);
    h.factor1 = chartFactor(h, first);
    h.factor2 = first == second ? 2 : chartFactor(h, second);
    h.out.effect = h.factor1 * h.factor2;
}

void writeEffect(const Hit& h) {
    if (h.log)
        h.log->append("相性補正： *" + decimalText(h.out.effect, 4, 2) + "\r\n");
}

int attackStageOf(Hit& h) {
    int stage = kNeutralStage - h.a.conditions.attackStage;
    const bool berry = (h.a.item == kLiechiBerry && h.physical()) || (h.a.item == kPetayaBerry && h.special());
    if (h.a.conditions.berryActive && berry && stage < kMaxStage) {
        ++stage;
        h.note(h.physical() ? "「チイラのみ」で攻撃ランク+1\r\n" : "「ヤタピのみ」で特攻ランク+1\r\n");
    }
    if (h.a.ability == kAbilitySimple) {
        stage = std::clamp(stage * 2, -kMaxStage, kMaxStage);
        h.note("「たんじゅん」でランク影響2倍\r\n");
    }
    if (h.defAbility == kAbilityUnaware && stage != 0) {
        stage = 0;
        h.note("＞＞＞ 「てんねん」で相手のランク影響無視\r\n");
    }
    if (h.critical && stage < 0) {
        stage = 0;
        h.note("急所で攻撃ランクの下降を無視\r\n");
    }
    return stage;
}

int defenceStageOf(Hit& h) {
    int stage = kNeutralStage - h.a.conditions.defenceStage;
    if (h.defAbility == kAbilitySimple) {
        stage = std::clamp(stage * 2, -kMaxStage, kMaxStage);
        h.note("＞＞＞ 「たんじゅん」でランク影響2倍\r\n");
    }
    if (h.a.ability == kAbilityUnaware && stage != 0) {
        stage = 0;
        h.note("「てんねん」で相手のランク影響無視\r\n");
    }
    if ((h.a.move == kChipAway || h.a.move == kSacredSword) && stage != 0) {
        stage = 0;
        h.note("「なしくずし」「せいなるつるぎ」で相手のランク影響無視\r\n");
    }
    if (h.critical && stage > 0) {
        stage = 0;
        h.note("急所で防御ランクの上昇を無視\r\n");
    }
    return stage;
}

// Abilities that make the defender immune (かたやぶり has already taken away those it breaks).
bool blockedByAbility(Hit& h) {
    const char* line = nullptr;
    switch (h.defAbility) {
    case kWonderGuard:
        if (!h.superEffective() && !(h.gen4() && h.a.move == kFireFang))
            line = "「ふしぎなまもり」で無効\r\n";
        break;
    case kFlashFire:
        if (h.type == kFire)
            line = "「もらいび」で炎技無効\r\n";
        break;
    case kDrySkin:
        if (h.type == kWater)
            line = "「かんそうはだ」で水技無効\r\n";
        break;
    case kWaterAbsorb:
        if (h.type == kWater)
            line = "「ちょすい」で水技無効\r\n";
        break;
    case kVoltAbsorb:
    case kMotorDrive:
        if (h.type == kElectric)
            line = "「ちくでん」「でんきエンジン」で電気技無効\r\n";
        break;
    case kLevitate:
        if (h.type == kGround) {
            if (!h.a.conditions.gravity)
                line = "「ふゆう」で地面技無効\r\n";
            else
                h.note("「じゅうりょく」で「ふゆう」が無効＝地面技等倍\r\n");
        }
        break;
    default:
        break;
    }
    if (line)
        h.note(line);
    return line != nullptr;
}

// Moves that deal a set amount whatever the stats (the type chart still makes a foe immune).
bool dealtFixedDamage(Hit& h) {
    int32_t damage = 0;
    switch (h.a.move) {
    case kSeismicToss:
    case kNightShade:
        damage = h.atk.level;
        break;
    case kDragonRage:
        damage = 40;
        break;
    case kSonicBoom:
        damage = 20;
        break;
    case kSuperFang:
        damage = std::max(1, h.def.stat[kHp] / 2);
        break;
    default:
        return false;
    }
    h.out.fixed = true;
    setAll(h.out, damage);
    if (h.log)
        h.log->appendf("固定ダメージ： %" PRId32 "\r\n", damage);
    return true;
}

// A stat under its stage, as the game reads the stage tables (stat × numerator / denominator).
int stagedStat(Hit& h, int stat, int stage, bool attacking) {
    stage = std::clamp(stage, -kMaxStage, kMaxStage);
    const StageRatio& r = StageRatios[kNeutralStage - stage];
    if (h.log) {
        h.log->append(attacking ? "攻撃ランク補正＝攻撃力： *" : "＞＞＞ 防御ランク補正＝防御力： *");
        h.log->append(decimalText(r.numerator, r.denominator, 2) + "\r\n");
    }
    return stat * r.numerator / r.denominator;
}

// "「テクニシャン」で威力： *1.5": a 4096-based factor of the 5th generation shows its fraction
// when its decimal is not exact ("*1.20 (4915/4096)").
void writeFactor(const Hit& h, const Factor& f) {
    if (!h.log)
        return;
    std::string value;
    if ((int64_t{f.numerator} * 1000) % f.denominator == 0)
        value = shortDecimalText(f.numerator, f.denominator);
    else
        value = decimalText(f.numerator, f.denominator, 2) + " (" + std::to_string(f.numerator) + "/" +
                std::to_string(f.denominator) + ")";
    h.log->append(std::string(f.label) + "： *" + value + "\r\n");
}

void writeValue(const Hit& h, const char* label, int64_t value) {
    if (h.log)
        h.log->append(std::string(label) + "： " + std::to_string(value) + "\r\n");
}

std::string decimalText(int64_t num, int64_t den, int places) {
    int64_t scale = 1;
    for (int i = 0; i < places; ++i)
        scale *= 10;
    int64_t q = num * scale / den;
    const int64_t twice = 2 * (num * scale % den);
    if (twice > den || (twice == den && q % 2 == 1))
        ++q;
    std::string fraction = std::to_string(q % scale);
    fraction.insert(0, static_cast<size_t>(places) - fraction.size(), '0');
    return std::to_string(q / scale) + (places ? "." + fraction : "");
}

std::string shortDecimalText(int64_t num, int64_t den) {
    std::string text = decimalText(num, den, 3);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

} // namespace rusrina::exact
