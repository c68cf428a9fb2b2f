// Port: the system wave-out volume, the mixer level the player may drive instead of the graph's own.
#pragma once

#include <cstdint>
#include <optional>

namespace felux {

class SystemVolume {
public:
    virtual ~SystemVolume() = default;
    // Wave-out value: low word = left channel, high word = right channel, each 0 .. 0xFFFF.
    // nullopt while nothing reports a level (no audio output yet, nothing set): a made-up
    // value would later be written back over the user's mixer.
    virtual std::optional<std::uint32_t> GetWaveOutVolume() = 0;
    virtual void SetWaveOutVolume(std::uint32_t value) = 0;
};

}  // namespace felux
