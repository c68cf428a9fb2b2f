// The current index row on the panel and in the wide strip under the video, filled word by word.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/TextPainter.h"
#include "skin/WordTags.h"

namespace felux {

class PanelRenderer;
struct PanelView;

class TimedText {
public:
    static constexpr int kFadeStep = 70;
    static constexpr std::int64_t kFadeOutLeadMs = 100;
    static constexpr int kSmallRow = 60;   // scratch rows of the two drawings
    static constexpr int kLargeRow = 120;
    static constexpr int kLargeHeight = -16;

    // A new row to show: drawn into the scratch image by the next Draw, which
    // then fades it in. nextStartMs: when the row after it starts (nullopt: never).
    void Load(std::string text, std::int64_t lineStartMs, std::optional<std::int64_t> nextStartMs,
              const TextFont& font, int fontPosition);
    // One frame. painter may be null: the text then draws nothing.
    void Draw(PanelRenderer& renderer, TextPainter* painter, const PanelView& view);

    // A new row waits to be drawn, or the row fades in or out.
    bool Moving() const { return pending_.has_value() || fade_ != Fade::None; }

    int Brightness() const { return brightness_; }
    // How far the fill reaches, in pixels of the small drawing.
    int FilledWidth() const { return filled_; }
    int SmallWidth() const { return smallWidth_; }
    int LargeWidth() const { return largeWidth_; }

private:
    enum class Fade { None, In, Out };
    struct Entry {
        std::int64_t ms;
        std::size_t bytes;
        int prefixWidth;   // of the text before this entry
        int segmentWidth;  // of the text from this entry to the next
    };
    struct Pending {
        std::string text;
        std::int64_t lineStartMs = 0;
        std::optional<std::int64_t> nextStartMs;
        TextFont font;
        int fontPosition = 0;
    };
    struct Strips {
        int window, point, lookAhead, textRow, rows;
        int orangeX, orangeY, lightX, lightY, darkX, darkY;
    };
    // Where a copy's window starts in the text, and how much of the window is filled.
    struct Scrolled {
        int scroll;
        int fill;
    };
    enum class Copy { Small, Large };

    void Reload(PanelRenderer& renderer, TextPainter* painter);
    void TrackSegment(std::int64_t positionMs);
    // Clears the copy's scratch band and draws the line into it with its column `origin` at the
    // band's left edge; the width it measured (0 without a painter).
    int DrawPiece(DibImage& scratch, TextPainter* painter, Copy copy, int origin) const;
    // A line wider than the scratch image is drawn in pieces: the piece that holds the window.
    void ShowPiece(PanelRenderer& renderer, TextPainter* painter, Copy copy, int scroll, int window);
    static Scrolled ScrollFor(const Strips& strips, int fill, int width);
    void Compose(PanelRenderer& renderer, const Strips& strips, Scrolled shown, int centring, int origin) const;

    std::optional<Pending> pending_;
    std::string visible_;
    TextFont font_;
    int fontPosition_ = 0;
    int smallOrigin_ = 0;  // the text column at the scratch band's left edge
    int largeOrigin_ = 0;
    std::vector<Entry> entries_;  // the line's start, its word tags, the next line's start
    std::size_t segment_ = 0;
    bool hasTags_ = false;
    std::int64_t nextStartMs_ = 0;
    bool nextKnown_ = false;
    int smallWidth_ = 0;
    int largeWidth_ = 0;
    int smallCentring_ = 0;
    int largeCentring_ = 0;
    int filled_ = 0;
    int brightness_ = -255;
    Fade fade_ = Fade::None;
};

}  // namespace felux
