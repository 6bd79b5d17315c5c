#pragma once
// Battle rules: which species may take part.

#include <array>

namespace rusrina {

inline constexpr int kBattleRuleCount = 9;

// The rule kind is its position in every rule list.
enum BattleRule {
    kRuleUnrestricted = 0, // 無制限
    kRuleFinalStage = 1,   // 最終段階のみ
    kRuleJustHatched = 2,  // 孵化直後のみ
    kRuleGilda = 3,        // ギルダ闘技場: final stages without the legendaries
    kRuleNordenQX = 4,     // ノルデン限定(QX)
    kRuleRaffine = 5,      // ラフィネ園: first stages of evolution lines
    kRuleNordenZV = 6,     // ノルデン限定(ZV)
    kRuleXyrem = 7,        // ザイレム限定(TK): the 5th-generation species
    kRuleXyremFinal = 8,   // ザイレム最終限定(TK)
};

const char* ruleName(int rule); // UTF-8, each with a leading blank; "" outside 0..8
// Any kind outside 1..8 admits every species.
bool isEligible(int rule, int species);

// The fixed species lists behind the rules; entries are species index + 1, 0 an empty slot.
inline constexpr int kExcludedLegendaryCount = 31;
inline constexpr int kNordenListSize = 221;
const std::array<int, kExcludedLegendaryCount>& excludedLegendaries();
const std::array<int, kNordenListSize>& nordenListZV();
const std::array<int, kNordenListSize>& nordenListQX();

} // namespace rusrina
