// The main window's focus, full screen and the picture's place: written by the video layout
// alone, read by every other part through the player's const state.
#pragma once

namespace felux {

// Ticks the zoom and mode read-out stays on the panel.
inline constexpr int kReadoutTicks = 35;

struct LayoutStatus {
    bool appActive = false;
    bool fullScreen = false;
    bool displayModeChanged = false;
    bool lyricsView = false;    // Y asked for the lyrics view; it shows while a sound file has timed text
    int readoutCountdown = 0;   // ticks the zoom read-out stays on the panel
    int videoDisplayWidth = 0;  // the picture's size on screen
    int videoDisplayHeight = 0;
};

}  // namespace felux
