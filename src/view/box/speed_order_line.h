#pragma once
// The order line of the box and damage window: each side's speed and who moves first, in the
// exact modes. The rows' moves differ in priority, so the line compares speeds alone; the rows
// are the place for a move's priority.

#include "calc/battle/speed.h"
#include "calc/damage/damage_engine.h"
#include "view/common/damage_mode.h"

#include <optional>
#include <string>

namespace rusrina {

// The two sides as speed reads them from the window's inputs (the speed stat, the held item, the
// ability, the weather of the conditions); none in the simple mode or while a side is missing.
std::optional<OrderResult> speedOrderOf(const DamageEngine& engine, const DamageSettings& settings);

// "素早さ 152 → 228（こだわりスカーフ） 対 120：攻撃側が先手"; "同速 (50 %)" for a tie. Empty for none.
std::string speedOrderLine(const std::optional<OrderResult>& order);

// A factor's words ("こだわりスカーフ", "すいすい" …) for the line.
const char* speedFactorName(SpeedFactor factor);

} // namespace rusrina
