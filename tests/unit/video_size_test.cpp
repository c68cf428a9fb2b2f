// Zoom levels, windowed and full-screen video sizes, and the placement of the video window.
#include <gtest/gtest.h>

#include <climits>

#include "video/VideoSize.h"

namespace felux {
namespace {

constexpr Size kScreen{1024, 768};

VideoPlacement FullScreen(VideoSize picture, int level, Size screen = kScreen) {
    VideoSizeInput in;
    in.picture = picture;
    in.fullScreen = true;
    in.fullScreenZoomStep = level;
    in.screen = screen;
    return ComputeVideoSize(in);
}

VideoPlacement Windowed(VideoSize picture, int level) {
    VideoSizeInput in;
    in.picture = picture;
    in.windowZoomStep = level;
    in.screen = kScreen;
    return ComputeVideoSize(in);
}

void ExpectPlacement(const VideoPlacement& p, int w, int h, int x, int y) {
    EXPECT_EQ(p.video.width, w);
    EXPECT_EQ(p.video.height, h);
    EXPECT_EQ(p.offsetX, x);
    EXPECT_EQ(p.offsetY, y);
}

TEST(VideoSize, ZoomStaysWithinTheLevelsOfTheMode) {
    EXPECT_EQ(ZoomIn(5, false), 6);
    EXPECT_EQ(ZoomIn(6, false), 6) << "windowed zoom stops at 4x";
    EXPECT_EQ(ZoomIn(6, true), 7);
    EXPECT_EQ(ZoomIn(8, true), 8) << "full-screen zoom stops at stretch";
    EXPECT_EQ(ZoomOut(0, true), 0);
    EXPECT_EQ(ZoomIn(8, false), 6) << "a full-screen level brought back to a window is limited";
    EXPECT_EQ(ZoomIn(INT_MAX, false), 6) << "a damaged level never overflows";
    EXPECT_EQ(ZoomOut(INT_MIN, true), 0);
    EXPECT_EQ(ZoomOut(INT_MAX, true), 7);
}

TEST(VideoSize, NoPictureOutgrowsTwiceTheScreen) {
    // Exactly at the limit it stays; one past it, it is fitted keeping its shape.
    ExpectPlacement(Windowed({512, 384}, 6), 2048, 1536, 0, 0);
    ExpectPlacement(Windowed({513, 384}, 6), 2048, 1533, 0, 0);
    ExpectPlacement(Windowed({16384, 16384}, 6), 1536, 1536, 0, 0);
    VideoSizeInput in;
    in.picture = {1 << 20, 1 << 20};
    in.windowZoomStep = 6;
    in.screen = {0, 0};
    // No screen known: a fixed bound.
    ExpectPlacement(ComputeVideoSize(in), 4096, 4096, 0, 0);
    // Filling the screen with a needle of a picture would crop it to a quarter of a million lines;
    // fill crops up to four screens (the area of twice the screen each way), and fits beyond.
    ExpectPlacement(FullScreen({16, 4096}, 7), 12, 3072, 506, -1152);
    ExpectPlacement(FullScreen({320, 480}, 7), 1024, 1536, 0, -384);
    ExpectPlacement(FullScreen({4096, 768}, 7), 4096, 768, -1536, 0);  // exactly four screens: stays
    ExpectPlacement(FullScreen({4097, 768}, 7), 4096, 767, -1536, 0);
}

TEST(VideoSize, WindowedLevelsScaleThePictureAndTruncate) {
    const VideoSize picture{320, 240};
    const int widths[] = {160, 240, 320, 480, 640, 960, 1280};
    for (int level = 0; level <= 6; ++level) {
        const VideoPlacement p = Windowed(picture, level);
        EXPECT_EQ(p.video.width, widths[level]) << "level " << level;
        EXPECT_EQ(p.video.height, widths[level] * 3 / 4) << "level " << level;
        EXPECT_EQ(p.offsetX, 0);
        EXPECT_EQ(p.offsetY, 0);
    }
    ExpectPlacement(Windowed({325, 243}, 1), 243, 182, 0, 0);
    // Damaged levels are clamped.
    ExpectPlacement(Windowed({320, 240}, 40), 1280, 960, 0, 0);
}

TEST(VideoSize, FixedFullScreenFactorsAreCentredAndFittedWhenTooLarge) {
    ExpectPlacement(FullScreen({320, 240}, 0), 160, 120, 432, 324);
    ExpectPlacement(FullScreen({320, 240}, 2), 320, 240, 352, 264);
    ExpectPlacement(FullScreen({320, 240}, 4), 640, 480, 192, 144);
    // 1440 x 960 does not fit: scaled by 1024 / 1440 keeping the shape.
    ExpectPlacement(FullScreen({720, 480}, 4), 1024, 682, 0, 43);
}

TEST(VideoSize, WholeMultipleIsTheLargestThatFits) {
    ExpectPlacement(FullScreen({320, 240}, 5), 960, 720, 32, 24);
    // At most ten times.
    ExpectPlacement(FullScreen({100, 50}, 5), 1000, 500, 12, 134);
    ExpectPlacement(FullScreen({640, 480}, 5), 640, 480, 192, 144);
    // Not even once: the picture is fitted instead.
    ExpectPlacement(FullScreen({1280, 1024}, 5), 960, 768, 32, 0);
}

TEST(VideoSize, FitFillAndStretchUseTheWholeScreen) {
    ExpectPlacement(FullScreen({720, 480}, 6), 1024, 682, 0, 43);
    ExpectPlacement(FullScreen({320, 480}, 6), 512, 768, 256, 0);
    // Wider than the screen's shape: filled to the height, cropped left and right.
    ExpectPlacement(FullScreen({720, 480}, 7), 1152, 768, -64, 0);
    // Taller: filled to the width, cropped top and bottom.
    ExpectPlacement(FullScreen({320, 480}, 7), 1024, 1536, 0, -384);
    // 32:9 on 4:3: the height covered, well over twice the screen's width cropped.
    ExpectPlacement(FullScreen({1024, 288}, 7), 2730, 768, -853, 0);
    ExpectPlacement(FullScreen({720, 480}, 8), 1024, 768, 0, 0);
    ExpectPlacement(FullScreen({720, 480}, 99), 1024, 768, 0, 0);
}

TEST(VideoSize, StripHeightFollowsTheAreaUnderTheText) {
    VideoSizeInput in;
    in.picture = {320, 240};
    in.windowZoomStep = 4;
    in.screen = kScreen;
    EXPECT_EQ(ComputeVideoSize(in).stripHeight, 0) << "no strip without the large timed text";
    in.largeTimedText = true;
    EXPECT_EQ(ComputeVideoSize(in).stripHeight, 32) << "windowed: 16 lines per 240 of video";
    in.fullScreen = true;
    in.fullScreenZoomStep = 2;
    EXPECT_EQ(ComputeVideoSize(in).stripHeight, 51) << "full screen: 768 / 240 x 16, truncated";
}

TEST(VideoSize, EmptyPictureOrScreenGivesNoVideoInsteadOfDividingByZero) {
    for (int level = 0; level <= 8; ++level) {
        ExpectPlacement(FullScreen({0, 0}, level), 0, 0, 0, 0);
        ExpectPlacement(FullScreen({320, 0}, level), 0, 0, 0, 0);
        ExpectPlacement(FullScreen({320, 240}, level, {0, 0}), 0, 0, 0, 0);
    }
    ExpectPlacement(Windowed({0, 240}, 6), 0, 0, 0, 0);
}

TEST(VideoSize, FullScreenLayoutCoversTheScreenAndKeepsThePictureOffTheStrip) {
    VideoLayoutInput in;
    in.fullScreen = true;
    in.hasVideo = true;
    in.screen = kScreen;
    VideoPlacement p = FullScreen({320, 240}, 5);
    VideoWindowLayout out = LayoutVideoWindow(in, p);
    EXPECT_EQ(out.videoWindow, (Rect{0, 0, 1024, 768}));
    EXPECT_EQ(out.picture, (Rect{32, 24, 960, 720}));
    EXPECT_EQ(out.scrollBar, (Rect{1029, 0, 10, 10})) << "parked off the screen";

    in.largeTimedText = true;
    p.stripHeight = 51;
    out = LayoutVideoWindow(in, p);
    EXPECT_EQ(out.picture, (Rect{32, 24, 960, 693})) << "ends where the strip begins";

    in.hasVideo = false;
    in.wheelSeekOff = true;
    out = LayoutVideoWindow(in, p);
    EXPECT_EQ(out.picture, (Rect{0, 0, 1024, 768}));
    EXPECT_EQ(out.scrollBar, (Rect{1029, 0, 0, 0}));
}

TEST(VideoSize, WindowedLayoutStaysAtTheRememberedPlaceAndHidesWithoutVideo) {
    VideoLayoutInput in;
    in.hasVideo = true;
    in.screen = kScreen;
    in.videoWindowX = 100;
    in.videoWindowY = 50;
    VideoPlacement p = Windowed({320, 240}, 4);
    p.stripHeight = 32;
    VideoWindowLayout out = LayoutVideoWindow(in, p);
    EXPECT_EQ(out.videoWindow, (Rect{100, 50, 640, 512})) << "the strip hangs under the picture";
    EXPECT_EQ(out.picture, (Rect{0, 0, 640, 480}));
    EXPECT_EQ(out.scrollBar, (Rect{645, 0, 10, 10}));

    in.minimised = true;
    EXPECT_EQ(LayoutVideoWindow(in, p).videoWindow, (Rect{100, 50, 0, 0}));
    in.minimised = false;
    in.hasVideo = false;
    EXPECT_EQ(LayoutVideoWindow(in, p).videoWindow, (Rect{100, 50, 0, 0}));
}

TEST(VideoSize, WindowedVideoFitsTheWorkAreaKeepingItsShape) {
    VideoSizeInput in;
    in.screen = {1280, 1024};
    in.workArea = Size{1280, 1024};
    in.windowZoomStep = 2;
    in.picture = {1280, 1024};
    ExpectPlacement(ComputeVideoSize(in), 1280, 1024, 0, 0);  // exactly the work area: kept
    in.picture = {1280, 1025};
    ExpectPlacement(ComputeVideoSize(in), 1278, 1024, 0, 0);  // one row taller: shrunk
    in.picture = {1080, 1920};                                // a phone clip
    ExpectPlacement(ComputeVideoSize(in), 576, 1024, 0, 0);
    in.windowZoomStep = 6;
    in.picture = {1920, 1080};
    ExpectPlacement(ComputeVideoSize(in), 1280, 720, 0, 0);

    // The strip under the picture is part of the window: picture and strip share the height.
    in.windowZoomStep = 2;
    in.largeTimedText = true;
    in.picture = {640, 960};
    VideoPlacement p = ComputeVideoSize(in);
    ExpectPlacement(p, 640, 960, 0, 0);
    EXPECT_EQ(p.video.height + p.stripHeight, 1024) << "exactly fills the height";
    in.picture = {640, 961};
    p = ComputeVideoSize(in);
    EXPECT_LE(p.video.height + p.stripHeight, 1024);
    EXPECT_EQ(p.video.height, 960);

    // Full screen and an unknown work area are not limited by it.
    in.largeTimedText = false;
    in.picture = {1920, 1080};
    in.workArea.reset();
    ExpectPlacement(ComputeVideoSize(in), 1920, 1080, 0, 0);
    in.workArea = Size{0, 0};
    ExpectPlacement(ComputeVideoSize(in), 1920, 1080, 0, 0);
}

TEST(VideoSize, ZoomStopsOnceTheWindowFillsTheWorkArea) {
    VideoSizeInput in;
    in.screen = {1280, 1024};
    in.workArea = Size{1280, 1024};
    in.picture = {640, 512};
    in.windowZoomStep = 3;
    EXPECT_TRUE(WindowedZoomGrows(in)) << "960 x 768 to 1280 x 1024";
    in.windowZoomStep = 4;
    EXPECT_FALSE(WindowedZoomGrows(in)) << "1280 x 1024 fits exactly: 3x would only be shrunk back";
    in.windowZoomStep = 6;
    EXPECT_FALSE(WindowedZoomGrows(in)) << "the top level";
    in.windowZoomStep = 40;
    EXPECT_FALSE(WindowedZoomGrows(in)) << "a stored level past the table";
    in.picture = {1920, 1080};
    in.windowZoomStep = 0;
    EXPECT_TRUE(WindowedZoomGrows(in)) << "960 x 540 to 1280 x 720 (1440 x 810 shrunk)";
    in.windowZoomStep = 1;
    EXPECT_FALSE(WindowedZoomGrows(in));
    // No picture, or one too small to show at this level: nothing fills the work area yet.
    in.picture = {0, 0};
    EXPECT_TRUE(WindowedZoomGrows(in));
    in.picture = {1, 1};
    in.windowZoomStep = 0;
    EXPECT_TRUE(WindowedZoomGrows(in)) << "0 x 0 at half size, 0 x 0 at three quarters";
}

TEST(VideoSize, WindowedLayoutKeepsTheWindowInsideTheWorkArea) {
    VideoLayoutInput in;
    in.hasVideo = true;
    in.screen = {1280, 1024};
    in.workArea = Rect{0, 30, 1280, 994};  // a panel along the top
    VideoPlacement p;
    p.video = {576, 994};
    in.videoWindowX = 0;
    in.videoWindowY = 60;
    EXPECT_EQ(LayoutVideoWindow(in, p).videoWindow, (Rect{0, 30, 576, 994})) << "pulled up to fit";
    in.videoWindowX = 1000;
    in.videoWindowY = 0;
    EXPECT_EQ(LayoutVideoWindow(in, p).videoWindow, (Rect{704, 30, 576, 994})) << "in from the right";
    in.videoWindowX = -5;
    in.videoWindowY = -5;
    EXPECT_EQ(LayoutVideoWindow(in, p).videoWindow, (Rect{0, 30, 576, 994}));
    in.videoWindowX = 704;
    in.videoWindowY = 30;
    EXPECT_EQ(LayoutVideoWindow(in, p).videoWindow, (Rect{704, 30, 576, 994})) << "exactly inside: stays";
    p.video = {1400, 1100};  // larger than the area (a work area that shrank): its top left
    EXPECT_EQ(LayoutVideoWindow(in, p).videoWindow, (Rect{0, 30, 1400, 1100}));
}

}  // namespace
}  // namespace felux
