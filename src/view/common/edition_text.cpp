#include "view/common/edition_text.h"

#include "text/ui_text.h"

#include <array>

namespace rusrina {

std::string editionToolTip(int edition) {
    static const std::array<const char*, 4> kTexts{
        UI_TEXT_NOOP("EditionText", "QX：ダイヤモンド・パール（DP）"),
        UI_TEXT_NOOP("EditionText", "ZV：プラチナ（Pt）"),
        UI_TEXT_NOOP("EditionText", "JYJY（表の中では JY）：ハートゴールド・ソウルシルバー（HGSS）"),
        UI_TEXT_NOOP("EditionText", "TK：ブラック・ホワイト（BW）"),
    };
    return edition >= 0 && edition < 4 ? text::uiText("EditionText", kTexts[static_cast<size_t>(edition)]) : "";
}

std::string differenceToolTip(int mode) {
    static const std::array<const char*, 3> kTexts{
        UI_TEXT_NOOP("EditionText", "QX（ダイヤモンド・パール）と ZV（プラチナ）のレベル技の違い"),
        UI_TEXT_NOOP(
            "EditionText",
            "ZV（プラチナ）と JYJY（ハートゴールド・ソウルシルバー）の違い：レベル技・技マシン・教え技・遺伝技"),
        UI_TEXT_NOOP("EditionText", "QX・ZV・JYJY と TK（ブラック・ホワイト）の違い：レベル技・技マシン・遺伝技"),
    };
    return mode >= 0 && mode < 3 ? text::uiText("EditionText", kTexts[static_cast<size_t>(mode)]) : "";
}

} // namespace rusrina
