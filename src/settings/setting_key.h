#pragma once
// One key of the settings file, typed: its section and name, the value it stands for when it is
// absent, the values it may take, and when it is written. Every window keeps its keys in one table
// of these, so that a key is spelled once and read and written by the same rules.

#include <climits>
#include <string_view>

namespace rusrina {

// When a window writes a key as it closes.
enum class Stored {
    // At every close, whatever its value: the keys of the windows' original layout, which the file
    // has always held once a window closed.
    Always,
    // Only while its value differs from its default; back at the default, the key is taken out.
    // Every key the program added since, so that a run that never changes one adds nothing.
    UnlessDefault,
};

struct SettingKey {
    std::string_view section;
    std::string_view name;
    int defaultValue = 0;
    int least = 0;
    int most = 1;
    Stored stored = Stored::UnlessDefault;

    // A value read from the file, taken back into the key's range: one the program never writes
    // (edited by hand, or by another version) counts as absent.
    constexpr int withinRange(int value) const { return value < least || value > most ? defaultValue : value; }
};

// An on/off key: a check box, a radio button, a panel unfolded.
constexpr SettingKey checkKey(std::string_view section, std::string_view name, bool on = false,
                              Stored stored = Stored::UnlessDefault) {
    return {section, name, on ? 1 : 0, 0, 1, stored};
}

// A chooser's position, 0 (its first entry) unless said otherwise. Its range is the chooser's own
// list, whatever its length (restoreChooser), so the key itself takes any value.
constexpr SettingKey positionKey(std::string_view section, std::string_view name, int defaultPosition = 0,
                                 Stored stored = Stored::UnlessDefault) {
    return {section, name, defaultPosition, INT_MIN, INT_MAX, stored};
}

// Where a tool window was left (right and bottom one past its last pixel), written whenever the
// window was on the screen during the run; all four 0 (or an empty rectangle): no place of its own.
struct PlacementKeys {
    SettingKey left, top, right, bottom;
};

constexpr PlacementKeys placementKeys(std::string_view section) {
    const auto edge = [section](std::string_view name) {
        return SettingKey{section, name, 0, INT_MIN, INT_MAX, Stored::Always};
    };
    return {edge("left"), edge("top"), edge("right"), edge("bottom")};
}

// Whether a tool window was open when the program last ended.
constexpr SettingKey shownKey(std::string_view section, Stored stored) {
    return checkKey(section, "show", false, stored);
}

} // namespace rusrina
