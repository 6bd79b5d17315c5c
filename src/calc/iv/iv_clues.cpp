#include "calc/iv/iv_clues.h"

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
// Bit p of entry t: some combination has the type sum t and the power sum p.
using SumSet = std::array<uint64_t, kSumCount>;

// The bit pairs (bit n for pair n) that a stat's IVs take.
unsigned pairsIn(IvMask ivs) {
    unsigned pairs = 0;
    for (int pair = 0; pair < kPairCount; ++pair)
        if (ivs & kPairIvs[pair])
            pairs |= 1u << pair;
    return pairs;
}

// The two weighted bit sums that the combinations of the stats' bit pairs reach, built stat by
// stat: each pair a stat can take shifts the sums reached so far by its weighted bits. At most
// 4 pairs x 64 sums per stat, however many combinations there are.
SumSet reachableSums(const std::array<unsigned, 6>& pairs) {
    SumSet reach{};
    reach[0] = 1;
    for (int stat = 0; stat < kStatCount; ++stat) {
        SumSet next{};
        for (int pair = 0; pair < kPairCount; ++pair) {
            if (!(pairs[stat] & (1u << pair)))
                continue;
            const int typeShift = (pair & 1) * kHiddenPowerWeight[stat];
            const int powerShift = (pair >> 1) * kHiddenPowerWeight[stat];
            for (int sum = 0; sum + typeShift < kSumCount; ++sum)
                next[sum + typeShift] |= reach[sum] << powerShift;
        }
        reach = next;
    }
    return reach;
}

bool typeWanted(int type, int wantedType) {
    return wantedType == kNoHiddenPowerType || type == wantedType;
}

// Adds the sums' types and powers to the spread, the wanted type's alone when one is wanted.
// Power grows with its sum, so the lowest and highest power sums give the power range.
void addToSpread(const SumSet& reach, int wantedType, HiddenPowerSpread& spread) {
    const SumTables& tables = sumTables();
    for (int sum = 0; sum < kSumCount; ++sum) {
        if (!reach[sum] || !typeWanted(tables.type[sum], wantedType))
            continue;
        spread.add(tables.type[sum], tables.power[std::countr_zero(reach[sum])]);
        spread.add(tables.type[sum], tables.power[63 - std::countl_zero(reach[sum])]);
    }
}

// The type depends on the lowest bits alone, so a stat's pair occurs in a combination of the
// wanted type exactly when its lowest bit does. Walks the lowest bits the stats can take (at most
// 2^6 combinations) and keeps, per stat, the pairs whose lowest bit occurs in one of that type.
std::array<unsigned, 6> pairsOfWantedType(const std::array<unsigned, 6>& pairs, int wantedType) {
    if (wantedType == kNoHiddenPowerType)
        return pairs;
    const SumTables& tables = sumTables();
    std::array<unsigned, 6> lowBits{}; // bit b: the stat can take lowest bit b
    for (int stat = 0; stat < kStatCount; ++stat)
        lowBits[stat] = (pairs[stat] & 0b0101u ? 1u : 0u) | (pairs[stat] & 0b1010u ? 2u : 0u);
    std::array<unsigned, 6> keptLowBits{};
    std::array<int, 6> chosen{};
    auto walk = [&](auto& self, int stat, int typeSum) -> void {
        if (stat == kStatCount) {
            if (tables.type[typeSum] == wantedType)
                for (int s = 0; s < kStatCount; ++s)
                    keptLowBits[s] |= 1u << chosen[s];
            return;
        }
        for (int bit = 0; bit < 2; ++bit) {
            if (!(lowBits[stat] & (1u << bit)))
                continue;
            chosen[stat] = bit;
            self(self, stat + 1, typeSum + bit * kHiddenPowerWeight[stat]);
        }
    };
    walk(walk, 0, 0);
    std::array<unsigned, 6> kept{};
    for (int stat = 0; stat < kStatCount; ++stat)
        for (int pair = 0; pair < kPairCount; ++pair)
            if ((pairs[stat] & (1u << pair)) && (keptLowBits[stat] & (1u << (pair & 1))))
                kept[stat] |= 1u << pair;
    return kept;
}

// The IVs of a stat whose pair is among the pairs.
IvMask ivsWithPairs(IvMask ivs, unsigned pairs) {
    IvMask kept = 0;
    for (int pair = 0; pair < kPairCount; ++pair)
        if (pairs & (1u << pair))
            kept |= kPairIvs[pair];
    return ivs & kept;
}

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
        std::array<unsigned, 6> pairs{};
        for (int stat = 0; stat < kStatCount; ++stat)
            pairs[stat] = pairsIn(box[stat]);
        addToSpread(reachableSums(pairs), clues.hiddenPowerType, result.spread);
        const std::array<unsigned, 6> kept = pairsOfWantedType(pairs, clues.hiddenPowerType);
        for (int stat = 0; stat < kStatCount; ++stat)
            occurring[stat] |= ivsWithPairs(box[stat], kept[stat]);
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
