#include "calc/box_tools/bulk_tuning.h"

#include "calc/hp_marks.h"
#include "calc/stats.h"
#include "data/species.h"

#include <algorithm>

namespace rusrina {
namespace {

using Stats = std::array<int, kStatCount>;

Stats statsWith(const BoxEntry& e) {
    Stats iv, ev;
    std::copy(std::begin(e.iv), std::end(e.iv), iv.begin());
    std::copy(std::begin(e.ev), std::end(e.ev), ev.begin());
    return computeEntryStats(e.species, iv, ev, e.level, e.nature);
}

bool dominates(const BulkSpread& a, const BulkSpread& b) {
    return a.hpEv <= b.hpEv && a.defenceEv <= b.defenceEv && a.spDefenceEv <= b.spDefenceEv &&
           (a.hpEv < b.hpEv || a.defenceEv < b.defenceEv || a.spDefenceEv < b.spDefenceEv);
}

} // namespace

bool survivesEnough(double chance, double least) {
    constexpr double kSlack = 1e-9; // a chance exactly at the threshold counts
    return least >= 1.0 ? chance >= 1.0 : chance >= least - kSlack;
}

BulkSearch::BulkSearch(const BulkQuery& query) : m_query(query) {
    const Combatant& d = m_query.scenario.defender;
    const bool validMark = m_query.hpMark >= -1 && m_query.hpMark < static_cast<int>(kHpMarks.size());
    if (!(m_query.least > 0.0 && m_query.least <= 1.0) || !validMark) {
        m_out.status = BulkStatus::BadQuery;
        return;
    }
    if (!d.entry || m_query.steps.empty())
        return;
    if (d.entry->statsDirect) {
        m_out.status = BulkStatus::TypedStats;
        return;
    }
    m_entry = *d.entry;
    m_query.scenario.defender.state = withHpShare(d.state, m_entry.stat[kHp]);
    int others = 0;
    for (int stat : {kAttack, kSpAttack, kSpeed})
        others += m_entry.ev[stat];
    m_out.budget = std::clamp(kMaxEvSum - others, 0, kMaxEvSum);
    m_hpSteps = std::min(kMaxUsefulEv, m_out.budget) / kEvStep + 1;
    // The sequence must be computable at all: tried once with the entry as it is.
    m_query.scenario.defender.entry = m_entry;
    const SequenceResult probe = computePlannedSequence(m_query.scenario, m_query.steps);
    if (probe.uses.empty() || probe.status == SequenceStatus::NotComputed || probe.status == SequenceStatus::OneHitKo) {
        m_out.status = BulkStatus::NotComputed;
        m_hpSteps = 0;
        return;
    }
    m_out.status = BulkStatus::NotFound;
}

double BulkSearch::survives(int h, int d, int s) {
    BoxEntry& e = m_entry;
    e.ev[kHp] = h * kEvStep;
    e.ev[kDefence] = d * kEvStep;
    e.ev[kSpDefence] = s * kEvStep;
    const Stats stats = statsWith(e);
    std::copy(stats.begin(), stats.end(), std::begin(e.stat));
    const auto key = std::tuple{stats[kHp], stats[kDefence], stats[kSpDefence]};
    if (const auto known = m_known.find(key); known != m_known.end())
        return known->second;
    m_query.scenario.defender.entry = e;
    const SequenceResult r = computePlannedSequence(m_query.scenario, m_query.steps);
    const double chance = r.uses.empty() ? 0.0 : 1.0 - r.uses.back().knockedOut;
    m_known.emplace(key, chance);
    return chance;
}

bool BulkSearch::stepFor(std::chrono::milliseconds slice) {
    const auto end = std::chrono::steady_clock::now() + slice;
    bool more = step();
    while (more && std::chrono::steady_clock::now() < end)
        more = step();
    return more;
}

bool BulkSearch::step() {
    if (m_hpStep >= m_hpSteps)
        return false;
    const int h = m_hpStep++;
    const int steps = m_out.budget / kEvStep;
    m_entry.ev[kHp] = h * kEvStep;
    const int hp = statsWith(m_entry)[kHp];
    // The same HP as one step less gives nothing that one did not; an HP off the mark is not asked for.
    const bool sameHp = hp == m_lastHp;
    m_lastHp = hp;
    if (sameHp || (m_query.hpMark >= 0 && !meetsHpMark(hp, kHpMarks[m_query.hpMark])))
        return m_hpStep < m_hpSteps;
    const auto meets = [&](double chance) { return survivesEnough(chance, m_query.least); };
    int s = kEvStepCount - 1;
    int lastDefence = -1;
    for (int d = 0; d < kEvStepCount; ++d) {
        const int room = steps - h - d;
        if (room < 0)
            break;
        s = std::min(s, room);
        m_entry.ev[kDefence] = d * kEvStep;
        const int defence = statsWith(m_entry)[kDefence];
        if (defence == lastDefence)
            continue;
        lastDefence = defence;
        if (!meets(survives(h, d, s)))
            continue;
        while (s > 0 && meets(survives(h, d, s - 1)))
            --s;
        const double chance = survives(h, d, s);
        const Stats stats = statsWith(m_entry);
        m_found.push_back(
            {h * kEvStep, d * kEvStep, s * kEvStep, stats[kHp], stats[kDefence], stats[kSpDefence], chance});
        if (s == 0)
            break; // more 防御 adds nothing but EVs
    }
    return m_hpStep < m_hpSteps;
}

BulkSpreads BulkSearch::result() const {
    BulkSpreads out = m_out;
    std::vector<BulkSpread> kept;
    for (const BulkSpread& a : m_found)
        if (std::none_of(m_found.begin(), m_found.end(), [&](const BulkSpread& b) { return dominates(b, a); }))
            kept.push_back(a);
    std::stable_sort(kept.begin(), kept.end(), [](const BulkSpread& a, const BulkSpread& b) {
        if (a.total() != b.total())
            return a.total() < b.total();
        return a.survives > b.survives;
    });
    if (kept.size() > static_cast<size_t>(kMostBulkSpreads))
        kept.resize(kMostBulkSpreads);
    if (!kept.empty())
        out.status = BulkStatus::Found;
    out.spreads = std::move(kept);
    return out;
}

BulkSpreads findBulkSpreads(const BulkQuery& query) {
    BulkSearch search(query);
    while (search.step()) {
    }
    return search.result();
}

} // namespace rusrina
