#include "data/move_legality.h"

#include "data/raw_tables.h"
#include "data/species.h"

#include <algorithm>

namespace rusrina {
namespace {

constexpr int kShedinja = 291; // ヌケニン
constexpr int kNinjask = 290;  // テッカニン

bool validSpecies(int species) {
    return species >= 0 && species < kSpeciesCount;
}

bool learnedInEdition(int species, int move, Edition edition, MoveMethods methods) {
    MoveEditions editions;
    editions.inQX = edition == Edition::QX;
    editions.inZV = edition == Edition::ZV;
    editions.inJYJY = edition == Edition::JYJY;
    editions.inTK = edition == Edition::TK;
    std::array<int, 4> slots = {move, NO_MOVE, NO_MOVE, NO_MOVE};
    return matchMoveSlots(species, true, methods, editions, slots);
}

unsigned directEditionSources(int species, int move, Edition edition) {
    const MoveMethods methods[] = {{.byLevel = true}, {.byMachine = true}, {.byEgg = true}, {.byTutor = true}};
    const unsigned kinds[] = {kSourceLevel, kSourceMachine, kSourceEgg, kSourceTutor};
    unsigned found = 0;
    for (int i = 0; i < 4; ++i) {
        if (learnedInEdition(species, move, edition, methods[i]))
            found |= 1u << kinds[i];
    }
    return found;
}

} // namespace

MoveSources moveSources(int species, int move, Generation generation) {
    if (!validSpecies(species) || !isValidMove(move) || (generation != kGen4 && generation != kGen5))
        return 0;
    const uint32_t* begin = generated::kLegalMoves + generated::kLegalMoveStart[species];
    const uint32_t* end = generated::kLegalMoves + generated::kLegalMoveStart[species + 1];
    const uint32_t key = static_cast<uint32_t>(move) << 16;
    const uint32_t* found = std::lower_bound(begin, end, key);
    if (found == end || (*found >> 16) != static_cast<uint32_t>(move))
        return 0;
    const generated::MoveSourcePair& pair = generated::kMoveSourcePalette[*found & 0xffffu];
    return generation == kGen4 ? pair.gen4 : pair.gen5;
}

bool canHaveMove(int species, int move, Generation generation) {
    return moveSources(species, move, generation) != 0;
}

Generation generationOf(Edition edition) {
    return edition == Edition::TK ? kGen5 : kGen4;
}

unsigned editionMoveSources(int species, int move, Edition edition) {
    // The special rows are kept with the QX tutors whatever their move: a pledge move there is no
    // move of a 4th-generation edition, nor is anything of a 5th-generation species.
    const Generation generation = generationOf(edition);
    if (!moveExistsIn(move, generation) || (generation == kGen4 && species >= kFirstGen5Species))
        return 0;
    unsigned found = 0;
    // The walk down the evolution line is bounded so that a faulty table cannot make it loop.
    for (int step = 0; validSpecies(species) && step < kSpeciesCount; ++step) {
        found |= directEditionSources(species, move, edition);
        // ヌケニン copies what テッカニン learns as it evolves, never its machines.
        if (species == kShedinja)
            found |= editionMoveSources(kNinjask, move, edition) & (1u << kSourceLevel);
        species = preEvolution(species);
    }
    return found;
}

} // namespace rusrina
