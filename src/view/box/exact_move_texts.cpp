#include "view/box/exact_move_texts.h"

#include "data/held_items.h"
#include "data/moves.h"
#include "data/types.h"
#include "text/ui_text.h"

#include <string_view>

namespace rusrina {
namespace {

using R = ExactRule;
using text::fillText;
using text::uiText;

template <typename... Parts> void append(std::string& out, const Parts&... parts) {
    (out.append(std::string_view(parts)), ...);
}

std::string number(int64_t value) {
    return std::to_string(value);
}

// "46.8kg" from hectograms.
std::string kilograms(int64_t hectograms) {
    return fillText(uiText("ExactMoveLog", "%1kg"), {number(hectograms / 10) + "." + number(hectograms % 10)});
}

bool defender(const ExactStep& s) {
    return s.side == ExactStepSide::Defender;
}

std::string assumption(ExactAssumption what, bool foe) {
    switch (what) {
    case ExactAssumption::FullHp:
        return foe ? uiText("ExactMoveLog", "＞＞＞ 相手のHPは満タンとして計算")
                   : uiText("ExactMoveLog", "HPは満タンとして計算");
    case ExactAssumption::NoStatus:
        return foe ? uiText("ExactMoveLog", "＞＞＞ 相手は状態異常なしとして計算")
                   : uiText("ExactMoveLog", "状態異常なしとして計算");
    case ExactAssumption::OtherStagesNeutral:
        return foe ? uiText("ExactMoveLog", "＞＞＞ 相手のほかの能力ランクは±0として計算")
                   : uiText("ExactMoveLog", "ほかの能力ランクは±0として計算");
    case ExactAssumption::FirstUse:
        return uiText("ExactMoveLog", "続けて使う1回目として計算");
    case ExactAssumption::PpLeft:
        return uiText("ExactMoveLog", "PPが4以上残っているとして計算");
    case ExactAssumption::OneStockpile:
        return uiText("ExactMoveLog", "「たくわえる」1回として計算");
    case ExactAssumption::NotHitThisTurn:
        return uiText("ExactMoveLog", "このターンに相手の攻撃を受けていないとして計算");
    case ExactAssumption::TargetNotHitThisTurn:
        return uiText("ExactMoveLog", "＞＞＞ 相手はこのターンにまだダメージを受けていないとして計算");
    case ExactAssumption::NoAllyFainted:
        return uiText("ExactMoveLog", "前のターンに味方が倒れていないとして計算");
    case ExactAssumption::NoRoundBefore:
        return uiText("ExactMoveLog", "味方が先に「りんしょう」を使っていないとして計算");
    case ExactAssumption::NotSwitchingOut:
        return uiText("ExactMoveLog", "＞＞＞ 相手は交代しないとして計算");
    case ExactAssumption::UserAloneInParty:
        return uiText("ExactMoveLog", "手持ちで戦えるのは自分だけとして計算（1回攻撃）");
    }
    return "";
}

std::string failure(MoveFailure why) {
    switch (why) {
    case MoveFailure::NothingToFling:
        return uiText("ExactMoveLog", "投げられる持ち物が無いため失敗");
    case MoveFailure::NoBerry:
        return uiText("ExactMoveLog", "きのみを持っていないため失敗");
    case MoveFailure::Klutz:
        return uiText("ExactMoveLog", "「ぶきよう」で持ち物を使えないため失敗");
    case MoveFailure::NothingStored:
        return uiText("ExactMoveLog", "「たくわえる」が無いため失敗");
    case MoveFailure::HpNotLower:
        return uiText("ExactMoveLog", "相手のHPが自分のHP以下のため失敗");
    case MoveFailure::TargetAwake:
        return uiText("ExactMoveLog", "相手が眠っていないため失敗");
    case MoveFailure::NoSharedType:
        return uiText("ExactMoveLog", "相手に自分と同じタイプが無いため失敗");
    case MoveFailure::NoOneToBeatUp:
        return uiText("ExactMoveLog", "状態異常の仲間は加われず、攻撃できる仲間がいないため失敗");
    case MoveFailure::MagicRoom:
        return uiText("ExactMoveLog", "「マジックルーム」で持ち物を使えないため失敗");
    case MoveFailure::None:
        break;
    }
    return "";
}

std::string doubledText(PowerReason why) {
    switch (why) {
    case PowerReason::TargetHalfHp:
        return uiText("ExactMoveLog", "「%1」は相手のHPが半分以下で威力： *2");
    case PowerReason::TargetStatus:
        return uiText("ExactMoveLog", "「%1」は相手が状態異常で威力： *2");
    case PowerReason::TargetParalysed:
        return uiText("ExactMoveLog", "「%1」は相手がまひ状態で威力： *2");
    case PowerReason::TargetAsleep:
        return uiText("ExactMoveLog", "「%1」は相手がねむり状態で威力： *2");
    case PowerReason::MovesAfter:
        return uiText("ExactMoveLog", "「%1」は後攻で威力： *2");
    case PowerReason::HitByTarget:
        return uiText("ExactMoveLog", "「%1」はこのターンに相手の攻撃を受けて威力： *2");
    case PowerReason::TargetAlreadyHit:
        return uiText("ExactMoveLog", "「%1」は相手がこのターンにダメージを受けていて威力： *2");
    case PowerReason::AllyFainted:
        return uiText("ExactMoveLog", "「%1」は前のターンに味方が倒れて威力： *2");
    case PowerReason::AllyRound:
        return uiText("ExactMoveLog", "「%1」は味方の「りんしょう」に続いて威力： *2");
    case PowerReason::NoItem:
        return uiText("ExactMoveLog", "「%1」は持ち物が無く威力： *2");
    case PowerReason::GemUsedUp:
        return uiText("ExactMoveLog", "「%1」は「ひこうのジュエル」を使って持ち物が無くなり威力： *2");
    case PowerReason::SwitchingOut:
        return uiText("ExactMoveLog", "「%1」は交代する相手に威力： *2");
    }
    return "";
}

void appendTurnOrder(std::string& out, const ExactStep& s) {
    const std::string text = s.after == 2 ? uiText("ExactMoveLog", "素早さ %1 対 %2 の同速：先攻と後攻を半々として計算")
                             : s.after == 1 ? uiText("ExactMoveLog", "素早さ %1 対 %2 で後攻として計算")
                                            : uiText("ExactMoveLog", "素早さ %1 対 %2 で先攻として計算");
    append(out, fillText(text, {number(s.arg), number(s.arg2)}));
}

void appendOutcomes(std::string& out, const ExactStep& s) {
    if (s.arg == 221) // マグニチュード
        append(out, uiText("ExactMoveLog",
                           "マグニチュード4～10（威力 10・30・50・70・90・110・150、確率 5・10・20・30・20・10・5％）："
                           "以下はマグニチュード7（威力 70）の計算"));
    else
        append(out,
               uiText("ExactMoveLog", "威力 40（40％）・80（30％）・120（10％）、回復（20％）：以下は威力 40 の計算"));
}

// "なつき度 255 で威力： 102" and the other powers a move reads from the battle.
void appendPowerFrom(std::string& out, const ExactStep& s, Generation generation) {
    const std::string power = number(s.after);
    switch (s.rule) {
    case R::PowerFromHappiness:
        append(out, fillText(uiText("ExactMoveLog", "なつき度 %1 で威力： %2"), {number(s.arg), power}));
        break;
    case R::PowerFromHp:
        append(out, fillText(defender(s) ? uiText("ExactMoveLog", "＞＞＞ 相手のHP %1/%2 で威力： %3")
                                         : uiText("ExactMoveLog", "HP %1/%2 で威力： %3"),
                             {number(s.arg), number(s.arg2), power}));
        break;
    case R::PowerFromWeight:
        if (s.arg2 == 0)
            append(out, fillText(uiText("ExactMoveLog", "相手の重さ %1 で威力： %2"), {kilograms(s.arg), power}));
        else
            append(out, fillText(uiText("ExactMoveLog", "重さ %1 対 %2 で威力： %3"),
                                 {kilograms(s.arg2), kilograms(s.arg), power}));
        break;
    case R::PowerFromStages:
        append(out,
               fillText(defender(s) ? uiText("ExactMoveLog", "＞＞＞ 相手の上がった能力ランクの合計 %1 で威力： %2")
                                    : uiText("ExactMoveLog", "上がった能力ランクの合計 %1 で威力： %2"),
                        {number(s.arg), power}));
        break;
    case R::PowerFromUses:
        append(out, fillText(uiText("ExactMoveLog", "続けて %1回目で威力： %2"), {number(s.arg), power}));
        break;
    case R::PowerFromPp:
        append(out, fillText(uiText("ExactMoveLog", "残りPP %1 で威力： %2"), {number(s.arg), power}));
        break;
    case R::PowerFromStockpile:
        append(out, fillText(uiText("ExactMoveLog", "「たくわえる」 %1回で威力： %2"), {number(s.arg), power}));
        break;
    case R::PowerFromItem:
        append(out, fillText(uiText("ExactMoveLog", "「%1」を投げて威力： %2"), {heldItemName(s.arg), power}));
        break;
    case R::NaturalGift:
        append(out, fillText(uiText("ExactMoveLog", "「%1」で %2タイプ・威力： %3"),
                             {heldItemName(s.arg), typeName(s.arg2), power}));
        break;
    case R::BeatUpPower:
        append(out, fillText(generation == kGen4 ? uiText("ExactMoveLog", "攻撃の種族値 %1：威力 %2")
                                                 : uiText("ExactMoveLog", "攻撃の種族値 %1 で威力： %2"),
                             {number(s.arg), power}));
        break;
    default:
        break;
    }
}

} // namespace

void appendMoveStep(std::string& out, const ExactStep& s, Generation generation) {
    switch (s.rule) {
    case R::Assumed:
        append(out, assumption(static_cast<ExactAssumption>(s.arg), defender(s)));
        break;
    case R::MoveFails:
        append(out, failure(static_cast<MoveFailure>(s.arg)));
        break;
    case R::BaseStatsOnly:
        append(out, fillText(uiText("ExactMoveLog", "攻撃の種族値 %1 対 防御の種族値 %2 で計算（タイプなし）"),
                             {number(s.before), number(s.after)}));
        break;
    case R::PowerDoubled:
        append(out, fillText(doubledText(static_cast<PowerReason>(s.arg2)), {moveRecord(s.arg).name}));
        break;
    case R::TurnOrderFromSpeed:
        appendTurnOrder(out, s);
        break;
    case R::PowerOutcomes:
        appendOutcomes(out, s);
        break;
    case R::Psywave:
        append(out, fillText(uiText("ExactMoveLog", "レベル %1 × 0.5～1.5 ＝ %2～%3（%4通り、どれも同じ確率）"),
                             {number(s.arg), number(s.before), number(s.after), number(s.arg2)}));
        break;
    default:
        appendPowerFrom(out, s, generation);
        break;
    }
}

} // namespace rusrina
