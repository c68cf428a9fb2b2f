// The skin panel renderer: composes the 407 x 50 panel from the skin into a canvas when it changes.
#include "skin/PanelRenderer.h"

#include <algorithm>
#include <cstring>

#include "skin/SkinLayout.h"

namespace felux {

using namespace skin;

namespace {

constexpr int kProgressMax = 137;
constexpr Rgb kWhite{255, 255, 255};

// The view as drawn: the time read-out shows whole seconds, the timed text milliseconds.
PanelView AsDrawn(PanelView view) {
    const MediaTime shown = std::max(MediaTime{}, view.position);
    view.position = view.indexListActive ? MediaTime(std::chrono::floor<std::chrono::milliseconds>(shown))
                                         : MediaTime(std::chrono::floor<std::chrono::seconds>(shown));
    return view;
}

}  // namespace

bool PanelRenderer::Load(std::span<const unsigned char> skinBmp) {
    canvas_.Free();
    text_.Free();
    skin_.Free();
    flashCountdown_ = 0;
    blinkCounter_ = 0;
    repeatBlink_ = 0;
    shown_.reset();
    lastFrame_.clear();
    title_ = {};
    timed_ = {};
    // Every area the renderer reads lies inside 640 x 400, or 1280 x 800 for the same
    // drawing at 2x; another size would draw pieces of the wrong picture.
    if (!skin_.LoadFromBytes(skinBmp)) return false;
    const int unit = skin_.Width() / kSkinWidth;
    if ((unit != 1 && unit != 2) || skin_.Width() != kSkinWidth * unit || skin_.Height() != kSkinHeight * unit) {
        skin_.Free();
        return false;
    }
    skin_.SetUnit(unit);
    text_ = skin_;
    text_.FillColor(0, 0, kSkinWidth, kSkinHeight, kWhite);
    canvas_ = skin_;
    return true;
}

const DibImage& PanelRenderer::Image(PanelImage which) const {
    switch (which) {
        case PanelImage::Skin: return skin_;
        case PanelImage::Text: return text_;
        case PanelImage::Canvas: break;
    }
    return canvas_;
}

void PanelRenderer::BlitOpaque(PanelImage from, int x, int y, int sx, int sy, int w, int h) {
    Image(from).CopyRows(canvas_, x, y, sx, sy, w, h);
}
void PanelRenderer::BlitKeyWhite(PanelImage from, int x, int y, int sx, int sy, int w, int h) {
    Image(from).CopyKeyWhite(canvas_, x, y, sx, sy, w, h);
}
void PanelRenderer::BlitKeyBlack(PanelImage from, int x, int y, int sx, int sy, int w, int h) {
    Image(from).CopyKeyBlack(canvas_, x, y, sx, sy, w, h);
}
void PanelRenderer::BlitBlend(PanelImage from, int x, int y, int sx, int sy, int w, int h, int level) {
    Image(from).CopyBlend(canvas_, x, y, sx, sy, w, h, std::clamp(level, -255, 255));
}
void PanelRenderer::FillColor(int x, int y, int w, int h, Rgb colour) { canvas_.FillColor(x, y, w, h, colour); }

void PanelRenderer::Piece(Rect at, Rect from) {
    BlitOpaque(PanelImage::Skin, at.x, at.y, from.x, from.y, at.width, at.height);
}
void PanelRenderer::Lit(Rect at) { Piece(at, skin::Lit(at)); }

bool PanelRenderer::Moving(const PanelView& view, const PanelWrites& writes) const {
    const bool ramping = view.held.play && !view.stopped && !view.paused && !view.rateLocked;
    const bool blinking = writes.playbackRate != RateRamp::kNormal || view.repeatOne;
    // A mode request is taken by the next frame even with the log off, which drops it there.
    const bool flashing = writes.volumeModeRequest != 0 || (view.volumeLogEnabled && flashCountdown_ > 0);
    return ramping || blinking || flashing || writes.readoutCountdown > 0 || title_.Moving(view.titleHover) ||
           (view.indexListActive && timed_.Moving());
}

bool PanelRenderer::FrameDue(const PanelView& view, const PanelWrites& writes) const {
    if (!Loaded()) return false;
    // A frame that moved something on may have ended the movement: the next one shows the rest.
    if (!shown_ || shown_->moving || shown_->rate != writes.playbackRate || shown_->ramp != writes.ramp.Active() ||
        shown_->view != AsDrawn(view))
        return true;
    return Moving(view, writes);
}

std::optional<Rect> PanelRenderer::DrawPanel(const PanelView& view, PanelWrites& writes) {
    if (!Loaded()) return std::nullopt;
    shown_ = Shown{AsDrawn(view), 0, false, Moving(view, writes)};
    Piece(kRestingPanel, kRestingPanel);
    DrawVolumeArea(view, writes);
    if (view.shufflePlay) Lit(kShuffleLabel);
    repeatBlink_ = view.repeatOne ? (repeatBlink_ + 1) % kBlinkPeriod : 0;
    if (view.repeatOne ? repeatBlink_ < kRateShownTicks : view.repeatList) Lit(kRepeatLabel);
    Piece({kVolumeBar.x + std::clamp(view.volumeKnob, 0, 62), kVolumeKnobY, kVolumeKnob.width, kVolumeKnob.height},
          kVolumeKnob);
    if (!view.appActive) Lit(kLogoArea);
    DrawTransport(view, writes);
    DrawSpeedScale(view);
    if (view.held.back) Lit(kBackButton);
    if (view.held.next) Lit(kNextButton);
    if (view.held.config) Lit(kConfigButton);
    DrawProgress(view);
    DrawAbMarkers(view);
    DrawToggles(view);
    if (view.held.power) Lit(kPowerButton);
    DrawTime(view);
    DrawSmallReadout(view, writes);
    DrawTitleOverlay(view);
    if (view.indexListActive) {
        DrawTimedText(view);
        // The text may cover the bar; the markers stay on top.
        DrawAbMarkers(view);
    }
    // Taken after drawing: a change the frame made itself (a ramp step) is shown already.
    shown_->rate = writes.playbackRate;
    shown_->ramp = writes.ramp.Active();
    return TakeChangedArea();
}

// Only the changed band is repainted and sent to the display: a title scrolling
// over a paused panel then costs a strip, not the whole window.
std::optional<Rect> PanelRenderer::TakeChangedArea() {
    // Compared in pixels, given in units.
    const int unit = canvas_.Unit();
    const int width = std::min(kPaintedWidth * unit, canvas_.Width());
    const int rows = std::min(kPaintedRows * unit, canvas_.Height());
    const auto rowBytes = static_cast<std::size_t>(width) * 3;
    const unsigned char* canvas = canvas_.TopRow();
    if (lastFrame_.empty()) {
        lastFrame_.resize(rowBytes * static_cast<std::size_t>(rows));
        for (int y = 0; y < rows; ++y)
            std::memcpy(lastFrame_.data() + rowBytes * y, canvas + static_cast<std::ptrdiff_t>(canvas_.Stride()) * y,
                        rowBytes);
        return Rect{0, 0, width / unit, rows / unit};
    }
    int left = width;
    int right = -1;
    int top = rows;
    int bottom = -1;
    for (int y = 0; y < rows; ++y) {
        const unsigned char* now = canvas + static_cast<std::ptrdiff_t>(canvas_.Stride()) * y;
        unsigned char* was = lastFrame_.data() + rowBytes * y;
        if (std::memcmp(now, was, rowBytes) == 0) continue;
        std::size_t first = 0;
        while (now[first] == was[first]) ++first;
        std::size_t last = rowBytes - 1;
        while (now[last] == was[last]) --last;
        left = std::min(left, static_cast<int>(first / 3));
        right = std::max(right, static_cast<int>(last / 3));
        top = std::min(top, y);
        bottom = y;
        std::memcpy(was, now, rowBytes);
    }
    if (bottom < 0) return std::nullopt;
    left /= unit;
    top /= unit;
    right /= unit;
    bottom /= unit;
    return Rect{left, top, right - left + 1, bottom - top + 1};
}

void PanelRenderer::DrawVolumeArea(const PanelView& view, PanelWrites& writes) {
    if (!view.volumeLogEnabled) {
        // A request raised just before the log was switched off must not
        // surface once it is switched on again.
        writes.volumeModeRequest = 0;
        return;
    }
    bool recordPresent = view.volumeRecordPresent;
    if (writes.volumeModeRequest != 0) {
        if (recordPresent)
            writes.volumeRecord.ForgetVolume();
        else
            writes.volumeRecord.RegisterVolume();
        writes.volumeModeRequest = 0;
        flashCountdown_ = kFlashTicks;
        // The face follows the toggle on this very frame, not one tick later.
        recordPresent = writes.volumeRecord.RecordPresent();
    }
    Piece(kVolumeArea, recordPresent ? SecondLit(kVolumeArea) : skin::Lit(kVolumeArea));
    if (flashCountdown_ >= 1) {
        // 255 on the first frame, fading by 75 a frame to nearly nothing.
        BlitBlend(PanelImage::Skin, kVolumeArea.x, kVolumeArea.y, kVolumeFlash.x, kVolumeFlash.y, kVolumeFlash.width,
                  kVolumeFlash.height, 75 * flashCountdown_ - 270);
        --flashCountdown_;
    }
}

void PanelRenderer::DrawTransport(const PanelView& view, PanelWrites& writes) {
    if (view.stopped) Lit(kSpeedCentreTick);
    if (view.held.play) {
        Lit(kPlayButton);
        Lit(kSpeedCentreTick);
        if (!view.stopped && !view.paused && !view.rateLocked) writes.ramp.Step(writes.playbackRate);
    }
    if (view.stopped) Piece(kPlayButton, SecondLit(kPlayButton));
    if (view.held.stop) {
        Lit(kStopArea);
        Lit(kSpeedCentreTick);
    }
    if (view.held.still) {
        Lit(kStillArea);
        Lit(kSpeedStillMark);
        Lit(kSpeedCentreTick);
    }
    if (view.paused) {
        Piece(kStillArea, SecondLit(kStillArea));
        Lit(kSpeedStillMark);
    }
}

void PanelRenderer::DrawSpeedScale(const PanelView& view) {
    const int s = std::clamp(view.wheelStep, -kSpeedMaxStep, kSpeedMaxStep);
    if (s > 0) {
        Lit({kSpeedFastX, kSpeedScaleY, kSpeedStepPixels * s, 3});
    } else if (s < 0) {
        Lit(kSpeedCentreTick);
        Lit(kSpeedSlowMark);
        Lit({kSpeedSlowMark.x + kSpeedStepPixels * s, kSpeedScaleY, -kSpeedStepPixels * s, 3});
    } else if (view.paused) {
        Lit(kSpeedCentreTick);
    }
}

void PanelRenderer::DrawProgress(const PanelView& view) {
    const int lit = std::clamp(view.progress, 0, kProgressMax);
    if (lit > 0) Lit({kProgressTrack.x, kProgressTrack.y, lit, kProgressTrack.height});
}

void PanelRenderer::DrawAbMarkers(const PanelView& view) {
    // Shorter media would divide by zero; they have no room for a marker anyway.
    if (view.abState == AbRepeat::Off || view.duration < kMarkerDivisor) return;
    const std::int64_t msPerPixel = view.duration / kMarkerDivisor;
    auto mark = [&](std::int64_t ms) {
        // A point outside the file stays on the bar.
        const auto pixel = static_cast<int>(std::clamp<std::int64_t>(ms / msPerPixel, 0, kProgressMax));
        FillColor(kProgressTrack.x + pixel, kProgressTrack.y, 2, kProgressTrack.height, kMarkerColour);
    };
    mark(view.abAMs);
    if (view.abState == AbRepeat::Looping) mark(view.abBMs);
}

void PanelRenderer::DrawToggles(const PanelView& view) {
    if (view.held.zoomMinus) Piece(kZoomPair, SecondLit(kZoomPair));
    if (view.held.zoomPlus) Lit(kZoomPair);
    if (view.held.full) Lit(kFullArea);
    if (view.scanLinesOn) Lit(kScanLineBox);
    if (view.lineMaskMode == 1) Lit(kLineMaskBox);
    if (view.lineMaskMode == 2) Piece(kLineMaskSecondMarkAt, kLineMaskSecondMark);
}

void PanelRenderer::SetTitle(std::string_view utf8, const TextFont& font) {
    if (!Loaded() || !painter_) return;
    title_.SetTitle(*this, *painter_, utf8, font);
    shown_.reset();
}

void PanelRenderer::LoadTimedLine(std::string text, std::int64_t lineStartMs, std::optional<std::int64_t> nextStartMs,
                                  const TextFont& font, int fontPosition) {
    timed_.Load(std::move(text), lineStartMs, nextStartMs, font, fontPosition);
    shown_.reset();
}

void PanelRenderer::DrawTitleOverlay(const PanelView& view) { title_.Draw(*this, view.titleHover); }

void PanelRenderer::DrawTimedText(const PanelView& view) { timed_.Draw(*this, painter_, view); }

void PanelRenderer::PaintTimedTextStrip(PixelSink& target, int width, int height, int stripHeight) const {
    // The strip's upper 16 of its 24 rows hold the letters.
    constexpr int kSourceRows = 16;
    if (stripHeight > 0) canvas_.StretchTo(target, width, height, stripHeight, kSourceRows);
}

}  // namespace felux
