#include "data/ids.h"

#include "data/abilities.h"
#include "data/held_items.h"
#include "data/species.h"

namespace rusrina {

AbilityId abilityIdOf(int index) {
    return index >= 0 && index < kAbilityCount ? static_cast<AbilityId>(index) : AbilityId::None;
}

ItemId itemIdOf(int index) {
    return index >= 0 && index < heldItemCount() ? static_cast<ItemId>(index) : ItemId::None;
}

MoveId moveIdOf(int index) {
    return isValidMove(index) ? static_cast<MoveId>(index) : kNoMoveId;
}

SpeciesId speciesIdOf(int index) {
    return index >= 0 && index < kSpeciesCount ? static_cast<SpeciesId>(index) : kNoSpeciesId;
}

} // namespace rusrina
