#pragma once
// The texts of one row of the box list.

#include "box/box_entry.h"

#include <string>

namespace rusrina {

struct BoxRowTexts {
    std::string name;    // the entry's name in UTF-8
    std::string species; // the species name from the species table
};

BoxRowTexts boxRowTexts(const BoxEntry& entry);

} // namespace rusrina
