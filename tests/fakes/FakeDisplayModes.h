// Display-mode port fake: a fixed table of modes and a record of switches and restores.
#pragma once

#include <vector>

#include "platform/DisplayModes.h"

namespace felux::test {

class FakeDisplayModes : public DisplayModes {
public:
    std::optional<DisplayMode> Enumerate(int number) override {
        ++enumerations;
        if (number < 0 || static_cast<std::size_t>(number) >= modes.size()) return std::nullopt;
        return modes[static_cast<std::size_t>(number)];
    }
    bool Switch(int number) override {
        switched = number;
        return true;
    }
    void Restore() override { ++restores; }

    std::vector<DisplayMode> modes{{1280, 1024, 24}, {800, 600, 24}};
    int switched = -1;
    int restores = 0;
    int enumerations = 0;
};

}  // namespace felux::test
