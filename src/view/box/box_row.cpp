#include "view/box/box_row.h"

#include "data/species.h"

namespace rusrina {

BoxRowTexts boxRowTexts(const BoxEntry& entry, Gender gender) {
    const bool known = entry.species >= 0 && entry.species < kSpeciesCount;
    std::string species = known ? speciesName(entry.species) : "－";
    if (known && gender != Gender::Unknown)
        species += gender == Gender::Male ? "♂" : "♀";
    return {entryShownName(entry), species};
}

} // namespace rusrina
