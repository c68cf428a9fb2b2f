// Zoom levels, the video size and offsets they give, and where the video window and picture go.
#include "video/VideoSize.h"

#include <algorithm>
#include <array>

namespace felux {
namespace {

constexpr std::array<float, kWindowZoomMax + 1> kWindowFactors{0.5f, 0.75f, 1.0f, 1.5f, 2.0f, 3.0f, 4.0f};
// Full-screen levels 0..4 share the first five windowed factors.
constexpr int kLastFixedFullScreenLevel = 4;
constexpr int kMaxWholeMultiple = 10;
// The timed-text strip is 16 lines for every 240 lines of the area it sits under.
constexpr double kStripLinesPer240 = 16.0;
constexpr int kScrollBarSide = 10;
constexpr int kScrollBarGap = 5;

int Scale(int side, float factor) { return static_cast<int>(static_cast<float>(side) * factor); }

VideoSize ScaleSize(VideoSize s, float factor) { return {Scale(s.width, factor), Scale(s.height, factor)}; }

// Largest size of the same shape that fits the screen; single precision like the rest.
// The side that limits takes the screen's length exactly, so that rounding never leaves a fitted
// size a pixel short and the next larger zoom a pixel larger.
VideoSize Fit(VideoSize s, Size screen) {
    const float sx = static_cast<float>(screen.width) / static_cast<float>(s.width);
    const float sy = static_cast<float>(screen.height) / static_cast<float>(s.height);
    VideoSize fitted = ScaleSize(s, std::min(sx, sy));
    if (sx <= sy) fitted.width = screen.width;
    if (sy <= sx) fitted.height = screen.height;
    return {std::min(fitted.width, screen.width), std::min(fitted.height, screen.height)};
}

bool Larger(VideoSize s, Size screen) { return s.width > screen.width || s.height > screen.height; }

// So many screens each way; a fixed size when the screen is not known.
Size SizeLimit(Size screen, int screensAcross) {
    constexpr int kUnknownScreenLimit = 4096;
    constexpr int kMaxScreenSide = 1 << 16;
    const auto side = [screensAcross](int s) {
        return s >= 1 && s <= kMaxScreenSide ? s * screensAcross : kUnknownScreenLimit;
    };
    return {side(screen.width), side(screen.height)};
}

void Centre(VideoPlacement& p, Size screen) {
    p.offsetX = (screen.width - p.video.width) / 2;
    p.offsetY = (screen.height - p.video.height) / 2;
}

VideoPlacement FullScreenSize(VideoSize picture, int level, Size screen) {
    VideoPlacement p;
    if (level <= kLastFixedFullScreenLevel) {
        p.video = ScaleSize(picture, kWindowFactors[static_cast<std::size_t>(level)]);
        if (Larger(p.video, screen)) p.video = Fit(p.video, screen);
    } else if (level == kFullScreenWholeMultiple) {
        p.video = picture;
        for (int i = kMaxWholeMultiple; i >= 1; --i) {
            if (screen.width >= picture.width * i && screen.height >= picture.height * i) {
                p.video = {picture.width * i, picture.height * i};
                break;
            }
        }
        if (Larger(p.video, screen)) p.video = Fit(p.video, screen);
    } else if (level == kFullScreenFit) {
        p.video = Fit(picture, screen);
    } else if (level == kFullScreenFill) {
        const float h = static_cast<float>(screen.width) / static_cast<float>(picture.width);
        const float v = static_cast<float>(screen.height) / static_cast<float>(picture.height);
        if (h > v) {
            p.video = {screen.width, Scale(picture.height, h)};
        } else {
            p.video = {Scale(picture.width, v), screen.height};
        }
    } else {
        p.video = {screen.width, screen.height};
    }
    Centre(p, screen);
    return p;
}

// The picture's share of a work area: with the strip under it (a fifteenth of the picture's
// height), at most fifteen sixteenths of the height, so that both fit.
Size PictureRoom(Size area, bool strip) {
    if (!strip) return area;
    return {area.width, static_cast<int>(static_cast<long long>(area.height) * 15 / 16)};
}

// Moves a window inside the area as far as it can; one larger than the area keeps its top left.
int Inside(int at, int side, int areaAt, int areaSide) {
    return std::max(areaAt, std::min(at, areaAt + areaSide - side));
}

}  // namespace

int ZoomIn(int level, bool fullScreen) {
    // Clamped before the step: a level read from a damaged file may sit at the int limits.
    const int top = fullScreen ? kFullScreenZoomMax : kWindowZoomMax;
    return std::clamp(std::clamp(level, 0, top) + 1, 0, top);
}

int ZoomOut(int level, bool fullScreen) {
    const int top = fullScreen ? kFullScreenZoomMax : kWindowZoomMax;
    return std::clamp(std::clamp(level, 0, top) - 1, 0, top);
}

VideoPlacement ComputeVideoSize(const VideoSizeInput& in) {
    // Beyond this a whole-multiple search or a 4x zoom could overflow; no real picture is this big.
    constexpr int kMaxSide = 1 << 20;
    const auto usable = [](int side) { return side >= 1 && side <= kMaxSide; };
    if (!usable(in.picture.width) || !usable(in.picture.height)) return {};
    if (in.fullScreen && (!usable(in.screen.width) || !usable(in.screen.height))) return {};

    VideoPlacement p;
    // A picture may outgrow the screen (a large zoom, a fill that crops), but not without end:
    // an absurd preset would ask for a window so large that merely clearing it stalls the desktop.
    // Zoomed windows stop at twice the screen each way. In full screen only fill outgrows the
    // screen, along one side: four screens there (the same area) let a 32:9 picture fill a 4:3 one.
    constexpr int kZoomScreensAcross = 2;
    constexpr int kFillScreensAcross = 4;
    if (in.fullScreen) {
        p = FullScreenSize(in.picture, std::clamp(in.fullScreenZoomStep, 0, kFullScreenZoomMax), in.screen);
        const Size limit = SizeLimit(in.screen, kFillScreensAcross);
        if (Larger(p.video, limit)) {
            p.video = Fit(p.video, limit);
            Centre(p, in.screen);
        }
    } else {
        const int level = std::clamp(in.windowZoomStep, 0, kWindowZoomMax);
        p.video = ScaleSize(in.picture, kWindowFactors[static_cast<std::size_t>(level)]);
        const Size limit = SizeLimit(in.screen, kZoomScreensAcross);
        if (Larger(p.video, limit)) p.video = Fit(p.video, limit);
        if (in.workArea && usable(in.workArea->width) && usable(in.workArea->height)) {
            const Size room = PictureRoom(*in.workArea, in.largeTimedText);
            if (Larger(p.video, room)) p.video = Fit(p.video, room);
        }
    }
    if (in.largeTimedText) {
        const int area = in.fullScreen ? in.screen.height : p.video.height;
        p.stripHeight = static_cast<int>(area / 240.0 * kStripLinesPer240);
    }
    return p;
}

bool WindowedZoomGrows(const VideoSizeInput& in) {
    VideoSizeInput next = in;
    next.fullScreen = false;
    next.windowZoomStep = ZoomIn(in.windowZoomStep, false);
    VideoSizeInput now = next;
    now.windowZoomStep = std::clamp(in.windowZoomStep, 0, kWindowZoomMax);
    const VideoSize a = ComputeVideoSize(now).video;
    const VideoSize b = ComputeVideoSize(next).video;
    // Nothing shown (a sound file, a picture too small for this level) fills no work area.
    if (a.width < 1 || a.height < 1) return true;
    return b.width > a.width || b.height > a.height;
}

VideoWindowLayout LayoutVideoWindow(const VideoLayoutInput& in, const VideoPlacement& placement) {
    VideoWindowLayout out;
    const int bar = in.wheelSeekOff ? 0 : kScrollBarSide;
    if (in.fullScreen) {
        out.scrollBar = {in.screen.width + kScrollBarGap, 0, bar, bar};
        out.videoWindow = {0, 0, in.screen.width, in.screen.height};
        if (!in.hasVideo) {
            out.picture = {0, 0, in.screen.width, in.screen.height};
            return out;
        }
        out.picture = {placement.offsetX, placement.offsetY, placement.video.width, placement.video.height};
        // Keep the picture off the timed-text strip at the bottom of the screen.
        const int stripTop = in.screen.height - placement.stripHeight;
        if (in.largeTimedText && stripTop < placement.offsetY + placement.video.height) {
            out.picture.height = std::max(0, stripTop - placement.offsetY);
        }
        return out;
    }
    out.scrollBar = {placement.video.width + kScrollBarGap, 0, bar, bar};
    out.videoWindow = {in.videoWindowX, in.videoWindowY, 0, 0};
    if (!in.hasVideo || in.minimised) return out;
    out.picture = {0, 0, placement.video.width, placement.video.height};
    out.videoWindow.width = placement.video.width;
    out.videoWindow.height = placement.video.height + placement.stripHeight;
    if (in.workArea) {
        const Rect& a = *in.workArea;
        out.videoWindow.x = Inside(out.videoWindow.x, out.videoWindow.width, a.x, a.width);
        out.videoWindow.y = Inside(out.videoWindow.y, out.videoWindow.height, a.y, a.height);
    }
    return out;
}

}  // namespace felux
