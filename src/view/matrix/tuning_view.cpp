#include "view/matrix/tuning_view.h"

#include "data/natures.h"
#include "data/species.h"
#include "text/ui_text.h"
#include "view/box/battle_state_text.h"
#include "view/common/exact_texts.h"
#include "view/common/list_choice.h"
#include "view/matrix/spread_view.h"
#include "view/sequence/sequence_view.h"

namespace rusrina {
namespace {

std::string statText(int stat) {
    return stat == kSpAttack ? text::uiText("TuningView", "特攻") : text::uiText("TuningView", "攻撃");
}

std::string certaintyWords(int percent) {
    if (percent >= kCertain)
        return text::uiText("TuningView", "確定");
    return text::fillText(text::uiText("TuningView", "%1％以上"), {std::to_string(percent)});
}

std::string blockedPowerText(SpreadStatus status) {
    switch (status) {
    case SpreadStatus::TypedStats:
        return text::uiText("TuningView", "能力値を直接入力した個体には努力値がありません");
    case SpreadStatus::Immune:
        return text::uiText("TuningView", "この技ではダメージを与えられません");
    case SpreadStatus::NotFound:
        return text::uiText("TuningView", "努力値を振り切っても届きません");
    case SpreadStatus::BadQuery:
        return text::uiText("TuningView", "条件が正しくありません");
    default:
        return text::uiText("TuningView", "この技では計算できません");
    }
}

std::string speciesOf(const Combatant& c) {
    return c.entry && c.entry->species >= 0 && c.entry->species < kSpeciesCount ? speciesName(c.entry->species)
                                                                                : std::string(kNotAvailable);
}

} // namespace

std::optional<BoxEntry> entryWithBulkSpread(const BoxEntry& defender, const BulkSpread& spread) {
    std::array<int, 6> evs;
    std::copy(std::begin(defender.ev), std::end(defender.ev), evs.begin());
    evs[kHp] = spread.hpEv;
    evs[kDefence] = spread.defenceEv;
    evs[kSpDefence] = spread.spDefenceEv;
    return entryWithSpread(defender, defender.nature, evs);
}

std::string bulkListText(std::span<const PlannedStep> steps, bool hasDefender) {
    if (steps.empty())
        return text::uiText("TuningView", "連続攻撃ウィンドウで攻撃の一覧を作ってください");
    if (!hasDefender)
        return text::uiText("TuningView", "防御側を選んでください");
    return text::fillText(text::uiText("TuningView", "%1 を耐える配分"), {plannedChainText(steps)});
}

std::string powerTargetText(const Combatant& defender) {
    const CombatantState& s = defender.state;
    std::vector<std::string> parts;
    if (s.hp)
        parts.push_back(s.hp->isShare
                            ? text::fillText(text::uiText("TuningView", "HP %1％"), {std::to_string(s.hp->amount)})
                            : text::fillText(text::uiText("TuningView", "HP %1"), {std::to_string(s.hp->amount)}));
    if (s.status && *s.status != StatusCondition::None)
        parts.push_back(statusConditionName(*s.status));
    if (s.stealthRock)
        parts.push_back(text::uiText("TuningView", "ステルスロック"));
    if (s.spikes > 0)
        parts.push_back(text::fillText(text::uiText("TuningView", "まきびし%1"), {std::to_string(s.spikes)}));
    if (s.switchingIn)
        parts.push_back(text::uiText("TuningView", "交代で登場"));
    std::string out = speciesOf(defender);
    if (parts.empty())
        return out;
    std::string state;
    for (size_t i = 0; i < parts.size(); ++i)
        state += (i ? text::uiText("TuningView", "・") : "") + parts[i];
    return text::fillText(text::uiText("TuningView", "%1（%2）"), {out, state});
}

std::array<std::string, kPowerColumnCount> powerHeadings(int stat) {
    return {text::uiText("TuningView", "相手"),
            text::fillText(text::uiText("TuningView", "%1努力値"), {statText(stat)}), statText(stat),
            text::uiText("TuningView", "倒す確率")};
}

std::array<std::string, kPowerColumnCount> powerTexts(const Combatant& defender, const OffenceSpread& found) {
    if (found.status != SpreadStatus::Found)
        return {powerTargetText(defender), blockedPowerText(found.status), "－", "－"};
    return {powerTargetText(defender), std::to_string(found.ev), std::to_string(found.value),
            koChanceText(found.chance)};
}

std::string powerSummaryText(const PowerTuning& found, std::span<const Combatant> defenders, int hits, int percent) {
    if (found.each.empty())
        return text::uiText("TuningView", "相手を追加してください");
    const OffenceSpread& all = found.all;
    if (all.status != SpreadStatus::Found || found.hardest < 0)
        return text::fillText(text::uiText("TuningView", "すべてを倒す努力値はありません：%1"),
                              {blockedPowerText(all.status)});
    return text::fillText(
        text::uiText("TuningView", "性格 %1・%2努力値 %3（%2 %4）で %5 体すべてを %6発で%7倒す（最も固いのは %8）"),
        {natureText(all.nature), statText(all.stat), std::to_string(all.ev), std::to_string(all.value),
         std::to_string(found.each.size()), std::to_string(hits), certaintyWords(percent),
         powerTargetText(defenders[static_cast<size_t>(found.hardest)])});
}

} // namespace rusrina
