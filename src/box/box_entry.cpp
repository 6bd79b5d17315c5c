#include "box/box_entry.h"

#include "data/abilities.h"
#include "data/items.h"
#include "data/moves.h"
#include "data/natures.h"
#include "data/species.h"
#include "text/cp932.h"

#include <algorithm>
#include <cstring>

namespace rusrina {
namespace {

bool inRange(int32_t value, int low, int high) {
    return value >= low && value <= high;
}

bool allInRange(const int32_t (&values)[6], int low, int high) {
    return std::all_of(std::begin(values), std::end(values), [=](int32_t v) { return inRange(v, low, high); });
}

bool validMoveSlot(int32_t move) {
    return move == NO_MOVE || inRange(move, 0, kMoveCount - 1);
}

bool isCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// The longest prefix of at most `limit` bytes that does not end in the middle of a double-byte
// character.
std::string_view cutCp932(std::string_view bytes, std::size_t limit) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t step = isCp932LeadByte(static_cast<unsigned char>(bytes[pos])) ? 2 : 1;
        if (pos + step > limit || pos + step > bytes.size())
            break;
        pos += step;
    }
    return bytes.substr(0, pos);
}

} // namespace

bool isValidEntry(const BoxEntry& e) {
    return std::memchr(e.name, '\0', kBoxNameBytes) != nullptr && inRange(e.species, 0, kSpeciesCount - 1) &&
           inRange(e.level, 1, kMaxLevel) && inRange(e.nature, 0, kNatureCount - 1) &&
           inRange(e.ability, 0, kAbilityCount - 1) && inRange(e.item, 0, kDamageItemCount - 1) &&
           inRange(e.statsDirect, 0, 1) && allInRange(e.iv, 0, kEntryMaxIv) && allInRange(e.ev, 0, kEntryMaxEv) &&
           allInRange(e.stat, kEntryMinStat, kEntryMaxStat) &&
           std::all_of(std::begin(e.move), std::end(e.move), validMoveSlot);
}

std::string_view entryName(const BoxEntry& entry) {
    const void* end = std::memchr(entry.name, '\0', kBoxNameBytes);
    return std::string_view(entry.name, end ? static_cast<const char*>(end) - entry.name : kBoxNameBytes);
}

std::string entryNameUtf8(const BoxEntry& entry) {
    return text::fromCp932(entryName(entry));
}

std::string entryShownName(const BoxEntry& entry) {
    std::string name = entryNameUtf8(entry);
    if (entry.species >= 0 && entry.species < kSpeciesCount && name == speciesJapaneseName(entry.species))
        return speciesName(entry.species);
    return name;
}

void setEntryName(BoxEntry& entry, std::string_view utf8) {
    std::string bytes = text::toCp932(utf8);
    std::string_view kept = cutCp932(bytes, kBoxNameBytes - 1);
    std::memset(entry.name, 0, kBoxNameBytes);
    std::memcpy(entry.name, kept.data(), kept.size());
}

bool sameCreature(const BoxEntry& a, const BoxEntry& b) {
    return a.species == b.species && entryName(a) == entryName(b);
}

} // namespace rusrina
