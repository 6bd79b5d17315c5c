#pragma once
// Power tuning against several defenders: the attacker's fewest EVs in the stat its move uses that
// knock out each defender of a list with the wanted chance, each defender with its own state (its
// HP now, status, hazards, held item as it stood when it was listed), and the fewest that knock
// out every one. The spread finder's offence side (calc/box_tools/spread_finder.h) answers each.

#include "calc/box_tools/spread_finder.h"

#include <span>
#include <vector>

namespace rusrina {

inline constexpr int kMostPowerTargets = 32;

struct PowerTuning {
    std::vector<OffenceSpread> each; // in the list's order
    // The fewest EVs that knock out every listed defender: the most any one needs. Found only when
    // every defender was found; otherwise the status of the first that was not.
    OffenceSpread all;
    int hardest = -1; // the defender that needs the most (the one `all` was found against), or -1
};

// `query` with its attacker, row, hits, certainty and nature; its defender is replaced by each of
// `defenders` in turn (at most kMostPowerTargets are read). No defender answers NoDamage.
PowerTuning findPowerAgainst(const SpreadQuery& query, std::span<const Combatant> defenders);

} // namespace rusrina
