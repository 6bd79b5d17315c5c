#pragma once
// What the box entry edit form offers and says, apart from the widgets: the contents of its
// choosers, the nature-and-EV presets, the field checks and the texts of its refusals and its
// question. The form's record and the way between it and a box entry are format/entry_form.h.

#include "box/box_entry.h"
#include "data/moves.h"
#include "format/entry_form.h"
#include "text/ui_text.h"
#include "view/common/list_choice.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rusrina {

// --- Choosers -------------------------------------------------------------------------------

// The texts kept here are looked up with uiText("EntryEdit", …) where they are shown.
inline constexpr const char* kNoChoiceText = UI_TEXT_NOOP("EntryEdit", " 無指定");

// Marks a chooser row, or the name field, that holds a stored entry's value as it was stored: an
// ability or move outside the form's lists, or a name the field cannot show exactly.
inline constexpr const char* kStoredValueMark = UI_TEXT_NOOP("EntryEdit", "（登録値）");

inline constexpr int kLevelCount = 100;
inline constexpr int kGildaLevel = 50;
inline constexpr int kRaffineLevel = 30;

// " 無指定" (0), then every real type with value type + 1 (the placeholder type is left out).
std::vector<ListChoice> typeFilterChoices();
// The type filter value that shows a stored move: 0 for NO_MOVE (or a move outside the table),
// else the move's type + 1.
int typeFilterForMove(int move);

// The species the battle rule admits, in table order, named from the species table.
std::vector<ListChoice> speciesChoices(int rule);
// The level a change to `rule` leaves: the arenas with a fixed level set it, other rules keep
// `level`.
int levelForRule(int rule, int level);
// The rule the form shows for a stored species: `rule` when it admits the species, else
// kRuleUnrestricted, which admits every species.
int ruleForSpecies(int rule, int species);

// The species' first ability and, when it has one, its second. A stored ability (-1 for none)
// that is neither follows them, marked kStoredValueMark.
std::vector<ListChoice> abilityChoices(int species, int storedAbility = -1);

// The held-item chooser: every row of the damage item table, its empty last row included.
std::vector<ListChoice> itemChoices();

// The held-item chooser with every held item: the rows of itemChoices() first, in their positions
// (value = row), then kItemSeparatorText (kItemSeparatorValue), then every held item of the 4th and
// 5th generations that no row names alone, in the held-item table's order (value =
// kHeldItemChoiceBase + the item's index), so typing finds たべのこし as it finds a row.
inline constexpr const char* kItemSeparatorText = UI_TEXT_NOOP("EntryEdit", "― そのほかの持ち物 ―");
inline constexpr int kItemSeparatorValue = -1;
std::vector<ListChoice> heldItemChoices();
// The chooser value that shows the form's item.
int heldItemChoiceValue(const EntryForm& form);
// The form's item for a chosen value: a row, or a held item with the row standing for it; the
// separator and values outside the list change nothing.
void applyHeldItemChoice(EntryForm& form, int value);

// The gender chooser: "－" (unknown, the default), then of "♂" and "♀" those the species can be
// (neither for a genderless one), and the stored gender whatever it is, so that it is kept; value = Gender.
std::vector<ListChoice> genderChoices(int species, Gender stored = Gender::Unknown);

// The move chooser of one slot. `typeFilter` is a type filter value (0 = any type). " 無指定"
// (NO_MOVE) first, then every move of the table the species can learn, of the filter's type, in
// table order; for species before kOpTutorSpeciesLimit the tutor separator (NO_MOVE) and the Op
// tutor moves of the filter's type, each as "―" + name, whether learnable or not.
std::vector<ListChoice> moveChoices(int species, int typeFilter);
// A slot's move list for `typeFilter`, and the stored move of the slot (NO_MOVE for none) last,
// marked kStoredValueMark, when it is of the filter's type and no row offers it.
std::vector<ListChoice> withStoredMove(std::vector<ListChoice> moves, int typeFilter, int storedMove);

// The five info cells of a move slot: power, accuracy, PP, category and target; " - " each for
// NO_MOVE.
std::array<std::string, 5> moveInfoTexts(int move);

// The position in `choices` of the row whose text is exactly `text`, or -1.
int findChoiceText(const std::vector<ListChoice>& choices, std::string_view text);

// --- Presets --------------------------------------------------------------------------------

struct NaturePreset {
    const char* text;
    int nature;             // -1 for the first row, which changes nothing
    std::array<int, 6> evs; // stat order
};
inline constexpr int kNaturePresetCount = 13;
const std::array<NaturePreset, kNaturePresetCount>& naturePresets();

inline constexpr int kSixVIv = 31;

// --- Field checks ---------------------------------------------------------------------------

struct FieldRange {
    int min;
    int max;
};
inline constexpr FieldRange kIvRange{0, kEntryMaxIv};
inline constexpr FieldRange kEvRange{0, kEntryMaxEv};
inline constexpr FieldRange kStatRange{kEntryMinStat, kEntryMaxStat};
inline constexpr FieldRange kHappinessRange{0, 255}; // the "なつき度" field

enum class FieldStatus { Ok, NotInteger, OutOfRange };
struct FieldCheck {
    FieldStatus status;
    int value; // the value read when status is Ok
    bool ok() const { return status == FieldStatus::Ok; }
};

// Reads a field as a decimal integer (blanks around it and a sign allowed) within `range`. Digits,
// signs and blanks typed full-width read as their ASCII forms.
FieldCheck checkIntField(std::string_view text, FieldRange range);
// The message a failed field check shows (UTF-8); empty for Ok.
std::string fieldCheckMessage(FieldStatus status, FieldRange range);

// What the edit form says when it cut a name to fit.
inline constexpr const char* kNameCutText = UI_TEXT_NOOP("EntryEdit", "名前は 31 バイト（全角 15 文字）までです");

// --- Figures that follow the fields -----------------------------------------------------------

// The stats row while the stats are computed from IVs and EVs: each stat whose IV and EV fields
// pass their checks, computed for the species, level and nature; "－" for one whose fields do not.
std::array<std::string, 6> computedStatTexts(int species, int level, int nature,
                                             const std::array<std::string, 6>& ivTexts,
                                             const std::array<std::string, 6>& evTexts);

// What is left of kMaxEvTotal after the EV fields that pass their check; negative over the limit.
int evsLeft(const std::array<std::string, 6>& evTexts);
// "残り 12".
std::string evsLeftText(int left);

// --- Registration ---------------------------------------------------------------------------

struct MessageText {
    const char* title;
    const char* text;
};
MessageText refusalMessage(Refusal refusal);
// The refusal's message text: refusalMessage's, naming the characters for UnstorableName.
std::string refusalText(Refusal refusal, const EntryForm& form);

inline constexpr const char* kConfirmTitle = UI_TEXT_NOOP("EntryEdit", "パラメータ確認");
// The confirmation asked before computed stats are stored ("\n" between its two lines).
std::string confirmationText(const std::array<int, 6>& stats);

} // namespace rusrina
