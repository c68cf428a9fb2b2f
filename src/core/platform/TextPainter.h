// Port: draws a line of text black on white into an image band, and measures text.
#pragma once

#include <string>
#include <string_view>

namespace felux {

class DibImage;

// A font as the settings describe it. Height: negative is the character
// height in pixels, positive the cell height; 0 is the face's default.
struct TextFont {
    std::string face;
    int height = -13;
    int weight = 400;  // 100-900, 400 normal, 700 bold
    bool italic = false;
    int charSet = 128;  // kept for the settings file; the text itself is UTF-8
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

class TextPainter {
public:
    virtual ~TextPainter() = default;
    // Draws utf8 with its top-left at (x, y): black letters on an opaque white
    // box of the text's extent, clipped to the image. Returns the extent.
    virtual TextExtent Draw(DibImage& image, int x, int y, std::string_view utf8, const TextFont& font) = 0;
    virtual TextExtent Measure(std::string_view utf8, const TextFont& font) = 0;
};

}  // namespace felux
