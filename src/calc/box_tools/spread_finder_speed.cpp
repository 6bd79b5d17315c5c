#include "calc/box_tools/spread_finder_speed.h"

#include "calc/battle/speed_inputs.h"
#include "calc/calculate.h"
#include "calc/stats.h"
#include "data/natures.h"
#include "data/species.h"

#include <algorithm>

namespace rusrina {
namespace {

constexpr int kMaxIv = 31;

int natureWith(int raised, int lowered) {
    for (int nature = 0; nature < kNatureCount; ++nature)
        if (natureMultiplier(nature, raised) == kRaisedFactor && natureMultiplier(nature, lowered) == kLoweredFactor)
            return nature;
    return -1;
}

int neutralNature() {
    for (int nature = 0; nature < kNatureCount; ++nature)
        if (natureMultiplier(nature, kSpeed) == kNeutralFactor && natureMultiplier(nature, kAttack) == kNeutralFactor &&
            natureMultiplier(nature, kDefence) == kNeutralFactor &&
            natureMultiplier(nature, kSpAttack) == kNeutralFactor)
            return nature;
    return 0;
}

int statMovedBy(int nature, int factor) {
    for (int stat = kAttack; stat < kStatCount; ++stat)
        if (natureMultiplier(nature, stat) == factor)
            return stat;
    return -1;
}

bool knownSpecies(int species) {
    return species >= 0 && species < kSpeciesCount;
}

// The attacking stat the species uses less: the one a nature may lower (or raise, under
// トリックルーム, the one it uses more) at no cost.
int spareAttackingStat(int species, bool used) {
    if (!knownSpecies(species))
        return used ? kAttack : kSpAttack;
    const bool physical = speciesRecord(species).baseStats[kAttack] >= speciesRecord(species).baseStats[kSpAttack];
    return (physical == used) ? kAttack : kSpAttack;
}

int speedStat(const BoxEntry& e, int ev, int nature) {
    if (!knownSpecies(e.species))
        return 0;
    return computeStat(speciesRecord(e.species).baseStats[kSpeed], e.iv[kSpeed], ev, e.level,
                       natureMultiplier(nature, kSpeed));
}

int speedBudget(const BoxEntry& e, const std::array<bool, kStatCount>& freed) {
    int others = 0;
    for (int stat = 0; stat < kStatCount; ++stat)
        if (stat != kSpeed && !freed[stat])
            others += e.ev[stat];
    const int left = std::clamp(kMaxEvSum - others, 0, kMaxUsefulEv);
    return left - left % kEvStep;
}

} // namespace

int benchmarkSpeedStat(int species, int level, SpeedBenchmark benchmark) {
    if (!knownSpecies(species))
        return 0;
    const int base = speciesRecord(species).baseStats[kSpeed];
    switch (benchmark) {
    case SpeedBenchmark::Fastest:
        return computeStat(base, kMaxIv, kMaxUsefulEv, level, kRaisedFactor);
    case SpeedBenchmark::Neutral:
        return computeStat(base, kMaxIv, kMaxUsefulEv, level, kNeutralFactor);
    case SpeedBenchmark::Uninvested:
        return computeStat(base, kMaxIv, 0, level, kNeutralFactor);
    case SpeedBenchmark::Slowest:
        return computeStat(base, 0, 0, level, kLoweredFactor);
    }
    return 0;
}

int bestSpeedNature(const BoxEntry& entry, bool trickRoom) {
    const int wanted = trickRoom ? kLoweredFactor : kRaisedFactor;
    if (natureMultiplier(entry.nature, kSpeed) == wanted)
        return entry.nature;
    // The other side of the nature: what it lowers (raises, under トリックルーム) stays so.
    int other = statMovedBy(entry.nature, trickRoom ? kRaisedFactor : kLoweredFactor);
    if (other < 0 || other == kSpeed)
        other = spareAttackingStat(entry.species, trickRoom);
    const int nature = trickRoom ? natureWith(other, kSpeed) : natureWith(kSpeed, other);
    return nature >= 0 ? nature : neutralNature();
}

SpeedTuningQuery speedTuningQueryOf(const Scenario& given, bool defenderTuned, SpreadNature nature) {
    const Scenario s = toolScenario(given);
    const Combatant& own = defenderTuned ? s.defender : s.attacker;
    const Combatant& other = defenderTuned ? s.attacker : s.defender;
    SpeedTuningQuery q;
    q.entry = *own.entry;
    q.own = speedSideOf(own);
    q.other = speedSideOf(other);
    q.field = speedFieldOf(s);
    q.nature = nature;
    return q;
}

SpeedTuning findSpeedTuning(const SpeedTuningQuery& q) {
    if (q.nature == SpreadNature::Best) {
        // A nature change is proposed only where the entry's own nature cannot do it.
        SpeedTuningQuery own = q;
        own.nature = SpreadNature::Keep;
        if (SpeedTuning kept = findSpeedTuning(own); kept.status != SpeedTuningStatus::NotFound)
            return kept;
    }
    SpeedTuning out;
    out.trickRoom = q.field.trickRoom;
    out.freed = q.freed;
    out.freed[kSpeed] = false;
    out.nature = q.nature == SpreadNature::Best ? bestSpeedNature(q.entry, out.trickRoom) : q.entry.nature;
    out.budget = speedBudget(q.entry, out.freed);
    if (q.entry.statsDirect != 0 || !knownSpecies(q.entry.species)) {
        out.status = SpeedTuningStatus::TypedStats;
        return out;
    }
    SpeedSide own = q.own;
    own.species = q.entry.species;
    const auto orderWith = [&](int ev) {
        own.stat = speedStat(q.entry, ev, out.nature);
        return turnOrder(own, q.other, q.field);
    };
    const OrderResult first = orderWith(0);
    out.otherSpeed = first.speed[1].speed;
    if (first.reason == OrderReason::Priority || first.reason == OrderReason::LastInBracket) {
        out.status = SpeedTuningStatus::OrderWithoutSpeed;
        out.order = first.order;
        out.stat = own.stat;
        out.speed = first.speed[0].speed;
        return out;
    }
    // Speed grows with the EVs, so the orders come in one sweep: without トリックルーム the first EVs
    // that move first, under it the last (the slower moves first there).
    int firstFit = -1, lastFit = -1;
    for (int ev = 0; ev <= out.budget; ev += kEvStep) {
        const TurnOrder order = orderWith(ev).order;
        if (order == TurnOrder::Tie && out.tieEv < 0)
            out.tieEv = ev;
        if (order == TurnOrder::First) {
            firstFit = firstFit < 0 ? ev : firstFit;
            lastFit = ev;
            if (!out.trickRoom)
                break;
        } else if (out.trickRoom && order == TurnOrder::Second) {
            break;
        }
    }
    const int chosen = out.trickRoom ? lastFit : firstFit;
    out.status = chosen >= 0 ? SpeedTuningStatus::Found : SpeedTuningStatus::NotFound;
    // Not found: how close the EVs come, with all of them (none under トリックルーム).
    out.ev = chosen >= 0 ? chosen : out.trickRoom ? 0 : out.budget;
    const OrderResult r = orderWith(out.ev);
    out.stat = own.stat;
    out.speed = r.speed[0].speed;
    out.order = r.order;
    return out;
}

SpeedTuning findSpeedTuningAgainst(SpeedTuningQuery query, int species, int level, SpeedBenchmark benchmark) {
    query.other.species = species;
    query.other.stat = benchmarkSpeedStat(species, level, benchmark);
    return findSpeedTuning(query);
}

} // namespace rusrina
