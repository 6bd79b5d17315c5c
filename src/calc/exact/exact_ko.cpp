// The chance to knock the defender out in n uses of a move, counted over every combination of the
// 16 rolls of each hit and, for a move of several hits or powers, over every outcome of each use by
// its chance. Chances are sums of doubles; what the verdict rests on is kept exact: a chance that is
// possible never comes out as 0 and one that is not certain never as 1, however far it lies below
// what a double holds.

#include "calc/exact/exact_rolls.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace rusrina {

namespace {

int ceilDiv(int64_t a, int64_t b) {
    return static_cast<int>((a + b - 1) / b);
}

// A chance as the sums give it, kept off 0 when it is possible and off 1 when it is not certain.
double boundedChance(double chance, bool possible, bool certain) {
    if (certain)
        return 1.0;
    if (!possible)
        return 0.0;
    return std::clamp(chance, std::numeric_limits<double>::denorm_min(), std::nextafter(1.0, 0.0));
}

// The distinct rolls with how many of the 16 give each: small hits often have only two or three
// values, which keeps the convolutions short.
struct WeightedRoll {
    int32_t value;
    double share;
};

int distinctRolls(const RollSet& rolls, std::array<WeightedRoll, kRollCount>& out) {
    RollSet sorted = rolls;
    if (!std::is_sorted(sorted.begin(), sorted.end())) // the rolls of one hit mostly come in order
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
// `sums` is 0 past `reach`; returns the reach of `next`, which is 0 past it. Both vectors start at
// 0 but for sums[0], so that a place past the reach written last is always 0. Sums below `from`
// are left out, and so are the places of `next` below it: a caller that only asks whether the cap
// is reached passes the least sum that still can reach it.
int64_t addHit(const std::vector<double>& sums, std::vector<double>& next, const WeightedRoll* rolls, int count,
               int64_t shift, int64_t reach, int64_t from = 0) {
    const int64_t cap = static_cast<int64_t>(sums.size()) - 1;
    const int64_t nextReach = std::min(cap, reach + rolls[count - 1].value - shift);
    std::fill(next.begin() + from, next.begin() + nextReach + 1, 0.0);
    for (int64_t s = from; s <= reach; ++s) {
        if (sums[s] == 0.0)
            continue;
        for (int i = 0; i < count; ++i)
            next[std::min(cap, s + rolls[i].value - shift)] += sums[s] * rolls[i].share;
    }
    return nextReach;
}

// Damage values with their chances: lowest + i has the chance p[i].
struct Distribution {
    int64_t lowest = 0;
    std::vector<double> p{1.0}; // nothing dealt, for certain

    int64_t highest() const { return lowest + static_cast<int64_t>(p.size()) - 1; }
};

Distribution ofRolls(const RollSet& rolls) {
    Distribution d;
    const auto [low, high] = std::minmax_element(rolls.begin(), rolls.end());
    d.lowest = *low;
    d.p.assign(static_cast<size_t>(*high - *low) + 1, 0.0);
    for (int32_t r : rolls)
        d.p[r - *low] += 1.0 / kRollCount;
    return d;
}

Distribution convolve(const Distribution& a, const Distribution& b) {
    Distribution out;
    out.lowest = a.lowest + b.lowest;
    out.p.assign(a.p.size() + b.p.size() - 1, 0.0);
    for (size_t i = 0; i < a.p.size(); ++i) {
        if (a.p[i] == 0.0)
            continue;
        for (size_t j = 0; j < b.p.size(); ++j)
            out.p[i + j] += a.p[i] * b.p[j];
    }
    return out;
}

// What one use deals: each outcome's hits added up, the outcomes mixed by their chances. An outcome
// of one hit adds its rolls straight in.
Distribution useDistribution(const ExactRolls& r, const std::vector<UseOutcome>& use) {
    double total = 0.0;
    int64_t lowest = INT64_MAX, highest = INT64_MIN;
    for (const UseOutcome& o : use) {
        int64_t low = 0, high = 0;
        for (int i = 0; i < o.hits; ++i) {
            low += r.sets[o.sets[i]].low;
            high += r.sets[o.sets[i]].high;
        }
        lowest = std::min(lowest, low);
        highest = std::max(highest, high);
        total += o.weight;
    }
    Distribution mixed;
    mixed.lowest = lowest;
    mixed.p.assign(static_cast<size_t>(highest - lowest) + 1, 0.0);
    for (const UseOutcome& o : use) {
        const double share = o.weight / total;
        if (o.hits <= 1) {
            const double perRoll = share / kRollCount;
            if (o.hits == 0)
                mixed.p[-lowest] += share;
            else
                for (int32_t roll : r.sets[o.sets[0]].rolls)
                    mixed.p[roll - lowest] += perRoll;
            continue;
        }
        Distribution d;
        for (int i = 0; i < o.hits; ++i)
            d = convolve(d, ofRolls(r.sets[o.sets[i]].rolls));
        for (size_t i = 0; i < d.p.size(); ++i)
            mixed.p[d.lowest - lowest + static_cast<int64_t>(i)] += d.p[i] * share;
    }
    return mixed;
}

// The chance that the first use and uses - 1 later ones reach hp. Sums are kept as their excess over
// the lowest sum, every excess at or past what is needed kept in the last place; the last use is
// read against the chance that one use deals at least what is still missing.
double chanceOfUses(const Distribution& first, const Distribution& later, int uses, int64_t hp) {
    const int64_t need = hp - first.lowest - int64_t{uses - 1} * later.lowest;
    const int64_t most = first.highest() - first.lowest + int64_t{uses - 1} * (later.highest() - later.lowest);
    if (need <= 0 || need > most)
        return need <= 0 ? 1.0 : 0.0;
    std::vector<double> sums(static_cast<size_t>(need) + 1, 0.0), next(sums.size());
    for (size_t i = 0; i < first.p.size(); ++i)
        sums[std::min<int64_t>(need, static_cast<int64_t>(i))] += first.p[i];
    if (uses == 1)
        return boundedChance(sums[need], true, false);
    struct Excess {
        int64_t value;
        double chance;
    };
    std::vector<Excess> excesses;
    for (size_t i = 0; i < later.p.size(); ++i)
        if (later.p[i] != 0.0)
            excesses.push_back({static_cast<int64_t>(i), later.p[i]});
    for (int u = 1; u < uses - 1; ++u) {
        std::fill(next.begin(), next.end(), 0.0);
        for (int64_t s = 0; s <= need; ++s) {
            const double chanceOfSum = sums[s];
            if (chanceOfSum == 0.0)
                continue;
            for (const Excess& e : excesses)
                next[std::min(need, s + e.value)] += chanceOfSum * e.chance;
        }
        sums.swap(next);
    }
    // atLeast[x]: the chance that one later use adds an excess of x or more.
    std::vector<double> atLeast(later.p.size() + 1, 0.0);
    for (size_t i = later.p.size(); i-- > 0;)
        atLeast[i] = atLeast[i + 1] + later.p[i];
    double chance = 0.0;
    for (int64_t s = 0; s <= need; ++s) {
        if (sums[s] == 0.0)
            continue;
        const int64_t missing = need - s;
        chance += sums[s] * (missing < static_cast<int64_t>(atLeast.size()) ? atLeast[missing] : 0.0);
    }
    return boundedChance(chance, true, false);
}

// Moves whose later uses land hits of one roll set only (every move of several hits but
// トリプルキック): n uses are the first use and K more hits, K being what the n - 1 later uses land
// together. Their chance is the sum over K of the chance of K hits times the chance that the first
// use and K such hits reach hp, which one pass over the hits gives for every K at once.
bool laterHitsAlike(const ExactRolls& r, uint8_t& set) {
    const std::vector<UseOutcome>& later = r.laterUses();
    set = later.front().hits > 0 ? later.front().sets[0] : uint8_t{0};
    for (const UseOutcome& o : later)
        for (int i = 0; i < o.hits; ++i)
            if (o.sets[i] != set)
                return false;
    return true;
}

// The chance of each hit count of a use, by count.
std::vector<double> countChances(const std::vector<UseOutcome>& use) {
    double total = 0.0;
    size_t most = 0;
    for (const UseOutcome& o : use) {
        total += o.weight;
        most = std::max<size_t>(most, o.hits);
    }
    std::vector<double> chances(most + 1, 0.0);
    for (const UseOutcome& o : use)
        chances[o.hits] += o.weight / total;
    return chances;
}

std::vector<double> convolveCounts(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> out(a.size() + b.size() - 1, 0.0);
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j)
            out[i + j] += a[i] * b[j];
    return out;
}

// Whether the first use, too, lands hits of `later` but for its first hit; that hit's set if so.
bool firstUseAlike(const ExactRolls& r, uint8_t later, uint8_t& first) {
    first = r.firstUse.front().sets[0];
    for (const UseOutcome& o : r.firstUse) {
        if (o.hits == 0 || o.sets[0] != first)
            return false;
        for (int i = 1; i < o.hits; ++i)
            if (o.sets[i] != later)
                return false;
    }
    return true;
}

// What the first use deals before the hits counted, and the chance of each count of those hits:
// the first use whole, or, when its hits after the first are of the later set, its first hit alone.
std::vector<double> countsAfterFirst(const ExactRolls& r, uint8_t set, int uses, Distribution& first) {
    uint8_t firstSet = 0;
    std::vector<double> count{1.0};
    if (firstUseAlike(r, set, firstSet)) {
        first = ofRolls(r.sets[firstSet].rolls);
        count = countChances(r.firstUse);
        count.erase(count.begin()); // its first hit is dealt already
    } else {
        first = useDistribution(r, r.firstUse);
    }
    const std::vector<double> perUse = countChances(r.laterUses());
    for (int u = 1; u < uses; ++u)
        count = convolveCounts(count, perUse);
    return count;
}

double chanceOfAlikeLaterHits(const ExactRolls& r, uint8_t set, int uses, int64_t hp) {
    Distribution first;
    const std::vector<double> count = countsAfterFirst(r, set, uses, first);
    std::array<WeightedRoll, kRollCount> rolls;
    const int distinct = distinctRolls(r.sets[set].rolls, rolls);
    // The sums so far over [lowest, min(hp, highest)], every sum at or past hp kept at hp.
    int64_t lowest = std::min(hp, first.lowest), highest = first.highest();
    std::vector<double> sums(static_cast<size_t>(std::min(hp, highest) - lowest) + 1, 0.0), next;
    for (size_t i = 0; i < first.p.size(); ++i)
        sums[std::min(hp, first.lowest + static_cast<int64_t>(i)) - lowest] += first.p[i];
    double chance = 0.0;
    const int64_t mostPerHit = rolls[distinct - 1].value;
    for (size_t hits = 0; hits < count.size(); ++hits) {
        if (lowest >= hp) { // every count from here on knocks out
            for (size_t k = hits; k < count.size(); ++k)
                chance += count[k];
            break;
        }
        if (highest >= hp)
            chance += count[hits] * sums.back();
        if (hits + 1 == count.size())
            break;
        // A sum that the hits still to come cannot lift to hp is of no more use.
        const int64_t stillToCome = static_cast<int64_t>(count.size() - 1 - hits);
        const int64_t firstAlive = std::max<int64_t>(0, hp - stillToCome * mostPerHit - lowest);
        const int64_t nextLowest = std::min<int64_t>(hp, lowest + rolls[0].value);
        highest += rolls[distinct - 1].value;
        next.assign(static_cast<size_t>(std::min(hp, highest) - nextLowest) + 1, 0.0);
        // A sum already at hp stays there; below it, each roll moves it on, up to hp at most.
        const size_t below = lowest + static_cast<int64_t>(sums.size()) - 1 >= hp ? sums.size() - 1 : sums.size();
        if (below < sums.size())
            next.back() += sums.back();
        const int64_t top = static_cast<int64_t>(next.size()) - 1;
        for (size_t s = static_cast<size_t>(firstAlive); s < below; ++s) {
            const double chanceOfSum = sums[s];
            if (chanceOfSum == 0.0)
                continue;
            const int64_t from = lowest + static_cast<int64_t>(s) - nextLowest;
            for (int i = 0; i < distinct; ++i)
                next[std::min(top, from + rolls[i].value)] += chanceOfSum * rolls[i].share;
        }
        sums.swap(next);
        lowest = nextLowest;
    }
    return boundedChance(chance, true, false);
}

// The fewest uses whose total reaches hp at `first` and `later` per use; 0 when none do.
int usesToReach(int64_t hp, int64_t first, int64_t later) {
    if (first >= hp)
        return 1;
    if (later <= 0)
        return 0;
    return 1 + ceilDiv(hp - first, later);
}

// いかりのまえば: each use takes half of what is left, at least 1.
int usesToHalveDown(int64_t hp) {
    int uses = 0;
    for (; hp > 0; ++uses)
        hp -= std::max<int64_t>(1, hp / 2);
    return uses;
}

} // namespace

double koChanceIn(const RollSet& rolls, int32_t hp, int hits) {
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
    // A sum that even the highest rolls of the hits left cannot bring to `need` is never counted.
    const int64_t spread = highest - lowest;
    int64_t reach = 0;
    for (int h = 0; h < hits; ++h) {
        const int64_t from = std::max<int64_t>(0, need - int64_t{hits - h} * spread);
        reach = addHit(sums, next, distinct.data(), count, lowest, reach, from);
        sums.swap(next);
    }
    return boundedChance(sums[need], true, false);
}

double koChanceIn(const ExactRolls& r, int uses) {
    const int64_t hp = r.hpLeft();
    if (!r.hits() || uses <= 0 || hp <= 0)
        return 0.0;
    if (r.halvesHp)
        return usesToHalveDown(hp) <= uses ? 1.0 : 0.0;
    if (r.oneHit())
        return koChanceIn(r.rolls, static_cast<int32_t>(hp), uses);
    const ExactRolls::UseRange range = r.useRange();
    if (range.firstLow + int64_t{uses - 1} * range.laterLow >= hp)
        return 1.0;
    if (range.firstHigh + int64_t{uses - 1} * range.laterHigh < hp)
        return 0.0;
    uint8_t laterSet = 0;
    if (laterHitsAlike(r, laterSet))
        return chanceOfAlikeLaterHits(r, laterSet, uses, hp);
    return chanceOfUses(useDistribution(r, r.firstUse), useDistribution(r, r.laterUses()), uses, hp);
}

int certainKo(const ExactRolls& r) {
    if (!r.hits() || r.hpLeft() <= 0)
        return 0;
    if (r.halvesHp)
        return usesToHalveDown(r.hpLeft());
    const ExactRolls::UseRange range = r.useRange();
    return usesToReach(r.hpLeft(), range.firstLow, range.laterLow);
}

KoChance koChance(const ExactRolls& r) {
    if (!r.hits() || r.hpLeft() <= 0)
        return {};
    if (r.halvesHp)
        return {usesToHalveDown(r.hpLeft()), 1.0};
    const ExactRolls::UseRange range = r.useRange();
    const int uses = usesToReach(r.hpLeft(), range.firstHigh, range.laterHigh);
    if (uses == 0 || uses > kMostUsesCounted)
        return {};
    return {uses, koChanceIn(r, uses)};
}

ExactRolls::UseRange ExactRolls::rangeOfUses() const {
    if (oneHit())
        return {low(), high(), low(), high()};
    return {useTotal(firstUse, false), useTotal(firstUse, true), useTotal(laterUses(), false),
            useTotal(laterUses(), true)};
}

int ExactRolls::mostHits() const {
    int most = 1;
    for (const UseOutcome& o : firstUse)
        most = std::max<int>(most, o.hits);
    return most;
}

const RollSet& ExactRolls::hitRolls(int i) const {
    const UseOutcome* longest = nullptr;
    for (const UseOutcome& o : firstUse)
        if (!longest || o.hits > longest->hits)
            longest = &o;
    if (!longest || i < 0 || i >= longest->hits)
        return rolls;
    return sets[longest->sets[i]].rolls;
}

int32_t ExactRolls::useTotal(const std::vector<UseOutcome>& use, bool most) const {
    int64_t best = most ? INT64_MIN : INT64_MAX;
    for (const UseOutcome& o : use) {
        int64_t sum = 0;
        for (int i = 0; i < o.hits; ++i)
            sum += most ? sets[o.sets[i]].high : sets[o.sets[i]].low;
        best = most ? std::max(best, sum) : std::min(best, sum);
    }
    return use.empty() ? 0 : static_cast<int32_t>(best);
}

HitSums::HitSums(const RollSet& rolls, int hits) {
    std::array<WeightedRoll, kRollCount> distinct;
    const int count = distinctRolls(rolls, distinct);
    const int32_t lowest = distinct[0].value;
    hits = std::max(hits, 0);
    m_lowest = int64_t{hits} * lowest;
    // Sums are kept as their excess over the lowest sum; the last place is never passed.
    std::vector<double> sums(static_cast<size_t>(int64_t{hits} * (distinct[count - 1].value - lowest)) + 1, 0.0);
    std::vector<double> next(sums.size());
    sums[0] = 1.0;
    int64_t reach = 0;
    for (int h = 0; h < hits; ++h) {
        reach = addHit(sums, next, distinct.data(), count, lowest, reach);
        sums.swap(next);
    }
    for (size_t i = sums.size() - 1; i-- > 0;)
        sums[i] += sums[i + 1];
    m_atLeast = std::move(sums);
}

HitSums::HitSums(const ExactRolls& r, int uses) {
    if (r.oneHit()) {
        *this = HitSums(r.rolls, uses);
        return;
    }
    uses = std::max(uses, 0);
    Distribution total;
    if (uses > 0) {
        total = useDistribution(r, r.firstUse);
        const Distribution later = useDistribution(r, r.laterUses());
        for (int u = 1; u < uses; ++u)
            total = convolve(total, later);
    }
    m_lowest = total.lowest;
    for (size_t i = total.p.size() - 1; i-- > 0;)
        total.p[i] += total.p[i + 1];
    m_atLeast = std::move(total.p);
}

double HitSums::chanceAtLeast(int64_t total) const {
    const int64_t excess = total - m_lowest;
    if (excess <= 0)
        return 1.0;
    if (excess >= static_cast<int64_t>(m_atLeast.size()))
        return 0.0;
    return boundedChance(m_atLeast[excess], true, false);
}

} // namespace rusrina
