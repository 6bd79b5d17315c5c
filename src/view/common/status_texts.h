#pragma once
// What the windows' status lines say after a button did its work without anything else to show:
// a save, a copy to the clipboard, a step back or forward through the box's history.

#include <string>
#include <string_view>

namespace rusrina {

// "保存しました：/home/.../rusrina.vbd".
std::string savedText(std::string_view path);

// "<what>をコピーしました（18 行）": the lines counted as the text's line ends, a last line without
// one included.
std::string copiedText(std::string_view what, std::string_view text);

// A damage row as "詳細取得" names it: "わざ１（１０まんボルト）", "習得技（じしん）",
// "直接数値選択"; the move is left out when the row shows none ("－" or empty).
std::string damageRowName(int row, std::string_view moveName);

// "元に戻しました：削除", "やり直しました：削除".
std::string historyStepText(bool undone, std::string_view step);

} // namespace rusrina
