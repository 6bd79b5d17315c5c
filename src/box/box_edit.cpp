#include "box/box_edit.h"

#include <algorithm>
#include <cstring>

namespace rusrina {
namespace {

bool sameBytes(const BoxEntry& a, const BoxEntry& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Whether `entry` is in `slot` now, byte for byte.
bool holds(const Box& box, int slot, const BoxEntry& entry) {
    return box.inUse(slot) && sameBytes(box.entry(slot), entry);
}

BoxEdit replaceEdit(int slot, const BoxEntry& before, const BoxEntry& after) {
    return {BoxEdit::Kind::Replace, slot, -1, {before}, {after}};
}

bool undoAppend(Box& box, const BoxEdit& edit) {
    if (box.count() != edit.slot + static_cast<int>(edit.after.size()))
        return false;
    for (std::size_t i = 0; i < edit.after.size(); ++i) {
        if (!holds(box, edit.slot + static_cast<int>(i), edit.after[i]))
            return false;
    }
    return box.removeFrom(edit.slot, edit.before);
}

bool redoAppend(Box& box, const BoxEdit& edit) {
    if (box.count() != edit.slot || kBoxCapacity - box.count() < static_cast<int>(edit.after.size()))
        return false;
    for (const BoxEntry& entry : edit.after)
        box.add(entry);
    return true;
}

} // namespace

std::optional<BoxEdit> applyDelete(Box& box, int slot) {
    if (!box.inUse(slot))
        return std::nullopt;
    BoxEdit edit{BoxEdit::Kind::Delete, slot, -1, {box.entry(slot)}, {}};
    box.deleteEntry(slot);
    return edit;
}

std::optional<BoxEdit> applyMove(Box& box, int from, int to) {
    if (!box.moveEntry(from, to))
        return std::nullopt;
    return BoxEdit{BoxEdit::Kind::Move, from, to, {}, {}};
}

StoreEdit applyStore(Box& box, int slot, const BoxEntry& entry) {
    if (box.inUse(slot)) {
        const BoxEntry before = box.entry(slot);
        const StoreResult result = box.replace(slot, entry);
        if (!result.ok())
            return {result, std::nullopt};
        return {result, replaceEdit(slot, before, entry)};
    }
    const BoxEntry former = box.entry(box.count());
    const StoreResult result = box.add(entry);
    if (!result.ok())
        return {result, std::nullopt};
    return {result, BoxEdit{BoxEdit::Kind::Append, result.slot, -1, {former}, {entry}}};
}

std::optional<BoxEdit> recordAppend(const Box& before, const Box& after) {
    const int first = before.count();
    if (after.count() <= first)
        return std::nullopt;
    const auto& was = before.slots();
    const auto& now = after.slots();
    return BoxEdit{BoxEdit::Kind::Append,
                   first,
                   -1,
                   {was.begin() + first, was.begin() + after.count()},
                   {now.begin() + first, now.begin() + after.count()}};
}

bool undoEdit(Box& box, const BoxEdit& edit) {
    switch (edit.kind) {
    case BoxEdit::Kind::Delete:
        return edit.before.size() == 1 && box.insertEntry(edit.slot, edit.before[0]);
    case BoxEdit::Kind::Move:
        return box.moveEntry(edit.to, edit.slot);
    case BoxEdit::Kind::Replace:
        return edit.before.size() == 1 && edit.after.size() == 1 && holds(box, edit.slot, edit.after[0]) &&
               box.replace(edit.slot, edit.before[0]).ok();
    case BoxEdit::Kind::Append:
        return edit.before.size() == edit.after.size() && undoAppend(box, edit);
    }
    return false;
}

bool redoEdit(Box& box, const BoxEdit& edit) {
    switch (edit.kind) {
    case BoxEdit::Kind::Delete:
        return edit.before.size() == 1 && holds(box, edit.slot, edit.before[0]) && box.deleteEntry(edit.slot);
    case BoxEdit::Kind::Move:
        return box.moveEntry(edit.slot, edit.to);
    case BoxEdit::Kind::Replace:
        return edit.before.size() == 1 && edit.after.size() == 1 && holds(box, edit.slot, edit.before[0]) &&
               box.replace(edit.slot, edit.after[0]).ok();
    case BoxEdit::Kind::Append:
        return edit.before.size() == edit.after.size() && redoAppend(box, edit);
    }
    return false;
}

} // namespace rusrina
