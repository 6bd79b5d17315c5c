#pragma once
// A box entry as the edit form holds it, and the way between the two in both directions: what the
// form registers, what it refuses, and what it writes back as stored. The edit window and the team
// text reader both build entries through it, so a set read from text obeys the form's rules.

#include "box/box_entry.h"
#include "box/entry_extra.h"
#include "data/moves.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rusrina {

// The EVs an entry holds together at the most.
inline constexpr int kMaxEvTotal = 510;
// The name field holds what fits the entry's name slot beside its terminator.
inline constexpr int kNameFieldBytes = kBoxNameBytes - 1;

// The name as the field may hold it: cut so that its Shift-JIS form fits kNameFieldBytes without
// splitting a character.
std::string fitEntryNameText(std::string_view utf8);

// The characters of a name that cannot be stored as they read: those Shift-JIS cannot hold (they
// would turn into "?") and control characters (a pasted line break or tab), each once, in the
// order they first appear, as the refusal names them: the character itself, or "改行", "タブ",
// "U+001B" for the control characters. Empty when the whole name can be stored.
std::vector<std::string> unstorableNameCharacters(std::string_view utf8);

// The form's values once every field has passed its check.
struct EntryForm {
    // The entry the form was filled from, if any. What the user leaves as that entry showed it is
    // written back as stored: name bytes the field cannot show exactly, and stats that do not
    // follow from the IVs and EVs (an ability or move outside the lists is a row of its own).
    std::optional<BoxEntry> stored;
    std::string name; // UTF-8
    int species = 0;
    int level = 1;
    int nature = 0;
    int ability = 0;
    int item = 0; // the damage-item row
    // The held item when it is more than the row says (たべのこし in row 0, シルクのスカーフ in row 1);
    // kItemOfRecord when the row alone names it. setFormHeldItem keeps the two together.
    int heldItem = kItemOfRecord;
    Gender gender = Gender::Unknown;
    int happiness = kDefaultHappiness;
    bool shiny = false;
    int form = 0; // a kept form of the species (EntryExtra::form)
    bool statsDirect = false;
    std::array<int, 6> iv{};
    std::array<int, 6> ev{};
    std::array<int, 6> stat{5, 5, 5, 5, 5, 5};
    std::array<int, 4> move{NO_MOVE, NO_MOVE, NO_MOVE, NO_MOVE};
};

enum class Refusal { None, EmptyName, UnstorableName, TooManyEvs };
// Why the form cannot be registered as it is. A name that is still the stored entry's is written
// back as its stored bytes, so only a name the user typed is checked for unstorable characters.
// The EV total counts only when the stats are computed from IVs and EVs.
Refusal registrationRefusal(const EntryForm& form);

// The stats registration stores: computed from the IVs and EVs, or as typed; ヌケニン's HP is 1
// either way. While species, level, nature, mode, IVs, EVs and stats are still the stored entry's,
// its stats as stored.
std::array<int, 6> statsToStore(const EntryForm& form);

// The box entry the form registers, with statsToStore's stats. A name that is still the stored
// entry's (see keepsStoredName) is written as the stored bytes, the field's padding included, so
// that entryFromForm(formFromEntry(e)) is e, byte for byte.
BoxEntry entryFromForm(const EntryForm& form);

// What the box keeps beside the record entryFromForm(form) gives.
EntryExtra extraFromForm(const EntryForm& form);

// The form showing a stored entry: every field as stored, the name as text, and what the box keeps
// beside the record.
EntryForm formFromEntry(const BoxEntry& entry, const EntryExtra& extra = {});

// Sets the form's item to a held item of the full table: its damage-item row and the item itself.
void setFormHeldItem(EntryForm& form, int heldItem);

// Whether `name` (the name field's text) is the text the stored entry's name shows as; it then
// stands for the stored bytes. False without a stored entry.
bool keepsStoredName(std::string_view name, const std::optional<BoxEntry>& stored);
// Whether the name field marks its text as the stored value: it stands for stored bytes that its text cannot
// show exactly (bytes that are not Shift-JIS, or that their text does not give back). Typing a new
// name replaces them.
bool marksStoredName(std::string_view name, const std::optional<BoxEntry>& stored);

} // namespace rusrina
