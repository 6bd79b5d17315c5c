#pragma once
// An integer multiplier kept as numerator and denominator. The damage engine multiplies its
// modifiers into four of these and divides only in the final formula, so nothing is reduced
// or rounded on the way.

#include <cstdint>

namespace rusrina {

struct Ratio {
    int32_t numerator = 1;
    int32_t denominator = 1;

    // Multiplies the ratio by num/den.
    void scale(int32_t num, int32_t den) {
        numerator *= num;
        denominator *= den;
    }
    // The ratio applied to a value, multiplying first and truncating toward zero.
    int64_t apply(int64_t value) const { return value * numerator / denominator; }
};

} // namespace rusrina
