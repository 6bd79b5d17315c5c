#pragma once
// The one-on-one's chain over (each side's HP, whether each holds its item), for any probability
// type P with +, -, * and / (double in the program, an exact fraction in the tests). Internal to
// duel.cpp and the tests that check it against an enumeration of every branch.
//
// Each turn splits every state by who moves first, takes it through the first mover's use (a miss,
// then each distinct roll plain and critical by how many of the 16 give it), then the other's use
// from what is still going, then the end of turn in either order of the sides. Whatever ends is
// added to the win, the draw or the loss; the rest, merged by state, goes into the next turn.

#include "calc/duel/duel_model.h"

#include <unordered_map>

namespace rusrina::duel {

using StateKey = uint64_t;
inline StateKey keyOf(const World& w) {
    return StateKey(w.hp[0]) | StateKey(w.hp[1]) << 24 | StateKey(w.item[0]) << 48 | StateKey(w.item[1]) << 49;
}
inline World worldOf(StateKey k) {
    constexpr StateKey kHpMask = (StateKey{1} << 24) - 1;
    return World{{static_cast<int32_t>(k & kHpMask), static_cast<int32_t>((k >> 24) & kHpMask)},
                 {bool((k >> 48) & 1), bool((k >> 49) & 1)}};
}

template <class P> struct Ending {
    P win{0}, draw{0}, lose{0};
    P firstWinsBeforeFoeMoves{0}; // ended by the first side's knock-out before the foe moved
    P foeWinsBeforeFirstMoves{0};
};

template <class P> class Chain {
public:
    using States = std::unordered_map<StateKey, P>;

    explicit Chain(DuelModel& model) : m_model(model) {}

    // The start and the hazards as both sides come in.
    void enter() {
        World w;
        for (int s = 0; s < 2; ++s) {
            w.hp[s] = m_model.side(s).startHp;
            w.item[s] = m_model.side(s).startsWithItem;
        }
        const Outcome o = enterBoth(m_model, w);
        if (o == Outcome::Going)
            m_states[keyOf(w)] = P(1);
        else
            end(m_total, o, P(1));
    }

    // Turn `turn` (1 …). What ends in it is last().
    void play(int turn) {
        m_last = {};
        States after;
        for (int first : {0, 1}) {
            States split;
            for (const auto& [key, p] : m_states) {
                const World w = worldOf(key);
                const Odds o = m_model.order(turn, w.item[0], w.item[1]).firstMovesFirst;
                const P share =
                    first == 0 ? P(o.numerator) / P(o.denominator) : P(o.denominator - o.numerator) / P(o.denominator);
                if (share != P(0))
                    split[key] += p * share;
            }
            States middle;
            act(first, split, middle, true);
            act(1 - first, middle, after, false);
        }
        m_states.clear();
        for (const auto& [key, p] : after) {
            const World w = worldOf(key);
            const int order = m_model.order(turn, w.item[0], w.item[1]).endOfTurnFirst;
            if (order == 2) {
                endTurn(turn, w, 0, p / P(2));
                endTurn(turn, w, 1, p / P(2));
            } else {
                endTurn(turn, w, order, p);
            }
        }
        m_total.win += m_last.win;
        m_total.draw += m_last.draw;
        m_total.lose += m_last.lose;
        m_total.firstWinsBeforeFoeMoves += m_last.firstWinsBeforeFoeMoves;
        m_total.foeWinsBeforeFirstMoves += m_last.foeWinsBeforeFirstMoves;
    }

    // Drops every state less likely than `floor`, and returns the chance dropped: the program keeps
    // long battles of slow attrition from growing without bound at a cost far below its figures.
    P prune(const P& floor) {
        P dropped(0);
        for (auto at = m_states.begin(); at != m_states.end();) {
            if (at->second < floor) {
                dropped += at->second;
                at = m_states.erase(at);
            } else {
                ++at;
            }
        }
        return dropped;
    }

    bool over() const { return m_states.empty(); }
    const Ending<P>& total() const { return m_total; }
    const Ending<P>& last() const { return m_last; }
    const States& states() const { return m_states; }
    P going() const {
        P sum(0);
        for (const auto& [key, p] : m_states)
            sum += p;
        return sum;
    }

private:
    static void end(Ending<P>& e, Outcome o, const P& p) {
        (o == Outcome::FirstWins ? e.win : o == Outcome::Draw ? e.draw : e.lose) += p;
    }

    void endAction(Outcome o, const P& p, int user, bool leading) {
        end(m_last, o, p);
        if (leading && o == Outcome::FirstWins && user == 0)
            m_last.firstWinsBeforeFoeMoves += p;
        if (leading && o == Outcome::FoeWins && user == 1)
            m_last.foeWinsBeforeFirstMoves += p;
    }

    void endTurn(int turn, World w, int first, const P& p) {
        const Outcome o = endOfTurn(m_model, turn, w, first);
        if (o == Outcome::Going)
            m_states[keyOf(w)] += p;
        else
            end(m_last, o, p);
    }

    // Side `user`'s use from every state of `from`.
    void act(int user, const States& from, States& to, bool leading) {
        constexpr int kStillOneIn = 4; // まひ
        for (const auto& [key, given] : from) {
            P p = given;
            if (m_model.side(user).fullyParalysed) {
                to[key] += p / P(kStillOneIn);
                p = p * P(kStillOneIn - 1) / P(kStillOneIn);
            }
            World w = worldOf(key);
            const UseModel& u = m_model.use(user, w.item[user], w.item[1 - user], w.hp[user], w.hp[1 - user]);
            if (!u.damages) {
                absorb(m_model, user, w, u);
                to[keyOf(w)] += p;
                continue;
            }
            const P hit = P(u.hit.numerator) / P(u.hit.denominator);
            if (!u.hit.certain())
                to[key] += p * (P(1) - hit);
            const P critical = P(u.critical.numerator) / P(u.critical.denominator);
            const P plain = p * hit * (P(1) - critical) / P(kRollCount), crit = p * hit * critical / P(kRollCount);
            if (plain != P(0))
                for (const sequence::RollCount& r : u.plain)
                    land(user, key, r.value, u, plain * P(r.count), to, leading);
            if (crit != P(0))
                for (const sequence::RollCount& r : u.critical16)
                    land(user, key, r.value, u, crit * P(r.count), to, leading);
        }
    }

    void land(int user, StateKey key, int32_t damage, const UseModel& u, const P& p, States& to, bool leading) {
        World w = worldOf(key);
        const Outcome o = strike(m_model, user, w, damage, u);
        if (o == Outcome::Going)
            to[keyOf(w)] += p;
        else
            endAction(o, p, user, leading);
    }

    DuelModel& m_model;
    States m_states;
    Ending<P> m_total, m_last;
};

} // namespace rusrina::duel
