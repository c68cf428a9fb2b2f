// The main window's process-wide state and the commands pending for the tick.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/PendingCommands.h"

namespace felux {

// Ticks the zoom and mode read-out stays on the panel.
inline constexpr int kReadoutTicks = 35;
// The layout countdown a new size starts; the layout step runs two ticks later.
inline constexpr int kLayoutStartCountdown = 10;

struct PlayerState {
    int initialised = 0;
    int exitRequested = 0;
    int layoutCountdown = 0;   // ticks; the layout step runs when it reaches 8
    int startState = 0;        // 1 opened, waits for layout; 2 layout done, start pending
    int startDelay = 0;        // ticks before a segment entry starts
    int keyWaitTicks = 0;
    int sourceRectCountdown = 0;
    int mediaClosed = 1;
    int paused = 0;
    int wheelStep = 0;         // -9 .. 9
    int hasVideo = 0;
    int fullScreen = 0;
    int panelFramePending = 0;
    int modalDialogUp = 0;
    int appActive = 0;
    int videoFocusWait = 0;
    int panelHover = 0;
    int volumeLevel = 62;      // the live level 0..62
    int abState = 0;           // 0 off .. 4 looping
    int editorOpen = 0;
    int displayModeChanged = 0;
    int shuffleOrderCount = 0;  // the count the shuffle order was built for
    bool segmentActive = false;
    std::int64_t segmentStartMs = 0;
    std::int64_t segmentEndMs = 0;
    std::int64_t abA = 0;      // milliseconds
    std::int64_t abB = 0;
    int playbackRate = 1000;   // thousandths of normal speed
    int searchTick = 0;        // 0 .. searchWait; searches act when it is 0
    int progress = 0;          // position along the 138-pixel progress bar
    int pendingWheelNotch = 0;
    int newFileDisplayTimer = 0;
    int windowMode = 0;        // 0 normal, 1 minimised, 2 video only
    int readoutCountdown = 0;  // ticks the zoom read-out stays on the panel
    int videoDisplayWidth = 0;   // the picture's size on screen
    int videoDisplayHeight = 0;
    PendingCommands requests;
};

}  // namespace felux
