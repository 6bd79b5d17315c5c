#include "view/sequence/sequence_view.h"

#include "calc/hp_marks.h"
#include "data/moves.h"
#include "data/species.h"
#include "text/ui_text.h"
#include "view/common/exact_texts.h"

#include <cmath>
#include <cstdio>

namespace rusrina {
namespace {

using text::fillText;
using text::uiText;

constexpr const char* kNone = "－";

// The HP left among the cases the defender stands: the lowest, the highest and the mean.
struct HpSpread {
    bool standing = false;
    int low = 0;
    int high = 0;
    double mean = 0.0;
};

HpSpread hpSpreadOf(const SequenceUseResult& use) {
    HpSpread out;
    double mass = 0.0, sum = 0.0;
    for (size_t h = 1; h < use.hp.size(); ++h) {
        if (use.hp[h] <= 0.0)
            continue;
        if (!out.standing)
            out.low = static_cast<int>(h);
        out.standing = true;
        out.high = static_cast<int>(h);
        mass += use.hp[h];
        sum += use.hp[h] * static_cast<double>(h);
    }
    out.mean = mass > 0.0 ? sum / mass : 0.0;
    return out;
}

std::string oneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

std::string hpText(const HpSpread& hp) {
    if (!hp.standing)
        return uiText("SequenceText", "倒れている");
    const std::string range = hp.low == hp.high ? std::to_string(hp.low)
                                                : fillText(uiText("SequenceText", "%1 ～ %2"),
                                                           {std::to_string(hp.low), std::to_string(hp.high)});
    return fillText(uiText("SequenceText", "%1（平均 %2）"), {range, oneDecimal(hp.mean)});
}

std::string stageText(int stage) {
    return (stage > 0 ? "+" : "") + std::to_string(stage);
}

// "防御 +1 62.5％・+2 12.5％": the stages other than 0 with their chances.
std::string stagesText(const std::string& stat, const std::vector<std::pair<int, double>>& stages) {
    std::string text;
    for (const auto& [stage, chance] : stages)
        if (stage != 0 && chance > 0.0)
            text += (text.empty() ? "" : uiText("SequenceText", "・")) + stageText(stage) + " " + koChanceText(chance);
    return text.empty() ? text : fillText(uiText("SequenceText", "%1 %2"), {stat, text});
}

std::string stepName(std::span<const PlannedStep> steps, int step) {
    return step >= 0 && step < static_cast<int>(steps.size()) ? plannedStepText(steps[step]) : std::string(kNone);
}

} // namespace

std::vector<ListChoice> sequenceAttackerChoices(std::span<const BoxEntry> entries) {
    std::vector<ListChoice> choices;
    for (size_t i = 0; i < entries.size(); ++i)
        choices.push_back(
            {fillText(uiText("SequenceText", "%1：%2（%3）"),
                      {std::to_string(i + 1), entryShownName(entries[i]), speciesName(entries[i].species)}),
             static_cast<int>(i)});
    return choices;
}

std::vector<ListChoice> sequenceMoveChoices(const BoxEntry& entry) {
    std::vector<ListChoice> choices;
    for (int k = 0; k < static_cast<int>(std::size(entry.move)); ++k)
        if (isValidMove(entry.move[k]))
            choices.push_back({moveRecord(entry.move[k]).name, k});
    return choices;
}

std::string plannedStepText(const PlannedStep& step) {
    const int move = step.moveSlot >= 0 && step.moveSlot < static_cast<int>(std::size(step.entry.move))
                         ? step.entry.move[step.moveSlot]
                         : NO_MOVE;
    const std::string moveName = isValidMove(move) ? moveRecord(move).name : uiText("SequenceText", "（技なし）");
    return std::string(speciesName(step.entry.species)) + " " + moveName +
           (step.uses > 1 ? " ×" + std::to_string(step.uses) : "");
}

std::string plannedChainText(std::span<const PlannedStep> steps) {
    std::string text;
    for (const PlannedStep& step : steps)
        text += (text.empty() ? "" : " → ") + plannedStepText(step);
    return text.empty() ? uiText("SequenceText", "（攻撃なし）") : text;
}

std::array<std::string, kSequenceColumnCount> sequenceHeadings() {
    return {uiText("SequenceText", "順"), uiText("SequenceText", "攻撃"), uiText("SequenceText", "残りHP"),
            uiText("SequenceText", "倒れている確率")};
}

std::vector<std::array<std::string, kSequenceColumnCount>> sequenceRows(std::span<const PlannedStep> steps,
                                                                        const SequenceResult& result) {
    const std::vector<int> last = lastUseOfSteps(result, static_cast<int>(steps.size()));
    std::vector<std::array<std::string, kSequenceColumnCount>> rows;
    for (size_t s = 0; s < steps.size(); ++s) {
        std::array<std::string, kSequenceColumnCount> row{std::to_string(s + 1), plannedStepText(steps[s]), kNone,
                                                          kNone};
        if (last[s] >= 0) {
            const SequenceUseResult& use = result.uses[static_cast<size_t>(last[s])];
            row[2] = hpText(hpSpreadOf(use)) + " / " + std::to_string(result.maxHp);
            row[3] = koChanceText(use.knockedOut);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string sequenceProblemText(std::span<const PlannedStep> steps, std::span<const int> located, bool hasDefender,
                                const SequenceResult& result) {
    if (steps.empty())
        return uiText("SequenceText", "攻撃を追加してください（攻撃側・技・回数）");
    std::string missing;
    for (size_t s = 0; s < located.size(); ++s)
        if (located[s] < 0)
            missing += (missing.empty() ? "" : uiText("SequenceText", "・")) + std::to_string(s + 1);
    if (!missing.empty())
        return fillText(
            uiText(
                "SequenceText",
                "%1番目の攻撃側がボックスにありません（削除か書き換え）。その攻撃を削除するか、追加し直してください"),
            {missing});
    if (!hasDefender)
        return uiText("SequenceText", "防御側を選んでください");
    switch (result.status) {
    case SequenceStatus::Empty:
        return uiText("SequenceText", "回数が 0 の攻撃だけです");
    case SequenceStatus::Cut:
        return fillText(uiText("SequenceText", "攻撃回数が多すぎます：最初の %1 回まで数えました"),
                        {std::to_string(kMostSequenceUses)});
    case SequenceStatus::NotComputed:
        return uiText("SequenceText", "計算できない技・攻撃側があります（その攻撃は数えていません）");
    case SequenceStatus::OneHitKo:
        return uiText("SequenceText", "一撃必殺技は数えていません");
    case SequenceStatus::TooManyGems:
        return uiText("SequenceText", "ジュエルを持つ攻撃側が多すぎます");
    default:
        return {};
    }
}

std::string sequenceLogText(std::span<const PlannedStep> steps, const SequenceResult& result) {
    std::string log;
    if (result.maxHp <= 0)
        return log;
    log += fillText(uiText("SequenceText", "防御側： HP %1 / %2"),
                    {std::to_string(result.startHp), std::to_string(result.maxHp)}) +
           "\r\n";
    for (const TurnEndStep& e : result.entry)
        log += fillText(uiText("SequenceText", "　登場時 %1： %2"), {turnEndName(e.kind), std::to_string(e.amount)}) +
               "\r\n";
    double fallen = 0.0;
    HpSpread before;
    before.standing = true;
    before.low = before.high = result.startHp;
    before.mean = result.startHp;
    double itemGone = 0.0;
    int shownStep = -1;
    for (size_t u = 0; u < result.uses.size(); ++u) {
        const SequenceUseResult& use = result.uses[u];
        if (use.step != shownStep) {
            shownStep = use.step;
            log += std::to_string(use.step + 1) + ". " + stepName(steps, use.step) + "\r\n";
        }
        const HpSpread hp = hpSpreadOf(use);
        std::string line = fillText(
            uiText("SequenceText", "　%1回目： 倒れている確率 %2 → %3、残りHP %4 → %5"),
            {std::to_string(u + 1), koChanceText(fallen), koChanceText(use.knockedOut), hpText(before), hpText(hp)});
        if (use.missed > 0.0)
            line += fillText(uiText("SequenceText", "、外れ %1"), {koChanceText(use.missed)});
        if (use.critical > 0.0)
            line += fillText(uiText("SequenceText", "、急所 %1"), {koChanceText(use.critical)});
        if (use.itemGone > 0.0 && std::abs(use.itemGone - itemGone) > 1e-12)
            line += fillText(uiText("SequenceText", "、持ち物がない %1"), {koChanceText(use.itemGone)});
        const std::pair<std::string, const std::vector<std::pair<int, double>>*> stats[] = {
            {uiText("SequenceText", "防御"), &use.defence}, {uiText("SequenceText", "特防"), &use.spDefence}};
        for (const auto& [stat, stages] : stats) {
            const std::string text = stagesText(stat, *stages);
            if (!text.empty())
                line += fillText(uiText("SequenceText", "、%1"), {text});
        }
        log += line + "\r\n";
        fallen = use.knockedOut;
        before = hp;
        itemGone = use.itemGone;
    }
    const std::pair<uint32_t, const char*> notes[] = {
        {kNoteSecondaryEffects,
         UI_TEXT_NOOP("SequenceText", "技の追加効果（まひ・ひるみ・能力の変化）は数えていません")},
        {kNoteRecoil, UI_TEXT_NOOP("SequenceText", "反動・いのちのたまで減る攻撃側のHPは追っていません")},
        {kNoteLockedMove, UI_TEXT_NOOP("SequenceText", "げきりん などの混乱は数えていません")},
        {kNoteTripleKick, UI_TEXT_NOOP("SequenceText", "トリプルキックは1発ごとに命中を判定します")},
    };
    for (const auto& [bit, text] : notes)
        if (result.notes & bit)
            log += fillText(uiText("SequenceText", "※%1"), {uiText("SequenceText", text)}) + "\r\n";
    return log;
}

std::vector<ListChoice> bulkChanceChoices() {
    return {{uiText("SequenceText", "確定"), kBulkChanceScale},
            {uiText("SequenceText", "15/16以上"), kBulkChanceScale * 15 / 16},
            {uiText("SequenceText", "90％以上"), kBulkChanceScale * 9 / 10},
            {uiText("SequenceText", "75％以上"), kBulkChanceScale * 3 / 4},
            {uiText("SequenceText", "50％以上"), kBulkChanceScale / 2}};
}

std::vector<ListChoice> hpMarkChoices() {
    std::vector<ListChoice> choices{{uiText("SequenceText", "HP調整なし"), -1}};
    for (size_t i = 0; i < kHpMarks.size(); ++i)
        choices.push_back(
            {fillText(uiText("SequenceText", "%1（%2）"), {kHpMarks[i].name, uiText("HpMarks", kHpMarks[i].use)}),
             static_cast<int>(i)});
    return choices;
}

std::array<std::string, kBulkColumnCount> bulkHeadings() {
    return {uiText("SequenceText", "HP努力値"),
            uiText("SequenceText", "防御努力値"),
            uiText("SequenceText", "特防努力値"),
            uiText("SequenceText", "合計"),
            "HP",
            uiText("SequenceText", "防御"),
            uiText("SequenceText", "特防"),
            uiText("SequenceText", "耐える確率"),
            uiText("SequenceText", "HP調整")};
}

std::array<std::string, kBulkColumnCount> bulkTexts(const BulkSpread& s) {
    return {std::to_string(s.hpEv),      std::to_string(s.defenceEv), std::to_string(s.spDefenceEv),
            std::to_string(s.total()),   std::to_string(s.hp),        std::to_string(s.defence),
            std::to_string(s.spDefence), koChanceText(s.survives),    hpMarkNames(s.hp)};
}

std::string bulkSummaryText(const BulkSpreads& found) {
    switch (found.status) {
    case BulkStatus::NoDefender:
        return uiText("SequenceText", "防御側と攻撃を選んでください");
    case BulkStatus::TypedStats:
        return uiText("SequenceText", "防御側の能力値が直接入力されているので、努力値では探せません");
    case BulkStatus::NotComputed:
        return uiText("SequenceText", "計算できない攻撃があるので探せません");
    case BulkStatus::BadQuery:
        return uiText("SequenceText", "条件が正しくありません");
    case BulkStatus::NotFound:
        return fillText(uiText("SequenceText", "HP・防御・特防の努力値の残り %1 では耐えられません"),
                        {std::to_string(found.budget)});
    case BulkStatus::Found:
        break;
    }
    return fillText(uiText("SequenceText", "HP・防御・特防の努力値の残り %1：耐える配分 %2 通り（合計の少ない順）"),
                    {std::to_string(found.budget), std::to_string(found.spreads.size())});
}

std::string bulkProgressText(int stepsDone, int stepCount) {
    return fillText(
        uiText("SequenceText", "探索中… HP努力値 %1 / %2"),
        {std::to_string(std::max(stepsDone - 1, 0) * kEvStep), std::to_string(std::max(stepCount - 1, 0) * kEvStep)});
}

} // namespace rusrina
