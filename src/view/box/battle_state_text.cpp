#include "view/box/battle_state_text.h"

#include <array>
#include <utility>

namespace rusrina {

const char* statusConditionName(StatusCondition status) {
    switch (status) {
    case StatusCondition::None:
        return "なし";
    case StatusCondition::Burn:
        return "やけど";
    case StatusCondition::Poison:
        return "どく";
    case StatusCondition::BadPoison:
        return "もうどく";
    case StatusCondition::Paralysis:
        return "まひ";
    case StatusCondition::Sleep:
        return "ねむり";
    case StatusCondition::Freeze:
        return "こおり";
    }
    return "";
}

const char* stageStatName(int stat) {
    static constexpr std::array<const char*, kStageStatCount> names = {"攻撃",   "防御", "特攻", "特防",
                                                                       "素早さ", "命中", "回避"};
    return stat >= 0 && stat < kStageStatCount ? names[static_cast<std::size_t>(stat)] : "";
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
    return {{"％", 1}, {"実数値", 0}};
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
        parts.push_back("もうどく" + std::to_string(side.toxicTurns) + "回目");
    else if (side.status != StatusCondition::None)
        parts.emplace_back(statusConditionName(side.status));
    if (side.hp != neutral.hp || side.hpIsShare != neutral.hpIsShare)
        parts.push_back("HP " + std::to_string(side.hp) + (side.hpIsShare ? "％" : ""));
    for (int stat = 0; stat < kStageStatCount; ++stat)
        if (const int stage = side.stages[static_cast<std::size_t>(stat)]; stage != 0)
            parts.push_back(stageStatName(stat) + signedStage(stage));
    if (side.tailwind)
        parts.emplace_back("おいかぜ");
    // The hazards hit only a side that comes in: without 交代で登場 the line says they wait for it.
    const char* const onEntry = side.switchingIn ? "" : "（交代で登場時のみ）";
    if (side.stealthRock)
        parts.push_back(std::string("ステルスロック") + onEntry);
    if (side.spikes > 0)
        parts.push_back("まきびし" + std::to_string(side.spikes) + onEntry);
    const std::pair<bool, const char*> onIt[] = {{side.seeded, "やどりぎのタネ"},
                                                 {side.charged, "じゅうでん"},
                                                 {side.flashFire, "もらいび"},
                                                 {side.switchingIn, "交代で登場"}};
    for (const auto& [on, name] : onIt)
        if (on)
            parts.emplace_back(name);
    return parts;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : "・") + part;
    return text;
}

} // namespace

std::string battleStateSummary(const BattleState& state) {
    std::vector<std::string> field;
    const std::pair<bool, const char*> flags[] = {{state.field.trickRoom, "トリックルーム"},
                                                  {state.field.magicRoom, "マジックルーム"},
                                                  {state.field.wonderRoom, "ワンダールーム"},
                                                  {state.field.countTurnEnd, "ターン終了時も数える"},
                                                  {state.field.countHitChances, "命中・急所も数える"}};
    for (const auto& [on, name] : flags)
        if (on)
            field.emplace_back(name);
    const std::pair<const char*, std::string> groups[] = {{"攻撃側：", joined(sideParts(state.attacker))},
                                                          {"防御側：", joined(sideParts(state.defender))},
                                                          {"場：", joined(field)}};
    std::string text;
    for (const auto& [caption, parts] : groups)
        if (!parts.empty())
            text += (text.empty() ? "" : "　") + std::string(caption) + parts;
    return text.empty() ? "なし" : text;
}

} // namespace rusrina
