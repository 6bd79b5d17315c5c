#pragma once
// The box list's operations as the box and damage window offers them: which rows they rewrite and
// which row is selected afterwards.

#include "box/box.h"

namespace rusrina {

enum class ListOperation { MoveUp, MoveDown, MoveToTop, MoveToBottom, Delete };

struct ListOperationResult {
    bool changed = false; // the box changed
    int firstRow = -1;    // rows whose texts changed (moves), or the row removed (Delete); -1 when none
    int lastRow = -1;
    int selectRow = -1; // the row to select afterwards; -1 for none
};

// Applies the operation to the entry in `selectedRow` (-1: none selected). A request that cannot
// apply (no selection, the first entry moved up, the last moved down) changes nothing and keeps
// the selection where it was. A deleted row is followed by the entry that moved up into it; when
// the last row was deleted, nothing is selected.
ListOperationResult applyListOperation(Box& box, ListOperation operation, int selectedRow);

// The question asked before the program ends while the box holds changes not yet saved.
inline constexpr const char* kUnsavedChangesTitle = "バントレボックス";
inline constexpr const char* kUnsavedChangesText = "ボックスに保存していない変更があります。保存しますか？";

// The file types of the box-file dialogs (import, 名前を付けて保存); "*" lists names without a dot.
inline constexpr const char* kBoxFileFilter = "VantreBoxData (*.vbd);;All Files (*)";
// The suffix those dialogs append to a name typed without one.
inline constexpr const char* kImportDefaultSuffix = "vbd";

} // namespace rusrina
