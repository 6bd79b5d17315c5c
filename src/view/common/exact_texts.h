#pragma once
// The texts of an exact hit wherever a window shows one (the box rows, the matrix, the spread
// finder), and the number formats of the exact log.

#include "calc/exact/exact_rolls.h"
#include "calc/exact/exact_turn_end.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace rusrina {

std::string exactDamageText(const ExactRolls& rolls); // "－", "無効", "使用不可", "40" or "120 ～ 142"
std::string hpShareText(const ExactRolls& rolls);     // "－", "無効" or "48.2％ ～ 56.9％"
std::string koText(const ExactRolls& rolls, const KoChance& ko); // "確定2発", "乱数2発 (43.8％)"
// A chance as the verdict shows it, "43.8％": a chance that is neither none nor certain shows as at
// least 0.1％ and at most 99.9％.
std::string koChanceText(double chance);
// "43.8％" from "43.8", in the chosen language.
std::string percentText(std::string_view number);
// "確定2発", "乱数2発 (43.8％)" from the number of hits and the chance's text.
std::string certainKoText(int hits);
std::string possibleKoText(int hits, std::string_view chance);
// The hazards and the end of turn: "ステルスロック", "たべのこし" …; what a plan counted, "ステルスロック・
// たべのこし" (empty for an empty plan), with the misses and critical hits when they were counted
// ("ステルスロック・命中・急所"); the verdict with it, "ステルスロック・たべのこし込みで 乱数2発 (43.8％)".
std::string turnEndName(TurnEndKind kind);
std::string turnEndCounted(const TurnEndPlan& plan, bool hitChances = false);
std::string koTextWithTurnEnd(const ExactRolls& rolls, const KoChance& ko, const TurnEndPlan& plan,
                              bool hitChances = false);

// num/den with `places` decimals, ties to even as printf rounds them ("%1.2f" of 3/8 is "0.38").
std::string decimalText(int64_t num, int64_t den, int places);
// num/den with the decimals it needs, at most three ("1.5", "2", "0.125").
std::string shortDecimalText(int64_t num, int64_t den);

} // namespace rusrina
