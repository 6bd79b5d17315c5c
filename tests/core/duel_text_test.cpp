// The one-on-one's words: the 対面 line of a computed and a refused pair, and the turn log.

#include "view/box/duel_text.h"

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

} // namespace
} // namespace rusrina
