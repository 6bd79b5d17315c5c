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

// What a value typed into a stat's "能力値" field does.
struct TypedStat {
    enum class Kind {
        Row,        // picks `row`, as a click on it would
        OutOfRange, // no IV shows it: `message` names the stat and the values the list shows
        HpFixed,    // a species whose HP is always 1, typed 1: the IV stays 0..31, `message` says why
    };
    Kind kind = Kind::OutOfRange;
    int row = -1;
    std::string message;
};
// `value` typed for `stat` of `species` whose value list is `rows`. The HP of a species whose base
// HP is 1 is 1 whatever the IV; the list still shows what the formula would give.
TypedStat readTypedStat(int species, int stat, int value, std::span<const StatRow> rows);

// The most one stat's EV may be while the others keep theirs: 255, or less when the six would
// otherwise pass 510 together.
int evFieldMaximum(const StatValues& evs, int stat);

} // namespace rusrina
