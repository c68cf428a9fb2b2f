// A plain RGB pixel grid with the few drawing primitives the skin artwork needs.
#pragma once

#include <string>
#include <vector>

#include "skin/SkinLayout.h"

namespace felux::skintool {

Rgb Shade(Rgb c, int delta);  // each channel + delta, kept in 1..254 (never a key colour)
Rgb Blend(Rgb a, Rgb b, int percentOfB);

// Coordinates are skin pixels; each holds scale x scale pixels of the bitmap, so that one
// drawing makes the skin at 1x and at 2x.
class Raster {
public:
    Raster(int width, int height, Rgb fill, int scale = 1);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int Scale() const { return scale_; }
    // The top-left bitmap pixel of a skin pixel.
    Rgb Get(int x, int y) const;
    // Writes outside the grid are dropped.
    void Set(int x, int y, Rgb c);
    // One bitmap pixel, for what is drawn finer than a skin pixel.
    Rgb GetFine(int fx, int fy) const;
    void SetFine(int fx, int fy, Rgb c);
    void Fill(Rect r, Rgb c);
    // Top colour to bottom colour, row by bitmap row.
    void VerticalGradient(Rect r, Rgb top, Rgb bottom);
    // One-pixel frame: light on the top and left edges, dark on the bottom and right.
    void Bevel(Rect r, Rgb light, Rgb dark);
    void Frame(Rect r, Rgb c);
    // Copies a rectangle of src, drawn at the same scale, to (x, y).
    void Paste(const Raster& src, Rect from, int x, int y);

    // A 24-bit bottom-up .bmp file, the same bytes for the same pixels.
    std::string ToBmp() const;

private:
    int width_;
    int height_;
    int scale_;
    std::vector<Rgb> px_;
};

}  // namespace felux::skintool
