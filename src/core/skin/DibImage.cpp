// A 24-bit bitmap held in memory: loading .bmp data, clipped row copies, keyed and blended copies.
#include "skin/DibImage.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

#include "io/TextFile.h"
#include "skin/SkinLayout.h"

namespace felux {
namespace {

constexpr std::size_t kFileHeaderBytes = 14;
constexpr std::size_t kInfoHeaderBytes = 40;
constexpr std::size_t kHeadersBytes = kFileHeaderBytes + kInfoHeaderBytes;
// Larger info headers (V4, V5) are fine as long as the pixels lie beyond them.
constexpr std::uint32_t kMaxInfoHeaderBytes = 1024;

std::uint32_t U16(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t U32(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::int32_t I32(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::int32_t>(U32(b, at));
}

int StrideFor(int width) { return (width * 3 + 3) & ~3; }

// What the two headers promise, after checking that it is a bitmap we handle.
struct BmpLayout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    std::size_t pixelOffset = 0;
    int stride = 0;
    // The file must hold at least this many bytes for every row to be there.
    std::size_t neededBytes = 0;
};

std::optional<BmpLayout> ReadHeaders(std::span<const unsigned char> b) {
    if (b.size() < 2 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    if (b.size() < kHeadersBytes) return std::nullopt;
    const std::uint32_t offset = U32(b, 10);
    const std::uint32_t infoSize = U32(b, 14);
    const std::int32_t width = I32(b, 18);
    const std::int32_t height = I32(b, 22);
    if (infoSize < kInfoHeaderBytes || infoSize > kMaxInfoHeaderBytes) return std::nullopt;
    if (offset < kFileHeaderBytes + infoSize) return std::nullopt;
    if (U16(b, 26) != 1 || U16(b, 28) != 24 || U32(b, 30) != 0) return std::nullopt;  // planes, bits, BI_RGB
    if (width < 1 || width > DibImage::kMaxSide) return std::nullopt;
    if (height == 0 || height < -DibImage::kMaxSide || height > DibImage::kMaxSide) return std::nullopt;
    BmpLayout layout;
    layout.width = width;
    layout.height = height < 0 ? -height : height;
    layout.topDown = height < 0;
    layout.pixelOffset = offset;
    layout.stride = StrideFor(width);
    // The header's image size is not trusted: the rows need stride x height
    // bytes whatever it says, and reading more would run past them.
    layout.neededBytes = offset + static_cast<std::size_t>(layout.stride) * static_cast<std::size_t>(layout.height);
    return layout;
}

// A copy rectangle clipped to both images.
struct Clipped {
    int destX, destY, srcX, srcY, width, rows;
};

std::optional<Clipped> ClipToBoth(int destW, int destH, int srcW, int srcH, long long destX, long long destY,
                                  long long srcX, long long srcY, long long width, long long rows) {
    auto clipAxis = [](long long& d, long long& s, long long& len, long long dLimit, long long sLimit) {
        const long long shift = std::max({0LL, -d, -s});
        d += shift;
        s += shift;
        len -= shift;
        len = std::min({len, dLimit - d, sLimit - s});
        return len > 0;
    };
    if (!clipAxis(destX, srcX, width, destW, srcW)) return std::nullopt;
    if (!clipAxis(destY, srcY, rows, destH, srcH)) return std::nullopt;
    return Clipped{static_cast<int>(destX), static_cast<int>(destY), static_cast<int>(srcX),
                   static_cast<int>(srcY),  static_cast<int>(width), static_cast<int>(rows)};
}

bool IsWhite(const unsigned char* p) { return p[0] == 255 && p[1] == 255 && p[2] == 255; }
bool IsBlack(const unsigned char* p) { return p[0] == 0 && p[1] == 0 && p[2] == 0; }

}  // namespace

unsigned char Mix(unsigned char dest, unsigned char source, int level) {
    const int d = dest;
    const int s = source;
    if (d < s) return static_cast<unsigned char>(std::clamp(d + (level + s - d) / 2, d, s));
    if (s < d) return static_cast<unsigned char>(std::clamp(s + (d - level - s) / 2, s, d));
    return source;
}

bool DibImage::Create(int width, int height, Rgb colour) {
    Free();
    if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide) return false;
    width_ = width;
    height_ = height;
    stride_ = StrideFor(width);
    pixels_.assign(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_), 0);
    FillColor(0, 0, width, height, colour);
    return true;
}

bool DibImage::LoadFromBytes(std::span<const unsigned char> bytes) {
    Free();
    const std::optional<BmpLayout> layout = ReadHeaders(bytes);
    if (!layout || bytes.size() < layout->neededBytes) return false;
    width_ = layout->width;
    height_ = layout->height;
    stride_ = layout->stride;
    pixels_.resize(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_));
    const auto rowBytes = static_cast<std::size_t>(stride_);
    for (int y = 0; y < height_; ++y) {
        const int fileRow = layout->topDown ? y : height_ - 1 - y;
        std::memcpy(pixels_.data() + rowBytes * static_cast<std::size_t>(y),
                    bytes.data() + layout->pixelOffset + rowBytes * static_cast<std::size_t>(fileRow), rowBytes);
    }
    return true;
}

bool DibImage::LoadFromFile(const std::filesystem::path& path) {
    Free();
    // The headers first, so that a foreign or damaged file costs one small read.
    const std::optional<std::string> head = io::ReadFileBounded(path, kHeadersBytes);
    if (!head) return false;
    const std::optional<BmpLayout> layout =
        ReadHeaders(std::span(reinterpret_cast<const unsigned char*>(head->data()), head->size()));
    if (!layout) return false;
    const std::optional<std::string> whole = io::ReadFileBounded(path, layout->neededBytes);
    if (!whole) return false;
    return LoadFromBytes(std::span(reinterpret_cast<const unsigned char*>(whole->data()), whole->size()));
}

void DibImage::Free() {
    pixels_.clear();
    pixels_.shrink_to_fit();
    width_ = height_ = stride_ = 0;
    unit_ = 1;
}

bool DibImage::SetUnit(int unit) {
    if (unit < 1 || unit > kMaxUnit) return false;
    unit_ = unit;
    return true;
}

std::optional<Rgb> DibImage::PixelAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return std::nullopt;
    const unsigned char* p = pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_) +
                             static_cast<std::size_t>(x) * 3;
    return Rgb{p[2], p[1], p[0]};
}

void DibImage::CopyRows(DibImage& dest, int destX, int destY, int srcX, int srcY, int width, int rows) const {
    Copy(Rule::Opaque, 0, dest, destX, destY, srcX, srcY, width, rows);
}
void DibImage::CopyKeyWhite(DibImage& dest, int destX, int destY, int srcX, int srcY, int width, int rows) const {
    Copy(Rule::KeyWhite, 0, dest, destX, destY, srcX, srcY, width, rows);
}
void DibImage::CopyKeyBlack(DibImage& dest, int destX, int destY, int srcX, int srcY, int width, int rows) const {
    Copy(Rule::KeyBlack, 0, dest, destX, destY, srcX, srcY, width, rows);
}
void DibImage::CopyBlend(DibImage& dest, int destX, int destY, int srcX, int srcY, int width, int rows,
                         int level) const {
    Copy(Rule::Blend, level, dest, destX, destY, srcX, srcY, width, rows);
}

void DibImage::Copy(Rule rule, int level, DibImage& dest, int destX, int destY, int srcX, int srcY, int width,
                    int rows) const {
    if (Empty() || dest.Empty()) return;
    const long long u = unit_;
    const std::optional<Clipped> c = ClipToBoth(dest.width_, dest.height_, width_, height_, u * destX, u * destY,
                                                u * srcX, u * srcY, u * width, u * rows);
    if (!c) return;
    const auto rowBytes = static_cast<std::size_t>(c->width) * 3;
    auto at = [](int stride, int x, int y) {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(stride) + static_cast<std::size_t>(x) * 3;
    };
    // Within one image the source is taken first, so an overlapping copy reads
    // no pixel it has already written.
    std::vector<unsigned char> snapshot;
    const unsigned char* src = pixels_.data();
    std::size_t srcStart = at(stride_, c->srcX, c->srcY);
    std::size_t srcStep = static_cast<std::size_t>(stride_);
    if (&dest == this) {
        snapshot.resize(rowBytes * static_cast<std::size_t>(c->rows));
        for (int i = 0; i < c->rows; ++i)
            std::memcpy(snapshot.data() + rowBytes * static_cast<std::size_t>(i),
                        src + srcStart + srcStep * static_cast<std::size_t>(i), rowBytes);
        src = snapshot.data();
        srcStart = 0;
        srcStep = rowBytes;
    }
    for (int i = 0; i < c->rows; ++i) {
        const unsigned char* s = src + srcStart + srcStep * static_cast<std::size_t>(i);
        unsigned char* d = dest.pixels_.data() + at(dest.stride_, c->destX, c->destY + i);
        if (rule == Rule::Opaque) {
            std::memcpy(d, s, rowBytes);
            continue;
        }
        for (int x = 0; x < c->width; ++x, s += 3, d += 3) {
            if (rule == Rule::KeyBlack ? IsBlack(s) : IsWhite(s)) continue;
            if (rule == Rule::Blend) {
                for (int ch = 0; ch < 3; ++ch) d[ch] = Mix(d[ch], s[ch], level);
            } else {
                d[0] = s[0];
                d[1] = s[1];
                d[2] = s[2];
            }
        }
    }
}

void DibImage::FillColor(int x, int y, int width, int height, Rgb colour) {
    if (Empty()) return;
    const long long u = unit_;
    const long long x0 = std::max(0LL, u * x);
    const long long y0 = std::max(0LL, u * y);
    const long long x1 = std::min<long long>(width_, u * x + u * width);
    const long long y1 = std::min<long long>(height_, u * y + u * height);
    for (long long row = y0; row < y1; ++row) {
        unsigned char* p = pixels_.data() + static_cast<std::size_t>(row) * static_cast<std::size_t>(stride_) +
                           static_cast<std::size_t>(x0) * 3;
        for (long long col = x0; col < x1; ++col, p += 3) {
            p[0] = colour.b;
            p[1] = colour.g;
            p[2] = colour.r;
        }
    }
}

namespace {

// The letters at the image's own resolution: a font of n pixels is drawn n x unit pixels tall.
TextFont FontForUnit(TextFont font, int unit) {
    if (font.height != 0 && std::abs(font.height) <= std::numeric_limits<int>::max() / unit) font.height *= unit;
    return font;
}

// A drawn size back in units, rounded up so that the text's room covers all of it.
int InUnits(int pixels, int unit) { return pixels / unit + (pixels % unit != 0 ? 1 : 0); }

}  // namespace

TextExtent DibImage::DrawTextInPixels(TextPainter& painter, std::string_view utf8, int x, int y,
                                     const TextFont& font) {
    // The painter places and measures in pixels: it sees the image as one pixel a unit.
    const long long u = std::exchange(unit_, 1);
    const TextExtent drawn =
        painter.Draw(*this, static_cast<int>(std::clamp(u * x, -(1LL << 30), 1LL << 30)),
                     static_cast<int>(std::clamp(u * y, -(1LL << 30), 1LL << 30)), utf8,
                     FontForUnit(font, static_cast<int>(u)));
    unit_ = static_cast<int>(u);
    return drawn;
}

int DibImage::DrawTextWidth(TextPainter& painter, std::string_view utf8, int x, int y, const TextFont& font) {
    if (Empty()) return 0;
    return InUnits(DrawTextInPixels(painter, utf8, x, y, font).width, unit_) + 3;
}

int DibImage::DrawTextHeight(TextPainter& painter, std::string_view utf8, int x, int y, const TextFont& font) {
    if (Empty()) return 0;
    return InUnits(DrawTextInPixels(painter, utf8, x, y, font).height, unit_);
}

void DibImage::Present(PixelSink& target, int x, int y, int width, int height, Rect to) const {
    if (Empty() || to.width <= 0 || to.height <= 0) return;
    const long long u = unit_;
    const std::optional<Clipped> c =
        ClipToBoth(width_, height_, width_, height_, u * x, u * y, u * x, u * y, u * width, u * height);
    if (!c) return;
    PixelView view;
    view.first = pixels_.data() + static_cast<std::size_t>(c->srcY) * static_cast<std::size_t>(stride_) +
                 static_cast<std::size_t>(c->srcX) * 3;
    view.width = c->width;
    view.height = c->rows;
    view.rowStep = stride_;
    target.Present(view, to);
}

void DibImage::PaintTo(PixelSink& target) const {
    const int w = std::min(skin::kPaintedWidth, width_ / unit_);
    const int h = std::min(skin::kPaintedRows, height_ / unit_);
    Present(target, 0, 0, skin::kPaintedWidth, skin::kPaintedRows, Rect{0, 0, w, h});
}

void DibImage::StretchTo(PixelSink& target, int targetWidth, int targetHeight, int stripHeight,
                         int sourceHeight) const {
    constexpr int kStripX = 320;
    constexpr int kStripY = 250;
    constexpr int kStripWidth = 319;
    Present(target, kStripX, kStripY, kStripWidth, sourceHeight,
            Rect{0, targetHeight - stripHeight, targetWidth, stripHeight});
}

}  // namespace felux
