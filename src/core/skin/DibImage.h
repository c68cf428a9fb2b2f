// A 24-bit bitmap held in memory: loading .bmp data, clipped row copies, keyed and blended copies.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/PixelSink.h"
#include "platform/TextPainter.h"

namespace felux {

struct Rgb {
    unsigned char r = 0;
    unsigned char g = 0;
    unsigned char b = 0;
    bool operator==(const Rgb&) const = default;
};

// One channel of a blended copy: level -255 keeps dest, 255 gives source, 0
// the midpoint; the result always lies between dest and source.
unsigned char Mix(unsigned char dest, unsigned char source, int level);

// Pixels are 3 bytes, blue, green, red, stored top row first whatever the
// order in the file, rows Stride() bytes apart. Empty until a load succeeds;
// a failed load leaves it empty, and every operation on an empty image does nothing.
class DibImage {
public:
    // Larger sides are refused as damage: no skin or text band comes near.
    static constexpr int kMaxSide = 8192;

    // A blank image of one colour; false (and empty) unless both sides are 1..kMaxSide.
    bool Create(int width, int height, Rgb colour = {});
    // A whole .bmp file in memory: uncompressed 24 bits, rows bottom-up
    // (positive height) or top-down (negative). Anything else is refused, as is
    // a header whose sizes or pixel offset reach past the data.
    bool LoadFromBytes(std::span<const unsigned char> bytes);
    // The same from a file, reading no more than the header says the pixels need.
    bool LoadFromFile(const std::filesystem::path& path);
    void Free();

    // Coordinates given to the copies, fills, text and painting below count units of
    // Unit() x Unit() pixels: a skin drawn at 2x is composed with the coordinates of the 1x one.
    // Width, Height, Stride, TopRow and PixelAt stay in pixels. Kept by a copy, reset to 1 by a
    // load; anything but 1..kMaxUnit is refused.
    static constexpr int kMaxUnit = 4;
    bool SetUnit(int unit);
    int Unit() const { return unit_; }

    bool Empty() const { return pixels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Bytes per row: width x 3 rounded up to a multiple of 4.
    int Stride() const { return stride_; }
    // The first byte of the top row; null when empty. Row y is y * Stride() further.
    unsigned char* TopRow() { return Empty() ? nullptr : pixels_.data(); }
    const unsigned char* TopRow() const { return Empty() ? nullptr : pixels_.data(); }
    std::optional<Rgb> PixelAt(int x, int y) const;

    // Copies this image's rectangle (srcX, srcY) width x rows onto dest at
    // (destX, destY). The rectangle is clipped to both images, the two offsets
    // moving together; dest may be this image, even overlapping.
    void CopyRows(DibImage& dest, int destX, int destY, int srcX, int srcY, int width, int rows) const;
    // Pure white source pixels are left out.
    void CopyKeyWhite(DibImage& dest, int destX, int destY, int srcX, int srcY, int width, int rows) const;
    // Pure black source pixels are left out.
    void CopyKeyBlack(DibImage& dest, int destX, int destY, int srcX, int srcY, int width, int rows) const;
    // As CopyKeyWhite, each channel mixed with dest at level -255..255 (see Mix).
    void CopyBlend(DibImage& dest, int destX, int destY, int srcX, int srcY, int width, int rows,
                   int level) const;

    // A solid rectangle, clipped to the image.
    void FillColor(int x, int y, int width, int height, Rgb colour);
    // Draws text black on white at (x, y); returns its width + 3, the advance
    // the callers lay text out with (0 when empty).
    int DrawTextWidth(TextPainter& painter, std::string_view utf8, int x, int y, const TextFont& font);
    // The same drawing; returns the text's height (0 when empty).
    int DrawTextHeight(TextPainter& painter, std::string_view utf8, int x, int y, const TextFont& font);
    // The panel: (0,0) 407 x 93 of this image onto the target's (0,0) 407 x 93, each unit's
    // pixels on one window point.
    void PaintTo(PixelSink& target) const;
    // The large text strip (320,250) 319 x sourceHeight, stretched over the
    // bottom stripHeight rows of a targetWidth x targetHeight target.
    void StretchTo(PixelSink& target, int targetWidth, int targetHeight, int stripHeight, int sourceHeight) const;

private:
    enum class Rule { Opaque, KeyWhite, KeyBlack, Blend };
    void Copy(Rule rule, int level, DibImage& dest, int destX, int destY, int srcX, int srcY, int width,
              int rows) const;
    void Present(PixelSink& target, int x, int y, int width, int height, Rect to) const;
    TextExtent DrawTextInPixels(TextPainter& painter, std::string_view utf8, int x, int y, const TextFont& font);

    std::vector<unsigned char> pixels_;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    int unit_ = 1;
};

}  // namespace felux
