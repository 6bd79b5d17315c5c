#pragma once
// The changes the user makes to the box, each kept as a record that can take it back and make it
// again. Taking a change back restores every slot exactly as it was, the data a file left behind
// the in-use prefix included; making it again gives the box it had right after the change. Both
// expect the box as the change left it (or as it found it): a history taken back and made again
// in order always has it so, and a record that meets another box changes nothing.

#include "box/box.h"

#include <optional>
#include <vector>

namespace rusrina {

struct BoxEdit {
    enum class Kind { Delete, Move, Replace, Append };
    Kind kind = Kind::Replace;
    // Delete: the slot emptied; Move: where the entry was; Replace: the slot; Append: the first
    // slot added.
    int slot = -1;
    int to = -1; // Move: where the entry went
    // Delete: the entry; Replace: the entry replaced; Append: what the slots held before.
    std::vector<BoxEntry> before;
    // Replace: the new entry; Append: the entries added.
    std::vector<BoxEntry> after;
    // What the slots of `before` and `after` keep beside their records, one per entry; a record
    // made without them (empty) stands for entries that keep nothing more.
    std::vector<EntryExtra> beforeExtra = {};
    std::vector<EntryExtra> afterExtra = {};
};

// Each makes the change and gives its record; nothing, and no change, when it cannot apply.
std::optional<BoxEdit> applyDelete(Box& box, int slot);
std::optional<BoxEdit> applyMove(Box& box, int from, int to);

// Registration from the edit form (Box::store): overwrites an in-use slot, else appends.
struct StoreEdit {
    StoreResult result;
    std::optional<BoxEdit> edit; // set when the entry was stored
};
// Without an extra, a replaced entry keeps the slot's own and an added one keeps nothing more.
StoreEdit applyStore(Box& box, int slot, const BoxEntry& entry);
StoreEdit applyStore(Box& box, int slot, const BoxEntry& entry, const EntryExtra& extra);

// The record of entries that were appended after the last entry (importBoxFile, appendSets add
// only there): `before` is the box as it was, `after` as it is now. Nothing when none was added.
std::optional<BoxEdit> recordAppend(const Box& before, const Box& after);

// Each returns false, leaving the box alone, when it is not in the state the record expects.
bool undoEdit(Box& box, const BoxEdit& edit);
bool redoEdit(Box& box, const BoxEdit& edit);

} // namespace rusrina
