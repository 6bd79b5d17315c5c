// A row of the box and damage window in an exact mode: its texts, its log, and the chance to
// knock the defender out.

#include "calc/exact/exact_damage.h"

#include "calc/damage/damage_row.h"
#include "calc/exact/exact_hit.h"
#include "data/types.h"
#include "text/cp932.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace rusrina {

using namespace damage;

namespace {

constexpr int kMostChancesLogged = 6;

int ceilDiv(int64_t a, int64_t b) {
    return static_cast<int>((a + b - 1) / b);
}

// "48.2": tenths of a percent, cut rather than rounded so that a share never shows more than it is.
std::string percentOfHp(int64_t damage, int64_t hp) {
    const int64_t tenths = damage * 1000 / hp;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "％";
}

} // namespace

// A chance below certainty never shows as 100.0, nor one above nothing as 0.0.
std::string koChanceText(double chance) {
    int64_t tenths = std::llround(std::clamp(chance, 0.0, 1.0) * 1000.0);
    if (chance > 0.0 && chance < 1.0)
        tenths = std::clamp<int64_t>(tenths, 1, 999);
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + "％";
}

namespace {

std::string multiplierText(const ExactRolls& r) {
    if (r.outcome == ExactRolls::Outcome::NotComputed || r.outcome == ExactRolls::Outcome::NoFormula || r.fixed)
        return kNotAvailable;
    // effectiveness / 4 × same type (1, 3/2 or 2)
    const int num = r.sameType == 2 ? 2 : r.sameType == 1 ? 3 : 1;
    const int den = r.sameType == 1 ? 8 : 4;
    return exact::decimalText(r.effect * num, den, 2);
}

void writeMoveBlock(CalcLog& log, const ExactAttack& a, bool hitsDefence) {
    if (a.move == NO_MOVE) {
        log.append("\r\n技：直接数値選択\r\n");
        log.appendf("威力： %-3d  命中： ---\r\n", a.power);
    } else {
        log.appendf("\r\n%s\r\n", moveRecord(a.move).name);
        log.appendf("威力： %-3d  命中： %-3d\r\n", a.power, a.accuracy);
    }
    const char* type = a.move == kWeatherBall ? "天候依存" : typeName(a.type);
    log.appendf("分類： %s タイプ： %s\r\n", text::padRight(moveCategoryName(a.category), 4).c_str(),
                text::padRight(type, 8).c_str());
    if (hitsDefence && a.category != kPhysical)
        log.append("（相手の防御で計算）\r\n");
    log.appendf("計算方式： %s\r\n",
                damageModeName(a.options.generation == kGen4 ? DamageMode::ExactGen4 : DamageMode::ExactGen5));
}

// The simple engine's header, which depends on the two entries and the category alone; the six
// rows of one change share it, one text per side of the stats.
struct HeaderCache {
    std::string text[2];
};

void writeHeader(CalcLog& log, const ExactAttack& a, const BoxEntry& defender, HeaderCache& cache) {
    std::string& header = cache.text[a.category == kPhysical ? 0 : 1];
    if (header.empty()) {
        Row r{*a.attacker, defender, a.slot, a.conditions};
        r.category = a.category;
        damage::writeHeader(r);
        header = r.result.log.text();
    }
    log.append(header);
    const bool defenceMove =
        a.options.generation == kGen5 &&
        (a.move == exact::kPsyshock || a.move == exact::kPsystrike || a.move == exact::kSecretSword);
    if (defenceMove)
        log.appendf("＞＞＞ 防御： %-3d\r\n", defender.stat[kDefence]);
    writeMoveBlock(log, a, defenceMove);
}

void writeChances(CalcLog& log, const ExactRolls& r, const KoChance& ko) {
    std::string rolls;
    for (int32_t roll : r.rolls)
        rolls += (rolls.empty() ? "" : " ") + std::to_string(roll);
    log.append("乱数16通り： " + rolls + "\r\n撃破確率：\r\n");
    const int certain = ceilDiv(r.hp, std::max(1, r.low()));
    const int shown = std::min(certain, ko.hits + kMostChancesLogged - 2);
    for (int n = ko.hits; n <= shown; ++n) {
        const double chance = n == ko.hits ? ko.chance : n == certain ? 1.0 : koChanceIn(r.rolls, r.hp, n);
        log.append("　" + std::to_string(n) + "発： " + koChanceText(chance) + "\r\n");
    }
    if (shown < certain)
        log.append("　" + std::to_string(certain) + "発： " + koChanceText(1.0) + "\r\n");
}

void writeResult(CalcLog& log, const ExactRowResult& row) {
    if (row.rolls.outcome == ExactRolls::Outcome::NoFormula || row.rolls.outcome == ExactRolls::Outcome::NotComputed)
        return;
    log.append("ダメージ： " + row.texts.damageText + "\r\n");
    if (row.rolls.hits())
        log.append("ＨＰ割合： " + row.hpShareText + "\r\n");
    log.append("必要攻撃回数： " + row.texts.hitsText + "\r\n");
    if (row.rolls.hits())
        writeChances(log, row.rolls, row.ko);
}

} // namespace

namespace {

// The distinct rolls with how many of the 16 give each: small hits often have only two or three
// values, which keeps the convolutions short.
struct WeightedRoll {
    int32_t value;
    double share;
};

int distinctRolls(const std::array<int32_t, kRollCount>& rolls, std::array<WeightedRoll, kRollCount>& out) {
    std::array<int32_t, kRollCount> sorted = rolls;
    std::sort(sorted.begin(), sorted.end());
    int count = 0;
    for (int i = 0; i < kRollCount; ++i) {
        if (count > 0 && out[count - 1].value == sorted[i])
            out[count - 1].share += 1.0 / kRollCount;
        else
            out[count++] = {sorted[i], 1.0 / kRollCount};
    }
    return count;
}

// One more hit: the distribution of the summed damage, every sum at or past `cap` kept at `cap`.
void addHit(const std::vector<double>& sums, std::vector<double>& next, const WeightedRoll* rolls, int count,
            int64_t shift) {
    const int64_t cap = static_cast<int64_t>(sums.size()) - 1;
    std::fill(next.begin(), next.end(), 0.0);
    for (int64_t s = 0; s <= cap; ++s) {
        if (sums[s] == 0.0)
            continue;
        for (int i = 0; i < count; ++i)
            next[std::min(cap, s + rolls[i].value - shift)] += sums[s] * rolls[i].share;
    }
}

} // namespace

double koChanceIn(const std::array<int32_t, kRollCount>& rolls, int32_t hp, int hits) {
    std::array<WeightedRoll, kRollCount> distinct;
    const int count = distinctRolls(rolls, distinct);
    const int32_t lowest = distinct[0].value, highest = distinct[count - 1].value;
    if (hits <= 0 || highest <= 0)
        return 0.0;
    // Each hit adds its roll's excess over the lowest roll; the hits knock out when the excesses
    // reach `need`.
    const int64_t need = int64_t{hp} - int64_t{hits} * lowest;
    if (need <= 0)
        return 1.0;
    if (need > int64_t{hits} * (highest - lowest))
        return 0.0;
    std::vector<double> sums(static_cast<size_t>(need) + 1, 0.0), next(sums.size());
    sums[0] = 1.0;
    for (int h = 0; h < hits; ++h) {
        addHit(sums, next, distinct.data(), count, lowest);
        sums.swap(next);
    }
    return sums[need];
}

HitSums::HitSums(const std::array<int32_t, kRollCount>& rolls, int hits) {
    std::array<WeightedRoll, kRollCount> distinct;
    const int count = distinctRolls(rolls, distinct);
    const int32_t lowest = distinct[0].value;
    hits = std::max(hits, 0);
    m_lowest = int64_t{hits} * lowest;
    // Sums are kept as their excess over the lowest sum; the last place is never passed.
    std::vector<double> sums(static_cast<size_t>(int64_t{hits} * (distinct[count - 1].value - lowest)) + 1, 0.0);
    std::vector<double> next(sums.size());
    sums[0] = 1.0;
    for (int h = 0; h < hits; ++h) {
        addHit(sums, next, distinct.data(), count, lowest);
        sums.swap(next);
    }
    for (size_t i = sums.size() - 1; i-- > 0;)
        sums[i] += sums[i + 1];
    m_atLeast = std::move(sums);
}

double HitSums::chanceAtLeast(int64_t total) const {
    const int64_t excess = total - m_lowest;
    if (excess <= 0)
        return 1.0;
    return excess < static_cast<int64_t>(m_atLeast.size()) ? m_atLeast[excess] : 0.0;
}

KoChance koChance(const ExactRolls& rolls) {
    if (!rolls.hits() || rolls.hp <= 0 || rolls.high() <= 0)
        return {};
    const int hits = ceilDiv(rolls.hp, rolls.high());
    return {hits, koChanceIn(rolls.rolls, rolls.hp, hits)};
}

std::string exactDamageText(const ExactRolls& r) {
    if (r.outcome == ExactRolls::Outcome::Immune)
        return "無効";
    if (!r.hits())
        return kNotAvailable;
    if (r.low() == r.high())
        return std::to_string(r.low());
    return std::to_string(r.low()) + " ～ " + std::to_string(r.high());
}

std::string hpShareText(const ExactRolls& r) {
    if (r.outcome == ExactRolls::Outcome::Immune)
        return "無効";
    if (!r.hits() || r.hp <= 0)
        return kNotAvailable;
    if (r.low() == r.high())
        return percentOfHp(r.low(), r.hp);
    return percentOfHp(r.low(), r.hp) + " ～ " + percentOfHp(r.high(), r.hp);
}

std::string koText(const ExactRolls& r, const KoChance& ko) {
    if (r.outcome == ExactRolls::Outcome::Immune)
        return "無効";
    if (!r.hits() || ko.hits <= 0)
        return kNotAvailable;
    if (ko.chance >= 1.0)
        return "確定" + std::to_string(ko.hits) + "発";
    return "乱数" + std::to_string(ko.hits) + "発 (" + koChanceText(ko.chance) + ")";
}

namespace {

ExactRowResult exactRow(const ExactAttack& attack, const BoxEntry& defender, HeaderCache& headers) {
    ExactRowResult row;
    if (!attack.usable)
        return row;
    CalcLog& log = row.texts.log;
    log.reserve(3072);
    writeHeader(log, attack, defender, headers);
    row.rolls = exact::runLoggedHit(attack, defender, log);
    if (row.rolls.outcome == ExactRolls::Outcome::NotComputed) {
        row.texts.log.clear();
        return row;
    }
    row.ko = koChance(row.rolls);
    row.texts.damageText = exactDamageText(row.rolls);
    row.texts.hitsText = koText(row.rolls, row.ko);
    row.texts.multiplierText = multiplierText(row.rolls);
    row.texts.shownType = row.rolls.shownType;
    row.texts.shownPower = row.rolls.shownPower;
    row.hpShareText = hpShareText(row.rolls);
    writeResult(log, row);
    return row;
}

} // namespace

ExactRowResult computeExactRow(const BoxEntry& attacker, const BoxEntry& defender, const DamageSlot& slot,
                               const BattleConditions& conditions, const ExactOptions& options) {
    HeaderCache headers;
    return exactRow(prepareExactAttack(attacker, slot, conditions, options), defender, headers);
}

std::array<ExactRowResult, kDamageRowCount> computeRowsInMode(const DamageEngine& engine,
                                                              const DamageSettings& settings) {
    std::array<ExactRowResult, kDamageRowCount> rows;
    if (!isExact(settings.mode)) {
        auto simple = engine.computeAllRows();
        for (int i = 0; i < kDamageRowCount; ++i)
            rows[i].texts = std::move(simple[i]);
        return rows;
    }
    if (!engine.attacker || !engine.defender)
        return rows;
    const ExactOptions options{generationOf(settings.mode), settings.critical};
    HeaderCache headers;
    for (int i = 0; i < kDamageRowCount; ++i) {
        const ExactAttack attack = prepareExactAttack(*engine.attacker, engine.slot(i), engine.conditions, options);
        rows[i] = exactRow(attack, *engine.defender, headers);
    }
    return rows;
}

} // namespace rusrina
