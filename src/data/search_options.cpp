#include "data/search_options.h"

#include "data/english_tables.h"

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

constexpr ThresholdOption kAtMostEnglish[kThresholdOptionCount] = {
    {" Any", 512},        {"150 or less", 150}, {"130 or less", 130}, {"120 or less", 120},
    {"110 or less", 110}, {"105 or less", 105}, {"100 or less", 100}, {"95 or less", 95},
    {"90 or less", 90},   {"80 or less", 80},   {"70 or less", 70},   {"50 or less", 50},
};
constexpr ThresholdOption kAtLeastEnglish[kThresholdOptionCount] = {
    {" Any", 0},          {"150 or more", 150}, {"130 or more", 130}, {"120 or more", 120},
    {"110 or more", 110}, {"105 or more", 105}, {"100 or more", 100}, {"95 or more", 95},
    {"90 or more", 90},   {"80 or more", 80},   {"70 or more", 70},   {"50 or more", 50},
};

bool validOption(int option) {
    return option >= 0 && option < kThresholdOptionCount;
}

} // namespace

// A stored option outside the list (a stale setting) falls back to no limit.
const ThresholdOption& statAtMostOption(int option) {
    return (displaysEnglish() ? kAtMostEnglish : kAtMost)[validOption(option) ? option : 0];
}

const ThresholdOption& statAtLeastOption(int option) {
    return (displaysEnglish() ? kAtLeastEnglish : kAtLeast)[validOption(option) ? option : 0];
}

} // namespace rusrina
