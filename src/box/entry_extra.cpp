#include "box/entry_extra.h"

#include "data/held_items.h"
#include "data/names.h"

namespace rusrina {

int heldItemOf(const BoxEntry& entry, const EntryExtra& extra) {
    if (extra.heldItem > kNoHeldItem && extra.heldItem < heldItemCount() &&
        damageRowOfHeldItem(extra.heldItem) == entry.item)
        return extra.heldItem;
    return heldItemOfDamageRow(entry.item);
}

EntryExtra fittedExtra(const BoxEntry& entry, EntryExtra extra) {
    const bool itemOfRow = extra.heldItem == heldItemOfDamageRow(entry.item);
    if (extra.heldItem <= kNoHeldItem || extra.heldItem >= heldItemCount() || itemOfRow ||
        damageRowOfHeldItem(extra.heldItem) != entry.item)
        extra.heldItem = kItemOfRecord;
    if (static_cast<int>(extra.gender) >= kGenderCount)
        extra.gender = Gender::Unknown;
    if (extra.happiness < 0 || extra.happiness > 255)
        extra.happiness = kDefaultHappiness;
    if (extra.form != 0 && keptForm(entry.species, extra.form) == nullptr)
        extra.form = 0;
    return extra;
}

HeldItemFields heldItemFields(int heldItem) {
    if (heldItem <= kNoHeldItem || heldItem >= heldItemCount())
        return {};
    const int row = damageRowOfHeldItem(heldItem);
    return {row, heldItemOfDamageRow(row) == heldItem ? kItemOfRecord : heldItem};
}

} // namespace rusrina
