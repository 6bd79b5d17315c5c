#include "text/cp932.h"

#include <gtest/gtest.h>

using namespace rusrina::text;

TEST(Cp932, RoundTripsJapaneseAndAscii) {
    const char* samples[] = {"フシギダネ", "ニドラン♀", "デオキシス（ノーマル）", "１０まんボルト", "abc 123",
                             "ﾊﾞｰｼﾞｮﾝ",    "～－"};
    for (const char* s : samples) {
        std::string bytes = toCp932(s);
        EXPECT_TRUE(isValidCp932(bytes)) << s;
        EXPECT_EQ(fromCp932(bytes), s) << s;
    }
}

TEST(Cp932, KnownBytes) {
    EXPECT_EQ(toCp932("あ"), "\x82\xA0");
    EXPECT_EQ(toCp932("ﾊ"), "\xCA");
    // The wave dash and the full-width minus map to CP932's own code points.
    EXPECT_EQ(toCp932("～"), "\x81\x60");
    EXPECT_EQ(toCp932("－"), "\x81\x7C");
}

TEST(Cp932, WidthCountsBytes) {
    struct Case {
        const char* text;
        int width;
    } cases[] = {{"", 0}, {"abc", 3}, {"くさ", 4}, {"ﾊﾞｰｼﾞｮﾝ", 7}, {"デオキシス（アタック）", 22}, {"a漢ｱ", 4}};
    for (auto c : cases)
        EXPECT_EQ(cp932Width(c.text), c.width) << c.text;
}

TEST(Cp932, PaddingIsByteWidth) {
    EXPECT_EQ(padRight("くさ", 8), "くさ    ");
    EXPECT_EQ(padRight("ドラゴン", 8), "ドラゴン");
    EXPECT_EQ(padRight("エスパーX", 8), "エスパーX");
    EXPECT_EQ(padRight("ab", 3), "ab ");
}

TEST(Cp932, CutNeverSplitsACharacter) {
    EXPECT_EQ(cutToWidth("フシギダネ", 10), "フシギダネ");
    EXPECT_EQ(cutToWidth("フシギダネ", 9), "フシギダ");
    EXPECT_EQ(cutToWidth("aフシギ", 4), "aフ");
    EXPECT_EQ(cutToWidth("abc", 0), "");
    EXPECT_EQ(cutToWidth("ab", 10), "ab");
}

TEST(Cp932, BadInputNeverCrashes) {
    // Stray continuation bytes, truncated sequences and characters CP932 cannot hold.
    EXPECT_EQ(toCp932("a\x80z"), "a?z");
    EXPECT_EQ(toCp932("a\xE3\x81"), "a??");
    EXPECT_EQ(toCp932("😀"), "?");
    EXPECT_EQ(fromCp932("a\x82"), "a\xEF\xBF\xBD");
    EXPECT_EQ(fromCp932("\x82\xA0\xFF"), "あ\xEF\xBF\xBD");
    EXPECT_FALSE(isValidCp932("\x81"));
    EXPECT_EQ(cp932Width("\xFF\xFE"), 2);
    std::string noise;
    for (int i = 0; i < 256; ++i)
        noise.push_back(static_cast<char>(i));
    EXPECT_NO_THROW(fromCp932(noise));
    EXPECT_NO_THROW(toCp932(noise));
}
