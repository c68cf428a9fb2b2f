// The wave-out volume port on mpv's `ao-volume`: our own stream's level in the sound server.
#include "MpvSystemVolume.h"

#include <cmath>

#include "MpvConvert.h"

namespace felux {

namespace {
// ao-volume comes back through the sound server's integer steps; closer than this is "ours".
constexpr double kSameLevel = 0.5;
}  // namespace

std::optional<std::uint32_t> MpvSystemVolume::GetWaveOutVolume() {
    const std::optional<double> current = engine_.OutputVolume();
    if (current && (!remembered_ || std::fabs(*current - mpv::WaveOutToAoVolume(*remembered_)) > kSameLevel)) {
        return mpv::AoVolumeToWaveOut(*current);
    }
    // Returned unchanged, so that a value read at start-up and written back at exit is the same.
    return remembered_;
}

void MpvSystemVolume::SetWaveOutVolume(std::uint32_t value) {
    remembered_ = value;
    engine_.SetOutputVolume(mpv::WaveOutToAoVolume(value));
}

}  // namespace felux
