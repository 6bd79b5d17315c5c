#include "data/battle_data.h"

#include "data/raw_tables.h"
#include "data/species.h"

namespace rusrina {
namespace {

constexpr MoveBattleData kNoMove{};

} // namespace

int speciesWeight(int species) {
    return species >= 0 && species < kSpeciesCount ? generated::kSpeciesWeights[species] : 0;
}

const MoveBattleData& moveBattleData(int move, Generation generation) {
    if (!isValidMove(move) || (generation != kGen4 && generation != kGen5))
        return kNoMove;
    return generated::kMoveBattleData[generation == kGen4 ? 0 : 1][move];
}

} // namespace rusrina
