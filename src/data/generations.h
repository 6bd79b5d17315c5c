#pragma once
// The two generations the exact damage engine computes for. The tables hold the values of the
// 5th generation; the 4th differs in a few moves (power, accuracy, type), in the types of a few
// forms, and lacks the moves the 5th generation added.

#include "data/moves.h"

#include <cstdint>

namespace rusrina {

enum Generation { kGen4 = 4, kGen5 = 5 };

struct Gen4MoveValues {
    int32_t move;
    int32_t power;
    int32_t accuracy;
    int32_t type;
    int32_t category;
};

struct Gen4SpeciesTypes {
    int32_t species;
    int32_t type1;
    int32_t type2;
};

struct SpeciesTypes {
    int type1;
    int type2; // equal to type1 for a single-typed species
};

// The move as the generation had it; the 5th generation's row for any other generation.
MoveRecord moveRecordIn(int move, Generation generation);
// Whether the move existed in that generation (the 4th lacks the moves the 5th added).
bool moveExistsIn(int move, Generation generation);
inline MoveRecord moveRecordIn(MoveId move, Generation generation) {
    return moveRecordIn(static_cast<int>(move), generation);
}
inline bool moveExistsIn(MoveId move, Generation generation) {
    return moveExistsIn(static_cast<int>(move), generation);
}
SpeciesTypes speciesTypesIn(int species, Generation generation);

} // namespace rusrina
