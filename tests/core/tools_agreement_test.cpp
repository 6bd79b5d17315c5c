// The tools of the box agree with the rows: over random battles of each exact mode (every input of
// the window and the battle state drawn, hazards and every end of turn among them, every entry with
// its held item, gender and happiness), every verdict of the matrix, either side against the box, is
// the verdict the six rows give for that pair; and a spread either finder proposes, applied to its
// entry, gives the verdict it promised.

#include "calc/box_tools/damage_matrix.h"
#include "calc/box_tools/spread_finder.h"
#include "view/box/exact_row.h"
#include "view/matrix/matrix_view.h"
#include "view/matrix/spread_view.h"

#include "random_scenario.h"

#include <gtest/gtest.h>

#include <iostream>

namespace rusrina::test {
namespace {

// Under the sanitizers every hit runs many times slower: a tenth of the battles there.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define RUSRINA_SANITIZED
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(RUSRINA_SANITIZED)
constexpr int kBattlesPerMode = 200;
#else
constexpr int kBattlesPerMode = 2000;
#endif
constexpr int kOthersInBox = 3;
constexpr int kMostFailuresShown = 10;

struct Tally {
    int battles = 0, cells = 0, splits = 0, offences = 0, failures = 0;
    void fail(const std::string& what) {
        if (++failures <= kMostFailuresShown)
            ADD_FAILURE() << what;
    }
};

struct Box {
    std::vector<BoxEntry> entries;
    std::vector<EntryExtra> extras;
};

Box boxOf(const std::vector<Combatant>& creatures) {
    Box box;
    for (const Combatant& c : creatures) {
        box.entries.push_back(*c.entry);
        EntryExtra extra;
        extra.heldItem = c.heldItem;
        extra.gender = c.gender;
        extra.happiness = c.happiness.value_or(kDefaultHappiness);
        box.extras.push_back(extra);
    }
    return box;
}

// Every verdict cell of the matrix against the rows of its pair.
void checkMatrix(const Scenario& s, const Box& box, MatrixSide side, Tally& tally) {
    for (const MatrixRow& row : computeMatrix(s, box.entries, box.extras, 0, side)) {
        const Scenario pair = pairScenario(s, side, box.entries[row.slot], box.extras[row.slot]);
        const auto rows = computeRowsInMode(pair, {});
        for (int i = 0; i < kMoveRowCount; ++i) {
            const std::string cell = matrixCellText(row, box.entries, kMatrixEntryColumns + i * 4 + kMatrixKo);
            const std::string& verdict = rows[row.cells[i].moveSlot].texts.hitsText;
            ++tally.cells;
            if (cell != verdict)
                tally.fail("battle " + std::to_string(tally.battles) + ", slot " + std::to_string(row.slot) +
                           ", move " + std::to_string(row.cells[i].move) + ": matrix " + cell + ", rows " + verdict);
        }
    }
}

// The chance the spread's scenario gives meets what the finder promised.
void checkPromise(const SpreadQuery& q, const BoxEntry& applied, bool defender, double promised, Tally& tally) {
    const double chance = koChanceInUses(scenarioWithSpread(q, applied, defender), q.slot, q.hits);
    if (!meetsCertainty(chance, q.percent, !defender) || std::abs(chance - promised) > 1e-9)
        tally.fail("battle " + std::to_string(tally.battles) + (defender ? ": split" : ": offence") + " promised " +
                   std::to_string(promised) + ", gives " + std::to_string(chance));
}

void checkFinders(RandomBattles& random, const Scenario& s, Tally& tally) {
    SpreadQuery q;
    q.scenario = s;
    q.slot = DamageSlot::moveRow(random.below(kMoveRowCount), s.attacker.entry->move[random.below(kMoveRowCount)]);
    q.hits = 1 + random.below(3);
    q.percent = random.chance(50) ? kCertain : 50 + 10 * random.below(5);
    q.nature = random.chance(30) ? SpreadNature::Best : SpreadNature::Keep;
    q.freeOtherEvs = random.chance(30);
    const DefenceSpreads defence = findDefenceSpreads(q);
    if (defence.status == SpreadStatus::Found)
        for (const DefenceSplit* split : {&defence.splits.front(), &defence.splits.back()})
            if (const auto applied = entryWithSplit(*s.defender.entry, defence, *split)) {
                ++tally.splits;
                checkPromise(q, *applied, true, split->koChance, tally);
            }
    const OffenceSpread offence = findOffenceSpread(q);
    if (const auto applied = entryWithOffence(*s.attacker.entry, offence)) {
        ++tally.offences;
        checkPromise(q, *applied, false, offence.chance, tally);
    }
}

class ToolsAgreeWithTheRows : public ::testing::TestWithParam<DamageMode> {};

TEST_P(ToolsAgreeWithTheRows, OverRandomBattles) {
    RandomBattles random(GetParam() == DamageMode::ExactGen5 ? 5 : 4);
    Tally tally;
    for (; tally.battles < kBattlesPerMode; ++tally.battles) {
        std::vector<Combatant> creatures;
        for (int i = 0; i <= kOthersInBox; ++i)
            creatures.push_back(random.creature());
        const Scenario s = random.scenario(GetParam(), creatures[0], creatures[1]);
        const Box box = boxOf(creatures);
        checkMatrix(s, box, MatrixSide::AttackerAgainstBox, tally);
        // The same battle with the first creature defending against the box.
        Scenario defending = s;
        defending.attacker = creatures[1];
        defending.defender = creatures[0];
        defending.attacker.side = s.attacker.side;
        defending.attacker.state = s.attacker.state;
        defending.defender.side = s.defender.side;
        defending.defender.state = s.defender.state;
        checkMatrix(defending, box, MatrixSide::BoxAgainstDefender, tally);
        checkFinders(random, s, tally);
    }
    std::cout << damageModeName(GetParam()) << ": " << tally.battles << " battles, " << tally.cells
              << " matrix verdicts, " << tally.splits << " defence splits and " << tally.offences
              << " offence spreads applied\n";
    RecordProperty("cells", tally.cells);
    RecordProperty("splits", tally.splits);
    RecordProperty("offences", tally.offences);
    EXPECT_EQ(tally.failures, 0);
}

INSTANTIATE_TEST_SUITE_P(ExactModes, ToolsAgreeWithTheRows,
                         ::testing::Values(DamageMode::ExactGen5, DamageMode::ExactGen4),
                         [](const ::testing::TestParamInfo<DamageMode>& info) {
                             return info.param == DamageMode::ExactGen5 ? "Gen5" : "Gen4";
                         });

} // namespace
} // namespace rusrina::test
