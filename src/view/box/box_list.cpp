#include "view/box/box_list.h"

#include <algorithm>

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

ListOperationResult applyListOperation(Box& box, ListOperation operation, BoxListState& state) {
    const ListOperationResult result = applyListOperation(box, operation, state.selected);
    state = {result.selectRow, -1, -1, state.editingExisting && !result.changed};
    return result;
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
