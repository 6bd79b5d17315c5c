#include "calc/box_tools/attack_sequence.h"

#include "calc/calculate.h"
#include "calc/damage/damage_engine.h"
#include "calc/exact/exact_damage.h"

#include <algorithm>
#include <cstring>
#include <deque>

namespace rusrina {
namespace {

bool sameEntry(const BoxEntry& a, const BoxEntry& b) {
    return std::memcmp(&a, &b, sizeof(BoxEntry)) == 0;
}

} // namespace

std::vector<int> locateSteps(std::span<const PlannedStep> steps, std::span<const BoxEntry> entries) {
    std::vector<int> slots;
    slots.reserve(steps.size());
    for (const PlannedStep& step : steps) {
        const int count = static_cast<int>(entries.size());
        int found = -1;
        if (step.slot >= 0 && step.slot < count && sameEntry(entries[step.slot], step.entry))
            found = step.slot;
        for (int i = 0; i < count && found < 0; ++i)
            if (sameEntry(entries[i], step.entry))
                found = i;
        slots.push_back(found);
    }
    return slots;
}

SequenceResult computePlannedSequence(const Scenario& given, std::span<const PlannedStep> steps) {
    const Scenario s = toolScenario(given);
    if (!s.defender.entry)
        return {};
    // The sides point into these, which must stay where they are while the chain runs.
    std::deque<Combatant> attackers;
    std::vector<int> ids;
    SequenceInput input;
    for (const PlannedStep& step : steps) {
        Combatant& c = attackers.emplace_back(combatantOf(step.entry, step.extra));
        c.side = s.attacker.side;
        c.state = s.attacker.entry ? withHpShare(s.attacker.state, s.attacker.entry->stat[kHp]) : CombatantState{};
        const int move = step.moveSlot >= 0 && step.moveSlot < kMoveRowCount ? step.entry.move[step.moveSlot] : NO_MOVE;
        const auto known = std::find(ids.begin(), ids.end(), step.slot);
        const int id = static_cast<int>(known - ids.begin());
        if (known == ids.end())
            ids.push_back(step.slot);
        input.steps.push_back({exactSideOf(c),
                               DamageSlot::moveRow(std::clamp(step.moveSlot, 0, kMoveRowCount - 1), move), step.uses,
                               id});
    }
    input.defender = exactSideOf(s.defender);
    input.conditions = conditionsOf(s);
    input.options = exactOptionsOf(s);
    input.field = s.field;
    input.countHitChances = s.field.countHitChances;
    return computeSequence(input);
}

std::vector<int> lastUseOfSteps(const SequenceResult& result, int stepCount) {
    std::vector<int> last(static_cast<size_t>(std::max(stepCount, 0)), -1);
    for (size_t u = 0; u < result.uses.size(); ++u) {
        const int step = result.uses[u].step;
        if (step >= 0 && step < stepCount)
            last[static_cast<size_t>(step)] = static_cast<int>(u);
    }
    return last;
}

} // namespace rusrina
