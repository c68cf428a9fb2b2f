// Scan lines, the line mask and the regions they give the picture and the video window.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "video/VideoRegions.h"

namespace felux {
namespace {

VideoRegionsInput Input(VideoSize video, int pictureHeight) {
    VideoRegionsInput in;
    in.video = video;
    in.pictureHeight = pictureHeight;
    in.scanLinesOn = false;
    in.lineMaskMode = kLineMaskOff;
    return in;
}

// Rows of 0..height-1 that no rectangle covers; also checks that every rectangle spans
// the same columns [x0, x1) and that none overlap.
std::vector<int> HiddenRows(const std::vector<Rect>& region, int height, int x0, int x1) {
    std::vector<int> covered(static_cast<std::size_t>(height), 0);
    for (const Rect& r : region) {
        EXPECT_EQ(r.x, x0);
        EXPECT_EQ(r.width, x1 - x0);
        EXPECT_GT(r.height, 0);
        for (int y = r.y; y < r.y + r.height; ++y) {
            EXPECT_TRUE(y >= 0 && y < height) << "row " << y << " outside the picture";
            if (y >= 0 && y < height) ++covered[static_cast<std::size_t>(y)];
        }
    }
    std::vector<int> hidden;
    for (int y = 0; y < height; ++y) {
        EXPECT_LE(covered[static_cast<std::size_t>(y)], 1) << "row " << y << " twice";
        if (covered[static_cast<std::size_t>(y)] == 0) hidden.push_back(y);
    }
    return hidden;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> rows;
    for (int y = first; y <= last; ++y) rows.push_back(y);
    return rows;
}

std::vector<int> Every(int height, bool (*hide)(int)) {
    std::vector<int> rows;
    for (int y = 0; y < height; ++y) {
        if (hide(y)) rows.push_back(y);
    }
    return rows;
}

std::vector<int> Hidden(const VideoRegionsInput& in) {
    return HiddenRows(ComputeVideoRegions(in).picture, in.video.height, 0, in.video.width);
}

TEST(VideoRegions, AutoScanLinesHideTheLowerHalfOfEachEnlargedLine) {
    VideoRegionsInput in = Input({640, 480}, 240);
    in.scanLinesOn = true;
    in.scanLinePattern = kScanLinesAuto;
    EXPECT_EQ(Hidden(in), Every(480, [](int y) { return y % 2 == 1; }));

    in.video = {960, 720};  // three rows per source line: the lower two go
    EXPECT_EQ(Hidden(in), Every(720, [](int y) { return y % 3 >= 1; }));

    in.video = {1280, 960};  // four rows: the lower two go
    EXPECT_EQ(Hidden(in), Every(960, [](int y) { return y % 4 >= 2; }));

    in.video = {320, 240};
    EXPECT_TRUE(Hidden(in).empty()) << "not enlarged: switched off";
    in.video = {480, 360};
    EXPECT_TRUE(Hidden(in).empty()) << "one row per source line: nothing to thin out";
    in.video = {160, 120};
    EXPECT_TRUE(Hidden(in).empty());
    in.video = {640, 480};
    in.pictureHeight = 0;
    EXPECT_TRUE(Hidden(in).empty()) << "an unknown picture height switches it off";
}

TEST(VideoRegions, FixedScanLineModesIgnoreThePictureHeight) {
    VideoRegionsInput in = Input({100, 240}, 240);
    in.scanLinesOn = true;
    in.scanLinePattern = kScanLinesEveryOther;
    EXPECT_EQ(Hidden(in), Every(240, [](int y) { return y % 2 == 1; }));
    in.scanLinePattern = kScanLinesKeepThird;
    EXPECT_EQ(Hidden(in), Every(240, [](int y) { return y % 3 != 0; }));
    in.scanLinePattern = kScanLinesKeepTwoOfFour;
    EXPECT_EQ(Hidden(in), Every(240, [](int y) { return y % 4 >= 2; }));

    in.scanLinePattern = kScanLinesOff;
    EXPECT_TRUE(Hidden(in).empty());
    in.scanLinePattern = 17;
    EXPECT_TRUE(Hidden(in).empty()) << "an unknown pattern is off";
    in.scanLinePattern = kScanLinesEveryOther;
    in.scanLinesOn = false;
    EXPECT_TRUE(Hidden(in).empty()) << "the SCANLINE switch overrides the pattern";
}

TEST(VideoRegions, LineMaskHidesTopAndBottomRowsInPixelsOrPercent) {
    VideoRegionsInput in = Input({640, 480}, 480);
    in.lineMaskMode = kLineMaskInside;
    in.mask = {8, 0, 0, 0, false, false, false, false};
    EXPECT_EQ(Hidden(in), Range(0, 7));

    in.mask = {10, 0, 0, 0, true, true, true, true};
    EXPECT_EQ(Hidden(in), Range(0, 48)) << "10 percent of 480 hides 49 rows";

    in.mask = {0, 8, 0, 0, false, false, false, false};
    EXPECT_EQ(Hidden(in), Range(472, 479));

    in.mask = {};  // the defaults: 3 percent at top and bottom
    std::vector<int> expected = Range(0, 14);
    for (int y : Range(465, 479)) expected.push_back(y);
    EXPECT_EQ(Hidden(in), expected);

    in.lineMaskMode = kLineMaskOff;
    EXPECT_TRUE(Hidden(in).empty()) << "amounts do nothing while the mask is off";
}

TEST(VideoRegions, LineMaskNarrowsEveryVisibleRow) {
    VideoRegionsInput in = Input({640, 480}, 240);
    in.lineMaskMode = kLineMaskInside;
    in.mask = {0, 0, 10, 5, true, true, true, false};
    EXPECT_TRUE(HiddenRows(ComputeVideoRegions(in).picture, 480, 64, 635).empty());

    in.scanLinesOn = true;
    in.scanLinePattern = kScanLinesEveryOther;
    in.mask = {2, 0, 16, 16, false, false, false, false};
    std::vector<int> expected = {0, 1};
    for (int y = 3; y < 480; y += 2) expected.push_back(y);
    EXPECT_EQ(HiddenRows(ComputeVideoRegions(in).picture, 480, 16, 624), expected)
        << "scan lines and mask combine";
}

TEST(VideoRegions, RegionIsOneRectanglePerRunOfVisibleRows) {
    VideoRegionsInput in = Input({640, 480}, 240);
    EXPECT_EQ(ComputeVideoRegions(in).picture, (std::vector<Rect>{{0, 0, 640, 480}}))
        << "nothing hidden: the whole picture";
    in.scanLinesOn = true;
    in.scanLinePattern = kScanLinesKeepTwoOfFour;
    const std::vector<Rect> region = ComputeVideoRegions(in).picture;
    ASSERT_EQ(region.size(), 120u);
    EXPECT_EQ(region[1], (Rect{0, 4, 640, 2}));
}

TEST(VideoRegions, CuttingModeShapesTheVideoWindowOnlyWhenWindowed) {
    VideoRegionsInput in = Input({640, 480}, 240);
    in.scanLinesOn = true;
    in.scanLinePattern = kScanLinesEveryOther;
    in.mask = {10, 0, 0, 32, false, false, false, false};
    in.lineMaskMode = kLineMaskInside;
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

TEST(VideoRegions, HostileAmountsAndSizesStaySafe) {
    VideoRegionsInput in = Input({640, 480}, 240);
    in.lineMaskMode = kLineMaskInside;
    in.mask = {-5, -5, -5, -5, false, false, true, true};
    EXPECT_TRUE(Hidden(in).empty()) << "negative amounts count as 0";

    in.mask = {1000, 0, 0, 0, true, true, true, true};
    EXPECT_EQ(Hidden(in).size(), 480u) << "over 100 percent hides everything";
    in.mask = {2147483647, 2147483647, 0, 0, false, false, false, false};
    EXPECT_EQ(Hidden(in).size(), 480u);
    in.mask = {0, 0, 60, 60, true, true, true, true};
    EXPECT_TRUE(ComputeVideoRegions(in).picture.empty()) << "left and right overlap: nothing visible";

    in.video = {0, 480};
    EXPECT_TRUE(ComputeVideoRegions(in).picture.empty());
    in.video = {640, -1};
    EXPECT_TRUE(ComputeVideoRegions(in).picture.empty());
}

}  // namespace
}  // namespace felux
