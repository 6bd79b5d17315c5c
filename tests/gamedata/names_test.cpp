// The English names and the name lookups of team text: every row named, names unique once folded,
// the form rows spelled as team text spells them, and every name found again in both languages.
#include "data/abilities.h"
#include "data/items.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "text/name_fold.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>

using namespace rusrina;

namespace {

struct NamedTable {
    const char* what;
    int first, count;
    std::function<const char*(int)> japanese, english;
    std::function<int(std::string_view)> find;
};

// Each name of each row leads back to that row, so no two rows (in either language) fold alike.
TEST(Names, EveryRowNamedInBothLanguagesAndFoundAgain) {
    const NamedTable tables[] = {
        {"species", 0, kSpeciesCount, speciesName, speciesEnglishName, findSpecies},
        {"move", 0, kMoveCount, [](int m) { return moveRecord(m).name; }, moveEnglishName, findMove},
        {"ability", 1, kAbilityCount, abilityName, abilityEnglishName, findAbility},
        {"nature", 0, kNatureCount, natureName, natureEnglishName, findNature},
    };
    for (const NamedTable& t : tables) {
        std::map<std::string, int> folded;
        for (int i = t.first; i < t.count; ++i) {
            for (const char* name : {t.japanese(i), t.english(i)}) {
                ASSERT_STRNE(name, "") << t.what << " " << i;
                EXPECT_EQ(t.find(name), i) << t.what << " " << name;
                auto [at, fresh] = folded.emplace(text::foldName(name), i);
                EXPECT_TRUE(fresh || at->second == i) << t.what << " " << name << " folds like row " << at->second;
            }
        }
    }
    for (int type = 0; type < kTypeCount; ++type) {
        if (type == kPlaceholderType)
            continue;
        EXPECT_EQ(findType(typeEnglishName(type)), type) << type;
        EXPECT_EQ(findType(typeName(type)), type) << type;
    }
    EXPECT_STREQ(typeEnglishName(kPlaceholderType), "");
    EXPECT_STREQ(abilityEnglishName(0), "");
    EXPECT_EQ(findAbility("無指定"), -1);
}

TEST(Names, FormRowsAndTeamTextSpellings) {
    const std::map<int, const char*> rows = {
        {0, "Bulbasaur"},         {28, "Nidoran♀"},
        {385, "Deoxys"},          {386, "Deoxys-Attack"},
        {416, "Wormadam-Sandy"},  {485, "Rotom-Wash"},
        {497, "Giratina-Origin"}, {503, "Shaymin-Sky"},
        {567, "Darmanitan-Zen"},  {661, "Meloetta-Pirouette"},
        {662, "Genesect"},
    };
    for (auto [species, name] : rows)
        EXPECT_STREQ(speciesEnglishName(species), name);
    const std::map<std::string, int> found = {
        {"rotom wash", 485},       {"ROTOM-WASH", 485},
        {"Nidoran-F", 28},         {"Nidoran-M", 31},
        {"Farfetch'd", 82},        {"Mr Mime", 121},
        {"デオキシス", 385},       {"デオキシス(アタック)", 386},
        {"ポリゴン2", 232},        {"Ho-Oh", 249},
        {"ウォッシュロトム", 485}, {"Rotom", 483},
        {"Missingno", -1},         {"", -1},
    };
    for (const auto& [name, species] : found)
        EXPECT_EQ(findSpecies(name), species) << name;
    EXPECT_EQ(findMove("U-turn"), findMove("uturn"));
    EXPECT_EQ(findMove("１０まんボルト"), 84);
    EXPECT_EQ(findMove("10まんボルト"), 84);
    EXPECT_EQ(findMove("thunderbolt"), 84);
    EXPECT_EQ(findNature("Jolly"), 18);
    EXPECT_EQ(findNature("ようき"), 18);
}

// Every damage item that is one item of the games has its English name, found in both languages;
// the rows that stand for no single item have none.
TEST(Names, DamageItems) {
    for (int item = 0; item < kDamageItemCount; ++item) {
        const bool oneItem = item >= 2 && item <= 15;
        EXPECT_EQ(itemEnglishName(item)[0] != '\0', oneItem) << item;
        if (oneItem) {
            EXPECT_EQ(findDamageItem(itemEnglishName(item)), item);
            EXPECT_EQ(findDamageItem(damageItem(item).name), item);
        }
    }
    EXPECT_STREQ(itemEnglishName(3), "Choice Band");
    EXPECT_STREQ(itemEnglishName(11), "Deep Sea Tooth");
    EXPECT_EQ(findDamageItem("choiceband"), 3);
    EXPECT_EQ(findDamageItem("Leftovers"), -1);
    EXPECT_EQ(findDamageItem(""), -1);
    EXPECT_TRUE(isKnownItem("Leftovers"));
    EXPECT_TRUE(isKnownItem("たべのこし"));
    EXPECT_FALSE(isKnownItem("Poke Doll Deluxe"));
}

// The nature names are the labels' names: the generated order is the program's stored order.
TEST(Names, NatureNamesAreTheLabelNames) {
    for (int n = 0; n < kNatureCount; ++n)
        EXPECT_EQ(std::string(natureRecord(n).label).rfind(natureName(n), 0), 0u) << n;
}

TEST(NameFold, FoldsWhatPlayersWriteDifferently) {
    const std::pair<const char*, const char*> cases[] = {
        {"Rotom-Wash", "rotomwash"},
        {"Farfetch’d", "farfetchd"},
        {"Mr. Mime", "mrmime"},
        {"Nidoran♂", "nidoranm"},
        {"ＡＢＣ　ｄ", "abcd"},
        {"デオキシス（アタック）", "デオキシス(アタック)"},
        {"ポリゴン２", "ポリゴン2"},
        {"\xff\x41", "\xff"
                     "a"},
    };
    for (auto [in, out] : cases)
        EXPECT_EQ(text::foldName(in), out) << in;
}

} // namespace
