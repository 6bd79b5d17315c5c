#pragma once
// A scenario's combatant as speed and order read it, and its field: the order line, the matrix's
// speed column and speed tuning all start from these, so they agree on every speed they show.

#include "calc/battle/speed.h"
#include "calc/scenario.h"

#include <optional>

namespace rusrina {

SpeedStatus speedStatusOf(std::optional<StatusCondition> status);

// The entry's speed stat, species, ability and held item, with the stage, status and おいかぜ of its
// state; the combatant must hold an entry.
SpeedSide speedSideOf(const Combatant& combatant);

// The mode's generation, the weather and the rooms.
SpeedField speedFieldOf(const Scenario& scenario);

} // namespace rusrina
