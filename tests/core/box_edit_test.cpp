// Box changes taken back and made again: every slot comes back byte for byte, the data a file left
// behind the in-use prefix included, and a record that meets a box in another state changes nothing.

#include "box/box_edit.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace rusrina {
namespace {

using testing::makeEntry;

bool sameSlots(const Box& a, const Box& b) {
    return a.count() == b.count() && std::memcmp(a.slots().data(), b.slots().data(), kBoxFileBytes) == 0;
}

// Entries named by `letters`, then, behind an empty slot, a record a file left there.
Box boxWithLeftovers(const std::string& letters) {
    BoxSlots image{};
    for (std::size_t i = 0; i < letters.size(); ++i)
        image[i] = makeEntry(std::string(1, letters[i]));
    if (letters.size() + 2 < kBoxCapacity) {
        image[letters.size()].species = 7; // a free slot that is not all zero
        image[letters.size() + 1] = makeEntry("old");
    }
    image[kBoxCapacity - 1].level = 99;
    Box box;
    box.adoptImage(image);
    return box;
}

Box fullBox() {
    Box box;
    for (int i = 0; i < kBoxCapacity; ++i)
        box.add(makeEntry("n" + std::to_string(i)));
    return box;
}

struct EditCase {
    const char* label;
    Box start;
    std::function<std::optional<BoxEdit>(Box&)> apply;
};

std::vector<EditCase> editCases() {
    const auto store = [](int slot, const char* name) {
        return [=](Box& box) { return applyStore(box, slot, makeEntry(name, 150)).edit; };
    };
    const auto append = [](std::vector<std::string> names) {
        return [=](Box& box) {
            const Box before = box;
            for (const std::string& name : names)
                box.add(makeEntry(name));
            return recordAppend(before, box);
        };
    };
    return {
        {"delete the first", boxWithLeftovers("ABCDE"), [](Box& b) { return applyDelete(b, 0); }},
        {"delete the last", boxWithLeftovers("ABCDE"), [](Box& b) { return applyDelete(b, 4); }},
        {"delete from a full box", fullBox(), [](Box& b) { return applyDelete(b, 17); }},
        {"move down one", boxWithLeftovers("ABCDE"), [](Box& b) { return applyMove(b, 1, 2); }},
        {"move to the top", boxWithLeftovers("ABCDE"), [](Box& b) { return applyMove(b, 3, 0); }},
        {"move to the bottom", boxWithLeftovers("ABCDE"), [](Box& b) { return applyMove(b, 0, 4); }},
        {"replace", boxWithLeftovers("ABC"), store(1, "X")},
        {"store a new entry over leftovers", boxWithLeftovers("ABC"), store(-1, "X")},
        {"store into the last free slot", boxWithLeftovers(std::string(kBoxCapacity - 1, 'a')), store(-1, "X")},
        {"append three", boxWithLeftovers("AB"), append({"X", "Y", "Z"})},
        {"append to an empty box", Box(), append({"X"})},
    };
}

TEST(BoxEdit, UndoRestoresEverySlotAndRedoMakesTheChangeAgain) {
    for (EditCase& c : editCases()) {
        SCOPED_TRACE(c.label);
        Box box = c.start;
        const std::optional<BoxEdit> edit = c.apply(box);
        ASSERT_TRUE(edit);
        const Box changed = box;
        EXPECT_FALSE(sameSlots(changed, c.start));
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(undoEdit(box, *edit));
            EXPECT_TRUE(sameSlots(box, c.start));
            ASSERT_TRUE(redoEdit(box, *edit));
            EXPECT_TRUE(sameSlots(box, changed));
        }
    }
}

TEST(BoxEdit, RequestsThatCannotApplyRecordNothing) {
    const Box start = boxWithLeftovers("ABC");
    Box box = start;
    EXPECT_FALSE(applyDelete(box, 3));
    EXPECT_FALSE(applyDelete(box, -1));
    EXPECT_FALSE(applyMove(box, 0, 0));
    EXPECT_FALSE(applyMove(box, 2, 3));
    BoxEntry bad = makeEntry("bad");
    bad.level = 0;
    const StoreEdit refused = applyStore(box, 1, bad);
    EXPECT_EQ(refused.result.status, StoreStatus::InvalidEntry);
    EXPECT_FALSE(refused.edit);
    EXPECT_FALSE(recordAppend(start, box));
    EXPECT_TRUE(sameSlots(box, start));

    Box full = fullBox();
    const StoreEdit noRoom = applyStore(full, -1, makeEntry("X"));
    EXPECT_EQ(noRoom.result.status, StoreStatus::BoxFull);
    EXPECT_FALSE(noRoom.edit);
}

// A record meeting a box that changed behind its back leaves the box alone.
TEST(BoxEdit, ARecordMeetingAnotherBoxChangesNothing) {
    Box box = boxWithLeftovers("ABC");
    const BoxEdit replaced = *applyStore(box, 1, makeEntry("X")).edit;
    const BoxEdit appended = *applyStore(box, -1, makeEntry("Y")).edit;
    ASSERT_TRUE(box.replace(1, makeEntry("Z")).ok());
    ASSERT_TRUE(box.add(makeEntry("W")).ok());
    const Box changed = box;
    EXPECT_FALSE(undoEdit(box, replaced)); // slot 1 holds Z, not X
    EXPECT_FALSE(redoEdit(box, replaced)); // nor the entry X replaced
    EXPECT_FALSE(undoEdit(box, appended)); // Y is no longer the last entry
    EXPECT_FALSE(redoEdit(box, appended)); // the box has grown past its first slot
    EXPECT_FALSE(redoEdit(box, BoxEdit{BoxEdit::Kind::Delete, 0, -1, {makeEntry("Q")}, {}}));
    EXPECT_TRUE(sameSlots(box, changed));

    Box full = fullBox();
    EXPECT_FALSE(undoEdit(full, BoxEdit{BoxEdit::Kind::Delete, 0, -1, {makeEntry("X")}, {}}));
    EXPECT_EQ(full.count(), kBoxCapacity);
}

} // namespace
} // namespace rusrina
