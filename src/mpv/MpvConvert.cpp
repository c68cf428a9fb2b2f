// Pure conversions between the player's units and mpv's: time, volume, source rectangle.
#include "MpvConvert.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace felux::mpv {

MediaTime SecondsToTime(double seconds) {
    if (!std::isfinite(seconds)) return MediaTime{};
    const double ticks = std::round(std::chrono::duration<double>(seconds) / MediaTime(1));
    // 2^63 is exactly representable; anything at or beyond it would overflow the conversion.
    constexpr double kLimit = 9.2e18;
    if (ticks >= kLimit) return MediaTime::max();
    if (ticks <= -kLimit) return MediaTime::min();
    return MediaTime(static_cast<MediaTime::rep>(ticks));
}

double TimeToSeconds(MediaTime time) { return std::chrono::duration<double>(time).count(); }

double WaveOutToAoVolume(std::uint32_t waveOut) {
    const double left = static_cast<double>(waveOut & 0xFFFFu);
    const double right = static_cast<double>(waveOut >> 16);
    return (left + right) / 2.0 / 65535.0 * kMpvVolumeFull;
}

std::uint32_t AoVolumeToWaveOut(double percent) {
    if (!std::isfinite(percent)) percent = 0.0;
    percent = std::clamp(percent, 0.0, kMpvVolumeFull);
    const auto word = static_cast<std::uint32_t>(std::lround(percent / kMpvVolumeFull * 65535.0));
    return (word << 16) | word;
}

namespace {

// One axis: the part [start, start + size) of a native extent, clipped. Returns {scale, pan},
// or nothing when the part is empty.
std::optional<std::pair<double, double>> AxisPanScale(int native, int start, int size) {
    const long long lo = std::max<long long>(start, 0);
    const long long hi = std::min<long long>(static_cast<long long>(start) + size, native);
    if (hi <= lo) return std::nullopt;
    const double n = static_cast<double>(native);
    const double w = static_cast<double>(hi - lo);
    // mpv places the scaled picture at (window - scaled) / 2 + pan * scaled; solving for the
    // source column lo landing on the window's left edge gives this pan.
    const double scale = n / w;
    const double pan = ((n - w) / 2.0 - static_cast<double>(lo)) / n;
    return std::pair{std::min(scale, 10000.0), std::clamp(pan, -3.0, 3.0)};
}

}  // namespace

VideoSize DisplayedSize(VideoSize stored, std::int64_t rotationDegrees, double pixelAspect) {
    constexpr auto kLargest = static_cast<double>(kLargestPictureSide);
    double width = stored.width;
    double height = stored.height;
    if (std::isfinite(pixelAspect) && pixelAspect > 0) {
        if (pixelAspect > 1)
            width = std::round(width * pixelAspect);
        else
            height = std::round(height / pixelAspect);
    }
    if (!(width > 0 && height > 0 && width <= kLargest && height <= kLargest)) return {};
    if (((rotationDegrees % 180) + 180) % 180 == 90) std::swap(width, height);
    return {static_cast<int>(width), static_cast<int>(height)};
}

PanScale PanScaleForSourceRect(VideoSize native, const std::optional<SourceRect>& rect) {
    if (!rect || native.width <= 0 || native.height <= 0) return {};
    const auto x = AxisPanScale(native.width, rect->x, rect->width);
    const auto y = AxisPanScale(native.height, rect->y, rect->height);
    if (!x || !y) return {};
    return {x->first, y->first, x->second, y->second};
}

}  // namespace felux::mpv
