#include "format/box_extension.h"

#include "data/held_items.h"
#include "text/ui_text.h"

#include <array>

namespace rusrina {
namespace {

constexpr uint8_t kFlagKept = 1;
constexpr uint8_t kFlagShiny = 2;
constexpr uint8_t kFlagTied = 4;
constexpr std::size_t kTieOffset = 6;
constexpr uint16_t kNoIndex = 0xFFFF;

void put16(std::string& out, std::size_t at, uint16_t value) {
    out[at] = static_cast<char>(value & 0xFF);
    out[at + 1] = static_cast<char>(value >> 8);
}

void put32(std::string& out, std::size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

uint32_t get(std::string_view in, std::size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(in[at + i]);
    return value;
}

// Every field of a record but its tie.
void writeFields(std::string& out, std::size_t at, const EntryExtra& extra) {
    if (extra == EntryExtra{})
        return; // zero bytes
    out[at] = static_cast<char>(kFlagKept | (extra.shiny ? kFlagShiny : 0));
    out[at + 1] = static_cast<char>(extra.gender);
    out[at + 2] = static_cast<char>(extra.happiness);
    out[at + 3] = static_cast<char>(extra.form);
    put16(out, at + 4, extra.heldItem < 0 ? kNoIndex : static_cast<uint16_t>(extra.heldItem));
}

void writeRecord(std::string& out, std::size_t at, const EntryExtra& extra, const BoxEntry& record) {
    if (extra == EntryExtra{})
        return;
    writeFields(out, at, extra);
    out[at] = static_cast<char>(out[at] | kFlagTied);
    put32(out, at + kTieOffset, extensionTieOf(record));
}

// Whether a record holds just what this program writes for the extra read from it (its tie
// aside): a value out of range, or bytes where it writes none, are not kept as they were.
bool writtenAsRead(std::string_view in, std::size_t at, const EntryExtra& extra) {
    std::string again(kExtensionRecordBytes, '\0');
    writeFields(again, 0, extra);
    std::string was(in.substr(at, kExtensionRecordBytes));
    if ((was[0] & (kFlagKept | kFlagTied)) == (kFlagKept | kFlagTied)) {
        was[0] = static_cast<char>(was[0] & ~kFlagTied);
        put32(was, kTieOffset, 0);
    }
    return again == was;
}

EntryExtra readRecord(std::string_view in, std::size_t at) {
    const auto flags = static_cast<uint8_t>(in[at]);
    if ((flags & kFlagKept) == 0)
        return {};
    EntryExtra extra;
    extra.shiny = (flags & kFlagShiny) != 0;
    const auto gender = static_cast<uint8_t>(in[at + 1]);
    extra.gender = gender < kGenderCount ? static_cast<Gender>(gender) : Gender::Unknown;
    extra.happiness = static_cast<uint8_t>(in[at + 2]);
    extra.form = static_cast<uint8_t>(in[at + 3]);
    const uint32_t item = get(in, at + 4, 2);
    extra.heldItem =
        item == kNoIndex || item >= static_cast<uint32_t>(heldItemCount()) ? kItemOfRecord : static_cast<int>(item);
    return extra;
}

} // namespace

uint32_t crc32Of(std::string_view bytes) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> built{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            built[n] = c;
        }
        return built;
    }();
    uint32_t crc = 0xFFFFFFFFu;
    for (char byte : bytes)
        crc = table[(crc ^ static_cast<unsigned char>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

uint32_t extensionTieOf(const BoxEntry& record) {
    std::string bytes(entryName(record));
    bytes += '\0';
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((static_cast<uint32_t>(record.species) >> (8 * i)) & 0xFF);
    return crc32Of(bytes);
}

int dropMovedExtras(BoxExtras& extras, const ExtensionRead& read, const BoxSlots& records) {
    int dropped = 0;
    for (int slot = 0; slot < kBoxCapacity; ++slot) {
        if (!read.tied[slot] || extras[slot] == EntryExtra{} || read.ties[slot] == extensionTieOf(records[slot]))
            continue;
        extras[slot] = {};
        ++dropped;
    }
    return dropped;
}

std::string extensionBlock(const BoxExtras& extras, const BoxSlots& records) {
    std::string block(kExtensionBlockBytes, '\0');
    block.replace(0, kExtensionTag.size(), kExtensionTag);
    put16(block, 8, kExtensionVersion);
    put16(block, 10, kExtensionRecordBytes);
    put32(block, 12, kBoxCapacity);
    for (int slot = 0; slot < kBoxCapacity; ++slot)
        writeRecord(block, kExtensionHeaderBytes + slot * kExtensionRecordBytes, extras[slot], records[slot]);
    const std::size_t body = kExtensionBlockBytes - 4;
    put32(block, body, crc32Of(std::string_view(block).substr(0, body)));
    return block;
}

ExtensionRead readExtensionBlock(std::string_view in) {
    ExtensionRead read;
    if (in.empty())
        return read;
    read.status = ExtensionRead::Status::Damaged;
    if (!in.starts_with(kExtensionTag)) {
        // A flipped tag, or other bytes where the block goes: what they held is lost to this
        // program as surely as a block with a flipped byte, and said the same way.
        read.trailingBytes = true;
        read.reason = text::uiText("BoxFile", "先頭の印が合わない");
        return read;
    }
    const std::size_t body = kExtensionBlockBytes - 4;
    if (in.size() < kExtensionHeaderBytes) {
        read.reason = text::uiText("BoxFile", "途中で切れている");
    } else if (const uint32_t version = get(in, 8, 2); version != kExtensionVersion) {
        read.reason =
            text::fillText(text::uiText("BoxFile", "このプログラムが読めない版 %1 である"), {std::to_string(version)});
    } else if (get(in, 10, 2) != kExtensionRecordBytes || get(in, 12, 4) != kBoxCapacity) {
        read.reason = text::uiText("BoxFile", "記録の大きさか数が合わない");
    } else if (in.size() < kExtensionBlockBytes) {
        read.reason = text::uiText("BoxFile", "途中で切れている");
    } else if (crc32Of(in.substr(0, body)) != get(in, body, 4)) {
        read.reason = text::uiText("BoxFile", "チェックサムが合わない");
    } else {
        read.status = ExtensionRead::Status::Valid;
        read.trailingBytes = in.size() > kExtensionBlockBytes;
        BoxExtras& extras = read.extras.emplace();
        for (int slot = 0; slot < kBoxCapacity; ++slot) {
            const std::size_t at = kExtensionHeaderBytes + slot * kExtensionRecordBytes;
            extras[slot] = readRecord(in, at);
            read.normalised += writtenAsRead(in, at, extras[slot]) ? 0 : 1;
            read.tied[slot] = (static_cast<uint8_t>(in[at]) & (kFlagKept | kFlagTied)) == (kFlagKept | kFlagTied);
            read.ties[slot] = get(in, at + kTieOffset, 4);
        }
    }
    return read;
}

} // namespace rusrina
