#pragma once
// Which moves a species can have in the 4th and 5th generations from any source, not only in the
// four editions the learnset tables cover: every edition of those generations (the tutors of the
// later 5th-generation editions among them), distributions, the Dream World, form changes (ロトム's
// form moves), スケッチ, pre-evolutions' moves and moves brought from the 3rd generation. A team
// text warning says a move cannot be had only when this table says so, and can name the sources
// that make it legal outside the four editions.

#include "data/generations.h"
#include "data/learnsets.h"

#include <cstdint>

namespace rusrina {

// How a move is had. One bit per (generation of the source 3..5, kind) in a MoveSources mask.
enum MoveSourceKind {
    kSourceLevel = 0,
    kSourceMachine = 1,
    kSourceEgg = 2,
    kSourceTutor = 3,
    kSourceDistribution = 4, // an event creature that knows it
    kSourceSpecial = 5,      // a form change (ロトム's form moves) or ヌケニン's moves from テッカニン
    kSourceDreamWorld = 6,   // 5th generation only
    kSourceSketch = 7,       // ドーブル's スケッチ
};
inline constexpr int kMoveSourceKindCount = 8;
inline constexpr int kFirstSourceGeneration = 3; // moves learned in the 3rd generation come along on transfer

using MoveSources = uint32_t;
// Set when the species itself has the move from none of the sources, only a pre-evolution does.
inline constexpr MoveSources kSourceByPreEvolutionOnly = 1u << 24;

constexpr MoveSources moveSourceBit(int sourceGeneration, MoveSourceKind kind) {
    return 1u << (8 * (sourceGeneration - kFirstSourceGeneration) + kind);
}
// The kinds (bit kind) of the sources of one generation in a mask.
constexpr unsigned sourceKindsIn(MoveSources sources, int sourceGeneration) {
    return (sources >> (8 * (sourceGeneration - kFirstSourceGeneration))) & 0xffu;
}

// The sources by which the species row can have the move in a game of that generation (a creature
// of the 4th generation from sources of generations 3 and 4, one of the 5th from 3 to 5); 0 when it
// cannot, and for a species or move the generation does not have or an index outside the tables.
MoveSources moveSources(int species, int move, Generation generation);
bool canHaveMove(int species, int move, Generation generation);

// The generation an edition belongs to (QX, ZV, JYJY: 4; TK: 5).
Generation generationOf(Edition edition);
// The methods (bits kSourceLevel .. kSourceTutor) by which the program's own learnset tables teach
// the move in that edition, walking pre-evolutions as canLearnMove does (ヌケニン takes only
// テッカニン's level-up moves) and counting the special rows as the search does (as tutor moves of
// QX, when the move and species exist in the 4th generation). 0 when the edition's tables do not
// have it.
unsigned editionMoveSources(int species, int move, Edition edition);

} // namespace rusrina
