#include "view/common/window_fit.h"

#include <gtest/gtest.h>

using namespace rusrina;

TEST(WindowFit, WindowsAreMovedAndShrunkIntoTheFreeArea) {
    constexpr WindowRect kLaptop{0, 0, 1366, 768};
    constexpr FrameMargins kTitleBar{0, 24, 0, 0};
    const struct {
        const char* what;
        WindowRect window;
        FrameMargins frame;
        WindowRect area;
        int minimumWidth, minimumHeight;
        WindowRect fitted;
    } cases[] = {
        {"inside stays", {100, 100, 400, 300}, kTitleBar, kLaptop, 0, 0, {100, 100, 400, 300}},
        {"past the right and bottom", {1200, 600, 400, 300}, kTitleBar, kLaptop, 0, 0, {966, 468, 400, 300}},
        {"title bar above the screen", {-50, 10, 400, 300}, kTitleBar, kLaptop, 0, 0, {0, 24, 400, 300}},
        {"larger than the screen", {0, 0, 3000, 2000}, kTitleBar, kLaptop, 0, 0, {0, 24, 1366, 744}},
        {"shrunk no further than its least size",
         {100, 100, 2000, 1000},
         kTitleBar,
         kLaptop,
         1500,
         900,
         {0, 24, 1500, 900}},
        {"whole frame kept inside", {1300, 700, 200, 100}, {4, 30, 4, 4}, kLaptop, 0, 0, {1162, 664, 200, 100}},
        {"second monitor under a panel",
         {3000, 0, 800, 600},
         kTitleBar,
         {1366, 32, 1920, 1048},
         0,
         0,
         {2486, 56, 800, 600}},
        {"far off to the left", {-5000, 300, 400, 300}, kTitleBar, kLaptop, 0, 0, {0, 300, 400, 300}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fitIntoArea(c.window, c.frame, c.area, c.minimumWidth, c.minimumHeight), c.fitted) << c.what;
}
