#pragma once
// Every held item of the 4th and 5th generations, by an index of our own that box files store:
// 0 is no item, and an item keeps its index for good (new items are only ever appended; the order
// is data/source/held_item_order.csv). Each item names the damage-item row (data/items.h) that
// stands for it in the 144-byte box record and in the simple engine, and carries what the
// damage rules read about it.

#include "data/generated/ids.h"

#include <cstdint>
#include <string_view>

namespace rusrina {

inline constexpr int kNoHeldItem = 0;
inline constexpr int kNoItemType = -1; // a type field of an item that has no such type

// How an item raises the power of the moves of a type.
enum ItemBoostKind : int8_t {
    kBoostNone = 0,
    kBoostType = 1,         // ×1.2 for moves of boostType, whoever holds it (type items, plates, incenses)
    kBoostSpeciesTypes = 2, // ×1.2 for moves of boostType or boostType2, only when its species holds it (orbs)
    kBoostGem = 3,          // ×1.5 for the first move of boostType, then used up (ジュエル)
};

struct HeldItem {
    const char* japanese;   // UTF-8; "" for index 0
    const char* english;    // as team text spells it
    int8_t generation;      // the generation it first appears in: 4 (also for older items) or 5; 0 for index 0
    int8_t damageRow;       // the damage-item row standing for it: 1 "各種タイプ補正" for type boosts, 0 if none
    uint8_t flingPower;     // なげつける's power; 0 when it cannot be flung
    int8_t naturalGiftType; // しぜんのめぐみ's type (berries), kNoItemType otherwise
    uint8_t naturalGiftPower; // しぜんのめぐみ's power in the 4th and 5th generations (berries)
    int8_t boostKind;         // ItemBoostKind
    int8_t boostType;         // the type it boosts (kNoItemType if none)
    int8_t boostType2;        // the second type of an orb (kNoItemType if none)
    int8_t resistType;        // the type a berry halves (ホズのみ: ノーマル), kNoItemType if none
    int8_t plateType;         // the type さばきのつぶて and マルチタイプ take from a plate
    int8_t driveType;         // the type テクノバスター takes from a drive
    bool berry;
    int16_t species1; // national number of the species it belongs to (でんきだま: 25), 0 if none
    int16_t species2; // a second species (ふといホネ: 104 and 105), 0 if none
};

// The items of other generations, known by name so that team text naming one is told why it is
// not taken. A generation of 5 or less marks an item of those games that cannot be held in a
// battle set (サファリボール, the berries of the 2nd generation).
struct OtherGenerationItem {
    const char* japanese; // "" when unknown
    const char* english;
    int32_t generation;
};

int heldItemCount(); // including index 0
// Index 0 (no item) for an index outside the table.
const HeldItem& heldItem(int index);
const HeldItem& heldItem(ItemId item);
// The item's name as the player reads it: Japanese, or English when the program speaks English; ""
// for no item.
const char* heldItemName(int index);
const char* heldItemName(ItemId item);
// The damage-item row an item's index stands for in the box record; 0 outside the table.
int damageRowOfHeldItem(int index);
// The held item of a damage-item row: kNoHeldItem for row 0, the one item of rows 2..15, -1 for
// row 1 ("各種タイプ補正" stands for many items) and for rows outside 0..15.
int heldItemOfDamageRow(int row);
// The index of an item by its Japanese or English name (case, width, spaces and hyphens as
// text::foldName folds them), or by another game's spelling of it ("Leek"); -1 when it is none of
// them. Never kNoHeldItem.
int findHeldItem(std::string_view name);
// The generation of an item that is not a held item of the 4th or 5th generation; 0 when the name
// is no item known.
int otherItemGeneration(std::string_view name);

} // namespace rusrina
