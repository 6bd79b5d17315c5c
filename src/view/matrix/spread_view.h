#pragma once
// What the spread finder shows, and how a found spread is written into its entry: through the edit
// form's rules, as if the user had typed the nature and the EVs and registered.

#include "box/box_entry.h"
#include "calc/box_tools/spread_finder.h"
#include "calc/box_tools/spread_finder_speed.h"
#include "text/ui_text.h"
#include "view/common/damage_mode.h"
#include "view/common/list_choice.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace rusrina {

// The entry with the nature and the EVs given, its stats computed as registration computes them.
// Nothing when the form would refuse it (EVs over 510) or the entry's stats were typed in. The
// name stays as stored, byte for byte, as an untouched name field keeps it.
std::optional<BoxEntry> entryWithSpread(const BoxEntry& entry, int nature, const std::array<int, 6>& evs);
// The same for a found defence split (HP and the defence it searched) and a found offence spread.
std::optional<BoxEntry> entryWithSplit(const BoxEntry& defender, const DefenceSpreads& found,
                                       const DefenceSplit& split);
std::optional<BoxEntry> entryWithOffence(const BoxEntry& attacker, const OffenceSpread& found);

// The finder's move chooser: the six rows of the box and damage window, "わざ１：１０まんボルト" …
// "習得技：…", "直接数値：威力 80 物理 ノーマル"; value = row.
std::vector<ListChoice> spreadMoveChoices(const DamageEngine& inputs);

// Looked up with uiText("SpreadText", kChooseSidesText) where it is shown.
inline constexpr const char* kChooseSidesText = UI_TEXT_NOOP("SpreadText", "攻撃側と防御側を選んでください");

// The query for the window's attacker, defender, row and conditions, in the exact mode the
// window's mode stands for. Without both sides the query's entries stay empty (not in use).
SpreadQuery spreadQueryFor(const Scenario& scenario, const RowMoves& moves, int row);
SpreadQuery spreadQueryFor(const DamageEngine& inputs, const DamageSettings& settings, int row);

// The choosers of the finder.
std::vector<ListChoice> spreadHitChoices();       // "1発" … "10発", value = hits
std::vector<ListChoice> spreadCertaintyChoices(); // "確定", "90％以上" … "10％以上", value = percent
std::vector<ListChoice> spreadNatureChoices();    // "今の性格", "最適な性格", value = SpreadNature

// The split list: "HP努力値", "防御努力値" (or "特防努力値"), "合計", "HP", "防御" (or "特防"),
// "耐える確率".
inline constexpr int kSplitColumnCount = 6;
std::array<std::string, kSplitColumnCount> splitHeadings(int stat);
std::array<std::string, kSplitColumnCount> splitTexts(const DefenceSplit& split);

// The line above the split list: the nature and what the splits survive, or why there are none.
std::string defenceSummaryText(const DefenceSpreads& found, int hits, int percent);
// The offence finder's answer in one line.
std::string offenceSummaryText(const OffenceSpread& found, int hits, int percent);

// When a finder found nothing, why and what would help: the EVs it held fixed beside what was
// left ("残り 4：攻撃 252・素早さ 252 は固定"), then the changes of the finder's choices that each
// find something on their own (a lower 確実さ, 最適な性格, "ほかの努力値も振り直す"), worked out by
// asking the finder again. Empty when it found something or could not search.
std::string defenceAdviceText(const SpreadQuery& query, const DefenceSpreads& found);
std::string offenceAdviceText(const SpreadQuery& query, const OffenceSpread& found);

// Speed tuning ("素早さ調整"): the fewest speed EVs of one side to move before the other, or under
// トリックルーム the most that still move first; against the other side as it stands or against
// its species at a usual speed at its level. Each side keeps its side of the battle state (in the
// exact modes; the simple mode has none) and its held item.
enum class SpeedTarget { Current, Fastest, Neutral, Uninvested, Slowest };
// "相手の今の素早さ", "最速", "準速", "無振り", "最遅"; value = SpeedTarget.
std::vector<ListChoice> speedTargetChoices();
// "攻撃側を調整", "防御側を調整"; value 0 for the attacker, 1 for the defender.
std::vector<ListChoice> speedSideChoices();

struct SpeedTuningSearch {
    bool ready = false; // both sides chosen
    SpeedTuningQuery query;
    BoxEntry other{}; // the side to move before (after, under トリックルーム)
    bool otherIsDefender = true;
    SpeedTarget target = SpeedTarget::Current;
};
// `freed`: the EVs "ほかの努力値も振り直す" gives up (none by default; speed's own is never).
SpeedTuningSearch speedTuningSearchFor(const Scenario& scenario, bool defenderTuned, SpeedTarget target,
                                       SpreadNature nature, const std::array<bool, kStatCount>& freed = {});
SpeedTuningSearch speedTuningSearchFor(const DamageEngine& inputs, const DamageSettings& settings, bool defenderTuned,
                                       SpeedTarget target, SpreadNature nature,
                                       const std::array<bool, kStatCount>& freed = {});
SpeedTuning runSpeedTuning(const SpeedTuningSearch& search);

// The answer in one line: "性格 おくびょう・素早さ努力値 116（素早さ 152）で 最速ガブリアス（169）抜き"
// and its like, or why there is none.
std::string speedTuningText(const SpeedTuningSearch& search, const SpeedTuning& found);
// When nothing does it: the EVs held fixed beside what was left, and what would do it: 最適な性格,
// ほかの努力値も振り直す, こだわりスカーフ in place of the held item. Empty otherwise.
std::string speedTuningAdviceText(const SpeedTuningSearch& search, const SpeedTuning& found);
// The tuned entry with the found nature and speed EVs, as registration computes it.
std::optional<BoxEntry> entryWithSpeedTuning(const BoxEntry& entry, const SpeedTuning& found);
// The nature's bare name, without the padding of its chooser text; "－" for none.
std::string natureText(int nature);

} // namespace rusrina
