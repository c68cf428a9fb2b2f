// The skin panel renderer: composes the 407 x 50 panel from the skin into a canvas when it changes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/PixelSink.h"
#include "skin/DibImage.h"
#include "skin/PanelRenderInputs.h"
#include "skin/TimedText.h"
#include "skin/TitleOverlay.h"

namespace felux {

// The images a copy can read from; the destination is always the canvas.
enum class PanelImage { Canvas = -1, Skin = 0, Text = 1 };

// Owns the three 640 x 400 images: the skin, the white text scratch image the
// text overlays are drawn into, and the canvas the panel window shows (its
// rows 0..92 are painted). Until Load succeeds every operation does nothing.
//
// Use: Load once; each tick build a fresh view and, when FrameDue says the
// panel would change, call DrawPanel and then paint the canvas (PaintTo) from
// the panel window's paint handler.
class PanelRenderer {
public:
    // Milliseconds per pixel of the 138-pixel progress bar: duration /
    // kMarkerDivisor. Shorter media get no A-B markers.
    static constexpr MediaTime kMarkerDivisor = std::chrono::microseconds(138'000);
    static constexpr Rgb kMarkerColour{255, 100, 100};
    static constexpr int kFlashTicks = 7;
    static constexpr int kBlinkPeriod = 40;  // ticks; the rate read-out shows for the first 24
    static constexpr int kRateShownTicks = 24;

    // Builds all three images from a whole .bmp file of the skin's 640 x 400
    // size, or of the same drawing at 2x, 1280 x 800: then every image holds
    // 2 x 2 pixels a unit and the canvas is painted at twice the detail;
    // false, leaving the renderer empty, for anything else.
    bool Load(std::span<const unsigned char> skinBmp);
    bool Loaded() const { return !canvas_.Empty(); }

    // Rebuilds the canvas for one frame. Gives the part of the painted area
    // (0,0) 407 x 93 that came out unlike the last frame, the whole area for the
    // first frame, and none when every pixel is as it was.
    std::optional<Rect> DrawPanel(const PanelView& view, PanelWrites& writes);
    // Whether DrawPanel would give a frame unlike the last one: something shown
    // changed, or a blink, ramp, countdown, scroll or fade is under way or has
    // just ended.
    bool FrameDue(const PanelView& view, const PanelWrites& writes) const;

    // Copies (sx, sy) w x h of an image to (x, y) on the canvas. The rectangle
    // is clipped to the canvas, the source offset moving with it; a rectangle
    // wholly outside draws nothing.
    void BlitOpaque(PanelImage from, int x, int y, int sx, int sy, int w, int h);
    // Leaves out pure white source pixels.
    void BlitKeyWhite(PanelImage from, int x, int y, int sx, int sy, int w, int h);
    // Leaves out pure black source pixels.
    void BlitKeyBlack(PanelImage from, int x, int y, int sx, int sy, int w, int h);
    // As BlitKeyWhite, mixed with the canvas at level -255 (canvas) .. 255 (source).
    void BlitBlend(PanelImage from, int x, int y, int sx, int sy, int w, int h, int level);
    // A solid rectangle on the canvas, clipped.
    void FillColor(int x, int y, int w, int h, Rgb colour);

    // Draws the title and timed text into the scratch image; without one they stay blank.
    void SetTextPainter(TextPainter* painter) { painter_ = painter; }
    // The open file's title: scrolls in from the right at full brightness.
    void SetTitle(std::string_view utf8, const TextFont& font);
    // The index row to show from the next frame on (see TimedText::Load).
    void LoadTimedLine(std::string text, std::int64_t lineStartMs, std::optional<std::int64_t> nextStartMs,
                       const TextFont& font, int fontPosition);
    // The title scrolling and fading in the display.
    void DrawTitleOverlay(const PanelView& view);
    // The current index row, on the panel when asked and in the wide strip.
    void DrawTimedText(const PanelView& view);
    // The wide strip stretched over the bottom stripHeight rows of a width x height window.
    void PaintTimedTextStrip(PixelSink& target, int width, int height, int stripHeight) const;
    const TitleOverlay& Title() const { return title_; }
    const TimedText& Timed() const { return timed_; }

    const DibImage& Canvas() const { return canvas_; }
    // The text scratch image, for drawing text bands with a TextPainter.
    DibImage& TextScratch() { return text_; }
    // The panel part of the canvas, (0,0) 407 x 93, to the panel window.
    void PaintTo(PixelSink& target) const { canvas_.PaintTo(target); }

private:
    const DibImage& Image(PanelImage which) const;
    std::optional<Rect> TakeChangedArea();
    // Draws the skin's rectangle from at the place and size of at.
    void Piece(Rect at, Rect from);
    void Lit(Rect at);

    // A blink, ramp, countdown, scroll or fade runs: every frame differs.
    bool Moving(const PanelView& view, const PanelWrites& writes) const;
    void DrawVolumeArea(const PanelView& view, PanelWrites& writes);
    void DrawTransport(const PanelView& view, PanelWrites& writes);
    void DrawSpeedScale(const PanelView& view);
    void DrawProgress(const PanelView& view);
    void DrawAbMarkers(const PanelView& view);
    void DrawToggles(const PanelView& view);
    void DrawTime(const PanelView& view);
    void DrawSmallReadout(const PanelView& view, PanelWrites& writes);
    void LargeCell(int x, int k);
    void SmallCell(int x, int k);
    void SmallNumber(int x, int value);

    DibImage skin_;
    DibImage text_;
    DibImage canvas_;
    TextPainter* painter_ = nullptr;
    TitleOverlay title_;
    TimedText timed_;
    int flashCountdown_ = 0;
    int blinkCounter_ = 0;
    int repeatBlink_ = 0;  // the repeat-one label's phase, as the rate's
    // What the last frame showed; nothing until the first frame, and again
    // whenever the text images change outside DrawPanel.
    struct Shown {
        PanelView view;
        int rate = 0;
        bool ramp = false;
        bool moving = false;
    };
    std::optional<Shown> shown_;
    // The painted rows as the last frame left them; empty before the first frame.
    std::vector<unsigned char> lastFrame_;
};

}  // namespace felux
