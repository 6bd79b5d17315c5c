#include "box/box.h"

#include <algorithm>

namespace rusrina {
namespace {

const BoxEntry kFreeEntry{};
const EntryExtra kNoExtra{};

int prefixLength(const BoxSlots& slots) {
    auto firstFree = std::find_if(slots.begin(), slots.end(), [](const BoxEntry& e) { return !e.inUse(); });
    return static_cast<int>(firstFree - slots.begin());
}

} // namespace

Box::Box() : m_slots{}, m_extras{} {}

const BoxEntry& Box::entry(int slot) const {
    if (slot < 0 || slot >= kBoxCapacity)
        return kFreeEntry;
    return m_slots[slot];
}

const EntryExtra& Box::extra(int slot) const {
    if (slot < 0 || slot >= kBoxCapacity)
        return kNoExtra;
    return m_extras[slot];
}

bool Box::hasExtras() const {
    return std::any_of(m_extras.begin(), m_extras.end(), [](const EntryExtra& e) { return e != kNoExtra; });
}

int Box::adoptImage(const BoxSlots& image, int completeRecords, const BoxExtras* extras) {
    const int prefix = prefixLength(image);
    m_slots = BoxSlots{};
    m_extras = BoxExtras{};
    m_count = 0;
    int invalid = 0;
    for (int i = 0; i < prefix; ++i) {
        if (i < completeRecords && isValidEntry(image[i])) {
            m_slots[m_count] = image[i];
            m_extras[m_count] = extras ? fittedExtra(image[i], (*extras)[i]) : kNoExtra;
            ++m_count;
        } else {
            ++invalid;
        }
    }
    // Whatever a file held behind its first empty name is neither shown nor used, but a save
    // writes it back.
    std::copy(image.begin() + prefix, image.end(), m_slots.begin() + prefix);
    if (extras)
        std::copy(extras->begin() + prefix, extras->end(), m_extras.begin() + prefix);
    return invalid;
}

void Box::clear() {
    m_slots = BoxSlots{};
    m_extras = BoxExtras{};
    m_count = 0;
}

StoreResult Box::add(const BoxEntry& entry, const EntryExtra& extra) {
    if (full())
        return {StoreStatus::BoxFull, -1};
    if (!entry.inUse() || !isValidEntry(entry))
        return {StoreStatus::InvalidEntry, -1};
    m_slots[m_count] = entry;
    m_extras[m_count] = fittedExtra(entry, extra);
    return {StoreStatus::Stored, m_count++};
}

StoreResult Box::replace(int slot, const BoxEntry& entry) {
    return replace(slot, entry, extra(slot));
}

StoreResult Box::replace(int slot, const BoxEntry& entry, const EntryExtra& extra) {
    if (!inUse(slot))
        return {StoreStatus::NoSuchEntry, -1};
    if (!entry.inUse() || !isValidEntry(entry))
        return {StoreStatus::InvalidEntry, -1};
    m_slots[slot] = entry;
    m_extras[slot] = fittedExtra(entry, extra);
    return {StoreStatus::Stored, slot};
}

StoreResult Box::store(int slot, const BoxEntry& entry) {
    return inUse(slot) ? replace(slot, entry) : add(entry);
}

StoreResult Box::store(int slot, const BoxEntry& entry, const EntryExtra& extra) {
    return inUse(slot) ? replace(slot, entry, extra) : add(entry, extra);
}

bool Box::deleteEntry(int slot) {
    if (!inUse(slot))
        return false;
    std::copy(m_slots.begin() + slot + 1, m_slots.end(), m_slots.begin() + slot);
    std::copy(m_extras.begin() + slot + 1, m_extras.end(), m_extras.begin() + slot);
    m_slots.back() = BoxEntry{};
    m_extras.back() = EntryExtra{};
    --m_count;
    return true;
}

bool Box::moveEntry(int from, int to) {
    if (!inUse(from) || !inUse(to) || from == to)
        return false;
    const auto rotate = [from, to](auto& slots) {
        const auto at = [&slots](int slot) { return slots.begin() + slot; };
        if (from < to)
            std::rotate(at(from), at(from + 1), at(to + 1));
        else
            std::rotate(at(to), at(from), at(from + 1));
    };
    rotate(m_slots);
    rotate(m_extras);
    return true;
}

bool Box::insertEntry(int slot, const BoxEntry& entry, const EntryExtra& extra) {
    if (full() || slot < 0 || slot > m_count || !entry.inUse() || !isValidEntry(entry))
        return false;
    std::copy_backward(m_slots.begin() + slot, m_slots.end() - 1, m_slots.end());
    std::copy_backward(m_extras.begin() + slot, m_extras.end() - 1, m_extras.end());
    m_slots[slot] = entry;
    m_extras[slot] = fittedExtra(entry, extra);
    ++m_count;
    return true;
}

bool Box::removeFrom(int first, std::span<const BoxEntry> formerSlots, std::span<const EntryExtra> formerExtras) {
    const std::size_t count = static_cast<std::size_t>(m_count - first);
    if (first < 0 || first > m_count || formerSlots.size() != count ||
        (!formerExtras.empty() && formerExtras.size() != count))
        return false;
    std::copy(formerSlots.begin(), formerSlots.end(), m_slots.begin() + first);
    if (formerExtras.empty())
        std::fill(m_extras.begin() + first, m_extras.begin() + m_count, kNoExtra);
    else
        std::copy(formerExtras.begin(), formerExtras.end(), m_extras.begin() + first);
    m_count = first;
    return true;
}

} // namespace rusrina
