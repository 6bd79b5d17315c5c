#pragma once
// The IV combinations that fit what is known of a creature beyond its stats: its characteristic
// and its hidden-power type. Hidden power reads only the two lowest bits of each IV (its bit pair,
// IV mod 4), so the combinations are handled by bit pairs: the pairs' weighted bit sums are built
// stat by stat, and no combination is visited one by one.

#include "calc/iv/iv_judge.h"

#include <array>
#include <cstdint>

namespace rusrina {

// An IV set as a mask: bit n stands for IV n.
using IvMask = uint32_t;
inline constexpr IvMask kEveryIv = 0xffffffffu;

// The combinations inside the ranges that fit the clues.
struct FittingCombinations {
    bool anyLeft = false;
    // Per stat, from the lowest to the highest IV that occurs in a combination left.
    IvRanges ranges{};
    // The hidden-power types and powers of the combinations left.
    HiddenPowerSpread spread;
};
// Ranges reaching outside 0..31 count only their part inside it. With no clue this is every
// combination inside the ranges.
FittingCombinations fittingCombinations(const IvRanges& ranges, const JudgeClues& clues);

// Per stat, the IVs the characteristic leaves possible while every other stat keeps its range.
// The stat's own range is left out, so that its list can show which of its rows the
// characteristic rules out. Every IV of every stat when no characteristic is chosen.
std::array<IvMask, 6> characteristicAllows(const IvRanges& ranges, int characteristic);

// Whether none of the row's IVs is in the mask.
bool rowRuledOut(const StatRow& row, IvMask allowed);

} // namespace rusrina
