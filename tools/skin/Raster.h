// A plain RGB pixel grid with the few drawing primitives the skin artwork needs.
#pragma once

#include <string>
#include <vector>

#include "skin/SkinLayout.h"

namespace felux::skintool {

Rgb Shade(Rgb c, int delta);  // each channel + delta, kept in 1..254 (never a key colour)
Rgb Blend(Rgb a, Rgb b, int percentOfB);

class Raster {
public:
    Raster(int width, int height, Rgb fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb Get(int x, int y) const;
    // Writes outside the grid are dropped.
    void Set(int x, int y, Rgb c);
    void Fill(Rect r, Rgb c);
    // Top colour to bottom colour, row by row.
    void VerticalGradient(Rect r, Rgb top, Rgb bottom);
    // One-pixel frame: light on the top and left edges, dark on the bottom and right.
    void Bevel(Rect r, Rgb light, Rgb dark);
    void Frame(Rect r, Rgb c);
    // Copies a rectangle of src to (x, y).
    void Paste(const Raster& src, Rect from, int x, int y);

    // A 24-bit bottom-up .bmp file, the same bytes for the same pixels.
    std::string ToBmp() const;

private:
    int width_;
    int height_;
    std::vector<Rgb> px_;
};

}  // namespace felux::skintool
