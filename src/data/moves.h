#pragma once
// The move table. Rows 0..551 are national moves 1..552, row 552 is バークアウト (national 555),
// rows 553..558 the remaining moves of the 5th generation (national 553, 554, 556..559) in
// national order.

#include "data/generated/ids.h"

#include <cstdint>

namespace rusrina {

inline constexpr int kMoveCount = 559;
inline constexpr int NO_MOVE = 65535;

enum MoveCategory { kPhysical = 0, kSpecial = 1, kStatus = 2 };

struct MoveRecord {
    const char* name; // UTF-8
    int32_t power;    // 0: no direct damage; 1: variable power or damage
    int32_t accuracy; // percent; 0: never misses / no accuracy value
    int32_t pp;
    int32_t type;
    int32_t category; // MoveCategory
    int32_t target;   // index into the target names; 13 has no name
    int32_t effect;   // 0..337, shown in hexadecimal, never evaluated
};

// A nameless row without effect outside the table. Its name is the one the player reads: Japanese,
// or English when the program speaks English.
const MoveRecord& moveRecord(int move);
const MoveRecord& moveRecord(MoveId move);
// Always Japanese (UTF-8): the name Japanese team text writes.
const char* moveJapaneseName(int move);
// In the display language too.
const char* moveCategoryName(int category); // "物理", "特殊", "変化"
const char* moveTargetName(int target);     // "" for a code without a name
bool isValidMove(int move);                 // 0 <= move < kMoveCount

} // namespace rusrina
