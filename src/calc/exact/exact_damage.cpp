// The exact damage engine's driver: the move worked out once per attacker, then per defender the
// steps in the game's order, recorded only when a record is given.

#include "calc/exact/exact_damage.h"

#include "calc/exact/exact_generations.h"
#include "data/battle_data.h"
#include "data/held_items.h"
#include "data/natures.h"
#include "data/types.h"

#include <algorithm>

namespace rusrina {

using namespace damage;
using namespace exact;

namespace {

bool exactCanUse(const BoxEntry& e) {
    if (e.species < 0 || e.species >= kSpeciesCount || e.nature < 0 || e.nature >= kNatureCount)
        return false;
    if (e.ability < 0 || e.ability >= kAbilityCount || e.item < 0 || e.item >= kDamageItemCount)
        return false;
    if (e.level < kMinLevel || e.level > kMaxLevel)
        return false;
    return std::all_of(std::begin(e.stat), std::end(e.stat), [](int s) { return s >= 1 && s <= kMaxUsableValue; });
}

bool hasMoveAndPower(const DamageSlot& slot, Generation gen) {
    if (slot.row < 0 || slot.row >= kDamageRowCount)
        return false;
    if (slot.row == kDirectRow)
        return directMoveUsable(slot.direct);
    return slot.move != NO_MOVE && isValidMove(slot.move) && moveRecordIn(slot.move, gen).power != 0;
}

// Moves of table power 1 whose damage still follows from what the window knows.
bool hasFormula(const ExactAttack& a) {
    switch (a.move) {
    case MoveId::Return:
    case MoveId::Frustration:
    case MoveId::GyroBall:
    case MoveId::ElectroBall:
    case MoveId::SeismicToss:
    case MoveId::NightShade:
    case MoveId::DragonRage:
    case MoveId::SonicBoom:
    case MoveId::SuperFang:
        return true;
    case MoveId::HiddenPower:
        return a.attacker.entry->statsDirect == 0;
    default:
        return a.power != kVariablePower || powerFollowsItsRule(a.move);
    }
}

bool hitsDefence(const ExactAttack& a) {
    const bool defenceMove = a.move == MoveId::Psyshock || a.move == MoveId::Psystrike || a.move == MoveId::SecretSword;
    return a.category == kPhysical || (a.options.generation == kGen5 && defenceMove);
}

// The defender abilities Mold Breaker breaks through (of those that change damage).
bool breakable(AbilityId ability) {
    switch (ability) {
    case AbilityId::BattleArmor:
    case AbilityId::ShellArmor:
    case AbilityId::LightningRod:
    case AbilityId::MarvelScale:
    case AbilityId::FlowerGift:
    case AbilityId::Soundproof:
    case AbilityId::StormDrain:
    case AbilityId::SapSipper:
    case AbilityId::FriendGuard:
    case AbilityId::Multiscale:
    case AbilityId::ThickFat:
    case AbilityId::DrySkin:
    case AbilityId::Heatproof:
    case AbilityId::VoltAbsorb:
    case AbilityId::WaterAbsorb:
    case AbilityId::MotorDrive:
    case AbilityId::SolidRock:
    case AbilityId::Filter:
    case AbilityId::WonderGuard:
    case AbilityId::Levitate:
    case AbilityId::FlashFire:
    case AbilityId::Simple:
    case AbilityId::Unaware:
        return true;
    default:
        return false;
    }
}

bool itemInGeneration(ItemId item, Generation gen) {
    return item == kAnyTypeItem || heldItem(item).generation <= static_cast<int>(gen);
}

// The item whose effects count: none under Klutz, nor one the generation does not have.
ItemId itemThatActs(const ExactSide& side, Generation gen) {
    const ItemId item = heldItemOfSide(side);
    const bool klutz = abilityIdOf(side.entry->ability) == AbilityId::Klutz;
    return klutz || !itemInGeneration(item, gen) ? ItemId::None : item;
}

void recordItemOutsideGeneration(const Hit& h, const ExactSide& side, ExactStepSide whose) {
    const ItemId item = heldItemOfSide(side);
    if (!itemInGeneration(item, h.gen))
        h.add(ExactStep{.rule = ExactRule::ItemNotInGeneration, .side = whose, .arg = indexOf(item)});
}

// The state's stage of the stat the move attacks with adds to the window's 攻撃補正, the sum held
// within ±6 (the window's list runs from +6 at index 0 to -6).
void addStateStage(ExactAttack& a, const CombatantState& state) {
    const int stage = state.stages[a.category == kPhysical ? kStageAttack : kStageSpAttack];
    if (stage != 0)
        a.conditions.attackStage =
            std::clamp(a.conditions.attackStage - stage, kNeutralStage - kMaxStage, kNeutralStage + kMaxStage);
}

// Whether the attacker's battle state wakes its ability: the HP at a third of its most or less for
// the pinch abilities (half for よわき), any status for こんじょう and はやあし (sleep and freeze too), a
// burn for ねつぼうそう, poison for どくぼうそう. None: an ability no state wakes, which only the
// 特性発動 box sets off.
std::optional<bool> stateWakes(AbilityId ability, const ExactSide& side, bool burned) {
    const std::optional<StatusCondition> status = side.state.status;
    const std::optional<int> hp = hpNowOf(side);
    const int most = side.entry->stat[kHp];
    const auto pinch = [ability](const PinchAbility& p) { return p.ability == ability; };
    if (std::any_of(std::begin(kPinchAbilities), std::end(kPinchAbilities), pinch))
        return hp && *hp * 3 <= most;
    switch (ability) {
    case AbilityId::Defeatist:
        return hp && *hp * 2 <= most;
    case AbilityId::Guts:
    case AbilityId::QuickFeet:
        return burned || (status && *status != StatusCondition::None);
    case AbilityId::FlareBoost:
        return burned;
    case AbilityId::ToxicBoost:
        return status == StatusCondition::Poison || status == StatusCondition::BadPoison;
    default:
        return std::nullopt;
    }
}

void setUpDefender(Hit& h) {
    h.defAbility = abilityIn(h.def, h.gen);
    if (breaksAbilities(h.a.ability) && breakable(h.defAbility)) {
        h.add(ExactStep{.rule = ExactRule::MoldBreaker, .arg = indexOf(h.defAbility), .arg2 = indexOf(h.a.ability)});
        h.defAbility = AbilityId::None;
    }
    if (h.record) {
        recordItemOutsideGeneration(h, h.a.attacker, ExactStepSide::Attacker);
        recordItemOutsideGeneration(h, h.defSide, ExactStepSide::Defender);
    }
}

void setUpHit(Hit& h) {
    const bool alwaysCritical = h.gen == kGen5 && (h.a.move == MoveId::StormThrow || h.a.move == MoveId::FrostBreath);
    const bool neverCritical = h.gen4() && (h.a.move == MoveId::FutureSight || h.a.move == MoveId::DoomDesire);
    h.critical = (h.a.options.critical || alwaysCritical) && !neverCritical;
    if (h.a.abilityForced)
        h.add(ExactRule::AbilityForced, indexOf(h.a.ability));
    if (alwaysCritical)
        h.add(ExactRule::AlwaysCritical);
    else if (h.critical)
        h.add(ExactRule::CriticalHit);
    h.defItem = h.a.magicRoom ? ItemId::None : itemThatActs(h.defSide, h.gen); // Multitype reads it with the types
    if (h.a.magicRoom)
        h.add(ExactRule::MagicRoom);
    resolveWeatherAndTypes(h);
    setUpDefender(h);
    if (h.critical && (h.defAbility == AbilityId::BattleArmor || h.defAbility == AbilityId::ShellArmor)) {
        h.critical = false;
        h.add(ExactRule::BattleArmor, indexOf(h.defAbility));
    }
    resolveMove(h);
    // The 4th generation works these out when they are used, as moves of no type.
    if (h.gen4() && (h.a.move == MoveId::FutureSight || h.a.move == MoveId::DoomDesire)) {
        h.typeless = true;
        h.add(ExactRule::TypelessFutureMove, indexOf(h.a.move));
    }
    const bool screenUp = h.physical() ? h.a.conditions.reflect : h.a.conditions.lightScreen;
    const bool infiltrates = h.a.ability == AbilityId::Infiltrator;
    h.screen = screenUp && h.a.move != MoveId::BrickBreak && !infiltrates;
    if (screenUp && h.a.move == MoveId::BrickBreak)
        h.add(ExactRule::BrickBreak);
    else if (screenUp && infiltrates)
        h.add(ExactRule::Infiltrator);
    h.hitsDefence = hitsDefence(h.a);
    h.out.sameType = h.stab() ? (h.a.ability == AbilityId::Adaptability ? 2 : 1) : 0;
}

// A move that cannot work deals nothing, and the log says why.
bool failed(Hit& h) {
    if (h.failure == MoveFailure::None)
        return false;
    h.add(ExactRule::MoveFails, static_cast<int32_t>(h.failure));
    h.out.outcome = ExactRolls::Outcome::NoFormula;
    return true;
}

// The power, the stats and the rolls of the hit, and for a move of several hits or powers those of
// every other hit or power.
void computeRolls(Hit& h) {
    if (landsSeveralHits(h)) {
        recordHitCount(h);
        const Hit before = h;
        computeHit(h);
        addLaterHits(h, before);
    } else if (h.powerOutcomes != PowerOutcomes::None) {
        const Hit before = h;
        computeHit(h);
        addPowerOutcomes(h, before);
    } else {
        computeHit(h);
    }
}

} // namespace

namespace exact {

void computeHit(Hit& h) {
    if (h.gen4())
        computeGen4(h);
    else
        computeGen5(h);
}

constexpr int kTypeItemRow = 1; // "各種タイプ補正"

ItemId heldItemOfSide(const ExactSide& side) {
    if (side.heldItem != kItemOfRow)
        return side.heldItem;
    return side.entry->item == kTypeItemRow ? kAnyTypeItem : itemIdOf(heldItemOfDamageRow(side.entry->item));
}

} // namespace exact

// A held item's index as a side holds it: an index outside the table names no item, and the entry's
// damage-item row says which it holds.
static ItemId sideItem(int index) {
    return index >= 0 && index < heldItemCount() ? static_cast<ItemId>(index) : kItemOfRow;
}

ExactSide::ExactSide(const BoxEntry& e) : entry(&e), heldItem(sideItem(heldItemOfDamageRow(e.item))) {}

std::optional<int> hpNowOf(const ExactSide& side) {
    if (!side.state.hp || !side.entry)
        return std::nullopt;
    return hpNowOf(side.state, side.entry->stat[kHp]);
}

bool stagesKnown(const ExactSide& side) {
    return std::any_of(side.state.stages.begin(), side.state.stages.end(), [](int8_t s) { return s != 0; });
}

ExactSide exactSideOf(const Combatant& c) {
    ExactSide side(*c.entry);
    side.heldItem = sideItem(heldItemOf(c));
    side.gender = static_cast<int>(c.gender);
    side.happiness = c.happiness;
    side.state = c.state;
    return side;
}

ExactOptions exactOptionsOf(const Scenario& s) {
    return {generationOf(s.mode), s.critical};
}

ExactAttack exactAttackOf(const Scenario& s, const ExactSide& attacker, const DamageSlot& slot) {
    return prepareExactAttack(attacker, slot, conditionsOf(s), exactOptionsOf(s), s.field);
}

ExactRolls exactRolls(const ExactAttack& a, const ExactSide& defender, ExactRecord* record) {
    if (record)
        record->generation = a.options.generation;
    if (!a.usable || !defender.entry || !exactCanUse(*defender.entry))
        return {};
    // ワンダールーム: the defender's defence and special defence change places (their stages do not).
    BoxEntry swapped;
    ExactSide roomSide;
    const bool wonderRoom = a.options.generation == kGen5 && a.field.wonderRoom;
    if (wonderRoom) {
        swapped = *defender.entry;
        std::swap(swapped.stat[kDefence], swapped.stat[kSpDefence]);
        roomSide = defender;
        roomSide.entry = &swapped;
    }
    Hit h(a, wonderRoom ? roomSide : defender, record);
    h.out.hp = h.def.stat[kHp];
    if (const std::optional<int> hp = hpNowOf(defender))
        h.out.hpNow = std::clamp(*hp, 1, h.out.hp);
    if (a.noFormula) {
        const bool known = moveExistsIn(a.move, a.options.generation) || a.move == kNoMoveId;
        h.add(known ? ExactRule::NoFormula : ExactRule::NotInGeneration, indexOf(a.move));
        h.out.outcome = ExactRolls::Outcome::NoFormula;
        return h.out;
    }
    if (a.grounded) {
        h.add(ExactRule::GravityBlocksMove, indexOf(a.move));
        h.out.outcome = ExactRolls::Outcome::CannotUse;
        return h.out;
    }
    if (wonderRoom)
        h.add(ExactRule::WonderRoom);
    setUpHit(h);
    if (failed(h))
        return h.out;
    resolveEffectiveness(h);
    if (h.out.effect == 0) {
        recordEffectiveness(h);
        h.out.outcome = ExactRolls::Outcome::Immune;
        return h.out;
    }
    if (blockedByAbility(h)) {
        h.out.outcome = ExactRolls::Outcome::Immune;
        return h.out;
    }
    h.out.outcome = ExactRolls::Outcome::Damage;
    if (!dealtFixedDamage(h))
        computeRolls(h);
    if (!h.out.oneHit())
        h.out.settleUses();
    return h.out;
}

ExactAttack prepareExactAttack(const ExactSide& side, const DamageSlot& slot, const BattleConditions& conditions,
                               const ExactOptions& options) {
    return prepareExactAttack(side, slot, conditions, options, Field{.weather = conditions.weather});
}

ExactAttack prepareExactAttack(const ExactSide& side, const DamageSlot& slot, const BattleConditions& conditions,
                               const ExactOptions& options, const Field& field) {
    ExactAttack a;
    a.field = field;
    a.attacker = side;
    a.slot = slot;
    a.conditions = conditionsWithinRange(conditions);
    a.options = options;
    if (a.options.generation != kGen4)
        a.options.generation = kGen5;
    const Generation gen = a.options.generation;
    if (!side.entry || !exactCanUse(*side.entry) || !hasMoveAndPower(slot, gen))
        return a;
    const BoxEntry& attacker = *side.entry;
    a.usable = true;
    if (slot.row == kDirectRow) {
        a.power = slot.direct.power;
        a.category = slot.direct.category;
        a.type = slot.direct.type;
    } else {
        const MoveRecord m = moveRecordIn(slot.move, gen);
        a.move = moveIdOf(slot.move);
        a.power = m.power;
        a.accuracy = m.accuracy;
        a.type = m.type;
        a.category = m.category;
        a.target = m.target;
    }
    a.ability = abilityIn(attacker, gen);
    a.magicRoom = gen == kGen5 && field.magicRoom;
    a.item = a.magicRoom ? ItemId::None : itemThatActs(side, gen);
    a.flashFire = a.ability == AbilityId::FlashFire && (a.conditions.abilityActive || side.state.flashFire);
    // A burn of the battle state is the window's やけど: the halving, こんじょう, からげんき, ねつぼうそう.
    const std::optional<StatusCondition> status = side.state.status;
    if (status == StatusCondition::Burn)
        a.conditions.burn = true;
    const bool facadeStatus = status == StatusCondition::Burn || status == StatusCondition::Poison ||
                              status == StatusCondition::BadPoison || status == StatusCondition::Paralysis;
    a.status = a.conditions.burn || facadeStatus || (a.ability == AbilityId::Guts && a.conditions.abilityActive);
    // What the state shows wakes the ability; the box forces what it does not (からげんき still
    // reads the status alone: a sleeping こんじょう does not double it).
    if (const std::optional<bool> woken = stateWakes(a.ability, side, a.conditions.burn)) {
        a.abilityForced = !*woken && a.conditions.abilityActive;
        a.conditions.abilityActive = a.conditions.abilityActive || *woken;
    }
    addStateStage(a, side.state);
    constexpr int kBothFoes = 2, kAllButSelf = 4;
    a.spread =
        a.conditions.doubleBattle && slot.row < kMoveRowCount && (a.target == kBothFoes || a.target == kAllButSelf);
    a.noFormula = !hasFormula(a) || (a.move != kNoMoveId && !moveExistsIn(a.move, gen));
    a.grounded =
        a.conditions.gravity && a.move != kNoMoveId && (moveBattleData(a.move, gen).flags & kMoveGravityBlocked);
    return a;
}

int defendingStatOf(const ExactAttack& attack) {
    return hitsDefence(attack) ? kDefence : kSpDefence;
}

int attackingStatOf(const ExactAttack& attack) {
    return attack.category == kPhysical ? kAttack : kSpAttack;
}

bool rollsDependOnHp(const ExactAttack& attack) {
    return attack.move == MoveId::SuperFang || attack.move == MoveId::Endeavor;
}

} // namespace rusrina
