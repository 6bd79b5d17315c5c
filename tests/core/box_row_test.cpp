#include "view/box/box_row.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

using namespace rusrina;
using rusrina::testing::makeEntry;

TEST(BoxRow, NameFromShiftJisAndSpeciesFromTheTable) {
    struct Case {
        std::string nameBytes;
        int species;
        const char* name;
        const char* speciesText;
    } cases[] = {
        {"\x83\x73\x83\x4A\x83\x60\x83\x85\x83\x45", 24, "ピカチュウ", "ピカチュウ"},
        {"Fushigi", 0, "Fushigi", "フシギダネ"},
        {"\xB6\xDE\xDD", 1, "ｶﾞﾝ", "フシギソウ"},
        // Bytes that are not Shift-JIS still show, one replacement character each.
        {"\x82\xA0\xFF\x80", 24, "あ\uFFFD\uFFFD", "ピカチュウ"},
        // A record never reaches the list with a species out of range; the row still reads sanely.
        {"x", 663, "x", "－"},
        {"x", -1, "x", "－"},
    };
    for (const Case& c : cases) {
        BoxRowTexts row = boxRowTexts(makeEntry(c.nameBytes, c.species));
        EXPECT_EQ(row.name, c.name) << c.name;
        EXPECT_EQ(row.species, c.speciesText) << c.name;
    }
}

TEST(BoxRow, TheGenderFollowsTheSpecies) {
    EXPECT_EQ(boxRowTexts(makeEntry("x", 24), Gender::Female).species, "ピカチュウ♀");
    EXPECT_EQ(boxRowTexts(makeEntry("x", 24), Gender::Male).species, "ピカチュウ♂");
    EXPECT_EQ(boxRowTexts(makeEntry("x", -1), Gender::Male).species, "－");
}
