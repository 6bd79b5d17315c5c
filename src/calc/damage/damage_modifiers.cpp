// The modifiers of a damage row, each step writing the log lines of what it applied.

#include "calc/damage/damage_row.h"

#include "data/species.h"
#include "data/types.h"
#include "text/ui_text.h"

namespace rusrina::damage {

// ノーマルスキン, the defender's types and the weather that counts.
void applyTypeAndWeather(Row& r) {
    if (r.atkAbility() == AbilityId::Normalize) {
        r.type = kNormal;
        r.log().append(text::uiText("DamageLog", "「ノーマルスキン」によりノーマルタイプに変更") + "\r\n");
    }
    const SpeciesRecord& defSpecies = speciesRecord(r.def.species);
    r.defType1 = defSpecies.type1;
    r.defType2 = defSpecies.type2;
    r.weather = r.cond.weather;
    const auto cancelsWeather = [](AbilityId ability) {
        return ability == AbilityId::AirLock || ability == AbilityId::CloudNine;
    };
    if (cancelsWeather(r.atkAbility()) || cancelsWeather(r.defAbility())) {
        r.weather = kWeatherNone;
        r.log().append(text::uiText("DamageLog", "「エアロック」「ノーてんき」により天候を通常に") + "\r\n");
    }
    if (r.atkAbility() == AbilityId::Forecast) {
        const int shown = r.weather == kWeatherNone ? speciesRecord(r.atk.species).type1 : weatherType(r.weather);
        r.log().append(text::fillText(text::uiText("DamageLog", "「てんきや」により%1タイプに"), {typeName(shown)}) +
                       "\r\n");
    }
    if (r.defAbility() == AbilityId::Forecast) {
        if (r.weather != kWeatherNone)
            r.defType1 = r.defType2 = weatherType(r.weather);
        r.log().append(
            text::fillText(text::uiText("DamageLog", "＞＞＞ 「てんきや」により%1タイプに"), {typeName(r.defType1)}) +
            "\r\n");
    }
}

// The chart factor of the row's type against one defending type, with the two exceptions that
// let a hit through.
static int typeFactor(Row& r, int defending) {
    const bool ignoresGhost = r.atkAbility() == AbilityId::Scrappy || r.cond.foresight;
    if (ignoresGhost && (r.type == kNormal || r.type == kFighting) && defending == kGhost) {
        r.log().append(r.cond.foresight
                           ? text::uiText("DamageLog", "「みやぶる」により「ノーマル格闘」有効") + "\r\n"
                           : text::uiText("DamageLog", "「きもったま」により「ノーマル格闘」有効") + "\r\n");
        return 2;
    }
    if (r.cond.gravity && r.type == kGround && defending == kFlying) {
        r.log().append(text::uiText("DamageLog", "「じゅうりょく」により「じめん」等倍") + "\r\n");
        return 2;
    }
    return typeChart(r.type, defending);
}

// The effectiveness product E.
void applyEffectiveness(Row& r) {
    const int f1 = typeFactor(r, r.defType1);
    const int f2 = r.defType1 == r.defType2 ? 2 : typeFactor(r, r.defType2);
    r.effect = f1 * f2;
    r.log().append(text::fillText(text::uiText("DamageLog", "相性補正： *%1"), {formatted("%1.2f", r.effect * 0.25)}) +
                   "\r\n");
}

// Same-type bonus, and the multiplier the row shows.
void applySameType(Row& r) {
    const SpeciesRecord& atkSpecies = speciesRecord(r.atk.species);
    double shown = r.effect * 0.25;
    if (r.type == atkSpecies.type1 || r.type == atkSpecies.type2) {
        if (r.atkAbility() == AbilityId::Adaptability) {
            r.damageRatio.scale(2, 1);
            r.log().append(text::uiText("DamageLog", "「てきおうりょく」によりタイプ一致でダメージ： *2") + "\r\n");
            shown = r.effect * 0.5;
        } else {
            r.damageRatio.scale(3, 2);
            r.log().append(text::uiText("DamageLog", "タイプ一致でダメージ： *1.5") + "\r\n");
            shown = r.effect * 0.375;
        }
    }
    r.result.multiplierText = formatted("%1.2f", shown);
}

// Moves with their own rules. Returns false when the row ends here because the move's
// damage does not follow from its power.
bool applyMoveSpecials(Row& r) {
    if (!r.isMoveRow())
        return true;
    switch (r.move) {
    case MoveId::SelfDestruct:
    case MoveId::Explosion:
        r.defenceRatio.scale(1, 2);
        r.log().append(text::uiText("DamageLog", "「じばく」「だいばくはつ」で防御力：*0.5") + "\r\n");
        return true;
    case MoveId::Return:
    case MoveId::Frustration:
        r.power = kMaxReturnPower;
        r.log().append(text::uiText("DamageLog", "最大威力に設定：＝102") + "\r\n");
        return true;
    case MoveId::WeatherBall:
        if (r.weather != kWeatherNone) {
            r.power = kWeatherBallPower;
            r.log().append(text::uiText("DamageLog", "天候により威力： *2") + "\r\n");
        }
        return true;
    default:
        break;
    }
    if (r.power != kVariablePower)
        return true;
    r.log().append(text::uiText("DamageLog", "ダメージ変化技につき計算不能") + "\r\n");
    r.result.multiplierText = kNotAvailable;
    return false;
}

// The weather that is left after エアロック and ノーてんき.
void applyWeather(Row& r) {
    switch (r.weather) {
    case kWeatherSun:
        if (r.type == kFire) {
            r.powerRatio.scale(3, 2);
            r.log().append(text::uiText("DamageLog", "晴れで炎技威力： *1.5") + "\r\n");
        }
        if (r.physical() && r.cond.flowerGift) {
            r.attackRatio.scale(3, 2);
            r.log().append(text::uiText("DamageLog", "「フラワーギフト」時に晴れで攻撃： *1.5") + "\r\n");
        }
        if (r.type == kWater) {
            r.powerRatio.scale(1, 2);
            r.log().append(text::uiText("DamageLog", "晴れで水技威力： *0.5") + "\r\n");
        }
        if (r.atkAbility() == AbilityId::SolarPower && r.category == kSpecial) {
            r.attackRatio.scale(3, 2);
            r.log().append(text::uiText("DamageLog", "「サンパワー」時に晴れで特殊： *1.5") + "\r\n");
        }
        break;
    case kWeatherRain:
        if (r.type == kFire) {
            r.powerRatio.scale(1, 2);
            r.log().append(text::uiText("DamageLog", "雨で炎技威力： *0.5") + "\r\n");
        }
        if (r.type == kWater) {
            r.powerRatio.scale(3, 2);
            r.log().append(text::uiText("DamageLog", "雨で水技威力： *1.5") + "\r\n");
        }
        break;
    case kWeatherSand:
        if ((r.defType1 == kRock || r.defType2 == kRock) && r.category == kSpecial) {
            r.defenceRatio.scale(3, 2);
            r.log().append(text::uiText("DamageLog", "＞＞＞ 砂嵐で岩タイプは特防： *1.5") + "\r\n");
        }
        break;
    default:
        break;
    }
}

// たんじゅん doubles a stage, staying within ±6.
static int doubledStage(int stage) {
    static constexpr int kDoubled[kStageCount] = {0, 0, 0, 0, 2, 4, 6, 8, 10, 12, 12, 12, 12};
    return kDoubled[stage];
}

static void applyBerry(Row& r) {
    if (!r.cond.berryActive || r.atkAbility() == AbilityId::Klutz || r.attackStage == 0)
        return;
    const int kind = damageItem(r.atk.item).attackKind;
    if (kind == kItemAttackBerry && r.physical()) {
        --r.attackStage;
        r.log().append(text::uiText("DamageLog", "「チイラのみ」で攻撃： *1.5") + "\r\n");
    } else if (kind == kItemSpAttackBerry && r.category == kSpecial) {
        --r.attackStage;
        r.log().append(text::uiText("DamageLog", "「ヤタピのみ」で特攻： *1.5") + "\r\n");
    }
}

// Stat stages, after the abilities and berries that move them.
void applyStages(Row& r) {
    r.attackStage = r.cond.attackStage;
    r.defenceStage = r.cond.defenceStage;
    if (r.atkAbility() == AbilityId::Simple) {
        r.attackStage = doubledStage(r.attackStage);
        r.log().append(text::uiText("DamageLog", "「たんじゅん」でランク影響2倍") + "\r\n");
    }
    if (r.defAbility() == AbilityId::Simple) {
        r.defenceStage = doubledStage(r.defenceStage);
        r.log().append(text::uiText("DamageLog", "＞＞＞ 「たんじゅん」でランク影響2倍") + "\r\n");
    }
    if (r.atkAbility() == AbilityId::Unaware) {
        r.defenceStage = kNeutralStage;
        r.log().append(text::uiText("DamageLog", "「てんねん」で相手のランク影響無視") + "\r\n");
    }
    if (r.defAbility() == AbilityId::Unaware) {
        r.attackStage = kNeutralStage;
        r.log().append(text::uiText("DamageLog", "＞＞＞ 「てんねん」で相手のランク影響無視") + "\r\n");
    }
    applyBerry(r);
    const StageRatio& a = StageRatios[r.attackStage];
    r.attackRatio.scale(a.numerator, a.denominator);
    r.log().append(text::fillText(text::uiText("DamageLog", "攻撃ランク補正＝攻撃力： *%1"),
                                  {formatted("%1.2f", double(a.numerator) / a.denominator)}) +
                   "\r\n");
    const StageRatio& d = StageRatios[r.defenceStage];
    r.defenceRatio.scale(d.numerator, d.denominator);
    r.log().append(text::fillText(text::uiText("DamageLog", "＞＞＞ 防御ランク補正＝防御力： *%1"),
                                  {formatted("%1.2f", double(d.numerator) / d.denominator)}) +
                   "\r\n");
}

// てだすけ, then やけど (and からげんき, which only a burnt physical attacker powers up).
void applyHelpingHandAndBurn(Row& r) {
    if (r.cond.helpingHand) {
        r.powerRatio.scale(3, 2);
        r.log().append(text::uiText("DamageLog", "「てだすけ」で威力： *1.5") + "\r\n");
    }
    if (!r.physical() || !r.cond.burn)
        return;
    if (r.atkAbility() == AbilityId::Guts) {
        r.log().append(text::uiText("DamageLog", "「こんじょう」でやけどの影響無し") + "\r\n");
    } else {
        r.attackRatio.scale(1, 2);
        r.log().append(text::uiText("DamageLog", "「やけど」で攻撃半減： *0.5") + "\r\n");
    }
    if (r.move == MoveId::Facade) {
        r.powerRatio.scale(2, 1);
        r.log().append(text::uiText("DamageLog", "「からげんき」は状態異常で威力： *2") + "\r\n");
    }
}

// Attacker abilities that act whatever the battle state.
void applyAttackerAbilities(Row& r) {
    switch (r.atkAbility()) {
    case AbilityId::Hustle:
        r.attackRatio.scale(3, 2);
        r.log().append(text::uiText("DamageLog", "「はりきり」で攻撃力： *1.5") + "\r\n");
        break;
    case AbilityId::Technician:
        if (r.power <= kTechnicianLimit) {
            r.powerRatio.scale(3, 2);
            r.log().append(text::uiText("DamageLog", "「テクニシャン」で威力： *1.5") + "\r\n");
        }
        break;
    case AbilityId::TintedLens:
        if (r.effect < kNeutralEffect) {
            r.damageRatio.scale(2, 1);
            r.log().append(text::uiText("DamageLog", "「いろめがね」でダメージ： *2") + "\r\n");
        }
        break;
    case AbilityId::HugePower:
    case AbilityId::PurePower:
        if (r.physical()) {
            r.attackRatio.scale(2, 1);
            r.log().append(text::uiText("DamageLog", "「ちからもち」「ヨガパワー」で攻撃力： *2") + "\r\n");
        }
        break;
    default:
        break;
    }
}

// Attacker abilities that need "特性発動" (low HP, a status, a fire already absorbed…).
void applyActivatedAbilities(Row& r) {
    if (!r.cond.abilityActive)
        return;
    const auto boostPower = [&r](int type, const std::string& line) {
        if (r.type == type) {
            r.powerRatio.scale(3, 2);
            r.log().append(line);
        }
    };
    switch (r.atkAbility()) {
    case AbilityId::Torrent:
        boostPower(kWater, text::uiText("DamageLog", "「げきりゅう」発動で水技威力： *1.5") + "\r\n");
        break;
    case AbilityId::Guts:
        if (r.physical()) {
            r.attackRatio.scale(3, 2);
            r.log().append(text::uiText("DamageLog", "「こんじょう」発動で攻撃力： *1.5") + "\r\n");
        }
        break;
    case AbilityId::Overgrow:
        boostPower(kGrass, text::uiText("DamageLog", "「しんりょく」発動で草技威力： *1.5") + "\r\n");
        break;
    case AbilityId::SlowStart:
        if (r.physical()) {
            r.attackRatio.scale(1, 2);
            r.log().append(text::uiText("DamageLog", "「スロースタート」発動中は攻撃力： *0.5") + "\r\n");
        }
        break;
    case AbilityId::Swarm:
        boostPower(kBug, text::uiText("DamageLog", "「むしのしらせ」発動で虫技威力： *1.5") + "\r\n");
        break;
    case AbilityId::Blaze:
        boostPower(kFire, text::uiText("DamageLog", "「もうか」発動で炎技威力： *1.5") + "\r\n");
        break;
    case AbilityId::FlashFire:
        boostPower(kFire, text::uiText("DamageLog", "「もらいび」発動で炎技威力： *1.5") + "\r\n");
        break;
    default:
        break;
    }
}

static void makeImmune(Row& r, const std::string& line) {
    r.damageRatio.numerator = 0;
    r.log().append(line);
}

// Defender abilities, which かたやぶり breaks through.
void applyDefenderAbilities(Row& r) {
    if (r.atkAbility() == AbilityId::MoldBreaker)
        return;
    switch (r.defAbility()) {
    case AbilityId::ThickFat:
        if (r.type == kFire || r.type == kIce) {
            r.damageRatio.scale(1, 2);
            r.log().append(text::uiText("DamageLog", "「あついしぼう」でダメージ： *0.5") + "\r\n");
        }
        break;
    case AbilityId::DrySkin:
        if (r.type == kFire) {
            r.damageRatio.scale(5, 4);
            r.log().append(text::uiText("DamageLog", "「かんそうはだ」でダメージ： *1.25") + "\r\n");
        } else if (r.type == kWater) {
            makeImmune(r, text::uiText("DamageLog", "「かんそうはだ」で水技無効") + "\r\n");
        }
        break;
    case AbilityId::Heatproof:
        if (r.type == kFire) {
            r.damageRatio.scale(1, 2);
            r.log().append(text::uiText("DamageLog", "「たいねつ」でダメージ： *0.5") + "\r\n");
        }
        break;
    case AbilityId::VoltAbsorb:
    case AbilityId::MotorDrive:
        if (r.type == kElectric)
            makeImmune(r, text::uiText("DamageLog", "「ちくでん」「でんきエンジン」で電気技無効") + "\r\n");
        break;
    case AbilityId::WaterAbsorb:
        if (r.type == kWater)
            makeImmune(r, text::uiText("DamageLog", "「ちょすい」で水技無効") + "\r\n");
        break;
    case AbilityId::SolidRock:
    case AbilityId::Filter:
        if (r.effect >= kSuperEffective) {
            r.damageRatio.scale(3, 4);
            r.log().append(text::uiText("DamageLog", "「ハードロック」「フィルター」でダメージ： *0.75") + "\r\n");
        }
        break;
    case AbilityId::WonderGuard:
        if (r.effect < kSuperEffective)
            makeImmune(r, text::uiText("DamageLog", "「ふしぎなまもり」で無効") + "\r\n");
        break;
    case AbilityId::Levitate:
        if (r.type == kGround) {
            if (r.cond.gravity)
                r.log().append(text::uiText("DamageLog", "「じゅうりょく」で「ふゆう」が無効＝地面技等倍") + "\r\n");
            else
                makeImmune(r, text::uiText("DamageLog", "「ふゆう」で地面技無効") + "\r\n");
        }
        break;
    case AbilityId::FlashFire:
        if (r.type == kFire)
            makeImmune(r, text::uiText("DamageLog", "「もらいび」で炎技無効") + "\r\n");
        break;
    default:
        break;
    }
}

// Spread moves in a double battle. Only the attacker's own four moves are taken as
// used in battle; the learnable-move and direct-value rows are not.
void applyDoubleBattle(Row& r) {
    constexpr int kBothFoes = 2;   // 相手全員
    constexpr int kAllButSelf = 4; // 自分以外
    if (!r.cond.doubleBattle || r.slot.row >= kMoveRowCount)
        return;
    const int target = moveRecord(r.move).target;
    if (target == kBothFoes) {
        r.powerRatio.scale(3, 4);
        r.log().append(text::uiText("DamageLog", "「敵二体」で威力： *0.75") + "\r\n");
    } else if (target == kAllButSelf) {
        r.powerRatio.scale(3, 4);
        r.log().append(text::uiText("DamageLog", "「全体」で威力： *0.75") + "\r\n");
    }
}

static void attackerItemScales(Row& r, Ratio& ratio) {
    const DamageItem& item = r.atkItem();
    ratio.scale(item.attackValue, 10);
    r.log().append(text::fillText(text::uiText("DamageLog", "「%1」で攻撃力： *%2"),
                                  {item.name, formatted("%1.1f", item.attackValue * 0.1)}) +
                   "\r\n");
}

static void defenderItemScales(Row& r) {
    const DamageItem& item = r.defItem();
    if (item.defenceValue <= 0)
        return; // a defence item always carries its factor; never divide by a missing one
    r.damageRatio.scale(10, item.defenceValue);
    r.log().append(text::fillText(text::uiText("DamageLog", "＞＞＞ 「%1」で防御力： *%2"),
                                  {item.name, formatted("%1.1f", item.defenceValue * 0.1)}) +
                   "\r\n");
}

// Held items, then the screens (which halve in single and double battles alike).
void applyItemsAndScreens(Row& r) {
    const int attackKind = r.atkItem().attackKind;
    if (attackKind == kItemAllAttack || (attackKind == kItemSuperEffective && r.effect >= kSuperEffective))
        attackerItemScales(r, r.attackRatio);
    const bool physical = r.physical();
    if (physical ? r.cond.reflect : r.cond.lightScreen) {
        r.damageRatio.scale(1, 2);
        r.log().append(physical ? text::uiText("DamageLog", "＞＞＞ 「リフレクター」でダメージ： *0.5") + "\r\n"
                                : text::uiText("DamageLog", "＞＞＞ 「ひかりのかべ」でダメージ： *0.5") + "\r\n");
    }
    const int sideKind = physical ? kItemPhysical : kItemSpecial;
    if (attackKind == sideKind)
        attackerItemScales(r, r.damageRatio);
    if (r.defItem().defenceKind == sideKind)
        defenderItemScales(r);
}

} // namespace rusrina::damage
