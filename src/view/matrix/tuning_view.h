#pragma once
// What the matrix window's 調整 tab shows: 耐久調整 against the session's list of attacks (the
// sequence window's list; its texts are the sequence view's) and power tuning against a list of
// defenders, each kept with the state it had when it was listed.

#include "calc/box_tools/bulk_tuning.h"
#include "calc/box_tools/power_tuning.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace rusrina {

// The defender with a found spread's HP, 防御 and 特防 EVs (its nature kept), its stats computed as
// registration computes them; nothing when the form would refuse it.
std::optional<BoxEntry> entryWithBulkSpread(const BoxEntry& defender, const BulkSpread& spread);

// The line over the 耐久調整 list before a search: the list it will survive, or why it cannot start.
std::string bulkListText(std::span<const PlannedStep> steps, bool hasDefender);

// A listed defender as the list names it: "ハピナス（HP 50％・どく・ステルスロック・交代で登場）";
// the species alone when its state is at the defaults.
std::string powerTargetText(const Combatant& defender);

// The power list: "相手", "努力値", "能力値", "倒す確率"; a defender not found says why in its row.
inline constexpr int kPowerColumnCount = 4;
std::array<std::string, kPowerColumnCount> powerHeadings(int stat);
std::array<std::string, kPowerColumnCount> powerTexts(const Combatant& defender, const OffenceSpread& found);

// The answer over every listed defender: "性格 いじっぱり・攻撃努力値 132（攻撃 167）で 3 体すべてを
// 2発で確定で倒す（最も固いのは ハピナス）", or why not; "相手を追加してください" for an empty list.
std::string powerSummaryText(const PowerTuning& found, std::span<const Combatant> defenders, int hits, int percent);

} // namespace rusrina
