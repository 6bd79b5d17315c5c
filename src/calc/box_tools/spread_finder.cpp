#include "calc/box_tools/spread_finder.h"

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
    return q.hits >= 1 && q.hits <= kMaxSpreadHits && q.percent >= 1 && q.percent <= kCertain;
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

// A side of the query with its battle state; the entry must outlive it.
ExactSide sideOf(const BoxEntry& e, const SideState& state) {
    ExactSide side(e);
    applySideState(side, state);
    return side;
}

ExactAttack attackOf(const SpreadQuery& q, const BoxEntry& attacker) {
    return prepareExactAttack(sideOf(attacker, q.state.attacker), q.slot, q.conditions, q.options, q.state.field);
}

// Whether the defender's HP now is less than full: then what the hits need, and for some moves
// their rolls, follow each split's HP.
bool hpBelowFull(const SideState& s) {
    return !(s.hpIsShare && s.hp >= 100);
}

// For every HP step and defence step, the chance that the hits knock the defender out.
using KoGrid = std::array<std::array<double, kEvStepCount>, kEvStepCount>; // [hp step][defence step]

// The HP of every HP step; the nature and the other EVs do not change it.
std::array<int, kEvStepCount> hpSteps(BoxEntry defender) {
    std::array<int, kEvStepCount> hp{};
    for (int h = 0; h < kEvStepCount; ++h) {
        defender.ev[kHp] = h * kEvStep;
        hp[h] = statsOf(defender)[kHp];
    }
    return hp;
}

// One set of rolls per defence value, read against every HP through the distribution of the sums.
void fillByDefence(const ExactAttack& attack, BoxEntry defender, const SideState& state, int stat, int hits,
                   KoGrid& grid) {
    const std::array<int, kEvStepCount> hp = hpSteps(defender);
    int lastValue = -1;
    std::array<double, kEvStepCount> column{};
    for (int d = 0; d < kEvStepCount; ++d) {
        defender.ev[stat] = d * kEvStep;
        const Stats stats = statsOf(defender);
        if (stats[stat] != lastValue) {
            lastValue = stats[stat];
            setStats(defender, stats);
            const HitSums sums(exactRolls(attack, sideOf(defender, state)), hits);
            for (int h = 0; h < kEvStepCount; ++h)
                column[h] = sums.chanceAtLeast(hp[h]);
        }
        for (int h = 0; h < kEvStepCount; ++h)
            grid[h][d] = column[h];
    }
}

// Every cell on its own, for the moves whose rolls follow the HP.
void fillEveryCell(const ExactAttack& attack, BoxEntry defender, const SideState& state, int stat, int hits,
                   KoGrid& grid) {
    for (int h = 0; h < kEvStepCount; ++h) {
        for (int d = 0; d < kEvStepCount; ++d) {
            defender.ev[kHp] = h * kEvStep;
            defender.ev[stat] = d * kEvStep;
            setStats(defender, statsOf(defender));
            const ExactRolls rolls = exactRolls(attack, sideOf(defender, state));
            grid[h][d] = koChanceIn(rolls, hits);
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

DefenceSpreads findDefenceSpreads(const SpreadQuery& q) {
    DefenceSpreads out;
    const ExactAttack attack = attackOf(q, q.attacker);
    out.stat = defendingStatOf(attack);
    if (!validQuery(q)) {
        out.status = SpreadStatus::BadQuery;
        return out;
    }
    BoxEntry defender = q.defender;
    out.nature = defender.nature;
    if (!knownCreature(defender) || !attack.usable || attack.noFormula)
        return out;
    if (defender.statsDirect) {
        out.status = SpreadStatus::TypedStats;
        return out;
    }
    out.nature = defender.nature = q.nature == SpreadNature::Best ? bestNatureFor(defender, out.stat) : defender.nature;
    out.freed = freedStats(q, kHp, out.stat);
    out.budget = budgetBeside(defender, kHp, out.stat, out.freed);
    defender.ev[kHp] = defender.ev[out.stat] = 0;
    setStats(defender, statsOf(defender));
    out.status = blockingStatus(exactRolls(attack, sideOf(defender, q.state.defender)).outcome);
    if (out.status == SpreadStatus::Immune)
        out.splits.push_back({0, 0, defender.stat[kHp], defender.stat[out.stat], 0.0});
    if (out.status != SpreadStatus::Found)
        return out;
    KoGrid grid;
    if (rollsDependOnHp(attack) || hpBelowFull(q.state.defender))
        fillEveryCell(attack, defender, q.state.defender, out.stat, q.hits, grid);
    else
        fillByDefence(attack, defender, q.state.defender, out.stat, q.hits, grid);
    out.splits = paretoSplits(grid, q, defender, out.stat, out.budget);
    if (out.splits.empty())
        out.status = SpreadStatus::NotFound;
    return out;
}

OffenceSpread findOffenceSpread(const SpreadQuery& q) {
    OffenceSpread out;
    BoxEntry attacker = q.attacker;
    const ExactAttack probe = attackOf(q, attacker);
    out.stat = attackingStatOf(probe);
    out.nature = attacker.nature;
    if (!validQuery(q)) {
        out.status = SpreadStatus::BadQuery;
        return out;
    }
    if (!knownCreature(attacker) || !probe.usable || probe.noFormula)
        return out;
    if (attacker.statsDirect) {
        out.status = SpreadStatus::TypedStats;
        return out;
    }
    out.nature = attacker.nature = q.nature == SpreadNature::Best ? bestNatureFor(attacker, out.stat) : attacker.nature;
    out.freed = freedStats(q, out.stat, out.stat);
    out.budget = budgetBeside(attacker, out.stat, out.stat, out.freed);
    out.status = SpreadStatus::NotFound;
    int lastValue = -1;
    for (int ev = 0; ev <= std::min(kMaxUsefulEv, out.budget); ev += kEvStep) {
        attacker.ev[out.stat] = ev;
        const Stats stats = statsOf(attacker);
        if (stats[out.stat] == lastValue)
            continue; // the same stat as one step less, which fell short
        lastValue = stats[out.stat];
        setStats(attacker, stats);
        const ExactRolls rolls = exactRolls(attackOf(q, attacker), sideOf(q.defender, q.state.defender));
        if (rolls.outcome != ExactRolls::Outcome::Damage) {
            out.status = blockingStatus(rolls.outcome);
            return out;
        }
        out.ev = ev;
        out.value = stats[out.stat];
        out.chance = koChanceIn(rolls, q.hits);
        if (meetsCertainty(out.chance, q.percent, true)) {
            out.status = SpreadStatus::Found;
            return out;
        }
    }
    return out;
}

} // namespace rusrina
