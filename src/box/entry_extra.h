#pragma once
// What the box keeps of an entry beside its 144-byte record: the held item as one of every held
// item of the 4th and 5th generations (the record's item field holds only the damage-item row that
// item stands for), gender, happiness and shiny. A box file carries them in a block after its
// records (format/box_extension.h); an entry without that block has the defaults, which change
// nothing the record already says.

#include "box/box_entry.h"

#include <cstdint>

namespace rusrina {

enum class Gender : uint8_t { Unknown = 0, Male = 1, Female = 2 };
inline constexpr int kGenderCount = 3;

// おんがえし at full power: the value every figure of the box assumed before happiness was kept.
inline constexpr int kDefaultHappiness = 255;
// A held item field that adds nothing to the record: the record's item row is all that is known.
inline constexpr int kItemOfRecord = -1;

struct EntryExtra {
    int heldItem = kItemOfRecord; // index into data/held_items.h, or kItemOfRecord
    Gender gender = Gender::Unknown;
    int happiness = kDefaultHappiness; // 0..255
    bool shiny = false;
    // A form the box keeps beside the record's species row (data/names.h keptForm): its number;
    // 0 for the row's own form.
    int form = 0;
    bool operator==(const EntryExtra&) const = default;
};

// The held item the entry holds: the extra's when the record's item row stands for it, else the
// one item the row stands for (kNoHeldItem for row 0), else -1 (row 1 "各種タイプ補正" without
// its item, and the empty last row).
int heldItemOf(const BoxEntry& entry, const EntryExtra& extra);

// The extra as the box keeps it beside `entry`: a held item that the record's row does not stand
// for is dropped (the record was written by a program that knew only the rows), as is one that the
// row alone already names; a gender or happiness out of range takes its default, and a form the
// record's species does not have is the row's own. An extra that adds nothing to the record is
// EntryExtra{}.
EntryExtra fittedExtra(const BoxEntry& entry, EntryExtra extra);

// The record's item field and the extra for a held item: its damage-item row, and the item itself
// unless the row alone names it. -1 or an index outside the table is no item.
struct HeldItemFields {
    int row = 0;
    int heldItem = kItemOfRecord;
};
HeldItemFields heldItemFields(int heldItem);

} // namespace rusrina
