#pragma once
// The forms in which text typed or pasted by players is read: the same name written with other
// capitals, spaces, hyphens, apostrophes or full-width letters folds to the same text, and a number
// typed with a Japanese input method reads as the number.

#include <string>
#include <string_view>

namespace rusrina::text {

// Lower-case ASCII; full-width ASCII forms as their ASCII letters; spaces (also full-width),
// hyphens, apostrophes (also typographic), periods, colons and underscores dropped; ♀ and ♂ as
// "f" and "m", the way team text spells the two Nidoran ("Nidoran-F"). Everything else, Japanese
// included, is kept as it is. Malformed UTF-8 bytes are kept unchanged.
std::string foldName(std::string_view utf8);

// Full-width digits (「１２」), signs (＋, －, the minus sign −) and blanks (the ideographic space)
// as their ASCII forms; everything else is kept as it is.
std::string foldNumberText(std::string_view utf8);

// The form in which typed text finds a name in a list: foldName's, with katakana as hiragana and
// half-width katakana as full-width (a following voiced or semi-voiced mark joined to its kana),
// so that "ジシン", "じしん" and "ｼﾞｼﾝ" all find じしん, and "ＥＡＲＴＨ" finds "Earthquake".
std::string foldForFind(std::string_view utf8);

// The key a list sorts names by, compared byte by byte: the Shift-JIS bytes in Japanese, the order
// of the games' own lists; in English the text with capitals as small letters, so that names sort
// alphabetically ("Mr. Mime" before "Mudkip", "Porygon-Z" beside "Porygon2").
std::string nameSortKey(std::string_view utf8);

} // namespace rusrina::text
