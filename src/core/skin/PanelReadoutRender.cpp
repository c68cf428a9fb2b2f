// The panel renderer's digit read-outs: the playing time, and the rate, list position or zoom.
#include <algorithm>
#include <array>
#include <cstdint>

#include "skin/PanelRenderer.h"
#include "skin/SkinLayout.h"

namespace felux {

using namespace skin;

namespace {

constexpr int kZoomBlinkPeriod = 12;
constexpr int kZoomBlinkLastShown = 8;  // countdown mod 12 above this is a dark tick
// Zoom factors as percentages: the windowed steps, then the full-screen ones
// below the fitting modes (5..8 show FULL and the mode number instead).
constexpr std::array<int, 7> kWindowZoomPercent{50, 75, 100, 150, 200, 300, 400};
constexpr std::array<int, 5> kFullScreenZoomPercent{50, 75, 100, 150, 200};
constexpr int kFirstFullScreenFitMode = 5;

int X(int i) { return kSmallReadoutX + kReadoutPitch * i; }

}  // namespace

void PanelRenderer::LargeCell(int x, int k) {
    const Rect cell = skin::LargeCell(k);
    BlitOpaque(PanelImage::Skin, x, kTimeReadoutY, cell.x, cell.y, cell.width, cell.height);
}

void PanelRenderer::SmallCell(int x, int k) {
    const Rect cell = skin::SmallCell(k);
    BlitOpaque(PanelImage::Skin, x, kSmallReadoutY, cell.x, cell.y, cell.width, cell.height);
}

// Three digits, the hundreds taken mod 10.
void PanelRenderer::SmallNumber(int x, int value) {
    const int v = std::max(0, value);
    SmallCell(x, v / 100 % 10);
    SmallCell(x + kReadoutPitch, v / 10 % 10);
    SmallCell(x + 2 * kReadoutPitch, v % 10);
}

void PanelRenderer::DrawTime(const PanelView& view) {
    const std::int64_t t =
        std::chrono::duration_cast<std::chrono::seconds>(std::max(MediaTime{}, view.position)).count();
    // One cell for the hours: past 9 it shows the last digit rather than
    // whatever lies beyond the digit cells.
    const int h = static_cast<int>(t / 3600 % 10);
    const int m = static_cast<int>(t % 3600 / 60);
    const int s = static_cast<int>(t % 60);
    const std::array<int, 8> cells{h, kLargeH, m / 10, m % 10, kLargeM, s / 10, s % 10, kLargeS};
    for (std::size_t i = 0; i < cells.size(); ++i) LargeCell(kTimeReadoutX + kReadoutPitch * static_cast<int>(i), cells[i]);
}

void PanelRenderer::DrawSmallReadout(const PanelView& view, PanelWrites& writes) {
    const int rate = std::max(0, writes.playbackRate);
    const bool ramping = view.held.play && writes.ramp.Active();
    const bool showRate = ramping || (rate != RateRamp::kNormal && blinkCounter_ < kRateShownTicks);
    // The rate blinks while it is off normal: shown 24 ticks of every 40.
    blinkCounter_ = rate != RateRamp::kNormal ? (blinkCounter_ + 1) % kBlinkPeriod : 0;
    if (showRate) {
        const int percent = rate / 10;
        if (percent > 0) SmallCell(X(0), rate / 1000 % 10);
        SmallCell(X(1), percent % 100 / 10);
        SmallCell(X(2), percent % 10);
        return;
    }
    if (writes.readoutCountdown < 1) {
        SmallNumber(X(0), view.listCount);
        SmallCell(X(3), kSmallDash);
        SmallNumber(X(4), view.currentIndex + 1);
        return;
    }
    --writes.readoutCountdown;
    if (writes.readoutCountdown % kZoomBlinkPeriod > kZoomBlinkLastShown) return;
    Lit(kZoomDot);
    if (view.fullScreen && view.fullScreenZoomStep >= kFirstFullScreenFitMode) {
        SmallCell(X(2), kSmallF);
        SmallCell(X(3), kSmallU);
        SmallCell(X(4), kSmallL);
        SmallCell(X(5), kSmallL);
        SmallCell(X(6), std::min(view.fullScreenZoomStep, 8) - kFirstFullScreenFitMode + 1);
        return;
    }
    const int percent = view.fullScreen
                            ? kFullScreenZoomPercent[static_cast<std::size_t>(std::clamp(view.fullScreenZoomStep, 0, 4))]
                            : kWindowZoomPercent[static_cast<std::size_t>(std::clamp(view.windowZoomStep, 0, 6))];
    SmallNumber(X(4), percent);
}

}  // namespace felux
