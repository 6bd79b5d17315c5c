#include "view/iv/iv_judge_view.h"

#include "data/characteristics.h"
#include "data/species.h"
#include "data/types.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace rusrina {
namespace {

constexpr const char* kNoChoice = " 無指定";
constexpr int kHiddenPowerTypeNumbers = 16;

} // namespace

std::vector<ListChoice> characteristicChoices() {
    std::vector<ListChoice> choices{{kNoChoice, kNoCharacteristic}};
    for (int index = 0; index < kCharacteristicCount; ++index)
        choices.push_back({characteristicRecord(index).text, index});
    return choices;
}

std::vector<ListChoice> hiddenPowerTypeChoices() {
    std::vector<ListChoice> choices{{kNoChoice, kNoHiddenPowerType}};
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
    char text[64];
    std::snprintf(text, sizeof text, "%d は範囲外（%d～%d）", value, lowest, highest);
    return text;
}

TypedStat readTypedStat(int species, int stat, int value, std::span<const StatRow> rows) {
    static constexpr const char* kStatNames[kStatCount] = {"ＨＰ", "攻撃", "防御", "特攻", "特防", "素早さ"};
    if (stat == 0 && value == 1 && speciesRecord(species).baseStats[0] == 1)
        return {TypedStat::Kind::HpFixed, -1,
                std::string(speciesName(species)) + "のＨＰはいつも 1 なので、ＨＰの個体値はわかりません（0～31）"};
    if (const int row = rowShowing(rows, value); row >= 0)
        return {TypedStat::Kind::Row, row, {}};
    return {TypedStat::Kind::OutOfRange, -1, std::string(kStatNames[stat]) + " " + outOfRangeText(value, rows)};
}

int evFieldMaximum(const StatValues& evs, int stat) {
    const int others = std::accumulate(evs.begin(), evs.end(), 0) - evs[static_cast<size_t>(stat)];
    return std::clamp(kMaxEvTotal - others, 0, kMaxEv);
}

} // namespace rusrina
