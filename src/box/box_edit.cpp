#include "box/box_edit.h"

#include <algorithm>
#include <cstring>

namespace rusrina {
namespace {

bool sameBytes(const BoxEntry& a, const BoxEntry& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

EntryExtra extraAt(const std::vector<EntryExtra>& extras, std::size_t i) {
    return i < extras.size() ? extras[i] : EntryExtra{};
}

// Whether `entry` is in `slot` now, byte for byte, with the extra the record gives it.
bool holds(const Box& box, int slot, const BoxEntry& entry, const EntryExtra& extra) {
    return box.inUse(slot) && sameBytes(box.entry(slot), entry) && box.extra(slot) == fittedExtra(entry, extra);
}

bool holdsBefore(const Box& box, const BoxEdit& edit) {
    return holds(box, edit.slot, edit.before[0], extraAt(edit.beforeExtra, 0));
}

bool holdsAfter(const Box& box, const BoxEdit& edit) {
    return holds(box, edit.slot, edit.after[0], extraAt(edit.afterExtra, 0));
}

bool undoAppend(Box& box, const BoxEdit& edit) {
    if (box.count() != edit.slot + static_cast<int>(edit.after.size()))
        return false;
    for (std::size_t i = 0; i < edit.after.size(); ++i) {
        if (!holds(box, edit.slot + static_cast<int>(i), edit.after[i], extraAt(edit.afterExtra, i)))
            return false;
    }
    return box.removeFrom(edit.slot, edit.before, edit.beforeExtra);
}

bool redoAppend(Box& box, const BoxEdit& edit) {
    if (box.count() != edit.slot || kBoxCapacity - box.count() < static_cast<int>(edit.after.size()))
        return false;
    for (std::size_t i = 0; i < edit.after.size(); ++i)
        box.add(edit.after[i], extraAt(edit.afterExtra, i));
    return true;
}

} // namespace

std::optional<BoxEdit> applyDelete(Box& box, int slot) {
    if (!box.inUse(slot))
        return std::nullopt;
    BoxEdit edit{BoxEdit::Kind::Delete, slot, -1, {box.entry(slot)}, {}, {box.extra(slot)}, {}};
    box.deleteEntry(slot);
    return edit;
}

std::optional<BoxEdit> applyMove(Box& box, int from, int to) {
    if (!box.moveEntry(from, to))
        return std::nullopt;
    return BoxEdit{BoxEdit::Kind::Move, from, to, {}, {}};
}

StoreEdit applyStore(Box& box, int slot, const BoxEntry& entry) {
    return applyStore(box, slot, entry, box.inUse(slot) ? box.extra(slot) : EntryExtra{});
}

StoreEdit applyStore(Box& box, int slot, const BoxEntry& entry, const EntryExtra& extra) {
    if (box.inUse(slot)) {
        const BoxEntry before = box.entry(slot);
        const EntryExtra beforeExtra = box.extra(slot);
        const StoreResult result = box.replace(slot, entry, extra);
        if (!result.ok())
            return {result, std::nullopt};
        return {result, BoxEdit{BoxEdit::Kind::Replace, slot, -1, {before}, {entry}, {beforeExtra}, {box.extra(slot)}}};
    }
    const BoxEntry former = box.entry(box.count());
    const EntryExtra formerExtra = box.extra(box.count());
    const StoreResult result = box.add(entry, extra);
    if (!result.ok())
        return {result, std::nullopt};
    return {
        result,
        BoxEdit{BoxEdit::Kind::Append, result.slot, -1, {former}, {entry}, {formerExtra}, {box.extra(result.slot)}}};
}

std::optional<BoxEdit> recordAppend(const Box& before, const Box& after) {
    const int first = before.count();
    if (after.count() <= first)
        return std::nullopt;
    const auto run = [first, last = after.count()](const auto& slots) {
        using Item = typename std::decay_t<decltype(slots)>::value_type;
        return std::vector<Item>(slots.begin() + first, slots.begin() + last);
    };
    return BoxEdit{BoxEdit::Kind::Append, first, -1, run(before.slots()), run(after.slots()), run(before.extras()),
                   run(after.extras())};
}

bool undoEdit(Box& box, const BoxEdit& edit) {
    switch (edit.kind) {
    case BoxEdit::Kind::Delete:
        return edit.before.size() == 1 && box.insertEntry(edit.slot, edit.before[0], extraAt(edit.beforeExtra, 0));
    case BoxEdit::Kind::Move:
        return box.moveEntry(edit.to, edit.slot);
    case BoxEdit::Kind::Replace:
        return edit.before.size() == 1 && edit.after.size() == 1 && holdsAfter(box, edit) &&
               box.replace(edit.slot, edit.before[0], extraAt(edit.beforeExtra, 0)).ok();
    case BoxEdit::Kind::Append:
        return edit.before.size() == edit.after.size() && undoAppend(box, edit);
    }
    return false;
}

bool redoEdit(Box& box, const BoxEdit& edit) {
    switch (edit.kind) {
    case BoxEdit::Kind::Delete:
        return edit.before.size() == 1 && holdsBefore(box, edit) && box.deleteEntry(edit.slot);
    case BoxEdit::Kind::Replace:
        return edit.before.size() == 1 && edit.after.size() == 1 && holdsBefore(box, edit) &&
               box.replace(edit.slot, edit.after[0], extraAt(edit.afterExtra, 0)).ok();
    case BoxEdit::Kind::Move:
        return box.moveEntry(edit.slot, edit.to);
    case BoxEdit::Kind::Append:
        return edit.before.size() == edit.after.size() && redoAppend(box, edit);
    }
    return false;
}

} // namespace rusrina
