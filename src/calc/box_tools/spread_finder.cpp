#include "calc/box_tools/spread_finder.h"

#include "calc/exact/exact_damage.h"
#include "calc/hp_marks.h"
#include "calc/stats.h"
#include "data/natures.h"

#include <algorithm>

namespace rusrina {
namespace {

using Stats = std::array<int, kStatCount>;

bool knownCreature(const BoxEntry& e) {
    return e.species >= 0 && e.species < kSpeciesCount && e.level >= 1 && e.level <= 100;
}

bool validQuery(const SpreadQuery& q) {
    return q.hits >= 1 && q.hits <= kMaxSpreadHits && q.percent >= 1 && q.percent <= kCertain && q.hpMark >= -1 &&
           q.hpMark < static_cast<int>(kHpMarks.size());
}

int loweredBy(int nature) {
    for (int stat = kAttack; stat < kStatCount; ++stat)
        if (natureMultiplier(nature, stat) == kLoweredFactor)
            return stat;
    return -1;
}

int natureWith(int raised, int lowered) {
    for (int nature = 0; nature < kNatureCount; ++nature)
        if (natureMultiplier(nature, raised) == kRaisedFactor && natureMultiplier(nature, lowered) == kLoweredFactor)
            return nature;
    return -1;
}

// The EVs left for the stats `first` and `second` beside the entry's other EVs, those freed aside.
int budgetBeside(const BoxEntry& e, int first, int second, const std::array<bool, kStatCount>& freed) {
    int others = 0;
    for (int stat = 0; stat < kStatCount; ++stat)
        if (stat != first && stat != second && !freed[stat])
            others += e.ev[stat];
    return std::clamp(kMaxEvSum - others, 0, kMaxEvSum);
}

// The entry's six stats as the edit form computes them, with its EVs and the given nature.
Stats statsOf(const BoxEntry& e) {
    Stats iv, ev;
    std::copy(std::begin(e.iv), std::end(e.iv), iv.begin());
    std::copy(std::begin(e.ev), std::end(e.ev), ev.begin());
    return computeEntryStats(e.species, iv, ev, e.level, e.nature);
}

void setStats(BoxEntry& e, const Stats& stats) {
    std::copy(stats.begin(), stats.end(), std::begin(e.stat));
}

// The status an outcome leaves the search with before any split is tried.
SpreadStatus blockingStatus(ExactRolls::Outcome outcome) {
    switch (outcome) {
    case ExactRolls::Outcome::Damage:
        return SpreadStatus::Found;
    case ExactRolls::Outcome::Immune:
        return SpreadStatus::Immune;
    default:
        return SpreadStatus::NoDamage;
    }
}

// The side a search changes: the scenario's, its HP given as a value taken as its share of the
// entry's HP so that it fits every spread tried, the EVs the search frees at 0.
Combatant searchedSide(const Combatant& c, const std::array<bool, kStatCount>& freed) {
    Combatant out = c;
    out.state = withHpShare(c.state, c.entry->stat[kHp]);
    for (int stat = 0; stat < kStatCount; ++stat)
        if (freed[stat])
            out.entry->ev[stat] = 0;
    return out;
}

// Whether the side's HP now is less than full: then what the hits need, and for some moves their
// rolls, follow each split's HP.
bool hpBelowFull(const CombatantState& s) {
    return s.hp && !(s.hp->isShare && s.hp->amount >= 100);
}

// For every HP step and defence step, the chance that the hits knock the defender out.
using KoGrid = std::array<std::array<double, kEvStepCount>, kEvStepCount>; // [hp step][defence step]

// Sets the defender's HP and defence EVs to the steps, and its stats to what they give.
void setSteps(BoxEntry& e, int stat, int h, int d) {
    e.ev[kHp] = h * kEvStep;
    e.ev[stat] = d * kEvStep;
    setStats(e, statsOf(e));
}

// One set of rolls per defence value, read against every HP: through the distribution of the sums
// when nothing counts beside the hits, else with each HP's own hazards and end of turn.
void fillByDefence(const ExactAttack& attack, Combatant defender, int stat, int hits, KoGrid& grid) {
    BoxEntry& e = *defender.entry;
    const ExactSide side = exactSideOf(defender);
    std::array<int, kEvStepCount> hp{};
    std::array<TurnEndPlan, kEvStepCount> plans;
    for (int h = 0; h < kEvStepCount; ++h) {
        setSteps(e, stat, h, 0);
        hp[h] = e.stat[kHp];
        plans[h] = turnEndPlan(attack, side);
    }
    int lastValue = -1;
    std::array<double, kEvStepCount> column{};
    for (int d = 0; d < kEvStepCount; ++d) {
        setSteps(e, stat, 0, d);
        if (e.stat[stat] != lastValue) {
            lastValue = e.stat[stat];
            ExactRolls rolls = exactRolls(attack, side);
            if (plans[0].empty()) {
                const HitSums sums(rolls, hits);
                for (int h = 0; h < kEvStepCount; ++h)
                    column[h] = sums.chanceAtLeast(hp[h]);
            } else {
                for (int h = 0; h < kEvStepCount; ++h) {
                    rolls.hp = hp[h];
                    column[h] = koChanceWith(rolls, plans[h], hits);
                }
            }
        }
        for (int h = 0; h < kEvStepCount; ++h)
            grid[h][d] = column[h];
    }
}

// Every cell on its own, for the moves whose rolls follow the HP and when each use may miss or
// land a critical hit.
void fillEveryCell(const ExactAttack& attack, Combatant defender, int stat, int hits, KoGrid& grid) {
    BoxEntry& e = *defender.entry;
    const ExactSide side = exactSideOf(defender);
    for (int h = 0; h < kEvStepCount; ++h) {
        for (int d = 0; d < kEvStepCount; ++d) {
            setSteps(e, stat, h, d);
            grid[h][d] = chanceInUses(attack, side, exactRolls(attack, side), turnEndPlan(attack, side), hits);
        }
    }
}

// The surviving splits within the budget that no other surviving split beats in both EVs: going
// up in HP, the first surviving defence of each HP step that is lower than every earlier one.
std::vector<DefenceSplit> paretoSplits(const KoGrid& grid, const SpreadQuery& q, BoxEntry defender, int stat,
                                       int budget) {
    std::vector<DefenceSplit> splits;
    int lowestDefence = kEvStepCount;
    for (int h = 0; h < kEvStepCount && h * kEvStep <= budget; ++h) {
        defender.ev[kHp] = h * kEvStep;
        if (q.hpMark >= 0 && !meetsHpMark(statsOf(defender)[kHp], kHpMarks[q.hpMark]))
            continue;
        for (int d = 0; d < lowestDefence && (h + d) * kEvStep <= budget; ++d) {
            if (!meetsCertainty(grid[h][d], q.percent, false))
                continue;
            defender.ev[kHp] = h * kEvStep;
            defender.ev[stat] = d * kEvStep;
            const Stats stats = statsOf(defender);
            splits.push_back({h * kEvStep, d * kEvStep, stats[kHp], stats[stat], grid[h][d]});
            lowestDefence = d;
            break;
        }
    }
    std::stable_sort(splits.begin(), splits.end(),
                     [](const DefenceSplit& a, const DefenceSplit& b) { return a.total() < b.total(); });
    return splits;
}

} // namespace

int bestNatureFor(const BoxEntry& entry, int stat) {
    if (natureMultiplier(entry.nature, stat) == kRaisedFactor || stat <= kHp || stat >= kStatCount)
        return entry.nature;
    int lowered = loweredBy(entry.nature);
    if (lowered < 0 || lowered == stat) {
        if (stat == kAttack || stat == kSpAttack)
            lowered = stat == kAttack ? kSpAttack : kAttack;
        else if (knownCreature(entry))
            lowered =
                speciesRecord(entry.species).baseStats[kAttack] < speciesRecord(entry.species).baseStats[kSpAttack]
                    ? kAttack
                    : kSpAttack;
        else
            lowered = kSpAttack;
    }
    return natureWith(stat, lowered);
}

std::array<bool, kStatCount> freedStats(const SpreadQuery& q, int first, int second) {
    std::array<bool, kStatCount> freed{};
    for (int stat = 0; stat < kStatCount; ++stat)
        freed[stat] = q.freeOtherEvs && !q.keptEvs[stat] && stat != first && stat != second;
    return freed;
}

bool meetsCertainty(double koChance, int percent, bool knockOut) {
    constexpr double kSlack = 1e-9; // a chance exactly at the threshold counts
    const double wished = knockOut ? koChance : 1.0 - koChance;
    if (percent >= kCertain)
        return wished >= 1.0;
    return wished * 100.0 >= percent - kSlack;
}

Scenario scenarioWithSpread(const SpreadQuery& q, const BoxEntry& entry, bool defenderSearched) {
    Scenario s = toolScenario(q.scenario);
    Combatant& side = defenderSearched ? s.defender : s.attacker;
    if (side.entry)
        side = searchedSide(side, {});
    side.entry = entry;
    return s;
}

DefenceSpreads findDefenceSpreads(const SpreadQuery& q) {
    DefenceSpreads out;
    const Scenario s = toolScenario(q.scenario);
    if (!hasPair(s)) {
        out.status = validQuery(q) ? SpreadStatus::NoDamage : SpreadStatus::BadQuery;
        return out;
    }
    const ExactAttack attack = exactAttackOf(s, exactSideOf(s.attacker), q.slot);
    out.stat = defendingStatOf(attack);
    out.hitChances = s.field.countHitChances;
    out.nature = s.defender.entry->nature;
    if (!validQuery(q)) {
        out.status = SpreadStatus::BadQuery;
        return out;
    }
    if (!knownCreature(*s.defender.entry) || !attack.usable || attack.noFormula)
        return out;
    if (s.defender.entry->statsDirect) {
        out.status = SpreadStatus::TypedStats;
        return out;
    }
    out.freed = freedStats(q, kHp, out.stat);
    out.budget = budgetBeside(*s.defender.entry, kHp, out.stat, out.freed);
    Combatant defender = searchedSide(s.defender, out.freed);
    BoxEntry& entry = *defender.entry;
    out.nature = entry.nature = q.nature == SpreadNature::Best ? bestNatureFor(entry, out.stat) : entry.nature;
    setSteps(entry, out.stat, 0, 0);
    out.status = blockingStatus(exactRolls(attack, exactSideOf(defender)).outcome);
    if (out.status == SpreadStatus::Immune)
        out.splits.push_back({0, 0, entry.stat[kHp], entry.stat[out.stat], 0.0});
    if (out.status != SpreadStatus::Found)
        return out;
    KoGrid grid;
    if (rollsDependOnHp(attack) || hpBelowFull(defender.state) || attack.field.countHitChances)
        fillEveryCell(attack, defender, out.stat, q.hits, grid);
    else
        fillByDefence(attack, defender, out.stat, q.hits, grid);
    out.splits = paretoSplits(grid, q, entry, out.stat, out.budget);
    if (out.splits.empty())
        out.status = SpreadStatus::NotFound;
    return out;
}

OffenceSpread findOffenceSpread(const SpreadQuery& q) {
    OffenceSpread out;
    const Scenario s = toolScenario(q.scenario);
    if (!hasPair(s)) {
        out.status = validQuery(q) ? SpreadStatus::NoDamage : SpreadStatus::BadQuery;
        return out;
    }
    const ExactSide defender = exactSideOf(s.defender);
    const ExactAttack probe = exactAttackOf(s, exactSideOf(s.attacker), q.slot);
    out.stat = attackingStatOf(probe);
    out.hitChances = s.field.countHitChances;
    out.nature = s.attacker.entry->nature;
    if (!validQuery(q)) {
        out.status = SpreadStatus::BadQuery;
        return out;
    }
    if (!knownCreature(*s.attacker.entry) || !probe.usable || probe.noFormula)
        return out;
    if (s.attacker.entry->statsDirect) {
        out.status = SpreadStatus::TypedStats;
        return out;
    }
    out.freed = freedStats(q, out.stat, out.stat);
    out.budget = budgetBeside(*s.attacker.entry, out.stat, out.stat, out.freed);
    Combatant attacker = searchedSide(s.attacker, out.freed);
    BoxEntry& entry = *attacker.entry;
    out.nature = entry.nature = q.nature == SpreadNature::Best ? bestNatureFor(entry, out.stat) : entry.nature;
    const ExactSide side = exactSideOf(attacker);
    out.status = SpreadStatus::NotFound;
    int lastValue = -1;
    for (int ev = 0; ev <= std::min(kMaxUsefulEv, out.budget); ev += kEvStep) {
        entry.ev[out.stat] = ev;
        setStats(entry, statsOf(entry));
        if (entry.stat[out.stat] == lastValue)
            continue; // the same stat as one step less, which fell short
        lastValue = entry.stat[out.stat];
        const ExactAttack attack = exactAttackOf(s, side, q.slot);
        const ExactRolls rolls = exactRolls(attack, defender);
        if (rolls.outcome != ExactRolls::Outcome::Damage) {
            out.status = blockingStatus(rolls.outcome);
            return out;
        }
        out.ev = ev;
        out.value = entry.stat[out.stat];
        out.chance = chanceInUses(attack, defender, rolls, turnEndPlan(attack, defender), q.hits);
        if (meetsCertainty(out.chance, q.percent, true)) {
            out.status = SpreadStatus::Found;
            return out;
        }
    }
    return out;
}

} // namespace rusrina
