#include "box/box.h"

#include <algorithm>

namespace rusrina {
namespace {

const BoxEntry kFreeEntry{};

int prefixLength(const BoxSlots& slots) {
    auto firstFree = std::find_if(slots.begin(), slots.end(), [](const BoxEntry& e) { return !e.inUse(); });
    return static_cast<int>(firstFree - slots.begin());
}

} // namespace

Box::Box() : m_slots{} {}

const BoxEntry& Box::entry(int slot) const {
    if (slot < 0 || slot >= kBoxCapacity)
        return kFreeEntry;
    return m_slots[slot];
}

int Box::adoptImage(const BoxSlots& image, int completeRecords) {
    const int prefix = prefixLength(image);
    m_slots = BoxSlots{};
    m_count = 0;
    int invalid = 0;
    for (int i = 0; i < prefix; ++i) {
        if (i < completeRecords && isValidEntry(image[i]))
            m_slots[m_count++] = image[i];
        else
            ++invalid;
    }
    // Whatever a file held behind its first empty name is neither shown nor used, but a save
    // writes it back.
    std::copy(image.begin() + prefix, image.end(), m_slots.begin() + prefix);
    return invalid;
}

void Box::clear() {
    m_slots = BoxSlots{};
    m_count = 0;
}

StoreResult Box::add(const BoxEntry& entry) {
    if (full())
        return {StoreStatus::BoxFull, -1};
    if (!entry.inUse() || !isValidEntry(entry))
        return {StoreStatus::InvalidEntry, -1};
    m_slots[m_count] = entry;
    return {StoreStatus::Stored, m_count++};
}

StoreResult Box::replace(int slot, const BoxEntry& entry) {
    if (!inUse(slot))
        return {StoreStatus::NoSuchEntry, -1};
    if (!entry.inUse() || !isValidEntry(entry))
        return {StoreStatus::InvalidEntry, -1};
    m_slots[slot] = entry;
    return {StoreStatus::Stored, slot};
}

StoreResult Box::store(int slot, const BoxEntry& entry) {
    return inUse(slot) ? replace(slot, entry) : add(entry);
}

bool Box::deleteEntry(int slot) {
    if (!inUse(slot))
        return false;
    std::copy(m_slots.begin() + slot + 1, m_slots.end(), m_slots.begin() + slot);
    m_slots.back() = BoxEntry{};
    --m_count;
    return true;
}

bool Box::moveEntry(int from, int to) {
    if (!inUse(from) || !inUse(to) || from == to)
        return false;
    const auto at = [this](int slot) { return m_slots.begin() + slot; };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    return true;
}

bool Box::insertEntry(int slot, const BoxEntry& entry) {
    if (full() || slot < 0 || slot > m_count || !entry.inUse() || !isValidEntry(entry))
        return false;
    std::copy_backward(m_slots.begin() + slot, m_slots.end() - 1, m_slots.end());
    m_slots[slot] = entry;
    ++m_count;
    return true;
}

bool Box::removeFrom(int first, std::span<const BoxEntry> formerSlots) {
    if (first < 0 || first > m_count || formerSlots.size() != static_cast<std::size_t>(m_count - first))
        return false;
    std::copy(formerSlots.begin(), formerSlots.end(), m_slots.begin() + first);
    m_count = first;
    return true;
}

} // namespace rusrina
