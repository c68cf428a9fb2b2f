// Pure conversions between the player's units and mpv's: time, volume, source rectangle.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/MediaEngine.h"

namespace felux::mpv {

// Seconds (mpv) to media time, rounded; NaN and infinities give 0, huge values saturate.
MediaTime SecondsToTime(double seconds);
double TimeToSeconds(MediaTime time);

// Wave-out value (low word left, high word right, 0..0xFFFF each) to `ao-volume` 0..100.
// mpv has one level for both channels, so the two words are averaged.
double WaveOutToAoVolume(std::uint32_t waveOut);
// `ao-volume` (clamped to 0..100) to a wave-out value with both channels equal.
std::uint32_t AoVolumeToWaveOut(double percent);

// A picture side beyond this is a broken stream's, not a picture's.
inline constexpr std::int64_t kLargestPictureSide = 1'000'000;
// mpv's `volume` and `ao-volume` scales: 0 silence, 100 as recorded.
inline constexpr double kMpvVolumeFull = 100.0;
// The playback speeds mpv accepts.
inline constexpr double kSlowestSpeed = 0.01;
inline constexpr double kFastestSpeed = 100.0;

// The picture as it is shown: the stored size widened (or heightened) by the pixels' shape as mpv
// does, then turned by the rotation. A pixel aspect that is not a finite positive number counts
// as square; a result beyond a million pixels a side is unknown (0x0).
VideoSize DisplayedSize(VideoSize stored, std::int64_t rotationDegrees, double pixelAspect);

// mpv's video-scale and video-pan values that stretch one source rectangle over the window.
struct PanScale {
    double scaleX = 1.0;
    double scaleY = 1.0;
    double panX = 0.0;
    double panY = 0.0;
};
// The rectangle is clipped to the native picture; nullopt, an unknown native size or a rectangle
// with nothing left after clipping show the whole picture.
PanScale PanScaleForSourceRect(VideoSize native, const std::optional<SourceRect>& rect);

}  // namespace felux::mpv
