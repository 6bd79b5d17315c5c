#include "data/characteristics.h"

#include "data/english_tables.h"

#include <array>

namespace rusrina {

namespace {

// The English games' texts, in the table's order: a row for each remainder, a column for each stat.
constexpr const char* kEnglishTexts[kCharacteristicCount] = {
    "Loves to eat",
    "Proud of its power",
    "Sturdy body",
    "Highly curious",
    "Strong willed",
    "Likes to run",
    "Takes plenty of siestas",
    "Likes to thrash about",
    "Capable of taking hits",
    "Mischievous",
    "Somewhat vain",
    "Alert to sounds",
    "Nods off a lot",
    "A little quick tempered",
    "Highly persistent",
    "Thoroughly cunning",
    "Strongly defiant",
    "Impetuous and silly",
    "Scatters things often",
    "Likes to fight",
    "Good endurance",
    "Often lost in thought",
    "Hates to lose",
    "Somewhat of a clown",
    "Likes to relax",
    "Quick tempered",
    "Good perseverance",
    "Very finicky",
    "Somewhat stubborn",
    "Quick to flee",
};

const std::array<CharacteristicRecord, kCharacteristicCount>& englishTable() {
    static const std::array<CharacteristicRecord, kCharacteristicCount> rows = [] {
        std::array<CharacteristicRecord, kCharacteristicCount> made;
        for (int row = 0; row < kCharacteristicCount; ++row)
            made[row] = {kEnglishTexts[row], generated::kCharacteristicTable[row].stat,
                         generated::kCharacteristicTable[row].ivMod5};
        return made;
    }();
    return rows;
}

} // namespace

const CharacteristicRecord& characteristicRecord(int characteristic) {
    const bool inTable = characteristic >= 0 && characteristic < kCharacteristicCount;
    const int row = inTable ? characteristic : 0;
    return displaysEnglish() ? englishTable()[row] : generated::kCharacteristicTable[row];
}

} // namespace rusrina
