#pragma once
// One entry of a chooser: its text and the value it carries. Kept apart from the game headers so
// that window headers can use it alone.

#include <string>

namespace rusrina {

struct ListChoice {
    std::string text;
    int value;
    bool operator==(const ListChoice&) const = default;
};

} // namespace rusrina
