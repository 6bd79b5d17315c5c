// The matrix's 対面勝率 column: the chosen entry's answer whichever side of the matrix it stands on,
// as the pair itself gives it; the cell texts and the order after a click on its heading.

#include "calc/box_tools/matrix_duel.h"
#include "calc/duel/duel.h"
#include "view/matrix/matrix_view.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace rusrina::test {
namespace {

constexpr int kTackle = 32, kBodySlam = 33, kShadowBall = 246;

TEST(MatrixDuel, TheChosenEntrysAnswerOnEitherSide) {
    const BoxEntry fast =
        withMoves(creature(kSnorlax, {200, 100, 100, 100, 100, 120}), {kBodySlam, kTackle, NO_MOVE, NO_MOVE});
    const BoxEntry slow =
        withMoves(creature(kChansey, {220, 90, 80, 100, 100, 60}), {kTackle, NO_MOVE, NO_MOVE, NO_MOVE});
    const BoxEntry ghostOnly =
        withMoves(creature(kChansey, {220, 90, 80, 100, 100, 60}), {kShadowBall, NO_MOVE, NO_MOVE, NO_MOVE});
    const struct {
        BoxEntry chosen, other;
        MatrixDuel::State state;
    } rows[] = {
        {fast, slow, MatrixDuel::State::Computed},
        {slow, fast, MatrixDuel::State::Computed},
        {fast, ghostOnly, MatrixDuel::State::Refused}, // シャドーボール does nothing to ノーマル
    };
    for (const auto& row : rows) {
        const DuelResult pair = computeDuelWithSoonestMoves(scenarioOf(row.chosen, row.other));
        const MatrixDuel asAttacker =
            matrixDuel(scenarioOf(row.chosen, std::nullopt), MatrixSide::AttackerAgainstBox, row.other, {});
        const MatrixDuel asDefender =
            matrixDuel(scenarioOf(std::nullopt, row.chosen), MatrixSide::BoxAgainstDefender, row.other, {});
        EXPECT_EQ(asAttacker.state, row.state);
        EXPECT_EQ(asDefender.state, row.state);
        for (const MatrixDuel& d : {asAttacker, asDefender}) {
            EXPECT_NEAR(d.win, pair.win, 1e-12);
            EXPECT_NEAR(d.draw, pair.draw, 1e-12);
            EXPECT_NEAR(d.lose, pair.lose, 1e-12);
        }
    }
}

// Computed answers by the chance to win, then to draw; cells not computed last either way.
TEST(MatrixDuel, ColumnTextsAndOrder) {
    using S = MatrixDuel::State;
    const MatrixDuel duels[] = {{S::Computed, 0.25, 0.0, 0.75},
                                {S::NotAsked},
                                {S::Computed, 0.75, 0.0, 0.25},
                                {S::Refused},
                                {S::Computed, 0.25, 0.1, 0.65}};
    std::vector<MatrixRow> rows;
    for (int slot = 0; slot < 5; ++slot)
        rows.push_back({.slot = slot, .cells = {}, .speed = {}, .duel = duels[slot]});
    const std::vector<BoxEntry> entries(5, creature(kChansey, {200, 100, 100, 100, 100, 100}));
    const char* const texts[] = {"25.0 %", "", "75.0 %", "－", "25.0 %"};
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(matrixCellText(rows[slot], entries, kMatrixDuelColumn), texts[slot]) << slot;
    for (bool withSpeed : {false, true})
        EXPECT_EQ(matrixColumnAt(matrixColumnCount(withSpeed), withSpeed), kMatrixDuelColumn);
    EXPECT_EQ(matrixHeading(kMatrixDuelColumn), "対面勝率");
    const struct {
        bool descending;
        std::vector<int> slots;
    } orders[] = {{true, {2, 4, 0, 1, 3}}, {false, {0, 4, 2, 1, 3}}};
    for (const auto& order : orders) {
        std::vector<MatrixRow> sorted = rows;
        sortMatrixRows(sorted, entries, kMatrixDuelColumn, order.descending);
        std::vector<int> slots;
        for (const MatrixRow& row : sorted)
            slots.push_back(row.slot);
        EXPECT_EQ(slots, order.slots) << order.descending;
    }
    const std::string text = matrixText(rows, entries, false, true);
    EXPECT_NE(text.find("確定数４\t対面勝率\r\n"), std::string::npos);
}

} // namespace
} // namespace rusrina::test
