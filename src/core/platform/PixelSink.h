// Port: puts finished pixels on screen (the panel face, the text strip under the video).
#pragma once

#include <cstddef>

#include "platform/WindowSystem.h"

namespace felux {

// Borrowed 24-bit pixels, 3 bytes each in the order blue, green, red; row y
// starts at first + y * rowStep. Valid only during the call it is passed to.
struct PixelView {
    const unsigned char* first = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t rowStep = 0;
};

class PixelSink {
public:
    virtual ~PixelSink() = default;
    // Shows the pixels scaled to fill target (window client coordinates).
    virtual void Present(const PixelView& pixels, Rect target) = 0;
};

}  // namespace felux
