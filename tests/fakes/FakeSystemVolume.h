// Wave-out volume port fake: holds one value and counts the writes.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/SystemVolume.h"

namespace felux::test {

class FakeSystemVolume : public SystemVolume {
public:
    std::optional<std::uint32_t> GetWaveOutVolume() override { return value; }
    void SetWaveOutVolume(std::uint32_t v) override {
        value = v;
        ++sets;
    }

    std::optional<std::uint32_t> value = 0xFFFFFFFFu;
    int sets = 0;
};

}  // namespace felux::test
