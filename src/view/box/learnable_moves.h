#pragma once
// The learnable-move chooser of the box and damage window: every move the attacker's species can
// learn, then the Op tutor moves under their separator, in the chooser's sorted order.

#include "view/box/damage_view.h"

#include <vector>

namespace rusrina {

inline constexpr char kNoMoveChoiceText[] = " 無指定";

// The entries for `species` whose category is `categoryFilter` (kNoLearnFilter for every
// category): " 無指定" and the separator carry NO_MOVE, every other entry its move index. The
// tutor moves are offered whatever the species. Sorted by their Shift-JIS bytes, as the chooser
// keeps them, so " 無指定" comes first. A species outside the table learns nothing.
std::vector<ListChoice> learnableMoveChoices(int species, int categoryFilter);

} // namespace rusrina
