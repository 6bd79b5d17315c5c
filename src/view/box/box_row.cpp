#include "view/box/box_row.h"

#include "data/species.h"

namespace rusrina {

BoxRowTexts boxRowTexts(const BoxEntry& entry) {
    const bool known = entry.species >= 0 && entry.species < kSpeciesCount;
    return {entryNameUtf8(entry), known ? speciesName(entry.species) : "－"};
}

} // namespace rusrina
