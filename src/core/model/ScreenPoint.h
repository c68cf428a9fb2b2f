// Positions on the screen in pixels, under the names the window port (Point), the key and panel
// handlers (ScreenPoint) and full screen (CursorPoint) use.
#pragma once

namespace felux {

struct Point {
    int x = 0;
    int y = 0;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct CursorPoint {
    int x = 0;
    int y = 0;
};

}  // namespace felux
