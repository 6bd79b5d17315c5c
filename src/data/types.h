#pragma once
// Types, the type chart and hidden-power types.

#include <string>

namespace rusrina {

inline constexpr int kTypeCount = 18;
inline constexpr int kPlaceholderType = 9; // "－－－": no species or move has it

// The name the player reads: Japanese, or English when the program speaks English.
const char* typeName(int type);
// Always Japanese (UTF-8): the name Japanese team text writes.
const char* typeJapaneseName(int type);
// Chart code for an attacking type against one defending type: 0, 1 (half), 2 (normal), 4 (double).
int typeChart(int attacking, int defending);

// The effectiveness product (0, 1, 2, 4, 8, 16; multiplier = product / 4). For a single-typed
// defender (type1 == type2) the chart entry is doubled instead of squared.
int effectiveness(int attacking, int defending1, int defending2);

struct TypeMatchupSummary {
    std::string resistance; // e.g. "　1/2：闘水電　1/4：草"
    std::string weakness;   // e.g. "　２倍：飛炎超氷"
};
// In the display language: " 1/2: Fig Wat Ele  1/4: Gra" in English.
TypeMatchupSummary typeMatchupSummary(int type1, int type2);

// Hidden-power type number 0..15 to its type index (every real type but ノーマル); 0 outside 0..15.
int hiddenPowerType(int number);

// A type chooser lists a leading "no choice" entry, then the 17 real types in index order.
// Position 0 is no choice (-1); positions 1..9 are types 0..8, 10..17 are types 10..17.
int typeAtListPosition(int position); // -1 for position 0 and for positions outside the list

} // namespace rusrina
