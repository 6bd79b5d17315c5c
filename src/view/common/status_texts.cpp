#include "view/common/status_texts.h"

#include "calc/damage/damage_engine.h"
#include "text/ui_text.h"

#include <algorithm>

namespace rusrina {
namespace {

const char* const kRowCaptions[kDamageRowCount] = {
    UI_TEXT_NOOP("DamageRow", "わざ１"), UI_TEXT_NOOP("DamageRow", "わざ２"),
    UI_TEXT_NOOP("DamageRow", "わざ３"), UI_TEXT_NOOP("DamageRow", "わざ４"),
    UI_TEXT_NOOP("DamageRow", "習得技"), UI_TEXT_NOOP("DamageRow", "直接数値選択")};

} // namespace

std::string savedText(std::string_view path) {
    return text::fillText(text::uiText("Status", "保存しました：%1"), {path});
}

std::string copiedText(std::string_view what, std::string_view text) {
    std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (!text.empty() && text.back() != '\n')
        ++lines;
    return text::fillText(text::uiText("Status", "%1をコピーしました（%2 行）"), {what, std::to_string(lines)});
}

std::string damageRowName(int row, std::string_view moveName) {
    if (row < 0 || row >= kDamageRowCount)
        return {};
    const std::string name = text::uiText("DamageRow", kRowCaptions[row]);
    if (moveName.empty() || moveName == kNotAvailable)
        return name;
    return text::fillText(text::uiText("DamageRow", "%1（%2）"), {name, moveName});
}

std::string historyStepText(bool undone, std::string_view step) {
    return text::fillText(
        undone ? text::uiText("Status", "元に戻しました：%1") : text::uiText("Status", "やり直しました：%1"), {step});
}

} // namespace rusrina
