#include "calc/stats.h"

#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"

namespace rusrina {

namespace {

// The EV is quartered before it is added; the quotient is truncated on its own.
int coreValue(int base, int iv, int ev) {
    return 2 * base + iv + ev / 4;
}

} // namespace

int computeHp(int base, int iv, int ev, int level) {
    return coreValue(base, iv, ev) * level / 100 + level + 10;
}

int computeStat(int base, int iv, int ev, int level, int multiplier) {
    // The nature applies last, after the +5, with its own truncation.
    return (coreValue(base, iv, ev) * level / 100 + 5) * multiplier / 10;
}

int computeBaseOnlyStat(int stat, int base, int level) {
    if (stat == kHp)
        return base * level / 50 + level + 10;
    return base * level / 50 + 5;
}

int computeAnyStat(int stat, int base, int iv, int ev, int level, int multiplier) {
    if (stat == kHp)
        return computeHp(base, iv, ev, level);
    return computeStat(base, iv, ev, level, multiplier);
}

std::array<int, 6> computeEntryStats(int species, const std::array<int, 6>& ivs, const std::array<int, 6>& evs,
                                     int level, int nature) {
    std::array<int, 6> stats{};
    if (species < 0 || species >= kSpeciesCount)
        return stats;
    const SpeciesRecord& record = speciesRecord(species);
    for (int stat = 0; stat < kStatCount; ++stat)
        stats[stat] =
            computeAnyStat(stat, record.baseStats[stat], ivs[stat], evs[stat], level, natureMultiplier(nature, stat));
    if (species == FIXED_HP_SPECIES)
        stats[kHp] = 1;
    return stats;
}

int natureMultiplier(int nature, int stat) {
    if (nature < 0 || nature >= kNatureCount || stat <= kHp || stat >= kStatCount)
        return kNeutralFactor;
    return natureRecord(nature).factor[stat];
}

HiddenPower hiddenPowerOf(const std::array<int, 6>& ivs) {
    int typeSum = 0;
    int powerSum = 0;
    for (int stat = 0; stat < kStatCount; ++stat) {
        typeSum += (ivs[stat] & 1) * kHiddenPowerWeight[stat];
        powerSum += ((ivs[stat] >> 1) & 1) * kHiddenPowerWeight[stat];
    }
    return hiddenPowerFromSums(typeSum, powerSum);
}

HiddenPower hiddenPowerFromSums(int typeSum, int powerSum) {
    return {hiddenPowerType(typeSum * 15 / 63), powerSum * 40 / 63 + 30};
}

} // namespace rusrina
