#include "view/search/search_list.h"

#include "data/moves.h"
#include "data/species.h"
#include "data/types.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

using namespace rusrina;

namespace {

int speciesNamed(const std::string& name) {
    for (int s = 0; s < kSpeciesCount; ++s)
        if (name == speciesName(s))
            return s;
    ADD_FAILURE() << "no species " << name;
    return 0;
}

int moveNamed(const std::string& name) {
    for (int m = 0; m < kMoveCount; ++m)
        if (name == moveRecord(m).name)
            return m;
    ADD_FAILURE() << "no move " << name;
    return 0;
}

std::vector<int> allSpecies() {
    std::vector<int> all(kSpeciesCount);
    std::iota(all.begin(), all.end(), 0);
    return all;
}

std::vector<std::string> texts(const std::vector<ListChoice>& entries) {
    std::vector<std::string> out;
    for (const auto& e : entries)
        out.push_back(e.text);
    return out;
}

TEST(SearchChoosers, FixedListsHaveTheirEntriesAndValues) {
    struct Case {
        const char* list;
        std::vector<ListChoice> entries;
        size_t count;
        ListChoice first, last;
    };
    const Case cases[] = {
        {"at most", statAtMostEntries(), 12, {" 無指定", 512}, {"50以下", 50}},
        {"at least", statAtLeastEntries(), 12, {" 無指定", 0}, {"50以上", 50}},
        {"types", typeChooserEntries(), 18, {"指定無し", 0}, {"あく", 18}},
        {"abilities", abilityChooserEntries(), 165, {"無指定", 0}, {abilityChooserEntries().back().text, 164}},
        {"egg groups", eggGroupChooserEntries(), 17, {"指定無し", 0}, {"未発見", 16}},
        {"rules", ruleChooserEntries(), 9, {" 無制限", 0}, {" ザイレム最終限定(TK)", 8}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        ASSERT_EQ(c.entries.size(), c.count);
        EXPECT_EQ(c.entries.front(), c.first);
        EXPECT_EQ(c.entries.back(), c.last);
    }
}

TEST(SearchChoosers, TypeListSkipsThePlaceholderAndValuesAreTypePlusOne) {
    const auto entries = typeChooserEntries();
    for (size_t i = 1; i < entries.size(); ++i) {
        EXPECT_NE(entries[i].value, kPlaceholderType + 1);
        EXPECT_EQ(entries[i].text, typeName(entries[i].value - 1));
    }
    EXPECT_EQ(entries[9], (ListChoice{"はがね", 9}));
    EXPECT_EQ(entries[10], (ListChoice{"ほのお", 11}));
}

TEST(SearchChoosers, EggGroupsShowTheWaterGroupsTogetherButKeepTheirValues) {
    const auto entries = eggGroupChooserEntries();
    const std::vector<std::string> expected = {"指定無し", "怪獣",     "水中－１", "水中－２", "水中－３", "虫",
                                               "飛行",     "陸上",     "妖精",     "植物",     "人型",     "鉱物",
                                               "不定形",   "ドラゴン", "性別不明", "メタモン", "未発見"};
    EXPECT_EQ(texts(entries), expected);
    for (size_t i = 1; i < entries.size(); ++i)
        EXPECT_EQ(entries[i].text, eggGroupName(entries[i].value - 1)) << i;
}

TEST(SearchChoosers, MoveListFollowsTheRowType) {
    const auto every = moveChooserEntries(0);
    ASSERT_EQ(every.size(), static_cast<size_t>(kMoveCount) + 1);
    EXPECT_EQ(every.front(), (ListChoice{" 無指定", NO_MOVE}));
    for (int m = 0; m < kMoveCount; ++m)
        ASSERT_EQ(every[m + 1], (ListChoice{moveRecord(m).name, m}));

    const int electric = 13;
    const auto typed = moveChooserEntries(electric + 1);
    EXPECT_EQ(typed.front(), (ListChoice{" 無指定", NO_MOVE}));
    const auto ofType = std::count_if(every.begin() + 1, every.end(),
                                      [](const ListChoice& e) { return moveRecord(e.value).type == electric; });
    EXPECT_EQ(static_cast<long>(typed.size()) - 1, ofType);
    EXPECT_EQ(typed[1].text, "かみなりパンチ");
    EXPECT_EQ(typed[2].text, "でんきショック");
    for (size_t i = 1; i < typed.size(); ++i) {
        EXPECT_EQ(moveRecord(typed[i].value).type, electric);
        if (i > 1) {
            EXPECT_LT(typed[i - 1].value, typed[i].value);
        }
    }
}

TEST(SearchChoosers, StoredPositionOutsideTheListFallsBackToTheFirst) {
    struct Case {
        int stored, count, expected;
    };
    const Case cases[] = {{0, 12, 0}, {11, 12, 11}, {12, 12, 0}, {-1, 12, 0}, {99999, 560, 0}, {3, 0, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(validChooserPosition(c.stored, c.count), c.expected) << c.stored << " of " << c.count;
}

TEST(SearchMoveFields, ShowTheMoveOrDashes) {
    using Fields = std::array<std::string, kMoveFieldCount>;
    const Fields dashes{" - ", " - ", " - ", " - ", " - ", " - "};
    struct Case {
        int move;
        Fields expected;
    };
    const Case cases[] = {
        {NO_MOVE, dashes},
        {-1, dashes},
        {kMoveCount, dashes},
        {moveNamed("でんきショック"), {"40", "100", "30", "特殊", "通常", " 6"}},
        {moveNamed("じしん"), {"100", "100", "10", "物理", "自分以外", " 93"}},
        {moveNamed("からげんき"), {"70", "100", "20", "物理", "通常", " a9"}},
        {moveNamed("つぼをつく"), {"0", "0", "30", "変化", "", " e2"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(moveFieldTexts(c.move), c.expected) << c.move;
}

TEST(SearchCriteriaFromChoices, ChooserValuesBecomeTableIndexes) {
    SearchChoices choices;
    choices.atMost = {150, 512, 512, 512, 512, 50};
    choices.atLeast = {0, 100, 0, 0, 70, 0};
    choices.type1Value = 14;
    choices.type2Value = 0;
    choices.abilityIndex = 9;
    choices.eggGroupValue = 1;
    choices.rule = 3;
    choices.moves = {84, NO_MOVE, 0, NO_MOVE};
    choices.anyOf = false;
    choices.byEgg = choices.inTK = true;
    const SearchCriteria c = criteriaFromChoices(choices);
    EXPECT_EQ(c.maxStat, choices.atMost);
    EXPECT_EQ(c.minStat, choices.atLeast);
    EXPECT_EQ(c.typeA, 13);
    EXPECT_EQ(c.typeB, kAnyType);
    EXPECT_EQ(c.ability, 9);
    EXPECT_EQ(c.eggGroup, 0);
    EXPECT_EQ(c.rule, 3);
    EXPECT_EQ(c.slots, choices.moves);
    EXPECT_FALSE(c.anyOf);
    EXPECT_TRUE(c.byEgg && c.inTK);
    EXPECT_FALSE(c.byLevel || c.byMachine || c.byTutor || c.inQX || c.inZV || c.inJYJY);

    const SearchCriteria untouched = criteriaFromChoices(SearchChoices{});
    EXPECT_EQ(untouched.eggGroup, kAnyEggGroup);
    EXPECT_EQ(untouched.typeA, kAnyType);
    EXPECT_EQ(runSearch(untouched), allSpecies());
}

TEST(SearchResultRows, CellTexts) {
    using Row = std::vector<std::string>;
    struct Case {
        const char* name;
        Row expected;
    };
    const Case cases[] = {
        {"フシギダネ",
         {"1", "フシギダネ", "くさ", "どく", "しんりょく", "－", "ようりょくそ", "45", "49", "49", "65", "65", "45"}},
        {"ピカチュウ",
         {"25", "ピカチュウ", "でんき", "－", "せいでんき", "－", "ひらいしん", "35", "55", "30", "50", "40", "90"}},
        {"イーブイ",
         {"133", "イーブイ", "ノーマル", "－", "にげあし", "てきおうりょく", "きけんよち", "55", "55", "50", "45", "65",
          "55"}},
        {"ヌケニン",
         {"292", "ヌケニン", "むし", "ゴースト", "ふしぎなまもり", "－", "－", "1", "90", "45", "30", "30", "40"}},
    };
    for (const Case& c : cases) {
        const int species = speciesNamed(c.name);
        Row row;
        for (int column = 0; column < kResultColumnCount; ++column)
            row.push_back(resultCellText(species, column));
        EXPECT_EQ(row, c.expected) << c.name;
    }
    EXPECT_EQ(resultCellText(-1, 1), "");
    EXPECT_EQ(resultCellText(kSpeciesCount, 0), "");
    EXPECT_EQ(resultCellText(0, kResultColumnCount), "");
}

TEST(SearchResultSort, NamesFollowShiftJisBytes) {
    // ♂ comes before ♀ in Shift-JIS though not in Unicode, and the long-vowel mark sorts before
    // every kana: the order must be that of the bytes, not of the UTF-8 text.
    const int female = speciesNamed("ニドラン♀");
    const int male = speciesNamed("ニドラン♂");
    std::vector<int> rows = {female, male};
    sortResultRows(rows, kNameColumn, false);
    EXPECT_EQ(rows, (std::vector<int>{male, female}));

    rows = allSpecies();
    sortResultRows(rows, kNameColumn, false);
    for (size_t i = 1; i < rows.size(); ++i)
        ASSERT_LE(text::toCp932(speciesName(rows[i - 1])), text::toCp932(speciesName(rows[i]))) << i;
    std::vector<int> descending = allSpecies();
    sortResultRows(descending, kNameColumn, true);
    for (size_t i = 1; i < descending.size(); ++i)
        ASSERT_GE(text::toCp932(speciesName(descending[i - 1])), text::toCp932(speciesName(descending[i]))) << i;
}

TEST(SearchResultSort, NumberColumnsSortByTheirKeyAndKeepTiesInPlace) {
    for (int column = 0; column < kResultColumnCount; ++column) {
        if (column == kNameColumn)
            continue;
        SCOPED_TRACE(column);
        for (bool descending : {false, true}) {
            // Starting from the name order shows whether ties keep the order the list had.
            std::vector<int> start = allSpecies();
            sortResultRows(start, kNameColumn, false);
            std::vector<int> rows = start;
            sortResultRows(rows, column, descending);
            std::vector<int> expected = start;
            std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
                const int ka = resultSortKey(a, column), kb = resultSortKey(b, column);
                return descending ? ka > kb : ka < kb;
            });
            ASSERT_EQ(rows, expected) << (descending ? "descending" : "ascending");
        }
    }
}

TEST(SearchResultSort, KeysOfEachColumn) {
    const int bulbasaur = 0, shedinja = speciesNamed("ヌケニン"), pikachu = speciesNamed("ピカチュウ");
    struct Case {
        int species, column, key;
    };
    const Case cases[] = {
        {pikachu, 0, pikachu}, {bulbasaur, 2, 12}, {bulbasaur, 3, 3}, {pikachu, 3, 13}, {shedinja, 3, 7},
        {pikachu, 5, 0},       {shedinja, 6, 0},   {pikachu, 7, 35},  {pikachu, 8, 55}, {pikachu, 9, 30},
        {pikachu, 10, 50},     {pikachu, 11, 40},  {pikachu, 12, 90},
    };
    for (const Case& c : cases)
        EXPECT_EQ(resultSortKey(c.species, c.column), c.key) << c.species << " column " << c.column;
}

} // namespace

TEST(SearchByName, FindsRowsAsTheChoosersDoAndSelectsTheWholeNameFirst) {
    const int mewtwo = speciesNamed("ミュウツー");
    const int mew = speciesNamed("ミュウ");
    const int garchomp = speciesNamed("ガブリアス");
    const int pikachu = speciesNamed("ピカチュウ");
    const std::vector<int> rows = {pikachu, mewtwo, garchomp, mew};
    const struct {
        const char* typed;
        std::vector<int> found; // positions in `rows`
        int best;
    } cases[] = {
        {"ガブリアス", {2}, 2}, {"がぶりあす", {2}, 2},  {"ｶﾞﾌﾞﾘｱｽ", {2}, 2}, {"garchomp", {2}, 2},
        {"GarChomp", {2}, 2},   {"ミュウ", {1, 3}, 3},   {"mew", {1, 3}, 3},  {"ュウ", {0, 1, 3}, 0},
        {"chu", {0}, 0},        {"がぶりあすx", {}, -1}, {"", {}, -1},
    };
    for (const auto& c : cases) {
        const std::vector<int> found = rowsFoundByName(rows, c.typed);
        EXPECT_EQ(found, c.found) << c.typed;
        EXPECT_EQ(bestFoundRow(rows, found, c.typed), c.best) << c.typed;
    }
}
