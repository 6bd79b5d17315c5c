// The spread finder: a defence split and an offence spread worked out by hand, each with one EV
// step less shown to fail; the best nature; and every listed split of a few real searches checked
// against the hits computed directly, over the whole grid of EV steps.

#include "calc/box_tools/spread_finder.h"
#include "calc/stats.h"
#include "view/matrix/spread_view.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

namespace rusrina::test {
namespace {

constexpr int kBlissey = 241;  // ハピナス: base HP 255, defence 10, sp. defence 135
constexpr int kGarchomp = 449; // ガブリアス: base attack 130
constexpr int kMetagross = 375;
constexpr int kFireBlast = 125;  // だいもんじ
constexpr int kEarthquake = 88;  // じしん
constexpr int kSuperFang = 161;  // いかりのまえば
constexpr int kBulletSeed = 330; // タネマシンガン
constexpr int kBold = 4, kAdamant = 1, kCareful = 14, kModest = 8, kMild = 9, kJolly = 18;

// An entry whose stats come from its IVs (all 31) and EVs, as the edit form registers it.
BoxEntry trained(int species, int nature, std::array<int, 6> evs) {
    return testing::EntryBuilder("test", species).nature(nature).ability(0).item(0).evs(evs).noMoves().computedStats();
}

// The chance that `hits` hits of the query's move knock `defender` out, computed directly.
double koDirectly(const SpreadQuery& q, const BoxEntry& attacker, const BoxEntry& defender) {
    Scenario s = q.scenario;
    s.attacker.entry = attacker;
    s.defender.entry = defender;
    return koChanceInUses(calculateHit(s, q.slot), q.hits);
}

// A direct physical hit of power 100 (ほのお: neutral, no same type) from attack 240 into ハピナス
// (まじめ, no EVs: HP 330, defence 30). With defence D the top roll is the base damage
// 528000 / D / 50 + 2: 354 at D 30, 342 at 31, 332 at 32, 322 at 33. HP is 330 + (1 + HP EV / 4) / 2,
// defence 30 + (1 + defence EV / 4) / 2. Surviving for sure needs the top roll below the HP:
// defence EV 20 alone (322 < 330), 12 with HP EV 20 (332 < 333), 4 with 100 (342 < 343), 0 with 196
// (354 < 355).
SpreadQuery handWorkedDefence() {
    SpreadQuery q;
    q.scenario.attacker.entry = creature(kSnorlax, {200, 240, 100, 100, 100, 100});
    q.scenario.defender.entry = trained(kBlissey, kNeutralNature, {});
    q.slot = DamageSlot::directRow({100, kPhysical, kFireType});
    return q;
}

TEST(SpreadFinder, DefenceSplitsWorkedOutByHand) {
    const SpreadQuery q = handWorkedDefence();
    const DefenceSpreads found = findDefenceSpreads(q);
    ASSERT_EQ(found.status, SpreadStatus::Found);
    EXPECT_EQ(found.stat, kDefence);
    EXPECT_EQ(found.budget, kMaxEvSum);
    const std::vector<std::array<int, 4>> expected = {
        {0, 20, 330, 33}, {20, 12, 333, 32}, {100, 4, 343, 31}, {196, 0, 355, 30}};
    ASSERT_EQ(found.splits.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const DefenceSplit& s = found.splits[i];
        EXPECT_EQ((std::array<int, 4>{s.hpEv, s.defenceEv, s.hp, s.defence}), expected[i]) << i;
        EXPECT_EQ(s.koChance, 0.0);
    }
    // One EV step less in either stat fails: 332 ≥ 330, 332 ≥ 332, 342 ≥ 342, 354 ≥ 342, 354 ≥ 354.
    const std::array<int, 2> oneLess[] = {{0, 16}, {16, 12}, {96, 4}, {100, 0}, {192, 0}};
    for (const auto& [hpEv, defEv] : oneLess) {
        const BoxEntry d = *entryWithSpread(*q.scenario.defender.entry, kNeutralNature, {hpEv, 0, defEv, 0, 0, 0});
        EXPECT_GT(koDirectly(q, *q.scenario.attacker.entry, d), 0.0) << hpEv << "/" << defEv;
    }
}

TEST(SpreadFinder, DefenceSearchLimits) {
    struct Case {
        const char* what;
        void (*arrange)(SpreadQuery&);
        SpreadStatus status;
        size_t splits;
    };
    const Case cases[] = {
        {"the other EVs leave 16: nothing survives",
         [](SpreadQuery& q) {
             q.scenario.defender.entry = trained(kBlissey, kNeutralNature, {0, 252, 0, 242, 0, 0});
         },
         SpreadStatus::NotFound, 0},
        {"the best nature for defence is ずぶとい: 0 EVs survive",
         [](SpreadQuery& q) { q.nature = SpreadNature::Best; }, SpreadStatus::Found, 1},
        {"typed-in stats have no EVs", [](SpreadQuery& q) { q.scenario.defender.entry->statsDirect = 1; },
         SpreadStatus::TypedStats, 0},
        {"a ghost is immune to ノーマル: nothing to survive",
         [](SpreadQuery& q) {
             q.scenario.defender.entry = trained(kGengar, kNeutralNature, {});
             q.slot.direct.type = kNormalType;
         },
         SpreadStatus::Immune, 1},
        {"no more than ten hits", [](SpreadQuery& q) { q.hits = 11; }, SpreadStatus::BadQuery, 0},
    };
    for (const Case& c : cases) {
        SpreadQuery q = handWorkedDefence();
        c.arrange(q);
        const DefenceSpreads found = findDefenceSpreads(q);
        EXPECT_EQ(found.status, c.status) << c.what;
        EXPECT_EQ(found.splits.size(), c.splits) << c.what;
    }
}

// ガブリアス (まじめ, IV 31) has attack 150 + (1 + EV / 4) / 2. A direct ノーマル hit of power 80
// into defence 100 has the base 1760 × A / 100 / 50 + 2 and the bottom roll 85 % of it: 46 at attack
// 151 to 153, 47 at 154. Two hits surely take 94 HP from a bottom roll of 47: attack 154, EV 28.
SpreadQuery handWorkedOffence() {
    SpreadQuery q;
    q.scenario.attacker.entry = trained(kGarchomp, kNeutralNature, {6, 0, 0, 0, 0, 252});
    q.scenario.defender.entry = creature(kChansey, {94, 100, 100, 100, 100, 100});
    q.slot = DamageSlot::directRow({80, kPhysical, kNormalType});
    q.hits = 2;
    return q;
}

TEST(SpreadFinder, OffenceSpreadAtCertaintyWorkedOutByHand) {
    const SpreadQuery q = handWorkedOffence();
    const OffenceSpread found = findOffenceSpread(q);
    ASSERT_EQ(found.status, SpreadStatus::Found);
    EXPECT_EQ(found.stat, kAttack);
    EXPECT_EQ(found.budget, 252);
    EXPECT_EQ(found.ev, 28);
    EXPECT_EQ(found.value, 154);
    EXPECT_EQ(found.chance, 1.0);
    const BoxEntry applied = *entryWithOffence(*q.scenario.attacker.entry, found);
    EXPECT_EQ(applied.stat[kAttack], 154);
    EXPECT_EQ(koDirectly(q, applied, *q.scenario.defender.entry), 1.0);
    const BoxEntry oneLess = *entryWithSpread(*q.scenario.attacker.entry, kNeutralNature, {6, 24, 0, 0, 0, 252});
    EXPECT_EQ(oneLess.stat[kAttack], 153);
    EXPECT_LT(koDirectly(q, oneLess, *q.scenario.defender.entry), 1.0);
}

TEST(SpreadFinder, OffenceSearchLimits) {
    struct Case {
        const char* what;
        void (*arrange)(SpreadQuery&);
        SpreadStatus status;
        int ev;
        int nature;
    };
    const Case cases[] = {
        {"いじっぱり gives attack 165 without EVs", [](SpreadQuery& q) { q.nature = SpreadNature::Best; },
         SpreadStatus::Found, 0, kAdamant},
        {"a chance of 50 % needs fewer EVs", [](SpreadQuery& q) { q.percent = 50; }, SpreadStatus::Found, 0,
         kNeutralNature},
        {"6 EVs left are not enough",
         [](SpreadQuery& q) {
             q.scenario.attacker.entry = trained(kGarchomp, kNeutralNature, {252, 0, 0, 0, 0, 252});
         },
         SpreadStatus::NotFound, 4, kNeutralNature},
        {"no formula for the move", [](SpreadQuery& q) { q.slot = DamageSlot::moveRow(kLearnableRow, 89); },
         SpreadStatus::NoDamage, 0, kNeutralNature},
    };
    for (const Case& c : cases) {
        SpreadQuery q = handWorkedOffence();
        c.arrange(q);
        const OffenceSpread found = findOffenceSpread(q);
        EXPECT_EQ(found.status, c.status) << c.what;
        EXPECT_EQ(found.ev, c.ev) << c.what;
        EXPECT_EQ(found.nature, c.nature) << c.what;
    }
}

TEST(SpreadFinder, BestNature) {
    struct Case {
        int species, nature, stat, best;
    };
    const Case cases[] = {
        {kBlissey, kNeutralNature, kDefence, kBold}, // lowers attack, the weaker attacking stat
        {kBlissey, kAdamant, kSpDefence, kCareful},  // keeps lowering special attack
        {kBlissey, kBold, kDefence, kBold},          // already raises it
        {kBlissey, kMild, kDefence, kBold},          // lowered defence itself: back to attack
        {kGarchomp, kJolly, kAttack, kAdamant},      {kGarchomp, kNeutralNature, kSpAttack, kModest},
    };
    for (const Case& c : cases)
        EXPECT_EQ(bestNatureFor(trained(c.species, c.nature, {}), c.stat), c.best) << c.species << " " << c.stat;
}

TEST(SpreadFinder, TextsAndWritingASpread) {
    SpreadQuery q = handWorkedDefence();
    EXPECT_EQ(defenceSummaryText(findDefenceSpreads(q), 1, kCertain),
              "性格 まじめ・HPと防御の努力値の残り 510：1発を確定で耐える配分 4 通り（少ない順）");
    EXPECT_EQ(splitTexts(findDefenceSpreads(q).splits[1]),
              (std::array<std::string, kSplitColumnCount>{"20", "12", "32", "333", "32", "100.0％"}));
    q.scenario.defender.entry->ev[kSpAttack] = 252;
    q.scenario.defender.entry->ev[kSpDefence] = 252;
    q.percent = 90;
    EXPECT_EQ(defenceSummaryText(findDefenceSpreads(q), 1, 90),
              "性格 まじめ・HPと防御の努力値の残り 6：1発を90％以上の確率で耐える配分はありません");
    const SpreadQuery o = handWorkedOffence();
    EXPECT_EQ(offenceSummaryText(findOffenceSpread(o), 2, kCertain),
              "性格 まじめ・攻撃努力値 28（攻撃 154）で、2発で倒す確率は 100.0％");
    // With 6 EVs left, attack 151 gives the rolls 46 47 47 48 48 49 50 50 51 51 52 52 53 53 54 55:
    // two fall short of 94 HP in 1 + 2 × 2 of 256 pairs, 98.0 %.
    SpreadQuery tooFew = o;
    tooFew.scenario.attacker.entry->ev[kHp] = 252;
    EXPECT_EQ(offenceSummaryText(findOffenceSpread(tooFew), 2, kCertain),
              "性格 まじめ・攻撃努力値を残りの 6 まで振っても、2発で倒す確率は 98.0％（攻撃 151）で、確定に届きません");
    q.scenario.defender.entry->statsDirect = 1;
    EXPECT_EQ(defenceSummaryText(findDefenceSpreads(q), 1, 90), "能力値を直接入力した個体には努力値がありません");

    // Written as the edit form registers: over 510 EVs is refused, typed-in stats too; the name's
    // bytes stay as they were, even when they are not Shift-JIS.
    BoxEntry e = trained(kBlissey, kNeutralNature, {});
    e.name[0] = '\xff';
    EXPECT_FALSE(entryWithSpread(e, kBold, {252, 0, 252, 0, 0, 8}));
    const std::optional<BoxEntry> bold = entryWithSpread(e, kBold, {252, 0, 252, 0, 0, 6});
    ASSERT_TRUE(bold);
    EXPECT_EQ(bold->name[0], '\xff');
    EXPECT_EQ(bold->stat[kDefence], 68); // (20 + 31 + 63) / 2 + 5 = 62, × 1.1
    e.statsDirect = 1;
    EXPECT_FALSE(entryWithSpread(e, kBold, {}));
}

// An empty answer says what stayed fixed beside what was left, and which single change of the
// finder's choices would find something; "ほかの努力値も振り直す" frees the other EVs but those kept.
TEST(SpreadFinder, AnEmptyAnswerSaysWhatWasFixedAndWhatWouldHelp) {
    SpreadQuery d = handWorkedDefence();
    d.scenario.defender.entry = trained(kBlissey, kNeutralNature, {0, 252, 0, 242, 0, 0});
    SpreadQuery o = handWorkedOffence();
    o.scenario.attacker.entry->ev[kHp] = 252;
    // 40 EVs left: defence 20 is enough at any HP, but an HP of 16n−1 first costs 36 (HP 335).
    SpreadQuery marked = d;
    marked.scenario.defender.entry = trained(kBlissey, kNeutralNature, {0, 252, 0, 218, 0, 0});
    marked.hpMark = 0;
    struct Case {
        const char* what;
        std::string advice;
        std::string expected;
    } cases[] = {
        {"defence, 16 left", defenceAdviceText(d, findDefenceSpreads(d)),
         "残り 16：攻撃 252・特攻 242 は固定\n"
         "こうすると見つかります：確実さ 90％以上、最適な性格、ほかの努力値も振り直す"},
        {"offence, 6 left", offenceAdviceText(o, findOffenceSpread(o)),
         "残り 6：HP 252・素早さ 252 は固定\n"
         "こうすると見つかります：確実さ 90％以上、最適な性格、ほかの努力値も振り直す"},
        {"defence, an HP mark", defenceAdviceText(marked, findDefenceSpreads(marked)),
         "残り 40：攻撃 252・特攻 218 は固定\n"
         "こうすると見つかります：確実さ 80％以上、最適な性格、ほかの努力値も振り直す、HP調整 16n−1 を外す"},
        {"found: nothing to explain", defenceAdviceText(handWorkedDefence(), findDefenceSpreads(handWorkedDefence())),
         ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.advice, c.expected) << c.what;

    d.freeOtherEvs = true;
    d.keptEvs[kAttack] = true;
    const DefenceSpreads freed = findDefenceSpreads(d);
    ASSERT_EQ(freed.status, SpreadStatus::Found);
    EXPECT_EQ(freed.budget, 258);
    const BoxEntry applied = *entryWithSplit(*d.scenario.defender.entry, freed, freed.splits.front());
    EXPECT_EQ(applied.ev[kAttack], 252);
    EXPECT_EQ(applied.ev[kSpAttack], 0);
    EXPECT_EQ(applied.ev[kDefence], 20);
    d.keptEvs[kSpAttack] = true; // keeping both leaves the search where it was
    EXPECT_EQ(findDefenceSpreads(d).status, SpreadStatus::NotFound);
    EXPECT_EQ(defenceAdviceText(d, findDefenceSpreads(d)),
              "残り 16：攻撃 252・特攻 242 は固定\nこうすると見つかります：確実さ 90％以上、最適な性格");
}

// Every listed split survives when its hits are computed directly, one step less in either EV does
// not, and every surviving cell of the grid within the EVs left is matched or beaten by a listed one.
void expectSplitsHoldAgainstTheGrid(const SpreadQuery& q) {
    const DefenceSpreads found = findDefenceSpreads(q);
    ASSERT_EQ(found.status, SpreadStatus::Found);
    std::array<int, 6> evs;
    std::copy(std::begin(q.scenario.defender.entry->ev), std::end(q.scenario.defender.entry->ev), evs.begin());
    const auto survives = [&](int hpEv, int defEv) {
        evs[kHp] = hpEv;
        evs[found.stat] = defEv;
        const BoxEntry d = *entryWithSpread(*q.scenario.defender.entry, found.nature, evs);
        return meetsCertainty(koDirectly(q, *q.scenario.attacker.entry, d), q.percent, false);
    };
    for (const DefenceSplit& s : found.splits) {
        EXPECT_TRUE(survives(s.hpEv, s.defenceEv)) << s.hpEv << "/" << s.defenceEv;
        EXPECT_FALSE(s.hpEv > 0 && survives(s.hpEv - kEvStep, s.defenceEv)) << s.hpEv << "/" << s.defenceEv;
        EXPECT_FALSE(s.defenceEv > 0 && survives(s.hpEv, s.defenceEv - kEvStep)) << s.hpEv << "/" << s.defenceEv;
    }
    for (int h = 0; h <= kMaxUsefulEv; h += kEvStep) {
        for (int d = 0; d <= kMaxUsefulEv && h + d <= found.budget; d += kEvStep) {
            if (!survives(h, d))
                continue;
            const bool covered = std::any_of(found.splits.begin(), found.splits.end(),
                                             [&](const DefenceSplit& s) { return s.hpEv <= h && s.defenceEv <= d; });
            EXPECT_TRUE(covered) << h << "/" << d;
        }
    }
}

TEST(SpreadFinder, EveryListedSplitHoldsAgainstTheHitsComputedDirectly) {
    SpreadQuery fireBlast; // ハピナス against two だいもんじ of a ひかえめ special attacker, sun
    fireBlast.scenario.attacker.entry = trained(kMetagross, kModest, {0, 0, 0, 252, 0, 0});
    fireBlast.scenario.attacker.entry->stat[kSpAttack] = 360;
    fireBlast.scenario.defender.entry = trained(kBlissey, kBold, {0, 0, 252, 0, 0, 0});
    fireBlast.slot = DamageSlot::moveRow(kLearnableRow, kFireBlast);
    fireBlast.scenario.field.weather = kWeatherSun;
    fireBlast.scenario.mode = DamageMode::ExactGen5;
    fireBlast.hits = 2;
    SpreadQuery likely = fireBlast; // the same at a chance of 75 %, in the 4th generation
    likely.percent = 75;
    likely.scenario.mode = DamageMode::ExactGen4;
    SpreadQuery quake; // カビゴン against a critical じしん of ガブリアス at -2 (ignored), 50 %, best nature
    quake.scenario.attacker.entry = trained(kGarchomp, kAdamant, {0, 252, 0, 0, 0, 252});
    quake.scenario.assumed.attackStage = -2;
    quake.scenario.defender.entry = trained(kSnorlax, kAdamant, {0, 252, 0, 0, 0, 0});
    quake.slot = DamageSlot::moveRow(kLearnableRow, kEarthquake);
    quake.scenario.mode = DamageMode::ExactGen5;
    quake.scenario.critical = true;
    quake.nature = SpreadNature::Best;
    quake.percent = 50;
    SpreadQuery fang = quake; // いかりのまえば twice: each halves what is left, so any HP of 3 or more survives
    fang.slot = DamageSlot::moveRow(kLearnableRow, kSuperFang);
    fang.scenario.defender.entry->iv[kHp] = 29;
    fang.hits = 2;
    fang.percent = kCertain;
    SpreadQuery seeds = quake; // タネマシンガン, 2 to 5 hits a use, twice: every hit count weighed
    seeds.slot = DamageSlot::moveRow(kLearnableRow, kBulletSeed);
    seeds.scenario.mode = DamageMode::ExactGen4;
    seeds.scenario.critical = false;
    seeds.hits = 2;
    for (const SpreadQuery* q : {&fireBlast, &likely, &quake, &fang, &seeds}) {
        SCOPED_TRACE(q->slot.move);
        expectSplitsHoldAgainstTheGrid(*q);
    }
    const DefenceSpreads noEvs = findDefenceSpreads(fang);
    ASSERT_EQ(noEvs.splits.size(), 1u);
    EXPECT_EQ(noEvs.splits[0].total(), 0);
}

// The hand-worked splits again, the HP held to a mark: HP 330 + (1 + HP EV / 4) / 2 is 16n−1 at
// 335 (EV 36) and 351 (EV 164), 16n at 336 (EV 44) and 352 (EV 172); each needs the least defence
// whose top roll (332 at defence 32, 342 at 31) stays under it.
TEST(SpreadFinder, AnHpMarkKeepsOnlyTheSplitsThatMeetIt) {
    const struct {
        int mark;
        std::vector<std::array<int, 3>> splits; // HP EV, defence EV, HP
    } cases[] = {{0, {{36, 12, 335}, {164, 4, 351}}}, {1, {{44, 12, 336}, {172, 4, 352}}}};
    for (const auto& c : cases) {
        SpreadQuery q = handWorkedDefence();
        q.hpMark = c.mark;
        const DefenceSpreads found = findDefenceSpreads(q);
        ASSERT_EQ(found.splits.size(), c.splits.size()) << c.mark;
        for (size_t i = 0; i < c.splits.size(); ++i) {
            const DefenceSplit& s = found.splits[i];
            EXPECT_EQ((std::array<int, 3>{s.hpEv, s.defenceEv, s.hp}), c.splits[i]) << c.mark;
        }
    }
    SpreadQuery bad = handWorkedDefence();
    bad.hpMark = 99;
    EXPECT_EQ(findDefenceSpreads(bad).status, SpreadStatus::BadQuery);
}

} // namespace
} // namespace rusrina::test
