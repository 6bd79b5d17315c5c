#pragma once
// Natures, in the program's own order (stored by index in box entries and settings).

#include <cstdint>

namespace rusrina {

inline constexpr int kNatureCount = 25;

struct NatureRecord {
    // UTF-8, padded with full-width spaces so the parentheses line up; in English, when the program
    // speaks English ("Adamant (+Atk, -SpA)", "Hardy (neutral)").
    const char* label;
    int32_t factor[6]; // tenths per stat; HP is 0 and never applied; else 9, 10 or 11
};

const NatureRecord& natureRecord(int nature);

} // namespace rusrina
