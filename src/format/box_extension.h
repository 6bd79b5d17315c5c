#pragma once
// The extension block a box file may carry after its kBoxFileBytes of records: what each slot
// keeps beside its 144-byte record (box/entry_extra.h). A reader of the records alone never sees
// it. Little-endian throughout:
//
//   offset  size   field
//   0       8      tag "RUSRXTND"
//   8       2      version, 1
//   10      2      record size, kExtensionRecordBytes (16)
//   12      4      record count, kBoxCapacity (1024)
//   16      16384  one record per slot, in slot order
//   16400   4      CRC-32 (the one of zip and PNG) of bytes 0..16399
//
// A record: byte 0 flags (bit 0: the slot keeps something, bit 1: shiny, bit 2: bytes 6..9 hold
// its tie), byte 1 gender (0 unknown, 1 male, 2 female), byte 2 happiness, byte 3 the kept form's
// number (0: the species row's own form), bytes 4..5 the held item's index (0xFFFF: the record's
// item row alone), bytes 6..9 the tie to the slot's 144-byte record (extensionTieOf), bytes
// 10..15 zero. A slot that keeps nothing is 16 zero bytes. A reader of version 1 that knows no tie
// skips bit 2 and bytes 6..9, so the block keeps its version.

#include "box/box.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rusrina {

inline constexpr std::size_t kExtensionHeaderBytes = 16;
inline constexpr std::size_t kExtensionRecordBytes = 16;
inline constexpr std::size_t kExtensionBlockBytes = kExtensionHeaderBytes + kExtensionRecordBytes * kBoxCapacity + 4;
inline constexpr std::string_view kExtensionTag = "RUSRXTND";
inline constexpr int kExtensionVersion = 1;

uint32_t crc32Of(std::string_view bytes);

// What ties an extension record to the creature of its slot: a CRC-32 of the record's name bytes
// and species number. A program that knows only the records and moves them leaves the extension
// records where they were; the tie tells that the slot now holds another creature.
uint32_t extensionTieOf(const BoxEntry& record);

// The block for the extras of every slot, each tied to the slot's record.
std::string extensionBlock(const BoxExtras& extras, const BoxSlots& records);

// What the bytes after a box's records hold.
struct ExtensionRead {
    enum class Status {
        None,    // nothing after the records
        Valid,   // a block; `extras` holds it
        Damaged, // no tag, or the tag then a version, size, count, length or checksum this program
                 // cannot take
    };
    Status status = Status::None;
    std::optional<BoxExtras> extras;
    bool trailingBytes = false;     // bytes after a valid block, or bytes that are no block
    std::string reason;             // Damaged: what is wrong, as the load message words it before "ため"
    std::bitset<kBoxCapacity> tied; // the slots whose record carries a tie (blocks written before have none)
    std::array<uint32_t, kBoxCapacity> ties{};
    int normalised = 0; // records with a value out of range, read as the nearest this program keeps
};
ExtensionRead readExtensionBlock(std::string_view afterRecords);

// Leaves out each slot's extras whose tie names another creature than `records` holds there; an
// extension record without a tie stays with its slot. The number left out.
int dropMovedExtras(BoxExtras& extras, const ExtensionRead& read, const BoxSlots& records);

} // namespace rusrina
