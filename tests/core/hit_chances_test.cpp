// 命中・急所も数える: with the field's option each use may miss and each hit land a critical hit, and
// the rows, the matrix and the finder all give the same chance, worked out here by hand from the
// accuracy and the critical rate, in both generations; the verdict says what it counted.

#include "calc/box_tools/damage_matrix.h"
#include "calc/box_tools/spread_finder.h"
#include "view/box/exact_row.h"
#include "view/matrix/matrix_view.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

namespace rusrina::test {
namespace {

constexpr int kStoneEdge = indexOf(MoveId::StoneEdge); // いわ 100, 80 %
constexpr int kWaterfall = indexOf(MoveId::Waterfall); // みず 80, 100 %

struct HitChanceCase {
    const char* what;
    int move;
    int defenderHp; // 10: any hit knocks out; 50: only a critical hit does (31 ～ 37 plain, twice that critical)
    void (*arrange)(Scenario&);
    int uses;
    double chance;       // of knocking out within `uses` uses
    const char* verdict; // the rows' and the matrix's
};

void nothing(Scenario&) {}

const HitChanceCase kCases[] = {
    {"a miss in five", kStoneEdge, 10, nothing, 1, 0.8, "命中・急所込みで 乱数1発 (80.0％)"},
    {"two tries", kStoneEdge, 10, nothing, 2, 1 - 0.2 * 0.2, "命中・急所込みで 乱数1発 (80.0％)"},
    {"evasion +1 takes a quarter", kStoneEdge, 10, [](Scenario& s) { s.defender.state.stages[kStageEvasion] = 1; }, 1,
     0.6, "命中・急所込みで 乱数1発 (60.0％)"},
    {"accuracy +1 makes it sure", kStoneEdge, 10, [](Scenario& s) { s.attacker.state.stages[kStageAccuracy] = 1; }, 1,
     1.0, "命中・急所込みで 確定1発"},
    {"じゅうりょく makes it sure", kStoneEdge, 10, [](Scenario& s) { s.field.gravity = true; }, 1, 1.0,
     "命中・急所込みで 確定1発"},
    {"ノーガード", kStoneEdge, 10, [](Scenario& s) { s.attacker.entry->ability = indexOf(AbilityId::NoGuard); }, 1, 1.0,
     "命中・急所込みで 確定1発"},
    {"only a critical hit knocks out", kWaterfall, 50, nothing, 1, 1.0 / 16, "命中・急所込みで 乱数1発 (6.3％)"},
    {"two hits always do", kWaterfall, 50, nothing, 2, 1.0, "命中・急所込みで 乱数1発 (6.3％)"},
    {"the critical hit forced on stands aside", kWaterfall, 50, [](Scenario& s) { s.critical = true; }, 1, 1.0 / 16,
     "命中・急所込みで 乱数1発 (6.3％)"},
};

Scenario scenarioFor(const HitChanceCase& c, DamageMode mode) {
    Scenario s = scenarioOf(creature(kSnorlax, {200, 100, 100, 100, 100, 100}),
                            creature(kChansey, {c.defenderHp, 100, 100, 100, 100, 100}), mode);
    s.attacker.entry = withMoves(*s.attacker.entry, {c.move, NO_MOVE, NO_MOVE, NO_MOVE});
    s.field.countHitChances = true;
    c.arrange(s);
    return s;
}

TEST(HitChances, RowsMatrixAndFinderCountMissesAndCriticalHits) {
    for (DamageMode mode : {DamageMode::ExactGen5, DamageMode::ExactGen4}) {
        for (const HitChanceCase& c : kCases) {
            SCOPED_TRACE(std::string(c.what) + (mode == DamageMode::ExactGen4 ? " (4th)" : " (5th)"));
            const Scenario s = scenarioFor(c, mode);
            const DamageSlot slot = DamageSlot::moveRow(0, c.move);
            EXPECT_NEAR(koChanceInUses(s, slot, c.uses), c.chance, 1e-12);

            const ExactAnswer answer = calculateHit(s, slot, true);
            ASSERT_TRUE(answer.hitChances);
            EXPECT_EQ(koTextWithTurnEnd(answer.rolls, answer.ko, answer.turnEnd, true), c.verdict);
            const ExactRowResult row = exactRowResult(*s.attacker.entry, *s.defender.entry, answer);
            EXPECT_EQ(row.texts.hitsText, c.verdict);

            const BoxEntry box[] = {*s.attacker.entry, *s.defender.entry};
            const std::vector<MatrixRow> matrix = computeMatrix(s, box, {}, 0, MatrixSide::AttackerAgainstBox);
            ASSERT_EQ(matrix.size(), 1u);
            EXPECT_EQ(matrixCellText(matrix[0], box, kMatrixEntryColumns + kMatrixKo), c.verdict);
        }
    }
}

TEST(HitChances, OffTheVerdictIsTheHitsAlone) {
    Scenario s = scenarioFor(kCases[0], DamageMode::ExactGen5);
    s.field.countHitChances = false;
    const ExactAnswer answer = calculateHit(s, DamageSlot::moveRow(0, kStoneEdge), true);
    EXPECT_FALSE(answer.hitChances);
    EXPECT_EQ(exactRowResult(*s.attacker.entry, *s.defender.entry, answer).texts.hitsText, "確定1発");
    // The simple mode's tools compute without the battle state, so without the option too.
    s.field.countHitChances = true;
    s.mode = DamageMode::Simple;
    EXPECT_FALSE(calculateHit(s, DamageSlot::moveRow(0, kStoneEdge)).hitChances);
}

} // namespace
} // namespace rusrina::test
