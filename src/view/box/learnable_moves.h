#pragma once
// The learnable-move chooser of the box and damage window: every move the attacker's species can
// learn, then the Op tutor moves under their separator, in the chooser's sorted order.

#include "text/ui_text.h"
#include "view/box/damage_view.h"

#include <vector>

namespace rusrina {

// Looked up with uiText("LearnableMoves", kNoMoveChoiceText) where it is shown.
inline constexpr char kNoMoveChoiceText[] = UI_TEXT_NOOP("LearnableMoves", " 無指定");

// The entries for `species` whose category is `categoryFilter` (kNoLearnFilter for every
// category): " 無指定" and the separator carry NO_MOVE, every other entry its move index. The
// tutor moves are offered whatever the species. Sorted by their Shift-JIS bytes, as the chooser
// keeps them, so " 無指定" comes first. A species outside the table learns nothing.
std::vector<ListChoice> learnableMoveChoices(int species, int categoryFilter);

} // namespace rusrina
