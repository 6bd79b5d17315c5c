#pragma once
// What the box and damage window shows around the damage engine: the entries of its choosers,
// the texts of the attacker and defender panels and of the six calculation rows, and the
// condition check boxes as fields of BattleConditions.

#include "box/box_entry.h"
#include "box/entry_extra.h"
#include "calc/damage/damage_engine.h"
#include "text/ui_text.h"
#include "view/box/exact_row.h"
#include "view/common/list_choice.h"

#include <array>
#include <string>
#include <vector>

namespace rusrina {

// The condition check boxes in the order the window shows them.
struct ConditionCheck {
    const char* caption;
    const char* objectName;
    bool BattleConditions::*flag;
};
inline constexpr int kConditionCheckCount = 10;
inline constexpr std::array<ConditionCheck, kConditionCheckCount> kConditionChecks = {{
    {UI_TEXT_NOOP("ConditionCheck", "てだすけ"), "checkHelpingHand", &BattleConditions::helpingHand},
    {UI_TEXT_NOOP("ConditionCheck", "やけど"), "checkBurn", &BattleConditions::burn},
    {UI_TEXT_NOOP("ConditionCheck", "フラワーギフト"), "checkFlowerGift", &BattleConditions::flowerGift},
    {UI_TEXT_NOOP("ConditionCheck", "リフレクター"), "checkReflect", &BattleConditions::reflect},
    {UI_TEXT_NOOP("ConditionCheck", "ひかりのかべ"), "checkLightScreen", &BattleConditions::lightScreen},
    {UI_TEXT_NOOP("ConditionCheck", "ダブルバトル"), "checkDoubleBattle", &BattleConditions::doubleBattle},
    {UI_TEXT_NOOP("ConditionCheck", "みやぶる／かぎわける"), "checkForesight", &BattleConditions::foresight},
    {UI_TEXT_NOOP("ConditionCheck", "じゅうりょく"), "checkGravity", &BattleConditions::gravity},
    {UI_TEXT_NOOP("ConditionCheck", "特性発動"), "checkAbility", &BattleConditions::abilityActive},
    {UI_TEXT_NOOP("ConditionCheck", "きのみ発動"), "checkBerry", &BattleConditions::berryActive},
}};

// The state of the condition controls: chooser positions (-1 when nothing is selected) and the
// check boxes in kConditionChecks order.
struct ConditionControls {
    int attackStage = kNeutralStage;
    int defenceStage = kNeutralStage;
    int weather = kWeatherNone;
    std::array<bool, kConditionCheckCount> checks{};
};

// A position outside its list counts as the list's default ("±0", 通常).
BattleConditions battleConditions(const ConditionControls& controls);

// Chooser contents.
std::vector<ListChoice> stageChoices();          // "+6" … "±0" … "-6", value = position
std::vector<ListChoice> weatherChoices();        // 通常, 晴れ, 雨, 砂嵐, 霰
std::vector<ListChoice> directPowerChoices();    // "5", "10" … "200"
std::vector<ListChoice> directCategoryChoices(); // 物理, 特殊, 変化
std::vector<ListChoice> directTypeChoices();     // the 17 real types in type order
std::vector<ListChoice> learnFilterChoices();    // "制限無し" (NO_MOVE), then one per category
inline constexpr int kNoLearnFilter = NO_MOVE;

// The labels of one side's panel; every field is "－" for no entry.
struct EntryPanelTexts {
    std::string name, species, level, nature, ability, item;
    std::array<std::string, 6> iv, ev, stat; // "－" for IVs and EVs of an entry with typed-in stats
    std::string hpMarks;                     // the HP tuning marks the HP meets, with their words (calc/hp_marks.h)
};
EntryPanelTexts entryPanelTexts(const BoxEntry* entry);
// The same with what the box keeps beside the record: the item is the full held item
// ("たべのこし"), or the row's name when the row alone is known.
EntryPanelTexts entryPanelTexts(const BoxEntry* entry, const EntryExtra& extra);

// The labels of one calculation row. Rows 0 to 3 show the attacker's moves as soon as it is set;
// the learnable-move row shows its move only when both sides are set; the direct-value row has
// choosers instead of name, power, category and type.
struct DamageRowTexts {
    std::string name, power, category, type, multiplier, damage, hits;
    std::string share = kNotAvailable; // the share of the defender's HP, in an exact mode
};
using DamageResults = std::array<SlotResult, kDamageRowCount>;
std::array<DamageRowTexts, kDamageRowCount> damageRowTexts(const DamageEngine& engine, const DamageResults& results);
// The same from the rows of any mode: an exact mode adds the share of HP ("48.2％ ～ 56.9％") and
// shows the KO verdict ("確定2発", "乱数2発 (43.8％)") as the hits; the simple mode's texts are
// exactly those above.
std::array<DamageRowTexts, kDamageRowCount> damageRowTexts(const DamageEngine& engine,
                                                           const std::array<ExactRowResult, kDamageRowCount>& rows);

// "計算方式": "簡易計算" (the default), "実機（第5世代）", "実機（第4世代）", value = DamageMode.
std::vector<ListChoice> damageModeChoices();
// A stored mode, or the simple mode when it is not one.
DamageMode damageModeFromSetting(int stored);

} // namespace rusrina
