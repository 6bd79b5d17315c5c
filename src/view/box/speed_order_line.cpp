#include "view/box/speed_order_line.h"

#include "calc/calculate.h"
#include "data/held_items.h"
#include "data/moves.h"

namespace rusrina {

namespace {

std::string stageText(int stage) {
    return "ランク" + std::string(stage > 0 ? "+" : "") + std::to_string(stage);
}

std::string sideText(const EffectiveSpeed& s) {
    std::string text = std::to_string(s.stat);
    if (s.speed == s.stat && s.factorCount == 0 && s.stage == 0)
        return text;
    text += " → " + std::to_string(s.speed) + "（";
    if (s.stage != 0)
        text += stageText(s.stage) + (s.factorCount > 0 ? "・" : "");
    for (int i = 0; i < s.factorCount; ++i) {
        if (i > 0)
            text += "・";
        const SpeedFactor f = s.factors[i];
        text += f == SpeedFactor::HalvingItem ? heldItemName(s.item) : speedFactorName(f);
    }
    return text + "）";
}

} // namespace

const char* speedFactorName(SpeedFactor factor) {
    switch (factor) {
    case SpeedFactor::SwiftSwim:
        return "すいすい";
    case SpeedFactor::Chlorophyll:
        return "ようりょくそ";
    case SpeedFactor::SandRush:
        return "すなかき";
    case SpeedFactor::ChoiceScarf:
        return "こだわりスカーフ";
    case SpeedFactor::HalvingItem:
        return "素早さ半減の道具";
    case SpeedFactor::QuickPowder:
        return "スピードパウダー";
    case SpeedFactor::QuickFeet:
        return "はやあし";
    case SpeedFactor::Paralysis:
        return "まひ";
    case SpeedFactor::QuickFeetParalysis:
        return "まひ無効";
    case SpeedFactor::SlowStart:
        return "スロースタート";
    case SpeedFactor::Unburden:
        return "かるわざ";
    case SpeedFactor::Tailwind:
        return "おいかぜ";
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
    const std::string verdict = order->order == TurnOrder::First    ? "攻撃側が先手"
                                : order->order == TurnOrder::Second ? "攻撃側が後手"
                                                                    : "同速 (50 %)";
    std::string line = "素早さ " + sideText(order->speed[0]) + " 対 " + sideText(order->speed[1]) + "：" + verdict;
    if (order->trickRoom && order->order != TurnOrder::Tie)
        line += "（トリックルーム）";
    if (order->chanceToLead[0] || order->chanceToLead[1])
        line += "（せんせいのツメ・イバンのみで先に動くことがあります）";
    return line;
}

} // namespace rusrina
