// The chance to knock the defender out in n hits, counted over every combination of the 16 rolls.

#include "calc/exact/exact_damage.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace rusrina {

namespace {

int ceilDiv(int64_t a, int64_t b) {
    return static_cast<int>((a + b - 1) / b);
}

// A chance of something that can happen: one of a few hundred hits all rolling high is below
// what a double holds (16^-300), and would come out as none.
double possible(double chance) {
    return chance > 0.0 ? chance : std::numeric_limits<double>::denorm_min();
}

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
    return possible(sums[need]);
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
    return excess < static_cast<int64_t>(m_atLeast.size()) ? possible(m_atLeast[excess]) : 0.0;
}

KoChance koChance(const ExactRolls& rolls) {
    if (!rolls.hits() || rolls.hp <= 0 || rolls.high() <= 0)
        return {};
    const int hits = ceilDiv(rolls.hp, rolls.high());
    return {hits, koChanceIn(rolls.rolls, rolls.hp, hits)};
}

} // namespace rusrina
