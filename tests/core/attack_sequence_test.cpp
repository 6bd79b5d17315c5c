// The sequence the player lists from the box: its steps follow their entries through the box,
// one whose entry is gone is named instead of computed, and each step's answer is read off the
// use that ends it.

#include "calc/box_tools/attack_sequence.h"
#include "view/common/exact_texts.h"
#include "view/sequence/sequence_view.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

namespace rusrina::test {
namespace {

constexpr int kWaterfall = indexOf(MoveId::Waterfall); // みず 80: 31 ～ 37 from the shared attacker

PlannedStep stepOf(const BoxEntry& entry, int slot, int uses) {
    PlannedStep step;
    step.entry = entry;
    step.slot = slot;
    step.uses = uses;
    return step;
}

TEST(AttackSequence, StepsFollowTheirEntriesAndNameTheOnesGone) {
    BoxEntry a = creature(kSnorlax, {200, 100, 100, 100, 100, 100});
    BoxEntry b = creature(kMachamp, {200, 120, 100, 100, 100, 100});
    BoxEntry rewritten = b;
    rewritten.level = b.level + 1;
    const PlannedStep steps[] = {stepOf(a, 0, 1), stepOf(b, 1, 2)};
    const struct {
        const char* what;
        std::vector<BoxEntry> box;
        std::vector<int> slots;
    } cases[] = {
        {"in place", {a, b}, {0, 1}},
        {"sorted", {b, a}, {1, 0}},
        {"one deleted", {a}, {0, -1}},
        {"one rewritten", {a, rewritten}, {0, -1}},
        {"a twin ahead of it", {a, a, b}, {0, 2}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(locateSteps(steps, c.box), c.slots) << c.what;

    const int gone[] = {0, -1};
    EXPECT_EQ(sequenceProblemText(steps, gone, true, {}),
              "2番目の攻撃側がボックスにありません（削除か書き換え）。その攻撃を削除するか、追加し直してください");
    EXPECT_EQ(sequenceProblemText({}, {}, true, {}), "攻撃を追加してください（攻撃側・技・回数）");
    const int found[] = {0, 1};
    EXPECT_EQ(sequenceProblemText(steps, found, false, {}), "防御側を選んでください");
}

TEST(AttackSequence, EachStepShowsTheHpLeftAndTheChanceToHaveFallen) {
    const BoxEntry attacker =
        withMoves(creature(kSnorlax, {200, 100, 100, 100, 100, 100}), {kWaterfall, NO_MOVE, NO_MOVE, NO_MOVE});
    const Scenario s = scenarioOf(std::nullopt, creature(kChansey, {160, 100, 100, 100, 100, 100}));
    const PlannedStep steps[] = {stepOf(attacker, 0, 1), stepOf(attacker, 0, 2), stepOf(attacker, 0, 2)};
    EXPECT_EQ(plannedChainText(steps), "カビゴン たきのぼり → カビゴン たきのぼり ×2 → カビゴン たきのぼり ×2");

    const SequenceResult result = computePlannedSequence(s, steps);
    ASSERT_EQ(result.status, SequenceStatus::Computed);
    const auto rows = sequenceRows(steps, result);
    ASSERT_EQ(rows.size(), 3u);
    // 160 − 31 … 37 a use: 123 … 129 after one, 49 … 67 after three, and five knock out from
    // 160 of their 155 … 185.
    EXPECT_TRUE(rows[0][2].starts_with("123 ～ 129（平均 ")) << rows[0][2];
    EXPECT_TRUE(rows[0][2].ends_with("） / 160")) << rows[0][2];
    EXPECT_EQ(rows[0][3], "0.0％");
    EXPECT_TRUE(rows[1][2].starts_with("49 ～ 67（平均 ")) << rows[1][2];
    EXPECT_EQ(rows[1][3], "0.0％");
    EXPECT_TRUE(rows[2][2].starts_with("1 ～ 5（平均 ")) << rows[2][2];
    EXPECT_EQ(rows[2][3], koChanceText(result.uses.back().knockedOut));
    EXPECT_GT(result.uses.back().knockedOut, 0.0);
    EXPECT_LT(result.uses.back().knockedOut, 1.0);

    const std::string log = sequenceLogText(steps, result);
    EXPECT_NE(log.find("1. カビゴン たきのぼり\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("　5回目： 倒れている確率 0.0％ → "), std::string::npos) << log;
}

} // namespace
} // namespace rusrina::test
