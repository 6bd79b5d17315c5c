#include "data/learnsets.h"

#include "data/english_tables.h"
#include "data/moves.h"
#include "data/raw_tables.h"
#include "data/species.h"

#include <algorithm>

namespace rusrina {
namespace {

// ヌケニン appears when ツチニン evolves into テッカニン, so it also knows what テッカニン learns.
constexpr int kShedinja = 291; // ヌケニン
constexpr int kNinjask = 290;  // テッカニン

// Rows for an index from outside the tables: nothing is learnt.
constexpr LevelUpEntry kNoLevelUp[kLevelUpEntries]{};
constexpr int32_t kNoEggMoves[kEggEntries]{};
constexpr SpecialLearnEntry kNoSpecial[kSpecialEntries]{};

constexpr const char* kSpecialMethodNames[] = {
    "でんきだま遺伝", "ドラゴン教え技", "御三家教え技", "オパリナ教え技", "教え屋教え技", "JYJY教え技",
};
constexpr const char* kSpecialMethodEnglishNames[] = {
    "Light Ball egg", "Dragon tutor", "Starter tutor", "Opalina tutor", "Move tutor", "JYJY tutor",
};

// The Op move tutor's moves, in the order the box windows list them. Every species is offered
// them without a learnability test.
constexpr std::array<int, kOpTutorMoveCount> kOpTutorMoves = {
    134, 68,  137, 4, 24, 33, 156, 67,  85,  13,  110, 172, 188, 128, 195,
    202, 243, 7,   8, 6,  37, 101, 117, 152, 163, 222, 204, 206, 213, 209,
};

bool validSpecies(int species) {
    return species >= 0 && species < kSpeciesCount;
}
bool validSet(TableSet set) {
    return static_cast<int>(set) >= 0 && static_cast<int>(set) < 3;
}
bool validSlot(int slot) {
    return slot >= 0 && slot < kMachineSlots;
}

// Slots up to this one are numbered machines; the rest are hidden machines.
int lastNumberedSlot(TableSet set) {
    return set == TableSet::TK ? 94 : 91;
}

bool levelUpHolds(Edition edition, int species, int move) {
    for (const LevelUpEntry& entry : levelUpRow(edition, species)) {
        if (entry.move == move && !entry.empty())
            return true;
    }
    return false;
}

bool machineHolds(TableSet set, int species, int move) {
    if (move < 0 || !validSet(set) || !validSpecies(species))
        return false;
    const MachineSet& machines = machineSet(set);
    // Compared in the set's own encoding; a move number is never 0, so empty slots never match.
    const int32_t stored = set == TableSet::TK ? move : move + 1;
    const int32_t* flags = machines.flags[species] + 1;
    for (int slot = 0; slot < kMachineSlots; ++slot) {
        if (machines.slots[slot] == stored && flags[slot] == 1)
            return true;
    }
    return false;
}

// Egg and tutor rows: 0 marks an empty entry, so move index 0 is never found there.
bool packedRowHolds(std::span<const int32_t> row, int move) {
    return move != 0 && std::find(row.begin(), row.end(), move) != row.end();
}

bool specialHolds(int species, int move) {
    const auto row = specialRow(species);
    return std::any_of(row.begin(), row.end(),
                       [move](const SpecialLearnEntry& entry) { return entry.move != 0 && entry.move - 1 == move; });
}

// Every table of the species itself, every edition and method.
bool learnsDirectly(int species, int move) {
    for (Edition edition : {Edition::QX, Edition::ZV, Edition::JYJY, Edition::TK}) {
        if (levelUpHolds(edition, species, move))
            return true;
    }
    for (TableSet set : {TableSet::QXZV, TableSet::JYJY, TableSet::TK}) {
        if (machineHolds(set, species, move))
            return true;
    }
    if (specialHolds(species, move) || packedRowHolds(tutorRow(Edition::ZV, species), move) ||
        packedRowHolds(tutorRow(Edition::JYJY, species), move))
        return true;
    for (TableSet set : {TableSet::QXZV, TableSet::JYJY, TableSet::TK}) {
        if (packedRowHolds(eggRow(set, species), move))
            return true;
    }
    return false;
}

// The sources of one requested move, restricted to the chosen methods and editions, in the order
// the search has always tried them.
bool slotSatisfied(int species, int move, MoveMethods methods, MoveEditions editions) {
    if (methods.byLevel && ((editions.inQX && levelUpHolds(Edition::QX, species, move)) ||
                            (editions.inZV && levelUpHolds(Edition::ZV, species, move)) ||
                            (editions.inJYJY && levelUpHolds(Edition::JYJY, species, move)) ||
                            (editions.inTK && levelUpHolds(Edition::TK, species, move))))
        return true;
    if (methods.byMachine && (((editions.inQX || editions.inZV) && machineHolds(TableSet::QXZV, species, move)) ||
                              (editions.inJYJY && machineHolds(TableSet::JYJY, species, move)) ||
                              (editions.inTK && machineHolds(TableSet::TK, species, move))))
        return true;
    // The special rows count as a QX tutor; TK has no tutor table.
    if (methods.byTutor && ((editions.inQX && specialHolds(species, move)) ||
                            (editions.inZV && packedRowHolds(tutorRow(Edition::ZV, species), move)) ||
                            (editions.inJYJY && packedRowHolds(tutorRow(Edition::JYJY, species), move))))
        return true;
    return methods.byEgg &&
           (((editions.inQX || editions.inZV) && packedRowHolds(eggRow(TableSet::QXZV, species), move)) ||
            (editions.inJYJY && packedRowHolds(eggRow(TableSet::JYJY, species), move)) ||
            (editions.inTK && packedRowHolds(eggRow(TableSet::TK, species), move)));
}

} // namespace

std::span<const LevelUpEntry, kLevelUpEntries> levelUpRow(Edition edition, int species) {
    const int e = static_cast<int>(edition);
    if (e < 0 || e >= kEditionCount || !validSpecies(species))
        return std::span<const LevelUpEntry, kLevelUpEntries>(kNoLevelUp);
    return std::span<const LevelUpEntry, kLevelUpEntries>(generated::kLevelUp[e][species]);
}

const MachineSet& machineSet(TableSet set) {
    return generated::kMachineSets[validSet(set) ? static_cast<int>(set) : 0];
}

int machineSlotMove(TableSet set, int slot) {
    if (!validSet(set) || !validSlot(slot))
        return -1;
    const int32_t value = machineSet(set).slots[slot];
    if (set == TableSet::TK)
        return value; // TK slots hold move indices; every slot 0..100 is a machine
    return value == 0 ? -1 : value - 1;
}

bool machineFlag(TableSet set, int species, int slot) {
    return validSet(set) && validSlot(slot) && validSpecies(species) && machineSet(set).flags[species][1 + slot] == 1;
}

bool machineIsHidden(TableSet set, int slot) {
    return slot > lastNumberedSlot(set);
}

int machineNumber(TableSet set, int slot) {
    return machineIsHidden(set, slot) ? slot - lastNumberedSlot(set) : slot + 1;
}

std::span<const int32_t, kEggEntries> eggRow(TableSet set, int species) {
    if (!validSet(set) || !validSpecies(species))
        return std::span<const int32_t, kEggEntries>(kNoEggMoves);
    return std::span<const int32_t, kEggEntries>(generated::kEggMoves[static_cast<int>(set)][species]);
}

std::span<const int32_t> tutorRow(Edition edition, int species) {
    if (!validSpecies(species))
        return {};
    if (edition == Edition::ZV)
        return generated::kTutorZV[species];
    if (edition == Edition::JYJY)
        return generated::kTutorJYJY[species];
    return {};
}

std::span<const SpecialLearnEntry, kSpecialEntries> specialRow(int species) {
    if (!validSpecies(species))
        return std::span<const SpecialLearnEntry, kSpecialEntries>(kNoSpecial);
    return std::span<const SpecialLearnEntry, kSpecialEntries>(generated::kSpecialMoves[species]);
}

const char* specialMethodName(int index) {
    if (index < 1 || index > 6)
        return "";
    return displaysEnglish() ? kSpecialMethodEnglishNames[index - 1] : kSpecialMethodNames[index - 1];
}

const std::array<int, kOpTutorMoveCount>& opTutorMoves() {
    return kOpTutorMoves;
}

bool canLearnMove(int species, int move) {
    // The walk down the evolution line is bounded so that a faulty table cannot make it loop.
    for (int step = 0; validSpecies(species) && step < kSpeciesCount; ++step) {
        if (learnsDirectly(species, move))
            return true;
        if (species == kShedinja && canLearnMove(kNinjask, move))
            return true;
        species = preEvolution(species);
    }
    return false;
}

bool matchMoveSlots(int species, bool anyOf, MoveMethods methods, MoveEditions editions, std::array<int, 4>& slots) {
    bool result = std::all_of(slots.begin(), slots.end(), [](int move) { return move == NO_MOVE; });
    bool complete = true;
    for (int& move : slots) {
        if (anyOf && result)
            break;
        if (move == NO_MOVE)
            continue;
        if (!anyOf)
            result = false;
        if (slotSatisfied(species, move, methods, editions)) {
            move = NO_MOVE;
            result = true;
        } else {
            complete = false;
        }
    }
    return anyOf ? result : result && complete;
}

bool levelUpPresent(Edition edition, int species, LevelUpEntry entry) {
    const auto row = levelUpRow(edition, species);
    return std::any_of(row.begin(), row.end(), [entry](const LevelUpEntry& other) {
        return !other.empty() && other.move == entry.move && other.level == entry.level;
    });
}

bool machinePresent(TableSet set, int species, int move) {
    return machineHolds(set, species, move);
}

bool eggPresent(TableSet set, int species, int move) {
    return packedRowHolds(eggRow(set, species), move);
}

bool tutorPresent(Edition edition, int species, int move) {
    return packedRowHolds(tutorRow(edition, species), move);
}

const char* editionCode(Edition edition, bool inMoveRow) {
    switch (edition) {
    case Edition::QX:
        return "QX";
    case Edition::ZV:
        return "ZV";
    case Edition::JYJY:
        return inMoveRow ? "JY" : "JYJY";
    case Edition::TK:
        return "TK";
    }
    return "";
}

} // namespace rusrina
