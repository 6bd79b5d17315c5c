#pragma once
// The HP values players tune to: an HP of the form a·n + b makes some fraction of it lose or
// heal the least or the most (16n−1: the weather and どく's 1/16 rounds down as far as it can; 16n:
// たべのこし heals its full 1/16 …). Each mark with the one word the players use for what it is for.

#include "text/ui_text.h"

#include <array>
#include <string>

namespace rusrina {

struct HpMark {
    int every;        // a
    int offset;       // b, −1 … +1
    const char* name; // "16n−1"
    const char* use;  // "天候・どく"; text::uiText("HpMarks", use) in the display language
};

inline constexpr std::array<HpMark, 8> kHpMarks{{
    {16, -1, "16n−1", UI_TEXT_NOOP("HpMarks", "天候・どく")},
    {16, 0, "16n", UI_TEXT_NOOP("HpMarks", "たべのこし")},
    {10, -1, "10n−1", UI_TEXT_NOOP("HpMarks", "いのちのたま")},
    {8, -1, "8n−1", UI_TEXT_NOOP("HpMarks", "ステロ・やどりぎ")},
    {6, -1, "6n−1", UI_TEXT_NOOP("HpMarks", "まきびし2")},
    {4, 0, "4n", UI_TEXT_NOOP("HpMarks", "ピンチきのみ")},
    {4, 1, "4n+1", UI_TEXT_NOOP("HpMarks", "みがわり")},
    {2, 1, "2n+1", UI_TEXT_NOOP("HpMarks", "はらだいこ")},
}};

// Whether `hp` is of the mark's form (n ≥ 1).
bool meetsHpMark(int hp, const HpMark& mark);

// The marks `hp` meets, with their words: "16n−1（天候・どく）・8n−1（ステロ・やどりぎ）"; empty for none.
std::string hpMarksText(int hp);
// The same, the names alone: "16n−1・8n−1".
std::string hpMarkNames(int hp);

} // namespace rusrina
