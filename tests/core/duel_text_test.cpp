// The one-on-one's words: the 対面 line of a computed and a refused pair, and the turn log.

#include "view/box/duel_text.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

namespace rusrina {
namespace {

TEST(DuelText, LineAndLogWordTheAnswer) {
    DuelResult won;
    won.computed = true;
    won.win = 0.05859375;
    won.lose = 0.94140625;
    won.expectedTurns = 1.87890625;
    won.turns = {{0.05859375, 0.0, 0.0625, 0.05859375, 0.0625}, {0.0, 0.0, 0.87890625, 0.0, 0.87890625}};
    won.notes = kDuelNoteSecondaryEffects;
    DuelResult refused;
    refused.refusal = {DuelRefusal::TwoTurns, DuelRefusal::NotDamaging};
    const struct {
        const DuelResult& result;
        const char* line;
    } rows[] = {
        {won, "対面（りゅうのはどう 対 シャドーボール）：勝ち 5.9 %・引き分け 0.0 %・負け 94.1 %（平均 1.88 ターン）"},
        {refused,
         "対面（りゅうのはどう 対 シャドーボール）：計算できません（攻撃側：2ターンかかる技、防御側：変化技）"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(duelLine(row.result, "りゅうのはどう", "シャドーボール"), row.line);
    const std::vector<std::string> log = duelLog(won, 3);
    const std::vector<std::string> expected = {
        "1ターン目に先に動く確率 0.0 %",
        "1ターン目：勝ち 5.9 %（先に倒す 5.9 %）・引き分け 0.0 %・負け 6.2 %（先に倒される 6.2 %）",
        "2ターン目：勝ち 0.0 %（先に倒す 0.0 %）・引き分け 0.0 %・負け 87.9 %（先に倒される 87.9 %）",
        "※技の追加効果（ひるみ、やけど、能力ダウンなど）は含めていません",
    };
    EXPECT_EQ(log, expected);
    EXPECT_TRUE(duelLog(refused).empty());
}

// The box window's line: the simple mode and a side without a damaging move say why, with no log;
// a pair names each side's soonest-knocking move and its log starts with the line.
TEST(DuelText, BoxLineOfThePair) {
    using test::creature, test::withMoves, test::scenarioOf;
    const BoxEntry snorlax =
        withMoves(creature(test::kSnorlax, {200, 100, 100, 100, 100, 100}), {32, 33, NO_MOVE, NO_MOVE});
    const BoxEntry ghostOnly =
        withMoves(creature(test::kChansey, {200, 100, 100, 100, 100, 90}), {246, NO_MOVE, NO_MOVE, NO_MOVE});
    const BoxEntry chansey =
        withMoves(creature(test::kChansey, {200, 100, 100, 100, 100, 90}), {32, NO_MOVE, NO_MOVE, NO_MOVE});
    const struct {
        Scenario scenario;
        const char* start;
        bool log;
    } rows[] = {
        {scenarioOf(snorlax, chansey, DamageMode::Simple), "対面：計算方式を実機にすると", false},
        {scenarioOf(snorlax, ghostOnly), "対面：防御側にダメージを与える技がありません", false},
        {scenarioOf(ghostOnly, snorlax), "対面：攻撃側にダメージを与える技がありません", false},
        {scenarioOf(snorlax, chansey), "対面（のしかかり 対 たいあたり）：勝ち ", true},
        {scenarioOf(snorlax, std::nullopt), "", false},
    };
    for (const auto& row : rows) {
        const DuelView view = duelViewOf(row.scenario);
        EXPECT_EQ(view.line.rfind(row.start, 0), 0u) << view.line;
        EXPECT_EQ(view.line.empty(), *row.start == 0);
        ASSERT_EQ(!view.log.empty(), row.log) << row.start;
        if (row.log) {
            EXPECT_EQ(view.log.front(), view.line);
        }
    }
}

} // namespace
} // namespace rusrina
