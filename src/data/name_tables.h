#pragma once
// The generated name tables (src/data/generated/names.cpp). Only the name lookups include this
// header; everything else goes through data/names.h.

#include "data/abilities.h"
#include "data/english_tables.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"

#include <cstdint>

namespace rusrina::generated {

extern const NamePair kItemNames[]; // every item of the games with both names, in item id order
extern const int kItemNameCount;

struct TeamTextForm {
    const char* name;     // as written, e.g. "Rotom-W"
    int32_t reading;      // FormReading - 1: 0 Row, 1 BaseSpecies, 2 LaterEdition, 3 LaterGeneration
    int32_t species;      // the row it reads as (refused forms: the base form's row)
    int32_t generation;   // LaterGeneration: the form's generation; LaterEdition: 5
    const char* formName; // the form it stands for, e.g. "Rotom-Wash"
};
extern const TeamTextForm kTeamTextForms[];
extern const int kTeamTextFormCount;

extern const KeptForm kKeptForms[];
extern const int kKeptFormCount;

struct NameSpelling {
    int32_t kind;         // 0 a move, 1 a held item
    const char* spelling; // as other games spell it, e.g. "Faint Attack"
    const char* name;     // the English name of our tables it reads as, e.g. "Feint Attack"
};
extern const NameSpelling kNameSpellings[];
extern const int kNameSpellingCount;

extern const int8_t kHiddenPowerIvs[kTypeCount][6];

} // namespace rusrina::generated
