#pragma once
// What the set-text reader and writer share: the stat names of the EV, IV and stats lines, and
// the comments that carry typed-in stats and an item row.

namespace rusrina {

inline constexpr const char* kSetTextStatNames[6] = {"HP", "Atk", "Def", "SpA", "SpD", "Spe"};
inline constexpr const char* kSetTextStatsComment = "# Stats:";
// The comment that carries a damage-item row that names no one item ("各種タイプ補正").
inline constexpr const char* kSetTextItemComment = "# Item:";

} // namespace rusrina
