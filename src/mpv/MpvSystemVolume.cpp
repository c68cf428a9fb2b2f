// The wave-out volume port on mpv's `ao-volume`: our own stream's level in the sound server.
#include "MpvSystemVolume.h"

#include <cmath>

#include "MpvConvert.h"

namespace felux {

namespace {
constexpr std::uint32_t kFull = 0xFFFFFFFFu;
// ao-volume comes back through the sound server's integer steps; closer than this is "ours".
constexpr double kSameLevel = 0.5;
}  // namespace

std::uint32_t MpvSystemVolume::GetWaveOutVolume() {
    const std::uint32_t remembered = remembered_.value_or(kFull);
    const std::optional<double> current = engine_.OutputVolume();
    if (current && std::fabs(*current - mpv::WaveOutToAoVolume(remembered)) > kSameLevel) {
        return mpv::AoVolumeToWaveOut(*current);
    }
    // Returned unchanged, so that a value read at start-up and written back at exit is the same.
    return remembered;
}

void MpvSystemVolume::SetWaveOutVolume(std::uint32_t value) {
    remembered_ = value;
    engine_.SetOutputVolume(mpv::WaveOutToAoVolume(value));
}

}  // namespace felux
