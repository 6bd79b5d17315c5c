// The HP tuning marks an HP meets.

#include "calc/hp_marks.h"

#include <gtest/gtest.h>

namespace rusrina {
namespace {

TEST(HpMarks, EachHpMeetsTheFormsItIs) {
    const struct {
        int hp;
        const char* names;
    } cases[] = {
        {207, "16n−1・8n−1・2n+1"}, // 16·13 − 1
        {208, "16n・4n"},           // 16·13
        {199, "10n−1・8n−1・2n+1"}, // 10·20 − 1, 8·25 − 1
        {211, "2n+1"},              // odd and nothing else
        {205, "4n+1・2n+1"},        // 4·51 + 1
        {179, "10n−1・6n−1・2n+1"}, // 6·30 − 1, odd
        {191, "16n−1・8n−1・6n−1・2n+1"},
        {202, ""},
        {15, "16n−1・8n−1・2n+1"}, // n = 1
        {1, ""},                   // 2·0 + 1: n starts at 1
        {0, ""},
        {-1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hpMarkNames(c.hp), c.names) << c.hp;
    EXPECT_EQ(hpMarksText(208), "16n（たべのこし）・4n（ピンチきのみ）");
}

} // namespace
} // namespace rusrina
