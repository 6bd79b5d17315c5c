#pragma once
// The species search: filter every species by base stats, types, egg group, ability, battle
// rule and up to four moves.

#include "data/moves.h"

#include <array>
#include <vector>

namespace rusrina {

// The search window's stat order (HP, attack, defence, speed, sp. attack, sp. defence) as
// indices into a species' base stats.
inline constexpr std::array<int, 6> kSearchStatOrder = {0, 1, 2, 5, 3, 4};

inline constexpr int kAnyStatMax = 512;
inline constexpr int kAnyType = -1;
inline constexpr int kAnyEggGroup = -1;
inline constexpr int kAnyAbility = 0;
inline constexpr int kAnyRule = 0;

struct SearchCriteria {
    // Inclusive bounds per stat, in kSearchStatOrder.
    std::array<int, 6> maxStat{kAnyStatMax, kAnyStatMax, kAnyStatMax, kAnyStatMax, kAnyStatMax, kAnyStatMax};
    std::array<int, 6> minStat{};
    int typeA = kAnyType;
    int typeB = kAnyType;
    int ability = kAnyAbility;
    int eggGroup = kAnyEggGroup;
    int rule = kAnyRule;
    std::array<int, 4> slots{NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE};
    bool anyOf = true; // one requested move suffices; otherwise every one is needed
    bool byLevel = false, byEgg = false, byMachine = false, byTutor = false;
    bool inQX = false, inZV = false, inJYJY = false, inTK = false;
};

// The matching species indices in ascending order. Moves learned by up to two pre-evolution
// steps count (and ヌケニン's through テッカニン).
std::vector<int> runSearch(const SearchCriteria& criteria);

// The parts of the criteria that are tested one by one, as bits of a mask: each stat's bounds,
// the types, the egg group, the ability, the rule and the moves (all slots together).
enum SearchPart : unsigned {
    kStatPart = 0, // + the stat's position in kSearchStatOrder
    kTypePart = 6,
    kEggGroupPart,
    kAbilityPart,
    kRulePart,
    kMovePart,
    kSearchPartCount,
};
inline constexpr unsigned partBit(int part) {
    return 1u << part;
}

// For every species, the parts of the criteria it fails (0 for a species runSearch lists): the
// reason a search lists nothing is read from these.
std::vector<unsigned> searchMisses(const SearchCriteria& criteria);

} // namespace rusrina
