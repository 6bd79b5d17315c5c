#pragma once
// The order line of the box and damage window: each side's speed and who moves first, in the
// exact modes. The rows' moves differ in priority, so the line compares speeds alone; the rows
// are the place for a move's priority.

#include "calc/battle/speed.h"
#include "calc/damage/damage_engine.h"
#include "view/common/damage_mode.h"

#include <array>
#include <optional>
#include <string>

namespace rusrina {

// The two sides as speed reads them from the window's inputs (the speed stat, the held item, the
// ability, the weather of the conditions, each side's stage, status and おいかぜ and the rooms of
// the battle state); none in the simple mode or while a side is missing.
std::optional<OrderResult> speedOrderOf(const DamageEngine& engine, const DamageSettings& settings);

// "素早さ 152 → 228（こだわりスカーフ） 対 120：攻撃側が先手"; "同速 (50 %)" for a tie; a stage shows as
// "ランク+1" among what changed the speed, and "（トリックルーム）" follows an order it turned. Empty for none.
std::string speedOrderLine(const std::optional<OrderResult>& order);

// Each calculation row's move priority as its narrow column shows it in the exact modes: "+1",
// "0", "-3" (いたずらごころ's +1 for a status move in the 5th generation counted), "－" for a row
// without a move, and nothing for the direct-value row, whose move has no priority to show.
std::array<std::string, kDamageRowCount> movePriorityTexts(const DamageEngine& engine, Generation generation);

// A factor's words ("こだわりスカーフ", "すいすい" …) for the line.
std::string speedFactorName(SpeedFactor factor);

} // namespace rusrina
