#pragma once
// The texts of one row of the box list.

#include "box/box_entry.h"
#include "box/entry_extra.h"

#include <string>

namespace rusrina {

struct BoxRowTexts {
    std::string name;    // the entry's name in UTF-8
    std::string species; // the species name from the species table
};

// With the gender the entry's extension gives it, the species as "ガブリアス♀" (alone when unknown).
BoxRowTexts boxRowTexts(const BoxEntry& entry, Gender gender = Gender::Unknown);

} // namespace rusrina
