#include "box/box_entry.h"

#include "box_test_support.h"
#include "text/cp932.h"

#include <gtest/gtest.h>

#include <functional>

using namespace rusrina;
using rusrina::testing::makeEntry;

namespace {

struct FieldCase {
    const char* what;
    std::function<void(BoxEntry&)> change;
    bool valid;
};

} // namespace

TEST(BoxEntryValidation, EachFieldAtAndBeyondItsBounds) {
    const FieldCase cases[] = {
        {"species 0", [](BoxEntry& e) { e.species = 0; }, true},
        {"species 662", [](BoxEntry& e) { e.species = 662; }, true},
        {"species 663", [](BoxEntry& e) { e.species = 663; }, false},
        {"species -1", [](BoxEntry& e) { e.species = -1; }, false},
        {"level 1", [](BoxEntry& e) { e.level = 1; }, true},
        {"level 100", [](BoxEntry& e) { e.level = 100; }, true},
        {"level 0", [](BoxEntry& e) { e.level = 0; }, false},
        {"level 101", [](BoxEntry& e) { e.level = 101; }, false},
        {"nature 24", [](BoxEntry& e) { e.nature = 24; }, true},
        {"nature 25", [](BoxEntry& e) { e.nature = 25; }, false},
        {"nature -1", [](BoxEntry& e) { e.nature = -1; }, false},
        {"ability 0", [](BoxEntry& e) { e.ability = 0; }, true},
        {"ability 164", [](BoxEntry& e) { e.ability = 164; }, true},
        {"ability 165", [](BoxEntry& e) { e.ability = 165; }, false},
        {"item 0", [](BoxEntry& e) { e.item = 0; }, true},
        {"item 16", [](BoxEntry& e) { e.item = 16; }, true},
        {"item 17", [](BoxEntry& e) { e.item = 17; }, false},
        {"item -1", [](BoxEntry& e) { e.item = -1; }, false},
        {"statsDirect 1", [](BoxEntry& e) { e.statsDirect = 1; }, true},
        {"statsDirect 2", [](BoxEntry& e) { e.statsDirect = 2; }, false},
        {"statsDirect -1", [](BoxEntry& e) { e.statsDirect = -1; }, false},
        {"move 0", [](BoxEntry& e) { e.move[0] = 0; }, true},
        {"move 558", [](BoxEntry& e) { e.move[3] = 558; }, true},
        {"move 559", [](BoxEntry& e) { e.move[3] = 559; }, false},
        {"move 65534", [](BoxEntry& e) { e.move[1] = 65534; }, false},
        {"move 65536", [](BoxEntry& e) { e.move[2] = 65536; }, false},
        {"move -1", [](BoxEntry& e) { e.move[0] = -1; }, false},
        {"all moves empty", [](BoxEntry& e) { std::fill(std::begin(e.move), std::end(e.move), NO_MOVE); }, true},
        {"iv 0 and 255", [](BoxEntry& e) { e.iv[0] = 0, e.iv[5] = 255; }, true},
        {"iv 256", [](BoxEntry& e) { e.iv[2] = 256; }, false},
        {"iv -1", [](BoxEntry& e) { e.iv[5] = -1; }, false},
        {"ev 255", [](BoxEntry& e) { e.ev[3] = 255; }, true},
        {"ev 256", [](BoxEntry& e) { e.ev[3] = 256; }, false},
        {"ev -1", [](BoxEntry& e) { e.ev[0] = -1; }, false},
        {"stat 1 and 999", [](BoxEntry& e) { e.stat[0] = 1, e.stat[5] = 999; }, true},
        {"stat 0", [](BoxEntry& e) { e.stat[2] = 0; }, false},
        {"stat -5", [](BoxEntry& e) { e.stat[1] = -5; }, false},
        {"stat 1000", [](BoxEntry& e) { e.stat[4] = 1000; }, false},
        {"31-byte name", [](BoxEntry& e) { std::memset(e.name, 'a', 31); }, true},
        {"name without terminator", [](BoxEntry& e) { std::memset(e.name, 'a', 32); }, false},
        {"bytes after the terminator", [](BoxEntry& e) { std::memset(e.name + 4, 0xFF, 28), e.name[3] = 0; }, true},
        {"name not Shift-JIS", [](BoxEntry& e) { std::memcpy(e.name, "\xFF\x80\xA0\x82", 5); }, true},
    };
    EXPECT_TRUE(isValidEntry(makeEntry("base")));
    for (const FieldCase& c : cases) {
        BoxEntry e = makeEntry("base");
        c.change(e);
        EXPECT_EQ(isValidEntry(e), c.valid) << c.what;
    }
}

TEST(BoxEntryName, SetCutsToTheFieldWithoutSplittingACharacter) {
    struct Case {
        std::string utf8;
        std::string stored; // UTF-8 of what is kept
    } cases[] = {
        {"ピカチュウ", "ピカチュウ"},
        {std::string(31, 'a'), std::string(31, 'a')},
        {std::string(40, 'a'), std::string(31, 'a')},
        // 16 double-byte characters are 32 bytes: the last one does not fit.
        {"あいうえおかきくけこさしすせそた", "あいうえおかきくけこさしすせそ"},
        // 30 single bytes and a double-byte character: 32 bytes, the character is dropped whole.
        {std::string(30, 'b') + "ア", std::string(30, 'b')},
        {std::string(29, 'b') + "ア", std::string(29, 'b') + "ア"},
        {"", ""},
    };
    for (const Case& c : cases) {
        BoxEntry e{};
        std::memset(e.name, 0x7F, kBoxNameBytes);
        setEntryName(e, c.utf8);
        EXPECT_EQ(entryNameUtf8(e), c.stored) << c.utf8;
        EXPECT_TRUE(isValidEntry(makeEntry(entryName(e)))) << c.utf8;
        for (std::size_t i = entryName(e).size(); i < kBoxNameBytes; ++i)
            EXPECT_EQ(e.name[i], 0) << c.utf8 << " byte " << i;
    }
}

TEST(BoxEntryIdentity, SameNameBytesAndSameSpecies) {
    BoxEntry a = makeEntry("ピカ", 24);
    BoxEntry b = makeEntry("ピカ", 24);
    b.level = 7;                        // other fields do not matter
    std::memset(b.name + 10, 0xEE, 10); // nor bytes behind the terminator
    EXPECT_TRUE(sameCreature(a, b));
    EXPECT_FALSE(sameCreature(a, makeEntry("ピカ", 25)));
    EXPECT_FALSE(sameCreature(a, makeEntry("ピカチ", 24)));
    EXPECT_FALSE(sameCreature(a, makeEntry("ﾋﾟｶ", 24)));
}
