#pragma once
// How the box and damage window computes its rows, and the one way from those settings to the
// exact engine's options, for every window that runs the engine (the box rows, the matrix, the
// spread finder).

#include "calc/exact/exact_damage.h"
#include "data/generations.h"

namespace rusrina {

// The simple engine is the default.
enum class DamageMode { Simple = 0, ExactGen5 = 1, ExactGen4 = 2 };
inline constexpr int kDamageModeCount = 3;
const char* damageModeName(DamageMode mode); // "簡易計算", "実機（第5世代）", "実機（第4世代）"
bool isExact(DamageMode mode);
Generation generationOf(DamageMode mode); // kGen5 for the simple mode

struct DamageSettings {
    DamageMode mode = DamageMode::Simple;
    bool critical = false; // 急所; ignored by the simple engine
};

// The exact engine's options for the settings: the mode's generation (the 5th generation's for the
// simple mode, which the matrix and the spread finder compute in) and the critical hit.
ExactOptions exactOptionsFor(const DamageSettings& settings);

} // namespace rusrina
