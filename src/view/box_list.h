#pragma once
// The box list's operations as the box and damage window offers them: which rows they rewrite and
// which row is selected afterwards. Also the import dialog's file filter in the form Qt takes.

#include "box/box.h"

#include <string>
#include <string_view>

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

// The import dialog's filter as shown ("Name (*.ext)|*.ext|…||") in Qt's form
// ("Name (*.ext);;…"). The patterns between the bars are the ones used, and "*.*" becomes "*" so
// that file names without a dot are listed as well.
std::string qtFileFilter(std::string_view barSeparated);

// The question asked before the program ends while the box holds changes not yet saved.
inline constexpr const char* kUnsavedChangesTitle = "バントレボックス";
inline constexpr const char* kUnsavedChangesText = "ボックスに保存していない変更があります。保存しますか？";

// The suffix the import dialog appends to a name typed without one.
inline constexpr const char* kImportDefaultSuffix = "vbd";

} // namespace rusrina
