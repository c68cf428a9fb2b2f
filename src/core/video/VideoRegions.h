// The visible rows of the picture under scan lines and the line mask, as window regions.
#pragma once

#include <optional>
#include <vector>

#include "platform/MediaEngine.h"
#include "platform/WindowSystem.h"

namespace felux {

// scanLinePattern values.
enum ScanLinePattern : int {
    kScanLinesOff = 0,
    kScanLinesAuto = 1,   // hide the lower half of each enlarged source line
    kScanLinesEveryOther = 2,
    kScanLinesKeepThird = 3,  // keep one row of every three
    kScanLinesKeepTwoOfFour = 4,
};

// lineMaskMode values.
enum LineMaskMode : int {
    kLineMaskOff = 0,
    kLineMaskInside = 1,
    // Also cut the video window to the masked shape, so the desktop shows through (windowed only).
    kLineMaskCutWindow = 2,
};

struct LineMaskAmounts {
    // Pixels, or percent of the video height (top, bottom) or width (left, right).
    int top = 3;
    int bottom = 3;
    int left = 0;
    int right = 0;
    bool topPercent = true;
    bool bottomPercent = true;
    bool leftPercent = true;
    bool rightPercent = true;
};

struct VideoRegionsInput {
    VideoSize video;        // after zoom
    int pictureHeight = 0;  // before zoom; decides how many rows one source line became
    bool scanLinesOn = false;
    int scanLinePattern = kScanLinesAuto;
    int lineMaskMode = kLineMaskOff;
    LineMaskAmounts mask;
    bool fullScreen = false;
    // Rows of the timed-text strip under the picture in the windowed video window.
    int stripHeight = 0;
};

struct VideoRegions {
    // Of the picture, in its own coordinates: runs of visible rows, one rectangle per run;
    // kNoVisibleSpan alone when no row is visible.
    std::vector<Rect> picture;
    // Of the video window; nullopt leaves the window unshaped.
    std::optional<std::vector<Rect>> videoWindow;
};

// Negative mask amounts count as 0 and percentages above 100 as 100. A video with a side
// below 1 gives empty regions.
VideoRegions ComputeVideoRegions(const VideoRegionsInput& in);

}  // namespace felux
