#include "data/search_options.h"

namespace rusrina {
namespace {

// Option 0 lets every base stat through: no base stat exceeds 512 or falls below 0.
constexpr ThresholdOption kAtMost[kThresholdOptionCount] = {
    {" 無指定", 512}, {"150以下", 150}, {"130以下", 130}, {"120以下", 120}, {"110以下", 110}, {"105以下", 105},
    {"100以下", 100}, {"95以下", 95},   {"90以下", 90},   {"80以下", 80},   {"70以下", 70},   {"50以下", 50},
};

constexpr ThresholdOption kAtLeast[kThresholdOptionCount] = {
    {" 無指定", 0},   {"150以上", 150}, {"130以上", 130}, {"120以上", 120}, {"110以上", 110}, {"105以上", 105},
    {"100以上", 100}, {"95以上", 95},   {"90以上", 90},   {"80以上", 80},   {"70以上", 70},   {"50以上", 50},
};

bool validOption(int option) {
    return option >= 0 && option < kThresholdOptionCount;
}

} // namespace

// A stored option outside the list (a stale setting) falls back to no limit.
const ThresholdOption& statAtMostOption(int option) {
    return kAtMost[validOption(option) ? option : 0];
}

const ThresholdOption& statAtLeastOption(int option) {
    return kAtLeast[validOption(option) ? option : 0];
}

} // namespace rusrina
