#pragma once
// Box entries as team text, the plain text in which players keep and share their creatures:
//
//   Nickname (Garchomp) @ Choice Band
//   Ability: Sand Veil
//   Level: 50
//   EVs: 252 Atk / 4 SpD / 252 Spe
//   Jolly Nature
//   IVs: 30 SpA
//   - Earthquake
//
// The writer writes one such block per entry, in English or with Japanese names. The reader takes
// either, leniently: keys in any order, lines it has no use for skipped, names matched as
// text::foldName folds them. What an entry cannot hold is reported per set as a warning with its
// line number; a set that cannot be read at all fails alone, with the line that stopped it.

#include "box/box_entry.h"
#include "box/entry_extra.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace rusrina {

enum class SetTextLanguage { English, Japanese };

// One block, lines ended by "\n". An entry whose stats were typed in directly gets no IV or EV
// line but a comment line with its stats ("# Stats: 183 HP / 147 Atk / ..."), which the reader
// takes back. The extra gives the full held item, gender, happiness and shiny; without it the
// item is the one the record's row stands for. "各種タイプ補正" without its item is a comment line
// ("# Item: 各種タイプ補正") that the reader takes back.
std::string writeSetText(const BoxEntry& entry, SetTextLanguage language);
std::string writeSetText(const BoxEntry& entry, const EntryExtra& extra, SetTextLanguage language);
// The blocks one after another, a blank line between two; `extras` is empty or one per entry.
std::string writeSetTexts(std::span<const BoxEntry> entries, SetTextLanguage language);
std::string writeSetTexts(std::span<const BoxEntry> entries, std::span<const EntryExtra> extras,
                          SetTextLanguage language);

struct SetTextNote {
    int line = 0; // 1-based line of the text the note is about
    std::string text;
    bool operator==(const SetTextNote&) const = default;
};

struct ParsedSet {
    int firstLine = 0;             // the species line
    std::optional<BoxEntry> entry; // absent when the set failed
    EntryExtra extra;              // what the box keeps beside the entry's record
    std::vector<SetTextNote> warnings;
    std::optional<SetTextNote> failure;
    // What the reader filled in or read otherwise than written, with nothing lost: a form with its
    // base form's stats read as that form, the IVs of a hidden-power type, a move had only outside
    // the four editions.
    std::vector<SetTextNote> notes = {};
    bool ok() const { return entry.has_value(); }
};

// Every set of the text in order. The text is UTF-8 (a leading byte-order mark is skipped),
// UTF-16 with its byte-order mark, or Shift-JIS (text that is not UTF-8 but is Shift-JIS); lines
// end in LF, CR LF or CR alone. Stats are computed as the edit form computes them when it
// registers.
std::vector<ParsedSet> readSetText(std::string_view text);

// Whether the text holds at least one set that reads, so that a clipboard worth offering is told
// from any other text.
bool looksLikeSetText(std::string_view text);

// "12 行目: <text>".
std::string noteLineText(const SetTextNote& note);

} // namespace rusrina
