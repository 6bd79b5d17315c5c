#pragma once
// Per-edition learnsets. Each table keeps its own move encoding:
//   level-up, egg and tutor rows hold move indices (0 marks an empty egg/tutor entry);
//   QXZV and JYJY machine slots hold move numbers (index + 1), TK machine slots hold move indices;
//   special rows hold move numbers.
// Readers must honour these encodings; the helpers below do it for them.

#include "data/species.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace rusrina {

// The editions by the codes the move rows show; the check boxes that pick them carry other captions.
enum class Edition {
    QX = 0,   // "ネリカ": ダイヤモンド・パール
    ZV = 1,   // "オルテア": プラチナ
    JYJY = 2, // "JYJY" (JY in the move rows): ハートゴールド・ソウルシルバー
    TK = 3,   // "ヴァルメリア": ブラック・ホワイト
};
inline constexpr int kEditionCount = 4;
// The edition's code: "QX", "ZV", "JYJY", "TK"; the move rows write JYJY as "JY".
const char* editionCode(Edition edition, bool inMoveRow = false);

// Machine and egg tables: QX and ZV share one.
enum class TableSet { QXZV = 0, JYJY = 1, TK = 2 };

inline constexpr int kLevelUpEntries = 24;
inline constexpr int kMachineColumns = 102; // column 0 the national number, 1..101 the slot flags
inline constexpr int kMachineSlots = 101;   // slots 0..100 are read
inline constexpr int kEggEntries = 20;
inline constexpr int kTutorZvEntries = 40;
inline constexpr int kTutorJyjyEntries = 60;
inline constexpr int kSpecialEntries = 2;
inline constexpr int kOpTutorMoveCount = 30;

struct LevelUpEntry {
    int32_t level;
    int32_t move; // move index; (0, 0) is empty, (1, 0) is move index 0 at level 1
    bool empty() const { return level == 0 && move == 0; }
};

struct MachineSet {
    int32_t slots[kMachineColumns];                // move numbers (QXZV, JYJY) or indices (TK)
    int32_t flags[kSpeciesCount][kMachineColumns]; // [species][0] national number, [1 + slot] flag
};

struct SpecialLearnEntry {
    int32_t move;       // move number (index + 1); 0 = empty
    int32_t methodText; // 1-based index into the special method names; 0 = empty
};

std::span<const LevelUpEntry, kLevelUpEntries> levelUpRow(Edition edition, int species);
const MachineSet& machineSet(TableSet set);
// The move index a machine slot holds, honouring the set's encoding; -1 when the slot is empty.
int machineSlotMove(TableSet set, int slot);
bool machineFlag(TableSet set, int species, int slot);
// "マシン01" .. / "ひでん01" .. style label of a slot (the number is the machine's own number).
bool machineIsHidden(TableSet set, int slot);
int machineNumber(TableSet set, int slot); // 1-based number within マシン or ひでん
std::span<const int32_t, kEggEntries> eggRow(TableSet set, int species);
std::span<const int32_t> tutorRow(Edition edition, int species); // ZV: 40, JYJY: 60, others empty
std::span<const SpecialLearnEntry, kSpecialEntries> specialRow(int species);
const char* specialMethodName(int index); // 1..6
const std::array<int, kOpTutorMoveCount>& opTutorMoves();
// Species from this index on never had the Op tutor, so their move lists carry no tutor rows.
inline constexpr int kOpTutorSpeciesLimit = 389;

// Can the species (or one of its pre-evolutions; ヌケニン through テッカニン) learn the move in
// any edition by any method.
bool canLearnMove(int species, int move);

struct MoveMethods {
    bool byLevel = false, byEgg = false, byMachine = false, byTutor = false;
};
struct MoveEditions {
    bool inQX = false, inZV = false, inJYJY = false, inTK = false;
};

// Do the species' learnsets cover the requested moves (NO_MOVE = nothing requested)? Satisfied
// slots are overwritten with NO_MOVE so that calls along an evolution line accumulate.
bool matchMoveSlots(int species, bool anyOf, MoveMethods methods, MoveEditions editions, std::array<int, 4>& slots);

// Membership tests of the edition-difference views.
bool levelUpPresent(Edition edition, int species, LevelUpEntry entry);
bool machinePresent(TableSet set, int species, int move);
bool eggPresent(TableSet set, int species, int move);
bool tutorPresent(Edition edition, int species, int move);

} // namespace rusrina
