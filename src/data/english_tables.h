#pragma once
// The generated English names (src/data/generated/names.cpp), row for row beside the Japanese
// tables: the names the English interface shows and English team text uses. Only the name
// lookups include this header. It names no table's header, so that any table's lookup may read it.

#include "text/ui_text.h"

namespace rusrina {

// Whether the display names are the English ones: the program speaks English.
inline bool displaysEnglish() {
    return text::textLanguage() == text::TextLanguage::English;
}

struct NamePair {
    const char* japanese; // UTF-8
    const char* english;
};

} // namespace rusrina

namespace rusrina::generated {

extern const char* const kSpeciesEnglishNames[]; // kSpeciesCount rows
extern const char* const kMoveEnglishNames[];    // kMoveCount rows
extern const char* const kAbilityEnglishNames[]; // kAbilityCount rows, "" for index 0
extern const char* const kTypeEnglishNames[];    // kTypeCount rows, "" for the placeholder type
extern const NamePair kNatureNames[];            // kNatureCount rows

} // namespace rusrina::generated
