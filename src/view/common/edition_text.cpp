#include "view/common/edition_text.h"

#include <array>

namespace rusrina {

std::string editionToolTip(int edition) {
    static const std::array<const char*, 4> kTexts{
        "QX：ダイヤモンド・パール（DP）",
        "ZV：プラチナ（Pt）",
        "JYJY（表の中では JY）：ハートゴールド・ソウルシルバー（HGSS）",
        "TK：ブラック・ホワイト（BW）",
    };
    return edition >= 0 && edition < 4 ? kTexts[static_cast<size_t>(edition)] : "";
}

std::string differenceToolTip(int mode) {
    static const std::array<const char*, 3> kTexts{
        "QX（ダイヤモンド・パール）と ZV（プラチナ）のレベル技の違い",
        "ZV（プラチナ）と JYJY（ハートゴールド・ソウルシルバー）の違い：レベル技・技マシン・教え技・遺伝技",
        "QX・ZV・JYJY と TK（ブラック・ホワイト）の違い：レベル技・技マシン・遺伝技",
    };
    return mode >= 0 && mode < 3 ? kTexts[static_cast<size_t>(mode)] : "";
}

} // namespace rusrina
