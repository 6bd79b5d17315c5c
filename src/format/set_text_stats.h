#pragma once
// What the set-text reader and writer share: the stat names of the EV, IV and stats lines, and
// the comment that carries typed-in stats.

namespace rusrina {

inline constexpr const char* kSetTextStatNames[6] = {"HP", "Atk", "Def", "SpA", "SpD", "Spe"};
inline constexpr const char* kSetTextStatsComment = "# Stats:";

} // namespace rusrina
