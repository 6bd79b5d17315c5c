#include "view/common/status_texts.h"

#include "calc/damage/damage_engine.h"

#include <algorithm>

namespace rusrina {
namespace {

const char* const kRowCaptions[kDamageRowCount] = {"わざ１", "わざ２", "わざ３", "わざ４", "習得技", "直接数値選択"};

} // namespace

std::string savedText(std::string_view path) {
    return "保存しました：" + std::string(path);
}

std::string copiedText(std::string_view what, std::string_view text) {
    std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
    if (!text.empty() && text.back() != '\n')
        ++lines;
    return std::string(what) + "をコピーしました（" + std::to_string(lines) + " 行）";
}

std::string damageRowName(int row, std::string_view moveName) {
    if (row < 0 || row >= kDamageRowCount)
        return {};
    std::string name = kRowCaptions[row];
    if (!moveName.empty() && moveName != kNotAvailable)
        name += "（" + std::string(moveName) + "）";
    return name;
}

std::string historyStepText(bool undone, std::string_view step) {
    return (undone ? "元に戻しました：" : "やり直しました：") + std::string(step);
}

} // namespace rusrina
