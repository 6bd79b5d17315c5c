#include "view/box/speed_order_line.h"

#include "calc/exact/exact_damage.h"
#include "data/held_items.h"

namespace rusrina {

namespace {

SpeedSide sideOf(const BoxEntry& entry, const EntryExtra& extra) {
    const ExactSide exact = exactSide(entry, extra);
    SpeedSide s;
    s.stat = entry.stat[kSpeed];
    s.species = entry.species;
    s.ability = entry.ability;
    s.heldItem = exact.heldItem < 0 ? kNoHeldItem : exact.heldItem;
    return s;
}

std::string sideText(const EffectiveSpeed& s) {
    std::string text = std::to_string(s.stat);
    if (s.speed == s.stat && s.factorCount == 0)
        return text;
    text += " → " + std::to_string(s.speed) + "（";
    for (int i = 0; i < s.factorCount; ++i) {
        if (i > 0)
            text += "・";
        const SpeedFactor f = s.factors[i];
        text += f == SpeedFactor::HalvingItem ? heldItem(s.item).japanese : speedFactorName(f);
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
    if (!isExact(settings.mode) || !engine.attacker || !engine.defender)
        return std::nullopt;
    SpeedField field;
    field.generation = exactOptionsFor(settings).generation;
    field.weather = engine.conditions.weather;
    return turnOrder(sideOf(*engine.attacker, engine.attackerExtra), sideOf(*engine.defender, engine.defenderExtra),
                     field);
}

std::string speedOrderLine(const std::optional<OrderResult>& order) {
    if (!order)
        return {};
    const std::string verdict = order->order == TurnOrder::First    ? "攻撃側が先手"
                                : order->order == TurnOrder::Second ? "攻撃側が後手"
                                                                    : "同速 (50 %)";
    std::string line = "素早さ " + sideText(order->speed[0]) + " 対 " + sideText(order->speed[1]) + "：" + verdict;
    if (order->chanceToLead[0] || order->chanceToLead[1])
        line += "（せんせいのツメ・イバンのみで先に動くことがあります）";
    return line;
}

} // namespace rusrina
