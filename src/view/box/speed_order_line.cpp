#include "view/box/speed_order_line.h"

#include "calc/calculate.h"
#include "data/held_items.h"
#include "data/moves.h"
#include "text/ui_text.h"

namespace rusrina {

namespace {

using text::fillText;
using text::uiText;

std::string stageText(int stage) {
    return fillText(uiText("SpeedOrder", "ランク%1"), {(stage > 0 ? "+" : "") + std::to_string(stage)});
}

std::string sideText(const EffectiveSpeed& s) {
    std::string text = std::to_string(s.stat);
    if (s.speed == s.stat && s.factorCount == 0 && s.stage == 0)
        return text;
    const std::string separator = uiText("SpeedOrder", "・");
    std::string why;
    if (s.stage != 0)
        why += stageText(s.stage);
    for (int i = 0; i < s.factorCount; ++i) {
        if (!why.empty())
            why += separator;
        const SpeedFactor f = s.factors[i];
        why += f == SpeedFactor::HalvingItem ? std::string(heldItemName(s.item)) : speedFactorName(f);
    }
    return fillText(uiText("SpeedOrder", "%1 → %2（%3）"), {text, std::to_string(s.speed), why});
}

} // namespace

std::string speedFactorName(SpeedFactor factor) {
    switch (factor) {
    case SpeedFactor::SwiftSwim:
        return uiText("SpeedOrder", "すいすい");
    case SpeedFactor::Chlorophyll:
        return uiText("SpeedOrder", "ようりょくそ");
    case SpeedFactor::SandRush:
        return uiText("SpeedOrder", "すなかき");
    case SpeedFactor::ChoiceScarf:
        return uiText("SpeedOrder", "こだわりスカーフ");
    case SpeedFactor::HalvingItem:
        return uiText("SpeedOrder", "素早さ半減の道具");
    case SpeedFactor::QuickPowder:
        return uiText("SpeedOrder", "スピードパウダー");
    case SpeedFactor::QuickFeet:
        return uiText("SpeedOrder", "はやあし");
    case SpeedFactor::Paralysis:
        return uiText("SpeedOrder", "まひ");
    case SpeedFactor::QuickFeetParalysis:
        return uiText("SpeedOrder", "まひ無効");
    case SpeedFactor::SlowStart:
        return uiText("SpeedOrder", "スロースタート");
    case SpeedFactor::Unburden:
        return uiText("SpeedOrder", "かるわざ");
    case SpeedFactor::Tailwind:
        return uiText("SpeedOrder", "おいかぜ");
    }
    return "";
}

std::optional<OrderResult> speedOrderOf(const DamageEngine& engine, const DamageSettings& settings) {
    return calculateOrder(engine.scenario(settings.mode, settings.critical));
}

std::array<std::string, kDamageRowCount> movePriorityTexts(const DamageEngine& engine, Generation generation) {
    std::array<std::string, kDamageRowCount> texts;
    for (int k = 0; k < kDirectRow; ++k) {
        const int move = !engine.attacker    ? NO_MOVE
                         : k < kMoveRowCount ? engine.attacker->move[k]
                         : engine.defender   ? engine.learnableMove
                                             : NO_MOVE;
        if (!isValidMove(move)) {
            texts[k] = kNotAvailable;
            continue;
        }
        const int priority = movePriority(moveIdOf(move), abilityIdOf(engine.attacker->ability), generation);
        texts[k] = (priority > 0 ? "+" : "") + std::to_string(priority);
    }
    return texts;
}

std::string speedOrderLine(const std::optional<OrderResult>& order) {
    if (!order)
        return {};
    const std::string verdict = order->order == TurnOrder::First    ? uiText("SpeedOrder", "攻撃側が先手")
                                : order->order == TurnOrder::Second ? uiText("SpeedOrder", "攻撃側が後手")
                                                                    : uiText("SpeedOrder", "同速 (50 %)");
    std::string line = fillText(uiText("SpeedOrder", "素早さ %1 対 %2：%3"),
                                {sideText(order->speed[0]), sideText(order->speed[1]), verdict});
    if (order->trickRoom && order->order != TurnOrder::Tie)
        line += uiText("SpeedOrder", "（トリックルーム）");
    if (order->chanceToLead[0] || order->chanceToLead[1])
        line += uiText("SpeedOrder", "（せんせいのツメ・イバンのみで先に動くことがあります）");
    return line;
}

} // namespace rusrina
