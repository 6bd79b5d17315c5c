// Power tuning against several defenders: the fewest EVs for all is what the hardest needs, and
// applied it knocks out every one with the wanted chance; one defender that cannot be knocked out
// leaves no answer for all.

#include "calc/box_tools/power_tuning.h"
#include "view/matrix/spread_view.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

namespace rusrina::test {
namespace {

constexpr int kGarchomp = 449;
constexpr int kGengar = 93; // ゴースト: no ノーマル hit lands

Combatant defenderWithHp(int species, int hp) {
    Combatant c;
    c.entry = creature(species, {hp, 100, 100, 100, 100, 100});
    return c;
}

// ガブリアス (まじめ, attack 150 + (1 + EV / 4) / 2) with a direct ノーマル hit of power 80, twice,
// into defence 100: the bottom roll is 46 at attack 151 to 153, 47 at 154 (EV 28), 48 at 157.
SpreadQuery twoHits() {
    SpreadQuery q;
    q.scenario.attacker.entry = testing::EntryBuilder("test", kGarchomp)
                                    .nature(kNeutralNature)
                                    .ability(0)
                                    .item(0)
                                    .evs({6, 0, 0, 0, 0, 252})
                                    .noMoves()
                                    .computedStats();
    q.slot = DamageSlot::directRow({80, kPhysical, kNormalType});
    q.hits = 2;
    return q;
}

TEST(PowerTuning, TheHardestDefenderSetsTheEvsForAll) {
    const SpreadQuery q = twoHits();
    const std::vector<Combatant> defenders = {defenderWithHp(kChansey, 90), defenderWithHp(kChansey, 94),
                                              defenderWithHp(kChansey, 92)};
    const PowerTuning found = findPowerAgainst(q, defenders);
    ASSERT_EQ(found.each.size(), defenders.size());
    ASSERT_EQ(found.all.status, SpreadStatus::Found);
    EXPECT_EQ(found.hardest, 1);
    EXPECT_EQ(found.all.ev, 28);
    const BoxEntry applied = *entryWithOffence(*q.scenario.attacker.entry, found.all);
    for (const Combatant& d : defenders) {
        Scenario s = q.scenario;
        s.attacker.entry = applied;
        s.defender = d;
        EXPECT_EQ(koChanceInUses(calculateHit(s, q.slot), q.hits), 1.0) << d.entry->stat[kHp];
    }

    const struct {
        const char* what;
        std::vector<Combatant> defenders;
        SpreadStatus status;
    } blocked[] = {
        {"a ゴースト among them", {defenderWithHp(kChansey, 90), defenderWithHp(kGengar, 90)}, SpreadStatus::Immune},
        {"one beyond any EVs", {defenderWithHp(kChansey, 300)}, SpreadStatus::NotFound},
        {"nobody listed", {}, SpreadStatus::NoDamage},
    };
    for (const auto& c : blocked) {
        const PowerTuning none = findPowerAgainst(q, c.defenders);
        EXPECT_EQ(none.all.status, c.status) << c.what;
        EXPECT_EQ(none.hardest, -1) << c.what;
    }
}

} // namespace
} // namespace rusrina::test
