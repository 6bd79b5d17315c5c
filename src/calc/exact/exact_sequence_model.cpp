// What the sequence's chain reads of the exact engine (exact_sequence_model.h).

#include "calc/exact/exact_sequence_model.h"

#include "calc/exact/exact_hit.h"
#include "data/battle_data.h"
#include "data/held_items.h"
#include "data/items.h"

#include <algorithm>

namespace rusrina::sequence {

using namespace damage;
using namespace exact;

namespace {

constexpr int kHealTen = 10; // オレンのみ

// Key layout: bit 0 the item held, bits 1-4 and 5-8 the defence and special defence stages + 6,
// bits 9-11 and 12-14 the attacker's own lowered attack and special attack, bits 15-16 the pinch
// boosts of the use under way, bits 32-63 the gems spent.
constexpr int kDefenceShift = 1, kSpDefenceShift = 5, kDropShift = 9, kSpDropShift = 12, kBoostShift = 15,
              kGemShift = 32;

bool recorded(const ExactRecord& record, ExactRule rule) {
    return std::any_of(record.steps.begin(), record.steps.end(), [&](const ExactStep& s) { return s.rule == rule; });
}

int absorbHealOf(const ExactRecord& record, int maxHp) {
    for (const ExactStep& s : record.steps) {
        const bool heals = s.rule == ExactRule::WaterAbsorb || s.rule == ExactRule::DrySkinImmunity ||
                           (s.rule == ExactRule::VoltAbsorb && s.arg == indexOf(AbilityId::VoltAbsorb));
        if (heals)
            return std::max(1, maxHp / 4);
    }
    return 0;
}

} // namespace

DistinctRolls distinct(const RollSet& rolls) {
    RollSet sorted = rolls;
    std::sort(sorted.begin(), sorted.end());
    DistinctRolls out;
    for (int32_t r : sorted) {
        if (!out.empty() && out.back().value == r)
            ++out.back().count;
        else
            out.push_back({r, 1});
    }
    return out;
}

ItemKind itemKindOf(ItemId item) {
    switch (item) {
    case ItemId::None:
        return ItemKind::None;
    case ItemId::SitrusBerry:
        return ItemKind::HealQuarter;
    case ItemId::OranBerry:
        return ItemKind::HealTen;
    case ItemId::GanlonBerry:
        return ItemKind::PinchDefence;
    case ItemId::ApicotBerry:
        return ItemKind::PinchSpDefence;
    case ItemId::LiechiBerry:
    case ItemId::SalacBerry:
    case ItemId::PetayaBerry:
        return ItemKind::PinchOther;
    case ItemId::FocusSash:
        return ItemKind::FocusSash;
    case ItemId::AirBalloon:
        return ItemKind::AirBalloon;
    default: // フィラのみ … イアのみ stand together in the table
        return item >= ItemId::FigyBerry && item <= ItemId::IapapaBerry ? ItemKind::HealEighth : ItemKind::Other;
    }
}

Key packKey(const DefenderCarry& c, bool boostedDefence, bool boostedSpDefence) {
    return Key{c.itemHeld} | Key(c.defence + kMaxStage) << kDefenceShift |
           Key(c.spDefence + kMaxStage) << kSpDefenceShift | Key(-c.attackDrop) << kDropShift |
           Key(-c.spAttackDrop) << kSpDropShift | Key{boostedDefence} << kBoostShift |
           Key{boostedSpDefence} << (kBoostShift + 1) | Key{c.gemsSpent} << kGemShift;
}

DefenderCarry carryOf(Key k) {
    DefenderCarry c;
    c.itemHeld = k & 1;
    c.defence = static_cast<int8_t>(((k >> kDefenceShift) & 15) - kMaxStage);
    c.spDefence = static_cast<int8_t>(((k >> kSpDefenceShift) & 15) - kMaxStage);
    c.attackDrop = static_cast<int8_t>(-static_cast<int>((k >> kDropShift) & 7));
    c.spAttackDrop = static_cast<int8_t>(-static_cast<int>((k >> kSpDropShift) & 7));
    c.gemsSpent = static_cast<uint32_t>(k >> kGemShift);
    return c;
}

bool boostedDefence(Key k) {
    return (k >> kBoostShift) & 1;
}

bool boostedSpDefence(Key k) {
    return (k >> (kBoostShift + 1)) & 1;
}

Key withoutBoosts(Key k) {
    return k & ~(Key{3} << kBoostShift);
}

SequenceModel::SequenceModel(const SequenceInput& input) : m_input(input) {
    const ExactSide& d = m_input.defender;
    if (!d.entry) {
        m_status = SequenceStatus::NotComputed;
        return;
    }
    const Generation gen = m_input.options.generation;
    m_maxHp = d.entry->stat[kHp];
    const std::optional<int> hpNow = hpNowOf(d);
    m_startHp = hpNow ? std::clamp<int32_t>(*hpNow, 1, m_maxHp) : m_maxHp;
    const ItemId item = heldItemOfSide(d);
    const bool inert = !heldInTable(item) || abilityIn(*d.entry, gen) == AbilityId::Klutz ||
                       heldItem(item).generation > static_cast<int>(gen) || (gen == kGen5 && m_input.field.magicRoom);
    m_item = inert ? ItemKind::None : itemKindOf(item);
    m_itemHeal = m_item == ItemKind::HealQuarter  ? std::max(1, m_maxHp / 4)
                 : m_item == ItemKind::HealEighth ? std::max(1, m_maxHp / 8)
                                                  : kHealTen;
    m_gluttony = abilityIn(*d.entry, gen) == AbilityId::Gluttony;
    DefenderCarry carry;
    carry.itemHeld = heldInTable(item);
    const int window = kNeutralStage - conditionsWithinRange(m_input.conditions).defenceStage;
    carry.defence = static_cast<int8_t>(std::clamp(window + d.state.stages[kStageDefence], -kMaxStage, kMaxStage));
    carry.spDefence = static_cast<int8_t>(std::clamp(window + d.state.stages[kStageSpDefence], -kMaxStage, kMaxStage));
    m_startKey = packKey(carry);
    setUpSteps();
}

void SequenceModel::setUpSteps() {
    const Generation gen = m_input.options.generation;
    std::vector<int> gemHolders;
    int uses = 0;
    for (const SequenceStep& s : m_input.steps) {
        StepModel m;
        m.attackerId = s.attackerId;
        const ExactAttack a =
            prepareExactAttack(s.attacker, s.slot, m_input.conditions, m_input.options, m_input.field);
        const ItemId item = a.usable ? heldItemOfSide(s.attacker) : ItemId::None;
        if (heldInTable(item) && heldItem(item).boostKind == kBoostGem && a.item == item) {
            auto at = std::find(gemHolders.begin(), gemHolders.end(), s.attackerId);
            if (at == gemHolders.end() && gemHolders.size() >= kMostSequenceAttackers)
                m_status = SequenceStatus::TooManyGems;
            else {
                if (at == gemHolders.end())
                    at = gemHolders.insert(gemHolders.end(), s.attackerId);
                m.gemBit = static_cast<int>(at - gemHolders.begin());
            }
        }
        const MoveBattleData& data = moveBattleData(a.move, gen);
        if (a.usable && a.move != kNoMoveId) {
            m.selfDrop = (data.flags & kMoveLowersOwnAttackStat) ? (a.move == MoveId::Superpower ? 1 : 2) : 0;
            if (data.flags & kMoveOneHitKo)
                m_status = SequenceStatus::OneHitKo;
            if (data.flags & kMoveSecondaryEffect)
                m_notes |= kNoteSecondaryEffects;
            if (data.recoilNumerator > 0 || a.item == ItemId::LifeOrb)
                m_notes |= kNoteRecoil;
            if (data.multiHit == kTripleKick && m_input.countHitChances)
                m_notes |= kNoteTripleKick;
        }
        m.attackStage = a.category == kPhysical ? kStageAttack : kStageSpAttack;
        const AbilityId defAbility = abilityIn(*m_input.defender.entry, gen);
        const bool broken = breaksAbilities(a.ability);
        m.knocksOff = a.move == MoveId::KnockOff && !(defAbility == AbilityId::StickyHold && !broken);
        m.weakArmor = gen == kGen5 && defAbility == AbilityId::WeakArmor && !broken && defendingStatOf(a) == kDefence;
        m.sturdy = gen == kGen5 && defAbility == AbilityId::Sturdy && !broken;
        m.berriesBlocked = gen == kGen5 && a.ability == AbilityId::Unnerve;
        const bool eachHp = (rollsDependOnHp(a) && a.move != MoveId::SuperFang) || a.move == MoveId::WringOut ||
                            a.move == MoveId::CrushGrip;
        m.hpBand = eachHp ? 2 : a.move == MoveId::Brine ? 1 : 0;
        if (!a.usable && m_status == SequenceStatus::Computed)
            m_status = SequenceStatus::NotComputed;
        m_steps.push_back(m);
        for (int u = 0; u < std::max(0, s.uses) && uses < kMostSequenceUses; ++u, ++uses)
            m_uses.push_back(static_cast<int>(m_steps.size()) - 1);
        // The steps past the last use counted are not looked at: a list of any length costs no more
        // than its first kMostSequenceUses uses.
        if (s.uses > 0 && uses >= kMostSequenceUses) {
            if (sequenceUses(m_input) > kMostSequenceUses)
                m_status = SequenceStatus::Cut;
            break;
        }
    }
    if (m_uses.empty())
        m_status = SequenceStatus::Empty;
}

int SequenceModel::bandOf(int step, int32_t hp) const {
    switch (m_steps[step].hpBand) {
    case 1:
        return hp >= m_maxHp ? 0 : 2 * hp <= m_maxHp ? 2 : 1;
    case 2:
        return hp;
    default:
        return hp >= m_maxHp ? 0 : 1;
    }
}

ExactSide SequenceModel::attackerFor(int step, Key key) const {
    ExactSide side = m_input.steps[step].attacker;
    const StepModel& m = m_steps[step];
    const DefenderCarry c = carryOf(key);
    if (m.gemBit >= 0 && (c.gemsSpent >> m.gemBit & 1))
        side.heldItem = ItemId::None;
    for (const auto& [stat, drop] :
         {std::pair{kStageAttack, c.attackDrop}, std::pair{kStageSpAttack, c.spAttackDrop}}) {
        int8_t& stage = side.state.stages[stat];
        stage = static_cast<int8_t>(std::clamp(stage + drop, -kMaxStage, kMaxStage));
    }
    return side;
}

ExactSide SequenceModel::defenderFor(Key key, int32_t hp) const {
    ExactSide side = m_input.defender;
    const DefenderCarry c = carryOf(key);
    if (!c.itemHeld)
        side.heldItem = ItemId::None;
    const int window = kNeutralStage - conditionsWithinRange(m_input.conditions).defenceStage;
    const int def = std::clamp(c.defence + boostedDefence(key), -kMaxStage, kMaxStage);
    const int spDef = std::clamp(c.spDefence + boostedSpDefence(key), -kMaxStage, kMaxStage);
    side.state.stages[kStageDefence] = static_cast<int8_t>(def - window);
    side.state.stages[kStageSpDefence] = static_cast<int8_t>(spDef - window);
    side.state.hp = HpNow{hp, false};
    return side;
}

ExactAttack SequenceModel::attackFor(int step, Key key, bool critical) const {
    ExactOptions options = m_input.options;
    options.critical = critical;
    return prepareExactAttack(attackerFor(step, key), m_input.steps[step].slot, m_input.conditions, options,
                              m_input.field);
}

UseModel SequenceModel::buildUse(int step, Key key, int32_t hp) const {
    UseModel m;
    const ExactSide defender = defenderFor(key, hp);
    ExactRecord record;
    const ExactRolls plain = exactRolls(attackFor(step, key, false), defender, &record);
    m.outcome = plain.outcome;
    if (plain.outcome == ExactRolls::Outcome::Immune)
        m.absorbHeal = absorbHealOf(record, m_maxHp);
    if (!plain.hits())
        return m;
    const ExactRolls critical = exactRolls(attackFor(step, key, true), defender);
    m.halvesHp = plain.halvesHp;
    m.berryActs = recorded(record, ExactRule::ResistBerry);
    m.gemActs = recorded(record, ExactRule::Gem);
    const bool sameShape = critical.hits() && critical.sets.size() == plain.sets.size();
    if (plain.oneHit()) {
        m.outcomes = {UseOutcome{}};
        m.plain = {distinct(plain.rolls)};
        m.critical = {distinct(critical.hits() ? critical.rolls : plain.rolls)};
    } else {
        m.outcomes = plain.firstUse;
        m.totalWeight = 0;
        for (const UseOutcome& o : m.outcomes)
            m.totalWeight += o.weight;
        for (size_t i = 0; i < plain.sets.size(); ++i) {
            m.plain.push_back(distinct(plain.sets[i].rolls));
            m.critical.push_back(distinct(sameShape ? critical.sets[i].rolls : plain.sets[i].rolls));
        }
    }
    return m;
}

const UseModel& SequenceModel::use(int step, Key start, int32_t hp) {
    const int band = bandOf(step, hp);
    // Only what the step's use reads: its own attacker's gem, not the others'.
    const StepModel& s = m_steps[step];
    const bool ownGemSpent = s.gemBit >= 0 && ((start >> (kGemShift + s.gemBit)) & 1);
    const Key cacheKey = (start & ((Key{1} << kGemShift) - 1)) | (Key{ownGemSpent} << kGemShift);
    auto& slot = m_useModels[{step, cacheKey, band}];
    if (!slot) {
        const int32_t hpOfBand = band == 0                    ? m_maxHp
                                 : s.hpBand == 2              ? hp
                                 : s.hpBand == 1 && band == 2 ? m_maxHp / 2
                                                              : m_maxHp - 1;
        slot = std::make_unique<UseModel>(buildUse(step, start, std::max<int32_t>(1, hpOfBand)));
    }
    return *slot;
}

const UseOdds& SequenceModel::odds(int step, bool itemHeld) {
    auto [at, added] = m_odds.try_emplace({step, itemHeld});
    if (added) {
        DefenderCarry c = carryOf(m_startKey);
        c.itemHeld = itemHeld;
        if (m_input.countHitChances) {
            at->second = useOdds(attackFor(step, m_startKey, false), defenderFor(packKey(c), m_startHp));
        } else {
            at->second.hit = {1, 1};
            at->second.critical = {m_input.options.critical ? 1 : 0, 1};
        }
    }
    return at->second;
}

const TurnEndPlan& SequenceModel::turnEnd(int step, bool itemHeld) {
    auto [at, added] = m_turnEnds.try_emplace({step, itemHeld});
    if (added) {
        ExactAttack a = attackFor(step, m_startKey, false);
        a.move = kNoMoveId; // はたきおとす's loss of the item is the carry's, not the plan's
        DefenderCarry c = carryOf(m_startKey);
        c.itemHeld = itemHeld;
        at->second = turnEndPlan(a, defenderFor(packKey(c), m_startHp));
    }
    return at->second;
}

} // namespace rusrina::sequence
