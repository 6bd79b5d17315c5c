#include "calc/battle/speed_inputs.h"

#include "data/held_items.h"
#include "data/species.h"

namespace rusrina {

SpeedStatus speedStatusOf(std::optional<StatusCondition> status) {
    if (!status || *status == StatusCondition::None)
        return SpeedStatus::None;
    return *status == StatusCondition::Paralysis ? SpeedStatus::Paralysis : SpeedStatus::Other;
}

SpeedSide speedSideOf(const Combatant& c) {
    SpeedSide s;
    s.stat = c.entry->stat[kSpeed];
    s.stage = c.state.stages[kStageSpeed];
    s.species = c.entry->species;
    s.ability = abilityIdOf(c.entry->ability);
    s.heldItem = itemIdOf(heldItemOf(c));
    s.status = speedStatusOf(c.state.status);
    s.tailwind = c.state.tailwind;
    return s;
}

SpeedField speedFieldOf(const Scenario& s) {
    SpeedField f;
    f.generation = generationOf(s.mode);
    f.weather = s.field.weather;
    f.trickRoom = s.field.trickRoom;
    f.magicRoom = s.field.magicRoom;
    return f;
}

} // namespace rusrina
