#include "view/iv/iv_judge_view.h"

#include "data/characteristics.h"
#include "data/species.h"
#include "data/types.h"
#include "text/ui_text.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace rusrina {
namespace {

constexpr const char* kNoChoice = UI_TEXT_NOOP("IvJudgeText", " 無指定");
constexpr int kHiddenPowerTypeNumbers = 16;

} // namespace

std::vector<ListChoice> characteristicChoices() {
    std::vector<ListChoice> choices{{text::uiText("IvJudgeText", kNoChoice), kNoCharacteristic}};
    for (int index = 0; index < kCharacteristicCount; ++index)
        choices.push_back({characteristicRecord(index).text, index});
    return choices;
}

std::vector<ListChoice> hiddenPowerTypeChoices() {
    std::vector<ListChoice> choices{{text::uiText("IvJudgeText", kNoChoice), kNoHiddenPowerType}};
    for (int number = 0; number < kHiddenPowerTypeNumbers; ++number)
        choices.push_back({typeName(hiddenPowerType(number)), hiddenPowerType(number)});
    return choices;
}

int rowShowing(std::span<const StatRow> rows, int value) {
    const auto row = std::find_if(rows.begin(), rows.end(), [value](const StatRow& r) { return r.value == value; });
    return row == rows.end() ? -1 : static_cast<int>(row - rows.begin());
}

std::string outOfRangeText(int value, std::span<const StatRow> rows) {
    const int lowest = rows.empty() ? 0 : rows.front().value;
    const int highest = rows.empty() ? 0 : rows.back().value;
    return text::fillText(text::uiText("IvJudgeText", "%1 は範囲外（%2～%3）"),
                          {std::to_string(value), std::to_string(lowest), std::to_string(highest)});
}

TypedStat readTypedStat(int species, int stat, int value, std::span<const StatRow> rows) {
    static constexpr const char* kStatNames[kStatCount] = {
        UI_TEXT_NOOP("IvJudgeText", "ＨＰ"), UI_TEXT_NOOP("IvJudgeText", "攻撃"),
        UI_TEXT_NOOP("IvJudgeText", "防御"), UI_TEXT_NOOP("IvJudgeText", "特攻"),
        UI_TEXT_NOOP("IvJudgeText", "特防"), UI_TEXT_NOOP("IvJudgeText", "素早さ")};
    if (stat == 0 && value == 1 && speciesRecord(species).baseStats[0] == 1)
        return {TypedStat::Kind::HpFixed, -1,
                text::fillText(
                    text::uiText("IvJudgeText", "%1のＨＰはいつも 1 なので、ＨＰの個体値はわかりません（0～31）"),
                    {speciesName(species)})};
    if (const int row = rowShowing(rows, value); row >= 0)
        return {TypedStat::Kind::Row, row, {}};
    return {TypedStat::Kind::OutOfRange, -1,
            text::uiText("IvJudgeText", kStatNames[stat]) + " " + outOfRangeText(value, rows)};
}

int evFieldMaximum(const StatValues& evs, int stat) {
    const int others = std::accumulate(evs.begin(), evs.end(), 0) - evs[static_cast<size_t>(stat)];
    return std::clamp(kMaxEvTotal - others, 0, kMaxEv);
}

} // namespace rusrina
