#pragma once
// The box list's operations as the box and damage window offers them: which rows they rewrite and
// which row is selected afterwards.

#include "box/box.h"
#include "box/box_edit.h"
#include "text/ui_text.h"

#include <optional>

namespace rusrina {

enum class ListOperation { MoveUp, MoveDown, MoveToTop, MoveToBottom, Delete };

struct ListOperationResult {
    bool changed = false; // the box changed
    int firstRow = -1;    // rows whose texts changed (moves), or the row removed (Delete); -1 when none
    int lastRow = -1;
    int selectRow = -1;               // the row to select afterwards; -1 for none
    std::optional<BoxEdit> edit = {}; // the change, to be taken back; set when the box changed
};

// Applies the operation to the entry in `selectedRow` (-1: none selected). A request that cannot
// apply (no selection, the first entry moved up, the last moved down) changes nothing and keeps
// the selection where it was. A deleted row is followed by the entry that moved up into it; when
// the last row was deleted, nothing is selected.
ListOperationResult applyListOperation(Box& box, ListOperation operation, int selectedRow);

// What the window shows beside the list, by slot: the selected row and the attacker and defender
// (-1: none), and whether the edit form is open on an existing entry.
struct BoxListState {
    int selected = -1;
    int attacker = -1;
    int defender = -1;
    bool editingExisting = false;
    bool operator==(const BoxListState&) const = default;
};

// What becomes of the attacker and defender when the list operations move entries.
enum class PairOnMove {
    Clear,  // both sides are cleared, since their slots may have moved
    Follow, // each side follows its entry to its new slot; a deleted side is cleared
};

// Applies the operation to the selected entry and updates the state: the operation's row is
// selected; the sides are cleared (a refused request starts the calculation afresh as well) or,
// with PairOnMove::Follow, follow their entries; and once the box changed, an edit form open on an
// existing entry closes: it refers to its entry by slot, and registering it would overwrite
// another creature.
ListOperationResult applyListOperation(Box& box, ListOperation operation, BoxListState& state,
                                       PairOnMove pair = PairOnMove::Clear);

// The slot the entry that stood in `slot` holds after `edit` was made; -1 when the edit deleted
// it (or `slot` was -1). Replacements and appends move no entry.
int slotAfterEdit(int slot, const BoxEdit& edit);

// A side as the settings keep it between runs: its slot, a check of its name's stored bytes and
// its species. Recalled, it is that slot only while the entry there has the same name and species.
struct RememberedSide {
    int slot = -1;
    int nameCheck = 0;
    int species = 0;
    bool operator==(const RememberedSide&) const = default;
};
RememberedSide rememberSide(const Box& box, int slot);
int recallSide(const Box& box, const RememberedSide& side);

// The state after the edit form wrote `slot`: that row is selected, and the sides stay on their
// slots, to be shown again in case the entry written is one of them.
BoxListState stateAfterRegistration(const BoxListState& state, int slot);

// The state after `edit` was taken back (`undone`) or made again, leaving `box`. The row it touched is selected: a
// deleted entry back in its slot, a moved one where it now stands, a replaced one, the first of
// the entries appended again, or the last entry left when they are taken back. Where entries
// changed slots (a deletion or a move) both sides are cleared, as after the list operations;
// otherwise they stay on their slots while those are in use. An edit form open on an existing entry closes: it was
// filled from the box as it was, and refers to its entry by slot.
BoxListState stateAfterEditStep(const BoxListState& state, const BoxEdit& edit, bool undone, const Box& box);

// The question asked before the program ends while the box holds changes not yet saved.
// Looked up with uiText("BoxList", …) where they are shown.
inline constexpr const char* kUnsavedChangesTitle = UI_TEXT_NOOP("BoxList", "バントレボックス");
inline constexpr const char* kUnsavedChangesText =
    UI_TEXT_NOOP("BoxList", "ボックスに保存していない変更があります。保存しますか？");

// The file types of the box-file dialogs (import, 名前を付けて保存); "*" lists names without a dot.
inline constexpr const char* kBoxFileFilter = "VantreBoxData (*.vbd);;All Files (*)";
// The suffix those dialogs append to a name typed without one.
inline constexpr const char* kImportDefaultSuffix = "vbd";

} // namespace rusrina
