#include "view/box/exact_move_texts.h"

#include "data/held_items.h"
#include "data/moves.h"
#include "data/types.h"

#include <string_view>

namespace rusrina {
namespace {

using R = ExactRule;

template <typename... Parts> void append(std::string& out, const Parts&... parts) {
    (out.append(std::string_view(parts)), ...);
}

std::string number(int64_t value) {
    return std::to_string(value);
}

// "46.8kg" from hectograms.
std::string kilograms(int64_t hectograms) {
    return number(hectograms / 10) + "." + number(hectograms % 10) + "kg";
}

bool defender(const ExactStep& s) {
    return s.side == ExactStepSide::Defender;
}

const char* assumption(ExactAssumption what, bool foe) {
    switch (what) {
    case ExactAssumption::FullHp:
        return foe ? "＞＞＞ 相手のHPは満タンとして計算" : "HPは満タンとして計算";
    case ExactAssumption::NoStatus:
        return foe ? "＞＞＞ 相手は状態異常なしとして計算" : "状態異常なしとして計算";
    case ExactAssumption::OtherStagesNeutral:
        return foe ? "＞＞＞ 相手のほかの能力ランクは±0として計算" : "ほかの能力ランクは±0として計算";
    case ExactAssumption::FirstUse:
        return "続けて使う1回目として計算";
    case ExactAssumption::PpLeft:
        return "PPが4以上残っているとして計算";
    case ExactAssumption::OneStockpile:
        return "「たくわえる」1回として計算";
    case ExactAssumption::NotHitThisTurn:
        return "このターンに相手の攻撃を受けていないとして計算";
    case ExactAssumption::TargetNotHitThisTurn:
        return "＞＞＞ 相手はこのターンにまだダメージを受けていないとして計算";
    case ExactAssumption::NoAllyFainted:
        return "前のターンに味方が倒れていないとして計算";
    case ExactAssumption::NoRoundBefore:
        return "味方が先に「りんしょう」を使っていないとして計算";
    case ExactAssumption::NotSwitchingOut:
        return "＞＞＞ 相手は交代しないとして計算";
    case ExactAssumption::UserAloneInParty:
        return "手持ちで戦えるのは自分だけとして計算（1回攻撃）";
    }
    return "";
}

const char* failure(MoveFailure why) {
    switch (why) {
    case MoveFailure::NothingToFling:
        return "投げられる持ち物が無いため失敗";
    case MoveFailure::NoBerry:
        return "きのみを持っていないため失敗";
    case MoveFailure::Klutz:
        return "「ぶきよう」で持ち物を使えないため失敗";
    case MoveFailure::NothingStored:
        return "「たくわえる」が無いため失敗";
    case MoveFailure::HpNotLower:
        return "相手のHPが自分のHP以下のため失敗";
    case MoveFailure::TargetAwake:
        return "相手が眠っていないため失敗";
    case MoveFailure::NoSharedType:
        return "相手に自分と同じタイプが無いため失敗";
    case MoveFailure::NoOneToBeatUp:
        return "状態異常の仲間は加われず、攻撃できる仲間がいないため失敗";
    case MoveFailure::MagicRoom:
        return "「マジックルーム」で持ち物を使えないため失敗";
    case MoveFailure::None:
        break;
    }
    return "";
}

const char* doubledBecause(PowerReason why) {
    switch (why) {
    case PowerReason::TargetHalfHp:
        return "相手のHPが半分以下で";
    case PowerReason::TargetStatus:
        return "相手が状態異常で";
    case PowerReason::TargetParalysed:
        return "相手がまひ状態で";
    case PowerReason::TargetAsleep:
        return "相手がねむり状態で";
    case PowerReason::MovesAfter:
        return "後攻で";
    case PowerReason::HitByTarget:
        return "このターンに相手の攻撃を受けて";
    case PowerReason::TargetAlreadyHit:
        return "相手がこのターンにダメージを受けていて";
    case PowerReason::AllyFainted:
        return "前のターンに味方が倒れて";
    case PowerReason::AllyRound:
        return "味方の「りんしょう」に続いて";
    case PowerReason::NoItem:
        return "持ち物が無く";
    case PowerReason::GemUsedUp:
        return "「ひこうのジュエル」を使って持ち物が無くなり";
    case PowerReason::SwitchingOut:
        return "交代する相手に";
    }
    return "";
}

void appendTurnOrder(std::string& out, const ExactStep& s) {
    append(out, "素早さ ", number(s.arg), " 対 ", number(s.arg2));
    if (s.after == 2)
        append(out, " の同速：先攻と後攻を半々として計算");
    else
        append(out, s.after == 1 ? " で後攻として計算" : " で先攻として計算");
}

void appendOutcomes(std::string& out, const ExactStep& s) {
    if (s.arg == 221) // マグニチュード
        append(out, "マグニチュード4～10（威力 10・30・50・70・90・110・150、確率 5・10・20・30・20・10・5％）："
                    "以下はマグニチュード7（威力 70）の計算");
    else
        append(out, "威力 40（40％）・80（30％）・120（10％）、回復（20％）：以下は威力 40 の計算");
}

// "なつき度 255 で威力： 102" and the other powers a move reads from the battle.
void appendPowerFrom(std::string& out, const ExactStep& s, Generation generation) {
    const std::string power = number(s.after);
    switch (s.rule) {
    case R::PowerFromHappiness:
        append(out, "なつき度 ", number(s.arg), " で威力： ", power);
        break;
    case R::PowerFromHp:
        append(out, defender(s) ? "＞＞＞ 相手のHP " : "HP ", number(s.arg), "/", number(s.arg2), " で威力： ", power);
        break;
    case R::PowerFromWeight:
        if (s.arg2 == 0)
            append(out, "相手の重さ ", kilograms(s.arg), " で威力： ", power);
        else
            append(out, "重さ ", kilograms(s.arg2), " 対 ", kilograms(s.arg), " で威力： ", power);
        break;
    case R::PowerFromStages:
        append(out, defender(s) ? "＞＞＞ 相手の" : "", "上がった能力ランクの合計 ", number(s.arg), " で威力： ",
               power);
        break;
    case R::PowerFromUses:
        append(out, "続けて ", number(s.arg), "回目で威力： ", power);
        break;
    case R::PowerFromPp:
        append(out, "残りPP ", number(s.arg), " で威力： ", power);
        break;
    case R::PowerFromStockpile:
        append(out, "「たくわえる」 ", number(s.arg), "回で威力： ", power);
        break;
    case R::PowerFromItem:
        append(out, "「", heldItemName(s.arg), "」を投げて威力： ", power);
        break;
    case R::NaturalGift:
        append(out, "「", heldItemName(s.arg), "」で ", typeName(s.arg2), "タイプ・威力： ", power);
        break;
    case R::BeatUpPower:
        append(out, "攻撃の種族値 ", number(s.arg), generation == kGen4 ? "：威力 " : " で威力： ", power);
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
        append(out, "攻撃の種族値 ", number(s.before), " 対 防御の種族値 ", number(s.after), " で計算（タイプなし）");
        break;
    case R::PowerDoubled:
        append(out, "「", moveRecord(s.arg).name, "」は", doubledBecause(static_cast<PowerReason>(s.arg2)),
               "威力： *2");
        break;
    case R::TurnOrderFromSpeed:
        appendTurnOrder(out, s);
        break;
    case R::PowerOutcomes:
        appendOutcomes(out, s);
        break;
    case R::Psywave:
        append(out, "レベル ", number(s.arg), " × 0.5～1.5 ＝ ", number(s.before), "～", number(s.after), "（",
               number(s.arg2), "通り、どれも同じ確率）");
        break;
    default:
        appendPowerFrom(out, s, generation);
        break;
    }
}

} // namespace rusrina
