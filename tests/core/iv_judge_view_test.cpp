#include "view/iv/iv_judge_view.h"

#include "calc/iv/iv_judge.h"

#include <gtest/gtest.h>

using namespace rusrina;

namespace {

TEST(IvJudgeView, ChooserEntries) {
    const std::vector<ListChoice> characteristics = characteristicChoices();
    ASSERT_EQ(characteristics.size(), 31u);
    EXPECT_EQ(characteristics.front(), (ListChoice{" 無指定", kNoCharacteristic}));
    EXPECT_EQ(characteristics[1], (ListChoice{"たべるのが　だいすき", 0}));
    EXPECT_EQ(characteristics.back(), (ListChoice{"にげるのが　はやい", 29}));

    // Hidden power is never ノーマル: the 16 types in the order of their type numbers.
    const std::vector<ListChoice> types = hiddenPowerTypeChoices();
    ASSERT_EQ(types.size(), 17u);
    EXPECT_EQ(types.front(), (ListChoice{" 無指定", kNoHiddenPowerType}));
    EXPECT_EQ(types[1], (ListChoice{"かくとう", 1}));
    EXPECT_EQ(types[9], (ListChoice{"ほのお", 10}));
    EXPECT_EQ(types.back(), (ListChoice{"あく", 17}));
}

// ガブリアス at level 50, ようき, EV 0: attack 135..150, in steps of one value per two IVs.
TEST(IvJudgeView, TypedStatFindsItsRowOrSaysTheRange) {
    const std::vector<StatRow> attack = buildStatRows(1, 130, 50, 10);
    EXPECT_EQ(rowShowing(attack, 135), 0);
    EXPECT_EQ(rowShowing(attack, 142), 7);
    EXPECT_EQ(rowShowing(attack, 150), 15);
    EXPECT_EQ(rowShowing(attack, 182), -1);
    EXPECT_EQ(outOfRangeText(182, attack), "182 は範囲外（135～150）");
    EXPECT_EQ(outOfRangeText(134, attack), "134 は範囲外（135～150）");
    // Speed raised by the nature skips values: 109·11/10 = 119 and 110·11/10 = 121, so 120
    // lies inside 117..134, yet no IV shows it.
    const std::vector<StatRow> speed = buildStatRows(5, 102, 50, 11);
    EXPECT_EQ(rowShowing(speed, 120), -1);
    EXPECT_EQ(outOfRangeText(120, speed), "120 は範囲外（117～134）");
    EXPECT_EQ(outOfRangeText(5, {}), "5 は範囲外（0～0）");
}

// A typed value picks its row or is refused naming its stat; ヌケニン's HP of 1 is taken as it is,
// telling nothing of the IV, while its list follows the formula.
TEST(IvJudgeView, ATypedValueIsReadForItsStat) {
    const int garchomp = 449, shedinja = 291;
    const std::vector<StatRow> attack = buildStatRows(1, 130, 50, 10);
    const std::vector<StatRow> shedinjaHp = buildStatRows(0, 1, 50, 10);
    struct Case {
        int species, stat, value;
        std::span<const StatRow> rows;
        TypedStat expected;
    } cases[] = {
        {garchomp, 1, 142, attack, {TypedStat::Kind::Row, 7, ""}},
        {garchomp, 1, 250, attack, {TypedStat::Kind::OutOfRange, -1, "攻撃 250 は範囲外（135～150）"}},
        {garchomp, 5, 5, {}, {TypedStat::Kind::OutOfRange, -1, "素早さ 5 は範囲外（0～0）"}},
        {garchomp, 0, 1, {}, {TypedStat::Kind::OutOfRange, -1, "ＨＰ 1 は範囲外（0～0）"}},
        {shedinja,
         0,
         1,
         shedinjaHp,
         {TypedStat::Kind::HpFixed, -1, "ヌケニンのＨＰはいつも 1 なので、ＨＰの個体値はわかりません（0～31）"}},
        {shedinja, 0, 2, shedinjaHp, {TypedStat::Kind::OutOfRange, -1, "ＨＰ 2 は範囲外（61～76）"}},
    };
    for (const Case& c : cases) {
        const TypedStat got = readTypedStat(c.species, c.stat, c.value, c.rows);
        EXPECT_EQ(got.kind, c.expected.kind) << c.value;
        EXPECT_EQ(got.row, c.expected.row) << c.value;
        EXPECT_EQ(got.message, c.expected.message);
    }
}

TEST(IvJudgeView, EvFieldsStayWithin255AndTogetherWithin510) {
    struct Case {
        StatValues evs;
        int stat;
        int expected;
    } cases[] = {
        {{}, 0, 255},
        {{0, 252, 0, 0, 0, 252}, 0, 6},
        {{0, 252, 0, 0, 0, 252}, 1, 255},
        {{4, 252, 0, 0, 0, 252}, 3, 2},
        {{100, 100, 100, 100, 100, 10}, 5, 10},
        {{255, 255, 0, 0, 0, 0}, 2, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(evFieldMaximum(c.evs, c.stat), c.expected) << c.stat;
}

} // namespace
