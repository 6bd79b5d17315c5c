// Bulk tuning against a sequence: every spread found survives with the chance it says, none can
// give up an EV step of any of its three and still survive, none is beaten in all three, and a
// wanted HP mark holds.

#include "calc/box_tools/bulk_tuning.h"
#include "calc/hp_marks.h"
#include "calc/stats.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

namespace rusrina::test {
namespace {

constexpr int kWaterfall = indexOf(MoveId::Waterfall); // みず 80, physical
constexpr int kSurf = indexOf(MoveId::Surf);           // みず 95 (90 in the 5th), special
constexpr int kBlissey = 241;                          // ハピナス

BoxEntry trainedDefender() {
    return testing::EntryBuilder("test", kBlissey)
        .nature(kNeutralNature)
        .ability(0)
        .item(0)
        .noMoves()
        .evs({})
        .computedStats();
}

double survivesWith(const BulkQuery& q, const BulkSpread& s) {
    BoxEntry e = *q.scenario.defender.entry;
    e.ev[kHp] = s.hpEv;
    e.ev[kDefence] = s.defenceEv;
    e.ev[kSpDefence] = s.spDefenceEv;
    const std::array<int, 6> stats =
        computeEntryStats(e.species, {e.iv[0], e.iv[1], e.iv[2], e.iv[3], e.iv[4], e.iv[5]},
                          {e.ev[0], e.ev[1], e.ev[2], e.ev[3], e.ev[4], e.ev[5]}, e.level, e.nature);
    std::copy(stats.begin(), stats.end(), std::begin(e.stat));
    Scenario sc = q.scenario;
    sc.defender.entry = e;
    return 1.0 - computePlannedSequence(sc, q.steps).uses.back().knockedOut;
}

TEST(BulkTuning, EverySpreadSurvivesAndNoneCanGiveUpAStep) {
    const BoxEntry attacker =
        withMoves(creature(kSnorlax, {200, 130, 100, 160, 100, 100}), {kWaterfall, kSurf, NO_MOVE, NO_MOVE});
    PlannedStep physical{attacker, {}, 0, 0, 2};
    PlannedStep special{attacker, {}, 0, 1, 1};
    const struct {
        const char* what;
        double least;
        int mark;
    } cases[] = {{"確定", 1.0, -1}, {"15/16", 15.0 / 16, -1}, {"half", 0.5, -1}, {"16n", 1.0, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        BulkQuery q;
        q.scenario = scenarioOf(std::nullopt, trainedDefender());
        q.steps = {physical, special};
        q.least = c.least;
        q.hpMark = c.mark;
        const BulkSpreads found = findBulkSpreads(q);
        ASSERT_EQ(found.status, BulkStatus::Found);
        ASSERT_FALSE(found.spreads.empty());
        for (size_t i = 0; i < found.spreads.size(); ++i) {
            const BulkSpread& s = found.spreads[i];
            EXPECT_EQ(survivesWith(q, s), s.survives);
            EXPECT_TRUE(survivesEnough(s.survives, c.least));
            if (c.mark >= 0) {
                EXPECT_TRUE(meetsHpMark(s.hp, kHpMarks[c.mark])) << s.hp;
            }
            if (i > 0) {
                EXPECT_LE(found.spreads[i - 1].total(), s.total());
            }
            for (int stat = 0; stat < 3 && c.mark < 0; ++stat) {
                BulkSpread less = s;
                int& ev = stat == 0 ? less.hpEv : stat == 1 ? less.defenceEv : less.spDefenceEv;
                if (ev == 0)
                    continue;
                ev -= kEvStep;
                EXPECT_FALSE(survivesEnough(survivesWith(q, less), c.least))
                    << s.hpEv << "/" << s.defenceEv << "/" << s.spDefenceEv << " less in " << stat;
            }
        }
    }
}

TEST(BulkTuning, SaysWhyItFindsNothing) {
    const BoxEntry attacker =
        withMoves(creature(kSnorlax, {200, 999, 100, 999, 100, 100}), {kWaterfall, NO_MOVE, NO_MOVE, NO_MOVE});
    BulkQuery q;
    q.scenario = scenarioOf(std::nullopt, trainedDefender());
    q.steps = {PlannedStep{attacker, {}, 0, 0, 10}};
    EXPECT_EQ(findBulkSpreads(q).status, BulkStatus::NotFound);
    q.least = 0.0;
    EXPECT_EQ(findBulkSpreads(q).status, BulkStatus::BadQuery);
    q.least = 1.0;
    q.steps.clear();
    EXPECT_EQ(findBulkSpreads(q).status, BulkStatus::NoDefender);
    q.steps = {PlannedStep{attacker, {}, 0, 0, 1}};
    q.scenario.defender.entry = creature(kChansey, {100, 100, 100, 100, 100, 100});
    EXPECT_EQ(findBulkSpreads(q).status, BulkStatus::TypedStats);
}

} // namespace
} // namespace rusrina::test
