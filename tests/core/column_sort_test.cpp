// The header-click rule shared by the search results and the species move list.

#include "view/common/column_sort.h"

#include <gtest/gtest.h>

#include <vector>

namespace rusrina {
namespace {

TEST(ColumnSortTest, ThirdClickOnOneColumnSortsAscendingAgain) {
    struct Case {
        std::vector<int> clicks; // -1: reset
        std::vector<bool> descending;
    };
    const Case cases[] = {
        {{1, 1, 1}, {false, true, false}},
        {{1, 1, 1, 1}, {false, true, false, true}},
        {{1, 7, 7}, {false, false, true}},
        {{1, 7, 1}, {false, false, false}},
        {{7, 7, 1, 1}, {false, true, false, true}},
        {{5, 5, 5, 3, 5, 5}, {false, true, false, false, false, true}},
        {{2, -1, 2}, {false, false}}, // a reset forgets the last column
    };
    for (const Case& c : cases) {
        ColumnSortState state;
        std::vector<bool> got;
        for (int column : c.clicks) {
            if (column < 0)
                state.reset();
            else
                got.push_back(state.click(column));
        }
        EXPECT_EQ(got, c.descending);
    }
}

} // namespace
} // namespace rusrina
