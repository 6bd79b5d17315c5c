// The exact damage engine beyond what the calculator fixture checks: the KO chance against a
// brute-force count, the texts, the rules the calculator lacks, the 4th generation's own data, a
// whole log, and the simple mode passed through unchanged.

#include "view/box/exact_row.h"

#include "exact_test_support.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace rusrina::test {
namespace {

constexpr int kSuperFang = indexOf(MoveId::SuperFang); // いかりのまえば
constexpr int kTackle = indexOf(MoveId::Tackle);       // たいあたり: 35 power in the 4th generation, 50 in the 5th
constexpr int kGyroBall = indexOf(MoveId::GyroBall);   // ジャイロボール
constexpr int kVoltSwitch = indexOf(MoveId::VoltSwitch); // ボルトチェンジ: the 5th generation's
constexpr int kFissure = indexOf(MoveId::Fissure);       // じわれ: no damage formula
constexpr int kHeatRotom = indexOf(SpeciesId::RotomHeat); // ヒートロトム: でんき/ゴースト in the 4th generation

std::array<int32_t, kRollCount> rollsFrom(int first, int step) {
    std::array<int32_t, kRollCount> rolls;
    for (int i = 0; i < kRollCount; ++i)
        rolls[i] = first + i * step;
    return rolls;
}

// The share of all 16^hits combinations whose sum reaches hp, counted one by one.
double bruteForce(const std::array<int32_t, kRollCount>& rolls, int hp, int hits, int sum = 0) {
    if (hits == 0)
        return sum >= hp ? 1.0 : 0.0;
    double total = 0.0;
    for (int32_t r : rolls)
        total += bruteForce(rolls, hp, hits - 1, sum + r) / kRollCount;
    return total;
}

TEST(ExactDamage, KoChanceCountsEveryCombination) {
    const std::array<int32_t, kRollCount> uneven = {10, 10, 11, 11, 11, 12, 12, 13, 13, 13, 14, 14, 15, 15, 15, 16};
    for (const auto& rolls : {rollsFrom(85, 1), rollsFrom(20, 3), uneven}) {
        for (int hp : {30, 95, 170, 200}) {
            for (int hits = 1; hits <= 3; ++hits) {
                EXPECT_NEAR(koChanceIn(rolls, hp, hits), bruteForce(rolls, hp, hits), 1e-12) << hp << " " << hits;
                EXPECT_EQ(HitSums(rolls, hits).chanceAtLeast(hp), koChanceIn(rolls, hp, hits)) << hp << " " << hits;
            }
        }
    }
}

TEST(ExactDamage, AChanceTooSmallForADoubleIsStillAChance) {
    std::array<int32_t, kRollCount> rolls;
    rolls.fill(1);
    rolls.back() = 2; // 300 hits knock out 600 HP only when each rolls its highest: 16^-300
    EXPECT_GT(koChanceIn(rolls, 600, 300), 0.0);
    EXPECT_GT(HitSums(rolls, 300).chanceAtLeast(600), 0.0);
    EXPECT_EQ(koChanceIn(rolls, 601, 300), 0.0);
    ExactRolls r;
    r.outcome = ExactRolls::Outcome::Damage;
    r.rolls = rolls;
    r.hp = 600;
    EXPECT_EQ(koText(r, koChance(r)), "－"); // past the uses the verdict counts
}

// A roll set of two values, eight rolls each, so that every combination of a few hits can be walked.
RollSet twoValues(int low, int high) {
    RollSet rolls;
    for (int i = 0; i < kRollCount; ++i)
        rolls[i] = i < kRollCount / 2 ? low : high;
    return rolls;
}

// An outcome of `hits` hits: the first from set `first`, the others from `later`.
UseOutcome hitsOf(uint16_t weight, int hits, uint8_t first, uint8_t later) {
    UseOutcome o{weight, static_cast<uint8_t>(hits), {}, static_cast<int16_t>(hits)};
    o.sets.fill(later);
    o.sets[0] = first;
    return o;
}

// Walks every outcome of every use and every roll of every hit.
double bruteForceUses(const ExactRolls& r, int uses, int64_t sum = 0, int use = 0) {
    if (use == uses)
        return sum >= r.hpLeft() ? 1.0 : 0.0;
    const std::vector<UseOutcome>& outcomes = use == 0 ? r.firstUse : r.laterUses();
    double weights = 0.0, chance = 0.0;
    for (const UseOutcome& o : outcomes)
        weights += o.weight;
    std::function<double(const UseOutcome&, int, int64_t)> walk = [&](const UseOutcome& o, int hit, int64_t s) {
        if (hit == o.hits)
            return bruteForceUses(r, uses, s, use + 1);
        std::map<int32_t, int> counts; // the same value from several rolls is walked once, by its count
        for (int32_t roll : r.sets[o.sets[hit]].rolls)
            ++counts[roll];
        double total = 0.0;
        for (const auto& [roll, count] : counts)
            total += walk(o, hit + 1, s + roll) * count / kRollCount;
        return total;
    };
    for (const UseOutcome& o : outcomes)
        chance += o.weight / weights * walk(o, 0, sum);
    return chance;
}

// 2 to 5 hits weighted as the 4th generation weights them; a gem on the first hit of the first use
// alone, with the 5th generation's weights; トリプルキック's three powers; a use that deals nothing
// (プレゼント's heal) or one of two powers. The KO chance, the fewest uses that always knock out and
// the sums read for any HP all agree with every combination walked.
TEST(ExactDamage, KoChanceOverSeveralHitsCountsEveryOutcome) {
    const RollSet plain = twoValues(10, 12), gem = twoValues(15, 18), strong = twoValues(20, 24);
    ExactRolls twoToFive;
    twoToFive.sets = {{plain, 25}};
    for (int k = 2; k <= 5; ++k)
        twoToFive.firstUse.push_back(hitsOf(k < 4 ? 3 : 1, k, 0, 0));
    ExactRolls gemFirst;
    gemFirst.sets = {{gem, 25}, {plain, 25}};
    for (int k = 2; k <= 5; ++k) {
        gemFirst.firstUse.push_back(hitsOf(k < 4 ? 7 : 3, k, 0, 1));
        gemFirst.laterUse.push_back(hitsOf(k < 4 ? 7 : 3, k, 1, 1));
    }
    ExactRolls tripleKick;
    tripleKick.sets = {{plain, 10}, {strong, 20}, {twoValues(29, 36), 30}};
    tripleKick.firstUse = {{1, 3, {0, 1, 2}, 3}};
    ExactRolls present;
    present.sets = {{plain, 40}, {strong, 80}};
    present.firstUse = {{2, 0, {}, 0}, {4, 1, {0}, 40}, {3, 1, {1}, 80}};
    for (ExactRolls* r : {&twoToFive, &gemFirst, &tripleKick, &present}) {
        r->outcome = ExactRolls::Outcome::Damage;
        r->rolls = r->sets[0].rolls;
        for (int hp : {21, 30, 47, 61, 75, 100}) {
            r->hp = hp;
            for (int uses = 1; uses <= 3; ++uses) {
                const double walked = bruteForceUses(*r, uses);
                EXPECT_NEAR(koChanceIn(*r, uses), walked, 1e-12) << hp << " " << uses;
                EXPECT_NEAR(HitSums(*r, uses).chanceAtLeast(hp), walked, 1e-12) << hp << " " << uses;
                EXPECT_EQ(uses >= certainKo(*r) && certainKo(*r) > 0, walked == 1.0) << hp << " " << uses;
            }
            const KoChance ko = koChance(*r);
            if (ko.hits > 0) {
                EXPECT_GT(bruteForceUses(*r, ko.hits), 0.0) << hp;
                EXPECT_EQ(bruteForceUses(*r, ko.hits - 1), 0.0) << hp;
            }
        }
    }
}

// いかりのまえば takes half of what is left each time (at least 1): two never knock out 3 HP or more.
TEST(ExactDamage, SuperFangHalvesWhatIsLeft) {
    ExactRolls fang;
    fang.outcome = ExactRolls::Outcome::Damage;
    fang.fixed = fang.halvesHp = true;
    const std::pair<int, int> usesByHp[] = {{1, 1}, {2, 2}, {3, 3}, {4, 3}, {5, 4}, {8, 4}, {330, 10}, {714, 11}};
    for (const auto& [hp, uses] : usesByHp) {
        fang.hp = hp;
        fang.rolls.fill(std::max(1, hp / 2));
        EXPECT_EQ(koChance(fang).hits, uses) << hp;
        EXPECT_EQ(koChanceIn(fang, uses - 1), 0.0) << hp;
        EXPECT_EQ(koChanceIn(fang, uses), 1.0) << hp;
    }
}

// A chance far below what a double holds is still a chance, and one that misses by as little is
// not certain: 300 hits that all roll their top (16^-300), or that all roll their bottom.
TEST(ExactDamage, KoChanceNeverRoundsToNoneOrCertain) {
    RollSet oneTopRoll, oneBottomRoll;
    oneTopRoll.fill(1);
    oneTopRoll.back() = 2;
    oneBottomRoll.fill(2);
    oneBottomRoll.front() = 1;
    EXPECT_EQ(koChanceText(koChanceIn(oneTopRoll, 600, 300)), "0.1％未満");
    EXPECT_EQ(koChanceText(koChanceIn(oneBottomRoll, 301, 300)), "99.9％");
    EXPECT_EQ(koChanceText(HitSums(oneTopRoll, 300).chanceAtLeast(600)), "0.1％未満");
}

TEST(ExactDamage, RowTexts) {
    struct Case {
        std::array<int32_t, kRollCount> rolls;
        int hp;
        const char* damage;
        const char* share;
        const char* ko;
    };
    const Case cases[] = {
        {rollsFrom(85, 1), 94, "85 ～ 100", "90.4％ ～ 106.3％", "乱数1発 (43.8％)"},
        {rollsFrom(85, 1), 170, "85 ～ 100", "50.0％ ～ 58.8％", "確定2発"},
        {rollsFrom(85, 1), 300, "85 ～ 100", "28.3％ ～ 33.3％", "乱数3発 (0.1％未満)"}, // one combination in 4096
        {rollsFrom(40, 0), 200, "40", "20.0％", "確定5発"},
    };
    for (const Case& c : cases) {
        ExactRolls r;
        r.outcome = ExactRolls::Outcome::Damage;
        r.rolls = c.rolls;
        r.hp = c.hp;
        EXPECT_EQ(exactDamageText(r), c.damage);
        EXPECT_EQ(hpShareText(r), c.share);
        EXPECT_EQ(koText(r, koChance(r)), c.ko) << c.hp;
    }
}

ExactRowResult exactRow(const HitSetup& s, Generation gen, bool critical = false) {
    return computeExactRow(s.attacker, s.defender, s.slot, s.conditions, {gen, critical});
}

TEST(ExactDamage, RulesAndDataTheCalculatorCannotCheck) {
    struct Case {
        const char* what;
        Arrange arrange;
        Generation gen;
        const char* damage;
    };
    const Case cases[] = {
        {"いかりのまえば takes half the HP", [](HitSetup& s) { s.learnable(kSuperFang); }, kGen5, "75"},
        {"いかりのまえば does not touch a ghost",
         [](HitSetup& s) {
             s.learnable(kSuperFang);
             s.defender.species = kGengar;
         },
         kGen5, "無効"},
        {"ジャイロボール: 25 × 100 / 100 + 1 = power 26 in the 4th generation too",
         [](HitSetup& s) { s.learnable(kGyroBall); }, kGen4, "11 ～ 13"},
        {"たいあたり has 35 power in the 4th generation", [](HitSetup& s) { s.learnable(kTackle); }, kGen4, "21 ～ 25"},
        {"a move of the 5th generation is not computed in the 4th", [](HitSetup& s) { s.learnable(kVoltSwitch); },
         kGen4, "－"},
        {"a one-hit KO move has no formula", [](HitSetup& s) { s.learnable(kFissure); }, kGen5, "－"},
        {"ヒートロトム is でんき/ゴースト in the 4th generation: ノーマル does nothing",
         [](HitSetup& s) {
             s.defender.species = kHeatRotom;
             s.slot.direct.type = kNormalType;
         },
         kGen4, "無効"},
    };
    for (const Case& c : cases) {
        HitSetup s;
        c.arrange(s);
        EXPECT_EQ(exactRow(s, c.gen).texts.damageText, c.damage) << c.what;
    }
}

TEST(ExactDamage, CriticalHitIgnoresScreensAndTheStagesAgainstIt) {
    HitSetup s;
    s.conditions.reflect = true;
    s.conditions.attackStage = kNeutralStage + 2;  // -2
    s.conditions.defenceStage = kNeutralStage - 2; // +2
    HitSetup plain;
    for (Generation gen : {kGen4, kGen5})
        EXPECT_EQ(exactRow(s, gen, true).rolls.rolls, exactRow(plain, gen, true).rolls.rolls) << gen;
}

// A hit of 1 or 2 before the final modifiers (base damage 2): the 5th generation lifts a 0 to 1
// before them only, so リフレクター can leave 0; the 4th keeps every hit at 1 or more.
TEST(ExactDamage, FinalModifiersCanLeaveNothingInTheFifthGeneration) {
    struct Case {
        Generation gen;
        bool reflect;
        bool burn;
        const char* damage;
        const char* ko;
    };
    const Case cases[] = {
        {kGen5, false, false, "1 ～ 2", "－"}, // 75 uses: past the count
        {kGen5, true, false, "0 ～ 1", "－"},
        {kGen5, true, true, "0", "－"}, // nothing dealt: nothing to count
        {kGen4, true, false, "1 ～ 2", "－"},
    };
    for (const Case& c : cases) {
        HitSetup s;
        s.attacker.stat[kAttack] = 5;
        s.defender.stat[kDefence] = 500;
        s.direct(10, kPhysical, kWaterType);
        s.conditions.reflect = c.reflect;
        s.conditions.burn = c.burn;
        const ExactRowResult r = exactRow(s, c.gen);
        EXPECT_EQ(r.texts.damageText, c.damage) << c.gen << c.reflect << c.burn;
        EXPECT_EQ(r.texts.hitsText, c.ko) << c.gen << c.reflect << c.burn;
        const bool zero = r.texts.log.text().find("ダメージ0の乱数あり") != std::string::npos;
        EXPECT_EQ(zero, c.gen == kGen5 && c.reflect) << c.gen << c.reflect << c.burn;
    }
}

TEST(ExactDamage, WholeLogOfAGen5Row) {
    HitSetup s;
    s.slot.direct.type = kNormalType; // same type
    s.conditions.weather = kWeatherRain;
    const ExactRowResult r = exactRow(s, kGen5);
    EXPECT_EQ(r.texts.log.text(), "ダメージ算出 by ルセリナ\r\n\r\n"
                                  "LV50  カビゴン   まじめ　　（変化無し） なし／その他    \r\n"
                                  "＞＞＞ LV50  ラッキー   まじめ　　（変化無し） なし／その他    \r\n"
                                  "攻撃： 100 （ 個体値： --- 努力値： --- ）\r\n"
                                  "＞＞＞ ＨＰ： 150 （ 個体値： --- 努力値： --- ）\r\n"
                                  "＞＞＞ 防御： 100 （ 個体値： --- 努力値： --- ）\r\n"
                                  "\r\n技：直接数値選択\r\n"
                                  "威力： 80   命中： ---\r\n"
                                  "分類： 物理 タイプ： ノーマル\r\n"
                                  "計算方式： 実機（第5世代）\r\n"
                                  "補正後の威力： 80\r\n"
                                  "攻撃ランク補正＝攻撃力： *1.00\r\n"
                                  "補正後の攻撃： 100\r\n"
                                  "＞＞＞ 防御ランク補正＝防御力： *1.00\r\n"
                                  "＞＞＞ 補正後の防御： 100\r\n"
                                  "基本ダメージ： 37\r\n"
                                  "乱数前のダメージ： 37\r\n"
                                  "乱数： *0.85～1.00\r\n"
                                  "タイプ一致でダメージ： *1.5\r\n"
                                  "相性補正： *1.00\r\n"
                                  "ダメージ： 46 ～ 55\r\n"
                                  "ＨＰ割合： 30.6％ ～ 36.6％\r\n"
                                  "必要攻撃回数： 乱数3発 (62.3％)\r\n"
                                  "乱数16通り： 46 46 48 48 48 49 49 51 51 51 52 52 52 54 54 55\r\n"
                                  "撃破確率：\r\n"
                                  "　3発： 62.3％\r\n"
                                  "　4発： 100.0％\r\n");
    EXPECT_EQ(r.texts.multiplierText, "1.50");
}

TEST(ExactDamage, SimpleModeIsTheSimpleEngine) {
    DamageEngine engine;
    HitSetup s;
    engine.attacker = s.attacker;
    engine.defender = s.defender;
    engine.direct = kPlainMove;
    const auto simple = engine.computeAllRows();
    const auto rows = computeRowsInMode(engine, {DamageMode::Simple, true});
    for (int i = 0; i < kDamageRowCount; ++i) {
        EXPECT_EQ(rows[i].texts.damageText, simple[i].damageText);
        EXPECT_EQ(rows[i].texts.log.text(), simple[i].log.text());
    }
}

} // namespace
} // namespace rusrina::test
