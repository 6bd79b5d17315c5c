#include "view/box/box_list.h"

#include <algorithm>
#include <cstdint>

namespace rusrina {
namespace {

ListOperationResult moved(int from, int to) {
    return {true, std::min(from, to), std::max(from, to), to};
}

ListOperationResult unchanged(int selectedRow) {
    return {false, -1, -1, selectedRow};
}

// Where a move operation takes the entry in `slot`; a target outside the box refuses the move.
int moveTarget(ListOperation operation, int slot, int last) {
    switch (operation) {
    case ListOperation::MoveUp:
        return slot - 1;
    case ListOperation::MoveDown:
        return slot + 1;
    case ListOperation::MoveToTop:
        return 0;
    case ListOperation::MoveToBottom:
        return last;
    default:
        return slot;
    }
}

// The row an edit step leaves selected in the box as the step left it.
int selectedAfterStep(const BoxEdit& edit, bool undone, const Box& box) {
    switch (edit.kind) {
    case BoxEdit::Kind::Delete:
        return box.inUse(edit.slot) ? edit.slot : -1;
    case BoxEdit::Kind::Move:
        return undone ? edit.slot : edit.to;
    case BoxEdit::Kind::Replace:
        return edit.slot;
    case BoxEdit::Kind::Append:
        return undone ? edit.slot - 1 : edit.slot;
    }
    return -1;
}

} // namespace

ListOperationResult applyListOperation(Box& box, ListOperation operation, int selectedRow) {
    if (!box.inUse(selectedRow))
        return unchanged(-1);
    if (operation == ListOperation::Delete) {
        std::optional<BoxEdit> edit = applyDelete(box, selectedRow);
        if (!edit)
            return unchanged(selectedRow);
        return {true, selectedRow, selectedRow, box.inUse(selectedRow) ? selectedRow : -1, std::move(edit)};
    }
    const int target = moveTarget(operation, selectedRow, box.count() - 1);
    std::optional<BoxEdit> edit = applyMove(box, selectedRow, target);
    if (!edit)
        return unchanged(selectedRow);
    ListOperationResult result = moved(selectedRow, target);
    result.edit = std::move(edit);
    return result;
}

ListOperationResult applyListOperation(Box& box, ListOperation operation, BoxListState& state, PairOnMove pair) {
    const ListOperationResult result = applyListOperation(box, operation, state.selected);
    const auto side = [&](int slot) {
        if (pair == PairOnMove::Clear)
            return -1;
        return result.edit ? slotAfterEdit(slot, *result.edit) : slot;
    };
    state = {result.selectRow, side(state.attacker), side(state.defender), state.editingExisting && !result.changed};
    return result;
}

int slotAfterEdit(int slot, const BoxEdit& edit) {
    if (slot < 0)
        return -1;
    switch (edit.kind) {
    case BoxEdit::Kind::Delete:
        return slot == edit.slot ? -1 : slot > edit.slot ? slot - 1 : slot;
    case BoxEdit::Kind::Move:
        if (slot == edit.slot)
            return edit.to;
        if (edit.slot < edit.to && slot > edit.slot && slot <= edit.to)
            return slot - 1; // the entries between moved up behind it
        if (edit.to < edit.slot && slot >= edit.to && slot < edit.slot)
            return slot + 1;
        return slot;
    case BoxEdit::Kind::Replace:
    case BoxEdit::Kind::Append:
        return slot;
    }
    return slot;
}

namespace {

// FNV-1a over the name's stored bytes, kept to 31 bits so that it fits a setting.
int nameCheckOf(const BoxEntry& entry) {
    std::uint32_t hash = 2166136261u;
    for (const char byte : entryName(entry)) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 16777619u;
    }
    return static_cast<int>(hash & 0x7fffffffu);
}

} // namespace

RememberedSide rememberSide(const Box& box, int slot) {
    if (!box.inUse(slot))
        return {};
    return {slot, nameCheckOf(box.entry(slot)), box.entry(slot).species};
}

int recallSide(const Box& box, const RememberedSide& side) {
    if (!box.inUse(side.slot))
        return -1;
    return rememberSide(box, side.slot) == side ? side.slot : -1;
}

BoxListState stateAfterEditStep(const BoxListState& state, const BoxEdit& edit, bool undone, const Box& box) {
    const bool slotsMoved = edit.kind == BoxEdit::Kind::Delete || edit.kind == BoxEdit::Kind::Move;
    const auto side = [&](int slot) { return !slotsMoved && box.inUse(slot) ? slot : -1; };
    return {selectedAfterStep(edit, undone, box), side(state.attacker), side(state.defender), false};
}

BoxListState stateAfterRegistration(const BoxListState& state, int slot) {
    return {slot, state.attacker, state.defender, state.editingExisting};
}

} // namespace rusrina
