// Zoom levels, the video size and offsets they give, and where the video window and picture go.
#pragma once

#include <optional>

#include "platform/MediaEngine.h"
#include "platform/WindowSystem.h"

namespace felux {

// Windowed levels 0..6: 0.5, 0.75, 1, 1.5, 2, 3, 4 times the picture.
inline constexpr int kWindowZoomMax = 6;
// Full-screen levels 0..4: 0.5, 0.75, 1, 1.5, 2 times (fitted when larger than the screen);
// 5 the largest whole multiple up to 10 that fits; 6 fit; 7 fill and crop; 8 stretch.
inline constexpr int kFullScreenZoomMax = 8;
inline constexpr int kFullScreenWholeMultiple = 5;
inline constexpr int kFullScreenFit = 6;
inline constexpr int kFullScreenFill = 7;
inline constexpr int kFullScreenStretch = 8;

// One level up or down, kept within the table of the current mode.
int ZoomIn(int level, bool fullScreen);
int ZoomOut(int level, bool fullScreen);

struct VideoSizeInput {
    VideoSize picture;  // after the aspect preset
    bool fullScreen = false;
    int windowZoomStep = 2;      // 0..6; out of range is clamped
    int fullScreenZoomStep = 5;  // 0..8; out of range is clamped
    Size screen;
    // The large timed text is shown under the picture.
    bool largeTimedText = false;
    // Windowed: the size of the desktop's work area. The window (picture and strip) is shrunk to
    // fit it, keeping the picture's shape. Unknown: only the bound of twice the screen holds.
    std::optional<Size> workArea;
};

struct VideoPlacement {
    VideoSize video;
    // Of the picture inside the full-screen video window; negative when filling crops it.
    int offsetX = 0;
    int offsetY = 0;
    // Height of the timed-text strip under the picture; 0 when none.
    int stripHeight = 0;
};

// A picture or screen with a side below 1 gives a 0 x 0 video, so nothing divides by zero.
VideoPlacement ComputeVideoSize(const VideoSizeInput& in);

// Windowed: whether one zoom step up would show a larger video; false once the video fills the
// work area, so that the level does not climb past what can be seen. True while nothing shows.
bool WindowedZoomGrows(const VideoSizeInput& in);

struct VideoLayoutInput {
    bool fullScreen = false;
    bool hasVideo = false;
    bool minimised = false;
    bool wheelSeekOff = false;
    bool largeTimedText = false;
    Size screen;
    // The video window's remembered top-left corner while windowed, in screen coordinates.
    int videoWindowX = 0;
    int videoWindowY = 0;
    // Windowed: where the window may stand; it is moved inside when it would hang out of it.
    std::optional<Rect> workArea;
};

struct VideoWindowLayout {
    Rect videoWindow;  // screen coordinates; zero size hides it
    Rect picture;      // in the video window
    // The focus-holding scroll bar, parked outside the visible picture.
    Rect scrollBar;
};

VideoWindowLayout LayoutVideoWindow(const VideoLayoutInput& in, const VideoPlacement& placement);

}  // namespace felux
