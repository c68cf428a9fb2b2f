// The panel on a scaled desktop: the 2x skin composed with the 1x coordinates, and the plan that
// brings its pixels to the screen.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "FakeTextPainter.h"
#include "skin/DeviceScale.h"
#include "skin/DibImage.h"
#include "skin/PanelRenderer.h"
#include "skin/SkinBytes.h"
#include "skin/SkinLayout.h"

namespace felux {
namespace {

using namespace skin;

class NoRecord : public VolumeRecordToggle {
public:
    void RegisterVolume() override {}
    void ForgetVolume() override {}
    bool RecordPresent() const override { return false; }
};

// One renderer per skin scale, fed the same frames.
struct Panel {
    explicit Panel(int scale) {
        EXPECT_TRUE(skin.LoadFromBytes(SkinBitmapBytes(scale)));
        EXPECT_TRUE(renderer.Load(SkinBitmapBytes(scale)));
        renderer.SetTextPainter(&painter);
    }
    std::optional<Rect> Draw(const PanelView& view) {
        PanelWrites writes{rate, ramp, volumeRequest, readout, record};
        return renderer.DrawPanel(view, writes);
    }
    // Whether the canvas shows the skin's area `from` at `at`, pixel for pixel at the skin's scale.
    bool Shows(Rect at, Rect from, int scale) const {
        for (int y = 0; y < at.height * scale; ++y)
            for (int x = 0; x < at.width * scale; ++x)
                if (renderer.Canvas().PixelAt(at.x * scale + x, at.y * scale + y) !=
                    skin.PixelAt(from.x * scale + x, from.y * scale + y))
                    return false;
        return true;
    }

    DibImage skin;
    PanelRenderer renderer;
    test::FakeTextPainter painter;
    NoRecord record;
    int rate = 1000;
    RateRamp ramp;
    int volumeRequest = 0;
    int readout = 0;
};

TEST(PanelAtTwice, ComposesTheSameAreasAsAtOnceAndReportsChangesInPanelPoints) {
    Panel once(1);
    Panel twice(2);
    PanelView view;
    EXPECT_EQ(once.Draw(view), (Rect{0, 0, kPaintedWidth, kPaintedRows}));
    EXPECT_EQ(twice.Draw(view), (Rect{0, 0, kPaintedWidth, kPaintedRows}));

    view.held.stop = true;
    const std::optional<Rect> changed = twice.Draw(view);
    EXPECT_EQ(changed, once.Draw(view)) << "the same band, counted in panel points";
    EXPECT_TRUE(twice.Shows(kStopArea, Lit(kStopArea), 2)) << "every pixel of the 2x lit face";
    EXPECT_TRUE(twice.Shows(kConfigButton, kConfigButton, 2)) << "and the resting face beside it";

    view.held.stop = false;
    view.stopped = false;
    view.duration = std::chrono::seconds(10'000);
    view.progress = 137;  // the bar's far end, a single point's column
    EXPECT_EQ(twice.Draw(view), once.Draw(view));
    const Rect lit{kProgressTrack.x, kProgressTrack.y, 137, kProgressTrack.height};
    EXPECT_TRUE(twice.Shows(lit, Lit(lit), 2));
}

TEST(PanelAtTwice, TitleIsDrawnWithTwiceTheFontAndLaidOutInPoints) {
    Panel twice(2);
    TextFont font;
    font.height = -12;
    twice.renderer.SetTitle("AB", font);
    // The fake's cells are 6 pixels: two letters are 12 pixels, 6 points, at 24 pixels tall.
    EXPECT_EQ(twice.renderer.Title().Width(), 6 + 3);
    DibImage& scratch = twice.renderer.TextScratch();
    EXPECT_EQ(scratch.Unit(), 2);
    twice.painter.cell = 7;  // 7 pixels: a half point left over counts whole
    EXPECT_EQ(scratch.DrawTextWidth(twice.painter, "A", 0, 100, font), 4 + 3);
    EXPECT_EQ(scratch.DrawTextHeight(twice.painter, "A", 0, 100, font), 12);
    EXPECT_EQ(scratch.PixelAt(0, 200), (Rgb{0, 0, 0})) << "placed in pixels at twice the point";
    EXPECT_EQ(scratch.PixelAt(0, 199), (Rgb{255, 255, 255}));
    EXPECT_EQ(scratch.Unit(), 2) << "kept after the painter saw pixels";
}

TEST(PanelAtTwice, OnlyTheSkinsTwoSizesLoad) {
    PanelRenderer renderer;
    for (const auto& [w, h] : std::vector<std::pair<int, int>>{{1280, 400}, {640, 800}, {1920, 1200}, {1281, 800}}) {
        DibImage blank;
        ASSERT_TRUE(blank.Create(w, h));
        std::vector<unsigned char> bmp(54 + static_cast<std::size_t>(blank.Stride()) * h, 0);
        const auto put = [&](std::size_t at, std::uint32_t v, int n) {
            for (int i = 0; i < n; ++i) bmp[at + i] = static_cast<unsigned char>(v >> (8 * i));
        };
        bmp[0] = 'B';
        bmp[1] = 'M';
        put(10, 54, 4);
        put(14, 40, 4);
        put(18, static_cast<std::uint32_t>(w), 4);
        put(22, static_cast<std::uint32_t>(h), 4);
        put(26, 1, 2);
        put(28, 24, 2);
        EXPECT_FALSE(renderer.Load(bmp)) << w << " x " << h;
        EXPECT_FALSE(renderer.Loaded());
    }
    EXPECT_TRUE(renderer.Load(SkinBitmapBytes(2)));
    EXPECT_EQ(renderer.Canvas().Unit(), 2);
    EXPECT_TRUE(renderer.Load(SkinBitmapBytes(1)));
    EXPECT_EQ(renderer.Canvas().Unit(), 1) << "a 1x skin is valid at any desktop scale";
}

TEST(DibImageUnit, CopiesAndFillsCountUnitsAndTheUnitIsBounded) {
    DibImage image;
    ASSERT_TRUE(image.Create(8, 8, {255, 255, 255}));
    EXPECT_FALSE(image.SetUnit(0));
    EXPECT_FALSE(image.SetUnit(DibImage::kMaxUnit + 1));
    ASSERT_TRUE(image.SetUnit(2));
    image.FillColor(1, 1, 1, 1, {0, 0, 0});
    EXPECT_EQ(image.PixelAt(2, 2), (Rgb{0, 0, 0}));
    EXPECT_EQ(image.PixelAt(3, 3), (Rgb{0, 0, 0}));
    EXPECT_EQ(image.PixelAt(4, 4), (Rgb{255, 255, 255}));
    image.CopyRows(image, 3, 3, 1, 1, 1, 1);  // to the last unit, (6,6)..(7,7)
    EXPECT_EQ(image.PixelAt(7, 7), (Rgb{0, 0, 0}));
    // Points far outside stay outside after doubling rather than wrapping round.
    image.FillColor(std::numeric_limits<int>::max(), 0, 1, 1, {1, 1, 1});
    image.CopyRows(image, std::numeric_limits<int>::min(), 0, 0, 0, std::numeric_limits<int>::max(), 1);
    EXPECT_EQ(image.PixelAt(0, 0), (Rgb{255, 255, 255}));
    EXPECT_EQ(image.PixelAt(7, 7), (Rgb{0, 0, 0}));
}

TEST(DeviceScale, SkinAndPlanAtTheDesktopsScales) {
    EXPECT_EQ(SkinScaleFor(1.0), 1);
    EXPECT_EQ(SkinScaleFor(1.25), 2);
    EXPECT_EQ(SkinScaleFor(2.0), 2);
    EXPECT_EQ(SkinScaleFor(3.0), 2);
    EXPECT_EQ(SkinScaleFor(std::nan("")), 1);

    const Size panel{kPaintedWidth, kPaintedRows};
    const Size once{kPaintedWidth, kPaintedRows};
    const Size twice{2 * kPaintedWidth, 2 * kPaintedRows};
    // Exactly 1: the old stretch, whatever the sizes.
    EXPECT_TRUE(PlanScale(once, panel, 1.0).stretch);
    EXPECT_TRUE(PlanScale(twice, panel, 1.0).stretch);
    // Exactly 2: the 2x pixels as they are; 1x pixels doubled, nothing averaged.
    ScalePlan p = PlanScale(twice, panel, 2.0);
    EXPECT_FALSE(p.stretch);
    EXPECT_EQ(p.device.width, 814);
    EXPECT_EQ(p.device.height, 186);
    EXPECT_EQ(p.wholeX, 1);
    EXPECT_FALSE(p.average);
    p = PlanScale(once, panel, 2.0);
    EXPECT_EQ(p.wholeX, 2);
    EXPECT_EQ(p.wholeY, 2);
    EXPECT_FALSE(p.average);
    // 1.5: 610.5 x 139.5 device pixels, covered by 611 x 140, the 2x pixels averaged down.
    p = PlanScale(twice, panel, 1.5);
    EXPECT_EQ(p.device.width, 611);
    EXPECT_EQ(p.device.height, 140);
    EXPECT_EQ(p.wholeX, 1);
    EXPECT_TRUE(p.average);
    EXPECT_EQ(p.exactMilli.width, 610500);
    // 1.25 from a 1x skin: 508.75 is no whole width; each pixel twice, then averaged to 509.
    p = PlanScale(once, panel, 1.25);
    EXPECT_EQ(p.device.width, 509);
    EXPECT_EQ(p.wholeX, 2);
    EXPECT_TRUE(p.average);
    // The strip under a wide video: 319 pixels over 1000 points at 1.5 are 5 times repeated.
    p = PlanScale({319, 16}, {1000, 40}, 1.5);
    EXPECT_EQ(p.wholeX, 5);
    EXPECT_EQ(p.wholeY, 4);
    // Nonsense scales and sizes fall back to the stretch; a huge one is held to 8.
    EXPECT_TRUE(PlanScale(once, panel, 0.0).stretch);
    EXPECT_TRUE(PlanScale(once, panel, -2.0).stretch);
    EXPECT_TRUE(PlanScale(once, panel, std::nan("")).stretch);
    EXPECT_TRUE(PlanScale({0, 93}, panel, 2.0).stretch);
    EXPECT_EQ(PlanScale(once, panel, 1e12).device.width, 8 * kPaintedWidth);
}

// A row of grey pixels as the pixel port hands them over.
std::vector<unsigned char> Row(const std::vector<unsigned char>& greys) {
    std::vector<unsigned char> bytes;
    for (unsigned char g : greys) bytes.insert(bytes.end(), {g, g, g});
    return bytes;
}
int Sum(const std::vector<unsigned char>& bytes) {
    int sum = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 3) sum += bytes[i];
    return sum;
}

TEST(DeviceScale, AveragingKeepsAStrokesWeightWhereverItFalls) {
    // A 2x stroke, two pixels, at each place of an eight-pixel row, brought to 1.5 (six pixels)
    // and to 1.25 (five): the ink it leaves is the same everywhere, though it spreads unlike.
    for (const int to : {6, 5}) {
        for (int at = 0; at + 2 <= 8; ++at) {
            std::vector<unsigned char> greys(8, 0);
            greys[static_cast<std::size_t>(at)] = greys[static_cast<std::size_t>(at) + 1] = 200;
            const std::vector<unsigned char> row = Row(greys);
            const std::vector<unsigned char> out = AverageDown({row.data(), 8, 1, 24}, {to, 1}, {to * 1000, 1000});
            ASSERT_EQ(out.size(), static_cast<std::size_t>(to) * 3);
            EXPECT_NEAR(Sum(out), 400 * to / 8, 2) << "to " << to << ", at " << at;
        }
    }
    // At 1.5 a stroke on an even pixel fills one device pixel and half the next.
    const std::vector<unsigned char> even = Row({200, 200, 0, 0});
    EXPECT_EQ(AverageDown({even.data(), 4, 1, 12}, {3, 1}, {3000, 1000}), Row({200, 100, 0}));
    // 407 points at 1.5 are 610.5 device pixels: the 611th holds half a pixel's worth of picture,
    // the last column alone (each pixel spans 1.6 source pixels; none is stretched to fill it).
    const std::vector<unsigned char> edge = Row({0, 0, 0, 200});
    EXPECT_EQ(AverageDown({edge.data(), 4, 1, 12}, {3, 1}, {2500, 1000}), Row({0, 25, 200}));
    // The same size is a copy; rows are read at their step, past any padding.
    const std::vector<unsigned char> padded = {1, 2, 3, 9, 4, 5, 6, 9};
    EXPECT_EQ(AverageDown({padded.data(), 1, 2, 4}, {1, 2}, {1000, 2000}), (std::vector<unsigned char>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(AverageDown({padded.data(), 1, 2, 4}, {1, 1}, {1000, 1000}), (std::vector<unsigned char>{3, 4, 5}));
    // Larger, empty or short-stepped pictures give nothing.
    EXPECT_TRUE(AverageDown({even.data(), 4, 1, 12}, {5, 1}, {5000, 1000}).empty());
    EXPECT_TRUE(AverageDown({even.data(), 4, 1, 12}, {0, 1}, {0, 1000}).empty());
    EXPECT_TRUE(AverageDown({even.data(), 4, 1, 12}, {3, 1}, {2000, 1000}).empty()) << "2 pixels do not round up to 3";
    EXPECT_TRUE(AverageDown({even.data(), 4, 1, 11}, {3, 1}, {3000, 1000}).empty());
    EXPECT_TRUE(AverageDown({nullptr, 4, 1, 12}, {3, 1}, {3000, 1000}).empty());
}

}  // namespace
}  // namespace felux
