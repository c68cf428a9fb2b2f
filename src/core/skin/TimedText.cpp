// The current index row on the panel and in the wide strip under the video, filled word by word.
#include "skin/TimedText.h"

#include <algorithm>

#include "skin/PanelRenderer.h"
#include "skin/SkinLayout.h"

namespace felux {
namespace {

using namespace skin;

constexpr Rgb kWhite{255, 255, 255};
// Each drawing's band, cleared before it is drawn: the small font's rows plus the
// largest text position, the large font's rows with its descent.
constexpr int kSmallBandRows = 20;
constexpr int kLargeBandRows = 30;
// A line wider than its window scrolls once the fill reaches the scroll point, and stops
// scrolling when the fill is the look-ahead short of the line's end.
constexpr int kSmallScrollPoint = 107;
constexpr int kSmallLookAhead = 36;
constexpr int kLargeScrollPoint = 250;
constexpr int kLargeLookAhead = 70;

}  // namespace

void TimedText::Load(std::string text, std::int64_t lineStartMs, std::optional<std::int64_t> nextStartMs,
                     const TextFont& font, int fontPosition) {
    pending_ = Pending{std::move(text), lineStartMs, nextStartMs, font, fontPosition};
}

void TimedText::Reload(PanelRenderer& renderer, TextPainter* painter) {
    Pending line = std::move(*pending_);
    pending_.reset();
    brightness_ = -255;
    fade_ = Fade::In;
    nextKnown_ = line.nextStartMs.has_value();
    nextStartMs_ = line.nextStartMs.value_or(0);

    WordTaggedText split = SplitWordTags(line.text);
    visible_ = std::move(split.visible);
    // Each line decides for itself whether it fills word by word.
    hasTags_ = !split.tags.empty();
    entries_.clear();
    entries_.push_back({line.lineStartMs, 0, 0, 0});
    for (const WordTag& tag : split.tags) entries_.push_back({tag.ms, tag.bytes, 0, 0});
    entries_.push_back({nextKnown_ ? nextStartMs_ : line.lineStartMs, visible_.size(), 0, 0});
    segment_ = 0;

    font_ = std::move(line.font);
    fontPosition_ = std::clamp(line.fontPosition, 0, kSmallBandRows);
    smallOrigin_ = largeOrigin_ = 0;
    DibImage& scratch = renderer.TextScratch();
    smallWidth_ = DrawPiece(scratch, painter, Copy::Small, 0);
    largeWidth_ = DrawPiece(scratch, painter, Copy::Large, 0);
    if (painter) {
        for (std::size_t k = 0; k + 1 < entries_.size(); ++k) {
            const std::size_t from = entries_[k].bytes;
            const std::size_t to = std::max(from, entries_[k + 1].bytes);
            entries_[k].prefixWidth = painter->Measure(std::string_view(visible_).substr(0, from), font_).width;
            entries_[k].segmentWidth =
                painter->Measure(std::string_view(visible_).substr(from, to - from), font_).width;
        }
    }
    smallCentring_ = smallWidth_ < kLyricTop.width ? (kLyricTop.width - smallWidth_) / 2 : 0;
    largeCentring_ = largeWidth_ < kWideDarkStrip.width ? (kWideDarkStrip.width - largeWidth_) / 2 : 0;
}

void TimedText::TrackSegment(std::int64_t positionMs) {
    const int percent =
        TrackWord(entries_.size(), [this](std::size_t k) { return entries_[k].ms; }, segment_, positionMs);
    const Entry& from = entries_[segment_];
    const int segmentFill = std::min(from.segmentWidth, from.segmentWidth * percent / 100);
    filled_ = std::min(smallWidth_, from.prefixWidth + segmentFill);
}

int TimedText::DrawPiece(DibImage& scratch, TextPainter* painter, Copy copy, int origin) const {
    const bool small = copy == Copy::Small;
    const int row = small ? kSmallRow + fontPosition_ : kLargeRow;
    scratch.FillColor(0, small ? kSmallRow : kLargeRow, scratch.Width() / scratch.Unit(),
                      small ? kSmallBandRows + fontPosition_ : kLargeBandRows, kWhite);
    if (!painter) return 0;
    TextFont font = font_;
    if (!small) font.height = kLargeHeight;
    return scratch.DrawTextWidth(*painter, visible_, -origin, row, font);
}

void TimedText::ShowPiece(PanelRenderer& renderer, TextPainter* painter, Copy copy, int scroll, int window) {
    int& origin = copy == Copy::Small ? smallOrigin_ : largeOrigin_;
    DibImage& scratch = renderer.TextScratch();
    if (!painter || (scroll >= origin && scroll + window <= origin + scratch.Width() / scratch.Unit())) return;
    // The piece starts at the window: as the fill runs on, the text is drawn again only once the
    // window has moved the scratch's width less its own.
    origin = scroll;
    DrawPiece(scratch, painter, copy, origin);
}

TimedText::Scrolled TimedText::ScrollFor(const Strips& s, int fill, int width) {
    int scroll = 0;
    if (width >= s.window && fill >= s.point) {
        scroll = fill - s.point;
        fill = s.point;
        if (scroll + s.point + s.lookAhead >= width) {
            fill = s.point + (scroll + s.point + s.lookAhead - width);
            scroll = width - s.window;
        }
    }
    return {scroll, fill};
}

void TimedText::Compose(PanelRenderer& renderer, const Strips& s, Scrolled shown, int centring, int origin) const {
    const int scroll = shown.scroll - origin;
    const int room = s.window - centring;
    const int fill = std::clamp(shown.fill, 0, room);
    renderer.BlitOpaque(PanelImage::Skin, s.orangeX, s.orangeY, s.orangeX, s.orangeY, s.window, s.rows);
    renderer.BlitOpaque(PanelImage::Skin, s.lightX, s.lightY, s.lightX, s.lightY, s.window, s.rows);
    renderer.BlitOpaque(PanelImage::Skin, s.darkX, s.darkY, s.darkX, s.darkY, s.window, s.rows);
    auto carry = [&](int at, int fromX, int fromY, int w) {
        if (brightness_ >= 255)
            renderer.BlitKeyWhite(PanelImage::Canvas, s.darkX + at, s.darkY, fromX + at, fromY, w, s.rows);
        else
            renderer.BlitBlend(PanelImage::Canvas, s.darkX + at, s.darkY, fromX + at, fromY, w, s.rows, brightness_);
    };
    if (hasTags_) {
        renderer.BlitKeyBlack(PanelImage::Text, s.orangeX + centring, s.orangeY, scroll, s.textRow, fill, s.rows);
        renderer.BlitKeyBlack(PanelImage::Text, s.lightX + centring + fill, s.lightY, scroll + fill, s.textRow,
                              room - fill, s.rows);
        carry(centring, s.orangeX, s.orangeY, fill);
        carry(centring + fill, s.lightX, s.lightY, room - fill);
    } else {
        // A line without word tags shows whole, in the filled colour.
        renderer.BlitKeyBlack(PanelImage::Text, s.orangeX + centring, s.orangeY, scroll, s.textRow, room, s.rows);
        carry(centring, s.orangeX, s.orangeY, room);
    }
}

void TimedText::Draw(PanelRenderer& renderer, TextPainter* painter, const PanelView& view) {
    const std::int64_t positionMs = std::chrono::duration_cast<std::chrono::milliseconds>(view.position).count();
    if (nextKnown_ && positionMs > nextStartMs_ - kFadeOutLeadMs)
        fade_ = Fade::Out;
    else if (brightness_ < 255)
        fade_ = Fade::In;  // also after a seek back from the fade-out into the same line
    if (fade_ == Fade::In) {
        brightness_ = std::min(255, brightness_ + kFadeStep);
        if (brightness_ == 255) fade_ = Fade::None;
    } else if (fade_ == Fade::Out) {
        brightness_ = std::max(-255, brightness_ - kFadeStep);
        if (brightness_ == -255) fade_ = Fade::None;
    }
    if (pending_) Reload(renderer, painter);
    if (entries_.size() < 2) return;
    TrackSegment(positionMs);

    const Strips small{kLyricTop.width, kSmallScrollPoint, kSmallLookAhead, TimedText::kSmallRow, kLyricTop.height,
                       kOrangeStrip.x, kOrangeStrip.y, kLightStrip.x, kLightStrip.y, kDarkStrip.x, kDarkStrip.y};
    const Scrolled smallAt = ScrollFor(small, filled_, smallWidth_);
    ShowPiece(renderer, painter, Copy::Small, smallAt.scroll, small.window);
    Compose(renderer, small, smallAt, smallCentring_, smallOrigin_);
    if (view.lyricsPanelShown) {
        const Rect& at = view.lyricsOnMainPanel ? kLyricLower : kLyricTop;
        renderer.BlitOpaque(PanelImage::Canvas, at.x, at.y, kDarkStrip.x, kDarkStrip.y, at.width, at.height);
    }
    if (view.lyricsBelowVideo) {
        const int fill = smallWidth_ > 0 ? largeWidth_ * filled_ / smallWidth_ : 0;
        const Strips large{kWideDarkStrip.width, kLargeScrollPoint, kLargeLookAhead, TimedText::kLargeRow,
                           kWideDarkStrip.height, kWideOrangeStrip.x, kWideOrangeStrip.y,
                           kWideLightStrip.x, kWideLightStrip.y, kWideDarkStrip.x, kWideDarkStrip.y};
        const Scrolled largeAt = ScrollFor(large, fill, largeWidth_);
        ShowPiece(renderer, painter, Copy::Large, largeAt.scroll, large.window);
        Compose(renderer, large, largeAt, largeCentring_, largeOrigin_);
    }
}

}  // namespace felux
