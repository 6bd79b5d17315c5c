#pragma once
// Battle rules: which species may take part.

namespace rusrina {

inline constexpr int kBattleRuleCount = 9;

const char* ruleName(int rule); // UTF-8, each with a leading blank
bool isEligible(int rule, int species);

} // namespace rusrina
