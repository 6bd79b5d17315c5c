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
// A record: byte 0 flags (bit 0: the slot keeps something, bit 1: shiny), byte 1 gender
// (0 unknown, 1 male, 2 female), byte 2 happiness, byte 3 the kept form's number (0: the species
// row's own form), bytes 4..5 the held item's index (0xFFFF: the record's item row alone), bytes
// 6..15 zero. A slot that keeps nothing is 16 zero
// bytes.

#include "box/box.h"

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

// The block for the extras of every slot.
std::string extensionBlock(const BoxExtras& extras);

// What the bytes after a box's records hold.
struct ExtensionRead {
    enum class Status {
        None,    // nothing after the records, or bytes that do not begin with the tag
        Valid,   // a block; `extras` holds it
        Damaged, // the tag, then a version, size, count, length or checksum this program cannot take
    };
    Status status = Status::None;
    std::optional<BoxExtras> extras;
    bool trailingBytes = false; // bytes after a valid block, or bytes that are no block
    std::string reason;         // Damaged: what is wrong, as the load message words it before "ため"
};
ExtensionRead readExtensionBlock(std::string_view afterRecords);

} // namespace rusrina
