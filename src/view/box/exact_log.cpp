#include "view/box/exact_log.h"

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/held_items.h"
#include "data/items.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"
#include "view/box/exact_move_texts.h"
#include "view/common/exact_texts.h"

#include <array>
#include <string_view>

namespace rusrina {
namespace {

using R = ExactRule;

// How a step's line is built from its text.
enum class Form : uint8_t {
    Line,       // the text alone
    Factor,     // "text： *1.5", or with a fraction when its decimals do not end: "text： *1.20 (4915/4096)"
    Ratio,      // "text： *1.00", always two decimals
    Value,      // "text： 100", the value after the step
    ItemFactor, // "「item」text： *1.2", the item being the step's argument
    Special,    // put together from the step's arguments (specialText)
    Move,       // a move whose power follows the battle, worded in exact_move_texts.cpp
};

struct Wording {
    ExactRule rule;
    Form form;
    const char* text;
    const char* defenderText = nullptr; // when the defender's side says it otherwise
    const char* gen4Text = nullptr;     // when the 4th generation says it otherwise
};

// Every rule's wording, in the order of ExactRule.
constexpr Wording kWordings[] = {
    {R::NoFormula, Form::Line, "ダメージ変化技につき計算不能"},
    {R::NotInGeneration, Form::Line, "第4世代には無い技のため計算不能"},
    {R::GravityBlocksMove, Form::Special, "」は使えない"},
    {R::AlwaysCritical, Form::Line, "必ず急所に当たる技"},
    {R::CriticalHit, Form::Line, "急所に当たった場合"},
    {R::BattleArmor, Form::Special, "」で急所に当たらない"},
    {R::AbilityForced, Form::Special, "」：バトル状態によらず特性発動として計算"},
    {R::ItemNotInGeneration, Form::Special, "は第4世代には無い道具のため効果なし"},
    {R::MagicRoom, Form::Line, "「マジックルーム」により両者の持ち物は効果なし"},
    {R::WonderRoom, Form::Line, "「ワンダールーム」により相手の防御と特防が入れ替わる"},
    {R::SkillLink, Form::Line, "「スキルリンク」で必ず5回攻撃"},
    {R::HitCount, Form::Special, "攻撃回数： "},
    {R::LaterHit, Form::Special, "＜"},
    {R::CloudNine, Form::Line, "「エアロック」「ノーてんき」により天候の影響なし"},
    {R::Forecast, Form::Special, "「てんきや」により"},
    {R::MoldBreaker, Form::Special, "」により相手の「"},
    {R::AllyAbilityBroken, Form::Special, "」により味方の「"},
    {R::Multitype, Form::Special, "「マルチタイプ」により"},
    {R::ColorChange, Form::Special, "＞＞＞ 「へんしょく」：先の攻撃で"},
    {R::ItemGivesMoveType, Form::Special, "により技のタイプが"},
    {R::WeatherBallPower, Form::Factor, "天候により威力"},
    {R::WeatherBallType, Form::Special, "（天候："},
    {R::HappinessPower, Form::Special, "最大威力に設定：＝"},
    {R::Assumed, Form::Move, ""},
    {R::MoveFails, Form::Move, ""},
    {R::PowerFromHappiness, Form::Move, ""},
    {R::PowerFromHp, Form::Move, ""},
    {R::PowerFromWeight, Form::Move, ""},
    {R::PowerFromStages, Form::Move, ""},
    {R::PowerFromUses, Form::Move, ""},
    {R::PowerFromPp, Form::Move, ""},
    {R::PowerFromStockpile, Form::Move, ""},
    {R::PowerFromItem, Form::Move, ""},
    {R::NaturalGift, Form::Move, ""},
    {R::BeatUpPower, Form::Move, ""},
    {R::BaseStatsOnly, Form::Move, ""},
    {R::PowerDoubled, Form::Move, ""},
    {R::TurnOrderFromSpeed, Form::Move, ""},
    {R::PowerOutcomes, Form::Move, ""},
    {R::Psywave, Form::Move, ""},
    {R::GyroBallPower, Form::Special, "「ジャイロボール」"},
    {R::ElectroBallPower, Form::Special, "「エレキボール」"},
    {R::Normalize, Form::Line, "「ノーマルスキン」によりノーマルタイプに変更"},
    {R::TypelessFutureMove, Form::Special, "」は第4世代ではタイプなし（タイプ一致・相性の補正なし）"},
    {R::BrickBreak, Form::Line, "「かわらわり」で壁を壊してから攻撃"},
    {R::ForesightOnGhost, Form::Line, "「みやぶる」により「ノーマル格闘」有効"},
    {R::ScrappyOnGhost, Form::Line, "「きもったま」により「ノーマル格闘」有効"},
    {R::GravityOnFlying, Form::Line, "「じゅうりょく」により「じめん」等倍"},
    {R::TypeEffectiveness, Form::Ratio, "相性補正"},
    {R::WonderGuard, Form::Line, "「ふしぎなまもり」で無効"},
    {R::FlashFireImmunity, Form::Line, "「もらいび」で炎技無効"},
    {R::DrySkinImmunity, Form::Line, "「かんそうはだ」で水技無効"},
    {R::WaterAbsorb, Form::Line, "「ちょすい」で水技無効"},
    {R::VoltAbsorb, Form::Line, "「ちくでん」「でんきエンジン」で電気技無効"},
    {R::Levitate, Form::Line, "「ふゆう」で地面技無効"},
    {R::GravityCancelsLevitate, Form::Line, "「じゅうりょく」で「ふゆう」が無効＝地面技等倍"},
    {R::SapSipper, Form::Line, "「そうしょく」で草技無効"},
    {R::StormDrain, Form::Line, "「よびみず」で水技無効"},
    {R::LightningRod, Form::Line, "「ひらいしん」で電気技無効"},
    {R::Soundproof, Form::Line, "「ぼうおん」で音の技無効"},
    {R::AirBalloon, Form::Line, "「ふうせん」で地面技無効"},
    {R::IronBallGrounds, Form::Line, "「くろいてっきゅう」で地面技が当たる"},
    {R::RingTargetHit, Form::Line, "「ねらいのまと」で相性の無効がなくなる"},
    {R::FixedDamage, Form::Value, "固定ダメージ"},
    {R::LiechiBerry, Form::Line, "「チイラのみ」で攻撃ランク+1"},
    {R::PetayaBerry, Form::Line, "「ヤタピのみ」で特攻ランク+1"},
    {R::Download, Form::Special, "「ダウンロード」で"},
    {R::Simple, Form::Line, "「たんじゅん」でランク影響2倍", "＞＞＞ 「たんじゅん」でランク影響2倍"},
    {R::Unaware, Form::Line, "「てんねん」で相手のランク影響無視", "＞＞＞ 「てんねん」で相手のランク影響無視"},
    {R::CriticalIgnoresAttackDrop, Form::Line, "急所で攻撃ランクの下降を無視"},
    {R::ChipAway, Form::Line, "「なしくずし」「せいなるつるぎ」で相手のランク影響無視"},
    {R::CriticalIgnoresDefenceRise, Form::Line, "急所で防御ランクの上昇を無視"},
    {R::WeakArmor, Form::Special, "＞＞＞ 「くだけるよろい」：この使用で先の"},
    {R::StatStage, Form::Ratio, "攻撃ランク補正＝攻撃力", "＞＞＞ 防御ランク補正＝防御力"},
    {R::FoulPlay, Form::Special, "「イカサマ」は相手の攻撃で計算（相手の攻撃ランクは±0として計算）： "},
    {R::Technician, Form::Factor, "「テクニシャン」で威力"},
    {R::Heatproof, Form::Factor, "＞＞＞ 「たいねつ」で威力"},
    {R::DrySkinFire, Form::Factor, "＞＞＞ 「かんそうはだ」で威力"},
    {R::TypeItem, Form::ItemFactor, "で威力"},
    {R::MuscleBand, Form::Factor, "「ちからのハチマキ」で威力"},
    {R::WiseGlasses, Form::Factor, "「ものしりメガネ」で威力"},
    {R::Facade, Form::Factor, "「からげんき」は状態異常で威力"},
    {R::SolarBeamWeather, Form::Factor, "雨・砂嵐・あられで「ソーラービーム」の威力", nullptr,
     "雨・砂嵐・あられで「ソーラービーム」のダメージ"},
    {R::Brine, Form::Factor, "＞＞＞ 相手のHPが半分以下で「しおみず」の威力"},
    {R::Venoshock, Form::Factor, "＞＞＞ 相手がどく状態で「ベノムショック」の威力"},
    {R::HelpingHand, Form::Factor, "「てだすけ」で威力"},
    {R::Charge, Form::Factor, "「じゅうでん」で威力"},
    {R::Analytic, Form::Factor, "「アナライズ」で威力"},
    {R::AnalyticAssumesLast, Form::Special, "「アナライズ」："},
    {R::SandForce, Form::Factor, "「すなのちから」時に砂嵐で威力"},
    {R::Reckless, Form::Factor, "「すてみ」で威力"},
    {R::IronFist, Form::Factor, "「てつのこぶし」で威力"},
    {R::SheerForce, Form::Factor, "「ちからずく」で威力"},
    {R::Rivalry, Form::Special, "「とうそうしん」で"},
    {R::RivalryUnknown, Form::Line, "「とうそうしん」：性別不明のため補正なし"},
    {R::Gem, Form::ItemFactor, "で威力（使用で消費）"},
    {R::FlareBoost, Form::Factor, "「ねつぼうそう」で威力"},
    {R::ToxicBoost, Form::Factor, "「どくぼうそう」で威力"},
    {R::Overgrow, Form::Factor, "「しんりょく」発動で攻撃", nullptr, "「しんりょく」発動で草技威力"},
    {R::Blaze, Form::Factor, "「もうか」発動で攻撃", nullptr, "「もうか」発動で炎技威力"},
    {R::Torrent, Form::Factor, "「げきりゅう」発動で攻撃", nullptr, "「げきりゅう」発動で水技威力"},
    {R::Swarm, Form::Factor, "「むしのしらせ」発動で攻撃", nullptr, "「むしのしらせ」発動で虫技威力"},
    {R::ThickFat, Form::Factor, "＞＞＞ 「あついしぼう」で攻撃", nullptr, "＞＞＞ 「あついしぼう」で威力"},
    {R::Guts, Form::Factor, "「こんじょう」で攻撃"},
    {R::FlashFire, Form::Factor, "「もらいび」発動で攻撃", nullptr, "「もらいび」発動でダメージ"},
    {R::SolarPower, Form::Factor, "「サンパワー」時に晴れで特攻"},
    {R::SlowStart, Form::Factor, "「スロースタート」発動中は攻撃"},
    {R::Defeatist, Form::Factor, "「よわき」発動で攻撃"},
    {R::PlusMinus, Form::Factor, "「プラス」「マイナス」発動で特攻"},
    {R::HugePower, Form::Factor, "「ちからもち」「ヨガパワー」で攻撃"},
    {R::Hustle, Form::Factor, "「はりきり」で攻撃力", nullptr, "「はりきり」で攻撃"},
    {R::FlowerGift, Form::Factor, "「フラワーギフト」時に晴れで攻撃"},
    {R::ThickClub, Form::Factor, "「ふといホネ」で攻撃"},
    {R::LightBall, Form::Factor, "「でんきだま」で攻撃"},
    {R::DeepSeaTooth, Form::Factor, "「しんかいのキバ」で特攻"},
    {R::SoulDew, Form::Factor, "「こころのしずく」で特攻", "＞＞＞ 「こころのしずく」で特防"},
    {R::ChoiceBand, Form::Factor, "「こだわりハチマキ」で攻撃"},
    {R::ChoiceSpecs, Form::Factor, "「こだわりメガネ」で特攻"},
    {R::SandstormSpDefence, Form::Factor, "＞＞＞ 砂嵐で岩タイプは特防"},
    {R::MetalPowder, Form::Factor, "＞＞＞ 「メタルパウダー」で防御"},
    {R::DeepSeaScale, Form::Factor, "＞＞＞ 「しんかいのウロコ」で特防"},
    {R::MarvelScale, Form::Factor, "＞＞＞ 「ふしぎなうろこ」で防御"},
    {R::MarvelScaleAssumesNoStatus, Form::Line, "＞＞＞ 「ふしぎなうろこ」：状態異常でないとして計算"},
    {R::Eviolite, Form::Factor, "＞＞＞ 「しんかのきせき」で防御・特防"},
    {R::Explosion, Form::Factor, "「じばく」「だいばくはつ」で防御"},
    {R::ModifierProduct, Form::Special, "（補正値の積： "},
    {R::ModifiedPower, Form::Value, "補正後の威力"},
    {R::ModifiedStat, Form::Special, ""},
    {R::BaseDamage, Form::Value, "基本ダメージ"},
    {R::Spread, Form::Factor, "複数の相手への攻撃でダメージ"},
    {R::WeatherDamage, Form::Factor, "天候でダメージ"},
    {R::Burn, Form::Factor, "「やけど」でダメージ"},
    {R::BurnCuredByBerry, Form::Line, "「チーゴのみ」で1回目の攻撃の後にやけどが治る"},
    {R::Reflect, Form::Factor, "＞＞＞ 「リフレクター」でダメージ"},
    {R::LightScreen, Form::Factor, "＞＞＞ 「ひかりのかべ」でダメージ"},
    {R::CriticalDamage, Form::Factor, "急所でダメージ"},
    {R::LifeOrb, Form::Factor, "「いのちのたま」でダメージ"},
    {R::Sniper, Form::Factor, "「スナイパー」で急所のダメージ"},
    {R::DamageBeforeRoll, Form::Value, "乱数前のダメージ"},
    {R::RandomRoll, Form::Line, "乱数： *0.85～1.00"},
    {R::SameType, Form::Factor, "タイプ一致でダメージ"},
    {R::Adaptability, Form::Factor, "「てきおうりょく」によりタイプ一致でダメージ"},
    {R::TintedLens, Form::Factor, "「いろめがね」でダメージ"},
    {R::Filter, Form::Factor, "＞＞＞ 「ハードロック」「フィルター」でダメージ"},
    {R::ExpertBelt, Form::Factor, "「たつじんのおび」でダメージ"},
    {R::Multiscale, Form::Factor, "＞＞＞ 「マルチスケイル」（ＨＰ満タンとして計算）でダメージ"},
    {R::FriendGuard, Form::Factor, "＞＞＞ 味方の「フレンドガード」でダメージ"},
    {R::Infiltrator, Form::Line, "「すりぬけ」で壁の効果なし"},
    {R::MetronomeAssumesFirstUse, Form::Line, "「メトロノーム」：1回目の使用として計算（補正なし）"},
    {R::ResistBerry, Form::ItemFactor, "でダメージ（使用で消費）"},
    {R::ResistBerryUnnerved, Form::Special, "は「きんちょうかん」で食べられない"},
    {R::ZeroAfterFinalModifiers, Form::Line, "最低ダメージ1は最終補正の前にだけ：ダメージ0の乱数あり"},
};

constexpr bool everyRuleWordedInOrder() {
    if (std::size(kWordings) != kExactRuleCount)
        return false;
    for (int i = 0; i < kExactRuleCount; ++i) {
        if (kWordings[i].rule != static_cast<ExactRule>(i))
            return false;
    }
    return true;
}
static_assert(everyRuleWordedInOrder(), "each ExactRule needs its wording here, in the enum's order");

// "1.5", "2", "0.125"; a factor whose decimals do not end within three places shows two and its
// fraction: "1.20 (4915/4096)".
std::string factorText(int64_t numerator, int64_t denominator) {
    if (numerator * 1000 % denominator == 0)
        return shortDecimalText(numerator, denominator);
    return decimalText(numerator, denominator, 2) + " (" + std::to_string(numerator) + "/" +
           std::to_string(denominator) + ")";
}

const char* modifiedStatLabel(int stat) {
    switch (stat) {
    case kAttack:
        return "補正後の攻撃";
    case kSpAttack:
        return "補正後の特攻";
    case kDefence:
        return "＞＞＞ 補正後の防御";
    default:
        return "＞＞＞ 補正後の特防";
    }
}

// Appends the parts one after another, without building the line on its own first.
template <typename... Parts> void append(std::string& out, const Parts&... parts) {
    (out.append(std::string_view(parts)), ...);
}

// A stage as the log gives it: "+2", "±0", "-1".
std::string signedStage(int64_t stage) {
    return stage == 0 ? "±0" : (stage > 0 ? "+" : "") + std::to_string(stage);
}

// A held item as a step names it; without one (0 or -1) the step concerns the damage-item row
// that stands for the type items, which says what it means.
void appendItem(std::string& out, int item) {
    if (item <= 0)
        append(out, "「各種タイプ補正」（技のタイプの道具）");
    else
        append(out, "「", heldItemName(item), "」");
}

// "2～5回（2回 37.5％・3回 37.5％・4回 12.5％・5回 12.5％）": the hit counts with their chances in the
// generation, or "3回" for a move that always lands as many.
void appendHitCount(std::string& out, const ExactStep& s, Generation generation) {
    if (s.arg == s.arg2) {
        append(out, std::to_string(s.arg), "回");
        return;
    }
    append(out, std::to_string(s.arg), "～", std::to_string(s.arg2), "回（");
    const char* const shares = generation == kGen4 ? "2回 37.5％・3回 37.5％・4回 12.5％・5回 12.5％"
                                                   : "2回 35.0％・3回 35.0％・4回 15.0％・5回 15.0％";
    append(out, shares, "）");
}

// "＜2回目（威力 20）＞", "＜2回目以降（威力 25）＞", "＜次に使うときの1回目（威力 10）＞".
void appendLaterHit(std::string& out, const ExactStep& s, const char* text) {
    append(out, text, s.before ? "次に使うときの" : "", std::to_string(s.arg), s.after == 0 ? "回目以降" : "回目");
    append(out, "（威力 ", std::to_string(s.arg2), "）＞");
}

// The steps that give a move or a battler a type. False for any other step.
bool appendTypeChange(std::string& out, const ExactStep& s, const char* text) {
    switch (s.rule) {
    case R::Forecast:
    case R::Multitype:
        append(out, s.side == ExactStepSide::Defender ? "＞＞＞ " : "", text, typeName(s.arg), "タイプに");
        return true;
    case R::ColorChange: // "＞＞＞ 「へんしょく」：先の攻撃でかくとうタイプに"
        append(out, text, typeName(s.arg), "タイプに");
        return true;
    case R::ItemGivesMoveType:
        appendItem(out, s.arg);
        append(out, text, typeName(s.arg2), "に");
        return true;
    case R::WeatherBallType:
        append(out, text, weatherName(s.arg), "＝", typeName(s.arg2), "タイプ）");
        return true;
    default:
        return false;
    }
}

// The steps of an ability or a held item that name it or what it read. False for any other step.
bool appendAbilityOrItem(std::string& out, const ExactStep& s, const char* text) {
    switch (s.rule) {
    case R::ItemNotInGeneration:
        append(out, s.side == ExactStepSide::Defender ? "＞＞＞ " : "");
        appendItem(out, s.arg);
        append(out, text);
        return true;
    case R::ResistBerryUnnerved:
        append(out, "＞＞＞ ");
        appendItem(out, s.arg);
        append(out, text);
        return true;
    case R::MoldBreaker:
    case R::AllyAbilityBroken:
        append(out, "「", s.arg2 ? abilityName(s.arg2) : "かたやぶり", text, abilityName(s.arg), "」を無視");
        return true;
    case R::BattleArmor:
        append(out, "＞＞＞ 「", abilityName(s.arg), text);
        return true;
    case R::AbilityForced:
        append(out, "「", abilityName(s.arg), text);
        return true;
    case R::WeakArmor: // "＞＞＞ 「くだけるよろい」：この使用で先の2回の攻撃により防御ランク ±0 → -2"
        append(out, text, std::to_string(s.arg), "回の攻撃により防御ランク ", signedStage(s.before), " → ",
               signedStage(s.after));
        return true;
    case R::Download:
        append(out, s.side == ExactStepSide::Defender ? "相手の" : "", text, s.arg == kSpAttack ? "特攻" : "攻撃",
               "ランク+1");
        return true;
    case R::AnalyticAssumesLast:
        append(out, text,
               s.arg == 2   ? "特性発動につき後攻として計算"
               : s.arg == 1 ? "素早さが同じため後攻として計算"
                            : "素早さが相手より低いため後攻として計算");
        return true;
    case R::Rivalry:
        append(out, text, s.arg > 0 ? "同性の相手に威力" : "異性の相手に威力", "： *",
               factorText(s.numerator, s.denominator));
        return true;
    default:
        return false;
    }
}

void appendSpecial(std::string& out, const ExactStep& s, const char* text, Generation generation) {
    if (appendTypeChange(out, s, text) || appendAbilityOrItem(out, s, text))
        return;
    const auto number = [](int64_t value) { return std::to_string(value); };
    switch (s.rule) {
    case R::HitCount:
        append(out, text);
        appendHitCount(out, s, generation);
        break;
    case R::LaterHit:
        appendLaterHit(out, s, text);
        break;
    case R::GravityBlocksMove:
        append(out, "「じゅうりょく」で「", moveRecord(s.arg).name, text);
        break;
    case R::TypelessFutureMove:
        append(out, "「", moveRecord(s.arg).name, text);
        break;
    case R::FoulPlay:
        append(out, text, number(s.arg));
        break;
    case R::HappinessPower:
        append(out, text, number(s.after));
        break;
    case R::GyroBallPower:
    case R::ElectroBallPower:
        append(out, text, "： 素早さ ", number(s.arg), " 対 ", number(s.arg2), " で威力 ", number(s.after));
        break;
    case R::ModifierProduct:
        append(out, text, number(s.numerator), "/", number(s.denominator), "）");
        break;
    case R::ModifiedStat:
        append(out, modifiedStatLabel(s.arg), "： ", number(s.after));
        break;
    default:
        append(out, text);
        break;
    }
}

void appendStep(std::string& out, const ExactStep& step, Generation generation) {
    const auto index = static_cast<size_t>(step.rule);
    if (index >= std::size(kWordings))
        return;
    const Wording& w = kWordings[index];
    const char* text = w.text;
    if (step.side == ExactStepSide::Defender && w.defenderText)
        text = w.defenderText;
    else if (generation == kGen4 && w.gen4Text)
        text = w.gen4Text;
    switch (w.form) {
    case Form::Line:
        append(out, text);
        break;
    case Form::Factor:
        append(out, text, "： *", factorText(step.numerator, step.denominator));
        break;
    case Form::Ratio:
        append(out, text, "： *", decimalText(step.numerator, step.denominator, 2));
        break;
    case Form::ItemFactor:
        if (step.side == ExactStepSide::Defender)
            append(out, "＞＞＞ ");
        appendItem(out, step.arg);
        append(out, text, "： *", factorText(step.numerator, step.denominator));
        break;
    case Form::Value:
        append(out, text, "： ", std::to_string(step.after));
        break;
    case Form::Move:
        appendMoveStep(out, step, generation);
        break;
    default:
        appendSpecial(out, step, text, generation);
        break;
    }
}

} // namespace

std::string exactStepText(const ExactStep& step, Generation generation) {
    std::string line;
    appendStep(line, step, generation);
    return line;
}

void writeExactSteps(CalcLog& log, const ExactRecord& record) {
    constexpr size_t kLineBytes = 64; // a usual line, so that the text grows once
    std::string lines;
    lines.reserve(record.steps.size() * kLineBytes);
    for (const ExactStep& step : record.steps) {
        appendStep(lines, step, record.generation);
        lines.append("\r\n");
    }
    log.append(lines);
}

} // namespace rusrina
