// The panel renderer against the compiled-in skin: every piece on the canvas must be the skin's own area.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "skin/DibImage.h"
#include "skin/PanelRenderer.h"
#include "skin/SkinBytes.h"
#include "skin/SkinLayout.h"

namespace felux {
namespace {

using namespace skin;

constexpr MediaTime kSecond = std::chrono::seconds(1);

class CountingVolumeRecord : public VolumeRecordToggle {
public:
    void RegisterVolume() override {
        ++registered;
        present = true;
    }
    void ForgetVolume() override {
        ++forgotten;
        present = false;
    }
    bool RecordPresent() const override { return present; }
    int registered = 0;
    int forgotten = 0;
    bool present = false;
};

class PanelRendering : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin.LoadFromBytes(SkinBitmapBytes()));
        ASSERT_TRUE(renderer.Load(SkinBitmapBytes()));
        Playing();
    }
    void Playing() {
        view = PanelView{};
        view.stopped = false;
        view.duration = 600 * kSecond;
    }
    void Draw() {
        PanelWrites writes{rate, ramp, volumeRequest, readout, volumeRecord};
        renderer.DrawPanel(view, writes);
    }
    // Whether the canvas at `at` holds the skin's pixels of `from` (same size).
    bool Shows(Rect at, Rect from) const {
        for (int y = 0; y < at.height; ++y)
            for (int x = 0; x < at.width; ++x)
                if (renderer.Canvas().PixelAt(at.x + x, at.y + y) != skin.PixelAt(from.x + x, from.y + y)) return false;
        return true;
    }
    bool Resting(Rect at) const { return Shows(at, at); }
    bool IsLit(Rect at) const { return Shows(at, Lit(at)); }
    // The read-out cells from the left; -1 expects the cell unlit (resting).
    bool LargeCells(std::vector<int> cells) const {
        for (int i = 0; i < static_cast<int>(cells.size()); ++i)
            if (!Shows({kTimeReadoutX + kReadoutPitch * i, kTimeReadoutY, kCellWidth, kLargeCellHeight},
                       LargeCell(cells[static_cast<std::size_t>(i)])))
                return false;
        return true;
    }
    bool SmallCells(int first, std::vector<int> cells) const {
        for (int i = 0; i < static_cast<int>(cells.size()); ++i) {
            const Rect at{kSmallReadoutX + kReadoutPitch * (first + i), kSmallReadoutY, kCellWidth, kSmallCellHeight};
            const int k = cells[static_cast<std::size_t>(i)];
            if (!(k < 0 ? Resting(at) : Shows(at, SmallCell(k)))) return false;
        }
        return true;
    }
    int MarkerPixels() const {
        int n = 0;
        for (int x = 0; x < 407; ++x) n += renderer.Canvas().PixelAt(x, 13) == PanelRenderer::kMarkerColour;
        return n;
    }

    DibImage skin;
    PanelRenderer renderer;
    PanelView view;
    int rate = 1000;
    RateRamp ramp;
    int volumeRequest = 0;
    int readout = 0;
    CountingVolumeRecord volumeRecord;
};

TEST_F(PanelRendering, TimeReadoutShowsHoursMinutesAndSecondsInDigitCells) {
    view.position = (3 * 3600 + 5 * 60 + 9) * kSecond + kSecond - MediaTime(1);  // fractions are cut off
    Draw();
    EXPECT_TRUE(LargeCells({3, kLargeH, 0, 5, kLargeM, 0, 9, kLargeS}));
    // One hours cell: twelve hours show their last digit, not a cell past the digits.
    view.position = (12 * 3600 + 59 * 60 + 59) * kSecond;
    Draw();
    EXPECT_TRUE(LargeCells({2, kLargeH, 5, 9, kLargeM, 5, 9, kLargeS}));
    view.position = -5 * kSecond;
    Draw();
    EXPECT_TRUE(LargeCells({0, kLargeH, 0, 0, kLargeM, 0, 0, kLargeS}));
}

TEST_F(PanelRendering, TransportShowsStoppedPausedAndPlayingFaces) {
    Draw();
    for (Rect r : {kPlayButton, kStillArea, kSpeedCentreTick}) EXPECT_TRUE(Resting(r));
    view.stopped = true;
    view.held.play = true;  // the ready face wins over the held one while stopped
    Draw();
    EXPECT_TRUE(Shows(kPlayButton, SecondLit(kPlayButton)));
    EXPECT_TRUE(IsLit(kSpeedCentreTick));

    Playing();
    view.paused = true;
    Draw();
    EXPECT_TRUE(Shows(kStillArea, SecondLit(kStillArea)));
    EXPECT_TRUE(IsLit(kSpeedStillMark) && IsLit(kSpeedCentreTick));
    EXPECT_TRUE(Resting(kPlayButton));
}

TEST_F(PanelRendering, HeldButtonsAndSwitchesLightTheirFaces) {
    view.held = {true, true, true, true, true, true, false, false, true, true};
    view.shufflePlay = view.repeatList = view.scanLinesOn = true;
    view.lineMaskMode = 1;
    view.appActive = false;
    Draw();
    for (Rect r : {kPlayButton, kStopArea, kStillArea, kBackButton, kNextButton, kConfigButton, kFullArea, kPowerButton,
                   kShuffleLabel, kRepeatLabel, kScanLineBox, kLineMaskBox, kLogoArea})
        EXPECT_TRUE(IsLit(r)) << r.x << "," << r.y;
    EXPECT_TRUE(Resting(kZoomPair));

    Playing();
    view.held.zoomMinus = true;
    view.lineMaskMode = 2;
    Draw();
    EXPECT_TRUE(Shows(kZoomPair, SecondLit(kZoomPair)));
    EXPECT_TRUE(Shows(kLineMaskSecondMarkAt, kLineMaskSecondMark));
    for (Rect r : {kShuffleLabel, kRepeatLabel, kScanLineBox, kLogoArea}) EXPECT_TRUE(Resting(r)) << r.x << "," << r.y;
}

// Repeat one blinks the RP label (lit 24 ticks of every 40), whatever the list's repeat.
TEST_F(PanelRendering, RepeatOneBlinksTheRepeatLabel) {
    view.repeatOne = true;
    int lit = 0;
    for (int i = 0; i < 40; ++i) {
        Draw();
        if (IsLit(kRepeatLabel)) ++lit;
        else EXPECT_TRUE(Resting(kRepeatLabel));
    }
    EXPECT_EQ(lit, 24);
    view.repeatOne = false;
    Draw();
    EXPECT_TRUE(Resting(kRepeatLabel));
}

TEST_F(PanelRendering, SpeedScaleLightsTwoPixelsPerStep) {
    view.wheelStep = -3;
    Draw();
    EXPECT_TRUE(IsLit({337, 13, 6, 3}) && IsLit(kSpeedSlowMark) && IsLit(kSpeedCentreTick));
    EXPECT_TRUE(Resting({325, 13, 12, 3}) && Resting({kSpeedFastX, 13, 18, 3}));
    view.wheelStep = 3;
    Draw();
    EXPECT_TRUE(IsLit({356, 13, 6, 3}));
    EXPECT_TRUE(Resting({362, 13, 12, 3}) && Resting({325, 13, 31, 3}));
    // Steps beyond the scale light the whole side and nothing past it.
    view.wheelStep = -40;
    Draw();
    EXPECT_TRUE(IsLit({325, 13, 18, 3}) && Resting({319, 13, 6, 3}));
}

TEST_F(PanelRendering, ProgressAndKnobAreClampedToTheirBars) {
    view.progress = 50;
    Draw();
    EXPECT_TRUE(IsLit({63, 12, 50, 3}) && Resting({113, 12, 88, 3}));
    view.progress = -5;
    Draw();
    EXPECT_TRUE(Resting(kProgressTrack));
    view.progress = 500;
    Draw();
    EXPECT_TRUE(IsLit({63, 12, 137, 3}) && Resting({200, 12, 6, 3}));

    for (int level : {0, 31, 62, 90}) {
        view.volumeKnob = level;
        Draw();
        EXPECT_TRUE(Shows({59 + std::min(level, 62), kVolumeKnobY, 13, 7}, kVolumeKnob)) << level;
    }
}

TEST_F(PanelRendering, AbMarkersSitAtTheirTimesOnlyOnLongEnoughMedia) {
    view.duration = 138 * kSecond;  // one second per pixel
    view.progress = 137;
    view.abAMs = 69'000;
    view.abBMs = 500'000;  // past the end: stays on the bar
    view.abState = AbRepeat::MarkA;
    Draw();
    EXPECT_EQ(renderer.Canvas().PixelAt(63 + 69, 12), PanelRenderer::kMarkerColour);
    EXPECT_EQ(MarkerPixels(), 2);
    view.abState = AbRepeat::Looping;
    Draw();
    EXPECT_EQ(renderer.Canvas().PixelAt(63 + 137, 14), PanelRenderer::kMarkerColour);
    EXPECT_EQ(MarkerPixels(), 4);

    view.abState = AbRepeat::Off;
    Draw();
    EXPECT_EQ(MarkerPixels(), 0);
    view.abState = AbRepeat::Looping;
    view.duration = PanelRenderer::kMarkerDivisor - MediaTime(1);
    Draw();
    EXPECT_EQ(MarkerPixels(), 0);
}

TEST_F(PanelRendering, RateRampAcceleratesUpToTwiceNormalSpeed) {
    view.held.play = true;
    ramp.Press(RampDirection::Faster);
    std::vector<int> changedOn;
    for (int tick = 1; tick <= 200; ++tick) {
        const int before = rate;
        Draw();
        if (rate != before && changedOn.size() < 9) changedOn.push_back(tick);
        if (tick == 6) {
            EXPECT_TRUE(SmallCells(0, {1, 0, 0})) << "a click held for six ticks leaves 100 per cent";
        }
        if (tick == 7) {
            EXPECT_TRUE(SmallCells(0, {1, 0, 1})) << "101 per cent after one whole interval";
        }
    }
    EXPECT_EQ(changedOn, (std::vector<int>{7, 13, 18, 22, 25, 27, 28, 29, 30}));
    EXPECT_EQ(rate, 2000);

    for (auto block : {&PanelView::stopped, &PanelView::paused, &PanelView::rateLocked}) {
        Playing();
        view.held.play = true;
        view.*block = true;
        rate = 1000;
        ramp.Press(RampDirection::Faster);
        for (int tick = 0; tick < 10; ++tick) Draw();
        EXPECT_EQ(rate, 1000);
    }
}

TEST_F(PanelRendering, RateRampRestsAtNormalSpeedWhenCrossingIt) {
    view.held.play = true;
    rate = 1500;
    ramp.Press(RampDirection::Slower);
    for (int tick = 0; tick < 1000 && rate > 1010; ++tick) Draw();
    Draw();
    EXPECT_EQ(rate, 1000) << "snaps from 1010";
    int heldTicks = 1;
    for (; rate == 1000 && heldTicks < 500; ++heldTicks) Draw();
    EXPECT_EQ(heldTicks, 60) << "the snapping tick and 59 more";
    EXPECT_EQ(rate, 990);
    for (int tick = 0; tick < 200; ++tick) Draw();
    EXPECT_EQ(rate, 100);

    for (int from : {990, 999}) {
        rate = from;
        ramp.Press(RampDirection::Faster);
        Draw();
        for (int tick = 0; tick < 58; ++tick) Draw();
        EXPECT_EQ(rate, 1000) << from;
        Draw();
        EXPECT_EQ(rate, 1010) << from;
    }
}

TEST_F(PanelRendering, ZoomReadoutBlinksNineOnThreeOffThenShowsTheListPosition) {
    view.listCount = 1234;  // hundreds taken mod 10
    view.currentIndex = 4;
    readout = 35;
    std::string shown;
    for (int tick = 0; tick < 35; ++tick) {
        Draw();
        shown += IsLit(kZoomDot) && SmallCells(4, {1, 0, 0}) ? '1' : SmallCells(4, {-1, -1, -1}) ? '0' : '?';
    }
    EXPECT_EQ(shown, "00111111111000111111111000111111111");
    Draw();
    EXPECT_TRUE(Resting(kZoomDot) && SmallCells(0, {2, 3, 4, kSmallDash, 0, 0, 5}));

    view.fullScreen = true;
    view.fullScreenZoomStep = 3;
    readout = 30;
    Draw();
    EXPECT_TRUE(SmallCells(4, {1, 5, 0}));
    view.fullScreenZoomStep = 7;
    Draw();
    EXPECT_TRUE(SmallCells(2, {kSmallF, kSmallU, kSmallL, kSmallL, 3}));
}

TEST_F(PanelRendering, OffNormalRateBlinksInTheSmallReadout) {
    rate = 1500;
    view.listCount = 9;
    std::string shown;
    for (int tick = 0; tick < 44; ++tick) {
        Draw();
        shown += SmallCells(0, {1, 5, 0, -1}) ? 'r' : SmallCells(0, {0, 0, 9, kSmallDash}) ? 'c' : '?';
    }
    EXPECT_EQ(shown, std::string(24, 'r') + std::string(16, 'c') + std::string(4, 'r'));
}

TEST_F(PanelRendering, VolumeAreaShowsTheModeAndFlashesOnAChange) {
    const Rect top{kVolumeArea.x, kVolumeArea.y, kVolumeArea.width, 5};  // above the knob
    Draw();
    EXPECT_TRUE(Resting(top));
    view.volumeLogEnabled = true;
    Draw();
    EXPECT_TRUE(IsLit(top));
    volumeRecord.present = view.volumeRecordPresent = true;
    volumeRequest = 2;
    Draw();
    EXPECT_EQ(volumeRecord.forgotten, 1);
    EXPECT_EQ(volumeRequest, 0);
    EXPECT_FALSE(Shows(top, Lit(top))) << "flashing";
    view.volumeRecordPresent = false;
    for (int frame = 2; frame <= 8; ++frame) Draw();
    EXPECT_TRUE(IsLit(top)) << "the flash is over after seven frames";

    volumeRequest = 2;
    Draw();
    EXPECT_EQ(volumeRecord.registered, 1);
    // With the log switched off the request is dropped, not kept for later.
    view.volumeLogEnabled = false;
    volumeRequest = 2;
    Draw();
    view.volumeLogEnabled = true;
    Draw();
    EXPECT_EQ(volumeRecord.registered + volumeRecord.forgotten, 2);
}

TEST_F(PanelRendering, TheToggleFrameShowsTheFaceTheToggleLeft) {
    // A skin whose flash is all white (the key colour), so the face shows through it.
    const std::span<const unsigned char> bytes = SkinBitmapBytes();
    std::vector<unsigned char> skinBytes(bytes.begin(), bytes.end());
    const auto field = [&](std::size_t at) {
        return static_cast<std::int32_t>(skinBytes[at] | skinBytes[at + 1] << 8 | skinBytes[at + 2] << 16 |
                                         static_cast<std::uint32_t>(skinBytes[at + 3]) << 24);
    };
    const std::int32_t height = field(22);
    for (int y = kVolumeFlash.y; y < kVolumeFlash.y + kVolumeFlash.height; ++y) {
        const int row = height > 0 ? height - 1 - y : y;
        const auto start = static_cast<std::size_t>(field(10) + row * field(18) * 3 + kVolumeFlash.x * 3);
        std::fill_n(skinBytes.begin() + static_cast<std::ptrdiff_t>(start), kVolumeFlash.width * 3, 0xFF);
    }
    // The first frame of a toggle, from the record flag before it, on a fresh renderer.
    const auto toggleFrame = [&](bool presentBefore) {
        PanelRenderer fresh;
        EXPECT_TRUE(fresh.Load(skinBytes));
        view.volumeLogEnabled = true;
        view.volumeRecordPresent = presentBefore;
        CountingVolumeRecord record;
        record.present = presentBefore;
        int request = 2;
        PanelWrites writes{rate, ramp, request, readout, record};
        fresh.DrawPanel(view, writes);
        return fresh.Canvas();
    };
    const Rect face{kVolumeArea.x, kVolumeArea.y, kVolumeArea.width, 5};  // above the knob
    const auto shows = [&](const DibImage& canvas, Rect from) {
        for (int y = 0; y < face.height; ++y)
            for (int x = 0; x < face.width; ++x)
                if (canvas.PixelAt(face.x + x, face.y + y) != skin.PixelAt(from.x + x, from.y + y)) return false;
        return true;
    };
    EXPECT_TRUE(shows(toggleFrame(false), SecondLit(face))) << "registered: the face with a record at once";
    EXPECT_TRUE(shows(toggleFrame(true), Lit(face))) << "forgotten: the face without";
}

TEST_F(PanelRendering, CopiesClipToTheCanvasAndNeedALoadedSkin) {
    renderer.BlitOpaque(PanelImage::Skin, -3, -2, kLogoArea.x, 100, kLogoArea.width, kLogoArea.height);
    EXPECT_TRUE(Shows({0, 0, kLogoArea.width - 3, kLogoArea.height - 2}, {kLogoArea.x + 3, 102, 43, 14}));
    const DibImage before = renderer.Canvas();
    renderer.BlitOpaque(PanelImage::Skin, 640, 0, 0, 0, 50, 50);
    renderer.BlitBlend(PanelImage::Skin, 10, 400, 0, 0, 50, 50, 255);
    renderer.BlitKeyWhite(PanelImage::Text, 0, 0, 0, 0, 640, 400);  // all white: nothing lands
    for (int y = 0; y < 400; y += 7)
        for (int x = 0; x < 640; x += 5) ASSERT_EQ(renderer.Canvas().PixelAt(x, y), before.PixelAt(x, y));
    // The canvas as a source: a strip built off the panel can be moved onto it.
    renderer.BlitOpaque(PanelImage::Canvas, 0, 0, 412, 0, 6, 13);
    EXPECT_TRUE(Shows({0, 0, 6, 13}, LargeCell(0)));

    EXPECT_FALSE(renderer.Load(SkinBitmapBytes().first(1000)));
    Draw();
    EXPECT_TRUE(renderer.Canvas().Empty());
}

}  // namespace
}  // namespace felux
