#include "calc/battle/speed_inputs.h"

#include "data/held_items.h"
#include "data/species.h"

namespace rusrina {

SpeedStatus speedStatusOf(StatusCondition status) {
    switch (status) {
    case StatusCondition::None:
        return SpeedStatus::None;
    case StatusCondition::Paralysis:
        return SpeedStatus::Paralysis;
    default:
        return SpeedStatus::Other;
    }
}

SpeedSide speedSideOf(const BoxEntry& entry, const EntryExtra& extra, const SideState& state) {
    SpeedSide s;
    s.stat = entry.stat[kSpeed];
    s.stage = state.stages[kStageSpeed];
    s.species = entry.species;
    s.ability = abilityIdOf(entry.ability);
    s.heldItem = itemIdOf(heldItemOf(entry, extra));
    s.status = speedStatusOf(state.status);
    s.tailwind = state.tailwind;
    return s;
}

SpeedField speedFieldOf(Generation generation, int weather, const FieldState& field) {
    SpeedField f;
    f.generation = generation;
    f.weather = weather;
    f.trickRoom = field.trickRoom;
    f.magicRoom = field.magicRoom;
    return f;
}

} // namespace rusrina
