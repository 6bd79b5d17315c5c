#include "box/box.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

using namespace rusrina;
using rusrina::testing::entryBytes;
using rusrina::testing::makeEntry;

namespace {

// One letter per entry: the box "ABC" holds A, B and C in slots 0..2.
Box boxOf(std::string_view letters) {
    Box box;
    for (char c : letters)
        EXPECT_TRUE(box.add(makeEntry(std::string(1, c))).ok());
    return box;
}

// The in-use names in slot order, checking the prefix property on the way: names up to the
// count, and an empty name right after it (data behind that from a loaded file is not in use).
std::string letters(const Box& box) {
    std::string out;
    for (int slot = 0; slot < box.count(); ++slot) {
        EXPECT_TRUE(box.entry(slot).inUse()) << "slot " << slot;
        out += std::string(entryName(box.entry(slot)));
    }
    EXPECT_FALSE(box.entry(box.count()).inUse());
    return out;
}

Box fullBox() {
    Box box;
    for (int i = 0; i < kBoxCapacity; ++i)
        box.add(makeEntry("n" + std::to_string(i)));
    return box;
}

} // namespace

TEST(Box, AddFillsTheFirstFreeSlotUntilFull) {
    EXPECT_FALSE(Box().entry(0).inUse());
    EXPECT_FALSE(Box().entry(-1).inUse());
    Box box = fullBox();
    EXPECT_EQ(box.count(), kBoxCapacity);
    EXPECT_TRUE(box.full());
    EXPECT_EQ(entryName(box.entry(1023)), "n1023");
    EXPECT_FALSE(box.entry(kBoxCapacity).inUse());
    std::string before = entryBytes(box.entry(1023));
    StoreResult r = box.add(makeEntry("extra"));
    EXPECT_EQ(r.status, StoreStatus::BoxFull);
    EXPECT_EQ(r.slot, -1);
    EXPECT_EQ(box.count(), kBoxCapacity);
    EXPECT_EQ(entryBytes(box.entry(1023)), before);
}

TEST(Box, RefusesEntriesItCouldNotUse) {
    Box box = boxOf("AB");
    BoxEntry badSpecies = makeEntry("C", 663);
    EXPECT_EQ(box.add(BoxEntry{}).status, StoreStatus::InvalidEntry);
    EXPECT_EQ(box.add(badSpecies).status, StoreStatus::InvalidEntry);
    EXPECT_EQ(box.replace(0, badSpecies).status, StoreStatus::InvalidEntry);
    EXPECT_EQ(box.replace(1, BoxEntry{}).status, StoreStatus::InvalidEntry);
    EXPECT_EQ(box.replace(2, makeEntry("C")).status, StoreStatus::NoSuchEntry);
    EXPECT_EQ(box.replace(-1, makeEntry("C")).status, StoreStatus::NoSuchEntry);
    EXPECT_EQ(letters(box), "AB");

    StoreResult r = box.add(makeEntry("C"));
    EXPECT_EQ(r.status, StoreStatus::Stored);
    EXPECT_EQ(r.slot, 2);
    r = box.replace(1, makeEntry("X", 3));
    EXPECT_EQ(r.slot, 1);
    EXPECT_EQ(letters(box), "AXC");
    EXPECT_EQ(box.entry(1).species, 3);
}

TEST(Box, StoreReplacesAnEntryInUseAndAddsOtherwise) {
    struct Case {
        const char* before;
        int slot;
        const char* after;
        StoreStatus status;
        int written;
    } cases[] = {
        {"ABC", 1, "AXC", StoreStatus::Stored, 1},  {"ABC", -1, "ABCX", StoreStatus::Stored, 3},
        {"ABC", 3, "ABCX", StoreStatus::Stored, 3}, {"ABC", 700, "ABCX", StoreStatus::Stored, 3},
        {"", 0, "X", StoreStatus::Stored, 0},
    };
    for (const Case& c : cases) {
        Box box = boxOf(c.before);
        const StoreResult r = box.store(c.slot, makeEntry("X"));
        EXPECT_EQ(r.status, c.status) << c.before << " " << c.slot;
        EXPECT_EQ(r.slot, c.written) << c.before << " " << c.slot;
        EXPECT_EQ(letters(box), c.after) << c.before << " " << c.slot;
    }
    Box full = fullBox();
    EXPECT_EQ(full.store(-1, makeEntry("X")).status, StoreStatus::BoxFull);
    EXPECT_EQ(full.store(5, makeEntry("X")).slot, 5);
    EXPECT_EQ(entryName(full.entry(5)), "X");
}

TEST(Box, ListOperations) {
    struct Case {
        const char* what;
        bool (Box::*op)(int);
        int slot;
        bool changed;
        const char* after;
    } cases[] = {
        {"delete first", &Box::deleteEntry, 0, true, "BCDE"},
        {"delete middle", &Box::deleteEntry, 2, true, "ABDE"},
        {"delete last", &Box::deleteEntry, 4, true, "ABCD"},
        {"delete free slot", &Box::deleteEntry, 5, false, "ABCDE"},
        {"delete -1", &Box::deleteEntry, -1, false, "ABCDE"},
    };
    for (const Case& c : cases) {
        Box box = boxOf("ABCDE");
        EXPECT_EQ((box.*c.op)(c.slot), c.changed) << c.what;
        EXPECT_EQ(letters(box), c.after) << c.what;
    }
}

TEST(Box, DeleteFromAFullBoxLeavesTheLastSlotZero) {
    Box box = fullBox();
    ASSERT_TRUE(box.deleteEntry(0));
    EXPECT_EQ(box.count(), kBoxCapacity - 1);
    EXPECT_EQ(entryName(box.entry(0)), "n1");
    EXPECT_EQ(entryName(box.entry(1022)), "n1023");
    EXPECT_EQ(entryBytes(box.entry(1023)), std::string(sizeof(BoxEntry), '\0'));
    EXPECT_TRUE(box.add(makeEntry("again")).ok());
    EXPECT_EQ(entryName(box.entry(1023)), "again");
}

TEST(BoxImage, InvalidRecordsLeaveThePrefixAndTheRestKeepsItsOrder) {
    auto image = std::make_unique<BoxSlots>();
    (*image)[0] = makeEntry("A");
    (*image)[1] = makeEntry("bad", 700);
    (*image)[2] = makeEntry("B");
    (*image)[3] = makeEntry("nolevel");
    (*image)[3].level = 0;
    (*image)[4] = makeEntry("C");
    (*image)[5].species = 77; // free slot with data behind its empty name
    (*image)[6] = makeEntry("after");

    Box box;
    EXPECT_EQ(box.adoptImage(*image), 2);
    EXPECT_EQ(letters(box), "ABC");
    // The slots the invalid records left are zero; what lay behind the prefix is kept for saving.
    EXPECT_EQ(entryBytes(box.entry(3)), std::string(sizeof(BoxEntry), '\0'));
    EXPECT_EQ(entryBytes(box.entry(4)), std::string(sizeof(BoxEntry), '\0'));
    EXPECT_EQ(entryBytes(box.entry(5)), entryBytes((*image)[5]));
    EXPECT_EQ(entryBytes(box.entry(6)), entryBytes((*image)[6]));

    // Adding overwrites the first free slot and nothing behind it.
    ASSERT_EQ(box.add(makeEntry("D")).slot, 3);
    EXPECT_EQ(letters(box), "ABCD");
}

TEST(BoxImage, PrefixEndsAtTheFirstEmptyName) {
    struct Case {
        const char* what;
        std::vector<std::string> names; // "" is an empty slot
        int completeRecords;
        int invalid;
        const char* loaded;
    } cases[] = {
        {"first record empty", {"", "A", "B"}, kBoxCapacity, 0, ""},
        {"empty in the middle", {"A", "B", "", "C"}, kBoxCapacity, 0, "AB"},
        {"cut record in use", {"A", "B", "C"}, 2, 1, "AB"},
        {"cut record empty", {"A", ""}, 1, 0, "A"},
        {"all empty", {}, 0, 0, ""},
    };
    for (const Case& c : cases) {
        auto image = std::make_unique<BoxSlots>();
        for (std::size_t i = 0; i < c.names.size(); ++i)
            if (!c.names[i].empty())
                (*image)[i] = makeEntry(c.names[i]);
        Box box = boxOf("XYZ");
        EXPECT_EQ(box.adoptImage(*image, c.completeRecords), c.invalid) << c.what;
        EXPECT_EQ(letters(box), c.loaded) << c.what;
    }
}
