#include "calc/iv/iv_judge.h"

#include "calc/iv/iv_clues.h"
#include "calc/stats.h"
#include "data/battle_rules.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "text/cp932.h"
#include "text/ui_text.h"

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
constexpr const char* kReportStatLabels[6] = {
    UI_TEXT_NOOP("IvJudge", "ＨＰ"), UI_TEXT_NOOP("IvJudge", "攻撃"), UI_TEXT_NOOP("IvJudge", "防御"),
    UI_TEXT_NOOP("IvJudge", "特攻"), UI_TEXT_NOOP("IvJudge", "特防"), UI_TEXT_NOOP("IvJudge", "素早"),
};

} // namespace

std::vector<StatRow> buildStatRows(int stat, int base, int level, int multiplier, int ev) {
    std::vector<StatRow> rows;
    for (int iv = 0; iv <= kMaxIv; ++iv) {
        int value = valueAt(stat, base, iv, ev, level, multiplier);
        if (rows.empty() || rows.back().value != value)
            rows.push_back({value, iv, iv});
        else
            rows.back().hi = iv;
    }
    return rows;
}

std::string statRowText(const StatRow& row) {
    if (row.lo == row.hi)
        return format(text::uiText("IvJudge", "%d：%d").c_str(), row.value, row.lo);
    return format(text::uiText("IvJudge", "%d：%d～%d").c_str(), row.value, row.lo, row.hi);
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

int firstRisingEv(int stat, int base, int iv, int level, int multiplier, int ev) {
    const int now = valueAt(stat, base, iv, ev, level, multiplier);
    for (int next = (std::max(ev, 0) / kEvStep + 1) * kEvStep; next <= kMaxSearchedEv; next += kEvStep) {
        if (valueAt(stat, base, iv, next, level, multiplier) != now)
            return next;
    }
    return 0;
}

GrowthAdvice growthAdvice(int stat, int base, int level, int multiplier, int ev) {
    for (int levels = 0; levels <= kMaxLevelsToGain && level + levels <= kMaxLevel; ++levels) {
        for (int dopings = 0; dopings <= kMaxDopings; ++dopings) {
            const int total = ev + dopings * kEvPerDoping;
            if (dopings > 0 && total > kMaxEv)
                break;
            int best = valueAt(stat, base, kMaxIv, total, level + levels, multiplier);
            if (valueAt(stat, base, kMaxIv - 1, total, level + levels, multiplier) != best)
                return {levels, dopings, best};
        }
    }
    return {};
}

std::string evThresholdText(int minIv, int minEv, int maxIv, int maxEv) {
    return format(text::uiText("IvJudge", " %d:%d～%d:%d ").c_str(), minIv, minEv, maxIv, maxEv);
}

std::string growthAdviceText(const GrowthAdvice& advice) {
    return format(text::uiText("IvJudge", "あめ： %d 個 ドーピング： %d 個　Ｖ確定能力値： %d").c_str(), advice.levels,
                  advice.dopings, advice.value);
}

std::string upperBoundText(int iv) {
    return format(text::uiText("IvJudge", "%d以下").c_str(), iv);
}

std::string lowerBoundText(int iv) {
    return format(text::uiText("IvJudge", "%d以上").c_str(), iv);
}

void HiddenPowerSpread::add(int type, int power) {
    if (type < 0 || type >= kSpreadTypeCount)
        return;
    seen[type] = true;
    minPower[type] = std::min(minPower[type], power);
    maxPower[type] = std::max(maxPower[type], power);
}

namespace {

int countOpen(const IvRanges& ranges) {
    return static_cast<int>(std::count_if(ranges.begin(), ranges.end(), [](IvRange r) { return r.isOpen(); }));
}

} // namespace

std::optional<HiddenPowerSpread> hiddenPowerSpread(const IvRanges& ranges) {
    if (countOpen(ranges) > kMaxOpenStatsForSpread)
        return std::nullopt;
    return fittingCombinations(ranges, JudgeClues{}).spread;
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

bool JudgeExtras::anyEv() const {
    return std::any_of(evs.begin(), evs.end(), [](int ev) { return ev != 0; });
}

std::string nothingFitsText() {
    return text::uiText("IvJudge", "条件に合う個体値がありません");
}

namespace {

// The lines of what is known beyond the stats, each only when it is known.
std::string clueLines(const JudgeClues& clues, bool nothingFits) {
    std::string lines;
    if (clues.characteristic >= 0 && clues.characteristic < kCharacteristicCount)
        lines +=
            text::fillText(text::uiText("IvJudge", "個性：%1"), {characteristicRecord(clues.characteristic).text}) +
            "\r\n";
    if (clues.hiddenPowerType >= 0 && clues.hiddenPowerType < kTypeCount)
        lines +=
            text::fillText(text::uiText("IvJudge", "めざパタイプ：%1"), {typeName(clues.hiddenPowerType)}) + "\r\n";
    if (nothingFits)
        lines += nothingFitsText() + "\r\n";
    return lines;
}

} // namespace

std::string judgeReport(int species, int level, int nature, const std::array<int, 6>& values, const IvRanges& ranges,
                        const HiddenPowerSpread* spread, const JudgeExtras& extras, bool nothingFits) {
    const char* name = species >= 0 && species < kSpeciesCount ? speciesName(species) : "";
    const char* natureName = nature >= 0 && nature < kNatureCount ? natureRecord(nature).label : "";
    std::string report =
        format((text::uiText("IvJudge", "種族：%s　ＬＶ：%3d　性格：%s") + "\r\n").c_str(), name, level, natureName);
    const bool withEvs = extras.anyEv();
    for (int stat = 0; stat < kStatCount; ++stat) {
        report += format(text::uiText("IvJudge", "%s：%3d ( %2d ～ %2d )").c_str(),
                         text::uiText("IvJudge", kReportStatLabels[stat]).c_str(), values[stat], ranges[stat].min,
                         ranges[stat].max);
        if (withEvs)
            report += format(text::uiText("IvJudge", "　努力値：%3d").c_str(), extras.evs[stat]);
        report += "\r\n";
    }
    report += clueLines(extras.clues, nothingFits);
    if (spread) {
        report += "\r\n" + text::uiText("IvJudge", " 可能性のある「めざパ」一覧") + "\r\n";
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

JudgeTables recomputeTables(int species, int level, int nature, const StatValues& evs) {
    JudgeTables tables;
    const std::array<int, 6> bases = baseStatsOf(species);
    for (int stat = 0; stat < kStatCount; ++stat) {
        int multiplier = natureMultiplier(nature, stat);
        tables.rows[stat] = buildStatRows(stat, bases[stat], level, multiplier, evs[stat]);
        tables.advice[stat] = growthAdvice(stat, bases[stat], level, multiplier, evs[stat]);
        tables.adviceTexts[stat] = growthAdviceText(tables.advice[stat]);
    }
    return tables;
}

namespace {

// The given ranges narrowed by the clues, and the spread of what the clues leave when it is to be
// listed.
void applyClues(const IvRanges& ranges, const JudgeClues& clues, bool showHiddenPower, JudgeOutput& output,
                std::optional<HiddenPowerSpread>& spread) {
    output.ranges = ranges;
    if (!clues.any()) {
        if (showHiddenPower)
            spread = hiddenPowerSpread(ranges);
        return;
    }
    FittingCombinations fitting = fittingCombinations(ranges, clues);
    if (fitting.anyLeft)
        output.ranges = fitting.ranges;
    else
        output.notice = nothingFitsText();
    if (showHiddenPower && countOpen(output.ranges) <= kMaxOpenStatsForSpread)
        spread = fitting.spread;
}

} // namespace

JudgeOutput refreshOutput(const JudgeTables& tables, int species, int level, int nature, const IvRanges& ranges,
                          bool showHiddenPower, const JudgeExtras& extras) {
    JudgeOutput output;
    std::optional<HiddenPowerSpread> spread;
    applyClues(ranges, extras.clues, showHiddenPower, output, spread);
    const std::array<int, 6> bases = baseStatsOf(species);
    const std::array<IvMask, 6> allows = characteristicAllows(ranges, extras.clues.characteristic);
    for (int stat = 0; stat < kStatCount; ++stat) {
        const IvRange& range = output.ranges[stat];
        const int base = bases[stat], ev = extras.evs[stat];
        const int multiplier = natureMultiplier(nature, stat);
        output.values[stat] = currentValue(tables.rows[stat], range);
        output.evThresholdTexts[stat] =
            evThresholdText(range.min, firstRisingEv(stat, base, range.min, level, multiplier, ev), range.max,
                            firstRisingEv(stat, base, range.max, level, multiplier, ev));
        for (const StatRow& row : tables.rows[stat])
            output.ruledOutRows[stat].push_back(rowRuledOut(row, allows[stat]));
    }
    output.report = judgeReport(species, level, nature, output.values, output.ranges, spread ? &*spread : nullptr,
                                extras, !output.notice.empty());
    if (spread)
        output.hiddenPowerItems = hiddenPowerLines(*spread);
    return output;
}

} // namespace rusrina
