#include "data/held_items.h"

#include "data/english_tables.h"
#include "data/names.h"
#include "data/raw_tables.h"
#include "text/name_fold.h"

#include <string>
#include <unordered_map>

namespace rusrina {
namespace {

using NameIndex = std::unordered_map<std::string, int>;

void add(NameIndex& index, std::string_view name, int value) {
    if (!name.empty())
        index.emplace(text::foldName(name), value);
}

int find(const NameIndex& index, std::string_view name) {
    const auto found = index.find(text::foldName(name));
    return found == index.end() ? -1 : found->second;
}

const NameIndex& heldItemIndex() {
    static const NameIndex index = [] {
        NameIndex built;
        for (int i = 1; i < generated::kHeldItemCount; ++i) {
            add(built, generated::kHeldItems[i].japanese, i);
            add(built, generated::kHeldItems[i].english, i);
        }
        return built;
    }();
    return index;
}

const NameIndex& otherItemIndex() {
    static const NameIndex index = [] {
        NameIndex built;
        for (int i = 0; i < generated::kOtherGenerationItemCount; ++i) {
            add(built, generated::kOtherGenerationItems[i].japanese, generated::kOtherGenerationItems[i].generation);
            add(built, generated::kOtherGenerationItems[i].english, generated::kOtherGenerationItems[i].generation);
        }
        return built;
    }();
    return index;
}

} // namespace

int heldItemCount() {
    return generated::kHeldItemCount;
}

const HeldItem& heldItem(int index) {
    return index >= 0 && index < generated::kHeldItemCount ? generated::kHeldItems[index] : generated::kHeldItems[0];
}

const HeldItem& heldItem(ItemId item) {
    return heldItem(static_cast<int>(item));
}

const char* heldItemName(int index) {
    const HeldItem& item = heldItem(index);
    return displaysEnglish() ? item.english : item.japanese;
}

const char* heldItemName(ItemId item) {
    return heldItemName(static_cast<int>(item));
}

int damageRowOfHeldItem(int index) {
    return heldItem(index).damageRow;
}

int heldItemOfDamageRow(int row) {
    return row >= 0 && row < 16 ? generated::kDamageRowItems[row] : -1;
}

int findHeldItem(std::string_view name) {
    const int found = find(heldItemIndex(), name);
    if (found >= 0)
        return found;
    const char* spelling = heldItemSpelling(name);
    return spelling ? find(heldItemIndex(), spelling) : -1;
}

int otherItemGeneration(std::string_view name) {
    const int generation = find(otherItemIndex(), name);
    return generation < 0 ? 0 : generation;
}

} // namespace rusrina
