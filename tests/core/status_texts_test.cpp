// The status lines' texts after a save, a copy and a step through the box's history.

#include "view/status_texts.h"

#include <gtest/gtest.h>

using namespace rusrina;

TEST(StatusTexts, SaysWhatWasDone) {
    EXPECT_EQ(savedText("/home/a/rusrina.vbd"), "保存しました：/home/a/rusrina.vbd");
    struct Copy {
        const char* text;
        const char* said;
    } copies[] = {
        {"a\r\nb\r\n", "ログをコピーしました（2 行）"},
        {"a\r\nb", "ログをコピーしました（2 行）"},
        {"a", "ログをコピーしました（1 行）"},
        {"", "ログをコピーしました（0 行）"},
    };
    for (const Copy& c : copies)
        EXPECT_EQ(copiedText("ログ", c.text), c.said) << c.text;
    struct Row {
        int row;
        const char* move;
        const char* name;
    } rows[] = {
        {0, "１０まんボルト", "わざ１（１０まんボルト）"},
        {3, "－", "わざ４"},
        {4, "じしん", "習得技（じしん）"},
        {5, "", "直接数値選択"},
        {6, "x", ""},
    };
    for (const Row& r : rows)
        EXPECT_EQ(damageRowName(r.row, r.move), r.name) << r.row;
    EXPECT_EQ(historyStepText(true, "削除"), "元に戻しました：削除");
    EXPECT_EQ(historyStepText(false, "削除"), "やり直しました：削除");
}
