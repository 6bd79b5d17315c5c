// The order line's words: each side's speed, what changed it, and who moves first.

#include "view/box/speed_order_line.h"

#include <gtest/gtest.h>

namespace rusrina {
namespace {

SpeedSide side(int stat, int item = 0, SpeedStatus status = SpeedStatus::None) {
    SpeedSide s;
    s.stat = stat;
    s.heldItem = item;
    s.status = status;
    return s;
}

TEST(SpeedOrderLine, Texts) {
    const struct {
        SpeedSide attacker;
        SpeedSide defender;
        const char* line;
    } cases[] = {
        {side(100), side(100), "素早さ 100 対 100：同速 (50 %)"},
        {side(100, kItemChoiceScarf), side(120), "素早さ 100 → 150（こだわりスカーフ） 対 120：攻撃側が先手"},
        {side(100, kItemIronBall, SpeedStatus::Paralysis), side(30),
         "素早さ 100 → 12（くろいてっきゅう・まひ） 対 30：攻撃側が後手"},
        {side(100, kItemQuickClaw), side(120),
         "素早さ 100 対 120：攻撃側が後手（せんせいのツメ・イバンのみで先に動くことがあります）"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(speedOrderLine(turnOrder(c.attacker, c.defender, {})), c.line);
    EXPECT_EQ(speedOrderLine(std::nullopt), "");
}

} // namespace
} // namespace rusrina
