#pragma once
// Where a window goes on the screen: inside the area the desktop leaves free (the screen less its
// panels), title bar and borders included, so that no part of it, and above all not its title bar
// or its buttons, lies where the user cannot reach it.

namespace rusrina {

struct WindowRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const WindowRect&) const = default;
};

// The room the window manager's frame takes around a window's own area.
struct FrameMargins {
    int left = 0;
    int top = 0; // the title bar
    int right = 0;
    int bottom = 0;
};

// The window's own rectangle made to fit `area` with its frame: first shrunk to the area's size
// (never below `minimumWidth` x `minimumHeight`, which the window cannot go under), then moved as
// little as it takes to lie inside. A window too large even at its least size keeps its top-left
// corner in the area, so that its title bar can still be reached.
WindowRect fitIntoArea(WindowRect window, FrameMargins frame, WindowRect area, int minimumWidth = 0,
                       int minimumHeight = 0);

} // namespace rusrina
