// The wave-out volume port on mpv's `ao-volume`: our own stream's level in the sound server.
#pragma once

#include <cstdint>
#include <optional>

#include "MpvEngine.h"
#include "platform/SystemVolume.h"

namespace felux {

class MpvSystemVolume : public SystemVolume {
public:
    // The engine whose instances carry the audio output; it must outlive this object.
    explicit MpvSystemVolume(MpvEngine& engine) : engine_(engine) {}

    // The value last set, unless the current output reports a different level (changed in the
    // sound server's mixer); nullopt while neither is known.
    std::optional<std::uint32_t> GetWaveOutVolume() override;
    // Remembered while no audio output exists and applied to every output that appears.
    void SetWaveOutVolume(std::uint32_t value) override;

private:
    MpvEngine& engine_;
    std::optional<std::uint32_t> remembered_;
};

}  // namespace felux
