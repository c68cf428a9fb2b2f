// The panel renderer against the compiled-in skin: every piece on the canvas must be the skin's own area.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "skin/DibImage.h"
#include "skin/PanelRenderer.h"
#include "skin/SkinBytes.h"
#include "skin/SkinLayout.h"

namespace felux {
namespace {

using namespace skin;

constexpr std::int64_t kSecond = 10'000'000;

class CountingVolumeRecord : public VolumeRecordToggle {
public:
    void RegisterVolume() override { ++registered; }
    void ForgetVolume() override { ++forgotten; }
    int registered = 0;
    int forgotten = 0;
};

class PanelRendering : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(skin.LoadFromBytes(SkinBitmapBytes()));
        ASSERT_TRUE(renderer.Load(SkinBitmapBytes()));
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
    bool LargeCellAt(int i, int k) const {
        return Shows({kTimeReadoutX + kReadoutPitch * i, kTimeReadoutY, kCellWidth, kLargeCellHeight}, LargeCell(k));
    }
    bool SmallCellAt(int i, int k) const {
        return Shows({kSmallReadoutX + kReadoutPitch * i, kSmallReadoutY, kCellWidth, kSmallCellHeight}, SmallCell(k));
    }
    bool SmallBlank(int i) const {
        return Resting({kSmallReadoutX + kReadoutPitch * i, kSmallReadoutY, kCellWidth, kSmallCellHeight});
    }
    int MarkerPixels() const {
        int n = 0;
        for (int x = kProgressTrack.x; x < kProgressTrack.x + kProgressTrack.width + 1; ++x)
            if (renderer.Canvas().PixelAt(x, kProgressTrack.y + 1) == PanelRenderer::kMarkerColour) ++n;
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
    auto showsTime = [&](std::vector<int> cells) {
        for (int i = 0; i < 8; ++i)
            if (!LargeCellAt(i, cells[static_cast<std::size_t>(i)])) return false;
        return true;
    };
    view.position = (3 * 3600 + 5 * 60 + 9) * kSecond + kSecond - 1;  // fractions are cut off
    Draw();
    EXPECT_TRUE(showsTime({3, kLargeH, 0, 5, kLargeM, 0, 9, kLargeS}));
    view.position = (59 * 60 + 59) * kSecond;
    Draw();
    EXPECT_TRUE(showsTime({0, kLargeH, 5, 9, kLargeM, 5, 9, kLargeS}));
    // One hours cell: twelve hours show their last digit, not a cell past the digits.
    view.position = 12 * 3600 * kSecond;
    Draw();
    EXPECT_TRUE(showsTime({2, kLargeH, 0, 0, kLargeM, 0, 0, kLargeS}));
    view.position = -5 * kSecond;
    Draw();
    EXPECT_TRUE(showsTime({0, kLargeH, 0, 0, kLargeM, 0, 0, kLargeS}));
}

TEST_F(PanelRendering, TransportShowsStoppedPausedAndPlayingFaces) {
    Draw();
    EXPECT_TRUE(Resting(kPlayButton));
    EXPECT_TRUE(Resting(kStillArea));
    EXPECT_TRUE(Resting(kSpeedCentreTick));

    view.stopped = true;
    Draw();
    EXPECT_TRUE(Shows(kPlayButton, SecondLit(kPlayButton)));
    EXPECT_TRUE(IsLit(kSpeedCentreTick));
    view.held.play = true;  // the ready face wins over the held one while stopped
    Draw();
    EXPECT_TRUE(Shows(kPlayButton, SecondLit(kPlayButton)));

    view = PanelView{};
    view.stopped = false;
    view.paused = true;
    Draw();
    EXPECT_TRUE(Shows(kStillArea, SecondLit(kStillArea)));
    EXPECT_TRUE(IsLit(kSpeedStillMark));
    EXPECT_TRUE(IsLit(kSpeedCentreTick));
    EXPECT_TRUE(Resting(kPlayButton));
}

TEST_F(PanelRendering, HeldButtonsAndSwitchesLightTheirFaces) {
    view.held = {true, true, true, true, true, true, false, false, true, true};
    view.shufflePlay = view.repeatList = true;
    view.scanLinesOn = true;
    view.lineMaskMode = 1;
    view.appActive = false;
    Draw();
    for (Rect r : {kPlayButton, kStopArea, kStillArea, kBackButton, kNextButton, kConfigButton, kFullArea, kPowerButton,
                   kShuffleLabel, kRepeatLabel, kScanLineBox, kLineMaskBox, kLogoArea, kSpeedStillMark})
        EXPECT_TRUE(IsLit(r)) << r.x << "," << r.y;
    EXPECT_TRUE(Resting(kZoomPair));

    view = PanelView{};
    view.stopped = false;
    view.held.zoomMinus = true;
    view.lineMaskMode = 2;
    Draw();
    EXPECT_TRUE(Shows(kZoomPair, SecondLit(kZoomPair)));
    EXPECT_TRUE(Shows(kLineMaskSecondMarkAt, kLineMaskSecondMark));
    for (Rect r : {kPlayButton, kShuffleLabel, kRepeatLabel, kScanLineBox, kLogoArea, kFullArea})
        EXPECT_TRUE(Resting(r)) << r.x << "," << r.y;
    view.held = {};
    view.held.zoomPlus = true;
    Draw();
    EXPECT_TRUE(IsLit(kZoomPair));
}

TEST_F(PanelRendering, SpeedScaleLightsTwoPixelsPerStep) {
    view.wheelStep = -3;
    Draw();
    EXPECT_TRUE(IsLit({337, 13, 6, 3}));
    EXPECT_TRUE(Resting({335, 13, 2, 3}));
    EXPECT_TRUE(IsLit(kSpeedSlowMark));
    EXPECT_TRUE(IsLit(kSpeedCentreTick));
    EXPECT_TRUE(Resting({kSpeedFastX, 13, 18, 3}));

    view.wheelStep = 3;
    Draw();
    EXPECT_TRUE(IsLit({356, 13, 6, 3}));
    EXPECT_TRUE(Resting({362, 13, 12, 3}));
    EXPECT_TRUE(Resting({325, 13, 31, 3}));

    // Steps beyond the scale light the whole side and nothing past it.
    view.wheelStep = 40;
    Draw();
    EXPECT_TRUE(IsLit({356, 13, 18, 3}));
    EXPECT_TRUE(Resting({374, 13, 6, 3}));
    view.wheelStep = -40;
    Draw();
    EXPECT_TRUE(IsLit({325, 13, 18, 3}));
    EXPECT_TRUE(Resting({319, 13, 6, 3}));
}

TEST_F(PanelRendering, ProgressIsClampedToTheBar) {
    view.progress = 50;
    Draw();
    EXPECT_TRUE(IsLit({63, 12, 50, 3}));
    EXPECT_TRUE(Resting({113, 12, 88, 3}));
    view.progress = -5;
    Draw();
    EXPECT_TRUE(Resting(kProgressTrack));
    view.progress = 500;
    Draw();
    EXPECT_TRUE(IsLit({63, 12, 137, 3}));
    EXPECT_TRUE(Resting({200, 12, 6, 3}));
}

TEST_F(PanelRendering, VolumeKnobSitsAtItsLevel) {
    for (int level : {0, 31, 62}) {
        view.volumeKnob = level;
        Draw();
        EXPECT_TRUE(Shows({59 + level, kVolumeKnobY, 13, 7}, kVolumeKnob)) << level;
    }
    view.volumeKnob = 90;
    Draw();
    EXPECT_TRUE(Shows({59 + 62, kVolumeKnobY, 13, 7}, kVolumeKnob));
}

TEST_F(PanelRendering, AbMarkersSitAtTheirTimesOnlyOnLongEnoughMedia) {
    view.duration = 138 * kSecond;  // one second per pixel
    view.progress = 137;
    view.abAMs = 69'000;
    view.abBMs = 100'500;
    view.abState = 1;
    Draw();
    EXPECT_EQ(renderer.Canvas().PixelAt(63 + 69, 12), PanelRenderer::kMarkerColour);
    EXPECT_EQ(renderer.Canvas().PixelAt(63 + 70, 14), PanelRenderer::kMarkerColour);
    EXPECT_EQ(MarkerPixels(), 2);
    view.abState = 4;
    Draw();
    EXPECT_EQ(renderer.Canvas().PixelAt(63 + 100, 12), PanelRenderer::kMarkerColour);
    EXPECT_EQ(MarkerPixels(), 4);
    // A point past the end stays on the bar.
    view.abBMs = 500'000;
    Draw();
    EXPECT_EQ(renderer.Canvas().PixelAt(63 + 137, 13), PanelRenderer::kMarkerColour);

    view.abState = 0;
    Draw();
    EXPECT_EQ(MarkerPixels(), 0);
    view.abState = 4;
    view.duration = PanelRenderer::kMarkerDivisor - 1;
    Draw();
    EXPECT_EQ(MarkerPixels(), 0);
    EXPECT_TRUE(IsLit({63, 12, 137, 3}));
}

TEST_F(PanelRendering, RateRampAcceleratesUpToTwiceNormalSpeed) {
    view.held.play = true;
    ramp.Press(RampDirection::Faster);
    std::vector<int> changedOn;
    for (int tick = 1; tick <= 200; ++tick) {
        const int before = rate;
        Draw();
        if (rate != before) {
            EXPECT_EQ(rate, before + 10) << tick;
            if (changedOn.size() < 9) changedOn.push_back(tick);
        }
        if (tick == 1) {
            EXPECT_TRUE(SmallCellAt(0, 1) && SmallCellAt(1, 0) && SmallCellAt(2, 1)) << "101 per cent";
        }
    }
    EXPECT_EQ(changedOn, (std::vector<int>{1, 7, 12, 16, 19, 21, 22, 23, 24}));
    EXPECT_EQ(rate, 2000);

    // No ramp while stopped, paused or locked.
    for (auto block : {&PanelView::stopped, &PanelView::paused, &PanelView::rateLocked}) {
        view = PanelView{};
        view.stopped = false;
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
    int ticks = 0;
    while (rate > 1010 && ticks < 1000) {
        Draw();
        ++ticks;
    }
    ASSERT_EQ(rate, 1010);
    Draw();
    EXPECT_EQ(rate, 1000) << "snaps from 1010";
    int heldTicks = 1;
    while (rate == 1000 && heldTicks < 500) {
        Draw();
        ++heldTicks;
    }
    EXPECT_EQ(heldTicks, 60) << "the snapping tick and 59 more, then it moves on";
    EXPECT_EQ(rate, 990);
    for (int tick = 0; tick < 200; ++tick) Draw();
    EXPECT_EQ(rate, 100);

    // Rising from just below, any rate of 990..999 snaps the same way.
    for (int from : {990, 995, 999}) {
        rate = from;
        ramp.Press(RampDirection::Faster);
        Draw();
        EXPECT_EQ(rate, 1000) << from;
        for (int tick = 0; tick < 58; ++tick) Draw();
        EXPECT_EQ(rate, 1000) << from;
        Draw();
        EXPECT_EQ(rate, 1010) << from;
    }
}

TEST_F(PanelRendering, ZoomReadoutBlinksNineOnThreeOffThenShowsTheListPosition) {
    view.listCount = 12;
    view.currentIndex = 4;
    readout = 35;
    std::string shown;
    for (int tick = 0; tick < 35; ++tick) {
        Draw();
        const bool dot = IsLit(kZoomDot);
        shown += dot ? '1' : '0';
        if (dot) {
            EXPECT_TRUE(SmallCellAt(4, 1) && SmallCellAt(5, 0) && SmallCellAt(6, 0)) << "100 per cent";
        } else {
            EXPECT_TRUE(SmallBlank(4) && SmallBlank(6));
        }
    }
    EXPECT_EQ(shown, "00111111111000111111111000111111111");
    EXPECT_EQ(readout, 0);
    Draw();
    EXPECT_TRUE(Resting(kZoomDot));
    for (int i = 0; i < 7; ++i) EXPECT_TRUE(SmallCellAt(i, std::vector<int>{0, 1, 2, kSmallDash, 0, 0, 5}[i])) << i;

    view.fullScreen = true;
    view.fullScreenZoomStep = 3;
    readout = 30;
    Draw();
    EXPECT_TRUE(SmallCellAt(4, 1) && SmallCellAt(5, 5) && SmallCellAt(6, 0)) << "150 per cent";
    view.fullScreenZoomStep = 7;
    Draw();
    for (int i = 2; i < 7; ++i) EXPECT_TRUE(SmallCellAt(i, std::vector<int>{kSmallF, kSmallU, kSmallL, kSmallL, 3}[i - 2])) << i;
}

TEST_F(PanelRendering, OffNormalRateBlinksInTheSmallReadout) {
    rate = 1500;
    view.listCount = 1234;  // the hundreds digit is taken mod 10
    view.currentIndex = 0;
    std::string shown;
    for (int tick = 0; tick < 44; ++tick) {
        Draw();
        if (SmallCellAt(0, 1) && SmallCellAt(1, 5) && SmallCellAt(2, 0) && SmallBlank(3)) {
            shown += 'r';
        } else if (SmallCellAt(0, 2) && SmallCellAt(1, 3) && SmallCellAt(2, 4) && SmallCellAt(3, kSmallDash) &&
                   SmallCellAt(6, 1)) {
            shown += 'c';
        } else {
            shown += '?';
        }
    }
    EXPECT_EQ(shown, std::string(24, 'r') + std::string(16, 'c') + std::string(4, 'r'));
    rate = 1000;
    Draw();
    EXPECT_TRUE(SmallCellAt(3, kSmallDash));
}

TEST_F(PanelRendering, VolumeAreaShowsTheModeAndFlashesOnAChange) {
    const Rect top{kVolumeArea.x, kVolumeArea.y, kVolumeArea.width, 5};  // above the knob
    Draw();
    EXPECT_TRUE(Resting(top));
    view.volumeLogEnabled = true;
    Draw();
    EXPECT_TRUE(Shows(top, Lit(top)));
    view.volumeRecordPresent = true;
    Draw();
    EXPECT_TRUE(Shows(top, SecondLit(top)));

    volumeRequest = 2;
    Draw();
    EXPECT_EQ(volumeRecord.forgotten, 1);
    EXPECT_EQ(volumeRequest, 0);
    // The first flash frame is the flash itself wherever it has ink.
    int ink = 0;
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < kVolumeFlash.width; ++x) {
            const auto f = skin.PixelAt(kVolumeFlash.x + x, kVolumeFlash.y + y);
            if (f == Rgb{255, 255, 255}) continue;
            ++ink;
            EXPECT_EQ(renderer.Canvas().PixelAt(top.x + x, top.y + y), f);
        }
    EXPECT_GT(ink, 0);
    // It fades: fewer pixels stand out from the face each frame.
    auto standingOut = [&] {
        int n = 0;
        for (int y = 0; y < top.height; ++y)
            for (int x = 0; x < top.width; ++x)
                n += renderer.Canvas().PixelAt(top.x + x, top.y + y) != skin.PixelAt(top.x + x, top.y + 200 + y);
        return n;
    };
    int last = standingOut();
    for (int frame = 2; frame <= 7; ++frame) {
        Draw();
        const int now = standingOut();
        EXPECT_LE(now, last) << frame;
        if (frame <= 3) {
            EXPECT_GT(now, 0) << frame;
        }
        last = now;
    }
    Draw();
    EXPECT_TRUE(Shows(top, SecondLit(top))) << "the flash is over after seven frames";

    view.volumeRecordPresent = false;
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

TEST_F(PanelRendering, CopiesClipToTheCanvas) {
    const Rect logo = kLogoArea;
    renderer.BlitOpaque(PanelImage::Skin, -3, -2, logo.x, 100 + logo.y, logo.width, logo.height);
    EXPECT_EQ(renderer.Canvas().PixelAt(0, 0), skin.PixelAt(logo.x + 3, 102));
    EXPECT_EQ(renderer.Canvas().PixelAt(logo.width - 4, logo.height - 3),
              skin.PixelAt(logo.x + logo.width - 1, 100 + logo.height - 1));
    const DibImage before = renderer.Canvas();
    renderer.BlitOpaque(PanelImage::Skin, 640, 0, 0, 0, 50, 50);
    renderer.BlitKeyBlack(PanelImage::Skin, -50, 10, 0, 0, 50, 50);
    renderer.BlitBlend(PanelImage::Skin, 10, 400, 0, 0, 50, 50, 255);
    renderer.BlitKeyWhite(PanelImage::Text, 0, 0, 0, 0, 640, 400);  // all white: nothing lands
    renderer.FillColor(-10, -10, 10, 10, {1, 2, 3});
    for (int y = 0; y < 400; y += 7)
        for (int x = 0; x < 640; x += 5) ASSERT_EQ(renderer.Canvas().PixelAt(x, y), before.PixelAt(x, y));
    // The canvas as a source: a strip built off the panel can be moved onto it.
    renderer.BlitOpaque(PanelImage::Canvas, 0, 0, 412, 0, 6, 13);
    EXPECT_TRUE(Shows({0, 0, 6, 13}, LargeCell(0)));
}

TEST_F(PanelRendering, RefusesWhatIsNotASkinAndThenDrawsNothing) {
    const auto bytes = SkinBitmapBytes();
    EXPECT_FALSE(renderer.Load(bytes.first(1000)));
    EXPECT_FALSE(renderer.Loaded());
    Draw();
    renderer.BlitOpaque(PanelImage::Skin, 0, 0, 0, 0, 10, 10);
    EXPECT_TRUE(renderer.Canvas().Empty());
    EXPECT_FALSE(renderer.Load({}));
    EXPECT_TRUE(renderer.Load(bytes));
}

}  // namespace
}  // namespace felux
