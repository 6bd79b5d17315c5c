#pragma once
// The generated tables (src/data/generated/*.cpp, written by tools/datagen/gen_data.py). Only the data
// lookups include this header; everything else goes through the accessors.

#include "data/abilities.h"
#include "data/battle_data.h"
#include "data/generations.h"
#include "data/held_items.h"
#include "data/learnsets.h"
#include "data/move_legality.h"
#include "data/moves.h"
#include "data/species.h"

namespace rusrina::generated {

extern const SpeciesRecord kSpeciesTable[kSpeciesCount];
extern const char* const kSpeciesNames[kSpeciesCount];
extern const BreedingRecord kBreedingTable[kSpeciesCount];
extern const SpeciesAbilities kSpeciesAbilities[kSpeciesCount];
extern const char* const kAbilityNames[kAbilityCount];
extern const EvolutionRecord kEvolutionTable[kEvolutionCount];
extern const MoveRecord kMoveTable[kMoveCount];

extern const int kFirstGen5Move;
extern const Gen4MoveValues kGen4Moves[];
extern const int kGen4MoveCount;
extern const Gen4SpeciesTypes kGen4SpeciesTypes[];
extern const int kGen4SpeciesTypeCount;

extern const LevelUpEntry kLevelUp[kEditionCount][kSpeciesCount][kLevelUpEntries]; // QX, ZV, JYJY, TK
extern const MachineSet kMachineSets[3];                                           // QXZV, JYJY, TK
extern const int32_t kEggMoves[3][kSpeciesCount][kEggEntries];                     // QXZV, JYJY, TK
extern const int32_t kTutorZV[kSpeciesCount][kTutorZvEntries];
extern const int32_t kTutorJYJY[kSpeciesCount][kTutorJyjyEntries];
extern const SpecialLearnEntry kSpecialMoves[kSpeciesCount][kSpecialEntries];

extern const HeldItem kHeldItems[];
extern const int kHeldItemCount;
extern const int16_t kDamageRowItems[16]; // damage-item rows 0..15
extern const OtherGenerationItem kOtherGenerationItems[];
extern const int kOtherGenerationItemCount;

struct MoveSourcePair {
    MoveSources gen4;
    MoveSources gen5;
};
extern const MoveSourcePair kMoveSourcePalette[];
extern const int kMoveSourcePaletteCount;
extern const int32_t kLegalMoveStart[kSpeciesCount + 1]; // per species row, into kLegalMoves
extern const uint32_t kLegalMoves[];                     // move index << 16 | palette index, sorted by move
extern const int kLegalMoveCount;

extern const int16_t kSpeciesWeights[kSpeciesCount];
extern const MoveBattleData kMoveBattleData[2][kMoveCount]; // generation 4, generation 5

} // namespace rusrina::generated
