// What the box and damage window shows around the engine: chooser entries, the panels, the row
// texts and the condition check boxes.

#include "view/box/damage_view.h"

#include "data/held_items.h"

#include "box/box_entry.h"
#include "data/items.h"
#include "data/moves.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace rusrina {
namespace {

constexpr int kPikachu = 24;
constexpr int kSnorlax = 142;
constexpr int kThunderbolt = 84;  // １０まんボルト: 95, 特殊, でんき
constexpr int kThunder = 86;      // かみなり
constexpr int kWeatherBall = 310; // ウェザーボール
constexpr int kHiddenPower = 236; // めざめるパワー

BoxEntry creature(int species, int nature = 1) {
    return testing::EntryBuilder("ぴか", species).nature(nature).noMoves();
}

std::vector<std::string> textsOf(const std::vector<ListChoice>& choices) {
    std::vector<std::string> texts;
    for (const ListChoice& c : choices)
        texts.push_back(c.text);
    return texts;
}

TEST(DamageViewTest, EachCheckBoxSetsItsOwnFlagOnly) {
    for (int i = 0; i < kConditionCheckCount; ++i) {
        SCOPED_TRACE(kConditionChecks[i].caption);
        ConditionControls controls;
        controls.checks[i] = true;
        const BattleConditions c = battleConditions(controls);
        for (int j = 0; j < kConditionCheckCount; ++j)
            EXPECT_EQ(c.*kConditionChecks[j].flag, i == j);
    }
    const std::vector<std::string> captions = {"てだすけ",     "やけど",       "フラワーギフト",       "リフレクター",
                                               "ひかりのかべ", "ダブルバトル", "みやぶる／かぎわける", "じゅうりょく",
                                               "特性発動",     "きのみ発動"};
    for (int i = 0; i < kConditionCheckCount; ++i)
        EXPECT_EQ(kConditionChecks[i].caption, captions[i]);
    ConditionControls burnAndGravity;
    burnAndGravity.checks[1] = burnAndGravity.checks[7] = true;
    const BattleConditions both = battleConditions(burnAndGravity);
    EXPECT_TRUE(both.burn && both.gravity && !both.foresight && !both.helpingHand);
}

TEST(DamageViewTest, ChooserPositionsOutsideTheirListsFallBackToTheDefaults) {
    const struct {
        int attack, defence, weather;
        int wantAttack, wantDefence, wantWeather;
    } cases[] = {
        {0, 12, 4, 0, 12, 4},
        {-1, -1, -1, kNeutralStage, kNeutralStage, kWeatherNone},
        {13, 99, 5, kNeutralStage, kNeutralStage, kWeatherNone},
        {5, 7, 1, 5, 7, 1},
    };
    for (const auto& c : cases) {
        ConditionControls controls;
        controls.attackStage = c.attack;
        controls.defenceStage = c.defence;
        controls.weather = c.weather;
        const BattleConditions conditions = battleConditions(controls);
        EXPECT_EQ(conditions.attackStage, c.wantAttack);
        EXPECT_EQ(conditions.defenceStage, c.wantDefence);
        EXPECT_EQ(conditions.weather, c.wantWeather);
    }
}

TEST(DamageViewTest, ChooserEntries) {
    EXPECT_EQ(textsOf(stageChoices()),
              (std::vector<std::string>{"+6", "+5", "+4", "+3", "+2", "+1", "±0", "-1", "-2", "-3", "-4", "-5", "-6"}));
    EXPECT_EQ(textsOf(weatherChoices()), (std::vector<std::string>{"通常", "晴れ", "雨", "砂嵐", "霰"}));
    EXPECT_EQ(textsOf(directCategoryChoices()), (std::vector<std::string>{"物理", "特殊", "変化"}));
    EXPECT_EQ(
        learnFilterChoices(),
        (std::vector<ListChoice>{{"制限無し", NO_MOVE}, {"物理技のみ", 0}, {"特殊技のみ", 1}, {"変化技のみ", 2}}));
    const auto powers = directPowerChoices();
    ASSERT_EQ(powers.size(), 40u);
    for (size_t i = 0; i < powers.size(); ++i) {
        EXPECT_EQ(powers[i].value, 5 * static_cast<int>(i + 1));
        EXPECT_EQ(powers[i].text, std::to_string(powers[i].value));
    }
    const auto types = directTypeChoices();
    ASSERT_EQ(types.size(), 17u);
    EXPECT_EQ(types[0], (ListChoice{"ノーマル", 0}));
    EXPECT_EQ(types[8], (ListChoice{"はがね", 8}));
    EXPECT_EQ(types[9], (ListChoice{"ほのお", 10}));
    EXPECT_EQ(types[16], (ListChoice{"あく", 17}));
}

TEST(DamageViewTest, PanelTexts) {
    const EntryPanelTexts none = entryPanelTexts(nullptr);
    for (const std::string* t : {&none.name, &none.species, &none.level, &none.nature, &none.ability, &none.item})
        EXPECT_EQ(*t, "－");
    for (int s = 0; s < 6; ++s)
        EXPECT_TRUE(none.iv[s] == "－" && none.ev[s] == "－" && none.stat[s] == "－");

    BoxEntry e = creature(kPikachu, 1);
    e.item = 0;
    const EntryPanelTexts computed = entryPanelTexts(&e);
    EXPECT_EQ(computed.name, "ぴか");
    EXPECT_EQ(computed.species, "ピカチュウ");
    EXPECT_EQ(computed.level, "LV 50");
    EXPECT_EQ(computed.nature, "いじっぱり");
    EXPECT_EQ(computed.ability, "いかりのつぼ");
    EXPECT_EQ(computed.item, damageItem(0).name);
    // The full held item when the box keeps one beside the record; the row's name otherwise.
    EXPECT_EQ(entryPanelTexts(&e, {.heldItem = findHeldItem("Leftovers")}).item, "たべのこし");
    EXPECT_EQ(entryPanelTexts(&e, {.heldItem = findHeldItem("Silk Scarf")}).item, damageItem(0).name);
    EXPECT_EQ(computed.iv[0], "31");
    EXPECT_EQ(computed.ev[1], "252");
    EXPECT_EQ(computed.stat[5], "105");

    e.statsDirect = 1;
    e.nature = 2; // やんちゃ: its bare name keeps the padding blank
    e.item = 16;
    const EntryPanelTexts direct = entryPanelTexts(&e);
    EXPECT_EQ(direct.nature, "やんちゃ　");
    EXPECT_EQ(direct.item, "");
    for (int s = 0; s < 6; ++s) {
        EXPECT_EQ(direct.iv[s], "－");
        EXPECT_EQ(direct.ev[s], "－");
        EXPECT_EQ(direct.stat[s], std::to_string(100 + s));
    }

    e.species = 9999;
    e.nature = -1;
    e.ability = 4000;
    e.item = 17;
    const EntryPanelTexts broken = entryPanelTexts(&e);
    EXPECT_EQ(broken.species, "－");
    EXPECT_EQ(broken.nature, "－");
    EXPECT_EQ(broken.ability, "－");
    EXPECT_EQ(broken.item, "－");
}

TEST(DamageViewTest, RowTextsFollowTheSidesThatAreSet) {
    DamageEngine engine;
    BoxEntry attacker = creature(kPikachu);
    attacker.move[0] = kThunderbolt;
    attacker.move[2] = kThunder;
    engine.learnableMove = kThunderbolt;

    auto rows = damageRowTexts(engine, engine.computeAllRows());
    for (const DamageRowTexts& row : rows)
        for (const std::string* t : {&row.name, &row.power, &row.category, &row.type, &row.damage, &row.hits})
            EXPECT_EQ(*t, "－");

    engine.attacker = attacker;
    rows = damageRowTexts(engine, engine.computeAllRows());
    EXPECT_EQ(rows[0].name, "１０まんボルト");
    EXPECT_EQ(rows[0].power, "95");
    EXPECT_EQ(rows[0].category, "特殊");
    EXPECT_EQ(rows[0].type, "でんき");
    EXPECT_EQ(rows[0].damage, "－");
    EXPECT_EQ(rows[1].name, "－");
    EXPECT_EQ(rows[2].name, "かみなり");
    EXPECT_EQ(rows[kLearnableRow].power, "－") << "the learnable row waits for both sides";

    engine.defender = creature(kSnorlax);
    rows = damageRowTexts(engine, engine.computeAllRows());
    EXPECT_EQ(rows[kLearnableRow].power, "95");
    EXPECT_EQ(rows[kLearnableRow].type, "でんき");
    EXPECT_NE(rows[0].damage, "－");
    EXPECT_EQ(rows[0].damage, rows[kLearnableRow].damage);
    EXPECT_NE(rows[kDirectRow].damage, "－");
    EXPECT_EQ(rows[1].damage, "－");
}

TEST(DamageViewTest, WorkedOutTypeAndPowerReplaceTheTableValues) {
    DamageEngine engine;
    BoxEntry attacker = creature(kPikachu);
    attacker.move[0] = kHiddenPower;
    attacker.move[1] = kWeatherBall;
    engine.attacker = attacker;
    auto rows = damageRowTexts(engine, engine.computeAllRows());
    EXPECT_EQ(rows[0].power, "1") << "without a defender the table values stand";
    EXPECT_EQ(rows[0].type, "ノーマル");

    engine.defender = creature(kSnorlax);
    engine.conditions.weather = kWeatherRain;
    rows = damageRowTexts(engine, engine.computeAllRows());
    EXPECT_EQ(rows[0].power, "70");
    EXPECT_EQ(rows[0].type, "あく");
    EXPECT_EQ(rows[1].type, "みず");
    EXPECT_EQ(rows[1].power, "50");
}

TEST(DamageViewTest, ExactModeRowsShowTheShareAndTheVerdict) {
    DamageEngine engine;
    BoxEntry attacker = creature(kPikachu);
    attacker.move[0] = kThunderbolt;
    engine.attacker = attacker;
    engine.defender = creature(kSnorlax);
    const auto simple = damageRowTexts(engine, engine.computeAllRows());
    const auto passed = damageRowTexts(engine, computeRowsInMode(engine, {DamageMode::Simple, true}));
    for (int k = 0; k < kDamageRowCount; ++k) {
        EXPECT_EQ(passed[k].damage, simple[k].damage);
        EXPECT_EQ(passed[k].hits, simple[k].hits);
        EXPECT_EQ(passed[k].share, "－");
    }
    const auto exact = computeRowsInMode(engine, {DamageMode::ExactGen5, false});
    const auto rows = damageRowTexts(engine, exact);
    EXPECT_EQ(rows[0].name, "１０まんボルト");
    EXPECT_EQ(rows[0].damage, exact[0].texts.damageText);
    EXPECT_EQ(rows[0].share, exact[0].hpShareText);
    EXPECT_EQ(rows[0].hits, exact[0].texts.hitsText);
    EXPECT_NE(rows[0].share, "－");
    EXPECT_EQ(rows[1].share, "－");

    EXPECT_EQ(damageModeChoices()[2].text, "実機（第4世代）");
    EXPECT_EQ(damageModeFromSetting(2), DamageMode::ExactGen4);
    EXPECT_EQ(damageModeFromSetting(3), DamageMode::Simple);
}

} // namespace
} // namespace rusrina
