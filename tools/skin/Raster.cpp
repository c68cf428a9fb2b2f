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

Raster::Raster(int width, int height, Rgb fill, int scale)
    : width_(width),
      height_(height),
      scale_(scale),
      px_(static_cast<std::size_t>(width * scale * height * scale), fill) {}

Rgb Raster::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return {};
    return GetFine(x * scale_, y * scale_);
}

void Raster::Set(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    for (int j = 0; j < scale_; ++j)
        for (int i = 0; i < scale_; ++i) SetFine(x * scale_ + i, y * scale_ + j, c);
}

Rgb Raster::GetFine(int fx, int fy) const {
    if (fx < 0 || fy < 0 || fx >= width_ * scale_ || fy >= height_ * scale_) return {};
    return px_[static_cast<std::size_t>(fy * width_ * scale_ + fx)];
}

void Raster::SetFine(int fx, int fy, Rgb c) {
    if (fx < 0 || fy < 0 || fx >= width_ * scale_ || fy >= height_ * scale_) return;
    px_[static_cast<std::size_t>(fy * width_ * scale_ + fx)] = c;
}

void Raster::Fill(Rect r, Rgb c) {
    for (int y = r.y; y < r.y + r.height; ++y)
        for (int x = r.x; x < r.x + r.width; ++x) Set(x, y, c);
}

void Raster::VerticalGradient(Rect r, Rgb top, Rgb bottom) {
    // Every bitmap row takes its own step: at 2x the ramp is twice as fine.
    const int rows = r.height * scale_;
    for (int i = 0; i < rows; ++i) {
        const Rgb c = Blend(top, bottom, rows > 1 ? i * 100 / (rows - 1) : 0);
        for (int fx = r.x * scale_; fx < (r.x + r.width) * scale_; ++fx) SetFine(fx, r.y * scale_ + i, c);
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
    const int s = scale_;
    for (int j = 0; j < from.height * s; ++j)
        for (int i = 0; i < from.width * s; ++i)
            SetFine(x * s + i, y * s + j, src.GetFine(from.x * s + i, from.y * s + j));
}

std::string Raster::ToBmp() const {
    const int width = width_ * scale_;
    const int height = height_ * scale_;
    const int stride = (width * 3 + 3) & ~3;
    const auto imageBytes = static_cast<std::uint32_t>(stride * height);
    std::string s;
    s.reserve(54 + imageBytes);
    s += "BM";
    PutU32(s, 54 + imageBytes);
    PutU32(s, 0);
    PutU32(s, 54);
    PutU32(s, 40);
    PutU32(s, static_cast<std::uint32_t>(width));
    PutU32(s, static_cast<std::uint32_t>(height));  // positive: bottom row first
    PutU16(s, 1);
    PutU16(s, 24);
    PutU32(s, 0);
    PutU32(s, imageBytes);
    PutU32(s, 2835);  // 72 dpi
    PutU32(s, 2835);
    PutU32(s, 0);
    PutU32(s, 0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = GetFine(x, y);
            s.push_back(static_cast<char>(c.b));
            s.push_back(static_cast<char>(c.g));
            s.push_back(static_cast<char>(c.r));
        }
        s.append(static_cast<std::size_t>(stride - width * 3), '\0');
    }
    return s;
}

}  // namespace felux::skintool
