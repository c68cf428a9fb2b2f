// The title of the open file scrolling across the panel's display, fading out after its first pass.
#pragma once

#include <string_view>

#include "platform/TextPainter.h"

namespace felux {

class PanelRenderer;

class TitleOverlay {
public:
    static constexpr int kMaxWidth = 620;
    static constexpr int kWindow = 145;  // the display's width
    static constexpr int kGap = 50;      // between the end of the text and its next beginning
    static constexpr int kStep = 2;      // pixels a frame
    static constexpr int kFade = 20;     // brightness a frame
    static constexpr int kTextRow = 22;  // of the text scratch image
    static constexpr int kRows = 14;
    static constexpr int kStartOffset = -141;  // enters from the display's right edge

    // Clears the scratch image's text bands and draws the title at kTextRow; it
    // then enters from the right at full brightness.
    void SetTitle(PanelRenderer& renderer, TextPainter& painter, std::string_view utf8, const TextFont& font);
    // One frame: scrolls and blends the title into the display; nothing once it
    // has faded out, unless the pointer hovers over the display.
    void Draw(PanelRenderer& renderer, bool hover);

    // Whether Draw changes the display: scrolling or fading, or held lit by the hover.
    bool Moving(bool hover) const { return width_ != 0 && (hover || brightness_ > -255); }

    int Width() const { return width_; }
    int Offset() const { return offset_; }
    int Brightness() const { return brightness_; }

private:
    // The text's columns [from, from + width) to the display strip at column at.
    void Place(PanelRenderer& renderer, int at, int from, int width);

    int width_ = 0;
    int offset_ = 0;
    int brightness_ = -255;
    bool firstPass_ = false;
};

}  // namespace felux
