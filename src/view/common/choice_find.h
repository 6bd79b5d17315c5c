#pragma once
// Finding an entry of a long chooser by typing: the text each entry is found by, and the test
// whether what the user typed finds it. A name is found by any part of it, with hiragana and
// katakana alike, full- and half-width forms alike, capitals ignored, and species, moves,
// abilities and held items by their name in the other language too (English beside Japanese, and
// Japanese beside English when the program speaks English).

#include "view/common/list_choice.h"

#include <string>
#include <string_view>

namespace rusrina {

// What the values of a chooser's entries are, for the other name each one is also found by.
enum class ChoiceNames { None, Species, Moves, Abilities, HeldItems };

// The folded text the entry is found by: its own text, and the other language's name of its value when
// the chooser lists species, moves, abilities or held items (values as kHeldItemChoiceBase says).
std::string choiceFindKey(const ListChoice& choice, ChoiceNames names);

// Typed text as it is compared with the keys.
std::string foldTyped(std::string_view typed);

// Whether folded typed text finds the entry with this key; empty text finds every entry.
inline bool findKeyMatches(std::string_view key, std::string_view foldedTyped) {
    return key.find(foldedTyped) != std::string_view::npos;
}

} // namespace rusrina
