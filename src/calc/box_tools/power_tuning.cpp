#include "calc/box_tools/power_tuning.h"

#include <algorithm>

namespace rusrina {

PowerTuning findPowerAgainst(const SpreadQuery& query, std::span<const Combatant> defenders) {
    PowerTuning out;
    SpreadQuery q = query;
    for (const Combatant& defender : defenders.first(std::min<size_t>(defenders.size(), kMostPowerTargets))) {
        q.scenario.defender = defender;
        out.each.push_back(findOffenceSpread(q));
    }
    for (size_t i = 0; i < out.each.size(); ++i) {
        const OffenceSpread& one = out.each[i];
        if (one.status != SpreadStatus::Found) {
            out.all = one;
            out.hardest = -1;
            return out;
        }
        if (out.hardest < 0 || one.ev > out.all.ev) {
            out.all = one;
            out.hardest = static_cast<int>(i);
        }
    }
    return out;
}

} // namespace rusrina
