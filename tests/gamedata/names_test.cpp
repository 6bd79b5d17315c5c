// The English names and the name lookups of team text: every row named, names unique once folded,
// the form rows spelled as team text spells them, and every name found again in both languages.
#include "calc/stats.h"
#include "data/abilities.h"
#include "data/held_items.h"
#include "data/ids.h"
#include "data/items.h"
#include "data/moves.h"
#include "data/names.h"
#include "data/natures.h"
#include "data/species.h"
#include "data/types.h"
#include "text/name_fold.h"

#include <gtest/gtest.h>

#include <algorithm>
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
        {"ability", 1, kAbilityCount, [](int a) { return abilityName(a); }, abilityEnglishName, findAbility},
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

// The generated ids are named from the English names and valued by the row they name, however the
// English name is spelled.
TEST(Names, IdsNameTheirRows) {
    const std::pair<const char*, const char*> named[] = {
        {abilityName(AbilityId::Levitate), "ふゆう"},
        {abilityName(static_cast<AbilityId>(indexOf(kFirstGen5Ability) - 1)), "りんぷん"}, // the 4th generation's last
        {abilityName(kFirstGen5Ability), "アナライズ"},
        {heldItem(ItemId::KingsRock).japanese, "おうじゃのしるし"},
        {heldItem(ItemId::NeverMeltIce).japanese, "とけないこおり"},
        {moveRecord(MoveId::UTurn).name, "とんぼがえり"},
        {moveRecord(MoveId::WillOWisp).name, "おにび"},
        {speciesName(indexOf(SpeciesId::NidoranF)), "ニドラン♀"},
        {speciesName(indexOf(SpeciesId::Farfetchd)), "カモネギ"},
        {speciesName(indexOf(SpeciesId::RotomWash)), "ウォッシュロトム"},
    };
    for (const auto& [name, expected] : named)
        EXPECT_STREQ(name, expected);
    EXPECT_EQ(itemIdOf(heldItemCount()), ItemId::None);
    EXPECT_EQ(moveIdOf(NO_MOVE), kNoMoveId);
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

// Every form players write reads as a row of ours or is refused with its reason.
TEST(Names, TeamTextForms) {
    struct Case {
        const char* written;
        const char* species; // the row's Japanese name; "" for none
        FormReading reading;
        int generation;
        const char* formName;
    };
    const Case cases[] = {
        {"Rotom-Wash", "ウォッシュロトム", FormReading::Row, 0, "Rotom-Wash"},
        {"ウォッシュロトム", "ウォッシュロトム", FormReading::Row, 0, "Rotom-Wash"},
        {"Rotom-W", "ウォッシュロトム", FormReading::Row, 0, "Rotom-Wash"},
        {"rotom-h", "ヒートロトム", FormReading::Row, 0, "Rotom-Heat"},
        {"Rotom-F", "フロストロトム", FormReading::Row, 0, "Rotom-Frost"},
        {"Rotom-S", "スピンロトム", FormReading::Row, 0, "Rotom-Fan"},
        {"Rotom-C", "カットロトム", FormReading::Row, 0, "Rotom-Mow"},
        {"Deoxys-A", "デオキシス（アタック）", FormReading::Row, 0, "Deoxys-Attack"},
        {"Deoxys-D", "デオキシス（ディフェンス）", FormReading::Row, 0, "Deoxys-Defense"},
        {"Deoxys-S", "デオキシス（スピード）", FormReading::Row, 0, "Deoxys-Speed"},
        {"Giratina-O", "ギラティナ（オリジン）", FormReading::Row, 0, "Giratina-Origin"},
        {"Giratina-Altered", "ギラティナ（アナザー）", FormReading::Row, 0, "Giratina"},
        {"Shaymin-S", "シェイミ（スカイ）", FormReading::Row, 0, "Shaymin-Sky"},
        {"Wormadam-G", "ミノマダム（砂）", FormReading::Row, 0, "Wormadam-Sandy"},
        {"Wormadam-S", "ミノマダム（ごみ）", FormReading::Row, 0, "Wormadam-Trash"},
        {"Arceus-Fire", "アルセウス", FormReading::BaseSpecies, 0, "Arceus-Fire"},
        {"Gastrodon-East", "トリトドン", FormReading::BaseSpecies, 0, "Gastrodon-East"},
        {"Shellos-East", "カラナクシ", FormReading::BaseSpecies, 0, "Shellos-East"},
        {"Unown-Question", "アンノーン", FormReading::BaseSpecies, 0, "Unown-Question"},
        {"Deerling-Summer", "シキジカ", FormReading::BaseSpecies, 0, "Deerling-Summer"},
        {"Sawsbuck-Winter", "メブキジカ", FormReading::BaseSpecies, 0, "Sawsbuck-Winter"},
        {"Basculin-Blue-Striped", "バスラオ", FormReading::KeptForm, 0, "Basculin-Blue-Striped"},
        {"Basculin-B", "バスラオ", FormReading::KeptForm, 0, "Basculin-Blue-Striped"},
        {"バスラオ（あおすじ）", "バスラオ", FormReading::KeptForm, 0, "Basculin-Blue-Striped"},
        {"Keldeo-Resolute", "ケルディオ", FormReading::BaseSpecies, 0, "Keldeo-Resolute"},
        {"Genesect-Douse", "ゲノセクト", FormReading::BaseSpecies, 0, "Genesect-Douse"},
        {"Castform-Sunny", "ポワルン", FormReading::BaseSpecies, 0, "Castform-Sunny"},
        {"Cherrim-Sunshine", "チェリム", FormReading::BaseSpecies, 0, "Cherrim-Sunshine"},
        {"Burmy-Trash", "ミノムッチ", FormReading::BaseSpecies, 0, "Burmy-Trash"},
        {"Pichu-Spiky-eared", "ピチュー", FormReading::KeptForm, 0, "Pichu-Spiky-eared"},
        {"Landorus-Therian", "ランドロス", FormReading::LaterEdition, 5, "Landorus-Therian"},
        {"Thundurus-T", "ボルトロス", FormReading::LaterEdition, 5, "Thundurus-Therian"},
        {"Tornadus-T", "トルネロス", FormReading::LaterEdition, 5, "Tornadus-Therian"},
        {"Kyurem-Black", "キュレム", FormReading::LaterEdition, 5, "Kyurem-Black"},
        {"Kyurem-W", "キュレム", FormReading::LaterEdition, 5, "Kyurem-White"},
        {"Arceus-Fairy", "アルセウス", FormReading::LaterGeneration, 6, "Arceus-Fairy"},
        {"Charizard-Mega-X", "リザードン", FormReading::LaterGeneration, 6, "Charizard-Mega-X"},
        {"Ninetales-Alola", "キュウコン", FormReading::LaterGeneration, 7, "Ninetales-Alola"},
        {"Darmanitan-Galar", "ヒヒダルマ", FormReading::LaterGeneration, 8, "Darmanitan-Galar"},
        {"Rotom-X", "", FormReading::Unknown, 0, ""},
        {"", "", FormReading::Unknown, 0, ""},
    };
    for (const Case& c : cases) {
        const FormMatch found = findSpeciesForm(c.written);
        EXPECT_EQ(found.species, *c.species ? findSpecies(c.species) : -1) << c.written;
        EXPECT_EQ(found.reading, c.reading) << c.written;
        EXPECT_EQ(found.generation, c.generation) << c.written;
        EXPECT_STREQ(found.formName, c.formName) << c.written;
    }
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
// The spellings of the 4th- and 5th-generation games and of later ones read as the same row.
TEST(Names, OtherGamesSpellings) {
    const std::pair<const char*, const char*> moves[] = {
        {"Faint Attack", "Feint Attack"}, {"Hi Jump Kick", "High Jump Kick"}, {"SmellingSalt", "Smelling Salts"},
        {"ViceGrip", "Vise Grip"},        {"Vice Grip", "Vise Grip"},         {"AncientPower", "Ancient Power"},
        {"Sand-Attack", "Sand Attack"},   {"Softboiled", "Soft-Boiled"},
    };
    for (const auto& [spelling, name] : moves) {
        EXPECT_GE(findMove(name), 0) << name;
        EXPECT_EQ(findMove(spelling), findMove(name)) << spelling;
    }
    const std::pair<const char*, const char*> items[] = {
        {"Leek", "Stick"},
        {"BlackGlasses", "Black Glasses"},
        {"NeverMeltIce", "Never-Melt Ice"},
        {"TwistedSpoon", "Twisted Spoon"},
        {"BrightPowder", "Bright Powder"},
    };
    for (const auto& [spelling, name] : items) {
        EXPECT_GT(findHeldItem(name), 0) << name;
        EXPECT_EQ(findHeldItem(spelling), findHeldItem(name)) << spelling;
    }
}

// The IVs filled in for a hidden-power type give that type, and every type but ノーマル has them.
TEST(Names, HiddenPowerTextIvsGiveTheirType) {
    int types = 0;
    for (int type = 0; type < kTypeCount; ++type) {
        const auto ivs = hiddenPowerTextIvs(type);
        if (!ivs)
            continue;
        ++types;
        EXPECT_EQ(hiddenPowerOf(*ivs).type, type) << typeName(type);
        EXPECT_EQ(std::count(ivs->begin(), ivs->end(), 30) + std::count(ivs->begin(), ivs->end(), 31), 6);
    }
    EXPECT_EQ(types, 16);
    EXPECT_FALSE(hiddenPowerTextIvs(findType("Normal")));
    EXPECT_EQ(*hiddenPowerTextIvs(findType("Fire")), (std::array<int, 6>{31, 30, 31, 30, 31, 30}));
}

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
