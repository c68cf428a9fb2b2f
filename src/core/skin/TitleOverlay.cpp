// The title of the open file scrolling across the panel's display, fading out after its first pass.
#include "skin/TitleOverlay.h"

#include <algorithm>

#include "skin/PanelRenderer.h"
#include "skin/SkinLayout.h"

namespace felux {
namespace {

using namespace skin;

constexpr Rgb kWhite{255, 255, 255};
// The scratch rows the title and the timed text are drawn into.
constexpr int kScratchClearWidth = 639;
constexpr int kScratchClearRows = 140;

}  // namespace

void TitleOverlay::SetTitle(PanelRenderer& renderer, TextPainter& painter, std::string_view utf8,
                            const TextFont& font) {
    DibImage& scratch = renderer.TextScratch();
    scratch.FillColor(0, 0, kScratchClearWidth, kScratchClearRows, kWhite);
    width_ = std::min(kMaxWidth, scratch.DrawTextWidth(painter, utf8, 0, kTextRow, font));
    offset_ = kStartOffset;
    brightness_ = 255;
    firstPass_ = true;
}

void TitleOverlay::Place(PanelRenderer& renderer, int at, int from, int width) {
    width = std::min(width, kWindow - at);
    if (width <= 0) return;
    const int x = kLightStrip.x + at;
    renderer.BlitKeyBlack(PanelImage::Text, x, kLightStrip.y, from, kTextRow, width, kRows);
    renderer.BlitKeyWhite(PanelImage::Canvas, x, kOrangeStrip.y, x, kLightStrip.y, width, kRows);
}

void TitleOverlay::Draw(PanelRenderer& renderer, bool hover) {
    // Before the first title the hover has nothing to show and would only blank the read-outs.
    if (width_ == 0 || (brightness_ <= -255 && !hover)) return;
    if (hover) firstPass_ = false;
    // The light strip takes the letters; the orange strip's place becomes the dark ground they land on.
    renderer.BlitOpaque(PanelImage::Skin, kLightStrip.x, kLightStrip.y, kLightStrip.x, kLightStrip.y, kWindow, kRows);
    renderer.BlitOpaque(PanelImage::Skin, kOrangeStrip.x, kOrangeStrip.y, kDarkStrip.x, kDarkStrip.y, kWindow, kRows);
    offset_ += kStep;
    if (offset_ > 0) {
        const int remaining = width_ - offset_;
        if (remaining < kWindow) {
            Place(renderer, 0, offset_, remaining);
            const int room = kWindow - std::max(0, remaining) - kGap;
            if (room > 0) {
                // The beginning has come round: the first pass is over, also for a title too
                // narrow to fill the room after the gap.
                Place(renderer, std::max(0, remaining) + kGap, 0, std::min(room, width_));
                firstPass_ = false;
            }
        } else {
            Place(renderer, 0, offset_, kWindow);
        }
        // Round again: the beginning carries on from where the gap left it.
        if (offset_ >= width_) offset_ = -(kGap + remaining);
    } else {
        Place(renderer, -offset_, 0, width_);
    }
    brightness_ = std::clamp(brightness_ + (hover || firstPass_ ? kFade : -kFade), -255, 255);
    if (brightness_ >= 255)
        renderer.BlitOpaque(PanelImage::Canvas, kTitleBand.x, kTitleBand.y, kOrangeStrip.x, kOrangeStrip.y, kWindow,
                            kRows);
    else
        renderer.BlitBlend(PanelImage::Canvas, kTitleBand.x, kTitleBand.y, kOrangeStrip.x, kOrangeStrip.y, kWindow,
                           kRows, brightness_);
}

}  // namespace felux
