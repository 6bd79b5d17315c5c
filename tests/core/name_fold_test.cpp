// Text typed with a Japanese input method: numbers read as the numbers they show, names found
// whatever their kana, width and case.

#include "text/name_fold.h"
#include "view/common/choice_find.h"

#include "data/held_items.h"
#include "data/moves.h"
#include "data/names.h"

#include <gtest/gtest.h>

using namespace rusrina;

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

TEST(FoldForFind, KanaWidthAndCaseFoldAlike) {
    const struct {
        const char* typed;
        const char* folded;
    } cases[] = {
        {"じしん", "じしん"},
        {"ジシン", "じしん"},
        {"ｼﾞｼﾝ", "じしん"},           // half-width, voiced mark joined
        {"ﾊﾟﾜｰｼﾞｪﾑ", "ぱわーじぇむ"}, // semi-voiced mark, long vowel and small kana
        {"ｳﾞｧ", "ゔぁ"},
        {"ｱﾞ", "あﾞ"}, // a kana that takes no mark keeps it apart
        {"ﾞｶ", "ﾞか"}, // a mark before any kana stays
        {"ヴ", "ゔ"},
        {"ヶ", "ゖ"},
        {"Earthquake", "earthquake"},
        {"ＥＡＲＴＨ", "earth"},
        {"Ｖジェネレート", "vじぇねれーと"},
        {"U-turn", "uturn"},
        {"King's Shield", "kingsshield"},
        {"ニドラン♀", "にどらんf"},
        {"デオキシス（アタック）", "でおきしす(あたっく)"},
        {"\xff\xfeｼ", "\xff\xfeし"}, // bytes that are no UTF-8 are kept
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text::foldForFind(c.typed), c.folded) << c.typed;
}

TEST(ChoiceFind, TypedTextFindsNamesInEitherLanguage) {
    const int earthquake = findMove("じしん");
    const int garchomp = findSpecies("ガブリアス");
    const int levitate = findAbility("ふゆう");
    const struct {
        ListChoice entry;
        ChoiceNames names;
        const char* typed;
        bool found;
    } cases[] = {
        {{"じしん", earthquake}, ChoiceNames::Moves, "じしん", true},
        {{"じしん", earthquake}, ChoiceNames::Moves, "ジシン", true},
        {{"じしん", earthquake}, ChoiceNames::Moves, "しん", true}, // any part of the name
        {{"じしん", earthquake}, ChoiceNames::Moves, "Earthquake", true},
        {{"じしん", earthquake}, ChoiceNames::Moves, "QUAKE", true},
        {{"じしん", earthquake}, ChoiceNames::Moves, "", true},
        {{"じしん", earthquake}, ChoiceNames::Moves, "ふぶき", false},
        {{"じしん", earthquake}, ChoiceNames::Moves, "んe", false},        // never across the two names
        {{"―じしん", earthquake}, ChoiceNames::Moves, "earthquake", true}, // a tutor row
        {{"ガブリアス", garchomp}, ChoiceNames::Species, "garchomp", true},
        {{"ガブリアス", garchomp}, ChoiceNames::None, "garchomp", false},
        {{"ふゆう", levitate}, ChoiceNames::Abilities, "levi", true},
        {{" 無指定", NO_MOVE}, ChoiceNames::Moves, "無指定", true},
        {{"たべのこし", kHeldItemChoiceBase + findHeldItem("Leftovers")}, ChoiceNames::HeldItems, "leftov", true},
        {{"こだわりハチマキ", 3}, ChoiceNames::HeldItems, "choice band", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(findKeyMatches(choiceFindKey(c.entry, c.names), foldTyped(c.typed)), c.found)
            << c.entry.text << " / " << c.typed;
    }
}
