// The display settings the keys and the panel change: raised as a command, which the player's
// command table applies to the settings record.
#pragma once

#include <optional>
#include <variant>

namespace felux {

// Scan lines on or off; the live switch follows the saved one.
struct ToggleScanLines {};
// The line mask through off, 1 and 2; the live mode follows the saved one.
struct CycleLineMask {};
// The timed text on the panel's display, or the title.
struct ToggleLyricsPanel {};
// Full screen's hidden panel: the wheel sets the volume instead of seeking.
struct SetMouseVolume {
    bool on;
};
struct SetAspectPreset {
    int index;
};
struct SetScanLinePattern {
    int pattern;
};
// The overscan scales, and the preset they came from when a preset was chosen.
struct SetOverscan {
    std::optional<int> preset;
    double scaleX;
    double scaleY;
};

using SettingsEdit = std::variant<ToggleScanLines, CycleLineMask, ToggleLyricsPanel, SetMouseVolume, SetAspectPreset,
                                  SetScanLinePattern, SetOverscan>;

}  // namespace felux
