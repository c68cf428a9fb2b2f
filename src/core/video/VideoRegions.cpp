// The visible rows of the picture under scan lines and the line mask, as window regions.
#include "video/VideoRegions.h"

#include <algorithm>
#include <cstdint>

namespace felux {
namespace {

// Pixel amounts beyond this hide everything anyway; the bound keeps the arithmetic small.
constexpr int kMaxPixelAmount = 1 << 24;

struct MaskLimits {
    int lastTopRow = -1;  // rows up to this are hidden
    int bottomRows = 0;   // rows from H - bottomRows - 1 are hidden
    bool top = false;
    bool bottom = false;
    int x0 = 0;
    int x1 = 0;  // columns kept: x0 .. W - x1
};

int Amount(int value, bool percent, int side) {
    if (percent) {
        const std::int64_t p = std::clamp(value, 0, 100);
        return static_cast<int>(p * side / 100);
    }
    return std::clamp(value, 0, kMaxPixelAmount);
}

MaskLimits Limits(const VideoRegionsInput& in) {
    MaskLimits m;
    const LineMaskAmounts& a = in.mask;
    const int w = in.video.width;
    const int h = in.video.height;
    m.top = a.top > 0;
    m.bottom = a.bottom > 0;
    // A pixel count n hides n rows; a percentage hides one row more than its share.
    m.lastTopRow = a.topPercent ? Amount(a.top, true, h) : Amount(a.top, false, h) - 1;
    m.bottomRows = a.bottomPercent ? Amount(a.bottom, true, h) : Amount(a.bottom, false, h) - 1;
    m.x0 = Amount(a.left, a.leftPercent, w);
    m.x1 = Amount(a.right, a.rightPercent, w);
    return m;
}

bool MaskOn(const VideoRegionsInput& in) {
    return in.lineMaskMode == kLineMaskInside || in.lineMaskMode == kLineMaskCutWindow;
}

bool MaskedRow(const VideoRegionsInput& in, const MaskLimits& m, int row) {
    if (!MaskOn(in)) return false;
    const std::int64_t h = in.video.height;
    return (m.top && row <= m.lastTopRow) || (m.bottom && row >= h - m.bottomRows - 1);
}

bool ScanLineRow(const VideoRegionsInput& in, int row) {
    if (!in.scanLinesOn) return false;
    switch (in.scanLinePattern) {
        case kScanLinesAuto: {
            // Only an enlarged picture has several rows per source line to thin out.
            if (in.pictureHeight < 1 || in.pictureHeight >= in.video.height) return false;
            const int n = in.video.height / in.pictureHeight;
            const int half = n / 2;
            return half > 0 && row % n >= half;
        }
        case kScanLinesEveryOther:
            return row % 2 != 0;
        case kScanLinesKeepThird:
            return row % 3 > 0;
        case kScanLinesKeepTwoOfFour:
            return row % 4 > 1;
        default:
            return false;
    }
}

// Appends [x0, x1) for `rows`, merging runs of consecutive rows into one rectangle.
template <typename Visible>
void AddRuns(std::vector<Rect>& out, int rows, int x0, int x1, Visible visible) {
    if (x1 <= x0) return;
    int start = -1;
    for (int row = 0; row <= rows; ++row) {
        const bool on = row < rows && visible(row);
        if (on && start < 0) start = row;
        if (!on && start >= 0) {
            out.push_back({x0, start, x1 - x0, row - start});
            start = -1;
        }
    }
}

}  // namespace

VideoRegions ComputeVideoRegions(const VideoRegionsInput& in) {
    VideoRegions out;
    const int w = in.video.width;
    const int h = in.video.height;
    if (w < 1 || h < 1) return out;
    const MaskLimits m = Limits(in);
    const bool mask = MaskOn(in);
    const int x0 = mask ? m.x0 : 0;
    const int x1 = mask ? w - m.x1 : w;
    AddRuns(out.picture, h, x0, x1,
            [&](int row) { return !MaskedRow(in, m, row) && !ScanLineRow(in, row); });
    // No spans at all would leave the picture unshaped, the opposite of a mask that hides it all.
    if (out.picture.empty()) out.picture.push_back(kNoVisibleSpan);

    if (in.lineMaskMode == kLineMaskCutWindow && !in.fullScreen) {
        std::vector<Rect> window;
        AddRuns(window, h, x0, x1, [&](int row) { return !MaskedRow(in, m, row); });
        // The timed-text strip below the picture is not masked: cutting it would hide the text.
        if (in.stripHeight > 0) window.push_back({0, h, w, in.stripHeight});
        if (window.empty()) window.push_back(kNoVisibleSpan);
        out.videoWindow = std::move(window);
    }
    return out;
}

}  // namespace felux
