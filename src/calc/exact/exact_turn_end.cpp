// The hazards and the end of turn, and the chance to knock out counted through them.

#include "calc/exact/exact_turn_end.h"

#include "calc/exact/exact_hit.h"
#include "data/held_items.h"
#include "data/items.h"
#include "data/types.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace rusrina {

using namespace damage;
using namespace exact;

namespace {

constexpr int kPoisonType = 3, kSteelType = 8, kIceType = 15;

// What the defender is as the end of turn reads it.
struct Holder {
    Generation gen;
    int maxHp;
    AbilityId ability;
    ItemId item; // the held item that acts, None when none does
    SpeciesTypes types;
    bool hasType(int t) const { return types.type1 == t || types.type2 == t; }
    bool magicGuard() const { return ability == AbilityId::MagicGuard; }
    // maxHp / divisor, at least 1, as a loss (negative) or a heal.
    int32_t part(int divisor, bool loss) const {
        const int32_t amount = std::max(1, maxHp / divisor);
        return loss ? -amount : amount;
    }
};

// The defender's held item that can act: none under ぶきよう or マジックルーム.
ItemId usableItem(const ExactAttack& a, const ExactSide& side) {
    const ItemId item = heldItemOfSide(side);
    if (!heldInTable(item) || heldItem(item).generation > static_cast<int>(a.options.generation))
        return ItemId::None;
    if (abilityIdOf(side.entry->ability) == AbilityId::Klutz || a.magicRoom)
        return ItemId::None;
    return item;
}

// Whether はたきおとす knocks the item off with its first hit (not against ねんちゃく): nothing acts at
// any end of turn, and the berry acts only if the hazards made it eat it before the hit.
bool knocksItemOff(const ExactAttack& a, const ExactSide& side) {
    return a.move == MoveId::KnockOff && abilityIn(*side.entry, a.options.generation) != AbilityId::StickyHold;
}

// The defender's types, マルチタイプ giving アルセウス its plate's.
SpeciesTypes typesOf(const ExactSide& side, Generation gen) {
    SpeciesTypes types = speciesTypesIn(side.entry->species, gen);
    const ItemId item = heldItemOfSide(side);
    if (side.entry->species == indexOf(SpeciesId::Arceus) && abilityIn(*side.entry, gen) == AbilityId::Multitype &&
        heldInTable(item) && heldItem(item).plateType != kNoItemType)
        types.type1 = types.type2 = heldItem(item).plateType;
    return types;
}

int weatherOf(const ExactAttack& a, const Holder& d) {
    const bool cancelled = a.ability == AbilityId::AirLock || a.ability == AbilityId::CloudNine ||
                           d.ability == AbilityId::AirLock || d.ability == AbilityId::CloudNine;
    return cancelled ? kWeatherNone : a.conditions.weather;
}

void addHazards(const ExactAttack& a, const Holder& d, const CombatantState& s, TurnEndPlan& plan) {
    if (!s.switchingIn || d.magicGuard())
        return;
    if (s.stealthRock) {
        const int effect = effectiveness(kRock, d.types.type1, d.types.type2); // in quarters
        plan.onEntry.push_back({TurnEndKind::StealthRock, -std::max(1, d.maxHp * effect / 32)});
    }
    const bool airborne = d.hasType(kFlying) || d.ability == AbilityId::Levitate || d.item == ItemId::AirBalloon;
    const bool grounded = !airborne || a.conditions.gravity || d.item == ItemId::IronBall;
    if (s.spikes > 0 && grounded) {
        constexpr int kDivisor[] = {0, 8, 6, 4};
        plan.onEntry.push_back({TurnEndKind::Spikes, d.part(kDivisor[std::min<int>(s.spikes, 3)], true)});
    }
}

void addWeather(int weather, const Holder& d, std::vector<TurnEndStep>& out) {
    const bool gen5 = d.gen == kGen5;
    if (weather == kWeatherSand) {
        const bool immune = d.hasType(kRock) || d.hasType(kGround) || d.hasType(kSteelType) || d.magicGuard() ||
                            d.ability == AbilityId::SandVeil ||
                            (gen5 && (d.ability == AbilityId::SandForce || d.ability == AbilityId::SandRush ||
                                      d.ability == AbilityId::Overcoat));
        if (!immune)
            out.push_back({TurnEndKind::Sandstorm, d.part(16, true)});
    } else if (weather == kWeatherHail) {
        if (d.ability == AbilityId::IceBody)
            out.push_back({TurnEndKind::IceBody, d.part(16, false)});
        else if (!d.hasType(kIceType) && !d.magicGuard() && d.ability != AbilityId::SnowCloak &&
                 !(gen5 && d.ability == AbilityId::Overcoat))
            out.push_back({TurnEndKind::Hail, d.part(16, true)});
    } else if (weather == kWeatherRain) {
        if (d.ability == AbilityId::DrySkin)
            out.push_back({TurnEndKind::DrySkin, d.part(8, false)});
        else if (d.ability == AbilityId::RainDish)
            out.push_back({TurnEndKind::RainDish, d.part(16, false)});
    } else if (weather == kWeatherSun) {
        if (d.ability == AbilityId::DrySkin && !d.magicGuard())
            out.push_back({TurnEndKind::DrySkin, d.part(8, true)});
        else if (d.ability == AbilityId::SolarPower)
            out.push_back({TurnEndKind::SolarPower, d.part(8, true)});
    }
}

void addEachTurn(int weather, const Holder& d, const CombatantState& s, TurnEndPlan& plan) {
    std::vector<TurnEndStep>& out = plan.eachTurn;
    addWeather(weather, d, out);
    if (d.item == ItemId::Leftovers)
        out.push_back({TurnEndKind::Leftovers, d.part(16, false)});
    else if (d.item == ItemId::BlackSludge && (d.hasType(kPoisonType) || !d.magicGuard()))
        out.push_back({TurnEndKind::BlackSludge, d.part(d.hasType(kPoisonType) ? 16 : 8, !d.hasType(kPoisonType))});
    // A くさ type cannot be seeded.
    if (s.seeded && !d.magicGuard() && !d.hasType(kGrass))
        out.push_back({TurnEndKind::LeechSeed, d.part(8, true)});
    const std::optional<StatusCondition> status = s.status;
    const bool poisoned = status == StatusCondition::Poison || status == StatusCondition::BadPoison;
    if (poisoned && d.ability == AbilityId::PoisonHeal) {
        out.push_back({TurnEndKind::PoisonHeal, d.part(8, false)});
    } else if (!d.magicGuard()) {
        if (status == StatusCondition::Poison)
            out.push_back({TurnEndKind::Poison, d.part(8, true)});
        else if (status == StatusCondition::BadPoison) {
            plan.toxicTurn = std::clamp<int>(s.toxicTurns, 1, kMostToxicTurns);
            out.push_back({TurnEndKind::Toxic, plan.toxicLoss(1)});
        } else if (status == StatusCondition::Burn)
            out.push_back({TurnEndKind::Burn, d.part(d.ability == AbilityId::Heatproof ? 16 : 8, true)});
    }
}

bool binds(MoveId move) {
    switch (move) {
    case MoveId::Bind:
    case MoveId::Wrap:
    case MoveId::Clamp:
    case MoveId::FireSpin:
    case MoveId::Whirlpool:
    case MoveId::SandTomb:
    case MoveId::MagmaStorm:
        return true;
    default:
        return false;
    }
}

// The attacker's binding move hurts the defender after everything else at the end of turn, in both
// generations.
void addBind(const ExactAttack& a, const Holder& d, TurnEndPlan& plan) {
    if (!binds(a.move) || d.magicGuard())
        return;
    const bool gen5 = d.gen == kGen5;
    plan.boundTurns = a.item == ItemId::GripClaw ? (gen5 ? 7 : 5) : (gen5 ? 4 : 2);
    plan.eachTurn.push_back({TurnEndKind::Bound, d.part(a.item == ItemId::BindingBand ? 8 : 16, true)});
}

} // namespace

int32_t TurnEndPlan::toxicLoss(int turn) const {
    const int n = std::min(toxicTurn + turn - 1, kMostToxicTurns);
    // Both generations take the sixteenth first (at least 1) and then n of it, so an HP off 16n
    // loses the remainder n times over, not once.
    return -std::max(1, maxHp / 16) * n;
}

std::vector<TurnEndStep> TurnEndPlan::steps() const {
    std::vector<TurnEndStep> all = onEntry;
    all.insert(all.end(), eachTurn.begin(), eachTurn.end());
    if (sitrus > 0)
        all.push_back({TurnEndKind::SitrusBerry, sitrus});
    return all;
}

TurnEndPlan turnEndPlan(const ExactAttack& a, const ExactSide& defender) {
    TurnEndPlan plan;
    if (!a.usable || !defender.entry)
        return plan;
    const Generation gen = a.options.generation;
    const BoxEntry& e = *defender.entry;
    const ItemId item = usableItem(a, defender);
    const bool knockedOff = knocksItemOff(a, defender);
    const Holder d{gen, e.stat[kHp], abilityIn(e, gen), knockedOff ? ItemId::None : item, typesOf(defender, gen)};
    plan.maxHp = d.maxHp;
    if (d.maxHp <= 0)
        return plan;
    addHazards(a, d, defender.state, plan);
    if (!a.field.countTurnEnd)
        return plan;
    addEachTurn(weatherOf(a, d), d, defender.state, plan);
    addBind(a, d, plan);
    // きんちょうかん keeps the berry uneaten.
    if (item == ItemId::SitrusBerry && !(gen == kGen5 && a.ability == AbilityId::Unnerve) &&
        !(knockedOff && plan.onEntry.empty())) {
        plan.sitrus = d.part(4, false);
        plan.sitrusOnEntryOnly = knockedOff;
    }
    return plan;
}

namespace {

// The HP of the defender as chances: layer[berry].p[hp], hp 1 … maxHp; berry 1 while オボンのみ is
// uneaten. Each layer keeps the range its chances lie in, so a step reads the HPs it can reach and
// no more: after a few hits they are a narrow band of a large HP.
struct HpLayer {
    std::vector<double> p;
    int32_t lo = std::numeric_limits<int32_t>::max(); // lo > hi: no chance left in the layer
    int32_t hi = 0;
};

struct HpChances {
    explicit HpChances(int32_t maxHp) : most(maxHp) {
        for (HpLayer& l : layer)
            l.p.assign(maxHp + 1, 0.0);
    }
    int32_t most;
    std::array<HpLayer, 2> layer;
    double knockedOut = 0.0; // the chance it has fallen so far
    bool fell = false;       // a way to fall was met (its chance may be too small to add)

    void add(int berry, int32_t hp, double chance) {
        if (chance == 0.0)
            return;
        HpLayer& l = layer[berry];
        l.p[hp] += chance;
        l.lo = std::min(l.lo, hp);
        l.hi = std::max(l.hi, hp);
    }
    bool alive() const { return layer[0].lo <= layer[0].hi || layer[1].lo <= layer[1].hi; }
    // Every chance back to none, the range it held cleared (what a step writes next goes here).
    void clear() {
        for (HpLayer& l : layer) {
            if (l.lo <= l.hi)
                std::fill(l.p.begin() + l.lo, l.p.begin() + l.hi + 1, 0.0);
            l.lo = std::numeric_limits<int32_t>::max();
            l.hi = 0;
        }
    }
    // Visits every HP with a chance: f(berry, hp, chance).
    template <typename F> void each(F f) const {
        for (int berry = 0; berry < 2; ++berry)
            for (int32_t h = layer[berry].lo; h <= layer[berry].hi; ++h)
                if (const double c = layer[berry].p[h]; c != 0.0)
                    f(berry, h, c);
    }
};

// The HP after a loss, the berry eaten when it brings it to half or less; 0 when it falls.
void lose(HpChances& to, int berry, int32_t hp, int32_t loss, int32_t sitrus, double chance) {
    const int32_t left = hp - loss;
    if (left <= 0) {
        to.knockedOut += chance;
        to.fell = true;
        return;
    }
    if (berry && 2 * left <= to.most)
        to.add(0, std::min(to.most, left + sitrus), chance);
    else
        to.add(berry, left, chance);
}

// One step from `hp` into `next` (cleared): the chances move, what has fallen stays fallen.
template <typename Move> void step(HpChances& hp, HpChances& next, Move move) {
    next.knockedOut = hp.knockedOut;
    next.fell = hp.fell;
    hp.each(move);
    hp.clear();
    std::swap(hp, next);
}

// A set amount changes every HP: a loss (which may knock out or call the berry) or a heal.
void applyStep(HpChances& hp, HpChances& next, int32_t amount, int32_t sitrus) {
    step(hp, next, [&](int berry, int32_t h, double c) {
        if (amount >= 0)
            next.add(berry, std::min(hp.most, h + amount), c);
        else
            lose(next, berry, h, -amount, sitrus, c);
    });
}

// One hit of 16 rolls (いかりのまえば: half of what is left).
void applyHit(HpChances& hp, HpChances& next, const ExactRolls& r, const RollSet& rolls, int32_t sitrus) {
    step(hp, next, [&](int berry, int32_t h, double c) {
        if (r.halvesHp) {
            lose(next, berry, h, std::max(1, h / 2), sitrus, c);
            return;
        }
        for (int32_t roll : rolls)
            lose(next, berry, h, roll, sitrus, c / kRollCount);
    });
}

void scaleInto(HpChances& to, const HpChances& from, double share, double knockedOutBefore) {
    from.each([&](int berry, int32_t h, double c) { to.add(berry, h, c * share); });
    to.knockedOut += (from.knockedOut - knockedOutBefore) * share;
    to.fell = to.fell || from.fell;
}

// One use: its one hit, or each outcome's hits in turn, mixed by the outcomes' chances.
void applyUse(HpChances& hp, HpChances& next, const ExactRolls& r, bool first, int32_t sitrus) {
    if (r.oneHit()) {
        applyHit(hp, next, r, r.rolls, sitrus);
        return;
    }
    const std::vector<UseOutcome>& use = first ? r.firstUse : r.laterUses();
    double total = 0.0;
    for (const UseOutcome& o : use)
        total += o.weight;
    HpChances mixed(hp.most);
    mixed.knockedOut = hp.knockedOut;
    mixed.fell = hp.fell;
    HpChances scratch(hp.most);
    for (const UseOutcome& o : use) {
        HpChances one = hp;
        for (int i = 0; i < o.hits; ++i)
            applyHit(one, scratch, r, r.sets[o.sets[i]].rolls, sitrus);
        scaleInto(mixed, one, o.weight / total, hp.knockedOut);
    }
    hp = std::move(mixed);
}

// The berry not eaten yet is gone: every HP keeps its value without it.
void dropBerry(HpChances& hp) {
    HpLayer& berry = hp.layer[1];
    for (int32_t h = berry.lo; h <= berry.hi; ++h) {
        hp.add(0, h, berry.p[h]);
        berry.p[h] = 0.0;
    }
    berry.lo = std::numeric_limits<int32_t>::max();
    berry.hi = 0;
}

double bounded(double chance, bool possible, bool certain) {
    if (certain)
        return 1.0;
    if (!possible)
        return 0.0;
    return std::clamp(chance, std::numeric_limits<double>::denorm_min(), std::nextafter(1.0, 0.0));
}

} // namespace

TurnEndSeries koSeries(const ExactRolls& r, const TurnEndPlan& plan, int mostUses, bool untilPossible) {
    TurnEndSeries series;
    const int32_t most = std::max(plan.maxHp, r.hp);
    if (!r.hits() || most <= 0)
        return series;
    HpChances hp(most), next(most);
    hp.add(plan.sitrus > 0 ? 1 : 0, std::clamp(r.hpLeft(), 1, most), 1.0);
    for (const TurnEndStep& s : plan.onEntry)
        applyStep(hp, next, s.amount, plan.sitrus);
    if (plan.sitrusOnEntryOnly)
        dropBerry(hp);
    for (int use = 1; use <= mostUses; ++use) {
        if (hp.alive()) {
            applyUse(hp, next, r, use == 1, plan.sitrus);
            for (const TurnEndStep& s : plan.eachTurn)
                if (s.kind != TurnEndKind::Bound || use <= plan.boundTurns)
                    applyStep(hp, next, s.kind == TurnEndKind::Toxic ? plan.toxicLoss(use) : s.amount, plan.sitrus);
        }
        const bool certain = !hp.alive();
        series.chance.push_back(bounded(hp.knockedOut, hp.fell, certain));
        if (certain) {
            series.certain = use;
            break;
        }
        if (untilPossible && series.chance.back() > 0.0)
            break;
    }
    return series;
}

KoChance koChanceOf(const TurnEndSeries& series) {
    for (size_t n = 0; n < series.chance.size(); ++n)
        if (series.chance[n] > 0.0)
            return {static_cast<int>(n) + 1, series.chance[n]};
    return {};
}

KoChance koChanceWith(const ExactRolls& rolls, const TurnEndPlan& plan) {
    return plan.empty() ? koChance(rolls) : koChanceOf(koSeries(rolls, plan, kMostTurnEndUses, true));
}

double koChanceWith(const ExactRolls& rolls, const TurnEndPlan& plan, int uses) {
    if (plan.empty())
        return koChanceIn(rolls, uses);
    const TurnEndSeries series = koSeries(rolls, plan, uses);
    if (series.chance.empty())
        return 0.0;
    return static_cast<int>(series.chance.size()) >= uses ? series.chance[uses - 1] : 1.0;
}

} // namespace rusrina
