#include "calc/iv_judge.h"

#include "calc/stats.h"
#include "data/battle_rules.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "text/cp932.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace rusrina {

namespace {

[[gnu::format(printf, 1, 2)]] std::string format(const char* pattern, ...) {
    char buffer[256];
    va_list args;
    va_start(args, pattern);
    int length = std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    if (length < 0)
        return {};
    return std::string(buffer, std::min<size_t>(static_cast<size_t>(length), sizeof buffer - 1));
}

int valueAt(int stat, int base, int iv, int ev, int level, int multiplier) {
    return computeAnyStat(stat, base, iv, ev, level, multiplier);
}

// The EV steps of the rising-EV search and the doping steps of the growth advice.
constexpr int kEvStep = 4;
constexpr int kMaxSearchedEv = 400;
constexpr int kMaxLevelsToGain = 49;
constexpr int kMaxDopings = 10;
constexpr int kEvPerDoping = 10;

// The six stat labels of the report, in stat order.
constexpr const char* kReportStatLabels[6] = {"ＨＰ", "攻撃", "防御", "特攻", "特防", "素早"};

} // namespace

std::vector<StatRow> buildStatRows(int stat, int base, int level, int multiplier) {
    std::vector<StatRow> rows;
    for (int iv = 0; iv <= kMaxIv; ++iv) {
        int value = valueAt(stat, base, iv, 0, level, multiplier);
        if (rows.empty() || rows.back().value != value)
            rows.push_back({value, iv, iv});
        else
            rows.back().hi = iv;
    }
    return rows;
}

int packStatRow(const StatRow& row) {
    return row.value * 65536 + row.lo * 256 + row.hi;
}

StatRow unpackStatRow(int packed) {
    return {packed / 65536, (packed / 256) % 256, packed % 256};
}

std::string statRowText(const StatRow& row) {
    if (row.lo == row.hi)
        return format("%d：%d", row.value, row.lo);
    return format("%d：%d～%d", row.value, row.lo, row.hi);
}

IvRange narrowRange(IvRange range, const StatRow& row) {
    if (row.hi < range.min || range.max < row.lo)
        return range;
    range.max = std::min(range.max, row.hi);
    range.min = std::max(range.min, row.lo);
    return range;
}

int currentValue(std::span<const StatRow> rows, IvRange range) {
    if (range.isEmpty())
        return 0;
    for (const StatRow& row : rows) {
        if (row.lo <= range.min && row.hi >= range.max)
            return row.value;
    }
    return 0;
}

int firstRisingEv(int stat, int base, int iv, int level, int multiplier) {
    int atZero = valueAt(stat, base, iv, 0, level, multiplier);
    for (int ev = kEvStep; ev <= kMaxSearchedEv; ev += kEvStep) {
        if (valueAt(stat, base, iv, ev, level, multiplier) != atZero)
            return ev;
    }
    return 0;
}

GrowthAdvice growthAdvice(int stat, int base, int level, int multiplier) {
    for (int levels = 0; levels <= kMaxLevelsToGain && level + levels <= kMaxLevel; ++levels) {
        for (int dopings = 0; dopings <= kMaxDopings; ++dopings) {
            int ev = dopings * kEvPerDoping;
            int best = valueAt(stat, base, kMaxIv, ev, level + levels, multiplier);
            if (valueAt(stat, base, kMaxIv - 1, ev, level + levels, multiplier) != best)
                return {levels, dopings, best};
        }
    }
    return {};
}

std::string evThresholdText(int minIv, int minEv, int maxIv, int maxEv) {
    return format(" %d:%d～%d:%d ", minIv, minEv, maxIv, maxEv);
}

std::string growthAdviceText(const GrowthAdvice& advice) {
    return format("あめ： %d 個 ドーピング： %d 個　Ｖ確定能力値： %d", advice.levels, advice.dopings, advice.value);
}

std::string upperBoundText(int iv) {
    return format("%d以下", iv);
}

std::string lowerBoundText(int iv) {
    return format("%d以上", iv);
}

void HiddenPowerSpread::add(int type, int power) {
    if (type < 0 || type >= kSpreadTypeCount)
        return;
    seen[type] = true;
    minPower[type] = std::min(minPower[type], power);
    maxPower[type] = std::max(maxPower[type], power);
}

namespace {

// Hidden power reads only the two lowest bits of each IV, so a range is fully described by
// which of the four bit pairs (IV mod 4) its IVs take.
struct BitPairChoices {
    int count = 0;
    std::array<int, 4> pairs{};
};

BitPairChoices bitPairChoices(IvRange range) {
    BitPairChoices choices;
    int first = std::max(range.min, 0);
    int last = std::min({range.max, kMaxIv, first + 3});
    for (int iv = first; iv <= last; ++iv)
        choices.pairs[choices.count++] = iv & 3;
    return choices;
}

// Walks every combination of the stats' bit pairs (at most 4^6), carrying the two weighted bit
// sums down so that each combination costs one addition per level.
struct BitPairWalk {
    std::array<BitPairChoices, 6> choices;
    std::array<int, 64> typeOfSum{};
    std::array<int, 64> powerOfSum{};
    HiddenPowerSpread spread;

    void walk(int stat, int typeSum, int powerSum) {
        if (stat == kStatCount) {
            spread.add(typeOfSum[typeSum], powerOfSum[powerSum]);
            return;
        }
        for (int i = 0; i < choices[stat].count; ++i) {
            int pair = choices[stat].pairs[i];
            walk(stat + 1, typeSum + (pair & 1) * kHiddenPowerWeight[stat],
                 powerSum + (pair >> 1) * kHiddenPowerWeight[stat]);
        }
    }
};

} // namespace

std::optional<HiddenPowerSpread> hiddenPowerSpread(const IvRanges& ranges) {
    if (std::count_if(ranges.begin(), ranges.end(), [](IvRange r) { return r.isOpen(); }) > kMaxOpenStatsForSpread)
        return std::nullopt;
    BitPairWalk walk;
    for (int stat = 0; stat < kStatCount; ++stat) {
        walk.choices[stat] = bitPairChoices(ranges[stat]);
        if (walk.choices[stat].count == 0)
            return HiddenPowerSpread{};
    }
    // The type depends on the first sum only and the power on the second only.
    for (int sum = 0; sum < 64; ++sum) {
        walk.typeOfSum[sum] = hiddenPowerFromSums(sum, 0).type;
        walk.powerOfSum[sum] = hiddenPowerFromSums(0, sum).power;
    }
    walk.walk(0, 0, 0);
    return walk.spread;
}

std::vector<int> judgeSpeciesList(int rule) {
    std::vector<int> list;
    for (int species = 0; species < kSpeciesCount; ++species)
        if (isEligible(rule, species))
            list.push_back(species);
    return list;
}

std::vector<std::string> hiddenPowerLines(const HiddenPowerSpread& spread) {
    std::vector<std::string> lines;
    for (int type = 0; type < kSpreadTypeCount; ++type) {
        if (spread.seen[type])
            lines.push_back(text::padRight(typeName(type), 8) +
                            format(":%2d-%2d \r\n", spread.minPower[type], spread.maxPower[type]));
    }
    return lines;
}

std::string judgeReport(int species, int level, int nature, const std::array<int, 6>& values, const IvRanges& ranges,
                        const HiddenPowerSpread* spread) {
    const char* name = species >= 0 && species < kSpeciesCount ? speciesName(species) : "";
    const char* natureName = nature >= 0 && nature < kNatureCount ? natureRecord(nature).label : "";
    std::string report = format("種族：%s　ＬＶ：%3d　性格：%s\r\n", name, level, natureName);
    for (int stat = 0; stat < kStatCount; ++stat)
        report += format("%s：%3d ( %2d ～ %2d )\r\n", kReportStatLabels[stat], values[stat], ranges[stat].min,
                         ranges[stat].max);
    if (spread) {
        report += "\r\n 可能性のある「めざパ」一覧\r\n";
        for (const std::string& line : hiddenPowerLines(*spread))
            report += line;
    }
    return report;
}

namespace {

// An index outside the table (no selection in the window) judges a creature of base 0 rather
// than reading past the table.
std::array<int, 6> baseStatsOf(int species) {
    std::array<int, 6> stats{};
    if (species >= 0 && species < kSpeciesCount)
        std::copy(std::begin(speciesRecord(species).baseStats), std::end(speciesRecord(species).baseStats),
                  stats.begin());
    return stats;
}

} // namespace

JudgeTables recomputeTables(int species, int level, int nature) {
    JudgeTables tables;
    const std::array<int, 6> bases = baseStatsOf(species);
    for (int stat = 0; stat < kStatCount; ++stat) {
        int multiplier = natureMultiplier(nature, stat);
        tables.rows[stat] = buildStatRows(stat, bases[stat], level, multiplier);
        tables.advice[stat] = growthAdvice(stat, bases[stat], level, multiplier);
        tables.adviceTexts[stat] = growthAdviceText(tables.advice[stat]);
    }
    return tables;
}

JudgeOutput refreshOutput(const JudgeTables& tables, int species, int level, int nature, const IvRanges& ranges,
                          bool showHiddenPower) {
    JudgeOutput output;
    const std::array<int, 6> bases = baseStatsOf(species);
    for (int stat = 0; stat < kStatCount; ++stat) {
        const IvRange& range = ranges[stat];
        int base = bases[stat];
        int multiplier = natureMultiplier(nature, stat);
        output.values[stat] = currentValue(tables.rows[stat], range);
        output.evThresholdTexts[stat] =
            evThresholdText(range.min, firstRisingEv(stat, base, range.min, level, multiplier), range.max,
                            firstRisingEv(stat, base, range.max, level, multiplier));
    }
    std::optional<HiddenPowerSpread> spread;
    if (showHiddenPower)
        spread = hiddenPowerSpread(ranges);
    output.report = judgeReport(species, level, nature, output.values, ranges, spread ? &*spread : nullptr);
    if (spread)
        output.hiddenPowerItems = hiddenPowerLines(*spread);
    return output;
}

} // namespace rusrina
