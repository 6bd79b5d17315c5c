#pragma once
// The generated name tables (src/data/generated/names.cpp). Only the name lookups include this
// header; everything else goes through data/names.h.

#include "data/abilities.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"

namespace rusrina::generated {

extern const char* const kSpeciesEnglishNames[kSpeciesCount];
extern const char* const kMoveEnglishNames[kMoveCount];
extern const char* const kAbilityEnglishNames[kAbilityCount]; // "" for index 0
extern const char* const kTypeEnglishNames[kTypeCount];       // "" for the placeholder type
extern const NamePair kNatureNames[kNatureCount];
extern const NamePair kItemNames[]; // every item of the games with both names, in item id order
extern const int kItemNameCount;

} // namespace rusrina::generated
