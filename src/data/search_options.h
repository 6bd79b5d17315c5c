#pragma once
// The base-stat threshold choices of the search.

#include <cstdint>

namespace rusrina {

inline constexpr int kThresholdOptionCount = 12;

struct ThresholdOption {
    const char* label; // UTF-8 in the display language, option 0 is " 無指定"
    int32_t value;     // inclusive bound; option 0 always passes (512 upper, 0 lower)
};

const ThresholdOption& statAtMostOption(int option);
const ThresholdOption& statAtLeastOption(int option);

} // namespace rusrina
