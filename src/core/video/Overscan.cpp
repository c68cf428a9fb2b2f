// The source rectangle that hides the overscan margins of the picture.
#include "video/Overscan.h"

#include <algorithm>
#include <cmath>

namespace felux {
namespace {

// Scales come from percentages (98 / 100); without the nudge 1000 x 0.7 truncates to 699.
constexpr double kTruncationNudge = 1e-9;

double LimitScale(double scale) {
    if (std::isnan(scale)) return 1.0;
    return std::clamp(scale, kMinOverscanScale, 1.0);
}

int Truncate(double value) { return static_cast<int>(value + kTruncationNudge); }

// Length and start of the kept part of one side.
void Span(int side, double scale, int& start, int& length) {
    length = std::clamp(Truncate(side * scale), 1, side);
    start = Truncate(side * (1.0 - scale)) / 2;
    start = std::min(start, side - length);
}

}  // namespace

SourceRect OverscanSourceRect(VideoSize native, double scaleX, double scaleY) {
    if (native.width < 1 || native.height < 1) return {};
    SourceRect r;
    Span(native.width, LimitScale(scaleX), r.x, r.width);
    Span(native.height, LimitScale(scaleY), r.y, r.height);
    return r;
}

}  // namespace felux
