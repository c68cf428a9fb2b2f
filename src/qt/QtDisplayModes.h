// Display modes where switching is not available: the current mode only.
#pragma once

#include "platform/DisplayModes.h"

namespace felux {

class QtDisplayModes : public DisplayModes {
public:
    std::optional<DisplayMode> Enumerate(int number) override;
    bool Switch(int number) override;
    void Restore() override {}
};

}  // namespace felux
