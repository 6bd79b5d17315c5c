#include "view/box/exact_log.h"

#include "calc/stats.h"
#include "data/abilities.h"
#include "data/held_items.h"
#include "data/items.h"
#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"
#include "text/ui_text.h"
#include "view/box/exact_move_texts.h"
#include "view/common/exact_texts.h"

#include <array>
#include <string_view>

namespace rusrina {
namespace {

using R = ExactRule;
using text::fillText;
using text::uiText;

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
    {R::NoFormula, Form::Line, UI_TEXT_NOOP("ExactLog", "ダメージ変化技につき計算不能")},
    {R::NotInGeneration, Form::Line, UI_TEXT_NOOP("ExactLog", "第4世代には無い技のため計算不能")},
    {R::GravityBlocksMove, Form::Special, UI_TEXT_NOOP("ExactLog", "「じゅうりょく」で「%1」は使えない")},
    {R::AlwaysCritical, Form::Line, UI_TEXT_NOOP("ExactLog", "必ず急所に当たる技")},
    {R::CriticalHit, Form::Line, UI_TEXT_NOOP("ExactLog", "急所に当たった場合")},
    {R::BattleArmor, Form::Special, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「%1」で急所に当たらない")},
    {R::AbilityForced, Form::Special, UI_TEXT_NOOP("ExactLog", "「%1」：バトル状態によらず特性発動として計算")},
    {R::ItemNotInGeneration, Form::Special, UI_TEXT_NOOP("ExactLog", "%1は第4世代には無い道具のため効果なし")},
    {R::MagicRoom, Form::Line, UI_TEXT_NOOP("ExactLog", "「マジックルーム」により両者の持ち物は効果なし")},
    {R::WonderRoom, Form::Line, UI_TEXT_NOOP("ExactLog", "「ワンダールーム」により相手の防御と特防が入れ替わる")},
    {R::SkillLink, Form::Line, UI_TEXT_NOOP("ExactLog", "「スキルリンク」で必ず5回攻撃")},
    {R::HitCount, Form::Special, UI_TEXT_NOOP("ExactLog", "攻撃回数： %1")},
    {R::LaterHit, Form::Special, ""},
    {R::CloudNine, Form::Line, UI_TEXT_NOOP("ExactLog", "「エアロック」「ノーてんき」により天候の影響なし")},
    {R::Forecast, Form::Special, UI_TEXT_NOOP("ExactLog", "「てんきや」により%1タイプに")},
    {R::MoldBreaker, Form::Special, UI_TEXT_NOOP("ExactLog", "「%1」により相手の「%2」を無視")},
    {R::AllyAbilityBroken, Form::Special, UI_TEXT_NOOP("ExactLog", "「%1」により味方の「%2」を無視")},
    {R::Multitype, Form::Special, UI_TEXT_NOOP("ExactLog", "「マルチタイプ」により%1タイプに")},
    {R::ColorChange, Form::Special, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「へんしょく」：先の攻撃で%1タイプに")},
    {R::ItemGivesMoveType, Form::Special, UI_TEXT_NOOP("ExactLog", "%1により技のタイプが%2に")},
    {R::WeatherBallPower, Form::Factor, UI_TEXT_NOOP("ExactLog", "天候により威力")},
    {R::WeatherBallType, Form::Special, UI_TEXT_NOOP("ExactLog", "（天候：%1＝%2タイプ）")},
    {R::HappinessPower, Form::Special, UI_TEXT_NOOP("ExactLog", "最大威力に設定：＝%1")},
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
    {R::GyroBallPower, Form::Special, UI_TEXT_NOOP("ExactLog", "「ジャイロボール」： 素早さ %1 対 %2 で威力 %3")},
    {R::ElectroBallPower, Form::Special, UI_TEXT_NOOP("ExactLog", "「エレキボール」： 素早さ %1 対 %2 で威力 %3")},
    {R::Normalize, Form::Line, UI_TEXT_NOOP("ExactLog", "「ノーマルスキン」によりノーマルタイプに変更")},
    {R::TypelessFutureMove, Form::Special,
     UI_TEXT_NOOP("ExactLog", "「%1」は第4世代ではタイプなし（タイプ一致・相性の補正なし）")},
    {R::BrickBreak, Form::Line, UI_TEXT_NOOP("ExactLog", "「かわらわり」で壁を壊してから攻撃")},
    {R::ForesightOnGhost, Form::Line, UI_TEXT_NOOP("ExactLog", "「みやぶる」により「ノーマル格闘」有効")},
    {R::ScrappyOnGhost, Form::Line, UI_TEXT_NOOP("ExactLog", "「きもったま」により「ノーマル格闘」有効")},
    {R::GravityOnFlying, Form::Line, UI_TEXT_NOOP("ExactLog", "「じゅうりょく」により「じめん」等倍")},
    {R::TypeEffectiveness, Form::Ratio, UI_TEXT_NOOP("ExactLog", "相性補正")},
    {R::WonderGuard, Form::Line, UI_TEXT_NOOP("ExactLog", "「ふしぎなまもり」で無効")},
    {R::FlashFireImmunity, Form::Line, UI_TEXT_NOOP("ExactLog", "「もらいび」で炎技無効")},
    {R::DrySkinImmunity, Form::Line, UI_TEXT_NOOP("ExactLog", "「かんそうはだ」で水技無効")},
    {R::WaterAbsorb, Form::Line, UI_TEXT_NOOP("ExactLog", "「ちょすい」で水技無効")},
    {R::VoltAbsorb, Form::Line, UI_TEXT_NOOP("ExactLog", "「ちくでん」「でんきエンジン」で電気技無効")},
    {R::Levitate, Form::Line, UI_TEXT_NOOP("ExactLog", "「ふゆう」で地面技無効")},
    {R::GravityCancelsLevitate, Form::Line, UI_TEXT_NOOP("ExactLog", "「じゅうりょく」で「ふゆう」が無効＝地面技等倍")},
    {R::SapSipper, Form::Line, UI_TEXT_NOOP("ExactLog", "「そうしょく」で草技無効")},
    {R::StormDrain, Form::Line, UI_TEXT_NOOP("ExactLog", "「よびみず」で水技無効")},
    {R::LightningRod, Form::Line, UI_TEXT_NOOP("ExactLog", "「ひらいしん」で電気技無効")},
    {R::Soundproof, Form::Line, UI_TEXT_NOOP("ExactLog", "「ぼうおん」で音の技無効")},
    {R::AirBalloon, Form::Line, UI_TEXT_NOOP("ExactLog", "「ふうせん」で地面技無効")},
    {R::IronBallGrounds, Form::Line, UI_TEXT_NOOP("ExactLog", "「くろいてっきゅう」で地面技が当たる")},
    {R::RingTargetHit, Form::Line, UI_TEXT_NOOP("ExactLog", "「ねらいのまと」で相性の無効がなくなる")},
    {R::FixedDamage, Form::Value, UI_TEXT_NOOP("ExactLog", "固定ダメージ")},
    {R::LiechiBerry, Form::Line, UI_TEXT_NOOP("ExactLog", "「チイラのみ」で攻撃ランク+1")},
    {R::PetayaBerry, Form::Line, UI_TEXT_NOOP("ExactLog", "「ヤタピのみ」で特攻ランク+1")},
    {R::Download, Form::Special, ""},
    {R::Simple, Form::Line, UI_TEXT_NOOP("ExactLog", "「たんじゅん」でランク影響2倍"),
     UI_TEXT_NOOP("ExactLog", "＞＞＞ 「たんじゅん」でランク影響2倍")},
    {R::Unaware, Form::Line, UI_TEXT_NOOP("ExactLog", "「てんねん」で相手のランク影響無視"),
     UI_TEXT_NOOP("ExactLog", "＞＞＞ 「てんねん」で相手のランク影響無視")},
    {R::CriticalIgnoresAttackDrop, Form::Line, UI_TEXT_NOOP("ExactLog", "急所で攻撃ランクの下降を無視")},
    {R::ChipAway, Form::Line, UI_TEXT_NOOP("ExactLog", "「なしくずし」「せいなるつるぎ」で相手のランク影響無視")},
    {R::CriticalIgnoresDefenceRise, Form::Line, UI_TEXT_NOOP("ExactLog", "急所で防御ランクの上昇を無視")},
    {R::WeakArmor, Form::Special,
     UI_TEXT_NOOP("ExactLog", "＞＞＞ 「くだけるよろい」：この使用で先の%1回の攻撃により防御ランク %2 → %3")},
    {R::StatStage, Form::Ratio, UI_TEXT_NOOP("ExactLog", "攻撃ランク補正＝攻撃力"),
     UI_TEXT_NOOP("ExactLog", "＞＞＞ 防御ランク補正＝防御力")},
    {R::FoulPlay, Form::Special,
     UI_TEXT_NOOP("ExactLog", "「イカサマ」は相手の攻撃で計算（相手の攻撃ランクは±0として計算）： %1")},
    {R::Technician, Form::Factor, UI_TEXT_NOOP("ExactLog", "「テクニシャン」で威力")},
    {R::Heatproof, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「たいねつ」で威力")},
    {R::DrySkinFire, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「かんそうはだ」で威力")},
    {R::TypeItem, Form::ItemFactor, UI_TEXT_NOOP("ExactLog", "%1で威力")},
    {R::MuscleBand, Form::Factor, UI_TEXT_NOOP("ExactLog", "「ちからのハチマキ」で威力")},
    {R::WiseGlasses, Form::Factor, UI_TEXT_NOOP("ExactLog", "「ものしりメガネ」で威力")},
    {R::Facade, Form::Factor, UI_TEXT_NOOP("ExactLog", "「からげんき」は状態異常で威力")},
    {R::SolarBeamWeather, Form::Factor, UI_TEXT_NOOP("ExactLog", "雨・砂嵐・あられで「ソーラービーム」の威力"), nullptr,
     UI_TEXT_NOOP("ExactLog", "雨・砂嵐・あられで「ソーラービーム」のダメージ")},
    {R::Brine, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 相手のHPが半分以下で「しおみず」の威力")},
    {R::Venoshock, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 相手がどく状態で「ベノムショック」の威力")},
    {R::HelpingHand, Form::Factor, UI_TEXT_NOOP("ExactLog", "「てだすけ」で威力")},
    {R::Charge, Form::Factor, UI_TEXT_NOOP("ExactLog", "「じゅうでん」で威力")},
    {R::Analytic, Form::Factor, UI_TEXT_NOOP("ExactLog", "「アナライズ」で威力")},
    {R::AnalyticAssumesLast, Form::Special, ""},
    {R::SandForce, Form::Factor, UI_TEXT_NOOP("ExactLog", "「すなのちから」時に砂嵐で威力")},
    {R::Reckless, Form::Factor, UI_TEXT_NOOP("ExactLog", "「すてみ」で威力")},
    {R::IronFist, Form::Factor, UI_TEXT_NOOP("ExactLog", "「てつのこぶし」で威力")},
    {R::SheerForce, Form::Factor, UI_TEXT_NOOP("ExactLog", "「ちからずく」で威力")},
    {R::Rivalry, Form::Special, ""},
    {R::RivalryUnknown, Form::Line, UI_TEXT_NOOP("ExactLog", "「とうそうしん」：性別不明のため補正なし")},
    {R::Gem, Form::ItemFactor, UI_TEXT_NOOP("ExactLog", "%1で威力（使用で消費）")},
    {R::FlareBoost, Form::Factor, UI_TEXT_NOOP("ExactLog", "「ねつぼうそう」で威力")},
    {R::ToxicBoost, Form::Factor, UI_TEXT_NOOP("ExactLog", "「どくぼうそう」で威力")},
    {R::Overgrow, Form::Factor, UI_TEXT_NOOP("ExactLog", "「しんりょく」発動で攻撃"), nullptr,
     UI_TEXT_NOOP("ExactLog", "「しんりょく」発動で草技威力")},
    {R::Blaze, Form::Factor, UI_TEXT_NOOP("ExactLog", "「もうか」発動で攻撃"), nullptr,
     UI_TEXT_NOOP("ExactLog", "「もうか」発動で炎技威力")},
    {R::Torrent, Form::Factor, UI_TEXT_NOOP("ExactLog", "「げきりゅう」発動で攻撃"), nullptr,
     UI_TEXT_NOOP("ExactLog", "「げきりゅう」発動で水技威力")},
    {R::Swarm, Form::Factor, UI_TEXT_NOOP("ExactLog", "「むしのしらせ」発動で攻撃"), nullptr,
     UI_TEXT_NOOP("ExactLog", "「むしのしらせ」発動で虫技威力")},
    {R::ThickFat, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「あついしぼう」で攻撃"), nullptr,
     UI_TEXT_NOOP("ExactLog", "＞＞＞ 「あついしぼう」で威力")},
    {R::Guts, Form::Factor, UI_TEXT_NOOP("ExactLog", "「こんじょう」で攻撃")},
    {R::FlashFire, Form::Factor, UI_TEXT_NOOP("ExactLog", "「もらいび」発動で攻撃"), nullptr,
     UI_TEXT_NOOP("ExactLog", "「もらいび」発動でダメージ")},
    {R::SolarPower, Form::Factor, UI_TEXT_NOOP("ExactLog", "「サンパワー」時に晴れで特攻")},
    {R::SlowStart, Form::Factor, UI_TEXT_NOOP("ExactLog", "「スロースタート」発動中は攻撃")},
    {R::Defeatist, Form::Factor, UI_TEXT_NOOP("ExactLog", "「よわき」発動で攻撃")},
    {R::PlusMinus, Form::Factor, UI_TEXT_NOOP("ExactLog", "「プラス」「マイナス」発動で特攻")},
    {R::HugePower, Form::Factor, UI_TEXT_NOOP("ExactLog", "「ちからもち」「ヨガパワー」で攻撃")},
    {R::Hustle, Form::Factor, UI_TEXT_NOOP("ExactLog", "「はりきり」で攻撃力"), nullptr,
     UI_TEXT_NOOP("ExactLog", "「はりきり」で攻撃")},
    {R::FlowerGift, Form::Factor, UI_TEXT_NOOP("ExactLog", "「フラワーギフト」時に晴れで攻撃")},
    {R::ThickClub, Form::Factor, UI_TEXT_NOOP("ExactLog", "「ふといホネ」で攻撃")},
    {R::LightBall, Form::Factor, UI_TEXT_NOOP("ExactLog", "「でんきだま」で攻撃")},
    {R::DeepSeaTooth, Form::Factor, UI_TEXT_NOOP("ExactLog", "「しんかいのキバ」で特攻")},
    {R::SoulDew, Form::Factor, UI_TEXT_NOOP("ExactLog", "「こころのしずく」で特攻"),
     UI_TEXT_NOOP("ExactLog", "＞＞＞ 「こころのしずく」で特防")},
    {R::ChoiceBand, Form::Factor, UI_TEXT_NOOP("ExactLog", "「こだわりハチマキ」で攻撃")},
    {R::ChoiceSpecs, Form::Factor, UI_TEXT_NOOP("ExactLog", "「こだわりメガネ」で特攻")},
    {R::SandstormSpDefence, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 砂嵐で岩タイプは特防")},
    {R::MetalPowder, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「メタルパウダー」で防御")},
    {R::DeepSeaScale, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「しんかいのウロコ」で特防")},
    {R::MarvelScale, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「ふしぎなうろこ」で防御")},
    {R::MarvelScaleAssumesNoStatus, Form::Line,
     UI_TEXT_NOOP("ExactLog", "＞＞＞ 「ふしぎなうろこ」：状態異常でないとして計算")},
    {R::Eviolite, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「しんかのきせき」で防御・特防")},
    {R::Explosion, Form::Factor, UI_TEXT_NOOP("ExactLog", "「じばく」「だいばくはつ」で防御")},
    {R::ModifierProduct, Form::Special, UI_TEXT_NOOP("ExactLog", "（補正値の積： %1/%2）")},
    {R::ModifiedPower, Form::Value, UI_TEXT_NOOP("ExactLog", "補正後の威力")},
    {R::ModifiedStat, Form::Special, ""},
    {R::BaseDamage, Form::Value, UI_TEXT_NOOP("ExactLog", "基本ダメージ")},
    {R::Spread, Form::Factor, UI_TEXT_NOOP("ExactLog", "複数の相手への攻撃でダメージ")},
    {R::WeatherDamage, Form::Factor, UI_TEXT_NOOP("ExactLog", "天候でダメージ")},
    {R::Burn, Form::Factor, UI_TEXT_NOOP("ExactLog", "「やけど」でダメージ")},
    {R::BurnCuredByBerry, Form::Line, UI_TEXT_NOOP("ExactLog", "「チーゴのみ」で1回目の攻撃の後にやけどが治る")},
    {R::Reflect, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「リフレクター」でダメージ")},
    {R::LightScreen, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「ひかりのかべ」でダメージ")},
    {R::CriticalDamage, Form::Factor, UI_TEXT_NOOP("ExactLog", "急所でダメージ")},
    {R::LifeOrb, Form::Factor, UI_TEXT_NOOP("ExactLog", "「いのちのたま」でダメージ")},
    {R::Sniper, Form::Factor, UI_TEXT_NOOP("ExactLog", "「スナイパー」で急所のダメージ")},
    {R::DamageBeforeRoll, Form::Value, UI_TEXT_NOOP("ExactLog", "乱数前のダメージ")},
    {R::RandomRoll, Form::Line, UI_TEXT_NOOP("ExactLog", "乱数： *0.85～1.00")},
    {R::SameType, Form::Factor, UI_TEXT_NOOP("ExactLog", "タイプ一致でダメージ")},
    {R::Adaptability, Form::Factor, UI_TEXT_NOOP("ExactLog", "「てきおうりょく」によりタイプ一致でダメージ")},
    {R::TintedLens, Form::Factor, UI_TEXT_NOOP("ExactLog", "「いろめがね」でダメージ")},
    {R::Filter, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 「ハードロック」「フィルター」でダメージ")},
    {R::ExpertBelt, Form::Factor, UI_TEXT_NOOP("ExactLog", "「たつじんのおび」でダメージ")},
    {R::Multiscale, Form::Factor,
     UI_TEXT_NOOP("ExactLog", "＞＞＞ 「マルチスケイル」（ＨＰ満タンとして計算）でダメージ")},
    {R::FriendGuard, Form::Factor, UI_TEXT_NOOP("ExactLog", "＞＞＞ 味方の「フレンドガード」でダメージ")},
    {R::Infiltrator, Form::Line, UI_TEXT_NOOP("ExactLog", "「すりぬけ」で壁の効果なし")},
    {R::MetronomeAssumesFirstUse, Form::Line,
     UI_TEXT_NOOP("ExactLog", "「メトロノーム」：1回目の使用として計算（補正なし）")},
    {R::ResistBerry, Form::ItemFactor, UI_TEXT_NOOP("ExactLog", "%1でダメージ（使用で消費）")},
    {R::ResistBerryUnnerved, Form::Special, UI_TEXT_NOOP("ExactLog", "＞＞＞ %1は「きんちょうかん」で食べられない")},
    {R::ZeroAfterFinalModifiers, Form::Line,
     UI_TEXT_NOOP("ExactLog", "最低ダメージ1は最終補正の前にだけ：ダメージ0の乱数あり")},
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

// "補正後の攻撃： 120" and the other stats after the modifiers.
std::string modifiedStatLine(int stat, const std::string& value) {
    switch (stat) {
    case kAttack:
        return fillText(uiText("ExactLog", "補正後の攻撃： %1"), {value});
    case kSpAttack:
        return fillText(uiText("ExactLog", "補正後の特攻： %1"), {value});
    case kDefence:
        return fillText(uiText("ExactLog", "＞＞＞ 補正後の防御： %1"), {value});
    default:
        return fillText(uiText("ExactLog", "＞＞＞ 補正後の特防： %1"), {value});
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

// The mark of a step on the defender's side.
std::string defenderMark() {
    return uiText("ExactLog", "＞＞＞ ");
}

std::string number(int64_t value) {
    return std::to_string(value);
}

// A held item as a step names it; without one (0 or -1) the step concerns the damage-item row
// that stands for the type items, which says what it means.
std::string itemText(int item) {
    if (item <= 0)
        return uiText("ExactLog", "「各種タイプ補正」（技のタイプの道具）");
    return fillText(uiText("ExactLog", "「%1」"), {heldItemName(item)});
}

// "2～5回（2回 37.5％・3回 37.5％・4回 12.5％・5回 12.5％）": the hit counts with their chances in the
// generation, or "3回" for a move that always lands as many.
std::string hitCountText(const ExactStep& s, Generation generation) {
    if (s.arg == s.arg2)
        return fillText(uiText("ExactLog", "%1回"), {number(s.arg)});
    const std::string shares = generation == kGen4
                                   ? uiText("ExactLog", "2回 37.5％・3回 37.5％・4回 12.5％・5回 12.5％")
                                   : uiText("ExactLog", "2回 35.0％・3回 35.0％・4回 15.0％・5回 15.0％");
    return fillText(uiText("ExactLog", "%1～%2回（%3）"), {number(s.arg), number(s.arg2), shares});
}

// "＜2回目（威力 20）＞", "＜2回目以降（威力 25）＞", "＜次に使うときの1回目（威力 10）＞".
std::string laterHitText(const ExactStep& s) {
    const bool onward = s.after == 0;
    const std::string text = s.before ? (onward ? uiText("ExactLog", "＜次に使うときの%1回目以降（威力 %2）＞")
                                                : uiText("ExactLog", "＜次に使うときの%1回目（威力 %2）＞"))
                                      : (onward ? uiText("ExactLog", "＜%1回目以降（威力 %2）＞")
                                                : uiText("ExactLog", "＜%1回目（威力 %2）＞"));
    return fillText(text, {number(s.arg), number(s.arg2)});
}

// The steps that give a move or a battler a type. False for any other step.
bool appendTypeChange(std::string& out, const ExactStep& s, const std::string& text) {
    switch (s.rule) {
    case R::Forecast:
    case R::Multitype:
        append(out, s.side == ExactStepSide::Defender ? defenderMark() : "", fillText(text, {typeName(s.arg)}));
        return true;
    case R::ColorChange: // "＞＞＞ 「へんしょく」：先の攻撃でかくとうタイプに"
        append(out, fillText(text, {typeName(s.arg)}));
        return true;
    case R::ItemGivesMoveType:
        append(out, fillText(text, {itemText(s.arg), typeName(s.arg2)}));
        return true;
    case R::WeatherBallType:
        append(out, fillText(text, {weatherName(s.arg), typeName(s.arg2)}));
        return true;
    default:
        return false;
    }
}

std::string analyticText(int64_t why) {
    if (why == 2)
        return uiText("ExactLog", "「アナライズ」：特性発動につき後攻として計算");
    if (why == 1)
        return uiText("ExactLog", "「アナライズ」：素早さが同じため後攻として計算");
    return uiText("ExactLog", "「アナライズ」：素早さが相手より低いため後攻として計算");
}

std::string downloadText(const ExactStep& s) {
    const std::string stat = s.arg == kSpAttack ? uiText("ExactLog", "特攻") : uiText("ExactLog", "攻撃");
    return fillText(s.side == ExactStepSide::Defender ? uiText("ExactLog", "相手の「ダウンロード」で%1ランク+1")
                                                      : uiText("ExactLog", "「ダウンロード」で%1ランク+1"),
                    {stat});
}

// The steps of an ability or a held item that name it or what it read. False for any other step.
bool appendAbilityOrItem(std::string& out, const ExactStep& s, const std::string& text) {
    switch (s.rule) {
    case R::ItemNotInGeneration:
        append(out, s.side == ExactStepSide::Defender ? defenderMark() : "", fillText(text, {itemText(s.arg)}));
        return true;
    case R::ResistBerryUnnerved:
        append(out, fillText(text, {itemText(s.arg)}));
        return true;
    case R::MoldBreaker:
    case R::AllyAbilityBroken:
        append(out, fillText(text,
                             {s.arg2 ? abilityName(s.arg2) : abilityName(AbilityId::MoldBreaker), abilityName(s.arg)}));
        return true;
    case R::BattleArmor:
    case R::AbilityForced:
        append(out, fillText(text, {abilityName(s.arg)}));
        return true;
    case R::WeakArmor: // "＞＞＞ 「くだけるよろい」：この使用で先の2回の攻撃により防御ランク ±0 → -2"
        append(out, fillText(text, {number(s.arg), signedStage(s.before), signedStage(s.after)}));
        return true;
    case R::Download:
        append(out, downloadText(s));
        return true;
    case R::AnalyticAssumesLast:
        append(out, analyticText(s.arg));
        return true;
    case R::Rivalry:
        append(out, fillText(s.arg > 0 ? uiText("ExactLog", "「とうそうしん」で同性の相手に威力： *%1")
                                       : uiText("ExactLog", "「とうそうしん」で異性の相手に威力： *%1"),
                             {factorText(s.numerator, s.denominator)}));
        return true;
    default:
        return false;
    }
}

void appendSpecial(std::string& out, const ExactStep& s, const std::string& text, Generation generation) {
    if (appendTypeChange(out, s, text) || appendAbilityOrItem(out, s, text))
        return;
    switch (s.rule) {
    case R::HitCount:
        append(out, fillText(text, {hitCountText(s, generation)}));
        break;
    case R::LaterHit:
        append(out, laterHitText(s));
        break;
    case R::GravityBlocksMove:
    case R::TypelessFutureMove:
        append(out, fillText(text, {moveRecord(s.arg).name}));
        break;
    case R::FoulPlay:
        append(out, fillText(text, {number(s.arg)}));
        break;
    case R::HappinessPower:
        append(out, fillText(text, {number(s.after)}));
        break;
    case R::GyroBallPower:
    case R::ElectroBallPower:
        append(out, fillText(text, {number(s.arg), number(s.arg2), number(s.after)}));
        break;
    case R::ModifierProduct:
        append(out, fillText(text, {number(s.numerator), number(s.denominator)}));
        break;
    case R::ModifiedStat:
        append(out, modifiedStatLine(s.arg, number(s.after)));
        break;
    default:
        append(out, text);
        break;
    }
}

// "text： *1.5", "text： 100".
void appendFactor(std::string& out, const std::string& text, const std::string& factor) {
    append(out, fillText(uiText("ExactLog", "%1： *%2"), {text, factor}));
}

void appendStep(std::string& out, const ExactStep& step, Generation generation) {
    const auto index = static_cast<size_t>(step.rule);
    if (index >= std::size(kWordings))
        return;
    const Wording& w = kWordings[index];
    const char* source = w.text;
    if (step.side == ExactStepSide::Defender && w.defenderText)
        source = w.defenderText;
    else if (generation == kGen4 && w.gen4Text)
        source = w.gen4Text;
    const std::string text = *source ? uiText("ExactLog", source) : std::string();
    switch (w.form) {
    case Form::Line:
        append(out, text);
        break;
    case Form::Factor:
        appendFactor(out, text, factorText(step.numerator, step.denominator));
        break;
    case Form::Ratio:
        appendFactor(out, text, decimalText(step.numerator, step.denominator, 2));
        break;
    case Form::ItemFactor:
        if (step.side == ExactStepSide::Defender)
            append(out, defenderMark());
        appendFactor(out, fillText(text, {itemText(step.arg)}), factorText(step.numerator, step.denominator));
        break;
    case Form::Value:
        append(out, fillText(uiText("ExactLog", "%1： %2"), {text, number(step.after)}));
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
