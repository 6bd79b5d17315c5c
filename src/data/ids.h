#pragma once
// The ids of abilities, held items, moves and species (generated/ids.h, named from the data), and the
// one way between an id and the plain index a box record or a table stores. An index read from outside
// becomes an id only through the checked helpers below, which give no id for an index outside its
// table, so an id always names a row that exists.

#include "data/generated/ids.h"
#include "data/moves.h"

namespace rusrina {

constexpr int indexOf(AbilityId id) {
    return static_cast<int>(id);
}
constexpr int indexOf(ItemId id) {
    return static_cast<int>(id);
}
constexpr int indexOf(MoveId id) {
    return static_cast<int>(id);
}
constexpr int indexOf(SpeciesId id) {
    return static_cast<int>(id);
}

// An empty move slot (NO_MOVE) as an id: no move of the table.
inline constexpr MoveId kNoMoveId = static_cast<MoveId>(NO_MOVE);

// AbilityId::None outside the ability table.
AbilityId abilityIdOf(int index);
// ItemId::None outside the held-item table (0 is no item).
ItemId itemIdOf(int index);
// kNoMoveId outside the move table, NO_MOVE among them.
MoveId moveIdOf(int index);
// kNoSpeciesId outside the species table.
inline constexpr SpeciesId kNoSpeciesId = static_cast<SpeciesId>(-1);
SpeciesId speciesIdOf(int index);

} // namespace rusrina
