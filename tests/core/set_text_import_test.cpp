#include "format/set_text_import.h"

#include "box_test_support.h"

#include <gtest/gtest.h>

using namespace rusrina;

namespace {

// The sets that read go after the last entry until the box is full; the rest are counted.
TEST(SetTextImport, AppendsUntilTheBoxIsFull) {
    Box box;
    for (int i = kBoxCapacity - 2; i > 0; --i)
        ASSERT_TRUE(box.add(rusrina::testing::makeEntry("x" + std::to_string(i))).ok());
    const std::vector<ParsedSet> sets = readSetText("Garchomp\n\nMissingno\n\nLatios\n\nLatias\n");
    const SetAppendResult result = appendSets(box, sets);
    EXPECT_EQ(result.firstSlot, kBoxCapacity - 2);
    EXPECT_EQ(result.added, 2);
    EXPECT_EQ(result.noRoom, 1);
    EXPECT_EQ(result.failed, 1);
    EXPECT_TRUE(box.full());
    EXPECT_EQ(entryNameUtf8(box.entry(kBoxCapacity - 1)), "ラティオス");
    EXPECT_EQ(setAppendSummaryText(result), "2 件追加しました。ボックスが一杯のため 1 件は追加できませんでした。"
                                            "読めなかった 1 件は追加していません。");
    EXPECT_EQ(setAppendSummaryText({0, 3, 0, 0}), "3 件追加しました。");
}

TEST(SetTextImport, PreviewShowsEachSetWithItsNotes) {
    const std::vector<ParsedSet> sets = readSetText("ガブ (Garchomp) @ Assault Vest\nLevel: 50\nJolly Nature\n\n"
                                                    "Missingno\n\nLatios\n");
    const std::vector<SetPreviewRow> expected = {
        {PreviewKind::Entry, "ガブ（ガブリアス） Lv50 ようき"},
        {PreviewKind::Warning, "　△ 1 行目: 持ち物「Assault Vest」は第6世代の道具のため「なし／その他」にします"},
        {PreviewKind::Failure, "× 5 行目: バントレ「Missingno」が見つかりません"},
        {PreviewKind::Entry, "ラティオス Lv100 まじめ"},
    };
    EXPECT_EQ(setPreviewRows(sets), expected);
    EXPECT_EQ(setPreviewSummaryText(sets), "追加 2 件　読めない 1 件　警告 1 件");
}

} // namespace
