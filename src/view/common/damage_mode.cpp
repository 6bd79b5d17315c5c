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

} // namespace rusrina
