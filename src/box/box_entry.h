#pragma once
// One registered creature: the 144-byte record of the box file, little-endian, no padding.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "data/species.h"

namespace rusrina {

inline constexpr int kBoxCapacity = 1024;
inline constexpr int kBoxNameBytes = 32;

struct BoxEntry {
    char name[kBoxNameBytes]; // raw Shift-JIS bytes, NUL-terminated; first byte 0 marks a free slot
    int32_t species;
    int32_t level;
    int32_t nature;
    int32_t ability;
    int32_t item;
    int32_t statsDirect; // 0: stats computed from IVs/EVs; 1: stats typed in directly
    int32_t iv[6];
    int32_t ev[6];
    int32_t stat[6];
    int32_t move[4]; // move indices, NO_MOVE for an empty slot

    bool inUse() const { return name[0] != '\0'; }
};

static_assert(std::endian::native == std::endian::little, "box files are stored little-endian as held in memory");
static_assert(sizeof(BoxEntry) == 144);
static_assert(offsetof(BoxEntry, species) == 32);
static_assert(offsetof(BoxEntry, level) == 36);
static_assert(offsetof(BoxEntry, nature) == 40);
static_assert(offsetof(BoxEntry, ability) == 44);
static_assert(offsetof(BoxEntry, item) == 48);
static_assert(offsetof(BoxEntry, statsDirect) == 52);
static_assert(offsetof(BoxEntry, iv) == 56);
static_assert(offsetof(BoxEntry, ev) == 80);
static_assert(offsetof(BoxEntry, stat) == 104);
static_assert(offsetof(BoxEntry, move) == 128);

inline constexpr std::size_t kBoxFileBytes = sizeof(BoxEntry) * kBoxCapacity; // 147456

// The ranges the entry edit form accepts. Every record the program writes lies within them, and
// every reader (the list, the edit form, the damage engine, hidden power from the IVs) can rely on
// them: no negative or zero stat to divide by, no stat large enough to overflow the damage
// arithmetic, no IV whose parity bits make a type number out of range.
inline constexpr int kEntryMaxIv = 255;
inline constexpr int kEntryMaxEv = 255;
inline constexpr int kEntryMinStat = 1;
inline constexpr int kEntryMaxStat = 999;

// Whether an in-use record can be shown, edited and calculated with: every index within its
// table, the move slots valid or NO_MOVE, and a terminator within the name field. Box files are
// not trusted; records that fail this are left out when a file is read.
bool isValidEntry(const BoxEntry& entry);

// The raw Shift-JIS bytes of the name, up to its terminator (at most the whole field).
std::string_view entryName(const BoxEntry& entry);

// The name for display, converted to UTF-8 (bytes that are not Shift-JIS show as U+FFFD).
std::string entryNameUtf8(const BoxEntry& entry);

// The name a list shows: the stored name, except that an entry named as its species is, the name the
// box gives a new entry, shows its species' name in the display language ("Garchomp" in English).
std::string entryShownName(const BoxEntry& entry);

// Stores a UTF-8 name as Shift-JIS, cut to fit the field with its terminator without splitting
// a character; the rest of the field is zeroed.
void setEntryName(BoxEntry& entry, std::string_view utf8);

// Same name bytes and same species: the test for "already in the box".
bool sameCreature(const BoxEntry& a, const BoxEntry& b);

} // namespace rusrina
