// Text painter fake: every character is a black bar one pixel narrower than its cell (6 pixels
// unless a test sets another), on white.
#pragma once

#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/TextPainter.h"
#include "skin/DibImage.h"

namespace felux::test {

class FakeTextPainter : public TextPainter {
public:
    TextExtent Draw(DibImage& image, int x, int y, std::string_view utf8, const TextFont& font) override {
        ++draws;
        lastText = std::string(utf8);
        const TextExtent e = Measure(utf8, font);
        image.FillColor(x, y, e.width, e.height, {255, 255, 255});
        for (int i = 0; i < static_cast<int>(utf8.size()); ++i)
            image.FillColor(x + cell * i, y, cell - 1, e.height, {0, 0, 0});
        return e;
    }
    TextExtent Measure(std::string_view utf8, const TextFont& font) override {
        return {cell * static_cast<int>(utf8.size()), std::abs(font.height)};
    }

    int cell = 6;
    int draws = 0;
    std::string lastText;
};

}  // namespace felux::test
