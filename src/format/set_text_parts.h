#pragma once
// The pieces of the team-text reader that stand apart from reading one set: the text's encoding
// and line ends, what a move of a species is worth a remark, the names offered for one that names
// nothing, and how a message quotes what was written.

#include <string>
#include <string_view>

namespace rusrina {

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
