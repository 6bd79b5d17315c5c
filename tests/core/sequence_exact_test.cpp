// The sequence chain against an enumeration of every outcome, in exact fractions: every miss, every
// outcome of a use, every roll of every hit plain and critical, every step of each end of turn, for
// a table of short sequences against low-level defenders that covers each thing carried from use to
// use (a berry of each kind, マルチスケイル, くだけるよろい, ふうせん, きあいのタスキ, がんじょう, はたきおとす,
// a gem, a lowered stage, もうどく, the hazards, each end of turn). The chance of having fallen by
// each use and the distribution of the HP left must be equal to the last fraction.

#include "calc/exact/exact_sequence_chain.h"
#include "devtools/oracle_sequence.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

namespace rusrina::sequence {
namespace {

using Q = mpq_class;

Q fraction(int64_t numerator, int64_t denominator) {
    Q q(numerator, denominator);
    q.canonicalize();
    return q;
}

// Every outcome, one by one, with the rules written out again as plainly as they read.
class Enumeration {
public:
    explicit Enumeration(SequenceModel& model)
        : ko(model.useCount(), Q(0)), hp(model.useCount()), m(model), max(model.maxHp()) {}

    void run() {
        World w{m.startHp(), carryOf(m.startKey())};
        for (const TurnEndStep& s : m.turnEnd(0, true).onEntry)
            if (!change(w, s.amount, m.step(0)))
                return ko.assign(ko.size(), Q(1));
        change(w, 0, m.step(0));
        use(0, w, Q(1));
    }

    std::vector<Q> ko;                // fallen at use u (not yet added up)
    std::vector<std::map<int, Q>> hp; // standing with h after use u

private:
    struct World {
        int32_t hp;
        DefenderCarry c;
        bool boostDef = false, boostSpDef = false;
    };

    void berry(World& w, const StepModel& st) {
        if (!w.c.itemHeld || st.berriesBlocked)
            return;
        const ItemKind item = m.item();
        if ((item == ItemKind::HealQuarter || item == ItemKind::HealEighth || item == ItemKind::HealTen) &&
            2 * w.hp <= max) {
            w.hp = std::min(max, w.hp + m.itemHeal());
            w.c.itemHeld = false;
        }
        const bool pinch = 4 * w.hp <= max || (m.gluttony() && 2 * w.hp <= max);
        if ((item == ItemKind::PinchDefence || item == ItemKind::PinchSpDefence || item == ItemKind::PinchOther) &&
            pinch) {
            w.c.itemHeld = false;
            if (item == ItemKind::PinchDefence && w.c.defence < 6)
                ++w.c.defence, w.boostDef = true;
            if (item == ItemKind::PinchSpDefence && w.c.spDefence < 6)
                ++w.c.spDefence, w.boostSpDef = true;
        }
    }

    bool change(World& w, int32_t amount, const StepModel& st) {
        w.hp = std::min(max, w.hp + amount);
        if (w.hp <= 0)
            return false;
        if (amount <= 0)
            berry(w, st);
        return true;
    }

    void fall(int u, const Q& p) { ko[u] += p; }

    void use(int u, World w, const Q& p) {
        if (u == m.useCount())
            return;
        const int s = m.stepOfUse(u);
        const StepModel& st = m.step(s);
        if (u > 0 && m.step(m.stepOfUse(u - 1)).attackerId != st.attackerId) {
            w.c.attackDrop = w.c.spAttackDrop = 0;
            berry(w, st);
        }
        const UseModel& model = m.use(s, packKey(w.c), w.hp);
        if (model.outcome != ExactRolls::Outcome::Damage) {
            w.hp = std::min(max, w.hp + model.absorbHeal);
            return endUse(u, w, p);
        }
        const UseOdds& odds = m.odds(s, w.c.itemHeld);
        const Q hit = fraction(odds.hit.numerator, odds.hit.denominator);
        if (!odds.eachHitChecks)
            endUse(u, w, p * (1 - hit));
        for (const UseOutcome& o : model.outcomes)
            hits(u, o, 0, w, packKey(w.c),
                 p * (odds.eachHitChecks ? Q(1) : hit) * fraction(o.weight, model.totalWeight));
    }

    void hits(int u, const UseOutcome& o, int i, World w, Key start, Q p) {
        const int s = m.stepOfUse(u);
        const StepModel& st = m.step(s);
        if (i == o.hits)
            return finish(u, w, p, true);
        const UseOdds& odds = m.odds(s, carryOf(start).itemHeld);
        if (odds.eachHitChecks) {
            const Q hit = fraction(odds.hit.numerator, odds.hit.denominator);
            finish(u, w, p * (1 - hit), i > 0);
            p *= hit;
        }
        const Key modelKey = withoutBoosts(start) | (packKey(w.c, w.boostDef, w.boostSpDef) & ~withoutBoosts(~Key{0}));
        const UseModel& model = m.use(s, modelKey, i == 0 ? w.hp : std::max(1, std::min(w.hp, max - 1)));
        if (model.halvesHp)
            return land(u, o, i, w, start, p, std::max(1, w.hp / 2), model, st);
        const Q critical = fraction(odds.critical.numerator, odds.critical.denominator);
        for (bool isCritical : {false, true})
            for (const RollCount& r : (isCritical ? model.critical : model.plain)[o.sets[i]])
                for (int n = 0; n < r.count; ++n)
                    land(u, o, i, w, start, p * (isCritical ? critical : 1 - critical) / 16, r.value, model, st);
    }

    void land(int u, const UseOutcome& o, int i, World w, Key start, const Q& p, int32_t damage, const UseModel& model,
              const StepModel& st) {
        if (p == 0)
            return;
        const bool full = w.hp == max;
        w.hp -= damage;
        if (w.hp <= 0 && full && w.c.itemHeld && m.item() == ItemKind::FocusSash)
            w.hp = 1, w.c.itemHeld = false;
        else if (w.hp <= 0 && full && st.sturdy)
            w.hp = 1;
        if (w.hp <= 0)
            return fall(u, p);
        if (i == 0 && model.berryActs)
            w.c.itemHeld = false;
        if (i == 0 && model.gemActs)
            w.c.gemsSpent |= 1u << st.gemBit;
        if (m.item() == ItemKind::AirBalloon)
            w.c.itemHeld = false;
        if (st.weakArmor && w.c.defence > -6)
            --w.c.defence;
        berry(w, st);
        if (st.knocksOff)
            w.c.itemHeld = false;
        hits(u, o, i + 1, w, start, p);
    }

    void finish(int u, World w, const Q& p, bool landed) {
        const StepModel& st = m.step(m.stepOfUse(u));
        if (landed && st.selfDrop > 0) {
            int8_t& drop = st.attackStage == kStageAttack ? w.c.attackDrop : w.c.spAttackDrop;
            drop = static_cast<int8_t>(std::max(-6, drop - st.selfDrop));
        }
        w.boostDef = w.boostSpDef = false;
        endUse(u, w, p);
    }

    void endUse(int u, World w, const Q& p) {
        if (p == 0)
            return;
        const int s = m.stepOfUse(u);
        if (m.countTurnEnd()) {
            const TurnEndPlan& plan = m.turnEnd(s, w.c.itemHeld);
            for (const TurnEndStep& e : plan.eachTurn)
                if (!change(w, e.kind == TurnEndKind::Toxic ? plan.toxicLoss(u + 1) : e.amount, m.step(s)))
                    return fall(u, p);
        }
        hp[u][w.hp] += p;
        use(u + 1, w, p);
    }

    SequenceModel& m;
    int32_t max;
};

struct Row {
    const char* what;
    const char* sequence; // a sequence case, as tools/damage-oracle/sequence_sim.mjs reads them
};

const Row kRows[] = {
    {"オボンのみ, two attackers, sand",
     R"({"id":0,"gen":5,"defender":{"name":"Snorlax","options":{"level":20,"ability":"Thick Fat","gender":"M","item":"Sitrus Berry"}},"steps":[{"attacker":{"name":"Garchomp","options":{"level":20,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Dragon Claw"},"uses":1},{"attacker":{"name":"Salamence","options":{"level":20,"ability":"Intimidate","gender":"F"}},"move":{"name":"Fire Blast"},"uses":2}],"field":{"weather":"Sand"},"countTurnEnd":true})"},
    {"a resist berry, then the hit it no longer halves",
     R"({"id":1,"gen":5,"defender":{"name":"Garchomp","options":{"level":30,"ability":"Rough Skin","gender":"M","item":"Yache Berry"}},"steps":[{"attacker":{"name":"Salamence","options":{"level":14,"ability":"Intimidate","gender":"F"}},"move":{"name":"Ice Beam"},"uses":2},{"attacker":{"name":"Garchomp","options":{"level":14,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Earthquake"},"uses":1}]})"},
    {"リュガのみ before the later hits",
     R"({"id":2,"gen":5,"defender":{"name":"Snorlax","options":{"level":24,"ability":"Thick Fat","gender":"M","item":"Ganlon Berry"}},"steps":[{"attacker":{"name":"Garchomp","options":{"level":22,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Crunch"},"uses":3}]})"},
    {"マルチスケイル, healed back to full by たべのこし",
     R"({"id":3,"gen":5,"defender":{"name":"Dragonite","options":{"level":22,"ability":"Multiscale","gender":"F","item":"Leftovers"}},"steps":[{"attacker":{"name":"Salamence","options":{"level":18,"ability":"Intimidate","gender":"F"}},"move":{"name":"Dragon Claw"},"uses":3}],"countTurnEnd":true})"},
    {"くだけるよろい, with a move of two hits",
     R"({"id":4,"gen":5,"defender":{"name":"Skarmory","options":{"level":22,"ability":"Weak Armor","gender":"F"}},"steps":[{"attacker":{"name":"Garchomp","options":{"level":22,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Dual Chop"},"uses":1},{"attacker":{"name":"Salamence","options":{"level":20,"ability":"Intimidate","gender":"F"}},"move":{"name":"Crunch"},"uses":1}]})"},
    {"ふうせん popped, then じめん hits",
     R"({"id":5,"gen":5,"defender":{"name":"Heatran","options":{"level":20,"ability":"Flash Fire","gender":"M","item":"Air Balloon"}},"steps":[{"attacker":{"name":"Garchomp","options":{"level":22,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Earthquake"},"uses":1},{"attacker":{"name":"Salamence","options":{"level":22,"ability":"Intimidate","gender":"F"}},"move":{"name":"Dragon Claw"},"uses":1},{"attacker":{"name":"Garchomp","options":{"level":22,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Earthquake"},"uses":1}]})"},
    {"もうどく's count and たべのこし",
     R"({"id":6,"gen":5,"defender":{"name":"Snorlax","options":{"level":24,"ability":"Thick Fat","gender":"M","item":"Leftovers","status":"tox","toxicCounter":2}},"steps":[{"attacker":{"name":"Garchomp","options":{"level":20,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Crunch"},"uses":3}],"countTurnEnd":true})"},
    {"hazards break きあいのタスキ",
     R"({"id":7,"gen":4,"defender":{"name":"Starmie","options":{"level":20,"ability":"Natural Cure","gender":"N","item":"Focus Sash"}},"steps":[{"attacker":{"name":"Garchomp","options":{"level":24,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Earthquake"},"uses":2}],"switchingIn":true,"field":{"defenderSide":{"isSR":true,"spikes":2}}})"},
    {"きあいのタスキ and a move of two hits",
     R"({"id":8,"gen":5,"defender":{"name":"Alakazam","options":{"level":20,"ability":"Inner Focus","gender":"M","item":"Focus Sash"}},"steps":[{"attacker":{"name":"Salamence","options":{"level":24,"ability":"Intimidate","gender":"F"}},"move":{"name":"Dual Chop"},"uses":2}]})"},
    {"がんじょう from full HP",
     R"({"id":9,"gen":5,"defender":{"name":"Forretress","options":{"level":20,"ability":"Sturdy","gender":"M"}},"steps":[{"attacker":{"name":"Salamence","options":{"level":30,"ability":"Intimidate","gender":"F"}},"move":{"name":"Fire Blast"},"uses":2}]})"},
    {"はたきおとす takes たべのこし; あめうけざら in the rain",
     R"({"id":10,"gen":5,"defender":{"name":"Ludicolo","options":{"level":22,"ability":"Rain Dish","gender":"M","item":"Leftovers"}},"steps":[{"attacker":{"name":"Salamence","options":{"level":22,"ability":"Intimidate","gender":"F"}},"move":{"name":"Knock Off"},"uses":1},{"attacker":{"name":"Garchomp","options":{"level":22,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Dragon Claw"},"uses":2}],"field":{"weather":"Rain"},"countTurnEnd":true})"},
    {"ねんちゃく keeps たべのこし; ゆきがくれ and アイスボディ in the hail",
     R"({"id":11,"gen":4,"defender":{"name":"Walrein","options":{"level":22,"ability":"Ice Body","gender":"F","item":"Leftovers"}},"steps":[{"attacker":{"name":"Salamence","options":{"level":22,"ability":"Intimidate","gender":"F"}},"move":{"name":"Knock Off"},"uses":1},{"attacker":{"name":"Garchomp","options":{"level":24,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Outrage"},"uses":2}],"field":{"weather":"Hail"},"countTurnEnd":true})"},
    {"りゅうせいぐん twice, then another attacker",
     R"({"id":12,"gen":5,"defender":{"name":"Snorlax","options":{"level":22,"ability":"Thick Fat","gender":"M"}},"steps":[{"attacker":{"name":"Salamence","options":{"level":24,"ability":"Intimidate","gender":"F"}},"move":{"name":"Draco Meteor"},"uses":2},{"attacker":{"name":"Garchomp","options":{"level":24,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Dragon Claw"},"uses":1}]})"},
    {"a gem spent by its first use",
     R"({"id":13,"gen":5,"defender":{"name":"Snorlax","options":{"level":22,"ability":"Thick Fat","gender":"M"}},"steps":[{"attacker":{"name":"Salamence","options":{"level":30,"ability":"Intimidate","gender":"F","item":"Fire Gem"}},"move":{"name":"Flamethrower"},"uses":3}]})"},
    {"ちょすい heals the water move",
     R"({"id":14,"gen":5,"defender":{"name":"Vaporeon","options":{"level":22,"ability":"Water Absorb","gender":"F"}},"steps":[{"attacker":{"name":"Garchomp","options":{"level":22,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Dragon Claw"},"uses":1},{"attacker":{"name":"Salamence","options":{"level":22,"ability":"Intimidate","gender":"F"}},"move":{"name":"Hydro Pump"},"uses":1},{"attacker":{"name":"Garchomp","options":{"level":22,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Dragon Claw"},"uses":1}]})"},
    {"every hit count of a 2-5 move, no misses counted",
     R"({"id":15,"gen":5,"defender":{"name":"Snorlax","options":{"level":30,"ability":"Thick Fat","gender":"M"}},"steps":[{"attacker":{"name":"Garchomp","options":{"level":28,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Rock Blast"},"uses":1},{"attacker":{"name":"Salamence","options":{"level":28,"ability":"Intimidate","gender":"F"}},"move":{"name":"Dragon Claw"},"uses":1}],"countHitChances":false})"},
    {"いかりのまえば, then しおみず at half HP",
     R"({"id":16,"gen":5,"defender":{"name":"Snorlax","options":{"level":22,"ability":"Thick Fat","gender":"M"}},"steps":[{"attacker":{"name":"Raticate","options":{"level":20,"ability":"Guts","gender":"M"}},"move":{"name":"Super Fang"},"uses":1},{"attacker":{"name":"Kingdra","options":{"level":22,"ability":"Swift Swim","gender":"M"}},"move":{"name":"Brine"},"uses":2}]})"},
    {"ステルスロック and まきびし, やどりぎのタネ, どく",
     R"({"id":17,"gen":4,"defender":{"name":"Snorlax","options":{"level":24,"ability":"Thick Fat","gender":"M","status":"psn"}},"steps":[{"attacker":{"name":"Garchomp","options":{"level":16,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Crunch"},"uses":3}],"switchingIn":true,"field":{"defenderSide":{"isSR":true,"spikes":1,"isSeeded":true}},"countTurnEnd":true})"},
    {"やけど and くろいヘドロ, かんそうはだ in the sun",
     R"({"id":18,"gen":5,"defender":{"name":"Toxicroak","options":{"level":22,"ability":"Dry Skin","gender":"M","item":"Black Sludge","status":"brn"}},"steps":[{"attacker":{"name":"Salamence","options":{"level":16,"ability":"Intimidate","gender":"F"}},"move":{"name":"Dragon Claw"},"uses":3}],"field":{"weather":"Sun"},"countTurnEnd":true})"},
    {"ポイズンヒール, サンパワー",
     R"({"id":19,"gen":5,"defender":{"name":"Breloom","options":{"level":32,"ability":"Poison Heal","gender":"M","status":"tox","toxicCounter":1}},"steps":[{"attacker":{"name":"Charizard","options":{"level":22,"ability":"Solar Power","gender":"M"}},"move":{"name":"Dragon Pulse"},"uses":2}],"field":{"weather":"Sun"},"countTurnEnd":true})"},
    {"すながくれ in the sand; ピントレンズ and きょううん",
     R"({"id":20,"gen":5,"defender":{"name":"Garchomp","options":{"level":16,"ability":"Sand Veil","gender":"F"}},"steps":[{"attacker":{"name":"Absol","options":{"level":20,"ability":"Super Luck","gender":"M","item":"Scope Lens"}},"move":{"name":"Stone Edge"},"uses":3}],"field":{"weather":"Sand"},"countTurnEnd":true})"},
    {"オレンのみ and the accuracy of a stage",
     R"({"id":21,"gen":4,"defender":{"name":"Snorlax","options":{"level":14,"ability":"Thick Fat","gender":"M","item":"Oran Berry"}},"steps":[{"attacker":{"name":"Garchomp","options":{"level":20,"ability":"Rough Skin","gender":"M"}},"move":{"name":"Stone Edge"},"uses":3}],"accuracyStage":-1,"evasionStage":1})"},
};

// The chain's answer in fractions: by use, the chance of having fallen and the HP distribution.
void expectSame(const Row& row) {
    const OracleSequence s = oracleSequenceFrom(json::parse(row.sequence));
    SequenceModel chainModel(s.input), enumModel(s.input);
    Enumeration e(enumModel);
    e.run();
    Chain<Q> chain(chainModel);
    chain.enter();
    Q fallen(0);
    for (int u = 0; u < chainModel.useCount(); ++u) {
        chain.play(u);
        fallen += e.ko[u];
        EXPECT_EQ(chain.knockedOut(), fallen) << row.what << ": use " << u + 1;
        std::map<int, Q> standing;
        for (const auto& state : chain.states())
            for (int h = 1; h <= chainModel.maxHp(); ++h)
                if (state.hp[h] != 0)
                    standing[h] += state.hp[h];
        EXPECT_EQ(standing, e.hp[u]) << row.what << ": use " << u + 1;
    }
}

TEST(SequenceExact, ChainAgreesWithEveryOutcomeEnumerated) {
    for (const Row& row : kRows)
        expectSame(row);
}

} // namespace
} // namespace rusrina::sequence
