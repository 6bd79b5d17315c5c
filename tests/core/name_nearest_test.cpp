// The names offered for a typed name that names nothing: the nearest by edit distance over the
// folded forms, kana and English alike, only within a slip of the fingers.

#include "text/name_fold.h"
#include "text/name_nearest.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rusrina::text {
namespace {

TEST(NameNearest, EditDistanceCountsCharacters) {
    EXPECT_EQ(editDistance("garchmp", "garchomp"), 1);
    EXPECT_EQ(editDistance("ぴかちゆう", "ぴかちゅう"), 1); // one kana, three bytes
    EXPECT_EQ(editDistance("", "abc"), 3);
    EXPECT_EQ(editDistance("kitten", "sitting"), 3);
}

TEST(NameNearest, OffersOnlyNamesWithinASlip) {
    const std::vector<std::string> keys = {
        foldForFind("ピカチュウ") + "\n" + foldForFind("Pikachu"),
        foldForFind("ピチュー") + "\n" + foldForFind("Pichu"),
        foldForFind("ガブリアス") + "\n" + foldForFind("Garchomp"),
        foldForFind("ライチュウ") + "\n" + foldForFind("Raichu"),
    };
    struct Case {
        const char* typed;
        std::vector<int> rows;
    } cases[] = {
        {"Pikachuu", {0}}, {"garchmp", {2}}, {"ピカチユウ", {0}}, // katakana folds to hiragana: one kana off
        {"pichuu", {1}},                                          // pichu one step away, pikachu three
        {"ﾗｲﾁｭｰ", {3, 1}}, // half-width kana: らいちゅう one step away, ぴちゅー two
        {"pika", {}},      // four letters allow one step: none that near
        {"ab", {}},        // too short to guess from
        {"Missingno", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nearestKeys(keys, foldForFind(c.typed)), c.rows) << c.typed;
    EXPECT_EQ(nearestKeys(keys, foldForFind("ﾗｲﾁｭｰ"), 1), std::vector<int>{3});
    EXPECT_EQ(didYouMeanText(std::vector<std::string>{"ピカチュウ", "ピチュー"}), "もしかして：ピカチュウ、ピチュー");
    EXPECT_EQ(didYouMeanText({}), "");
}

} // namespace
} // namespace rusrina::text
