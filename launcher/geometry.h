// The launcher dialog's arithmetic: where its controls go and where the dialog is centred.
#pragma once

#include <array>

namespace launcher {

struct Rect {
    int x, y, width, height;
};

struct Size {
    int width, height;
};

struct Point {
    int x, y;
};

// The client area that the dialog is sized to.
constexpr Size kClientSize{480, 210};

struct ControlPlace {
    int id;
    Rect rect;  // client pixels
};

// The places of the nine controls for a client area of the given width.
std::array<ControlPlace, 9> LayoutTable(int clientWidth);

// Where a window of the given outer size goes to be centred on an area, kept on a display of the given
// size. When the window is larger than the display, its left and top edges stay on the display.
Point CentredPosition(Size window, Rect area, Size display);

}  // namespace launcher
