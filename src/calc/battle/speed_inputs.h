#pragma once
// A box entry and its side of the battle state as speed and order read them, and the field from
// the window's weather and the state's rooms. The order line, the matrix's speed column and speed
// tuning all start from these, so they agree on every speed they show.

#include "box/entry_extra.h"
#include "calc/battle/battle_state.h"
#include "calc/battle/speed.h"

namespace rusrina {

SpeedStatus speedStatusOf(StatusCondition status);

// The entry's speed stat, species, ability and held item, with the stage, status and おいかぜ of
// its side of the state.
SpeedSide speedSideOf(const BoxEntry& entry, const EntryExtra& extra, const SideState& state);

// The generation, the window's weather and the state's トリックルーム and マジックルーム.
SpeedField speedFieldOf(Generation generation, int weather, const FieldState& field);

} // namespace rusrina
