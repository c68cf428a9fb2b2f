// The main window's process-wide state and the request flags the tick carries out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace felux {

// Ticks the zoom and mode read-out stays on the panel.
inline constexpr int kReadoutTicks = 35;
// The layout countdown a new size starts; the layout step runs two ticks later.
inline constexpr int kLayoutStartCountdown = 10;

// Request flags: 0 = nothing pending.
struct Requests {
    int wheelNotch = 0;        // signed notch for the wheel seek
    int stop = 0;
    int endOfListStop = 0;
    int file = 0;              // 1 open-file dialog, 2 toggle the editor
    int settings = 0;
    int play = 0;
    int shuffleToggle = 0;
    int repeatToggle = 0;
    int playSelected = 0;
    int fastForward = 0;       // 1 next entry; 2 search start, 3 searching, 4 released
    int rewind = 0;            // 1 previous entry; 2, 3, 4 as above
    int oneShotSearch = 0;     // 1 rewind, 2 fast forward
    int volumeChanged = 0;
    int pauseToggle = 0;
    int frameStep = 0;         // -1 or +1
    int newVideoSize = 0;
    int middleClick = 0;
    int panelReplace = 0;      // re-place the panel after the main window moved
    int fullScreen = 0;        // toggle full screen
    int progressDrag = 0;      // the progress bar set the position this tick
    std::optional<std::int64_t> seekTo;  // a remote's absolute seek, 100 ns units
};

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
    Requests requests;
};

}  // namespace felux
