#include "view/box/damage_view.h"

#include "calc/hp_marks.h"
#include "data/abilities.h"
#include "data/held_items.h"
#include "data/items.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "text/cp932.h"
#include "view/common/list_choice.h"

namespace rusrina {
namespace {

constexpr int kDirectPowerStep = 5;
constexpr int kDirectPowerMax = 200;
constexpr int kCategoryCount = 3;

int positionOr(int position, int size, int fallback) {
    return position >= 0 && position < size ? position : fallback;
}

std::string number(int value) {
    return std::to_string(value);
}

template <typename Lookup> std::string nameOr(bool known, Lookup lookup) {
    return known ? std::string(lookup()) : std::string(kNotAvailable);
}

// Name, power, category and type of a move; "－" in all four for no move.
void fillMoveTexts(DamageRowTexts& row, int move) {
    if (!isValidMove(move))
        return;
    const MoveRecord& record = moveRecord(move);
    row.name = record.name;
    row.power = number(record.power);
    row.category = moveCategoryName(record.category);
    row.type = typeName(record.type);
}

} // namespace

BattleConditions battleConditions(const ConditionControls& controls) {
    BattleConditions c;
    c.attackStage = positionOr(controls.attackStage, kStageCount, kNeutralStage);
    c.defenceStage = positionOr(controls.defenceStage, kStageCount, kNeutralStage);
    c.weather = positionOr(controls.weather, kWeatherCount, kWeatherNone);
    for (int i = 0; i < kConditionCheckCount; ++i)
        c.*kConditionChecks[i].flag = controls.checks[i];
    return c;
}

std::vector<ListChoice> stageChoices() {
    return indexedChoices(kStageCount, [](int i) { return StageRatios[i].label; });
}

std::vector<ListChoice> weatherChoices() {
    return indexedChoices(kWeatherCount, weatherName);
}

std::vector<ListChoice> directPowerChoices() {
    std::vector<ListChoice> choices;
    for (int power = kDirectPowerStep; power <= kDirectPowerMax; power += kDirectPowerStep)
        choices.push_back({number(power), power});
    return choices;
}

std::vector<ListChoice> directCategoryChoices() {
    return indexedChoices(kCategoryCount, moveCategoryName);
}

std::vector<ListChoice> directTypeChoices() {
    return typeChoices(0);
}

std::vector<ListChoice> learnFilterChoices() {
    return {{text::uiText("DamageView", "制限無し"), kNoLearnFilter},
            {text::uiText("DamageView", "物理技のみ"), kPhysical},
            {text::uiText("DamageView", "特殊技のみ"), kSpecial},
            {text::uiText("DamageView", "変化技のみ"), kStatus}};
}

EntryPanelTexts entryPanelTexts(const BoxEntry* entry) {
    EntryPanelTexts t;
    const std::string none = kNotAvailable;
    if (!entry) {
        t.name = t.species = t.level = t.nature = t.ability = t.item = none;
        t.iv.fill(none);
        t.ev.fill(none);
        t.stat.fill(none);
        return t;
    }
    const BoxEntry& e = *entry;
    t.name = entryShownName(e);
    t.species = nameOr(e.species >= 0 && e.species < kSpeciesCount, [&] { return speciesName(e.species); });
    t.level = "LV " + number(e.level);
    t.nature = nameOr(e.nature >= 0 && e.nature < kNatureCount, [&] { return natureChoiceText(e.nature); });
    t.ability = nameOr(e.ability >= 0 && e.ability < kAbilityCount, [&] { return abilityName(e.ability); });
    t.item = nameOr(e.item >= 0 && e.item < kDamageItemCount, [&] { return damageItem(e.item).name; });
    for (int s = 0; s < kStatCount; ++s) {
        t.iv[s] = e.statsDirect ? none : number(e.iv[s]);
        t.ev[s] = e.statsDirect ? none : number(e.ev[s]);
        t.stat[s] = number(e.stat[s]);
    }
    t.hpMarks = hpMarksText(e.stat[kHp]);
    return t;
}

EntryPanelTexts entryPanelTexts(const BoxEntry* entry, const EntryExtra& extra) {
    EntryPanelTexts t = entryPanelTexts(entry);
    if (entry && heldItemOf(*entry, extra) > kNoHeldItem)
        t.item = heldItemName(heldItemOf(*entry, extra));
    return t;
}

std::array<DamageRowTexts, kDamageRowCount> damageRowTexts(const DamageEngine& engine, const DamageResults& results) {
    std::array<DamageRowTexts, kDamageRowCount> rows;
    const bool bothSides = engine.attacker && engine.defender;
    for (int k = 0; k < kDamageRowCount; ++k) {
        DamageRowTexts& row = rows[k];
        row.name = row.power = row.category = row.type = kNotAvailable;
        if (k < kMoveRowCount && engine.attacker)
            fillMoveTexts(row, engine.attacker->move[k]);
        else if (k == kLearnableRow && bothSides)
            fillMoveTexts(row, engine.learnableMove);
        const SlotResult& result = results[k];
        if (result.shownType >= 0)
            row.type = typeName(result.shownType);
        if (result.shownPower >= 0)
            row.power = number(result.shownPower);
        row.multiplier = result.multiplierText;
        row.damage = result.damageText;
        row.hits = result.hitsText;
    }
    return rows;
}

std::array<DamageRowTexts, kDamageRowCount> damageRowTexts(const DamageEngine& engine,
                                                           const std::array<ExactRowResult, kDamageRowCount>& rows) {
    DamageResults results;
    for (int k = 0; k < kDamageRowCount; ++k) {
        // Only the texts are needed; the logs stay with the window's rows.
        const SlotResult& r = rows[k].texts;
        results[k].damageText = r.damageText;
        results[k].hitsText = r.hitsText;
        results[k].multiplierText = r.multiplierText;
        results[k].shownType = r.shownType;
        results[k].shownPower = r.shownPower;
    }
    std::array<DamageRowTexts, kDamageRowCount> texts = damageRowTexts(engine, results);
    for (int k = 0; k < kDamageRowCount; ++k)
        texts[k].share = rows[k].hpShareText;
    return texts;
}

std::vector<ListChoice> damageModeChoices() {
    std::vector<ListChoice> choices;
    for (int mode = 0; mode < kDamageModeCount; ++mode)
        choices.push_back({damageModeName(static_cast<DamageMode>(mode)), mode});
    return choices;
}

DamageMode damageModeFromSetting(int stored) {
    return stored >= 0 && stored < kDamageModeCount ? static_cast<DamageMode>(stored) : DamageMode::Simple;
}

} // namespace rusrina
