#pragma once
// The names of the ways the box and damage window computes its rows (calc/scenario.h holds the
// mode), and the mode and critical hit as the window's condition panel gives them.

#include "calc/scenario.h"

#include <string>

namespace rusrina {

std::string damageModeName(DamageMode mode); // "簡易計算", "実機（第5世代）", "実機（第4世代）"

struct DamageSettings {
    DamageMode mode = DamageMode::Simple;
    bool critical = false; // 急所; ignored by the simple engine
};

} // namespace rusrina
