#include "view/common/window_fit.h"

#include <algorithm>

namespace rusrina {
namespace {

// One axis: the window's start and length within the room from `first` to `first + room`, where
// `before` and `after` are the frame's parts on either side.
void fitAxis(int& start, int& length, int minimum, int first, int room, int before, int after) {
    const int free = room - before - after;
    length = std::max(std::min(length, free), std::min(minimum, length));
    const int lowest = first + before;
    const int highest = first + room - after - length;
    // Past the far edge first, then the near edge wins: a window that cannot fit at all keeps its
    // title bar and left edge on the screen.
    start = std::max(std::min(start, highest), lowest);
}

} // namespace

WindowRect fitIntoArea(WindowRect window, FrameMargins frame, WindowRect area, int minimumWidth, int minimumHeight) {
    fitAxis(window.left, window.width, minimumWidth, area.left, area.width, frame.left, frame.right);
    fitAxis(window.top, window.height, minimumHeight, area.top, area.height, frame.top, frame.bottom);
    return window;
}

} // namespace rusrina
