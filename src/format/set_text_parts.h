#pragma once
// The pieces of the team-text reader that stand apart from reading one set: the text's encoding
// and line ends, what a move of a species is worth a remark, the names offered for one that names
// nothing, and how a message quotes what was written.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace rusrina {

// --- The words of a line

// Without blanks (ASCII and ideographic spaces, tabs, CR) at either end.
std::string_view trim(std::string_view s);
// Whether `text` ends with `suffix`, ASCII letters compared without case.
bool endsWithNoCase(std::string_view text, std::string_view suffix);
// A whole decimal number, blanks around it allowed.
std::optional<int> parseNumber(std::string_view s);
// "key: value" (the colon also full-width); nullopt for a line without one.
std::optional<std::pair<std::string_view, std::string_view>> splitKey(std::string_view line);

enum class Key { Ability, Level, Evs, Ivs, Nature, Shiny, Happiness, Gender, Skipped, Unknown };
// The key of a "key: value" line, in English or Japanese.
Key keyOf(std::string_view key);

using StatValues = std::array<std::optional<int>, 6>;
// "252 Atk / 4 SpD / 252 Spe" (the number may also follow the stat); nullopt when a part is not a
// number and a stat, or names a stat twice.
std::optional<StatValues> parseStatList(std::string_view list);

// --- Around the sets

// The text as UTF-8 with "\n" line ends, whatever encoding (UTF-8 with or without a byte-order
// mark, UTF-16 with one, Shift-JIS) and line ends it came in.
std::string decodeSetTextInput(std::string_view text);

// What the reader says about a move a species is given: nothing when the four editions teach it
// (their learnset tables, a form change, スケッチ); a warning when no game of the 4th or 5th
// generation does; a note naming the source outside the four editions that gives it (a
// distribution, a later edition's tutor, the Dream World, a pre-evolution), which a player must
// have used.
struct MoveRemark {
    enum class Kind { None, Warning, Note };
    Kind kind = Kind::None;
    std::string text;
};
MoveRemark moveRemark(int species, int move);

// The kinds of names a typed name is matched against when it names nothing.
enum class NameKind { Species, Move, Ability, HeldItem };
// "。もしかして：ピカチュウ" when the typed name lies a slip of the fingers from names of that kind,
// else nothing.
std::string nearestNamesText(NameKind kind, std::string_view typed);

// What a message quotes of a text: at most kQuotedCharacters characters, "…" after a longer one.
inline constexpr std::size_t kQuotedCharacters = 80;
std::string clippedText(std::string_view text);
// 「text」, clipped.
std::string quotedText(std::string_view text);

} // namespace rusrina
