#include "view/common/damage_mode.h"

#include "text/ui_text.h"

namespace rusrina {

std::string damageModeName(DamageMode mode) {
    switch (mode) {
    case DamageMode::ExactGen5:
        return text::uiText("DamageMode", "実機（第5世代）");
    case DamageMode::ExactGen4:
        return text::uiText("DamageMode", "実機（第4世代）");
    default:
        return text::uiText("DamageMode", "簡易計算");
    }
}

} // namespace rusrina
