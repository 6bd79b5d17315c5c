// The box list's operations: the order they leave, the rows they rewrite and the row selected
// afterwards.

#include "view/box/box_list.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace rusrina {
namespace {

using testing::makeEntry;

// A box holding one entry per letter, in order.
Box boxOf(const std::string& letters) {
    Box box;
    for (char letter : letters)
        EXPECT_TRUE(box.add(makeEntry(std::string(1, letter))).ok());
    return box;
}

std::string lettersOf(const Box& box) {
    std::string letters;
    for (int slot = 0; slot < box.count(); ++slot)
        letters += entryName(box.entry(slot));
    return letters;
}

struct OperationCase {
    const char* label;
    ListOperation operation;
    int selected;
    const char* order; // the box afterwards
    bool changed;
    int firstRow, lastRow, selectRow;
};

const OperationCase kOperationCases[] = {
    {"up from the middle", ListOperation::MoveUp, 2, "ACBDE", true, 1, 2, 1},
    {"up from the first", ListOperation::MoveUp, 0, "ABCDE", false, -1, -1, 0},
    {"down from the middle", ListOperation::MoveDown, 1, "ACBDE", true, 1, 2, 2},
    {"down from the last", ListOperation::MoveDown, 4, "ABCDE", false, -1, -1, 4},
    {"top from the fourth", ListOperation::MoveToTop, 3, "DABCE", true, 0, 3, 0},
    {"top from the first", ListOperation::MoveToTop, 0, "ABCDE", false, -1, -1, 0},
    {"bottom from the second", ListOperation::MoveToBottom, 1, "ACDEB", true, 1, 4, 4},
    {"bottom from the last", ListOperation::MoveToBottom, 4, "ABCDE", false, -1, -1, 4},
    {"delete from the middle", ListOperation::Delete, 2, "ABDE", true, 2, 2, 2},
    {"delete the first", ListOperation::Delete, 0, "BCDE", true, 0, 0, 0},
    {"delete the last", ListOperation::Delete, 4, "ABCD", true, 4, 4, -1},
    {"up with no selection", ListOperation::MoveUp, -1, "ABCDE", false, -1, -1, -1},
    {"delete with no selection", ListOperation::Delete, -1, "ABCDE", false, -1, -1, -1},
    {"bottom from a free slot", ListOperation::MoveToBottom, 7, "ABCDE", false, -1, -1, -1},
};

TEST(BoxListTest, OperationsLeaveOrderRowsAndSelection) {
    for (const OperationCase& c : kOperationCases) {
        SCOPED_TRACE(c.label);
        Box box = boxOf("ABCDE");
        const ListOperationResult result = applyListOperation(box, c.operation, c.selected);
        EXPECT_EQ(lettersOf(box), c.order);
        EXPECT_EQ(result.changed, c.changed);
        EXPECT_EQ(result.firstRow, c.firstRow);
        EXPECT_EQ(result.lastRow, c.lastRow);
        EXPECT_EQ(result.selectRow, c.selectRow);
    }
}

// Whatever the operation, both sides are cleared; an edit form on an existing entry stays open
// only while the box is unchanged.
TEST(BoxListTest, OperationsResetTheSidesAndCloseAStaleEditForm) {
    for (const OperationCase& c : kOperationCases) {
        for (const bool editing : {false, true}) {
            SCOPED_TRACE(c.label);
            Box box = boxOf("ABCDE");
            BoxListState state{c.selected, 3, 1, editing};
            applyListOperation(box, c.operation, state);
            EXPECT_EQ(lettersOf(box), c.order);
            EXPECT_EQ(state, (BoxListState{c.selectRow, -1, -1, editing && !c.changed}));
        }
    }
    EXPECT_EQ(stateAfterRegistration({0, 3, 1, true}, 4), (BoxListState{4, 3, 1, true}));
    EXPECT_EQ(stateAfterRegistration({-1, -1, 2, false}, 2), (BoxListState{2, -1, 2, false}));
}

// Each change the operations make is recorded, and taking it back gives the box it started from.
TEST(BoxListTest, OperationsRecordWhatTheyChanged) {
    for (const OperationCase& c : kOperationCases) {
        SCOPED_TRACE(c.label);
        Box box = boxOf("ABCDE");
        const ListOperationResult result = applyListOperation(box, c.operation, c.selected);
        ASSERT_EQ(result.edit.has_value(), c.changed);
        if (result.edit) {
            ASSERT_TRUE(undoEdit(box, *result.edit));
            EXPECT_EQ(lettersOf(box), "ABCDE");
        }
    }
}

// What the window shows after a step back or forward through the history.
TEST(BoxListTest, StateAfterAnEditStep) {
    struct Case {
        const char* label;
        BoxEdit edit;
        bool undone;
        const char* box; // as the step left it
        BoxListState after;
    } cases[] = {
        {"deletion undone", {BoxEdit::Kind::Delete, 2, -1, {}, {}}, true, "ABCDE", {2, -1, -1, false}},
        {"deletion redone", {BoxEdit::Kind::Delete, 2, -1, {}, {}}, false, "ABDE", {2, -1, -1, false}},
        {"deletion of the last redone", {BoxEdit::Kind::Delete, 4, -1, {}, {}}, false, "ABCD", {-1, -1, -1, false}},
        {"move undone", {BoxEdit::Kind::Move, 3, 0, {}, {}}, true, "ABCDE", {3, -1, -1, false}},
        {"move redone", {BoxEdit::Kind::Move, 3, 0, {}, {}}, false, "DABCE", {0, -1, -1, false}},
        {"replacement undone", {BoxEdit::Kind::Replace, 1, -1, {}, {}}, true, "ABCDE", {1, 3, 1, false}},
        {"append undone", {BoxEdit::Kind::Append, 3, -1, {}, {}}, true, "ABC", {2, -1, 1, false}},
        {"append redone", {BoxEdit::Kind::Append, 3, -1, {}, {}}, false, "ABCDE", {3, 3, 1, false}},
        {"append to an empty box undone", {BoxEdit::Kind::Append, 0, -1, {}, {}}, true, "", {-1, -1, -1, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stateAfterEditStep({4, 3, 1, true}, c.edit, c.undone, boxOf(c.box)), c.after) << c.label;
}

// With the pair kept, each side follows its entry through the moves and the deletion of another
// entry; a deleted side, and every side under the default rule, is cleared.
TEST(BoxListTest, SidesFollowTheirEntriesWhenKept) {
    struct Case {
        const char* label;
        ListOperation operation;
        int selected;
        int attacker, defender; // before
        const char* order;
        int attackerAfter, defenderAfter;
    } cases[] = {
        {"the attacker moved up", ListOperation::MoveUp, 2, 2, 1, "ACBDE", 1, 2},
        {"an entry moved down past the defender", ListOperation::MoveDown, 0, 4, 1, "BACDE", 4, 0},
        {"the defender to the top", ListOperation::MoveToTop, 3, 0, 3, "DABCE", 1, 0},
        {"to the bottom past both", ListOperation::MoveToBottom, 0, 2, 4, "BCDEA", 1, 3},
        {"an entry deleted before both", ListOperation::Delete, 0, 3, 1, "BCDE", 2, 0},
        {"an entry deleted after both", ListOperation::Delete, 4, 3, 1, "ABCD", 3, 1},
        {"the attacker deleted", ListOperation::Delete, 2, 2, 4, "ABDE", -1, 3},
        {"a refused move", ListOperation::MoveUp, 0, 2, 4, "ABCDE", 2, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        for (const PairOnMove pair : {PairOnMove::Follow, PairOnMove::Clear}) {
            Box box = boxOf("ABCDE");
            BoxListState state{c.selected, c.attacker, c.defender, false};
            applyListOperation(box, c.operation, state, pair);
            EXPECT_EQ(lettersOf(box), c.order);
            const bool kept = pair == PairOnMove::Follow;
            EXPECT_EQ(state.attacker, kept ? c.attackerAfter : -1);
            EXPECT_EQ(state.defender, kept ? c.defenderAfter : -1);
            if (kept && c.attackerAfter >= 0) {
                EXPECT_EQ(entryName(box.entry(c.attackerAfter)), std::string(1, "ABCDE"[c.attacker]));
            }
        }
    }
}

// A side remembered between runs comes back only while its slot holds the same name and species.
TEST(BoxListTest, ARememberedSideIsRecalledOnlyWhileItsEntryIsThere) {
    const Box box = boxOf("ABC");
    const RememberedSide b = rememberSide(box, 1);
    EXPECT_EQ(recallSide(box, b), 1);
    EXPECT_EQ(rememberSide(box, 5), RememberedSide{});
    EXPECT_EQ(recallSide(box, RememberedSide{}), -1);
    EXPECT_EQ(recallSide(boxOf("ACB"), b), -1); // another name there
    EXPECT_EQ(recallSide(boxOf("A"), b), -1);   // the slot is free
    RememberedSide otherSpecies = b;
    otherSpecies.species += 1;
    EXPECT_EQ(recallSide(box, otherSpecies), -1);
}

TEST(BoxListTest, DeletingTheOnlyEntryEmptiesTheBoxAndSelectsNothing) {
    Box box = boxOf("A");
    const ListOperationResult result = applyListOperation(box, ListOperation::Delete, 0);
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(result.selectRow, -1);
    EXPECT_FALSE(box.entry(0).inUse());
}

} // namespace
} // namespace rusrina
