// The panel is composed only when it would change, and only what changed is repainted: a renderer
// that skips the other ticks and paints only the areas it reports must show exactly what one
// composing on every tick shows, and an idle panel must compose nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <vector>

#include "FakeTextPainter.h"
#include "NoVolumeRecord.h"
#include "skin/PanelRenderer.h"
#include "skin/SkinBytes.h"
#include "skin/SkinLayout.h"

namespace felux {
namespace {

constexpr MediaTime kMs = std::chrono::milliseconds(1);

struct Side {
    PanelRenderer renderer;
    int rate = 1000;
    RateRamp ramp;
    int volumeRequest = 0;
    int readout = 0;
    test::NoVolumeRecord log;
    PanelWrites Writes() { return {rate, ramp, volumeRequest, readout, log}; }
};

bool SameImage(const DibImage& a, const DibImage& b) {
    return a.Height() == b.Height() && a.Stride() == b.Stride() &&
           std::memcmp(a.TopRow(), b.TopRow(), static_cast<std::size_t>(a.Stride()) * a.Height()) == 0;
}

// The panel window as the display shows it: only the areas a frame reports are copied to it.
struct Screen {
    static constexpr std::size_t kRowBytes = skin::kPaintedWidth * 3;
    std::vector<unsigned char> pixels = std::vector<unsigned char>(kRowBytes * skin::kPaintedRows);
    std::vector<Rect> areas;

    void Paint(const DibImage& canvas, Rect area) {
        areas.push_back(area);
        ASSERT_TRUE(area.x >= 0 && area.y >= 0 && area.width > 0 && area.height > 0 &&
                    area.x + area.width <= skin::kPaintedWidth && area.y + area.height <= skin::kPaintedRows);
        for (int y = area.y; y < area.y + area.height; ++y)
            std::memcpy(&pixels[kRowBytes * y + area.x * 3], canvas.TopRow() + canvas.Stride() * y + area.x * 3,
                        static_cast<std::size_t>(area.width) * 3);
    }
    bool Shows(const DibImage& canvas) const {
        for (int y = 0; y < skin::kPaintedRows; ++y)
            if (std::memcmp(&pixels[kRowBytes * y], canvas.TopRow() + canvas.Stride() * y, kRowBytes) != 0)
                return false;
        return true;
    }
    // Every area painted since the last call lies inside r.
    bool AllWithin(Rect r) {
        const bool inside = std::all_of(areas.begin(), areas.end(), [&](Rect a) {
            return a.x >= r.x && a.y >= r.y && a.x + a.width <= r.x + r.width && a.y + a.height <= r.y + r.height;
        });
        areas.clear();
        return inside;
    }
};

class PanelFrames : public ::testing::Test {
protected:
    void SetUp() override {
        for (Side* s : {&every, &skipping}) {
            ASSERT_TRUE(s->renderer.Load(SkinBitmapBytes()));
            s->renderer.SetTextPainter(&painter);
        }
        view.stopped = false;
        view.duration = 120'000 * kMs;
        view.listCount = 3;
        font.height = -13;
    }
    // One tick on both sides, then n - 1 more, the position moving by stepMs after each.
    void Ticks(int n, std::int64_t stepMs = 0) {
        for (int i = 0; i < n && !HasFatalFailure(); ++i) {
            PanelWrites all = every.Writes();
            every.renderer.DrawPanel(view, all);
            PanelWrites some = skipping.Writes();
            if (skipping.renderer.FrameDue(view, some)) {
                if (const std::optional<Rect> area = skipping.renderer.DrawPanel(view, some))
                    screen.Paint(skipping.renderer.Canvas(), *area);
                ++composed;
            }
            ASSERT_TRUE(SameImage(every.renderer.Canvas(), skipping.renderer.Canvas()))
                << "a skipped frame at tick " << tick << ", position " << view.position / kMs << " ms";
            ASSERT_TRUE(screen.Shows(every.renderer.Canvas()))
                << "an area left unpainted at tick " << tick << ", position " << view.position / kMs << " ms";
            ASSERT_EQ(every.rate, skipping.rate) << "tick " << tick;
            ASSERT_EQ(every.readout, skipping.readout) << "tick " << tick;
            ASSERT_EQ(every.volumeRequest, skipping.volumeRequest) << "tick " << tick;
            ASSERT_EQ(every.ramp.counter, skipping.ramp.counter) << "tick " << tick;
            ++tick;
            view.position += stepMs * kMs;
        }
    }
    void Both(const std::function<void(Side&)>& change) {
        change(every);
        change(skipping);
    }
    // Frames composed by the next n ticks.
    int ComposedOver(int n, std::int64_t stepMs = 0) {
        const int before = composed;
        Ticks(n, stepMs);
        return composed - before;
    }

    Side every, skipping;
    Screen screen;
    PanelView view;
    test::FakeTextPainter painter;
    TextFont font;
    int composed = 0;
    int tick = 0;
};

TEST_F(PanelFrames, IdleOrPausedPanelComposesOnceAndPlayingOnlyWhenTheReadoutsMove) {
    view.stopped = true;
    EXPECT_EQ(ComposedOver(50), 1);
    // The first frame is painted whole; the same frame composed again has nothing to paint.
    EXPECT_EQ(screen.areas, (std::vector<Rect>{{0, 0, skin::kPaintedWidth, skin::kPaintedRows}}));
    PanelWrites again = skipping.Writes();
    EXPECT_FALSE(skipping.renderer.DrawPanel(view, again).has_value());
    view.stopped = false;
    view.paused = true;
    view.position = 999 * kMs;
    EXPECT_EQ(ComposedOver(50), 1);
    // Playing 40 ms a tick from 0.999 s: the pause ends on the first tick, the second changes on
    // the next one and then every 25 ticks.
    view.paused = false;
    EXPECT_EQ(ComposedOver(100, 40), 5);
}

TEST_F(PanelFrames, EveryChangeTheUserCanSeeIsComposed) {
    Ticks(2);
    const std::function<void()> changes[] = {
        [&] { view.shufflePlay = true; },    [&] { view.repeatList = true; },
        [&] { view.appActive = false; },     [&] { view.held.stop = true; },
        [&] { view.held.next = true; },      [&] { view.held.zoomPlus = true; },
        [&] { view.scanLinesOn = true; },    [&] { view.lineMaskMode = 2; },
        [&] { view.wheelStep = -3; },        [&] { view.progress = 137; },
        [&] { view.volumeKnob = 62; },       [&] { view.abState = AbRepeat::Looping, view.abBMs = 90'000; },
        [&] { view.listCount = 200; },       [&] { view.currentIndex = 199; },
        [&] { view.paused = true; },         [&] { view.stopped = true; },
        [&] { view.position = std::chrono::hours(1); },
    };
    for (const auto& change : changes) {
        change();
        EXPECT_EQ(ComposedOver(1), 1) << "change " << tick;
        EXPECT_EQ(ComposedOver(3), 0) << "after change " << tick;
    }
}

TEST_F(PanelFrames, BlinksRampsCountdownsAndFlashesRunToTheirLastFrame) {
    Ticks(2);
    // The zoom read-out blinks for 35 ticks, then the list position comes back.
    Both([](Side& s) { s.readout = 35; });
    view.windowZoomStep = 4;
    Ticks(40);
    EXPECT_EQ(skipping.readout, 0);
    EXPECT_EQ(ComposedOver(10), 0);

    // An off-normal rate blinks in the read-out until it is normal again.
    Both([](Side& s) { s.rate = 1500; });
    EXPECT_EQ(ComposedOver(80), 80);
    Both([](Side& s) { s.rate = 1000; });
    Ticks(3);
    EXPECT_EQ(ComposedOver(10), 0);

    // PLAY held with the right button ramps the rate up on the ticks the ramp chooses.
    Both([](Side& s) { s.ramp.Press(RampDirection::Faster); });
    view.held.play = true;
    Ticks(60);
    EXPECT_GT(skipping.rate, 1000);
    view.held.play = false;
    Both([](Side& s) { s.ramp.Release(); });
    Ticks(2);

    // A mode request raised with the volume log off is dropped, not kept for when it is on.
    Both([](Side& s) { s.volumeRequest = 1; });
    Ticks(2);
    EXPECT_EQ(skipping.volumeRequest, 0);
    // A volume mode change flashes the volume area for seven ticks.
    view.volumeLogEnabled = true;
    Both([](Side& s) { s.volumeRequest = 1; });
    Ticks(10);
    Both([](Side& s) { s.rate = 1000; });
    Ticks(2);
    EXPECT_EQ(ComposedOver(10), 0);
}

TEST_F(PanelFrames, TitleAndTimedTextScrollAndFadeThenRest) {
    Ticks(2);
    for (Side* s : {&every, &skipping}) s->renderer.SetTitle("A title wider than the display window itself", font);
    Ticks(400);
    EXPECT_LE(skipping.renderer.Title().Brightness(), -255);
    EXPECT_EQ(ComposedOver(10), 0);
    // The hover holds the title lit and scrolling; leaving fades it out again. Only the
    // display's text band is repainted meanwhile.
    view.titleHover = true;
    screen.areas.clear();
    EXPECT_EQ(ComposedOver(30), 30);
    EXPECT_TRUE(screen.AllWithin(skin::kDisplay));
    view.titleHover = false;
    Ticks(40);
    EXPECT_EQ(ComposedOver(10), 0);

    // A word-tagged row fills as the time runs, fades out before the next row, and rests paused.
    view.indexListActive = true;
    view.lyricsPanelShown = true;
    view.position = 10'000 * kMs;
    for (Side* s : {&every, &skipping}) s->renderer.LoadTimedLine("[00:10]ab[00:11]cd", 10'000, 12'000, font, 0);
    Ticks(60, 40);
    Ticks(1);  // the last step moved the time on
    EXPECT_EQ(skipping.renderer.Timed().Brightness(), -255);
    EXPECT_EQ(ComposedOver(10), 0);
    // A seek back into the row fades it in again, and then it rests.
    view.position = 10'500 * kMs;
    Ticks(10);
    EXPECT_EQ(skipping.renderer.Timed().Brightness(), 255);
    EXPECT_EQ(ComposedOver(10), 0);
}

}  // namespace
}  // namespace felux
