// The game's names in the English interface: every name the lists show reads in English, the
// choosers still find a name typed in Japanese, lists sort alphabetically, and team text reads and
// writes as it does in Japanese. The core's messages as the English catalogue words them.

#include "calc/iv/iv_judge.h"
#include "data/abilities.h"
#include "data/characteristics.h"
#include "data/generations.h"
#include "data/held_items.h"
#include "data/ids.h"
#include "data/items.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "format/set_text.h"
#include "format/set_text_import.h"
#include "text/ui_text.h"
#include "view/common/choice_find.h"
#include "view/common/list_choice.h"
#include "view/search/search_list.h"

#include "catalogue_translator.h"
#include "damage_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <string>
#include <vector>

using namespace rusrina;

namespace {

// The names as the English interface shows them, Japanese again after the test.
class EnglishNames : public ::testing::Test {
protected:
    void SetUp() override { text::setTextLanguage(text::TextLanguage::English, nullptr); }
    void TearDown() override { text::setTextLanguage(text::TextLanguage::Japanese, nullptr); }
};

TEST_F(EnglishNames, NamesTheGameTermsAsTheEnglishGamesDo) {
    const int garchomp = findSpecies("Garchomp");
    const struct {
        const char* what;
        std::string shown;
        const char* expected;
    } cases[] = {
        {"a form", speciesName(findSpecies("ウォッシュロトム")), "Rotom-Wash"},
        {"a move", moveRecord(MoveId::Earthquake).name, "Earthquake"},
        {"a move in a generation", moveRecordIn(MoveId::Earthquake, kGen4).name, "Earthquake"},
        {"a held item", heldItemName(ItemId::ChoiceScarf), "Choice Scarf"},
        {"a damage item row", damageItem(1).name, "Type-boosting item"},
        {"an ability", abilityName(AbilityId::Levitate), "Levitate"},
        {"a nature's label", natureRecord(1).label, "Adamant (+Atk, -SpA)"},
        {"a neutral nature", natureRecord(24).label, "Serious (neutral)"},
        {"a nature", natureName(18), "Jolly"},
        {"a nature where a chooser or a panel shows it", natureChoiceText(18), "Jolly"},
        {"a type", typeName(10), "Fire"},
        {"weaknesses", typeMatchupSummary(speciesRecord(garchomp).type1, speciesRecord(garchomp).type2).weakness,
         " 4x: Ice  2x: Dra"},
        {"a characteristic", characteristicRecord(7).text, "Likes to thrash about"},
        {"a weather", weatherName(3), "Sandstorm"},
        {"a category", moveCategoryName(kSpecial), "Special"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, c.expected) << c.what;
}

TEST_F(EnglishNames, LeaveNoJapaneseInAnyTable) {
    const struct {
        const char* table;
        int count;
        std::function<std::string(int)> name;
    } tables[] = {
        {"species", kSpeciesCount, [](int i) { return speciesName(i); }},
        {"moves", kMoveCount, [](int i) { return moveRecord(i).name; }},
        {"abilities", kAbilityCount, [](int i) { return abilityName(i); }},
        {"types", kTypeCount, [](int i) { return typeName(i) + typeMatchupSummary(i, i).resistance; }},
        {"natures", kNatureCount, [](int i) { return natureRecord(i).label; }},
        {"held items", heldItemCount(), [](int i) { return heldItemName(i); }},
        {"damage items", kDamageItemCount, [](int i) { return damageItem(i).name; }},
        {"characteristics", kCharacteristicCount, [](int i) { return characteristicRecord(i).text; }},
        {"egg groups", kEggGroupCount, [](int i) { return eggGroupName(i); }},
        {"move targets", 13, [](int i) { return moveTargetName(i); }},
    };
    for (const auto& t : tables) {
        for (int row = 0; row < t.count; ++row)
            EXPECT_FALSE(test::hasJapanese(t.name(row))) << t.table << " " << row << ": " << t.name(row);
    }
}

TEST_F(EnglishNames, FindByEitherLanguageAndSortAlphabetically) {
    const int garchomp = findSpecies("Garchomp");
    const std::string key = choiceFindKey({speciesName(garchomp), garchomp}, ChoiceNames::Species);
    for (const char* typed : {"garchomp", "がぶりあす", "ｶﾞﾌﾞﾘｱｽ"})
        EXPECT_TRUE(findKeyMatches(key, foldTyped(typed))) << typed;

    std::vector<int> rows(kSpeciesCount);
    std::iota(rows.begin(), rows.end(), 0);
    sortResultRows(rows, kNameColumn, false);
    EXPECT_EQ(std::string(speciesName(rows[0])) + "," + speciesName(rows[1]) + "," + speciesName(rows[2]),
              "Abomasnow,Abra,Absol");
}

TEST_F(EnglishNames, LeaveTeamTextAsInJapanese) {
    const std::string english = "Garchomp @ Choice Scarf\nAbility: Sand Veil\nEVs: 252 Atk / 4 SpD / 252 Spe\n"
                                "Jolly Nature\n- Earthquake\n- Outrage\n";
    const ParsedSet set = readSetText(english).at(0);
    ASSERT_TRUE(set.ok());
    EXPECT_EQ(writeSetText(*set.entry, set.extra, SetTextLanguage::English), english);
    const std::string japanese = writeSetText(*set.entry, set.extra, SetTextLanguage::Japanese);
    text::setTextLanguage(text::TextLanguage::Japanese, nullptr);
    const ParsedSet inJapanese = readSetText(english).at(0);
    EXPECT_EQ(entryNameUtf8(*inJapanese.entry), entryNameUtf8(*set.entry));
    EXPECT_EQ(writeSetText(*inJapanese.entry, inJapanese.extra, SetTextLanguage::Japanese), japanese);
}

// The core's messages as the English catalogue words them.
TEST(EnglishMessages, ReadAsTheCatalogueWordsThem) {
    const test::EnglishTexts english;
    const std::vector<ParsedSet> sets = readSetText("Garchomp\nAbility: Levitate\n- Earthquake\n");
    const BoxEntry machamp = test::creature(findSpecies("Machamp"), {165, 200, 100, 85, 105, 75});
    const BoxEntry snorlax = test::creature(findSpecies("Snorlax"), {235, 130, 85, 85, 130, 50});
    const SlotResult row = computeRow(machamp, snorlax, DamageSlot::moveRow(0, indexOf(MoveId::CrossChop)), {});
    const struct {
        const char* what;
        std::string shown;
        const char* expected;
    } cases[] = {
        {"a team text warning", noteLineText(sets.at(0).warnings.at(0)),
         "Line 2: \"Garchomp\" cannot have the ability \"Levitate\" (registered as written)"},
        {"an import summary", setAppendSummaryText({0, 2, 0, 1}),
         "Sets added: 2. Not added, as they could not be read: 1."},
        {"an IV judge row", statRowText({150, 20, 23}), "150: 20-23"},
        {"an IV judge advice", growthAdviceText({2, 1, 160}), "Rare Candies: 2  Vitamins: 1  Stat that proves 31: 160"},
        {"a damage log's first line", row.log.text().substr(0, row.log.text().find('\r')),
         "Damage calculation by Rusrina"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, c.expected) << c.what;
    EXPECT_FALSE(test::hasJapanese(row.log.text())) << row.log.text();
}

} // namespace
