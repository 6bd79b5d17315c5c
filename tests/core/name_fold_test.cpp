// Numbers typed with a Japanese input method read as the numbers they show.

#include "text/name_fold.h"

#include <gtest/gtest.h>

TEST(NameFold, FullWidthDigitsSignsAndBlanksAsAscii) {
    struct Case {
        const char* typed;
        const char* read;
    } cases[] = {
        {"０１２３４５６７８９", "0123456789"},
        {"　＋１２　", " +12 "},
        {"－５−５", "-5-5"},
        {"１２ａ", "12ａ"}, // letters are not numbers: left for the check to refuse
        {"ｱ１", "ｱ1"},
        {"\xff１", "\xff"
                   "1"}, // a malformed byte is kept
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rusrina::text::foldNumberText(c.typed), c.read) << c.typed;
}
