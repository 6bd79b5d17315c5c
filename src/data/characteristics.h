#pragma once
// Characteristics (個性): the line a creature's summary shows about its highest IV. Each names one
// stat and the remainder of that stat's IV when divided by 5.

#include <cstdint>

namespace rusrina {

inline constexpr int kCharacteristicCount = 30;
inline constexpr int kNoCharacteristic = -1;

struct CharacteristicRecord {
    const char* text; // UTF-8 kana as the game shows it; its English text when the program speaks English
    int32_t stat;     // 0 HP .. 5 speed: the stat whose IV is the highest (ties allowed)
    int32_t ivMod5;   // that IV's remainder when divided by 5
};

// Rows in the game's own order; an index outside the table reads as the first row.
const CharacteristicRecord& characteristicRecord(int characteristic);

namespace generated {
// Written by tools/datagen from data/source/characteristics.csv and characteristic_text.csv.
extern const CharacteristicRecord kCharacteristicTable[kCharacteristicCount];
} // namespace generated

} // namespace rusrina
