#include "view/box_list.h"

#include <algorithm>

namespace rusrina {
namespace {

ListOperationResult moved(int from, int to) {
    return {true, std::min(from, to), std::max(from, to), to};
}

ListOperationResult unchanged(int selectedRow) {
    return {false, -1, -1, selectedRow};
}

} // namespace

ListOperationResult applyListOperation(Box& box, ListOperation operation, int selectedRow) {
    if (!box.inUse(selectedRow))
        return unchanged(-1);
    const int last = box.count() - 1;
    switch (operation) {
    case ListOperation::MoveUp:
        return box.moveUp(selectedRow) ? moved(selectedRow, selectedRow - 1) : unchanged(selectedRow);
    case ListOperation::MoveDown:
        return box.moveDown(selectedRow) ? moved(selectedRow, selectedRow + 1) : unchanged(selectedRow);
    case ListOperation::MoveToTop:
        return box.moveToTop(selectedRow) ? moved(selectedRow, 0) : unchanged(selectedRow);
    case ListOperation::MoveToBottom:
        return box.moveToBottom(selectedRow) ? moved(selectedRow, last) : unchanged(selectedRow);
    case ListOperation::Delete:
        if (!box.deleteEntry(selectedRow))
            return unchanged(selectedRow);
        return {true, selectedRow, selectedRow, box.inUse(selectedRow) ? selectedRow : -1};
    }
    return unchanged(selectedRow);
}

ListOperationResult applyListOperation(Box& box, ListOperation operation, BoxListState& state) {
    const ListOperationResult result = applyListOperation(box, operation, state.selected);
    state = {result.selectRow, -1, -1, state.editingExisting && !result.changed};
    return result;
}

BoxListState stateAfterRegistration(const BoxListState& state, int slot) {
    return {slot, state.attacker, state.defender, state.editingExisting};
}

} // namespace rusrina
