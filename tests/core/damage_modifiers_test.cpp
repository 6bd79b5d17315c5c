// Each modifier of a damage row: the lines it writes, where it writes them, and what it does to
// the damage. Every case starts from the plain hit of damage_test_support.h.

#include "damage_test_support.h"
#include "data/species.h"

#include <gtest/gtest.h>

#include <iterator>

namespace rusrina::test {
namespace {

#define EXPECT_CASES(table) expectModifierCases(table, std::size(table))

TEST(DamageModifiers, TypeAndWeatherAdjustments) {
    const std::string calmed = "「エアロック」「ノーてんき」により天候を通常に\r\n";
    const ModifierCase cases[] = {
        {"ノーマルスキン turns the move ノーマル, which is then same-type",
         [](HitSetup& s) { s.attacker.ability = 76; },
         "「ノーマルスキン」によりノーマルタイプに変更\r\n" + kNeutral + kSameType + kNoStages +
             damageLines("46 ～ 55", "3 ～ 4"),
         "1.50"},
        {"the defender's エアロック calms the sun",
         [](HitSetup& s) {
             s.defender.ability = 13;
             s.conditions.weather = kWeatherSun;
             s.slot.direct.type = kFireType;
         },
         calmed + kNeutral + kNoStages + kPlainHit},
        {"the attacker's ノーてんき calms the rain",
         [](HitSetup& s) {
             s.attacker.ability = 75;
             s.conditions.weather = kWeatherRain;
         },
         calmed + kNeutral + kNoStages + kPlainHit},
        {"the attacker's てんきや names the weather's type",
         [](HitSetup& s) {
             s.attacker.ability = 63;
             s.conditions.weather = kWeatherRain;
             s.slot.direct.type = kFireType;
         },
         "「てんきや」によりみずタイプに\r\n" + kNeutral + "雨で炎技威力： *0.5\r\n" + kNoStages + kHalved},
        {"the attacker's てんきや without weather names its own first type",
         [](HitSetup& s) {
             s.attacker.species = kMachamp;
             s.attacker.ability = 63;
         },
         "「てんきや」によりかくとうタイプに\r\n" + kNeutral + kNoStages + kPlainHit},
        {"てんきや follows the weather エアロック left",
         [](HitSetup& s) {
             s.attacker.ability = 63;
             s.defender.ability = 13;
             s.conditions.weather = kWeatherRain;
         },
         calmed + "「てんきや」によりノーマルタイプに\r\n" + kNeutral + kNoStages + kPlainHit},
        {"the defender's てんきや takes the hail's type",
         [](HitSetup& s) {
             s.defender.ability = 63;
             s.conditions.weather = kWeatherHail;
             s.slot.direct.type = kFireType;
         },
         "＞＞＞ 「てんきや」によりこおりタイプに\r\n" + kDouble + kNoStages + damageLines("62 ～ 74", "3"), "2.00"},
        {"the defender's てんきや without weather keeps its type",
         [](HitSetup& s) {
             s.defender.species = kMachamp;
             s.defender.ability = 63;
         },
         "＞＞＞ 「てんきや」によりかくとうタイプに\r\n" + kNeutral + kNoStages + kPlainHit},
    };
    EXPECT_CASES(cases);
}

TEST(DamageModifiers, EffectivenessExceptions) {
    const std::string foresight = "「みやぶる」により「ノーマル格闘」有効\r\n";
    const ModifierCase cases[] = {
        {"みやぶる lets ノーマル hit ゴースト",
         [](HitSetup& s) {
             s.defender.species = kGengar;
             s.slot.direct.type = kNormalType;
             s.conditions.foresight = true;
         },
         foresight + kNeutral + kSameType + kNoStages + damageLines("46 ～ 55", "3 ～ 4"), "1.50"},
        {"きもったま does the same without the box",
         [](HitSetup& s) {
             s.defender.species = kGengar;
             s.slot.direct.type = kNormalType;
             s.attacker.ability = 24;
         },
         "「きもったま」により「ノーマル格闘」有効\r\n" + kNeutral + kSameType + kNoStages +
             damageLines("46 ～ 55", "3 ～ 4"),
         "1.50"},
        {"with both, the line names みやぶる",
         [](HitSetup& s) {
             s.defender.species = kGengar;
             s.slot.direct.type = kNormalType;
             s.attacker.ability = 24;
             s.conditions.foresight = true;
         },
         foresight + kNeutral + kSameType + kNoStages + damageLines("46 ～ 55", "3 ～ 4"), "1.50"},
        {"without either, ゴースト stops ノーマル",
         [](HitSetup& s) {
             s.defender.species = kGengar;
             s.slot.direct.type = kNormalType;
         },
         "相性補正： *0.00\r\n" + kSameType + kNoStages + kNoDamage, "0.00"},
        {"かくとう gets through ゴースト but どく still resists",
         [](HitSetup& s) {
             s.attacker.species = kMachamp;
             s.defender.species = kGengar;
             s.slot.direct.type = kFightingType;
             s.conditions.foresight = true;
         },
         foresight + "相性補正： *0.50\r\n" + kSameType + kNoStages + damageLines("22 ～ 27", "6 ～ 7"), "0.75"},
        {"じゅうりょく lets じめん hit the ひこう half of a pair",
         [](HitSetup& s) {
             s.defender.species = kPidgeot;
             s.slot.direct.type = kGroundType;
             s.conditions.gravity = true;
         },
         "「じゅうりょく」により「じめん」等倍\r\n" + kNeutral + kNoStages + kPlainHit},
        {"without じゅうりょく, ひこう is immune to じめん",
         [](HitSetup& s) {
             s.defender.species = kPidgeot;
             s.slot.direct.type = kGroundType;
         },
         "相性補正： *0.00\r\n" + kNoStages + kNoDamage, "0.00"},
    };
    EXPECT_CASES(cases);
}

TEST(DamageModifiers, SameTypeAndWeather) {
    const ModifierCase cases[] = {
        {"てきおうりょく doubles same-type damage",
         [](HitSetup& s) {
             s.attacker.ability = 59;
             s.slot.direct.type = kNormalType;
         },
         kNeutral + "「てきおうりょく」によりタイプ一致でダメージ： *2\r\n" + kNoStages + damageLines("62 ～ 74", "3"),
         "2.00"},
        {"sun powers fire",
         [](HitSetup& s) {
             s.conditions.weather = kWeatherSun;
             s.slot.direct.type = kFireType;
         },
         kNeutral + "晴れで炎技威力： *1.5\r\n" + kNoStages + kOneAndHalf},
        {"sun: フラワーギフト then the weakened water",
         [](HitSetup& s) {
             s.conditions.weather = kWeatherSun;
             s.conditions.flowerGift = true;
         },
         kNeutral + "「フラワーギフト」時に晴れで攻撃： *1.5\r\n晴れで水技威力： *0.5\r\n" + kNoStages +
             damageLines("23 ～ 28", "6 ～ 7")},
        {"sun: フラワーギフト helps only physical moves",
         [](HitSetup& s) {
             s.conditions.weather = kWeatherSun;
             s.conditions.flowerGift = true;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + "晴れで水技威力： *0.5\r\n" + kNoStages + kHalved},
        {"sun: fire, then サンパワー for a special move",
         [](HitSetup& s) {
             s.conditions.weather = kWeatherSun;
             s.attacker.ability = 32;
             s.direct(80, kSpecial, kFireType);
         },
         kNeutral + "晴れで炎技威力： *1.5\r\n「サンパワー」時に晴れで特殊： *1.5\r\n" + kNoStages +
             damageLines("68 ～ 81", "2 ～ 3")},
        {"サンパワー does nothing for a physical move",
         [](HitSetup& s) {
             s.conditions.weather = kWeatherSun;
             s.attacker.ability = 32;
         },
         kNeutral + "晴れで水技威力： *0.5\r\n" + kNoStages + kHalved},
        {"rain weakens fire",
         [](HitSetup& s) {
             s.conditions.weather = kWeatherRain;
             s.slot.direct.type = kFireType;
         },
         kNeutral + "雨で炎技威力： *0.5\r\n" + kNoStages + kHalved},
        {"rain powers water", [](HitSetup& s) { s.conditions.weather = kWeatherRain; },
         kNeutral + "雨で水技威力： *1.5\r\n" + kNoStages + kOneAndHalf},
        {"sand raises a rock type's special defence",
         [](HitSetup& s) {
             s.conditions.weather = kWeatherSand;
             s.defender.species = kGeodude;
             s.direct(80, kSpecial, kPsychicType);
         },
         kNeutral + "＞＞＞ 砂嵐で岩タイプは特防： *1.5\r\n" + kNoStages + damageLines("21 ～ 25", "6 ～ 8")},
        {"sand leaves physical moves alone",
         [](HitSetup& s) {
             s.conditions.weather = kWeatherSand;
             s.defender.species = kGeodude;
             s.slot.direct.type = kPsychicType;
         },
         kNeutral + kNoStages + kPlainHit},
    };
    EXPECT_CASES(cases);
}

TEST(DamageModifiers, Stages) {
    const std::string plainDefence = "＞＞＞ 防御ランク補正＝防御力： *1.00\r\n";
    const std::string plainAttack = "攻撃ランク補正＝攻撃力： *1.00\r\n";
    const ModifierCase cases[] = {
        {"たんじゅん turns +1 into +2",
         [](HitSetup& s) {
             s.attacker.ability = 54;
             s.conditions.attackStage = 5;
         },
         kNeutral + "「たんじゅん」でランク影響2倍\r\n攻撃ランク補正＝攻撃力： *2.00\r\n" + plainDefence +
             damageLines("61 ～ 72", "3")},
        {"たんじゅん holds +3 at +6",
         [](HitSetup& s) {
             s.attacker.ability = 54;
             s.conditions.attackStage = 3;
         },
         kNeutral + "「たんじゅん」でランク影響2倍\r\n攻撃ランク補正＝攻撃力： *4.00\r\n" + plainDefence +
             damageLines("120 ～ 142", "2")},
        {"たんじゅん holds -3 at -6",
         [](HitSetup& s) {
             s.attacker.ability = 54;
             s.conditions.attackStage = 9;
         },
         kNeutral + "「たんじゅん」でランク影響2倍\r\n攻撃ランク補正＝攻撃力： *0.25\r\n" + plainDefence +
             damageLines("8 ～ 10", "15 ～ 19")},
        {"the defender's たんじゅん turns -1 into -2",
         [](HitSetup& s) {
             s.defender.ability = 54;
             s.conditions.defenceStage = 7;
         },
         kNeutral + "＞＞＞ 「たんじゅん」でランク影響2倍\r\n" + plainAttack +
             "＞＞＞ 防御ランク補正＝防御力： *0.50\r\n" + damageLines("61 ～ 72", "3")},
        {"the attacker's てんねん ignores the defence stage",
         [](HitSetup& s) {
             s.attacker.ability = 64;
             s.conditions.defenceStage = 4;
         },
         kNeutral + "「てんねん」で相手のランク影響無視\r\n" + kNoStages + kPlainHit},
        {"the defender's てんねん ignores the attack stage",
         [](HitSetup& s) {
             s.defender.ability = 64;
             s.conditions.attackStage = 4;
         },
         kNeutral + "＞＞＞ 「てんねん」で相手のランク影響無視\r\n" + kNoStages + kPlainHit},
        {"チイラのみ raises the attack stage",
         [](HitSetup& s) {
             s.attacker.item = 14;
             s.conditions.berryActive = true;
         },
         kNeutral + "「チイラのみ」で攻撃： *1.5\r\n攻撃ランク補正＝攻撃力： *1.50\r\n" + plainDefence + kOneAndHalf},
        {"チイラのみ at +6 has no room",
         [](HitSetup& s) {
             s.attacker.item = 14;
             s.conditions.berryActive = true;
             s.conditions.attackStage = 0;
         },
         kNeutral + "攻撃ランク補正＝攻撃力： *4.00\r\n" + plainDefence + damageLines("120 ～ 142", "2")},
        {"ヤタピのみ raises the special attack stage",
         [](HitSetup& s) {
             s.attacker.item = 15;
             s.conditions.berryActive = true;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + "「ヤタピのみ」で特攻： *1.5\r\n攻撃ランク補正＝攻撃力： *1.50\r\n" + plainDefence + kOneAndHalf},
        {"チイラのみ does nothing for a special move",
         [](HitSetup& s) {
             s.attacker.item = 14;
             s.conditions.berryActive = true;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + kPlainHit},
        {"ぶきよう keeps the berry from acting",
         [](HitSetup& s) {
             s.attacker.item = 14;
             s.attacker.ability = 85;
             s.conditions.berryActive = true;
         },
         kNeutral + kNoStages + kPlainHit},
        {"+5", [](HitSetup& s) { s.conditions.attackStage = 1; },
         kNeutral + "攻撃ランク補正＝攻撃力： *3.50\r\n" + plainDefence + damageLines("106 ～ 125", "2")},
        {"-1", [](HitSetup& s) { s.conditions.attackStage = 7; },
         kNeutral + "攻撃ランク補正＝攻撃力： *0.67\r\n" + plainDefence + damageLines("21 ～ 25", "6 ～ 8")},
        {"defence -4", [](HitSetup& s) { s.conditions.defenceStage = 10; },
         kNeutral + plainAttack + "＞＞＞ 防御ランク補正＝防御力： *0.33\r\n" + damageLines("91 ～ 108", "2")},
        {"defence -5", [](HitSetup& s) { s.conditions.defenceStage = 11; },
         kNeutral + plainAttack + "＞＞＞ 防御ランク補正＝防御力： *0.29\r\n" + damageLines("107 ～ 127", "2")},
    };
    EXPECT_CASES(cases);
}

TEST(DamageModifiers, HelpingHandBurnAndAttackerAbilities) {
    const std::string gutsIgnoresBurn = "「こんじょう」でやけどの影響無し\r\n";
    const ModifierCase cases[] = {
        {"てだすけ", [](HitSetup& s) { s.conditions.helpingHand = true; },
         kNeutral + kNoStages + "「てだすけ」で威力： *1.5\r\n" + kOneAndHalf},
        {"やけど halves physical attack", [](HitSetup& s) { s.conditions.burn = true; },
         kNeutral + kNoStages + "「やけど」で攻撃半減： *0.5\r\n" + kHalved},
        {"やけど leaves special moves alone",
         [](HitSetup& s) {
             s.conditions.burn = true;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + kPlainHit},
        {"こんじょう shrugs off the burn",
         [](HitSetup& s) {
             s.conditions.burn = true;
             s.attacker.ability = 30;
         },
         kNeutral + kNoStages + gutsIgnoresBurn + kPlainHit},
        {"こんじょう with 特性発動 also raises attack",
         [](HitSetup& s) {
             s.conditions.burn = true;
             s.conditions.abilityActive = true;
             s.attacker.ability = 30;
         },
         kNeutral + kNoStages + gutsIgnoresBurn + "「こんじょう」発動で攻撃力： *1.5\r\n" + kOneAndHalf},
        {"はりきり acts on special moves too",
         [](HitSetup& s) {
             s.attacker.ability = 81;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + "「はりきり」で攻撃力： *1.5\r\n" + kOneAndHalf},
        {"テクニシャン at power 60",
         [](HitSetup& s) {
             s.attacker.ability = 60;
             s.slot.direct.power = 60;
         },
         kNeutral + kNoStages + "「テクニシャン」で威力： *1.5\r\n" + damageLines("34 ～ 41", "4 ～ 5")},
        {"テクニシャン above 60",
         [](HitSetup& s) {
             s.attacker.ability = 60;
             s.slot.direct.power = 65;
         },
         kNeutral + kNoStages + damageLines("25 ～ 30", "5 ～ 6")},
        {"いろめがね doubles a resisted hit",
         [](HitSetup& s) {
             s.attacker.ability = 11;
             s.defender.species = kGeodude;
             s.slot.direct.type = kFireType;
         },
         "相性補正： *0.50\r\n" + kNoStages + "「いろめがね」でダメージ： *2\r\n" + kPlainHit, "0.50"},
        {"いろめがね leaves a neutral hit alone", [](HitSetup& s) { s.attacker.ability = 11; },
         kNeutral + kNoStages + kPlainHit},
        {"ちからもち doubles physical attack", [](HitSetup& s) { s.attacker.ability = 55; },
         kNeutral + kNoStages + "「ちからもち」「ヨガパワー」で攻撃力： *2\r\n" + damageLines("61 ～ 72", "3")},
        {"ヨガパワー leaves special moves alone",
         [](HitSetup& s) {
             s.attacker.ability = 119;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + kPlainHit},
    };
    EXPECT_CASES(cases);
}

TEST(DamageModifiers, AbilitiesThatNeedActivation) {
    struct Case {
        int ability;
        int type;
        int category;
        const char* line; // nullptr: nothing happens
        const char* damage;
        const char* hits;
    };
    const Case cases[] = {
        {29, kWaterType, kPhysical, "「げきりゅう」発動で水技威力： *1.5\r\n", "45 ～ 54", "3 ～ 4"},
        {29, kFireType, kPhysical, nullptr, "31 ～ 37", "5"},
        {40, kGrassType, kSpecial, "「しんりょく」発動で草技威力： *1.5\r\n", "45 ～ 54", "3 ～ 4"},
        {108, kBugType, kPhysical, "「むしのしらせ」発動で虫技威力： *1.5\r\n", "45 ～ 54", "3 ～ 4"},
        {111, kFireType, kSpecial, "「もうか」発動で炎技威力： *1.5\r\n", "45 ～ 54", "3 ～ 4"},
        {113, kFireType, kPhysical, "「もらいび」発動で炎技威力： *1.5\r\n", "45 ～ 54", "3 ～ 4"},
        {30, kWaterType, kPhysical, "「こんじょう」発動で攻撃力： *1.5\r\n", "45 ～ 54", "3 ～ 4"},
        {30, kWaterType, kSpecial, nullptr, "31 ～ 37", "5"},
        {48, kWaterType, kPhysical, "「スロースタート」発動中は攻撃力： *0.5\r\n", "16 ～ 19", "8 ～ 10"},
        {48, kWaterType, kSpecial, nullptr, "31 ～ 37", "5"},
    };
    for (const Case& c : cases) {
        for (bool active : {true, false}) {
            HitSetup s;
            s.attacker.ability = c.ability;
            s.direct(80, c.category, c.type);
            s.conditions.abilityActive = active;
            const std::string expected = (active && c.line)
                                             ? kNeutral + kNoStages + c.line + damageLines(c.damage, c.hits)
                                             : kNeutral + kNoStages + kPlainHit;
            EXPECT_EQ(afterMoveBlock(s.run().log.text()), expected) << c.ability << " active " << active;
        }
    }
}

TEST(DamageModifiers, DefenderAbilities) {
    struct Case {
        int ability;
        int type;
        std::string lines; // between the stage lines and the damage
        std::string effect;
        std::string damage;
    };
    const std::string immune = kNoDamage;
    const Case cases[] = {
        {3, kFireType, "「あついしぼう」でダメージ： *0.5\r\n", kNeutral, kDamageHalved},
        {3, kIceType, "「あついしぼう」でダメージ： *0.5\r\n", kNeutral, kDamageHalved},
        {3, kWaterType, "", kNeutral, kPlainHit},
        {22, kFireType, "「かんそうはだ」でダメージ： *1.25\r\n", kNeutral, damageLines("39 ～ 46", "4")},
        {22, kWaterType, "「かんそうはだ」で水技無効\r\n", kNeutral, immune},
        {51, kFireType, "「たいねつ」でダメージ： *0.5\r\n", kNeutral, kDamageHalved},
        {56, kElectricType, "「ちくでん」「でんきエンジン」で電気技無効\r\n", kNeutral, immune},
        {62, kElectricType, "「ちくでん」「でんきエンジン」で電気技無効\r\n", kNeutral, immune},
        {58, kWaterType, "「ちょすい」で水技無効\r\n", kNeutral, immune},
        {58, kFireType, "", kNeutral, kPlainHit},
        {77, kFightingType, "「ハードロック」「フィルター」でダメージ： *0.75\r\n", kDouble, kOneAndHalf},
        {84, kFightingType, "「ハードロック」「フィルター」でダメージ： *0.75\r\n", kDouble, kOneAndHalf},
        {84, kWaterType, "", kNeutral, kPlainHit},
        {89, kWaterType, "「ふしぎなまもり」で無効\r\n", kNeutral, immune},
        {89, kFightingType, "", kDouble, damageLines("62 ～ 74", "3")},
        {91, kGroundType, "「ふゆう」で地面技無効\r\n", kNeutral, immune},
        {113, kFireType, "「もらいび」で炎技無効\r\n", kNeutral, immune},
    };
    for (const Case& c : cases) {
        for (bool moldBreaker : {false, true}) {
            HitSetup s;
            s.defender.ability = c.ability;
            s.attacker.ability = moldBreaker ? 18 : 0;
            s.slot.direct.type = c.type;
            // かたやぶり goes straight through every one of them.
            const std::string expected =
                moldBreaker ? c.effect + kNoStages + (c.effect == kDouble ? damageLines("62 ～ 74", "3") : kPlainHit)
                            : c.effect + kNoStages + c.lines + c.damage;
            EXPECT_EQ(afterMoveBlock(s.run().log.text()), expected)
                << c.ability << " type " << c.type << " かたやぶり " << moldBreaker;
        }
    }
}

// A single-typed ひこう defender: one type, so one gravity line.
TEST(DamageModifiers, GravityOnAPureFlyingType) {
    int pureFlying = -1;
    for (int species = 0; species < kSpeciesCount && pureFlying < 0; ++species) {
        const SpeciesRecord& r = speciesRecord(species);
        if (r.type1 == kFlyingType && r.type2 == kFlyingType)
            pureFlying = species;
    }
    ASSERT_GE(pureFlying, 0);
    HitSetup s;
    s.defender.species = pureFlying;
    s.slot.direct.type = kGroundType;
    s.conditions.gravity = true;
    EXPECT_EQ(afterMoveBlock(s.run().log.text()),
              "「じゅうりょく」により「じめん」等倍\r\n" + kNeutral + kNoStages + kPlainHit);
}

TEST(DamageModifiers, LevitateUnderGravity) {
    HitSetup s;
    s.defender.ability = 91;
    s.slot.direct.type = kGroundType;
    s.conditions.gravity = true;
    EXPECT_EQ(afterMoveBlock(s.run().log.text()),
              kNeutral + kNoStages + "「じゅうりょく」で「ふゆう」が無効＝地面技等倍\r\n" + kPlainHit);
}

TEST(DamageModifiers, ItemsAndScreens) {
    const ModifierCase cases[] = {
        {"こだわりハチマキ: physical damage", [](HitSetup& s) { s.attacker.item = 3; },
         kNeutral + kNoStages + "「こだわりハチマキ」で攻撃力： *1.5\r\n" + damageLines("46 ～ 55", "3 ～ 4")},
        {"こだわりハチマキ: nothing for a special move",
         [](HitSetup& s) {
             s.attacker.item = 3;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + kPlainHit},
        {"こだわりメガネ: special damage",
         [](HitSetup& s) {
             s.attacker.item = 4;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + "「こだわりメガネ」で攻撃力： *1.5\r\n" + damageLines("46 ～ 55", "3 ～ 4")},
        {"ちからのハチマキ: ×1.1", [](HitSetup& s) { s.attacker.item = 5; },
         kNeutral + kNoStages + "「ちからのハチマキ」で攻撃力： *1.1\r\n" + damageLines("34 ～ 40", "4 ～ 5")},
        {"各種タイプ補正: attack for every move",
         [](HitSetup& s) {
             s.attacker.item = 1;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + "「各種タイプ補正」で攻撃力： *1.2\r\n" + damageLines("37 ～ 44", "4 ～ 5")},
        {"いのちのたま, then リフレクター",
         [](HitSetup& s) {
             s.attacker.item = 2;
             s.conditions.reflect = true;
         },
         kNeutral + kNoStages + "「いのちのたま」で攻撃力： *1.3\r\n＞＞＞ 「リフレクター」でダメージ： *0.5\r\n" +
             damageLines("19 ～ 23", "7 ～ 8")},
        {"でんきだま: ×2.0", [](HitSetup& s) { s.attacker.item = 6; },
         kNeutral + kNoStages + "「でんきだま」で攻撃力： *2.0\r\n" + damageLines("61 ～ 72", "3")},
        {"たつじんのおび on a super-effective hit",
         [](HitSetup& s) {
             s.attacker.item = 9;
             s.slot.direct.type = kFightingType;
         },
         kDouble + kNoStages + "「たつじんのおび」で攻撃力： *1.2\r\n" + damageLines("74 ～ 88", "2 ～ 3"), "2.00"},
        {"たつじんのおび on a neutral hit", [](HitSetup& s) { s.attacker.item = 9; }, kNeutral + kNoStages + kPlainHit},
        {"リフレクター halves in a double battle too",
         [](HitSetup& s) {
             s.conditions.reflect = true;
             s.conditions.doubleBattle = true;
         },
         kNeutral + kNoStages + "＞＞＞ 「リフレクター」でダメージ： *0.5\r\n" + kDamageHalved},
        {"リフレクター leaves special moves alone",
         [](HitSetup& s) {
             s.conditions.reflect = true;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + kPlainHit},
        {"ひかりのかべ",
         [](HitSetup& s) {
             s.conditions.lightScreen = true;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + "＞＞＞ 「ひかりのかべ」でダメージ： *0.5\r\n" + kDamageHalved},
        {"メタルパウダー against a physical move", [](HitSetup& s) { s.defender.item = 13; },
         kNeutral + kNoStages + "＞＞＞ 「メタルパウダー」で防御力： *2.0\r\n" + kDamageHalved},
        {"メタルパウダー against a special move",
         [](HitSetup& s) {
             s.defender.item = 13;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + kPlainHit},
        {"しんかいのウロコ against a special move",
         [](HitSetup& s) {
             s.defender.item = 12;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages + "＞＞＞ 「しんかいのウロコ」で防御力： *2.0\r\n" + kDamageHalved},
        {"こころのしずく on both sides behind ひかりのかべ",
         [](HitSetup& s) {
             s.attacker.item = 10;
             s.defender.item = 10;
             s.conditions.lightScreen = true;
             s.slot.direct.category = kSpecial;
         },
         kNeutral + kNoStages +
             "＞＞＞ 「ひかりのかべ」でダメージ： *0.5\r\n「こころのしずく」で攻撃力： *1.5\r\n＞＞＞ "
             "「こころのしずく」で防御力： *1.5\r\n" +
             kDamageHalved},
        {"ぶきよう: the attacker's item does nothing",
         [](HitSetup& s) {
             s.attacker.item = 2;
             s.attacker.ability = 85;
         },
         kNeutral + kNoStages + kPlainHit},
        {"ぶきよう: the defender's item does nothing",
         [](HitSetup& s) {
             s.defender.item = 13;
             s.defender.ability = 85;
         },
         kNeutral + kNoStages + kPlainHit},
    };
    EXPECT_CASES(cases);
}

} // namespace
} // namespace rusrina::test
