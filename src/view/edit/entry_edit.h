#pragma once
// What the box entry edit form offers and checks, apart from the widgets: the contents of its
// choosers, the nature-and-EV presets, the field checks, the registration checks, and the way
// between a box entry and the form's fields in both directions.

#include "box/box_entry.h"
#include "data/moves.h"
#include "view/common/list_choice.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rusrina {

// --- Choosers -------------------------------------------------------------------------------

inline constexpr const char* kNoChoiceText = " 無指定";
inline constexpr const char* kTutorSeparatorText = "― Op 教え技 ―";
inline constexpr const char* kTutorPrefix = "―";
// Species from this index on never had the Op tutor, so their move lists carry no tutor rows.
inline constexpr int kOpTutorSpeciesLimit = 389;

// Marks a chooser row, or the name field, that holds a stored entry's value as it was stored: an
// ability or move outside the form's lists, or a name the field cannot show exactly.
inline constexpr const char* kStoredValueMark = "（登録値）";

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

// The nature chooser's text: the nature's label without its bracketed note.
std::string natureChoiceText(int nature);
// The held-item chooser: every row of the damage item table, its empty last row included.
std::vector<ListChoice> itemChoices();

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
inline constexpr int kMaxEvTotal = 510;
// The name field holds what fits the entry's name slot beside its terminator.
inline constexpr int kNameFieldBytes = kBoxNameBytes - 1;

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
inline constexpr const char* kNameCutText = "名前は 31 バイト（全角 15 文字）までです";

// The name as the field may hold it: cut so that its Shift-JIS form fits kNameFieldBytes without
// splitting a character.
std::string fitEntryNameText(std::string_view utf8);

// The characters of a name that cannot be stored as they read: those Shift-JIS cannot hold (they
// would turn into "?") and control characters (a pasted line break or tab), each once, in the
// order they first appear, as the refusal names them: the character itself, or "改行", "タブ",
// "U+001B" for the control characters. Empty when the whole name can be stored.
std::vector<std::string> unstorableNameCharacters(std::string_view utf8);

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
    int item = 0;
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

struct MessageText {
    const char* title;
    const char* text;
};
MessageText refusalMessage(Refusal refusal);
// The refusal's message text: refusalMessage's, naming the characters for UnstorableName.
std::string refusalText(Refusal refusal, const EntryForm& form);

// The stats registration stores: computed from the IVs and EVs, or as typed; ヌケニン's HP is 1
// either way. While species, level, nature, mode, IVs, EVs and stats are still the stored entry's,
// its stats as stored.
std::array<int, 6> statsToStore(const EntryForm& form);

inline constexpr const char* kConfirmTitle = "パラメータ確認";
// The confirmation asked before computed stats are stored ("\n" between its two lines).
std::string confirmationText(const std::array<int, 6>& stats);

// The box entry the form registers, with statsToStore's stats. A name that is still the stored
// entry's (see keepsStoredName) is written as the stored bytes, the field's padding included, so
// that entryFromForm(formFromEntry(e)) is e, byte for byte.
BoxEntry entryFromForm(const EntryForm& form);

// The form showing a stored entry: every field as stored, the name as text.
EntryForm formFromEntry(const BoxEntry& entry);

// Whether `name` (the name field's text) is the text the stored entry's name shows as; it then
// stands for the stored bytes. False without a stored entry.
bool keepsStoredName(std::string_view name, const std::optional<BoxEntry>& stored);
// Whether the name field shows kStoredValueMark: it stands for stored bytes that its text cannot
// show exactly (bytes that are not Shift-JIS, or that their text does not give back). Typing a new
// name replaces them.
bool marksStoredName(std::string_view name, const std::optional<BoxEntry>& stored);

} // namespace rusrina
