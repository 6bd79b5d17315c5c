#include "view/box/battle_state_text.h"

#include "text/ui_text.h"

#include <array>
#include <utility>

namespace rusrina {

std::string statusConditionName(StatusCondition status) {
    switch (status) {
    case StatusCondition::None:
        return text::uiText("BattleState", "なし");
    case StatusCondition::Burn:
        return text::uiText("BattleState", "やけど");
    case StatusCondition::Poison:
        return text::uiText("BattleState", "どく");
    case StatusCondition::BadPoison:
        return text::uiText("BattleState", "もうどく");
    case StatusCondition::Paralysis:
        return text::uiText("BattleState", "まひ");
    case StatusCondition::Sleep:
        return text::uiText("BattleState", "ねむり");
    case StatusCondition::Freeze:
        return text::uiText("BattleState", "こおり");
    }
    return "";
}

std::string stageStatName(int stat) {
    static constexpr std::array<const char*, kStageStatCount> names = {
        UI_TEXT_NOOP("BattleState", "攻撃"), UI_TEXT_NOOP("BattleState", "防御"),   UI_TEXT_NOOP("BattleState", "特攻"),
        UI_TEXT_NOOP("BattleState", "特防"), UI_TEXT_NOOP("BattleState", "素早さ"), UI_TEXT_NOOP("BattleState", "命中"),
        UI_TEXT_NOOP("BattleState", "回避")};
    return stat >= 0 && stat < kStageStatCount ? text::uiText("BattleState", names[static_cast<std::size_t>(stat)])
                                               : "";
}

std::vector<ListChoice> statusChoices() {
    std::vector<ListChoice> choices;
    for (int s = static_cast<int>(StatusCondition::None); s <= static_cast<int>(StatusCondition::Freeze); ++s)
        choices.push_back({statusConditionName(static_cast<StatusCondition>(s)), s});
    return choices;
}

std::vector<ListChoice> stateStageChoices() {
    std::vector<ListChoice> choices;
    for (int stage = kHighestStage; stage >= kLowestStage; --stage)
        choices.push_back({stage > 0 ? "+" + std::to_string(stage) : stage == 0 ? "±0" : std::to_string(stage), stage});
    return choices;
}

std::vector<ListChoice> hpUnitChoices() {
    return {{text::uiText("BattleState", "％"), 1}, {text::uiText("BattleState", "実数値"), 0}};
}

namespace {

std::string signedStage(int stage) {
    return stage > 0 ? "+" + std::to_string(stage) : std::to_string(stage);
}

// The parts of one side that differ from the defaults, in the panel's order.
std::vector<std::string> sideParts(const SideState& side) {
    const SideState neutral;
    std::vector<std::string> parts;
    if (side.status == StatusCondition::BadPoison)
        parts.push_back(
            text::fillText(text::uiText("BattleState", "もうどく%1回目"), {std::to_string(side.toxicTurns)}));
    else if (side.status != StatusCondition::None)
        parts.emplace_back(statusConditionName(side.status));
    if (side.hp != neutral.hp || side.hpIsShare != neutral.hpIsShare)
        parts.push_back(text::fillText(side.hpIsShare ? text::uiText("BattleState", "HP %1％") : "HP %1",
                                       {std::to_string(side.hp)}));
    for (int stat = 0; stat < kStageStatCount; ++stat)
        if (const int stage = side.stages[static_cast<std::size_t>(stat)]; stage != 0)
            parts.push_back(stageStatName(stat) + signedStage(stage));
    if (side.tailwind)
        parts.emplace_back(text::uiText("BattleState", "おいかぜ"));
    // The hazards hit only a side that comes in: without 交代で登場 the line says they wait for it.
    const std::string onEntry = side.switchingIn ? "%1" : text::uiText("BattleState", "%1（交代で登場時のみ）");
    if (side.stealthRock)
        parts.push_back(text::fillText(onEntry, {text::uiText("BattleState", "ステルスロック")}));
    if (side.spikes > 0)
        parts.push_back(text::fillText(
            onEntry, {text::fillText(text::uiText("BattleState", "まきびし%1"), {std::to_string(side.spikes)})}));
    const std::pair<bool, const char*> onIt[] = {{side.seeded, UI_TEXT_NOOP("BattleState", "やどりぎのタネ")},
                                                 {side.charged, UI_TEXT_NOOP("BattleState", "じゅうでん")},
                                                 {side.flashFire, UI_TEXT_NOOP("BattleState", "もらいび")},
                                                 {side.switchingIn, UI_TEXT_NOOP("BattleState", "交代で登場")}};
    for (const auto& [on, name] : onIt)
        if (on)
            parts.emplace_back(text::uiText("BattleState", name));
    return parts;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : text::uiText("BattleState", "・")) + part;
    return text;
}

} // namespace

std::string battleStateSummary(const BattleState& state) {
    std::vector<std::string> field;
    const std::pair<bool, const char*> flags[] = {
        {state.field.trickRoom, UI_TEXT_NOOP("BattleState", "トリックルーム")},
        {state.field.magicRoom, UI_TEXT_NOOP("BattleState", "マジックルーム")},
        {state.field.wonderRoom, UI_TEXT_NOOP("BattleState", "ワンダールーム")},
        {state.field.countTurnEnd, UI_TEXT_NOOP("BattleState", "ターン終了時も数える")},
        {state.field.countHitChances, UI_TEXT_NOOP("BattleState", "命中・急所も数える")}};
    for (const auto& [on, name] : flags)
        if (on)
            field.emplace_back(text::uiText("BattleState", name));
    const std::pair<std::string, std::string> groups[] = {
        {text::uiText("BattleState", "攻撃側：%1"), joined(sideParts(state.attacker))},
        {text::uiText("BattleState", "防御側：%1"), joined(sideParts(state.defender))},
        {text::uiText("BattleState", "場：%1"), joined(field)}};
    std::string text;
    for (const auto& [caption, parts] : groups)
        if (!parts.empty())
            text += (text.empty() ? "" : text::uiText("BattleState", "　")) + text::fillText(caption, {parts});
    return text.empty() ? text::uiText("BattleState", "なし") : text;
}

} // namespace rusrina
