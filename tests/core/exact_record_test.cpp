// What the exact engine records beyond what a log shows, and how the log words a step: the value
// each modifier changed, from and to, in each generation's own arithmetic; the wording of each
// form of step, by side and by generation.

#include "calc/exact/exact_damage.h"
#include "view/box/exact_log.h"

#include "damage_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace rusrina::test {
namespace {

constexpr int kTechnicianAbility = 60; // テクニシャン
constexpr int kChoiceBandItem = 3;     // こだわりハチマキ
constexpr int kStagePlusOne = kNeutralStage - 1;

struct Step {
    ExactRule rule;
    int32_t numerator, denominator;
    int64_t before, after;
    bool operator==(const Step&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Step& s) {
    return out << "{" << static_cast<int>(s.rule) << ", " << s.numerator << "/" << s.denominator << ", " << s.before
               << " -> " << s.after << "}";
}

// The steps up to the damage the rolls start from.
std::vector<Step> stepsOf(const HitSetup& s, Generation gen) {
    ExactRecord record;
    exactRolls(prepareExactAttack(s.attacker, s.slot, s.conditions, {gen, false}), s.defender, &record);
    EXPECT_EQ(record.generation, gen);
    std::vector<Step> steps;
    for (const ExactStep& e : record.steps) {
        steps.push_back({e.rule, e.numerator, e.denominator, e.before, e.after});
        if (e.rule == ExactRule::DamageBeforeRoll)
            break;
    }
    return steps;
}

// てだすけ, テクニシャン, こだわりハチマキ and +1 attack on a 60-power move. The 4th generation
// scales and truncates value by value; テクニシャン reads the move's own power, before てだすけ
// raises it, as the battle simulator has it. The 5th chains the power's modifiers in 4096ths and
// applies the product once.
TEST(ExactRecord, ModifiersCarryWhatTheyChangedInEachGenerationsArithmetic) {
    HitSetup s;
    s.direct(60, kPhysical, kWaterType);
    s.attacker.ability = kTechnicianAbility;
    s.attacker.item = kChoiceBandItem;
    s.conditions.helpingHand = true;
    s.conditions.attackStage = kStagePlusOne;
    using R = ExactRule;
    const std::vector<Step> gen4 = {
        {R::Technician, 3, 2, 60, 90},       {R::HelpingHand, 3, 2, 90, 135}, {R::ModifiedPower, 1, 1, 0, 135},
        {R::StatStage, 3, 2, 100, 150},      {R::ChoiceBand, 3, 2, 150, 225}, {R::ModifiedStat, 1, 1, 0, 225},
        {R::StatStage, 2, 2, 100, 100},      {R::ModifiedStat, 1, 1, 0, 100}, {R::BaseDamage, 1, 1, 0, 133},
        {R::DamageBeforeRoll, 1, 1, 0, 135},
    };
    const std::vector<Step> gen5 = {
        {R::Technician, 6144, 4096, 4096, 6144},
        {R::HelpingHand, 6144, 4096, 6144, 9216},
        {R::ModifierProduct, 9216, 4096, 0, 9216},
        {R::ModifiedPower, 1, 1, 0, 135},
        {R::StatStage, 3, 2, 100, 150},
        {R::ChoiceBand, 6144, 4096, 4096, 6144},
        {R::ModifiedStat, 1, 1, 0, 225},
        {R::StatStage, 2, 2, 100, 100},
        {R::ModifiedStat, 1, 1, 0, 100},
        {R::BaseDamage, 1, 1, 0, 135},
        {R::DamageBeforeRoll, 1, 1, 0, 135},
    };
    EXPECT_EQ(stepsOf(s, kGen4), gen4);
    EXPECT_EQ(stepsOf(s, kGen5), gen5);
}

TEST(ExactRecord, EachFormOfStepIsWordedBySideAndGeneration) {
    using R = ExactRule;
    constexpr ExactStepSide kAttacker = ExactStepSide::Attacker, kDefender = ExactStepSide::Defender;
    struct Case {
        ExactStep step;
        Generation gen;
        const char* line;
    };
    const Case cases[] = {
        {{.rule = R::TypeItem, .numerator = 4915, .denominator = 4096},
         kGen5,
         "「各種タイプ補正」（技のタイプの道具）で威力： *1.20 (4915/4096)"},
        {{.rule = R::TypeItem, .numerator = 12, .denominator = 10},
         kGen4,
         "「各種タイプ補正」（技のタイプの道具）で威力： *1.2"},
        {{.rule = R::Overgrow, .numerator = 6144, .denominator = 4096}, kGen5, "「しんりょく」発動で攻撃： *1.5"},
        {{.rule = R::Overgrow, .numerator = 3, .denominator = 2}, kGen4, "「しんりょく」発動で草技威力： *1.5"},
        {{.rule = R::Simple, .side = kDefender}, kGen5, "＞＞＞ 「たんじゅん」でランク影響2倍"},
        {{.rule = R::SoulDew, .side = kDefender, .numerator = 3, .denominator = 2},
         kGen4,
         "＞＞＞ 「こころのしずく」で特防： *1.5"},
        {{.rule = R::StatStage, .side = kAttacker, .numerator = 2, .denominator = 3},
         kGen5,
         "攻撃ランク補正＝攻撃力： *0.67"},
        {{.rule = R::TypeEffectiveness, .numerator = 16, .denominator = 4}, kGen4, "相性補正： *4.00"},
        {{.rule = R::BaseDamage, .after = 37}, kGen5, "基本ダメージ： 37"},
        {{.rule = R::ModifiedStat, .after = 120, .arg = kSpDefence}, kGen4, "＞＞＞ 補正後の特防： 120"},
        {{.rule = R::Forecast, .side = kDefender, .arg = kWaterType}, kGen5, "＞＞＞ 「てんきや」によりみずタイプに"},
        {{.rule = R::MoldBreaker, .arg = 3}, kGen5, "「かたやぶり」により相手の「あついしぼう」を無視"},
        {{.rule = R::AllyAbilityBroken, .arg = 93, .arg2 = 145},
         kGen5,
         "「テラボルテージ」により味方の「フラワーギフト」を無視"},
        {{.rule = R::WeatherBallType, .arg = kWeatherHail, .arg2 = kIceType}, kGen4, "（天候：霰＝こおりタイプ）"},
        {{.rule = R::GyroBallPower, .after = 26, .arg = 100, .arg2 = 100},
         kGen5,
         "「ジャイロボール」： 素早さ 100 対 100 で威力 26"},
        {{.rule = R::ModifierProduct, .numerator = 9216, .denominator = 4096}, kGen5, "（補正値の積： 9216/4096）"},
        {{.rule = R::HappinessPower, .after = 102}, kGen4, "最大威力に設定：＝102"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(exactStepText(c.step, c.gen), c.line) << static_cast<int>(c.step.rule);
}

} // namespace
} // namespace rusrina::test
