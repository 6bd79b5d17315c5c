// Moves of several hits: how many hits a use lands and with what chance, and the hits after the
// first, computed again where they deal otherwise: トリプルキック's power grows with each hit, what
// only the very first hit gets (マルチスケイル at full HP, a resist berry) is gone after it, and what
// the first use spends (a gem, which boosts each of its hits) is gone from the uses after it.

#include "calc/exact/exact_generations.h"

#include "data/battle_data.h"

#include <algorithm>
#include <vector>

namespace rusrina::exact {

namespace {

// The chances of 2, 3, 4 and 5 hits: 3/8, 3/8, 1/8, 1/8 in the 4th generation, 35, 35, 15 and 15 %
// from the 5th.
constexpr uint16_t kGen4Weights[] = {3, 3, 1, 1};
constexpr uint16_t kGen5Weights[] = {7, 7, 3, 3};

const MoveBattleData* multiHitData(const Hit& h) {
    if (h.a.move == kNoMoveId)
        return nullptr;
    const MoveBattleData& m = moveBattleData(h.a.move, h.gen);
    const bool several = m.multiHit == kTwoToFiveHits || m.multiHit == kFixedHits || m.multiHit == kTripleKick;
    return several ? &m : nullptr;
}

// The hit counts a use can land, each with its weight.
struct Counts {
    int fewest = 1;
    int most = 1;
    const uint16_t* weights = nullptr; // from fewest on; null: one count
};

Counts countsOf(const Hit& h, const MoveBattleData& m) {
    if (m.multiHit != kTwoToFiveHits)
        return {m.maxHits, m.maxHits, nullptr};
    if (h.a.ability == AbilityId::SkillLink)
        return {m.maxHits, m.maxHits, nullptr};
    return {2, 5, h.gen4() ? kGen4Weights : kGen5Weights};
}

// A hit other than the very first: `number` within its use, in the first use or a later one.
struct LaterHit {
    int number;
    int power;
    bool laterUse;
    bool alone; // a hit whose power no other hit has (トリプルキック), or that meets a defence no
                // other hit meets (くだけるよろい)
};

class HitSets {
public:
    HitSets(Hit& first, const Hit& before) : m_first(first), m_before(before) {
        m_first.out.sets.push_back({m_first.out.rolls, before.power});
    }

    // The roll set a hit deals, computed once for each power in the first use and in later ones; a
    // hit that deals what an earlier set does shares it, and only a new set's steps go into the record.
    uint8_t setOf(const LaterHit& later) {
        for (const Known& k : m_known)
            if (k.power == later.power && k.laterUse == later.laterUse && !later.alone)
                return k.set;
        Hit hit = m_before;
        hit.hitNumber = later.number;
        hit.laterUse = later.laterUse;
        hit.power = later.power;
        ExactRecord steps;
        hit.record = m_first.record ? &steps : nullptr;
        if (changedColour(hit))
            resolveEffectiveness(hit);
        computeHit(hit);
        std::vector<HitRolls>& sets = m_first.out.sets;
        const auto same = std::find_if(sets.begin(), sets.end(), [&](const HitRolls& s) {
            return s.rolls == hit.out.rolls && s.power == later.power;
        });
        const auto set = static_cast<uint8_t>(same - sets.begin());
        if (same == sets.end()) {
            sets.push_back({hit.out.rolls, later.power});
            m_first.add(ExactStep{.rule = ExactRule::LaterHit,
                                  .before = later.laterUse ? 1 : 0,
                                  .after = later.alone ? later.number + 1 : 0,
                                  .arg = later.number + 1,
                                  .arg2 = later.power});
            if (m_first.record)
                m_first.record->steps.insert(m_first.record->steps.end(), steps.steps.begin(), steps.steps.end());
        }
        m_known.push_back({later.power, later.laterUse, set});
        return set;
    }

private:
    struct Known {
        int power;
        bool laterUse;
        uint8_t set;
    };
    Hit& m_first;
    const Hit& m_before;
    std::vector<Known> m_known;
};

int powerOfHit(const Hit& before, const MoveBattleData& m, int number) {
    return m.multiHit == kTripleKick ? before.power * (number + 1) : before.power;
}

} // namespace

bool landsSeveralHits(const Hit& h) {
    return multiHitData(h) != nullptr;
}

void recordHitCount(const Hit& h) {
    const MoveBattleData* m = multiHitData(h);
    if (!m || !h.record)
        return;
    const Counts counts = countsOf(h, *m);
    if (m->multiHit == kTwoToFiveHits && h.a.ability == AbilityId::SkillLink)
        h.add(ExactRule::SkillLink);
    h.add(ExactStep{.rule = ExactRule::HitCount, .arg = counts.fewest, .arg2 = counts.most});
}

void addLaterHits(Hit& h, const Hit& before) {
    const MoveBattleData* m = multiHitData(h);
    if (!m)
        return;
    const Counts counts = countsOf(h, *m);
    HitSets sets(h, before);
    std::array<uint8_t, kMostHitsPerUse> firstUse{}, laterUse{};
    const bool eachAlone = m->multiHit == kTripleKick || weakArmorActs(h);
    for (int n = 1; n < counts.most; ++n)
        firstUse[n] = sets.setOf({n, powerOfHit(before, *m, n), false, eachAlone});
    for (int n = 0; n < counts.most; ++n)
        laterUse[n] = sets.setOf({n, powerOfHit(before, *m, n), true, eachAlone || n == 0});
    const bool usesAlike = firstUse == laterUse;
    for (int k = counts.fewest; k <= counts.most; ++k) {
        const uint16_t weight = counts.weights ? counts.weights[k - counts.fewest] : 1;
        h.out.firstUse.push_back({weight, static_cast<uint8_t>(k), firstUse, static_cast<int16_t>(k)});
        if (!usesAlike)
            h.out.laterUse.push_back({weight, static_cast<uint8_t>(k), laterUse, static_cast<int16_t>(k)});
    }
}

} // namespace rusrina::exact
