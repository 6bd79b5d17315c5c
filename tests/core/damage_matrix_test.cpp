// The damage matrix: a row whose verdict is worked out by hand, the moves best first, both sides,
// the order after a column click, the tab-separated text, and each entry's speed under the state.

#include "calc/box_tools/damage_matrix.h"
#include "view/matrix/matrix_view.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace rusrina::test {
namespace {

constexpr int kTackle = 32;      // たいあたり: 50, ノーマル, physical
constexpr int kBodySlam = 33;    // のしかかり: 85, ノーマル, physical
constexpr int kShadowBall = 246; // シャドーボール: ゴースト, does nothing to ノーマル

// The matrix of `box` with the entry in slot `chosen` on `side` of `s`.
std::vector<MatrixRow> matrixOf(const std::vector<BoxEntry>& box, int chosen, MatrixSide side, Scenario s = {}) {
    const std::optional<BoxEntry> entry =
        chosen < static_cast<int>(box.size()) ? std::optional<BoxEntry>(box[chosen]) : std::nullopt;
    (side == MatrixSide::AttackerAgainstBox ? s.attacker : s.defender).entry = entry;
    return computeMatrix(s, box, {}, chosen, side);
}

// カビゴン (attack 100) with たいあたり, シャドーボール, no move and のしかかり.
BoxEntry attackerWithMoves() {
    BoxEntry a = creature(kSnorlax, {200, 100, 100, 100, 100, 100});
    a.move[0] = kTackle;
    a.move[1] = kShadowBall;
    a.move[3] = kBodySlam;
    return a;
}

BoxEntry named(BoxEntry e, const char* name) {
    setEntryName(e, name);
    return e;
}

// たいあたり from attack 100 into defence 100 at level 50: base 22 × 50 × 100 / 100 / 50 + 2 = 24;
// the rolls 20 20 20 21 21 21 21 22 22 22 22 23 23 23 23 24, each × 1.5 for the same type (halves
// round down): 30 ×3, 31 ×4, 33 ×4, 34 ×4, 36 ×1. Against 64 HP one hit never does it; two do in
// 3×5 + 4×9 + 4×13 + 4×16 + 1×16 = 183 of 256 pairs, 71.5 %. のしかかり: base 39, rolls 49 … 58,
// two hits always.
TEST(DamageMatrix, RowWorkedOutByHandWithItsMovesBestFirst) {
    const std::vector<BoxEntry> box = {attackerWithMoves(), creature(kChansey, {64, 100, 100, 100, 100, 100})};
    const std::vector<MatrixRow> rows = matrixOf(box, 0, MatrixSide::AttackerAgainstBox);
    ASSERT_EQ(rows.size(), 1u); // the chosen entry is not a row of its own
    const MatrixRow& row = rows[0];
    EXPECT_EQ(row.slot, 1);
    const int order[] = {kBodySlam, kTackle, kShadowBall, NO_MOVE};
    for (int i = 0; i < kMoveRowCount; ++i)
        EXPECT_EQ(row.cells[i].move, order[i]) << i;
    const std::array<int32_t, kRollCount> tackle = {30, 30, 30, 31, 31, 31, 31, 33, 33, 33, 33, 34, 34, 34, 34, 36};
    EXPECT_EQ(row.cells[1].rolls.rolls, tackle);
    EXPECT_DOUBLE_EQ(row.cells[1].ko.chance, 183.0 / 256.0);

    const char* const expected[kMatrixColumnCount] = {"test",
                                                      "ラッキー",
                                                      "のしかかり",
                                                      "49 ～ 58",
                                                      "76.5％ ～ 90.6％",
                                                      "確定2発",
                                                      "たいあたり",
                                                      "30 ～ 36",
                                                      "46.8％ ～ 56.2％",
                                                      "乱数2発 (71.5％)",
                                                      "シャドーボール",
                                                      "無効",
                                                      "無効",
                                                      "無効",
                                                      "－",
                                                      "－",
                                                      "－",
                                                      "－"};
    for (int column = 0; column < kMatrixColumnCount; ++column)
        EXPECT_EQ(matrixCellText(row, box, column), expected[column]) << matrixHeading(column);
}

TEST(DamageMatrix, EveryEntryAgainstTheDefenderAttacksWithItsOwnMoves) {
    BoxEntry weak = attackerWithMoves();
    weak.move[3] = NO_MOVE;
    const std::vector<BoxEntry> box = {attackerWithMoves(), creature(kChansey, {64, 100, 100, 100, 100, 100}), weak};
    const std::vector<MatrixRow> rows = matrixOf(box, 1, MatrixSide::BoxAgainstDefender);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].slot, 0);
    EXPECT_EQ(rows[0].cells[0].move, kBodySlam);
    EXPECT_EQ(rows[1].slot, 2);
    EXPECT_EQ(rows[1].cells[0].move, kTackle);
    EXPECT_TRUE(matrixOf(box, 3, MatrixSide::BoxAgainstDefender).empty());
}

// のしかかり's top roll, 58, is halved by リフレクター to 29; a critical hit doubles the base 39 to
// 78 before the roll, 78 × 1.5 = 117, and goes through the screen.
TEST(DamageMatrix, ConditionsAndCriticalHitApply) {
    const std::vector<BoxEntry> box = {attackerWithMoves(), creature(kChansey, {64, 100, 100, 100, 100, 100})};
    Scenario reflect;
    reflect.defender.side.reflect = true;
    const auto screened = matrixOf(box, 0, MatrixSide::AttackerAgainstBox, reflect);
    reflect.critical = true;
    const auto critical = matrixOf(box, 0, MatrixSide::AttackerAgainstBox, reflect);
    EXPECT_EQ(screened[0].cells[0].rolls.high(), 29);
    EXPECT_EQ(critical[0].cells[0].rolls.high(), 117);
}

std::vector<int> slotsOf(const std::vector<MatrixRow>& rows) {
    std::vector<int> slots;
    for (const MatrixRow& r : rows)
        slots.push_back(r.slot);
    return slots;
}

TEST(DamageMatrix, SortsByAnyColumnWithBlankCellsLast) {
    // Against い (64 HP) のしかかり knocks out in 確定2発 and たいあたり in 乱数2発; against あ (40 HP)
    // in 確定1発 and 確定2発; against え (300 HP) in 乱数6発 and 乱数9発. Only シャドーボール
    // touches the ghost う: 62 ～ 74, 確定2発, and its たいあたり shows "無効".
    const std::vector<BoxEntry> box = {attackerWithMoves(),
                                       named(creature(kChansey, {64, 100, 100, 100, 100, 100}), "い"),
                                       named(creature(kChansey, {40, 100, 100, 100, 100, 100}), "あ"),
                                       named(creature(kGengar, {100, 100, 100, 100, 100, 100}), "う"),
                                       named(creature(kChansey, {300, 100, 100, 100, 100, 100}), "え")};
    struct Case {
        int column;
        bool descending;
        std::vector<int> slots;
    };
    const int bestKo = kMatrixEntryColumns + kMatrixKo;
    const int secondKo = kMatrixEntryColumns + kMatrixColumnsPerMove + kMatrixKo;
    const int bestDamage = kMatrixEntryColumns + kMatrixDamage;
    const int lastMove = kMatrixEntryColumns + 3 * kMatrixColumnsPerMove + kMatrixMove;
    const Case cases[] = {
        {0, false, {2, 1, 3, 4}},                                        // あ い う え in Shift-JIS order
        {0, true, {4, 3, 1, 2}},          {bestKo, false, {2, 1, 3, 4}}, // 確定1発, 確定2発 twice (box order), 乱数6発
        {bestKo, true, {4, 1, 3, 2}},     {secondKo, false, {2, 1, 4, 3}}, // "無効" last …
        {secondKo, true, {4, 1, 2, 3}},                                    // … either way
        {bestDamage, true, {3, 1, 2, 4}}, // シャドーボール's 74 first, then three 58s in box order
        {lastMove, false, {1, 2, 3, 4}},  // every fourth move is "－": the order stays
    };
    for (const Case& c : cases) {
        std::vector<MatrixRow> rows = matrixOf(box, 0, MatrixSide::AttackerAgainstBox);
        sortMatrixRows(rows, box, c.column, c.descending);
        EXPECT_EQ(slotsOf(rows), c.slots) << matrixHeading(c.column) << (c.descending ? " descending" : "");
    }
}

// Each verdict cell's shade, from the surest knock-out down; cells without a verdict have none.
TEST(DamageMatrix, VerdictShades) {
    const std::vector<BoxEntry> box = {attackerWithMoves(),
                                       named(creature(kChansey, {64, 100, 100, 100, 100, 100}), "い"),
                                       named(creature(kChansey, {40, 100, 100, 100, 100, 100}), "あ"),
                                       named(creature(kGengar, {100, 100, 100, 100, 100, 100}), "う"),
                                       named(creature(kChansey, {300, 100, 100, 100, 100, 100}), "え")};
    const std::vector<MatrixRow> rows = matrixOf(box, 0, MatrixSide::AttackerAgainstBox);
    const int bestKo = kMatrixEntryColumns + kMatrixKo;
    const int secondKo = bestKo + kMatrixColumnsPerMove;
    const int lastKo = bestKo + 3 * kMatrixColumnsPerMove;
    struct Case {
        int row, column;
        KoShade shade;
    } cases[] = {
        {1, bestKo, KoShade::CertainOneHit},  {1, secondKo, KoShade::CertainTwoHits}, // あ
        {0, bestKo, KoShade::CertainTwoHits}, {0, secondKo, KoShade::LikelyTwoHits},  // い
        {2, secondKo, KoShade::None},                                                 // う: "無効"
        {3, bestKo, KoShade::ThreeOrMore},    {3, lastKo, KoShade::None},             // え; no move
        {1, bestKo - 1, KoShade::None},                                               // a share column
    };
    for (const Case& c : cases)
        EXPECT_EQ(matrixKoShade(rows[c.row], c.column), c.shade) << c.row << " " << matrixHeading(c.column);
    MatrixRow likely = rows[1];
    likely.cells[0].ko = {1, 0.5};
    EXPECT_EQ(matrixKoShade(likely, bestKo), KoShade::LikelyOneHit);
    EXPECT_STREQ(koShadeName(KoShade::LikelyOneHit), "乱数1発");
    EXPECT_STREQ(koShadeName(KoShade::ThreeOrMore), "3発以上");
}

TEST(DamageMatrix, TabSeparatedText) {
    const std::vector<BoxEntry> box = {attackerWithMoves(), creature(kChansey, {64, 100, 100, 100, 100, 100})};
    const std::vector<MatrixRow> rows = matrixOf(box, 0, MatrixSide::AttackerAgainstBox);
    EXPECT_EQ(
        matrixText(rows, box),
        "名前\tバントレ\t技１\tダメージ１\tHP割合１\t確定数１\t技２\tダメージ２\tHP割合２\t確定数２\t"
        "技３\tダメージ３\tHP割合３\t確定数３\t技４\tダメージ４\tHP割合４\t確定数４\r\n"
        "test\tラッキー\tのしかかり\t49 ～ 58\t76.5％ ～ 90.6％\t確定2発\tたいあたり\t30 ～ 36\t46.8％ ～ 56.2％\t"
        "乱数2発 (71.5％)\tシャドーボール\t無効\t無効\t無効\t－\t－\t－\t－\r\n");
}

// The attacker A (speed 100) against い (80), う (120) and え (100); each state reaches the side it
// names: the defender's stage ×1.5 and its まひ ×¼ (5th generation) reach the rows, the attacker's
// おいかぜ ×2 reaches A, and トリックルーム turns the order. Box against A, the rows are the attackers.
TEST(DamageMatrix, SpeedColumnsFollowTheState) {
    const std::vector<BoxEntry> box = {named(attackerWithMoves(), "A"),
                                       named(creature(kChansey, {64, 100, 100, 100, 100, 80}), "い"),
                                       named(creature(kChansey, {64, 100, 100, 100, 100, 120}), "う"),
                                       named(creature(kChansey, {64, 100, 100, 100, 100, 100}), "え")};
    Scenario raised, paralysed, tailwind, trickRoom, rowsRaised;
    for (Scenario* s : {&raised, &paralysed, &tailwind, &trickRoom, &rowsRaised})
        s->mode = DamageMode::ExactGen5;
    raised.defender.state.stages[kStageSpeed] = 1;
    paralysed.defender.state.status = StatusCondition::Paralysis;
    tailwind.attacker.state.tailwind = true;
    trickRoom.field.trickRoom = true;
    rowsRaised.attacker.state.stages[kStageSpeed] = 1;
    const struct {
        const char* name;
        Scenario state;
        MatrixSide side;
        std::vector<std::string> cells; // speed and order of い, う, え
        int chosenSpeed = 100;          // A's
    } cases[] = {
        {"neutral", scenarioOf({}, {}), MatrixSide::AttackerAgainstBox, {"80", "先手", "120", "後手", "100", "同速"}},
        {"defender +1", raised, MatrixSide::AttackerAgainstBox, {"120", "後手", "180", "後手", "150", "後手"}},
        {"defender まひ", paralysed, MatrixSide::AttackerAgainstBox, {"20", "先手", "30", "先手", "25", "先手"}},
        {"A おいかぜ", tailwind, MatrixSide::AttackerAgainstBox, {"80", "先手", "120", "先手", "100", "先手"}, 200},
        {"トリックルーム", trickRoom, MatrixSide::AttackerAgainstBox, {"80", "後手", "120", "先手", "100", "同速"}},
        {"rows at +1", rowsRaised, MatrixSide::BoxAgainstDefender, {"120", "先手", "180", "先手", "150", "先手"}},
    };
    for (const auto& c : cases) {
        Scenario s = c.state;
        (c.side == MatrixSide::AttackerAgainstBox ? s.attacker : s.defender).entry = box[0];
        std::vector<MatrixRow> rows = computeMatrix(s, box, {}, 0, c.side);
        EXPECT_EQ(addMatrixSpeeds(rows, s, box, {}, c.side), c.chosenSpeed) << c.name;
        std::vector<std::string> cells;
        for (const MatrixRow& row : rows)
            for (int column : {kMatrixSpeedColumn, kMatrixOrderColumn})
                cells.push_back(matrixCellText(row, box, column));
        EXPECT_EQ(cells, c.cells) << c.name;
    }
    EXPECT_EQ(matrixCaptionText(&box[0], MatrixSide::AttackerAgainstBox, DamageMode::ExactGen5, 100),
              "攻撃側：A（カビゴン）・素早さ 100・計算方式：実機（第5世代）");
}

TEST(DamageMatrix, SortsBySpeedAsNumbersAndCopiesTheSpeedColumns) {
    const std::vector<BoxEntry> box = {named(attackerWithMoves(), "A"),
                                       named(creature(kChansey, {64, 100, 100, 100, 100, 80}), "い"),
                                       named(creature(kChansey, {64, 100, 100, 100, 100, 120}), "う"),
                                       named(creature(kChansey, {64, 100, 100, 100, 100, 100}), "え"),
                                       named(creature(kChansey, {64, 100, 100, 100, 100, 9}), "お")};
    const struct {
        int column;
        bool descending;
        bool withoutSpeedOfO; // お's speed not computed: its row goes last either way
        std::vector<int> slots;
    } cases[] = {
        {kMatrixSpeedColumn, false, false, {4, 1, 3, 2}}, // 9 before 80: numbers, not text
        {kMatrixSpeedColumn, true, false, {2, 3, 1, 4}},
        {kMatrixOrderColumn, false, false, {1, 4, 3, 2}}, // 先手 (box order), 同速, 後手
        {kMatrixSpeedColumn, false, true, {1, 3, 2, 4}},
        {kMatrixSpeedColumn, true, true, {2, 3, 1, 4}},
    };
    for (const auto& c : cases) {
        std::vector<MatrixRow> rows = matrixOf(box, 0, MatrixSide::AttackerAgainstBox);
        addMatrixSpeeds(rows, scenarioOf(box[0], {}), box, {}, MatrixSide::AttackerAgainstBox);
        rows[3].speed.known = !c.withoutSpeedOfO;
        sortMatrixRows(rows, box, c.column, c.descending);
        EXPECT_EQ(slotsOf(rows), c.slots) << matrixHeading(c.column) << (c.descending ? " descending" : "")
                                          << (c.withoutSpeedOfO ? " without お's speed" : "");
    }
    std::vector<MatrixRow> rows = matrixOf(box, 0, MatrixSide::AttackerAgainstBox);
    addMatrixSpeeds(rows, scenarioOf(box[0], {}), box, {}, MatrixSide::AttackerAgainstBox);
    const std::string text = matrixText(rows, box, true);
    EXPECT_EQ(text.substr(0, text.find("\t技１")), "名前\tバントレ\t素早さ\t攻撃側"); // seen without scrolling
    EXPECT_NE(text.find("\r\nい\tラッキー\t80\t先手\tのしかかり\t"), std::string::npos);
    EXPECT_EQ(matrixText(rows, box).find("素早さ"), std::string::npos);
}

} // namespace
} // namespace rusrina::test
