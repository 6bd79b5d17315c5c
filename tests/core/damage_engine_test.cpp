// The damage engine as a whole: worked figures, whole logs, the moves with rules of their own,
// the six rows together, and entries or inputs it cannot use.

#include "calc/damage/damage_engine.h"

#include "damage_test_support.h"
#include "data/ids.h"
#include "data/species.h"

#include <gtest/gtest.h>

namespace rusrina::test {
namespace {

// Moves with rules of their own, by move-table index.
constexpr int kSeismicToss = indexOf(MoveId::SeismicToss);   // ちきゅうなげ: damage by level, table power 1
constexpr int kThunderbolt = indexOf(MoveId::Thunderbolt);   // １０まんボルト
constexpr int kEarthquake = indexOf(MoveId::Earthquake);     // じしん: hits everyone else
constexpr int kSelfDestruct = indexOf(MoveId::SelfDestruct); // じばく
constexpr int kExplosion = indexOf(MoveId::Explosion);       // だいばくはつ
constexpr int kReturn = indexOf(MoveId::Return);             // おんがえし
constexpr int kFrustration = indexOf(MoveId::Frustration);   // やつあたり
constexpr int kHeatWave = indexOf(MoveId::HeatWave);         // ねっぷう: hits both foes
constexpr int kFacade = indexOf(MoveId::Facade);             // からげんき
constexpr int kWeatherBall = indexOf(MoveId::WeatherBall);   // ウェザーボール
constexpr int kRoost = indexOf(MoveId::Roost);               // はねやすめ: no damage
constexpr int kHiddenPower = indexOf(MoveId::HiddenPower);   // めざめるパワー

TEST(DamageEngine, WorkedFigures) {
    struct Case {
        const char* what;
        Arrange arrange;
        const char* damage;
        const char* hits;
        const char* multiplier;
    };
    const Case cases[] = {
        {"plain hit: base 37", [](HitSetup&) {}, "31 ～ 37", "5", "1.00"},
        {"same type", [](HitSetup& s) { s.slot.direct.type = kNormalType; }, "46 ～ 55", "3 ～ 4", "1.50"},
        {"same type, super effective",
         [](HitSetup& s) {
             s.attacker.species = kMachamp;
             s.slot.direct.type = kFightingType;
         },
         "93 ～ 110", "2", "3.00"},
        {"quarter effective on base 2 rounds to nothing",
         [](HitSetup& s) {
             s.attacker.level = 1;
             s.attacker.stat[kAttack] = 10;
             s.defender.species = kZubat;
             s.direct(5, kPhysical, kFightingType);
         },
         "無効", "無効", "0.25"},
        {"a maximum of 1 takes as many hits as the defender has HP",
         [](HitSetup& s) {
             s.attacker.level = 1;
             s.attacker.stat[kAttack] = 10;
             s.defender.species = kGeodude;
             s.direct(5, kPhysical, kFireType);
         },
         "1", "150", "0.50"},
    };
    for (const Case& c : cases) {
        HitSetup s;
        c.arrange(s);
        const SlotResult r = s.run();
        EXPECT_EQ(r.damageText, c.damage) << c.what;
        EXPECT_EQ(r.hitsText, c.hits) << c.what;
        EXPECT_EQ(r.multiplierText, c.multiplier) << c.what;
        EXPECT_NE(r.log.text().find(damageLines(c.damage, c.hits)), std::string::npos) << c.what;
    }
}

TEST(DamageEngine, WholeLogs) {
    struct Case {
        const char* what;
        Arrange arrange;
        std::string log;
    };
    const Case cases[] = {
        {"the plain hit, stats typed in directly", [](HitSetup&) {},
         "ダメージ算出 by ルセリナ\r\n\r\n"
         "LV50  カビゴン   まじめ　　（変化無し） なし／その他    \r\n"
         "＞＞＞ LV50  ラッキー   まじめ　　（変化無し） なし／その他    \r\n"
         "攻撃： 100 （ 個体値： --- 努力値： --- ）\r\n"
         "＞＞＞ ＨＰ： 150 （ 個体値： --- 努力値： --- ）\r\n"
         "＞＞＞ 防御： 100 （ 個体値： --- 努力値： --- ）\r\n"
         "\r\n技：直接数値選択\r\n"
         "威力： 80   命中： ---\r\n"
         "分類： 物理 タイプ： みず    \r\n"
         "相性補正： *1.00\r\n"
         "攻撃ランク補正＝攻撃力： *1.00\r\n"
         "＞＞＞ 防御ランク補正＝防御力： *1.00\r\n"
         "ダメージ： 31 ～ 37\r\n"
         "必要攻撃回数： 5\r\n"},
        {"a special move from the move table, stats from IVs and EVs",
         [](HitSetup& s) {
             s.attacker.statsDirect = 0;
             s.attacker.nature = 0;
             s.attacker.item = 3;
             s.attacker.iv[kSpAttack] = 28;
             s.attacker.ev[kSpAttack] = 252;
             s.defender.statsDirect = 0;
             s.defender.level = 5;
             s.defender.nature = 18;
             s.defender.item = 13;
             s.defender.iv[kHp] = 31;
             s.defender.ev[kHp] = 252;
             s.defender.iv[kSpDefence] = 0;
             s.defender.ev[kSpDefence] = 6;
             s.learnable(kThunderbolt);
         },
         "ダメージ算出 by ルセリナ\r\n\r\n"
         "LV50  カビゴン   さみしがり（攻撃＋防御－） こだわりハチマキ\r\n"
         "＞＞＞ LV5   ラッキー   ようき　　（素早＋特攻－） メタルパウダー  \r\n"
         "特攻： 100 （ 個体値： 28  努力値： 252 ）\r\n"
         "＞＞＞ ＨＰ： 150 （ 個体値： 31  努力値： 252 ）\r\n"
         "＞＞＞ 特防： 100 （ 個体値： 0   努力値： 6   ）\r\n"
         "\r\n１０まんボルト\r\n"
         "威力： 95   命中： 100\r\n"
         "分類： 特殊 タイプ： でんき  \r\n"
         "相性補正： *1.00\r\n"
         "攻撃ランク補正＝攻撃力： *1.00\r\n"
         "＞＞＞ 防御ランク補正＝防御力： *1.00\r\n"
         "ダメージ： 36 ～ 43\r\n"
         "必要攻撃回数： 4 ～ 5\r\n"},
        {"every condition on: the modifiers in their order",
         [](HitSetup& s) {
             s.attacker.ability = 81; // はりきり
             s.attacker.item = 14;    // チイラのみ
             s.defender.ability = 3;  // あついしぼう
             s.direct(60, kPhysical, kFireType);
             BattleConditions& c = s.conditions;
             c.weather = kWeatherSun;
             c.attackStage = 4;
             c.defenceStage = 7;
             c.helpingHand = c.burn = c.flowerGift = c.reflect = c.lightScreen = c.gravity = c.foresight = true;
             c.abilityActive = c.berryActive = c.doubleBattle = true;
         },
         "ダメージ算出 by ルセリナ\r\n\r\n"
         "LV50  カビゴン   まじめ　　（変化無し） チイラのみ      \r\n"
         "＞＞＞ LV50  ラッキー   まじめ　　（変化無し） なし／その他    \r\n"
         "攻撃： 100 （ 個体値： --- 努力値： --- ）\r\n"
         "＞＞＞ ＨＰ： 150 （ 個体値： --- 努力値： --- ）\r\n"
         "＞＞＞ 防御： 100 （ 個体値： --- 努力値： --- ）\r\n"
         "\r\n技：直接数値選択\r\n"
         "威力： 60   命中： ---\r\n"
         "分類： 物理 タイプ： ほのお  \r\n"
         "相性補正： *1.00\r\n"
         "晴れで炎技威力： *1.5\r\n"
         "「フラワーギフト」時に晴れで攻撃： *1.5\r\n"
         "「チイラのみ」で攻撃： *1.5\r\n"
         "攻撃ランク補正＝攻撃力： *2.50\r\n"
         "＞＞＞ 防御ランク補正＝防御力： *0.67\r\n"
         "「てだすけ」で威力： *1.5\r\n"
         "「やけど」で攻撃半減： *0.5\r\n"
         "「はりきり」で攻撃力： *1.5\r\n"
         "「あついしぼう」でダメージ： *0.5\r\n"
         "＞＞＞ 「リフレクター」でダメージ： *0.5\r\n"
         "ダメージ： 53 ～ 63\r\n"
         "必要攻撃回数： 3\r\n"},
    };
    for (const Case& c : cases) {
        HitSetup s;
        c.arrange(s);
        EXPECT_EQ(s.run().log.text(), c.log) << c.what;
    }
}

// Moves with rules of their own, from the learnable-move row of the plain hit's pair.
TEST(DamageEngine, MovesWithTheirOwnRules) {
    struct Case {
        const char* what;
        int move;
        Arrange arrange;
        std::string expected; // the log after the move block
        const char* multiplier;
    };
    const std::string calmed = "「エアロック」「ノーてんき」により天候を通常に\r\n";
    const Case cases[] = {
        {"だいばくはつ halves the defence", kExplosion, [](HitSetup&) {},
         kNeutral + kSameType + "「じばく」「だいばくはつ」で防御力：*0.5\r\n" + kNoStages +
             damageLines("283 ～ 333", "1"),
         "1.50"},
        {"じばく halves the defence", kSelfDestruct, [](HitSetup&) {},
         kNeutral + kSameType + "「じばく」「だいばくはつ」で防御力：*0.5\r\n" + kNoStages +
             damageLines("226 ～ 267", "1"),
         "1.50"},
        {"おんがえし at full power", kReturn, [](HitSetup&) {},
         kNeutral + kSameType + "最大威力に設定：＝102\r\n" + kNoStages + damageLines("58 ～ 69", "3"), "1.50"},
        {"やつあたり at full power", kFrustration, [](HitSetup&) {},
         kNeutral + kSameType + "最大威力に設定：＝102\r\n" + kNoStages + damageLines("58 ～ 69", "3"), "1.50"},
        {"ウェザーボール in rain", kWeatherBall, [](HitSetup& s) { s.conditions.weather = kWeatherRain; },
         kNeutral + "天候により威力： *2\r\n雨で水技威力： *1.5\r\n" + kNoStages + damageLines("57 ～ 68", "3"),
         "1.00"},
        {"ウェザーボール in sun calmed by エアロック keeps its type but not its power", kWeatherBall,
         [](HitSetup& s) {
             s.conditions.weather = kWeatherSun;
             s.defender.ability = 13;
         },
         calmed + kNeutral + kNoStages + damageLines("20 ～ 24", "7 ～ 8"), "1.00"},
        {"ウェザーボール without weather is ノーマル", kWeatherBall, [](HitSetup&) {},
         kNeutral + kSameType + kNoStages + damageLines("30 ～ 36", "5"), "1.50"},
        {"a move whose damage does not follow from its power", kSeismicToss, [](HitSetup&) {},
         kDouble + "ダメージ変化技につき計算不能\r\n", "－"},
        {"めざめるパワー from IVs all 31", kHiddenPower,
         [](HitSetup& s) {
             s.attacker.statsDirect = 0;
             for (int& iv : s.attacker.iv)
                 iv = 31;
         },
         kNeutral + kNoStages + damageLines("27 ～ 32", "5 ～ 6"), "1.00"},
        {"めざめるパワー from IVs all 0", kHiddenPower, [](HitSetup& s) { s.attacker.statsDirect = 0; },
         kDouble + kNoStages + damageLines("25 ～ 30", "5 ～ 6"), "2.00"},
        {"めざめるパワー with stats typed in cannot be worked out", kHiddenPower, [](HitSetup&) {},
         kNeutral + kSameType + "ダメージ変化技につき計算不能\r\n", "－"},
        {"からげんき when burnt", kFacade, [](HitSetup& s) { s.conditions.burn = true; },
         kNeutral + kSameType + kNoStages + "「やけど」で攻撃半減： *0.5\r\n「からげんき」は状態異常で威力： *2\r\n" +
             damageLines("40 ～ 48", "4"),
         "1.50"},
        {"からげんき when burnt with こんじょう", kFacade,
         [](HitSetup& s) {
             s.conditions.burn = true;
             s.attacker.ability = 30;
         },
         kNeutral + kSameType + kNoStages +
             "「こんじょう」でやけどの影響無し\r\n「からげんき」は状態異常で威力： *2\r\n" +
             damageLines("79 ～ 94", "2"),
         "1.50"},
        {"からげんき without a burn", kFacade, [](HitSetup&) {},
         kNeutral + kSameType + kNoStages + damageLines("40 ～ 48", "4"), "1.50"},
    };
    for (const Case& c : cases) {
        HitSetup s;
        s.learnable(c.move);
        c.arrange(s);
        const SlotResult r = s.run();
        EXPECT_EQ(afterMoveBlock(r.log.text()), c.expected) << c.what;
        EXPECT_EQ(r.multiplierText, c.multiplier) << c.what;
        if (std::string(c.multiplier) == "－") {
            EXPECT_EQ(r.damageText, "－") << c.what;
            EXPECT_EQ(r.hitsText, "－") << c.what;
        }
    }
}

// ウェザーボール and めざめるパワー tell the window the type (and power) they worked out.
TEST(DamageEngine, MoveBlocksAndShownTypes) {
    struct Case {
        const char* what;
        int move;
        Arrange arrange;
        const char* block;
        int shownType;
        int shownPower;
    };
    const Case cases[] = {
        {"ウェザーボール in rain", kWeatherBall, [](HitSetup& s) { s.conditions.weather = kWeatherRain; },
         "\r\nウェザーボール\r\n威力： 50   命中： 100\r\n分類： 特殊 タイプ： "
         "天候依存\r\n（天候：雨＝みずタイプ）\r\n",
         kWaterType, -1},
        {"ウェザーボール in sun under エアロック", kWeatherBall,
         [](HitSetup& s) {
             s.conditions.weather = kWeatherSun;
             s.defender.ability = 13;
         },
         "\r\nウェザーボール\r\n威力： 50   命中： 100\r\n分類： 特殊 タイプ： "
         "天候依存\r\n（天候：晴れ＝ほのおタイプ）\r\n",
         kFireType, -1},
        {"ウェザーボール without weather", kWeatherBall, [](HitSetup&) {},
         "\r\nウェザーボール\r\n威力： 50   命中： 100\r\n分類： 特殊 タイプ： "
         "天候依存\r\n（天候：通常＝ノーマルタイプ）\r\n",
         kNormalType, -1},
        {"めざめるパワー, IVs all 31", kHiddenPower,
         [](HitSetup& s) {
             s.attacker.statsDirect = 0;
             for (int& iv : s.attacker.iv)
                 iv = 31;
         },
         "\r\nめざめるパワー\r\n威力： 70   命中： 100\r\n分類： 特殊 タイプ： あく    \r\n", kDarkType, 70},
        {"めざめるパワー, IVs all 0", kHiddenPower, [](HitSetup& s) { s.attacker.statsDirect = 0; },
         "\r\nめざめるパワー\r\n威力： 30   命中： 100\r\n分類： 特殊 タイプ： かくとう\r\n", kFightingType, 30},
        {"めざめるパワー, stats typed in", kHiddenPower, [](HitSetup&) {},
         "\r\nめざめるパワー\r\n威力： 1    命中： 100\r\n分類： 特殊 タイプ： ノーマル\r\n", -1, -1},
        {"an ordinary move reports nothing", kEarthquake, [](HitSetup&) {},
         "\r\nじしん\r\n威力： 100  命中： 100\r\n分類： 物理 タイプ： じめん  \r\n", -1, -1},
    };
    for (const Case& c : cases) {
        HitSetup s;
        s.learnable(c.move);
        c.arrange(s);
        const SlotResult r = s.run();
        EXPECT_NE(r.log.text().find(c.block), std::string::npos) << c.what << "\n" << r.log.text();
        EXPECT_EQ(r.shownType, c.shownType) << c.what;
        EXPECT_EQ(r.shownPower, c.shownPower) << c.what;
    }
}

TEST(DamageEngine, SpreadMovesOnlyInTheAttackersOwnRows) {
    DamageEngine engine;
    HitSetup s;
    s.attacker.move[0] = kHeatWave;
    s.attacker.move[1] = kEarthquake;
    engine.attacker = s.attacker;
    engine.defender = s.defender;
    engine.learnableMove = kHeatWave;
    engine.conditions.doubleBattle = true;
    const auto rows = engine.computeAllRows();
    const std::string spread = damageLines("29 ～ 35", "5 ～ 6");
    EXPECT_EQ(afterMoveBlock(rows[0].log.text()), kNeutral + kNoStages + "「敵二体」で威力： *0.75\r\n" + spread);
    EXPECT_EQ(afterMoveBlock(rows[1].log.text()), kNeutral + kNoStages + "「全体」で威力： *0.75\r\n" + spread);
    EXPECT_EQ(afterMoveBlock(rows[kLearnableRow].log.text()), kNeutral + kNoStages + damageLines("39 ～ 46", "4"));
    EXPECT_EQ(rows[kDirectRow].log.text().find("威力： *0.75"), std::string::npos);

    // The spread line comes before the screens and items.
    engine.conditions.reflect = true;
    EXPECT_EQ(afterMoveBlock(engine.computeAllRows()[1].log.text()),
              kNeutral + kNoStages + "「全体」で威力： *0.75\r\n＞＞＞ 「リフレクター」でダメージ： *0.5\r\n" +
                  damageLines("14 ～ 17", "9 ～ 11"));

    engine.conditions.reflect = false;
    engine.conditions.doubleBattle = false;
    EXPECT_EQ(afterMoveBlock(engine.computeAllRows()[0].log.text()),
              kNeutral + kNoStages + damageLines("39 ～ 46", "4"));
}

TEST(DamageEngine, AllRows) {
    HitSetup s;
    s.attacker.move[0] = kThunderbolt;
    s.attacker.move[2] = kRoost; // no damage: not computed
    DamageEngine engine;
    engine.direct = {80, kPhysical, kWaterType};

    // Nothing is computed until both sides are chosen.
    for (int side = 0; side < 3; ++side) {
        engine.attacker.reset();
        engine.defender.reset();
        if (side == 1)
            engine.attacker = s.attacker;
        if (side == 2)
            engine.defender = s.defender;
        for (const SlotResult& r : engine.computeAllRows()) {
            EXPECT_EQ(r.damageText, "－");
            EXPECT_EQ(r.hitsText, "－");
            EXPECT_EQ(r.multiplierText, "－");
            EXPECT_TRUE(r.log.empty());
        }
    }

    engine.attacker = s.attacker;
    engine.defender = s.defender;
    const auto rows = engine.computeAllRows();
    const bool computed[kDamageRowCount] = {true, false, false, false, false, true};
    for (int row = 0; row < kDamageRowCount; ++row) {
        EXPECT_EQ(rows[row].log.empty(), !computed[row]) << row;
        EXPECT_EQ(rows[row].damageText == "－", !computed[row]) << row;
        // Each row is the row computed on its own.
        const SlotResult alone = computeRow(s.attacker, s.defender, engine.slot(row), engine.conditions);
        EXPECT_EQ(rows[row].log.text(), alone.log.text()) << row;
    }
    EXPECT_EQ(rows[0].damageText, "36 ～ 43");
    EXPECT_EQ(rows[kDirectRow].damageText, "31 ～ 37");

    engine.learnableMove = kThunderbolt;
    EXPECT_EQ(engine.computeAllRows()[kLearnableRow].log.text(), rows[0].log.text());
}

TEST(DamageEngine, ModifiedDefenceOfZeroIsNotDividedBy) {
    for (int stat : {0, 1}) {
        HitSetup s;
        s.defender.stat[kDefence] = stat;
        s.conditions.defenceStage = 12; // -6: a defence of 1 becomes 1 × 2 / 8 = 0
        const SlotResult r = s.run();
        EXPECT_EQ(r.damageText, "－") << stat;
        EXPECT_EQ(r.hitsText, "－") << stat;
        EXPECT_EQ(r.multiplierText, "－") << stat;
        EXPECT_EQ(afterMoveBlock(r.log.text()),
                  kNeutral + "攻撃ランク補正＝攻撃力： *1.00\r\n＞＞＞ 防御ランク補正＝防御力： *0.25\r\n"
                             "＞＞＞ 補正後の防御力が0のため計算不能\r\n")
            << stat;
    }
    HitSetup stillOne;
    stillOne.defender.stat[kDefence] = 4; // 4 × 2 / 8 = 1: computed
    stillOne.conditions.defenceStage = 12;
    EXPECT_NE(stillOne.run().damageText, "－");
}

TEST(DamageEngine, InputsItCannotUseLeaveTheRowUncomputed) {
    const Arrange cases[] = {
        [](HitSetup& s) { s.attacker.species = -1; },
        [](HitSetup& s) { s.defender.species = kSpeciesCount; },
        [](HitSetup& s) { s.attacker.nature = 25; },
        [](HitSetup& s) { s.defender.ability = 165; },
        [](HitSetup& s) { s.attacker.item = 17; },
        [](HitSetup& s) { s.defender.item = -1; },
        [](HitSetup& s) { s.attacker.level = 0; },
        [](HitSetup& s) { s.attacker.level = 101; },
        [](HitSetup& s) { s.attacker.stat[kAttack] = 2'000'000'000; },
        [](HitSetup& s) { s.defender.stat[kHp] = -1; },
        [](HitSetup& s) { s.learnable(9999); },
        [](HitSetup& s) { s.learnable(NO_MOVE); },
        [](HitSetup& s) { s.learnable(kRoost); },
        [](HitSetup& s) { s.slot.row = 6; },
        [](HitSetup& s) { s.direct(0, kPhysical, kWaterType); },
        [](HitSetup& s) { s.direct(-5, kPhysical, kWaterType); },
        [](HitSetup& s) { s.direct(80, 3, kWaterType); },
        [](HitSetup& s) { s.direct(80, kPhysical, 18); },
        [](HitSetup& s) { s.direct(80, kPhysical, -1); },
    };
    int index = 0;
    for (Arrange arrange : cases) {
        HitSetup s;
        arrange(s);
        const SlotResult r = s.run();
        EXPECT_EQ(r.damageText, "－") << index;
        EXPECT_EQ(r.multiplierText, "－") << index;
        EXPECT_TRUE(r.log.empty()) << index;
        ++index;
    }
}

TEST(DamageEngine, ConditionsOutOfRangeAreHeldToTheirLists) {
    HitSetup wild;
    wild.conditions.weather = 9;
    wild.conditions.attackStage = -3;
    wild.conditions.defenceStage = 40;
    HitSetup tame;
    tame.conditions.attackStage = 0;
    tame.conditions.defenceStage = 12;
    EXPECT_EQ(wild.run().log.text(), tame.run().log.text());
}

TEST(CalcLog, LongLinesAreKeptWhole) {
    CalcLog log;
    const std::string longName(600, 'x');
    log.appendf("「%s」で攻撃力： *%1.1f\r\n", longName.c_str(), 1.5);
    EXPECT_EQ(log.text(), "「" + longName + "」で攻撃力： *1.5\r\n");
    EXPECT_EQ(log.toCp932().size(), longName.size() + 2 * 7 + 7);
}

} // namespace
} // namespace rusrina::test
