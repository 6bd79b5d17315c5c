#include "view/common/damage_mode.h"

namespace rusrina {

const char* damageModeName(DamageMode mode) {
    switch (mode) {
    case DamageMode::ExactGen5:
        return "実機（第5世代）";
    case DamageMode::ExactGen4:
        return "実機（第4世代）";
    default:
        return "簡易計算";
    }
}

bool isExact(DamageMode mode) {
    return mode == DamageMode::ExactGen5 || mode == DamageMode::ExactGen4;
}

Generation generationOf(DamageMode mode) {
    return mode == DamageMode::ExactGen4 ? kGen4 : kGen5;
}

ExactOptions exactOptionsFor(const DamageSettings& settings) {
    return {generationOf(settings.mode), settings.critical};
}

} // namespace rusrina
