#pragma once
// What the IV judge window shows for a trained creature: the entries of its characteristic and
// hidden-power type choosers, the stat typed into a value list's field, and the EV fields' limit.

#include "calc/iv/iv_judge.h"
#include "view/common/list_choice.h"

#include <span>
#include <string>
#include <vector>

namespace rusrina {

// " 無指定" (kNoCharacteristic), then the 30 characteristics in table order, value = index.
std::vector<ListChoice> characteristicChoices();
// " 無指定" (kNoHiddenPowerType), then the 16 types hidden power can have in the order of their
// type numbers, value = type index.
std::vector<ListChoice> hiddenPowerTypeChoices();

// The row of a value list that shows the typed stat, or -1 when no IV gives it.
int rowShowing(std::span<const StatRow> rows, int value);
// "%d は範囲外（%d～%d）": the typed stat and the lowest and highest value of the list.
std::string outOfRangeText(int value, std::span<const StatRow> rows);

// The most one stat's EV may be while the others keep theirs: 255, or less when the six would
// otherwise pass 510 together.
int evFieldMaximum(const StatValues& evs, int stat);

} // namespace rusrina
