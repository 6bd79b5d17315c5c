#include "calc/iv_clues.h"

#include "calc/stats.h"
#include "data/species.h"

#include <algorithm>
#include <bit>

namespace rusrina {
namespace {

constexpr int kPairCount = 4;
constexpr int kSumCount = 64;
// The IVs whose two lowest bits are the pair (IV mod 4).
constexpr IvMask kPairIvs[kPairCount] = {0x11111111u, 0x22222222u, 0x44444444u, 0x88888888u};

// The IVs lo..hi that lie inside 0..31.
IvMask maskOf(int lo, int hi) {
    lo = std::max(lo, 0);
    hi = std::min(hi, kMaxIv);
    if (lo > hi)
        return 0;
    return (kEveryIv >> (kMaxIv - hi)) & (kEveryIv << lo);
}

int lowestIv(IvMask mask) {
    return std::countr_zero(mask);
}

int highestIv(IvMask mask) {
    return kMaxIv - std::countl_zero(mask);
}

IvMask remainderIvs(int ivMod5) {
    IvMask mask = 0;
    for (int iv = 0; iv <= kMaxIv; ++iv)
        if (iv % 5 == ivMod5)
            mask |= 1u << iv;
    return mask;
}

bool hasCharacteristic(int characteristic) {
    return characteristic >= 0 && characteristic < kCharacteristicCount;
}

// Hidden power's type depends on the weighted sum of the lowest bits alone, its power on that of
// the second bits alone.
struct SumTables {
    std::array<int, kSumCount> type{};
    std::array<int, kSumCount> power{};
};

const SumTables& sumTables() {
    static const SumTables tables = [] {
        SumTables t;
        for (int sum = 0; sum < kSumCount; ++sum) {
            t.type[sum] = hiddenPowerFromSums(sum, 0).type;
            t.power[sum] = hiddenPowerFromSums(0, sum).power;
        }
        return t;
    }();
    return tables;
}

using IvMasks = std::array<IvMask, 6>;

// Walks every combination of the stats' bit pairs inside one box of IV sets (at most 4^6),
// carrying the two weighted bit sums down so that each combination costs one addition per stat.
// Keeps the combinations of the wanted type (all of them when none is wanted) in the spread and
// notes which pairs of each stat occur in one kept.
class PairWalk {
public:
    PairWalk(const IvMasks& box, int wantedType, HiddenPowerSpread& spread)
        : m_wantedType(wantedType), m_spread(spread), m_tables(sumTables()) {
        for (int stat = 0; stat < kStatCount; ++stat)
            for (int pair = 0; pair < kPairCount; ++pair)
                if (box[stat] & kPairIvs[pair])
                    m_pairs[stat][m_counts[stat]++] = pair;
        walk(0, 0, 0);
    }

    // The IVs of the box whose pair occurs in a kept combination.
    IvMask keptIvs(int stat, IvMask box) const {
        IvMask kept = 0;
        for (int pair = 0; pair < kPairCount; ++pair)
            if (m_keptPairs[stat] & (1u << pair))
                kept |= kPairIvs[pair];
        return box & kept;
    }

private:
    void walk(int stat, int typeSum, int powerSum) {
        if (stat == kStatCount) {
            keep(typeSum, powerSum);
            return;
        }
        for (int i = 0; i < m_counts[stat]; ++i) {
            const int pair = m_pairs[stat][i];
            m_chosen[stat] = pair;
            walk(stat + 1, typeSum + (pair & 1) * kHiddenPowerWeight[stat],
                 powerSum + (pair >> 1) * kHiddenPowerWeight[stat]);
        }
    }

    void keep(int typeSum, int powerSum) {
        const int type = m_tables.type[typeSum];
        if (m_wantedType != kNoHiddenPowerType && type != m_wantedType)
            return;
        m_spread.add(type, m_tables.power[powerSum]);
        for (int stat = 0; stat < kStatCount; ++stat)
            m_keptPairs[stat] |= 1u << m_chosen[stat];
    }

    int m_wantedType;
    HiddenPowerSpread& m_spread;
    const SumTables& m_tables;
    std::array<std::array<int, kPairCount>, 6> m_pairs{};
    std::array<int, 6> m_counts{};
    std::array<int, 6> m_chosen{};
    std::array<unsigned, 6> m_keptPairs{};
};

IvMasks givenMasks(const IvRanges& ranges) {
    IvMasks masks{};
    for (int stat = 0; stat < kStatCount; ++stat)
        masks[stat] = maskOf(ranges[stat].min, ranges[stat].max);
    return masks;
}

// The boxes the characteristic splits the ranges into: one per IV of the named stat that leaves
// its remainder, with every other stat capped at that IV (an equal IV is allowed).
template <typename Visit> void forEachCharacteristicBox(const IvMasks& given, int characteristic, Visit visit) {
    const CharacteristicRecord& named = characteristicRecord(characteristic);
    const IvMask candidates = given[named.stat] & remainderIvs(named.ivMod5);
    for (int iv = 0; iv <= kMaxIv; ++iv) {
        if (!(candidates & (1u << iv)))
            continue;
        IvMasks box = given;
        for (IvMask& mask : box)
            mask &= maskOf(0, iv);
        box[named.stat] = 1u << iv;
        visit(box);
    }
}

} // namespace

FittingCombinations fittingCombinations(const IvRanges& ranges, const JudgeClues& clues) {
    FittingCombinations result;
    IvMasks occurring{};
    auto visit = [&](const IvMasks& box) {
        if (std::find(box.begin(), box.end(), 0u) != box.end())
            return;
        PairWalk walk(box, clues.hiddenPowerType, result.spread);
        for (int stat = 0; stat < kStatCount; ++stat)
            occurring[stat] |= walk.keptIvs(stat, box[stat]);
    };
    const IvMasks given = givenMasks(ranges);
    if (hasCharacteristic(clues.characteristic))
        forEachCharacteristicBox(given, clues.characteristic, visit);
    else
        visit(given);

    // A kept combination marks every stat, so one stat without IVs means none was kept.
    result.anyLeft = std::find(occurring.begin(), occurring.end(), 0u) == occurring.end();
    result.ranges = ranges;
    if (result.anyLeft)
        for (int stat = 0; stat < kStatCount; ++stat)
            result.ranges[stat] = {lowestIv(occurring[stat]), highestIv(occurring[stat])};
    return result;
}

std::array<IvMask, 6> characteristicAllows(const IvRanges& ranges, int characteristic) {
    std::array<IvMask, 6> allows;
    allows.fill(kEveryIv);
    if (!hasCharacteristic(characteristic))
        return allows;
    const CharacteristicRecord& named = characteristicRecord(characteristic);
    const IvMasks given = givenMasks(ranges);
    for (int stat = 0; stat < kStatCount; ++stat) {
        // The named stat's IVs that leave its remainder and that no other stat's lowest IV exceeds.
        IvMask namedIvs = (stat == named.stat ? kEveryIv : given[named.stat]) & remainderIvs(named.ivMod5);
        for (int other = 0; other < kStatCount; ++other)
            if (other != stat && other != named.stat)
                namedIvs &= given[other] ? maskOf(lowestIv(given[other]), kMaxIv) : 0;
        if (stat == named.stat)
            allows[stat] = namedIvs;
        else
            allows[stat] = namedIvs ? maskOf(0, highestIv(namedIvs)) : 0;
    }
    return allows;
}

bool rowRuledOut(const StatRow& row, IvMask allowed) {
    return (maskOf(row.lo, row.hi) & allowed) == 0;
}

} // namespace rusrina
