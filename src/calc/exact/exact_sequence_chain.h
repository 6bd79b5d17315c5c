#pragma once
// The sequence's chain over the defender's HP and what it carries, for any probability type P with
// +, * and / (double in the program, an exact fraction in the tests). Internal to
// exact_sequence.cpp and the tests that check it against an enumeration of every outcome.
//
// The defender's state is (what it carries, its HP); each use takes every state through the miss
// and the hit, each hit through its 16 rolls, plain and critical, then the end of turn through its
// steps in order. A hit or a loss that takes the HP to 0 knocks it out; a heal never lifts it past
// its maximum; a berry is eaten the moment the HP falls to where it acts.

#include "calc/exact/exact_sequence_model.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace rusrina::sequence {

template <class P> class Chain {
public:
    struct State {
        Key key;
        std::vector<P> hp; // [h], h = 1 … maxHp; [0] unused
    };

    explicit Chain(SequenceModel& model) : m_model(model), m_max(model.maxHp()), m_knockedOut(0), m_missed(0) {
        State start{model.startKey(), std::vector<P>(m_max + 1, P(0))};
        start.hp[std::clamp<int32_t>(model.startHp(), 1, m_max)] = P(1);
        m_states.push_back(std::move(start));
    }

    // The hazards as it comes in, before the first use.
    void enter() {
        if (m_model.useCount() == 0)
            return;
        for (const TurnEndStep& s : m_model.turnEnd(0, true).onEntry)
            changeEveryHp(s.amount, m_model.step(0));
        changeEveryHp(0, m_model.step(0)); // a berry the HP it starts with calls
    }

    // Use `use` (0 …): the attacker in front changes if it must, its move is used, the end of turn runs.
    void play(int use) {
        const int s = m_model.stepOfUse(use);
        const StepModel& step = m_model.step(s);
        if (use > 0 && m_model.step(m_model.stepOfUse(use - 1)).attackerId != step.attackerId)
            replaceAttacker(step);
        m_missed = P(0);
        std::vector<State> next;
        for (const State& state : m_states)
            useFrom(state, s, step, next);
        m_states = std::move(next);
        if (m_model.countTurnEnd())
            turnEnd(use, s, step);
    }

    const P& knockedOut() const { return m_knockedOut; }
    bool fell() const { return m_fell; }
    const P& missed() const { return m_missed; }
    const std::vector<State>& states() const { return m_states; }

private:
    static void addTo(std::vector<State>& into, Key key, int32_t h, const P& p, int32_t max) {
        for (State& s : into)
            if (s.key == key) {
                s.hp[h] += p;
                return;
            }
        into.push_back({key, std::vector<P>(max + 1, P(0))});
        into.back().hp[h] += p;
    }

    void knockOut(const P& p) {
        m_knockedOut += p;
        m_fell = true;
    }

    // A berry acts when the HP is where it acts, unless the attacker in front has きんちょうかん. A
    // pinch berry eaten during a use raises the stage the use's later hits meet.
    void eatBerry(DefenderCarry& c, int32_t& h, bool& boostDef, bool& boostSpDef, const StepModel& step) const {
        if (!c.itemHeld || step.berriesBlocked)
            return;
        const bool half = 2 * h <= m_max, quarter = 4 * h <= m_max;
        const bool pinch = quarter || (m_model.gluttony() && half);
        switch (m_model.item()) {
        case ItemKind::HealQuarter:
        case ItemKind::HealEighth:
        case ItemKind::HealTen:
            if (half) {
                h = std::min(m_max, h + m_model.itemHeal());
                c.itemHeld = false;
            }
            break;
        case ItemKind::PinchDefence:
        case ItemKind::PinchSpDefence:
        case ItemKind::PinchOther:
            if (pinch) {
                c.itemHeld = false;
                int8_t& stage = m_model.item() == ItemKind::PinchDefence ? c.defence : c.spDefence;
                if (m_model.item() != ItemKind::PinchOther && stage < kHighestStage) {
                    ++stage;
                    (m_model.item() == ItemKind::PinchDefence ? boostDef : boostSpDef) = true;
                }
            }
            break;
        default:
            break;
        }
    }

    void replaceAttacker(const StepModel& step) {
        std::vector<State> next;
        for (const State& s : m_states) {
            DefenderCarry c = carryOf(s.key);
            c.attackDrop = c.spAttackDrop = 0;
            for (int32_t h = 1; h <= m_max; ++h)
                if (s.hp[h] != P(0))
                    addTo(next, packKey(c), h, s.hp[h], m_max);
        }
        m_states = std::move(next);
        // The attacker that leaves may have kept a berry from being eaten.
        changeEveryHp(0, step);
    }

    // A set change of every HP: a loss (which may knock out, or bring a berry on) or a heal.
    void changeEveryHp(int32_t amount, const StepModel& step) {
        std::vector<State> next;
        for (const State& s : m_states)
            for (int32_t h = 1; h <= m_max; ++h) {
                if (s.hp[h] == P(0))
                    continue;
                int32_t left = amount >= 0 ? std::min(m_max, h + amount) : h + amount;
                if (left <= 0) {
                    knockOut(s.hp[h]);
                    continue;
                }
                DefenderCarry c = carryOf(s.key);
                bool unused = false, unused2 = false;
                if (amount <= 0)
                    eatBerry(c, left, unused, unused2, step);
                addTo(next, packKey(c), left, s.hp[h], m_max);
            }
        m_states = std::move(next);
    }

    void turnEnd(int use, int s, const StepModel& step) {
        // The plan follows the held item: たべのこし and くろいヘドロ act only while it is there.
        std::vector<State> all = std::move(m_states);
        std::vector<State> done;
        for (bool held : {true, false}) {
            m_states.clear();
            for (const State& st : all)
                if (carryOf(st.key).itemHeld == held)
                    m_states.push_back(st);
            const TurnEndPlan& plan = m_model.turnEnd(s, held);
            for (const TurnEndStep& e : plan.eachTurn)
                changeEveryHp(e.kind == TurnEndKind::Toxic ? plan.toxicLoss(use + 1) : e.amount, step);
            for (State& st : m_states)
                for (int32_t h = 1; h <= m_max; ++h)
                    if (st.hp[h] != P(0))
                        addTo(done, st.key, h, st.hp[h], m_max);
        }
        m_states = std::move(done);
    }

    // One use from one state: immune, missed, or each outcome's hits in turn.
    void useFrom(const State& state, int s, const StepModel& step, std::vector<State>& next) {
        int32_t first = 1;
        while (first < m_max && state.hp[first] == P(0))
            ++first;
        const UseModel& model = m_model.use(s, state.key, first);
        if (model.outcome != ExactRolls::Outcome::Damage) {
            // Immune (ちょすい and its like heal), or a move that deals nothing: no accuracy check.
            for (int32_t h = 1; h <= m_max; ++h)
                if (state.hp[h] != P(0))
                    addTo(next, state.key, std::min(m_max, h + model.absorbHeal), state.hp[h], m_max);
            return;
        }
        const UseOdds& odds = m_model.odds(s, carryOf(state.key).itemHeld);
        const P hit = P(odds.hit.numerator) / P(odds.hit.denominator);
        const P miss = P(1) - hit;
        const P critical = P(odds.critical.numerator) / P(odds.critical.denominator);
        std::vector<State> running{state};
        if (!odds.hit.certain()) {
            if (!odds.eachHitChecks) {
                addScaled(next, running, miss, false, step);
                scale(running, hit);
            }
            for (int32_t h = 1; h <= m_max; ++h)
                m_missed += state.hp[h] * miss;
        }
        for (const UseOutcome& o : model.outcomes) {
            std::vector<State> t = running;
            scale(t, P(o.weight) / P(model.totalWeight));
            for (int i = 0; i < o.hits; ++i) {
                if (odds.eachHitChecks && !odds.hit.certain()) {
                    addScaled(next, t, miss, i > 0, step);
                    scale(t, hit);
                }
                t = hitOnce(t, state.key, s, step, o.sets[i], i, critical);
            }
            addScaled(next, t, P(1), true, step);
        }
    }

    static void scale(std::vector<State>& states, const P& by) {
        for (State& s : states)
            for (P& p : s.hp)
                if (p != P(0))
                    p *= by;
    }

    // The end of a use: the pinch boosts go into the stages for good, the attacker's own stage falls
    // when its move hit.
    void addScaled(std::vector<State>& into, const std::vector<State>& from, const P& by, bool landed,
                   const StepModel& step) const {
        for (const State& s : from) {
            DefenderCarry c = carryOf(s.key);
            if (landed && step.selfDrop > 0) {
                int8_t& drop = step.attackStage == kStageAttack ? c.attackDrop : c.spAttackDrop;
                drop = static_cast<int8_t>(std::max<int>(kLowestStage, drop - step.selfDrop));
            }
            const Key key = packKey(c);
            for (int32_t h = 1; h <= m_max; ++h)
                if (s.hp[h] != P(0))
                    addTo(into, key, h, s.hp[h] * by, m_max);
        }
    }

    std::vector<State> hitOnce(const std::vector<State>& from, Key start, int s, const StepModel& step, int set,
                               int index, const P& critical) {
        std::vector<State> out;
        const P plainShare = (P(1) - critical) / P(kRollCount), criticalShare = critical / P(kRollCount);
        for (const State& st : from) {
            const Key modelKey = withoutBoosts(start) | (st.key & ~withoutBoosts(st.key));
            for (int32_t h = 1; h <= m_max; ++h) {
                if (st.hp[h] == P(0))
                    continue;
                // Only the first hit of a use can meet the defender at full HP.
                const UseModel& m = m_model.use(s, modelKey, index == 0 ? h : std::max(1, std::min(h, m_max - 1)));
                if (m.halvesHp) {
                    land(out, st.key, h, std::max(1, h / 2), st.hp[h], index, m, step);
                    continue;
                }
                if (set >= static_cast<int>(m.plain.size()))
                    continue;
                if (critical != P(1))
                    for (const RollCount& r : m.plain[set])
                        land(out, st.key, h, r.value, st.hp[h] * plainShare * P(r.count), index, m, step);
                if (critical != P(0))
                    for (const RollCount& r : m.critical[set])
                        land(out, st.key, h, r.value, st.hp[h] * criticalShare * P(r.count), index, m, step);
            }
        }
        return out;
    }

    // What one hit of `damage` does from `h`: きあいのタスキ and がんじょう at full HP, the berry, the
    // gem and ふうせん the hit uses up, くだけるよろい, はたきおとす, then a berry the new HP calls.
    void land(std::vector<State>& out, Key key, int32_t h, int32_t damage, const P& p, int index, const UseModel& m,
              const StepModel& step) {
        DefenderCarry c = carryOf(key);
        bool boostDef = boostedDefence(key), boostSpDef = boostedSpDefence(key);
        int32_t left = h - damage;
        if (left <= 0 && h == m_max) {
            if (c.itemHeld && m_model.item() == ItemKind::FocusSash) {
                left = 1;
                c.itemHeld = false;
            } else if (step.sturdy) {
                left = 1;
            }
        }
        if (left <= 0) {
            knockOut(p);
            return;
        }
        if (index == 0 && m.berryActs)
            c.itemHeld = false;
        if (index == 0 && m.gemActs && step.gemBit >= 0)
            c.gemsSpent |= 1u << step.gemBit;
        if (damage > 0 && m_model.item() == ItemKind::AirBalloon)
            c.itemHeld = false;
        if (step.weakArmor && c.defence > kLowestStage)
            --c.defence;
        eatBerry(c, left, boostDef, boostSpDef, step);
        if (step.knocksOff)
            c.itemHeld = false;
        addTo(out, packKey(c, boostDef, boostSpDef), left, p, m_max);
    }

    SequenceModel& m_model;
    int32_t m_max;
    std::vector<State> m_states;
    P m_knockedOut;
    P m_missed;
    bool m_fell = false;
};

} // namespace rusrina::sequence
