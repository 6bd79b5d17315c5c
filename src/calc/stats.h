#pragma once
// The stat arithmetic every tool shares: battle stats from base stats, IVs, EVs, level and
// nature, and hidden power from the six IVs. All integer arithmetic; every division truncates.

#include <array>

namespace rusrina {

// ヌケニン: a registered entry of this species always stores HP 1.
inline constexpr int FIXED_HP_SPECIES = 291;

// Nature multipliers are held in tenths.
inline constexpr int kLoweredFactor = 9;
inline constexpr int kNeutralFactor = 10;
inline constexpr int kRaisedFactor = 11;

int computeHp(int base, int iv, int ev, int level);
// Attack .. speed; `multiplier` is the nature factor in tenths (9, 10 or 11).
int computeStat(int base, int iv, int ev, int level, int multiplier);
// The level-only form (IV 0, EV 0, neutral nature) that the species summary shows.
int computeBaseOnlyStat(int stat, int base, int level);
// Either of the two above, chosen by stat index (the multiplier is ignored for HP).
int computeAnyStat(int stat, int base, int iv, int ev, int level, int multiplier);

// The six stats a registered entry stores, in stat order. ヌケニン always stores HP 1.
std::array<int, 6> computeEntryStats(int species, const std::array<int, 6>& ivs, const std::array<int, 6>& evs,
                                     int level, int nature);

// The factor in tenths the nature applies to the stat. HP, and anything outside the nature
// table, is neutral.
int natureMultiplier(int nature, int stat);

struct HiddenPower {
    int type;  // type index
    int power; // 30..70
    bool operator==(const HiddenPower&) const = default;
};
// The six IVs in stat order (HP, attack, defence, sp. attack, sp. defence, speed).
HiddenPower hiddenPowerOf(const std::array<int, 6>& ivs);

// Hidden power reads bit 0 (type) and bit 1 (power) of each IV, weighted per stat in stat order;
// speed weighs 8, before the two special stats.
inline constexpr std::array<int, 6> kHiddenPowerWeight = {1, 2, 4, 16, 32, 8};
// From the two weighted bit sums, each 0..63.
HiddenPower hiddenPowerFromSums(int typeSum, int powerSum);

} // namespace rusrina
