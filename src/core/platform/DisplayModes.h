// Port: the primary display's modes, for switching in full screen.
#pragma once

#include <optional>

namespace felux {

struct DisplayMode {
    int width = 0;
    int height = 0;
    int bits = 0;
};

class DisplayModes {
public:
    virtual ~DisplayModes() = default;
    // The mode numbered `number` in the system's enumeration; nullopt past its end.
    virtual std::optional<DisplayMode> Enumerate(int number) = 0;
    virtual bool Switch(int number) = 0;
    // Back to the mode the desktop had before any switch.
    virtual void Restore() = 0;
};

}  // namespace felux
