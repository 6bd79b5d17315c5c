#pragma once
// The box: kBoxCapacity slots whose in-use entries always form a prefix. The slot number is the
// row of the box list, the position in the box file, and how the edit form and the damage
// calculation refer to an entry.

#include "box/box_entry.h"
#include "box/entry_extra.h"
#include "text/ui_text.h"

#include <array>
#include <span>

namespace rusrina {

using BoxSlots = std::array<BoxEntry, kBoxCapacity>;
using BoxExtras = std::array<EntryExtra, kBoxCapacity>;

enum class StoreStatus {
    Stored,
    BoxFull,      // all kBoxCapacity slots are in use
    InvalidEntry, // empty name or a value out of range
    NoSuchEntry,  // replace: the slot is not in use
};

struct StoreResult {
    StoreStatus status;
    int slot; // the slot written, or -1
    bool ok() const { return status == StoreStatus::Stored; }
};

// What the window shows when "新規追加" meets a full box.
// Shown in the display language as text::uiText("Box", kBoxFullText).
inline constexpr const char* kBoxFullText =
    UI_TEXT_NOOP("Box", "ボックスが一杯です（最大 1024 件）。削除してから登録してください。");

class Box {
public:
    Box(); // empty: every slot zero

    int count() const { return m_count; }
    bool full() const { return m_count == kBoxCapacity; }
    bool inUse(int slot) const { return slot >= 0 && slot < m_count; }

    // The entry in a slot; a slot outside the box reads as a zero (free) entry.
    const BoxEntry& entry(int slot) const;

    // Every slot as stored in the file, the data behind the in-use prefix included.
    const BoxSlots& slots() const { return m_slots; }
    // What each slot keeps beside its record; it moves with its entry through every change.
    const EntryExtra& extra(int slot) const;
    const BoxExtras& extras() const { return m_extras; }
    // Whether any slot keeps more than its record says: a box file then needs its extension block.
    bool hasExtras() const;

    // Takes a box file image: the in-use prefix (up to the first empty name) less its invalid
    // records, which are counted and returned. The valid entries keep their order; the data
    // behind the prefix is kept as it was. Records from `completeRecords` on were cut short by
    // the end of the file: one of them in use is invalid. Each entry keeps its extra from `extras`
    // (fitted to its record), or none without them.
    int adoptImage(const BoxSlots& image, int completeRecords = kBoxCapacity, const BoxExtras* extras = nullptr);

    void clear();

    // Writes the entry into the first free slot. Every write keeps the extra as fittedExtra fits it.
    StoreResult add(const BoxEntry& entry, const EntryExtra& extra = {});
    // Overwrites an in-use entry in place; without an extra the slot keeps its own.
    StoreResult replace(int slot, const BoxEntry& entry);
    StoreResult replace(int slot, const BoxEntry& entry, const EntryExtra& extra);
    // What registering the edit form does: overwrites the entry in `slot` when that slot is in
    // use, else adds the entry (-1 for a new one).
    StoreResult store(int slot, const BoxEntry& entry);
    StoreResult store(int slot, const BoxEntry& entry, const EntryExtra& extra);

    // Each returns false and changes nothing when the request cannot apply (a slot not in use,
    // the first entry moved up, the last moved down).
    bool deleteEntry(int slot);
    // Moves the entry in `from` to `to`, both in use; the entries between shift by one towards
    // `from`. The list's four moves (up, down, to the top, to the bottom) are its special cases.
    bool moveEntry(int from, int to);

    // The two changes that take back a deletion and an addition (see box_edit.h).
    // Puts the entry into `slot` (0 to count), shifting the slots from there on down by one; the
    // last slot, which a deletion left zero, drops off. Refused in a full box.
    bool insertEntry(int slot, const BoxEntry& entry, const EntryExtra& extra = {});
    // Takes the in-use entries from `first` on out of the box, writing `formerSlots` (one per
    // entry) into their slots: what they held before the entries were added, with their extras
    // (none when `formerExtras` is empty).
    bool removeFrom(int first, std::span<const BoxEntry> formerSlots, std::span<const EntryExtra> formerExtras = {});

private:
    BoxSlots m_slots;
    BoxExtras m_extras;
    int m_count = 0;
};

} // namespace rusrina
