// A position on the screen in pixels: the cursor, a menu's place, a window's corner.
#pragma once

namespace felux {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

}  // namespace felux
