// Scan lines, the line mask and the regions they give the picture and the video window.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "video/VideoRegions.h"

namespace felux {
namespace {

VideoRegionsInput Input(VideoSize video, int pictureHeight, int pattern = kScanLinesOff, int maskMode = kLineMaskOff) {
    VideoRegionsInput in;
    in.video = video;
    in.pictureHeight = pictureHeight;
    in.scanLinesOn = pattern != kScanLinesOff;
    in.scanLinePattern = pattern;
    in.lineMaskMode = maskMode;
    return in;
}

std::vector<int> Rows(int height, const std::function<bool(int)>& pick) {
    std::vector<int> rows;
    for (int y = 0; y < height; ++y) {
        if (pick(y)) rows.push_back(y);
    }
    return rows;
}

// Rows of the picture no rectangle covers; every rectangle must span columns [x0, x1)
// and no row may be covered twice.
std::vector<int> HiddenRows(const std::vector<Rect>& region, int height, int x0, int x1) {
    std::vector<int> covered(static_cast<std::size_t>(height), 0);
    if (region == std::vector<Rect>{kNoVisibleSpan}) return Rows(height, [](int) { return true; });
    for (const Rect& r : region) {
        EXPECT_EQ(r.x, x0);
        EXPECT_EQ(r.width, x1 - x0);
        for (int y = std::max(r.y, 0); y < std::min(r.y + r.height, height); ++y) ++covered[static_cast<std::size_t>(y)];
        EXPECT_TRUE(r.y >= 0 && r.height > 0 && r.y + r.height <= height);
    }
    return Rows(height, [&](int y) {
        EXPECT_LE(covered[static_cast<std::size_t>(y)], 1) << "row " << y;
        return covered[static_cast<std::size_t>(y)] == 0;
    });
}

std::vector<int> Hidden(const VideoRegionsInput& in) {
    return HiddenRows(ComputeVideoRegions(in).picture, in.video.height, 0, in.video.width);
}

TEST(VideoRegions, AutoScanLinesHideTheLowerHalfOfEachEnlargedLine) {
    VideoRegionsInput in = Input({640, 480}, 240, kScanLinesAuto);
    EXPECT_EQ(Hidden(in), Rows(480, [](int y) { return y % 2 == 1; }));
    in.video = {960, 720};
    EXPECT_EQ(Hidden(in), Rows(720, [](int y) { return y % 3 >= 1; }));
    in.video = {1280, 960};
    EXPECT_EQ(Hidden(in), Rows(960, [](int y) { return y % 4 >= 2; }));

    in.video = {320, 240};
    EXPECT_TRUE(Hidden(in).empty()) << "not enlarged: switched off";
    in.video = {480, 360};
    EXPECT_TRUE(Hidden(in).empty()) << "one row per source line: nothing to thin out";
    in.video = {640, 480};
    in.pictureHeight = 0;
    EXPECT_TRUE(Hidden(in).empty()) << "an unknown picture height switches it off";
}

TEST(VideoRegions, FixedScanLineModesIgnoreThePictureHeight) {
    EXPECT_EQ(Hidden(Input({100, 240}, 240, kScanLinesEveryOther)), Rows(240, [](int y) { return y % 2 == 1; }));
    EXPECT_EQ(Hidden(Input({100, 240}, 240, kScanLinesKeepThird)), Rows(240, [](int y) { return y % 3 != 0; }));
    EXPECT_EQ(Hidden(Input({100, 240}, 240, kScanLinesKeepTwoOfFour)), Rows(240, [](int y) { return y % 4 >= 2; }));
    EXPECT_TRUE(Hidden(Input({100, 240}, 120, 17)).empty()) << "an unknown pattern is off";
    VideoRegionsInput in = Input({100, 240}, 120, kScanLinesEveryOther);
    in.scanLinesOn = false;
    EXPECT_TRUE(Hidden(in).empty()) << "the SCANLINE switch overrides the pattern";
}

TEST(VideoRegions, LineMaskHidesRowsAndColumnsInPixelsOrPercent) {
    VideoRegionsInput in = Input({640, 480}, 480, kScanLinesOff, kLineMaskInside);
    const auto rows = [](int first, int last) { return Rows(480, [=](int y) { return y >= first && y <= last; }); };
    in.mask = {8, 0, 0, 0, false, false, false, false};
    EXPECT_EQ(Hidden(in), rows(0, 7));
    in.mask = {10, 0, 0, 0, true, true, true, true};
    EXPECT_EQ(Hidden(in), rows(0, 48)) << "10 percent of 480 hides 49 rows";
    in.mask = {0, 8, 0, 0, false, false, false, false};
    EXPECT_EQ(Hidden(in), rows(472, 479));
    in.mask = {};  // 3 percent at top and bottom
    EXPECT_EQ(Hidden(in), Rows(480, [](int y) { return y <= 14 || y >= 465; }));

    in.mask = {0, 0, 10, 5, true, true, true, false};
    EXPECT_TRUE(HiddenRows(ComputeVideoRegions(in).picture, 480, 64, 635).empty());

    in.scanLinesOn = true;
    in.scanLinePattern = kScanLinesEveryOther;
    in.mask = {2, 0, 16, 16, false, false, false, false};
    EXPECT_EQ(HiddenRows(ComputeVideoRegions(in).picture, 480, 16, 624),
              Rows(480, [](int y) { return y < 2 || y % 2 == 1; }))
        << "scan lines and mask combine";

    in.lineMaskMode = kLineMaskOff;
    EXPECT_EQ(Hidden(in), Rows(480, [](int y) { return y % 2 == 1; })) << "amounts do nothing while the mask is off";
}

TEST(VideoRegions, RegionIsOneRectanglePerRunOfVisibleRows) {
    EXPECT_EQ(ComputeVideoRegions(Input({640, 480}, 240)).picture, (std::vector<Rect>{{0, 0, 640, 480}}));
    const std::vector<Rect> region = ComputeVideoRegions(Input({640, 480}, 240, kScanLinesKeepTwoOfFour)).picture;
    ASSERT_EQ(region.size(), 120u);
    EXPECT_EQ(region[1], (Rect{0, 4, 640, 2}));
}

TEST(VideoRegions, CuttingModeShapesTheVideoWindowOnlyWhenWindowed) {
    VideoRegionsInput in = Input({640, 480}, 240, kScanLinesEveryOther, kLineMaskInside);
    in.mask = {10, 0, 0, 32, false, false, false, false};
    EXPECT_FALSE(ComputeVideoRegions(in).videoWindow) << "the inside mask leaves the window alone";

    in.lineMaskMode = kLineMaskCutWindow;
    VideoRegions r = ComputeVideoRegions(in);
    ASSERT_TRUE(r.videoWindow);
    EXPECT_EQ(*r.videoWindow, (std::vector<Rect>{{0, 10, 608, 470}})) << "mask only, no scan lines";

    in.stripHeight = 32;
    r = ComputeVideoRegions(in);
    ASSERT_TRUE(r.videoWindow);
    EXPECT_EQ(r.videoWindow->back(), (Rect{0, 480, 640, 32})) << "the timed-text strip stays visible";

    in.fullScreen = true;
    r = ComputeVideoRegions(in);
    EXPECT_FALSE(r.videoWindow);
    EXPECT_EQ(HiddenRows(r.picture, 480, 0, 608).front(), 0) << "the inside mask still applies";
}

TEST(VideoRegions, AMaskThatHidesEveryRowHidesThePictureRatherThanUnshapingIt) {
    const std::vector<Rect> nothing{kNoVisibleSpan};
    VideoRegionsInput in = Input({640, 480}, 240, kScanLinesOff, kLineMaskCutWindow);
    in.mask = {480, 0, 0, 0, false, false, false, false};
    VideoRegions r = ComputeVideoRegions(in);
    EXPECT_EQ(r.picture, nothing) << "480 pixels of 480";
    EXPECT_EQ(r.videoWindow, nothing);
    in.mask = {479, 0, 0, 0, false, false, false, false};
    EXPECT_EQ(ComputeVideoRegions(in).picture, (std::vector<Rect>{{0, 479, 640, 1}})) << "one row short";
    in.mask = {0, 0, 50, 50, true, true, true, true};
    EXPECT_EQ(ComputeVideoRegions(in).picture, nothing) << "the columns meet in the middle";
    in.stripHeight = 20;
    EXPECT_EQ(ComputeVideoRegions(in).videoWindow, (std::vector<Rect>{{0, 480, 640, 20}})) << "the text stays";

    // Scan lines and mask together hide every row of a two-row picture.
    in = Input({640, 2}, 2, kScanLinesEveryOther, kLineMaskInside);
    in.mask = {1, 0, 0, 0, false, false, false, false};
    EXPECT_EQ(ComputeVideoRegions(in).picture, nothing);
}

TEST(VideoRegions, HostileAmountsAndSizesStaySafe) {
    VideoRegionsInput in = Input({640, 480}, 240, kScanLinesOff, kLineMaskInside);
    in.mask = {-5, -5, -5, -5, false, false, true, true};
    EXPECT_TRUE(Hidden(in).empty()) << "negative amounts count as 0";
    in.mask = {1000, 0, 0, 0, true, true, true, true};
    EXPECT_EQ(Hidden(in).size(), 480u) << "over 100 percent hides everything";
    in.mask = {2147483647, 2147483647, 0, 0, false, false, false, false};
    EXPECT_EQ(Hidden(in).size(), 480u);
    in.mask = {0, 0, 60, 60, true, true, true, true};
    EXPECT_EQ(Hidden(in).size(), 480u) << "left and right overlap: nothing visible";
    in.video = {640, -1};
    EXPECT_TRUE(ComputeVideoRegions(in).picture.empty());
}

}  // namespace
}  // namespace felux
