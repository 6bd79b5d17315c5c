// Several attacks in a row against one defender (exact_sequence.h): the chain in doubles, and what
// each use leaves, summed up for the views.

#include "calc/exact/exact_sequence.h"

#include "calc/exact/exact_sequence_chain.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace rusrina {

using namespace sequence;

namespace {

// A chance kept off 0 when it is possible and off 1 when it is not certain, however small the
// difference a double holds.
double bounded(double chance, bool possible, bool certain) {
    if (certain)
        return 1.0;
    if (!possible)
        return 0.0;
    return std::clamp(chance, std::numeric_limits<double>::denorm_min(), std::nextafter(1.0, 0.0));
}

// The chance that a hit use lands at least one critical hit.
double criticalShare(const UseModel& m, const UseOdds& odds) {
    const double c = odds.critical.value();
    double none = 0.0;
    for (const UseOutcome& o : m.outcomes)
        none += std::pow(1.0 - c, o.hits) * o.weight / m.totalWeight;
    return odds.hit.value() * (1.0 - none);
}

SequenceUseResult summary(const Chain<double>& chain, const SequenceModel& model, int step) {
    SequenceUseResult r;
    r.step = step;
    r.hp.assign(model.maxHp() + 1, 0.0);
    double alive = 0.0, gone = 0.0;
    std::map<int, double> defence, spDefence;
    for (const auto& s : chain.states()) {
        const DefenderCarry c = carryOf(s.key);
        double mass = 0.0;
        for (int32_t h = 1; h <= model.maxHp(); ++h) {
            r.hp[h] += s.hp[h];
            mass += s.hp[h];
        }
        alive += mass;
        if (!c.itemHeld)
            gone += mass;
        defence[c.defence] += mass;
        spDefence[c.spDefence] += mass;
    }
    const bool certain = chain.states().empty();
    r.knockedOut = bounded(chain.knockedOut(), chain.fell(), certain);
    r.itemGone = alive > 0.0 ? gone / alive : 0.0;
    r.missed = chain.missed();
    for (auto& [stage, mass] : defence)
        r.defence.emplace_back(stage, alive > 0.0 ? mass / alive : 0.0);
    for (auto& [stage, mass] : spDefence)
        r.spDefence.emplace_back(stage, alive > 0.0 ? mass / alive : 0.0);
    return r;
}

} // namespace

int sequenceUses(const SequenceInput& input) {
    int64_t uses = 0;
    for (const SequenceStep& s : input.steps)
        uses += std::max(0, s.uses);
    return static_cast<int>(std::min<int64_t>(uses, kMostSequenceUses + 1));
}

KoChance SequenceResult::firstKo() const {
    for (size_t n = 0; n < uses.size(); ++n)
        if (uses[n].knockedOut > 0.0)
            return {static_cast<int>(n) + 1, uses[n].knockedOut};
    return {};
}

SequenceResult computeSequence(const SequenceInput& input) {
    SequenceResult out;
    SequenceModel model(input);
    out.status = model.status();
    out.notes = model.notes();
    out.maxHp = model.maxHp();
    out.startHp = model.startHp();
    if (model.status() == SequenceStatus::Empty || model.status() == SequenceStatus::TooManyGems || model.maxHp() <= 0)
        return out;
    out.entry = model.turnEnd(0, true).onEntry;
    for (int s = 0; s < model.stepCount(); ++s)
        out.odds.push_back(model.odds(s, true));
    Chain<double> chain(model);
    chain.enter();
    for (int u = 0; u < model.useCount(); ++u) {
        const int step = model.stepOfUse(u);
        // What this use can land, from the defender as it stands before it (for the critical share).
        double critical = 0.0;
        if (!chain.states().empty()) {
            const auto& first = chain.states().front();
            const UseModel& m = model.use(step, first.key, model.maxHp());
            if (m.outcome == ExactRolls::Outcome::Damage)
                critical = criticalShare(m, model.odds(step, carryOf(first.key).itemHeld));
        }
        chain.play(u);
        out.uses.push_back(summary(chain, model, step));
        out.uses.back().critical = critical;
    }
    return out;
}

TurnEndSeries repeatedUseSeries(const ExactAttack& attack, const ExactSide& defender, int mostUses, int afterPossible) {
    SequenceInput input;
    input.steps.push_back({attack.attacker, attack.slot, std::clamp(mostUses, 0, kMostSequenceUses), 0});
    input.defender = defender;
    input.conditions = attack.conditions;
    input.options = attack.options;
    input.field = attack.field;
    input.countHitChances = true;
    SequenceModel model(input);
    TurnEndSeries out;
    if (model.status() != SequenceStatus::Computed || model.maxHp() <= 0)
        return out;
    Chain<double> chain(model);
    chain.enter();
    int pastPossible = -1;
    for (int u = 0; u < model.useCount() && pastPossible < afterPossible; ++u) {
        chain.play(u);
        const bool certain = chain.states().empty();
        out.chance.push_back(bounded(chain.knockedOut(), chain.fell(), certain));
        if (certain) {
            out.certain = u + 1;
            break;
        }
        if (chain.fell())
            ++pastPossible;
    }
    return out;
}

template class sequence::Chain<double>;

} // namespace rusrina
