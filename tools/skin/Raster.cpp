// A plain RGB pixel grid with the few drawing primitives the skin artwork needs.
#include "Raster.h"

#include <algorithm>
#include <cstdint>

namespace felux::skintool {
namespace {

unsigned char Channel(int v) { return static_cast<unsigned char>(std::clamp(v, 1, 254)); }

void PutU16(std::string& s, unsigned v) {
    s.push_back(static_cast<char>(v & 0xFF));
    s.push_back(static_cast<char>((v >> 8) & 0xFF));
}
void PutU32(std::string& s, std::uint32_t v) {
    PutU16(s, v & 0xFFFF);
    PutU16(s, v >> 16);
}

}  // namespace

Rgb Shade(Rgb c, int delta) { return {Channel(c.r + delta), Channel(c.g + delta), Channel(c.b + delta)}; }

Rgb Blend(Rgb a, Rgb b, int p) {
    auto mix = [p](int x, int y) { return static_cast<unsigned char>((x * (100 - p) + y * p + 50) / 100); };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

Raster::Raster(int width, int height, Rgb fill)
    : width_(width), height_(height), px_(static_cast<std::size_t>(width * height), fill) {}

Rgb Raster::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    return px_[static_cast<std::size_t>(y * width_ + x)];
}

void Raster::Set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    px_[static_cast<std::size_t>(y * width_ + x)] = c;
}

void Raster::Fill(Rect r, Rgb c) {
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x) Set(x, y, c);
}

void Raster::VerticalGradient(Rect r, Rgb top, Rgb bottom) {
    for (int i = 0; i < r.height; ++i) {
        const int p = r.height > 1 ? i * 100 / (r.height - 1) : 0;
        Fill({r.x, r.y + i, r.width, 1}, Blend(top, bottom, p));
    }
}

void Raster::Bevel(Rect r, Rgb light, Rgb dark) {
    Fill({r.x, r.y, r.width, 1}, light);
    Fill({r.x, r.y, 1, r.height}, light);
    Fill({r.x, r.y + r.height - 1, r.width, 1}, dark);
    Fill({r.x + r.width - 1, r.y, 1, r.height}, dark);
}

void Raster::Frame(Rect r, Rgb c) { Bevel(r, c, c); }

void Raster::Paste(const Raster& src, Rect from, int x, int y) {
    for (int j = 0; j < from.height; ++j)
        for (int i = 0; i < from.width; ++i) Set(x + i, y + j, src.Get(from.x + i, from.y + j));
}

std::string Raster::ToBmp() const {
    const int stride = (width_ * 3 + 3) & ~3;
    const auto imageBytes = static_cast<std::uint32_t>(stride * height_);
    std::string s;
    s.reserve(54 + imageBytes);
    s += "BM";
    PutU32(s, 54 + imageBytes);
    PutU32(s, 0);
    PutU32(s, 54);
    PutU32(s, 40);
    PutU32(s, static_cast<std::uint32_t>(width_));
    PutU32(s, static_cast<std::uint32_t>(height_));  // positive: bottom row first
    PutU16(s, 1);
    PutU16(s, 24);
    PutU32(s, 0);
    PutU32(s, imageBytes);
    PutU32(s, 2835);  // 72 dpi
    PutU32(s, 2835);
    PutU32(s, 0);
    PutU32(s, 0);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const Rgb c = Get(x, y);
            s.push_back(static_cast<char>(c.b));
            s.push_back(static_cast<char>(c.g));
            s.push_back(static_cast<char>(c.r));
        }
        s.append(static_cast<std::size_t>(stride - width_ * 3), '\0');
    }
    return s;
}

}  // namespace felux::skintool
