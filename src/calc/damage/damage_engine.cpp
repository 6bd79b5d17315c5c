#include "calc/damage/damage_engine.h"

#include "calc/damage/damage_row.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "text/ui_text.h"

#include <algorithm>

namespace rusrina {

namespace damage {

namespace {

void writeDamage(Row& r, const std::string& damage, const std::string& hits) {
    r.result.damageText = damage;
    r.result.hitsText = hits;
    r.log().append(text::fillText(text::uiText("DamageLog", "ダメージ： %1"), {damage}) + "\r\n" +
                   text::fillText(text::uiText("DamageLog", "必要攻撃回数： %1"), {hits}) + "\r\n");
}

std::string range(int64_t low, int64_t high) {
    return text::fillText(text::uiText("DamageLog", "%1 ～ %2"), {std::to_string(low), std::to_string(high)});
}

int64_t hitsFor(int64_t hp, int64_t perHit) {
    return (hp + perHit - 1) / perHit;
}

} // namespace

// The damage formula; from X on the values need 64 bits.
void applyFinalFormula(Row& r) {
    const bool physical = r.physical();
    const int64_t atk = r.atk.stat[physical ? kAttack : kSpAttack];
    const int64_t def = r.def.stat[physical ? kDefence : kSpDefence];
    const int64_t hp = r.def.stat[kHp];
    const int64_t a = r.attackRatio.apply(atk);
    const int64_t d = r.defenceRatio.apply(def);
    const int64_t p = r.powerRatio.apply(r.power);
    const int64_t level = (2 * int64_t{r.atk.level}) / 5 + 2;
    if (d <= 0) {
        // Tiny defences under strong decreases truncate to 0; there is nothing to divide by.
        r.log().append(text::uiText("DamageLog", "＞＞＞ 補正後の防御力が0のため計算不能") + "\r\n");
        r.result.multiplierText = kNotAvailable;
        return;
    }
    const int64_t x = level * a * p;
    const int64_t base = x / d / 50 + 2;
    const int64_t max = r.damageRatio.apply(base) * r.effect / kNeutralEffect;
    if (max <= 0) {
        writeDamage(r, text::uiText("DamageLog", "無効"), text::uiText("DamageLog", "無効"));
        return;
    }
    const int64_t min = std::max<int64_t>(1, static_cast<int64_t>(static_cast<double>(max) * 0.85));
    if (max == 1) {
        writeDamage(r, "1", std::to_string(hp));
        return;
    }
    const int64_t few = hitsFor(hp, max);
    const int64_t many = hitsFor(hp, min);
    writeDamage(r, range(min, max), few == many ? std::to_string(few) : range(few, many));
}

} // namespace damage

namespace {

using namespace damage;

constexpr size_t kTypicalLogBytes = 2048; // even a log with every condition on fits

// Every step, in order, for a row that has a move and a power.
SlotResult calculateRow(const BoxEntry& attacker, const BoxEntry& defender, const DamageSlot& slot,
                        const BattleConditions& conditions) {
    Row r{attacker, defender, slot, conditions};
    r.log().reserve(kTypicalLogBytes);
    loadMove(r);
    writeHeader(r);
    writeMoveBlock(r);
    applyTypeAndWeather(r);
    applyEffectiveness(r);
    applySameType(r);
    if (!applyMoveSpecials(r))
        return std::move(r.result);
    applyWeather(r);
    applyStages(r);
    applyHelpingHandAndBurn(r);
    applyAttackerAbilities(r);
    applyActivatedAbilities(r);
    applyDefenderAbilities(r);
    applyDoubleBattle(r);
    applyItemsAndScreens(r);
    applyFinalFormula(r);
    return std::move(r.result);
}

// Entries reach the engine from the box, which refuses out-of-range records; the engine still
// checks every index it looks up and keeps the arithmetic far from overflow.
bool engineCanUse(const BoxEntry& e) {
    if (e.species < 0 || e.species >= kSpeciesCount || e.nature < 0 || e.nature >= kNatureCount)
        return false;
    if (e.ability < 0 || e.ability >= kAbilityCount || e.item < 0 || e.item >= kDamageItemCount)
        return false;
    if (e.level < 1 || e.level > 100)
        return false;
    return std::all_of(std::begin(e.stat), std::end(e.stat), [](int s) { return s >= 0 && s <= kMaxUsableValue; });
}

bool rowHasMoveAndPower(const DamageSlot& slot) {
    if (slot.row < 0 || slot.row >= kDamageRowCount)
        return false;
    if (slot.row == kDirectRow)
        return directMoveUsable(slot.direct);
    return slot.move != NO_MOVE && isValidMove(slot.move) && moveRecord(slot.move).power != 0;
}

} // namespace

bool directMoveUsable(const DirectMove& d) {
    return d.power > 0 && d.power <= kMaxUsableValue && d.category >= kPhysical && d.category <= kStatus &&
           d.type >= 0 && d.type < kTypeCount;
}

BattleConditions conditionsWithinRange(BattleConditions c) {
    if (c.weather < 0 || c.weather >= kWeatherCount)
        c.weather = kWeatherNone;
    c.attackStage = std::clamp(c.attackStage, 0, kStageCount - 1);
    c.defenceStage = std::clamp(c.defenceStage, 0, kStageCount - 1);
    return c;
}

BattleConditions conditionsOf(const Scenario& s) {
    BattleConditions c;
    c.weather = s.field.weather;
    c.attackStage = kNeutralStage - s.assumed.attackStage;
    c.defenceStage = kNeutralStage - s.assumed.defenceStage;
    c.helpingHand = s.attacker.side.helpingHand;
    c.burn = s.assumed.burn;
    c.flowerGift = s.attacker.side.flowerGift;
    c.reflect = s.defender.side.reflect;
    c.lightScreen = s.defender.side.lightScreen;
    c.gravity = s.field.gravity;
    c.foresight = s.defender.side.identified;
    c.abilityActive = s.assumed.abilityActive;
    c.berryActive = s.assumed.berryActive;
    c.doubleBattle = s.field.doubleBattle;
    c.friendGuard = s.defender.side.friendGuard;
    return conditionsWithinRange(c);
}

SlotResult computeRow(const BoxEntry& attacker, const BoxEntry& defender, const DamageSlot& slot,
                      const BattleConditions& conditions) {
    if (!engineCanUse(attacker) || !engineCanUse(defender) || !rowHasMoveAndPower(slot))
        return SlotResult{};
    const BattleConditions checked = conditionsWithinRange(conditions);
    return calculateRow(attacker, defender, slot, checked);
}

DamageSlot rowSlot(const BoxEntry* attacker, const RowMoves& moves, int row) {
    if (row == kDirectRow)
        return DamageSlot::directRow(moves.direct);
    if (row == kLearnableRow)
        return DamageSlot::moveRow(row, moves.learnableMove);
    const bool hasMove = attacker && row >= 0 && row < kMoveRowCount;
    return DamageSlot::moveRow(row, hasMove ? attacker->move[row] : NO_MOVE);
}

DamageSlot DamageEngine::slot(int row) const {
    return rowSlot(attacker ? &*attacker : nullptr, moves(), row);
}

Scenario DamageEngine::scenario(DamageMode mode, bool critical) const {
    Scenario s;
    if (attacker)
        s.attacker = combatantOf(*attacker, attackerExtra);
    if (defender)
        s.defender = combatantOf(*defender, defenderExtra);
    s.attacker.state = combatantStateOf(state.attacker);
    s.defender.state = combatantStateOf(state.defender);
    const BattleConditions c = conditionsWithinRange(conditions);
    s.field = {.weather = c.weather, .gravity = c.gravity, .doubleBattle = c.doubleBattle};
    applyFieldState(s.field, state.field);
    s.attacker.side.helpingHand = c.helpingHand;
    s.attacker.side.flowerGift = c.flowerGift;
    s.defender.side.reflect = c.reflect;
    s.defender.side.lightScreen = c.lightScreen;
    s.defender.side.identified = c.foresight;
    s.defender.side.friendGuard = c.friendGuard;
    s.assumed = {kNeutralStage - c.attackStage, kNeutralStage - c.defenceStage, c.burn, c.abilityActive, c.berryActive};
    s.mode = mode;
    s.critical = critical;
    return s;
}

std::array<SlotResult, kDamageRowCount> DamageEngine::computeAllRows() const {
    std::array<SlotResult, kDamageRowCount> results;
    if (!attacker || !defender)
        return results;
    for (int row = 0; row < kDamageRowCount; ++row)
        results[row] = computeRow(*attacker, *defender, slot(row), conditions);
    return results;
}

} // namespace rusrina