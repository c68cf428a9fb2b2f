// Pixel sink fake: keeps a copy of the last pixels presented and where they went.
#pragma once

#include <vector>

#include "platform/PixelSink.h"
#include "skin/DibImage.h"

namespace felux::test {

class FakePixelSink : public PixelSink {
public:
    void Present(const PixelView& view, Rect to) override {
        ++presents;
        target = to;
        width = view.width;
        height = view.height;
        pixels.clear();
        for (int y = 0; y < view.height; ++y)
            for (int x = 0; x < view.width; ++x) {
                const unsigned char* p = view.first + y * view.rowStep + 3 * x;
                pixels.push_back({p[2], p[1], p[0]});
            }
    }
    Rgb At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }

    int presents = 0;
    Rect target;
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
};

}  // namespace felux::test
