#pragma once
// Adding the sets of a team text to the box, and what the import shows before and after it.

#include "box/box.h"
#include "format/set_text.h"

#include <span>
#include <string>
#include <vector>

namespace rusrina {

struct SetAppendResult {
    int firstSlot = 0; // the added entries fill the slots from here on, in text order
    int added = 0;
    int noRoom = 0; // sets that read but found the box full
    int failed = 0; // sets that could not be read
};

// Appends the entries of the sets that read after the last entry, each with its extra, in text
// order, until the box is full. The added entries are one run of slots, so removing that run undoes the whole import.
SetAppendResult appendSets(Box& box, std::span<const ParsedSet> sets);

// "3 件追加しました。", then how many did not fit and how many could not be read.
std::string setAppendSummaryText(const SetAppendResult& result);

enum class PreviewKind { Entry, Warning, Failure, Note };
struct SetPreviewRow {
    PreviewKind kind;
    std::string text;
    bool operator==(const SetPreviewRow&) const = default;
};

// One row per set ("ガブ（ガブリアス） Lv50 ようき", or the failure with its line), each followed
// by its warnings, then its notes.
std::vector<SetPreviewRow> setPreviewRows(std::span<const ParsedSet> sets);

// "追加 3 件　読めない 1 件　警告 2 件": what "追加" would do with the sets.
std::string setPreviewSummaryText(std::span<const ParsedSet> sets);

} // namespace rusrina
