// What the one-on-one's chain reads of the exact engine (duel_model.h).

#include "calc/duel/duel_model.h"

#include "calc/battle/speed_inputs.h"
#include "calc/calculate.h"
#include "calc/exact/exact_hit.h"
#include "data/battle_data.h"
#include "data/held_items.h"
#include "data/moves.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace rusrina::duel {

using namespace exact;

namespace {

constexpr int kHealTen = 10;  // オレンのみ
constexpr int kPpUpsGive = 8; // three ポイントアップ: the PP × 8 / 5
constexpr int kPpUpsOf = 5;
constexpr int kClawOdds = 5; // せんせいのツメ: 1 turn in 5
constexpr int64_t kOrderDenominator = 2 * kClawOdds * kClawOdds;

template <class Id> bool oneOf(Id id, std::initializer_list<Id> ids) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

bool followsHp(MoveId m) {
    return oneOf(m, {MoveId::SuperFang, MoveId::Endeavor, MoveId::Eruption, MoveId::WaterSpout, MoveId::Flail,
                     MoveId::Reversal, MoveId::Brine, MoveId::WringOut, MoveId::CrushGrip, MoveId::FinalGambit,
                     MoveId::FalseSwipe});
}

// Moves whose power or success reads what the turn or the turns before hold, or that take or spend
// an item.
bool followsTurn(MoveId m) {
    return oneOf(m,
                 {MoveId::FakeOut,     MoveId::Payback,     MoveId::Revenge,     MoveId::Avalanche, MoveId::Assurance,
                  MoveId::EchoedVoice, MoveId::Round,       MoveId::FuryCutter,  MoveId::Rollout,   MoveId::IceBall,
                  MoveId::SpitUp,      MoveId::TrumpCard,   MoveId::Retaliate,   MoveId::Pursuit,   MoveId::FocusPunch,
                  MoveId::SuckerPunch, MoveId::FutureSight, MoveId::DoomDesire,  MoveId::Feint,     MoveId::LastResort,
                  MoveId::Snore,       MoveId::DreamEater,  MoveId::Uproar,      MoveId::Rage,      MoveId::Thief,
                  MoveId::Covet,       MoveId::Fling,       MoveId::NaturalGift, MoveId::Pluck,     MoveId::BugBite,
                  MoveId::Incinerate,  MoveId::SkyDrop,     MoveId::Bide,        MoveId::Counter,   MoveId::MirrorCoat,
                  MoveId::MetalBurst,  MoveId::Struggle,    MoveId::Synchronoise});
}

bool drains(MoveId m) {
    return oneOf(m, {MoveId::Absorb, MoveId::MegaDrain, MoveId::GigaDrain, MoveId::DrainPunch, MoveId::LeechLife,
                     MoveId::HornLeech});
}

bool changesOwnStages(MoveId m, uint32_t flags) {
    return (flags & kMoveLowersOwnAttackStat) ||
           oneOf(m, {MoveId::CloseCombat, MoveId::HammerArm, MoveId::VCreate, MoveId::Superpower, MoveId::ChargeBeam,
                     MoveId::FlameCharge});
}

bool contactHurts(AbilityId foe, ItemId foeItem) {
    return foeItem == ItemId::RockyHelmet ||
           oneOf(foe, {AbilityId::RoughSkin, AbilityId::IronBarbs, AbilityId::Static, AbilityId::FlameBody,
                       AbilityId::PoisonPoint, AbilityId::EffectSpore, AbilityId::CuteCharm, AbilityId::Mummy,
                       AbilityId::Pickpocket, AbilityId::Aftermath});
}

bool recorded(const ExactRecord& record, ExactRule rule) {
    return std::any_of(record.steps.begin(), record.steps.end(), [&](const ExactStep& s) { return s.rule == rule; });
}

int32_t absorbHealOf(const ExactRecord& record, int32_t maxHp) {
    for (const ExactStep& s : record.steps)
        if (s.rule == ExactRule::WaterAbsorb || s.rule == ExactRule::DrySkinImmunity ||
            (s.rule == ExactRule::VoltAbsorb && s.arg == indexOf(AbilityId::VoltAbsorb)))
            return std::max(1, maxHp / 4);
    return 0;
}

// The scenario as side `s` attacking: the sides swapped for the foe, the window's own boxes left out.
Scenario facing(Scenario s, int side) {
    s.assumed = {};
    s.critical = false;
    s.field.countTurnEnd = true;
    if (side == 1)
        std::swap(s.attacker, s.defender);
    for (Combatant* c : {&s.attacker, &s.defender}) {
        c->state.turn = {};
        c->state.switchingIn = false;
    }
    return s;
}

} // namespace

int32_t recoilOf(int32_t dealt, const SideModel& user, Generation gen) {
    if (user.recoilNumerator == 0 || dealt <= 0)
        return 0;
    const int64_t times = int64_t{dealt} * user.recoilNumerator;
    const int64_t amount = gen == kGen4 ? times / user.recoilDenominator
                                        : (2 * times + user.recoilDenominator) / (2 * user.recoilDenominator);
    return static_cast<int32_t>(std::max<int64_t>(1, amount));
}

int32_t drainOf(int32_t dealt, Generation gen) {
    if (dealt <= 0)
        return 0;
    return std::max(1, gen == kGen4 ? dealt / 2 : (dealt + 1) / 2);
}

DuelModel::DuelModel(const Scenario& given, const DamageSlot& first, const DamageSlot& second)
    : m_slots{first, second} {
    const Scenario s = toolScenario(given);
    m_gen = generationOf(s.mode);
    m_facing = {facing(s, 0), facing(s, 1)};
    m_switchingIn = {s.attacker.state.switchingIn, s.defender.state.switchingIn};
    if (!hasPair(s)) {
        m_refusal = {DuelRefusal::NoMove, DuelRefusal::NoMove};
        return;
    }
    for (int side = 0; side < 2; ++side) {
        const Combatant& c = m_facing[side].attacker;
        SideModel& m = m_sides[side];
        m.maxHp = c.entry->stat[kHp];
        m.startHp = c.state.hp ? hpNowOf(c.state, m.maxHp) : m.maxHp;
        const ExactSide self = exactSideOf(c);
        const ItemId item = heldItemOfSide(self);
        m.startsWithItem = heldInTable(item);
        const bool inert = !heldInTable(item) || abilityIn(*c.entry, m_gen) == AbilityId::Klutz ||
                           heldItem(item).generation > static_cast<int>(m_gen) || (m_gen == kGen5 && s.field.magicRoom);
        m.item = inert ? ItemKind::None : sequence::itemKindOf(item);
        m.itemHeal = m.item == ItemKind::HealQuarter  ? std::max(1, m.maxHp / 4)
                     : m.item == ItemKind::HealEighth ? std::max(1, m.maxHp / 8)
                                                      : kHealTen;
    }
    for (int side = 0; side < 2; ++side)
        check(side);
}

// Whether side s's move can be played, and what it does besides its hit.
void DuelModel::check(int s) {
    const ExactAttack a = attackOf(s, m_sides[s].startsWithItem, m_sides[s].startHp, false);
    m_sides[s].fullyParalysed = m_facing[s].attacker.state.status == StatusCondition::Paralysis;
    m_refusal[s] = moveRefusal(s, a);
    if (m_refusal[s] == DuelRefusal::None)
        m_refusal[s] = rollsRefusal(s, a);
    if (m_refusal[s] != DuelRefusal::None)
        return;
    takeEffects(s, a);
    noteLeftOut(s, a);
}

// What the move is, and the user's state, refuse: no move, a move the engine cannot compute, a
// sleeping user, a move that is not one damaging hit a turn.
DuelRefusal DuelModel::moveRefusal(int s, const ExactAttack& a) const {
    const bool direct = m_slots[s].row == kDirectRow;
    if (!direct && m_slots[s].move == NO_MOVE)
        return DuelRefusal::NoMove;
    if (!a.usable || a.noFormula || a.grounded)
        return DuelRefusal::NotComputed;
    const std::optional<StatusCondition> status = m_facing[s].attacker.state.status;
    if (status == StatusCondition::Sleep || status == StatusCondition::Freeze)
        return DuelRefusal::Asleep;
    if (a.category == kStatus)
        return DuelRefusal::NotDamaging;
    const MoveBattleData& data = moveBattleData(a.move, m_gen);
    if (data.flags & kMoveOneHitKo)
        return DuelRefusal::OneHitKo;
    if (data.maxHits > 1 || data.multiHit != 0)
        return DuelRefusal::SeveralHits;
    if (followsHp(a.move) || rollsDependOnHp(a))
        return DuelRefusal::FollowsHp;
    if (data.flags & (kMoveCharge | kMoveRecharge))
        return DuelRefusal::TwoTurns;
    if ((data.flags & kMoveSelfDestruct) || a.move == MoveId::Memento)
        return DuelRefusal::UserFaints;
    if (!direct && followsTurn(a.move))
        return DuelRefusal::FollowsTurn;
    return DuelRefusal::None;
}

// What the hit against the foe refuses: rolls the engine cannot give, or more than one set of them.
DuelRefusal DuelModel::rollsRefusal(int s, const ExactAttack& a) const {
    const int foe = 1 - s;
    const ExactRolls rolls = exactRolls(a, sideAt(foe, m_sides[foe].startsWithItem, m_sides[foe].maxHp));
    if (rolls.outcome == ExactRolls::Outcome::NotComputed || rolls.outcome == ExactRolls::Outcome::NoFormula ||
        rolls.outcome == ExactRolls::Outcome::CannotUse)
        return DuelRefusal::NotComputed;
    if (rolls.hits() && (!rolls.oneHit() || rolls.halvesHp))
        return DuelRefusal::SeveralHits;
    return DuelRefusal::None;
}

// What a use does besides its hit: recoil, draining, はたきおとす, the foe's がんじょう, きんちょうかん,
// and the PP it has.
void DuelModel::takeEffects(int s, const ExactAttack& a) {
    SideModel& m = m_sides[s];
    const int foe = 1 - s;
    const MoveBattleData& data = moveBattleData(a.move, m_gen);
    const AbilityId own = abilityIn(*m_facing[s].attacker.entry, m_gen);
    const AbilityId foeAbility = abilityIn(*m_facing[s].defender.entry, m_gen);
    const bool broken = breaksAbilities(a.ability);
    if (data.recoilNumerator > 0 && own != AbilityId::RockHead && own != AbilityId::MagicGuard) {
        m.recoilNumerator = data.recoilNumerator;
        m.recoilDenominator = data.recoilDenominator;
    }
    m.drains = drains(a.move);
    m.knocksOff = a.move == MoveId::KnockOff && !(foeAbility == AbilityId::StickyHold && !broken);
    m_sides[foe].sturdy = m_gen == kGen5 && foeAbility == AbilityId::Sturdy && !broken;
    m.blocksBerries = m_gen == kGen5 && own == AbilityId::Unnerve;
    m.pp = m_slots[s].row == kDirectRow ? 0 : moveRecord(a.move).pp * kPpUpsGive / kPpUpsOf;
}

// The notes on what the chain leaves out of this side's battle.
void DuelModel::noteLeftOut(int s, const ExactAttack& a) {
    const SideModel& m = m_sides[s];
    const MoveBattleData& data = moveBattleData(a.move, m_gen);
    const AbilityId own = abilityIn(*m_facing[s].attacker.entry, m_gen);
    const AbilityId foeAbility = abilityIn(*m_facing[s].defender.entry, m_gen);
    const ExactSide foeSide = sideAt(1 - s, m_sides[1 - s].startsWithItem, m_sides[1 - s].maxHp);
    if (data.flags & kMoveSecondaryEffect)
        m_notes |= kDuelNoteSecondaryEffects;
    if (changesOwnStages(a.move, data.flags))
        m_notes |= kDuelNoteOwnStages;
    if (oneOf(a.move, {MoveId::Outrage, MoveId::Thrash, MoveId::PetalDance}))
        m_notes |= kDuelNoteLockedMove;
    if (data.flags & kMoveCrash)
        m_notes |= kDuelNoteCrash;
    if ((data.flags & kMoveContact) && contactHurts(foeAbility, heldItemOfSide(foeSide)))
        m_notes |= kDuelNoteContact;
    if (m.drains && foeAbility == AbilityId::LiquidOoze)
        m_notes |= kDuelNoteLeechOoze;
    if (oneOf(m.item, {ItemKind::PinchDefence, ItemKind::PinchSpDefence, ItemKind::PinchOther}) ||
        heldItemOfSide(sideAt(s, true, m.maxHp)) == ItemId::CustapBerry)
        m_notes |= kDuelNotePinchBerry;
    if (m_facing[s].defender.state.seeded && own == AbilityId::LiquidOoze)
        m_notes |= kDuelNoteLeechOoze;
    if (oneOf(own, {AbilityId::SpeedBoost, AbilityId::Moody, AbilityId::Truant, AbilityId::SlowStart,
                    AbilityId::AngerPoint, AbilityId::Justified, AbilityId::Rattled, AbilityId::WeakArmor,
                    AbilityId::Intimidate, AbilityId::Download, AbilityId::ShedSkin, AbilityId::Hydration,
                    AbilityId::SapSipper, AbilityId::LightningRod, AbilityId::StormDrain, AbilityId::MotorDrive,
                    AbilityId::Harvest, AbilityId::Analytic}))
        m_notes |= kDuelNoteAbility;
}

ExactSide DuelModel::sideAt(int s, bool itemHeld, int32_t hp) const {
    ExactSide side = exactSideOf(m_facing[s].attacker);
    if (!itemHeld)
        side.heldItem = ItemId::None;
    side.state.hp = HpNow{hp, false};
    return side;
}

// The conditions the user attacks under: the scenario's, but for the window's own やけど and 特性発動.
// The battle state the side is prepared with (its status, the HP of the band) wakes its ability and
// burns it as the rows have it: もうか and its like at a third of the HP, よわき at half, こんじょう
// with any status, どくぼうそう with poison, ねつぼうそう with a burn.
BattleConditions DuelModel::conditionsFor(int user) const {
    BattleConditions c = conditionsOf(m_facing[user]);
    c.burn = false;
    c.abilityActive = false;
    return c;
}

ExactAttack DuelModel::attackOf(int user, bool userItem, int32_t userHp, bool critical) const {
    const Scenario& s = m_facing[user];
    ExactOptions options = exactOptionsOf(s);
    options.critical = critical;
    return prepareExactAttack(sideAt(user, userItem, userHp), m_slots[user], conditionsFor(user), options, s.field);
}

// Where the HP stands as far as a use reads it: the user's at full, above half, at half or less
// (よわき), at a third or less (もうか and its like); the foe's at full or not (マルチスケイル).
int DuelModel::bandOf(int s, int32_t hp, bool user) const {
    const int32_t most = m_sides[s].maxHp;
    if (hp >= most)
        return 0;
    if (!user)
        return 1;
    return 3 * hp <= most ? 3 : 2 * hp <= most ? 2 : 1;
}

UseModel DuelModel::buildUse(int user, bool userItem, bool foeItem, int32_t userHp, int32_t foeHp) const {
    UseModel m;
    const int foe = 1 - user;
    const ExactAttack a = attackOf(user, userItem, userHp, false);
    const ExactSide defender = sideAt(foe, foeItem, foeHp);
    ExactRecord record;
    const ExactRolls plain = exactRolls(a, defender, &record);
    if (!plain.hits()) {
        if (plain.outcome == ExactRolls::Outcome::Immune)
            m.absorbHeal = absorbHealOf(record, m_sides[foe].maxHp);
        return m;
    }
    const ExactRolls critical = exactRolls(attackOf(user, userItem, userHp, true), defender);
    m.damages = true;
    m.plain = distinct(plain.rolls);
    m.critical16 = distinct(critical.hits() ? critical.rolls : plain.rolls);
    const UseOdds odds = useOdds(a, defender);
    m.hit = odds.hit;
    m.critical = odds.critical;
    m.berryActs = recorded(record, ExactRule::ResistBerry);
    m.gemActs = recorded(record, ExactRule::Gem);
    const AbilityId own = abilityIn(*m_facing[user].attacker.entry, m_gen);
    const bool sheerForce =
        m_gen == kGen5 && own == AbilityId::SheerForce && (moveBattleData(a.move, m_gen).flags & kMoveSecondaryEffect);
    m.lifeOrb = a.item == ItemId::LifeOrb && own != AbilityId::MagicGuard && !sheerForce;
    return m;
}

const UseModel& DuelModel::use(int user, bool userItem, bool foeItem, int32_t userHp, int32_t foeHp) {
    const int userBand = bandOf(user, userHp, true), foeBand = bandOf(1 - user, foeHp, false);
    auto& slot = m_uses[{user, userItem, foeItem, userBand, foeBand}];
    if (!slot) // every HP of a band reads alike: the first to ask stands for them all
        slot = std::make_unique<UseModel>(buildUse(user, userItem, foeItem, userHp, foeHp));
    return *slot;
}

const TurnEndPlan& DuelModel::turnEnd(int s, bool itemHeld) {
    auto [at, added] = m_turnEnds.try_emplace({s, itemHeld});
    if (added) {
        // The plan of the side hit by its foe's move: the weather as both abilities leave it.
        const int foe = 1 - s;
        ExactAttack a = attackOf(foe, m_sides[foe].startsWithItem, m_sides[foe].maxHp, false);
        a.move = kNoMoveId; // はたきおとす's loss is the chain's
        ExactSide self = sideAt(s, itemHeld, m_sides[s].startHp);
        self.state.switchingIn = m_switchingIn[s];
        at->second = turnEndPlan(a, self);
    }
    return at->second;
}

const OrderModel& DuelModel::order(int turn, bool firstItem, bool secondItem) {
    constexpr int kSlowStartTurns = 5;
    const bool slowStart = turn <= kSlowStartTurns;
    auto [at, added] = m_orders.try_emplace({slowStart, firstItem, secondItem});
    if (!added)
        return at->second;
    std::array<SpeedSide, 2> sides;
    std::array<bool, 2> claw{};
    const std::array<bool, 2> held{firstItem, secondItem};
    for (int s = 0; s < 2; ++s) {
        sides[s] = speedSideOf(m_facing[s].attacker);
        sides[s].move = m_slots[s].row == kDirectRow ? kNoMoveId : moveIdOf(m_slots[s].move);
        sides[s].slowStartActive = slowStart;
        if (!held[s]) {
            sides[s].heldItem = ItemId::None;
            sides[s].itemUsedUp = m_sides[s].startsWithItem;
        }
        claw[s] = held[s] && sides[s].heldItem == ItemId::QuickClaw && m_sides[s].item != ItemKind::None;
    }
    const OrderResult r = turnOrder(sides[0], sides[1], speedFieldOf(m_facing[0]));
    OrderModel& out = at->second;
    // In twentieths … fiftieths: the base order, then each せんせいのツメ that acts on its own.
    const int64_t base = r.order == TurnOrder::First ? 2 : r.order == TurnOrder::Tie ? 1 : 0; // of 2
    int64_t first = base * kClawOdds * kClawOdds;
    if (r.reason != OrderReason::Priority) {
        const int64_t a = claw[0] ? 1 : 0, b = claw[1] ? 1 : 0; // of kClawOdds
        const int64_t both = a * b + (kClawOdds - a) * (kClawOdds - b);
        first = 2 * a * (kClawOdds - b) + base * both;
    }
    out.firstMovesFirst = {first, kOrderDenominator};
    const int speedA = actionSpeed(r.speed[0].speed, r.trickRoom), speedB = actionSpeed(r.speed[1].speed, r.trickRoom);
    out.endOfTurnFirst = speedA > speedB ? 0 : speedA < speedB ? 1 : 2;
    return out;
}

} // namespace rusrina::duel
