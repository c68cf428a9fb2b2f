// Text painter fake: every character is a 5-pixel black bar in a 6-pixel cell, on white.
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
        for (int i = 0; i < static_cast<int>(utf8.size()); ++i) image.FillColor(x + 6 * i, y, 5, e.height, {0, 0, 0});
        return e;
    }
    TextExtent Measure(std::string_view utf8, const TextFont& font) override {
        return {6 * static_cast<int>(utf8.size()), std::abs(font.height)};
    }

    int draws = 0;
    std::string lastText;
};

}  // namespace felux::test
