// The one-on-one chain against an enumeration of every branch, in exact fractions: who moves first
// (せんせいのツメ, a tie), each side's miss, every distinct roll plain and critical, the end of turn
// in either order of the sides, with no state merged. For a table of low-level pairs covering what
// an action and an end of turn carry (recoil and its draw, いのちのたま, draining, a heal berry, a
// resist berry, a gem, ふうせん, きあいのタスキ, がんじょう, はたきおとす, もうどく, the weather,
// やどりぎのタネ, the hazards), the endings and the states after each of the first turns must be equal
// to the last fraction.

#include "calc/calculate.h"
#include "calc/duel/duel_chain.h"
#include "devtools/oracle_duel.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <map>
#include <utility>
#include <vector>

namespace rusrina::duel {
namespace {

using Q = mpq_class;

Q fraction(int64_t numerator, int64_t denominator) {
    Q q(numerator, denominator);
    q.canonicalize();
    return q;
}

// Every branch, one by one, to a depth of turns.
class Enumeration {
public:
    Enumeration(DuelModel& model, int depth) : m(model), depth(depth) {}

    void run() {
        World w{{m.side(0).startHp, m.side(1).startHp}, {m.side(0).startsWithItem, m.side(1).startsWithItem}};
        const Outcome o = enterBoth(m, w);
        if (o != Outcome::Going)
            return end(o, Q(1));
        turn(w, 1, Q(1));
    }

    Q win, draw, lose;
    std::map<StateKey, Q> states;

private:
    void end(Outcome o, const Q& p) { (o == Outcome::FirstWins ? win : o == Outcome::Draw ? draw : lose) += p; }

    void turn(const World& w, int t, const Q& p) {
        if (t > depth) {
            states[keyOf(w)] += p;
            return;
        }
        const OrderModel& order = m.order(t, w.item[0], w.item[1]);
        const Q first = fraction(order.firstMovesFirst.numerator, order.firstMovesFirst.denominator);
        for (int mover : {0, 1}) {
            const Q share = mover == 0 ? first : Q(1) - first;
            if (share != 0)
                action(w, t, mover, true, p * share);
        }
    }

    void action(const World& w, int t, int user, bool leading, const Q& given) {
        Q p = given;
        if (m.side(user).fullyParalysed) {
            next(w, t, user, leading, p / 4);
            p = p * 3 / 4;
        }
        const UseModel& u = m.use(user, w.item[user], w.item[1 - user], w.hp[user], w.hp[1 - user]);
        if (!u.damages) {
            World after = w;
            absorb(m, user, after, u);
            return next(after, t, user, leading, p);
        }
        const Q hit = fraction(u.hit.numerator, u.hit.denominator);
        const Q crit = fraction(u.critical.numerator, u.critical.denominator);
        if (hit != 1)
            next(w, t, user, leading, p * (1 - hit));
        for (const auto& [rolls, share] :
             {std::pair<const DistinctRolls*, Q>{&u.plain, 1 - crit}, {&u.critical16, crit}})
            for (const sequence::RollCount& r : *rolls) {
                if (share == 0)
                    continue;
                World after = w;
                const Outcome o = strike(m, user, after, r.value, u);
                const Q q = p * hit * share * r.count / kRollCount;
                if (o != Outcome::Going)
                    end(o, q);
                else
                    next(after, t, user, leading, q);
            }
    }

    void next(const World& w, int t, int user, bool leading, const Q& p) {
        if (leading)
            return action(w, t, 1 - user, false, p);
        const int first = m.order(t, w.item[0], w.item[1]).endOfTurnFirst;
        for (int s : {0, 1}) {
            if (first != 2 && s != first)
                continue;
            World after = w;
            const Q q = first == 2 ? p / 2 : p;
            const Outcome o = endOfTurn(m, t, after, s);
            if (o != Outcome::Going)
                end(o, q);
            else
                turn(after, t + 1, q);
        }
    }

    DuelModel& m;
    int depth;
};

struct Row {
    const char* what;
    const char* duel;
};

// Low levels keep the rolls few, so that three turns of every branch stay small.
const Row
    kRows
        [] =
            {
                {"recoil that knocks both out: a draw in the 4th generation",
                 R"({"id":1,"gen":4,"attacker":{"name":"Staraptor","options":{"level":9,"ability":"Intimidate","gender":"M"}},"defender":{"name":"Snorlax","options":{"level":7,"ability":"Thick Fat","gender":"M","curHP":6}},"attackerMove":{"name":"Brave Bird"},"defenderMove":{"name":"Body Slam"}})"},
                {"recoil in the 5th generation, a speed tie",
                 R"({"id":2,"gen":5,"attacker":{"name":"Staraptor","options":{"level":8,"ability":"Intimidate","gender":"M","curHP":5}},"defender":{"name":"Staraptor","options":{"level":8,"ability":"Intimidate","gender":"F"}},"attackerMove":{"name":"Brave Bird"},"defenderMove":{"name":"Close Combat"}})"},
                {"いのちのたま, draining and オボンのみ",
                 R"({"id":3,"gen":5,"attacker":{"name":"Breloom","options":{"level":9,"ability":"Poison Heal","gender":"M","item":"Life Orb"}},"defender":{"name":"Swampert","options":{"level":9,"ability":"Torrent","gender":"M","item":"Sitrus Berry"}},"attackerMove":{"name":"Drain Punch"},"defenderMove":{"name":"Waterfall"}})"},
                {"misses, せんせいのツメ and もうどく with たべのこし",
                 R"({"id":4,"gen":4,"attacker":{"name":"Machamp","options":{"level":7,"ability":"Guts","gender":"M","item":"Quick Claw"}},"defender":{"name":"Snorlax","options":{"level":6,"ability":"Thick Fat","gender":"M","item":"Leftovers","status":"tox"}},"attackerMove":{"name":"Dynamic Punch"},"defenderMove":{"name":"Crunch"}})"},
                {"きあいのタスキ, a gem and the sand",
                 R"({"id":5,"gen":5,"attacker":{"name":"Alakazam","options":{"level":8,"ability":"Inner Focus","gender":"M","item":"Focus Sash"}},"defender":{"name":"Tyranitar","options":{"level":9,"ability":"Sand Stream","gender":"M","item":"Dark Gem"}},"attackerMove":{"name":"Focus Blast"},"defenderMove":{"name":"Crunch"},"field":{"weather":"Sand"}})"},
                {"がんじょう, ふうせん and はたきおとす",
                 R"({"id":6,"gen":5,"attacker":{"name":"Heatran","options":{"level":8,"ability":"Flash Fire","gender":"M","item":"Air Balloon"}},"defender":{"name":"Forretress","options":{"level":8,"ability":"Sturdy","gender":"M"}},"attackerMove":{"name":"Flamethrower"},"defenderMove":{"name":"Knock Off"}})"},
                {"a resist berry, やどりぎのタネ and the hazards", R"({"id":7,"gen":4,"attacker":{"name":"Gengar","options":{"level":8,"ability":"Levitate","gender":"M","status":"psn"}},"defender":{"name":"Blissey","options":{"level":6,"ability":"Natural Cure","gender":"F","item":"Chople Berry"}},"attackerMove":{"name":"Focus Blast"},"defenderMove":{"name":"Seismic Toss"},"field":{"attackerSide":{"isSeeded":true},"defenderSide":{"isSR":true,"spikes":1}}})"},
                {"まひ on both sides",
                 R"({"id":8,"gen":5,"attacker":{"name":"Jolteon","options":{"level":7,"ability":"Volt Absorb","gender":"M","status":"par"}},"defender":{"name":"Gyarados","options":{"level":7,"ability":"Moxie","gender":"M","status":"par"}},"attackerMove":{"name":"Thunderbolt"},"defenderMove":{"name":"Waterfall"}})"},
};

TEST(DuelExact, ChainAgreesWithEveryBranchEnumerated) {
    constexpr int kDepth = 3;
    for (const Row& row : kRows) {
        const OracleDuel d = oracleDuelFrom(json::parse(row.duel));
        DuelModel chainModel(d.scenario, d.first, d.second);
        ASSERT_TRUE(chainModel.playable()) << row.what;
        Chain<Q> chain(chainModel);
        chain.enter();
        for (int t = 1; t <= kDepth; ++t) {
            chain.play(t);
            DuelModel enumModel(d.scenario, d.first, d.second);
            Enumeration e(enumModel, t);
            e.run();
            EXPECT_EQ(chain.total().win, e.win) << row.what << ": turn " << t;
            EXPECT_EQ(chain.total().draw, e.draw) << row.what << ": turn " << t;
            EXPECT_EQ(chain.total().lose, e.lose) << row.what << ": turn " << t;
            std::map<StateKey, Q> states(chain.states().begin(), chain.states().end());
            EXPECT_EQ(states, e.states) << row.what << ": turn " << t;
        }
    }
}

// A side's status and HP wake its ability in the chain as the rows of the box window have it: the
// first use's rolls equal the row's for the same side (どくぼうそう only with poison, ねつぼうそう only
// with a burn, こんじょう with any status, もうか at a third of the HP).
TEST(DuelExact, StatusAndHpWakeTheAbilityAsTheRowsDo) {
    const char* const kSides[] = {
        R"({"name":"Zangoose","options":{"level":50,"gender":"M","ability":"Toxic Boost","status":"brn"}})",
        R"({"name":"Zangoose","options":{"level":50,"gender":"M","ability":"Toxic Boost","status":"psn"}})",
        R"({"name":"Drifblim","options":{"level":50,"gender":"M","ability":"Flare Boost","status":"psn"}})",
        R"({"name":"Drifblim","options":{"level":50,"gender":"M","ability":"Flare Boost","status":"brn"}})",
        R"({"name":"Heracross","options":{"level":50,"gender":"M","ability":"Guts","status":"par"}})",
        R"({"name":"Infernape","options":{"level":50,"gender":"M","ability":"Blaze","curHP":40}})",
    };
    const char* const kMoves[] = {"Crush Claw", "Crush Claw", "Thunderbolt", "Thunderbolt", "Megahorn", "Flamethrower"};
    const auto values = [](const DistinctRolls& rolls) {
        std::vector<std::pair<int32_t, int32_t>> out;
        for (const sequence::RollCount& r : rolls)
            out.emplace_back(r.value, r.count);
        return out;
    };
    for (size_t i = 0; i < std::size(kSides); ++i) {
        const std::string duel =
            std::string(R"({"id":9,"gen":5,"attacker":)") + kSides[i] +
            R"(,"defender":{"name":"Snorlax","options":{"level":50,"gender":"M","ability":"Thick Fat"}},)" +
            R"("attackerMove":{"name":")" + kMoves[i] + R"("},"defenderMove":{"name":"Crunch"}})";
        const OracleDuel d = oracleDuelFrom(json::parse(duel));
        DuelModel model(d.scenario, d.first, d.second);
        ASSERT_TRUE(model.playable()) << kSides[i];
        const UseModel& use = model.use(0, false, false, model.side(0).startHp, model.side(1).maxHp);
        const ExactAnswer row = calculateHit(d.scenario, d.first);
        EXPECT_EQ(values(use.plain), values(distinct(row.rolls.rolls))) << kSides[i];
    }
}

} // namespace
} // namespace rusrina::duel
