#pragma once
// One registered creature: the 144-byte record of the box file, little-endian, no padding.

#include <bit>
#include <cstddef>
#include <cstdint>

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
    int32_t statsDirect;      // 0: stats computed from IVs/EVs; 1: stats typed in directly
    int32_t iv[6];
    int32_t ev[6];
    int32_t stat[6];
    int32_t move[4];          // move indices, NO_MOVE for an empty slot

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

} // namespace rusrina
