#pragma once
// The IV judge: from the stats a creature shows at a level, nature and EVs, work out the IVs each
// stat can have, narrow them over several observations and over what else is known of the
// creature (its characteristic, its hidden-power type), and describe the result. Every EV
// argument defaults to 0, the untrained creature. Texts are UTF-8; multi-line texts end their
// lines with CR LF.

#include "data/characteristics.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace rusrina {

inline constexpr int kMaxIv = 31;
inline constexpr int kMaxEv = 255;      // per stat
inline constexpr int kMaxEvTotal = 510; // over the six stats
inline constexpr int kNoHiddenPowerType = -1;
using StatValues = std::array<int, 6>;

// The IVs one stat may still have. `min` > `max` is possible (the bounds are set by hand) and
// means no IV is left.
struct IvRange {
    int min = 0;
    int max = kMaxIv;
    bool isOpen() const { return min == 0 && max == kMaxIv; }
    bool isEmpty() const { return min > max; }
    bool operator==(const IvRange&) const = default;
};
using IvRanges = std::array<IvRange, 6>;

// One line of a stat's value list: the IVs lo..hi all show `value`.
struct StatRow {
    int value;
    int lo;
    int hi;
    bool operator==(const StatRow&) const = default;
};

// The rows of one stat at one level, covering IV 0..31 in ascending order; each row is the longest
// run of IVs that show the same value at the EV. The multiplier is ignored for HP.
std::vector<StatRow> buildStatRows(int stat, int base, int level, int multiplier, int ev = 0);

// "%d：%d～%d", or "%d：%d" for a single IV.
std::string statRowText(const StatRow& row);

// The range after the creature was seen showing the row's value. A row that contradicts the
// range (no IV in common) is ignored.
IvRange narrowRange(IvRange range, const StatRow& row);

// The value the whole range shows, or 0 when it shows more than one value or is empty.
int currentValue(std::span<const StatRow> rows, IvRange range);

// The first EV above `ev`, in steps of 4 (EVs count in quarters) up to 400, at which the stat
// rises above its value at `ev`; 0 if none does. At EV 0 the steps are 4, 8, .., 400.
int firstRisingEv(int stat, int base, int iv, int level, int multiplier, int ev = 0);

// How to tell IV 31 from IV 30: the fewest levels to gain, then the fewest doping items (10 EVs
// each, added to `ev` while the stat's EV stays within 255), and the value IV 31 then shows. All
// 0 when no such pair exists.
struct GrowthAdvice {
    int levels = 0;
    int dopings = 0;
    int value = 0;
    bool operator==(const GrowthAdvice&) const = default;
};
GrowthAdvice growthAdvice(int stat, int base, int level, int multiplier, int ev = 0);

inline constexpr int kSpreadTypeCount = 18;
inline constexpr int kNoPowerYet = 999;

// The hidden-power types the remaining IV combinations allow, with each type's power range.
struct HiddenPowerSpread {
    std::array<bool, kSpreadTypeCount> seen{};
    std::array<int, kSpreadTypeCount> minPower;
    std::array<int, kSpreadTypeCount> maxPower{};
    HiddenPowerSpread() { minPower.fill(kNoPowerYet); }
    void add(int type, int power);
    bool operator==(const HiddenPowerSpread&) const = default;
};

// With four or more stats still open (0..31) there is nothing useful to list: no spread.
inline constexpr int kMaxOpenStatsForSpread = 3;
std::optional<HiddenPowerSpread> hiddenPowerSpread(const IvRanges& ranges);

// The spread's lines in type order, each "%-8s:%2d-%2d \r\n" (the name padded to 8 CP932 bytes);
// they are both the hidden-power list's items and the report's tail.
std::vector<std::string> hiddenPowerLines(const HiddenPowerSpread& spread);

// What else the player knows of the creature. Each clue rules out IV combinations:
// - a characteristic: the stat it names has the highest IV (others may equal it, none exceeds
//   it), and that IV leaves the characteristic's remainder when divided by 5;
// - a hidden-power type (type index): the combination's hidden power has that type.
struct JudgeClues {
    int characteristic = kNoCharacteristic; // index into the characteristic table
    int hiddenPowerType = kNoHiddenPowerType;
    bool any() const { return characteristic >= 0 || hiddenPowerType >= 0; }
    bool operator==(const JudgeClues&) const = default;
};

// Everything a trained creature adds to a judgment. At the defaults (EV 0, no clue) the judge
// computes exactly as for an untrained creature.
struct JudgeExtras {
    StatValues evs{};
    JudgeClues clues;
    bool anyEv() const;
};

// The text copied to the clipboard. The spread, when given, adds the hidden-power section. EVs
// that are not all 0 add each stat's EV to its line; a characteristic and a hidden-power type add
// a line each; `nothingFits` (the clues leave no IV combination) adds a line that says so.
std::string judgeReport(int species, int level, int nature, const std::array<int, 6>& values, const IvRanges& ranges,
                        const HiddenPowerSpread* spread, const JudgeExtras& extras = {}, bool nothingFits = false);
// The line that says the clues leave no IV combination.
std::string nothingFitsText();

// " %d:%d～%d:%d ": the first rising EV for the lowest and the highest IV of the range.
std::string evThresholdText(int minIv, int minEv, int maxIv, int maxEv);
// "あめ： %d 個 ドーピング： %d 個　Ｖ確定能力値： %d".
std::string growthAdviceText(const GrowthAdvice& advice);
// The bound selectors' rows: "%d以下" and "%d以上".
std::string upperBoundText(int iv);
std::string lowerBoundText(int iv);

// The species the judge offers under a battle rule: every species the rule admits, in table order.
std::vector<int> judgeSpeciesList(int rule);

// What a change of species, level or nature rebuilds.
struct JudgeTables {
    std::array<std::vector<StatRow>, 6> rows;
    std::array<GrowthAdvice, 6> advice;
    std::array<std::string, 6> adviceTexts;
};
JudgeTables recomputeTables(int species, int level, int nature, const StatValues& evs = {});

// What every refresh (a pick, a bound change, the hidden-power option) rebuilds.
struct JudgeOutput {
    std::array<int, 6> values{};
    std::array<std::string, 6> evThresholdTexts;
    std::string report;
    // Present only when the option is on and a spread was computed; otherwise the hidden-power
    // list keeps what it showed.
    std::optional<std::vector<std::string>> hiddenPowerItems;
    // The ranges the values, thresholds and report state: the given ranges narrowed by the clues
    // (the given ranges when the clues leave nothing, or when there is no clue).
    IvRanges ranges{};
    // Per stat and list row: the characteristic leaves none of the row's IVs possible.
    std::array<std::vector<bool>, 6> ruledOutRows;
    // nothingFitsText() when the clues leave no IV combination, else empty.
    std::string notice;
};
// The tables must have been built with the same EVs.
JudgeOutput refreshOutput(const JudgeTables& tables, int species, int level, int nature, const IvRanges& ranges,
                          bool showHiddenPower, const JudgeExtras& extras = {});

} // namespace rusrina
