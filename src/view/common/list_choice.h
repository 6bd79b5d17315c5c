#pragma once
// One entry of a chooser: its text and the value it carries. Kept apart from the game headers so
// that window headers can use it alone.

#include "text/ui_text.h"

#include <string>
#include <vector>

namespace rusrina {

// The row that opens the Op tutor moves in a move chooser (value NO_MOVE), and the mark before each
// of them; the edit form's move choosers and the box window's learnable-move chooser share them.
// The separator is looked up with uiText("ListChoice", kTutorSeparatorText) where it is shown.
inline constexpr const char* kTutorSeparatorText = UI_TEXT_NOOP("ListChoice", "― Op 教え技 ―");
inline constexpr const char* kTutorPrefix = "―";

// The values of the edit form's held-item chooser: a damage-item row as itself, any other held item
// as kHeldItemChoiceBase + its index in the held-item table.
inline constexpr int kHeldItemChoiceBase = 1000;

struct ListChoice {
    std::string text;
    int value;
    bool operator==(const ListChoice&) const = default;
};

// One entry per index below `count`, named by `name` and valued at its index.
template <typename NameOf> std::vector<ListChoice> indexedChoices(int count, NameOf name) {
    std::vector<ListChoice> choices;
    choices.reserve(static_cast<size_t>(count));
    for (int index = 0; index < count; ++index)
        choices.push_back({name(index), index});
    return choices;
}

// Every real type in type order (the placeholder type left out), named and valued at type +
// `offset`, for the choosers whose first entry, value 0, stands for no type.
std::vector<ListChoice> typeChoices(int offset);

// A nature as its chooser shows it (the edit form's, the spread finder's): the nature's label
// without its bracketed note.
std::string natureChoiceText(int nature);

// The levels 1 to `last`, each as its number.
inline std::vector<ListChoice> levelChoices(int last) {
    std::vector<ListChoice> choices;
    for (int level = 1; level <= last; ++level)
        choices.push_back({std::to_string(level), level});
    return choices;
}

// The row to select for a stored value: the first row that carries it (for a move, its own row
// before its tutor row), else 0.
inline int choiceRow(const std::vector<ListChoice>& choices, int value) {
    for (size_t row = 0; row < choices.size(); ++row) {
        if (choices[row].value == value)
            return static_cast<int>(row);
    }
    return 0;
}

// A stored chooser position, or the first entry when it lies outside a list of `count` entries
// (a hand-edited settings file, or a list that has become shorter).
inline int validChooserPosition(int stored, int count) {
    return stored >= 0 && stored < count ? stored : 0;
}

} // namespace rusrina
