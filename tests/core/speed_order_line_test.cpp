// The order line's words: each side's speed, what changed it, and who moves first.

#include "view/box/speed_order_line.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

namespace rusrina {
namespace {

SpeedSide side(int stat, ItemId item = ItemId::None, SpeedStatus status = SpeedStatus::None) {
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
        {side(100, ItemId::ChoiceScarf), side(120), "素早さ 100 → 150（こだわりスカーフ） 対 120：攻撃側が先手"},
        {side(100, ItemId::IronBall, SpeedStatus::Paralysis), side(30),
         "素早さ 100 → 12（くろいてっきゅう・まひ） 対 30：攻撃側が後手"},
        {side(100, ItemId::QuickClaw), side(120),
         "素早さ 100 対 120：攻撃側が後手（せんせいのツメ・イバンのみで先に動くことがあります）"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(speedOrderLine(turnOrder(c.attacker, c.defender, {})), c.line);
    EXPECT_EQ(speedOrderLine(std::nullopt), "");
}

// The line reads the battle state: each side's stage, status and おいかぜ, and トリックルーム.
TEST(SpeedOrderLine, ReadsTheBattleState) {
    DamageEngine engine;
    engine.attacker = BoxEntry(testing::EntryBuilder("a").stats(100));
    engine.defender = BoxEntry(testing::EntryBuilder("d").stats({100, 100, 100, 100, 100, 90}));
    BattleState raised, paralysed, tailwind, trickRoom;
    raised.attacker.stages[kStageSpeed] = -1;
    paralysed.defender.status = StatusCondition::Paralysis;
    tailwind.defender.tailwind = true;
    trickRoom.field.trickRoom = true;
    const struct {
        BattleState state;
        const char* line;
    } cases[] = {
        {{}, "素早さ 100 対 90：攻撃側が先手"},
        {raised, "素早さ 100 → 66（ランク-1） 対 90：攻撃側が後手"},
        {paralysed, "素早さ 100 対 90 → 22（まひ）：攻撃側が先手"},
        {tailwind, "素早さ 100 対 90 → 180（おいかぜ）：攻撃側が後手"},
        {trickRoom, "素早さ 100 対 90：攻撃側が後手（トリックルーム）"},
    };
    for (const auto& c : cases) {
        engine.state = c.state;
        EXPECT_EQ(speedOrderLine(speedOrderOf(engine, {DamageMode::ExactGen5, false})), c.line);
    }
    EXPECT_FALSE(speedOrderOf(engine, {}).has_value()); // the simple mode has no line
}

} // namespace
} // namespace rusrina
