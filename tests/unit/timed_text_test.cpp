// The title overlay and the timed text on the panel canvas: word tags, fill, fades, scrolling, the wide strip.
#include <gtest/gtest.h>

#include <cstdint>

#include "FakePixelSink.h"
#include "NoVolumeRecord.h"
#include "FakeTextPainter.h"
#include "skin/PanelRenderer.h"
#include "skin/SkinBytes.h"
#include "skin/SkinLayout.h"
#include "skin/WordTags.h"

namespace felux {
namespace {

using namespace skin;

constexpr MediaTime kMs = std::chrono::milliseconds(1);

// The fake painter draws each character as a 5-pixel bar in a 6-pixel cell.
class TextOnPanel : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(renderer.Load(SkinBitmapBytes()));
        renderer.SetTextPainter(&painter);
        view.stopped = false;
        view.duration = 60'000 * kMs;
        font.height = -13;
    }
    void Frames(int n, std::int64_t ms) {
        view.position = ms * kMs;
        for (int i = 0; i < n; ++i) {
            PanelWrites writes{rate, ramp, volumeRequest, readout, volumeLog};
            renderer.DrawPanel(view, writes);
        }
    }
    Rgb At(int x, int y) const { return *renderer.Canvas().PixelAt(x, y); }

    test::FakeTextPainter painter;
    PanelRenderer renderer;
    PanelView view;
    TextFont font;
    int rate = 1000;
    RateRamp ramp;
    int volumeRequest = 0;
    int readout = 0;
    test::NoVolumeRecord volumeLog;
};

TEST(WordTagText, TagsAreCutOutOfTheVisibleText) {
    const WordTaggedText t = SplitWordTags("[00:10]ab[00:12]cd [01:02:50]e[1:02]f[ab[12");
    EXPECT_EQ(t.visible, "abcd e[1:02]f[ab[12");
    ASSERT_EQ(t.tags.size(), 3u);
    EXPECT_EQ(t.tags[0].ms, 10'000);
    EXPECT_EQ(t.tags[1].ms, 12'000);
    EXPECT_EQ(t.tags[1].bytes, 2u);
    EXPECT_EQ(t.tags[2].ms, 62'500);
    EXPECT_EQ(t.tags[2].bytes, 5u);
    EXPECT_EQ(SplitWordTags("[500]x").tags[0].ms, 500);

    std::string many;
    for (int i = 0; i < 120; ++i) many += "[00:01]w";
    EXPECT_EQ(SplitWordTags(many).tags.size(), kMaxWordTags);
    EXPECT_EQ(SplitWordTags(many).visible.size(), 120u);
}

TEST_F(TextOnPanel, ALineFillsWordByWordFadesInAndOut) {
    view.indexListActive = true;
    view.lyricsPanelShown = true;
    // "ab" from 10 to 12 s, "cd" from 12 s to the next line at 14 s: 27 pixels wide, centred.
    renderer.LoadTimedLine("[00:10]ab[00:12]cd", 10'000, 14'000, font, 0);
    const int left = kLyricTop.x + (145 - 27) / 2;
    Frames(1, 11'000);
    EXPECT_EQ(renderer.Timed().Brightness(), -255);
    EXPECT_EQ(At(left, 5), kDarkColour);  // loaded, not yet faded in
    EXPECT_EQ(renderer.Timed().FilledWidth(), 6);  // half of "ab"
    Frames(8, 11'000);
    EXPECT_EQ(renderer.Timed().Brightness(), 255);  // eight steps after the load
    EXPECT_EQ(At(left, 5), kOrangeColour);          // "a", filled
    EXPECT_EQ(At(left + 5, 5), kDarkColour);        // the gap after it
    EXPECT_EQ(At(left + 6, 5), kLightColour);       // "b", not yet
    EXPECT_EQ(At(left + 12, 12), kLightColour);     // "c", the bottom row

    Frames(1, 12'000);  // the line's midpoint: exactly where "cd" starts
    EXPECT_EQ(renderer.Timed().FilledWidth(), 12);
    EXPECT_EQ(At(left + 6, 5), kOrangeColour);
    EXPECT_EQ(At(left + 12, 5), kLightColour);
    Frames(1, 11'999);  // a step back re-enters "ab"
    EXPECT_EQ(renderer.Timed().FilledWidth(), 11);

    view.lyricsOnMainPanel = true;
    Frames(1, 13'900);  // exactly 100 ms before the next line: not yet fading
    EXPECT_EQ(renderer.Timed().Brightness(), 255);
    EXPECT_EQ(At(left, kLyricLower.y + 5), kOrangeColour);
    Frames(1, 13'901);
    EXPECT_EQ(renderer.Timed().Brightness(), 185);
    Frames(7, 13'950);
    EXPECT_EQ(renderer.Timed().Brightness(), -255);
    EXPECT_EQ(At(left, kLyricLower.y + 5), kDarkColour);
}

TEST_F(TextOnPanel, ALineWithoutWordTagsShowsWholeInTheFilledColour) {
    view.indexListActive = true;
    view.lyricsPanelShown = true;
    renderer.LoadTimedLine("ab", 0, 4'000, font, 0);
    Frames(9, 100);
    const int left = kLyricTop.x + (145 - 15) / 2;
    EXPECT_EQ(At(left, 5), kOrangeColour);
    EXPECT_EQ(At(left + 6, 5), kOrangeColour);
}

TEST_F(TextOnPanel, TheWideCopyIsStretchedOverTheBottomOfTheVideoWindow) {
    view.indexListActive = true;
    view.lyricsBelowVideo = true;
    renderer.LoadTimedLine("[00:10]ab[00:12]cd", 10'000, 14'000, font, 0);
    Frames(9, 11'000);
    test::FakePixelSink sink;
    renderer.PaintTimedTextStrip(sink, 640, 496, 32);
    EXPECT_EQ(sink.target, (Rect{0, 464, 640, 32}));
    ASSERT_EQ(sink.width, 319);
    ASSERT_EQ(sink.height, 16);
    const int left = (320 - 27) / 2;
    EXPECT_EQ(sink.At(left, 3), kOrangeColour);
    EXPECT_EQ(sink.At(left + 6, 3), kLightColour);
    EXPECT_EQ(sink.At(left - 1, 3), kDarkColour);

    test::FakePixelSink none;
    renderer.PaintTimedTextStrip(none, 640, 480, 0);
    EXPECT_EQ(none.presents, 0);
}

TEST_F(TextOnPanel, ALongLineScrollsSoTheFillStaysInView) {
    view.indexListActive = true;
    view.lyricsPanelShown = true;
    // 40 characters, 243 pixels: one segment from 0 to 10 s.
    renderer.LoadTimedLine(std::string("[00:00]") + std::string(40, 'x'), 0, 10'000, font, 0);
    Frames(9, 5'000);  // 120 pixels filled: scrolled so the fill ends at 107
    EXPECT_EQ(renderer.Timed().FilledWidth(), 120);
    EXPECT_EQ(At(kLyricTop.x + 102, 5), kOrangeColour);  // the character at text column 115
    EXPECT_EQ(At(kLyricTop.x + 108, 5), kLightColour);   // text column 121
    Frames(1, 9'900);  // near the end: the text's last pixels at the right edge
    EXPECT_EQ(At(kLyricTop.x + 130, 5), kOrangeColour);  // text column 228
    EXPECT_EQ(At(kLyricTop.x + 139, 5), kLightColour);   // text column 237, past the fill at 137
}

TEST_F(TextOnPanel, ALineFadedOutComesBackAfterASeekBackIntoIt) {
    view.indexListActive = true;
    view.lyricsPanelShown = true;
    renderer.LoadTimedLine("ab", 0, 10'000, font, 0);
    Frames(9, 9'950);
    ASSERT_EQ(renderer.Timed().Brightness(), -255);
    Frames(8, 9'901);  // still inside the last 100 ms: it stays out
    EXPECT_EQ(renderer.Timed().Brightness(), -255);
    Frames(1, 9'900);
    EXPECT_EQ(renderer.Timed().Brightness(), -185);
    Frames(7, 5'000);
    EXPECT_EQ(renderer.Timed().Brightness(), 255);
    EXPECT_EQ(At(kLyricTop.x + (145 - 15) / 2, 5), kOrangeColour);
}

TEST_F(TextOnPanel, ALineWiderThanTheScratchImageScrollsToItsEndOnThePanelAndUnderTheVideo) {
    view.indexListActive = true;
    view.lyricsPanelShown = true;
    view.lyricsBelowVideo = true;
    // 107 characters: the last letter ends at text column 640, one past the scratch image.
    renderer.LoadTimedLine(std::string("[00:00]") + std::string(107, 'x'), 0, 10'000, font, 0);
    Frames(9, 9'890);  // the fill near the end: both copies scrolled to the line's last pixels
    ASSERT_EQ(renderer.Timed().SmallWidth(), 645);
    // The panel shows text columns 500-644, the wide strip 325-644.
    for (const auto& [left, top] : {std::pair{kLyricTop.x - 500, 5}, std::pair{kWideDarkStrip.x - 325,
                                                                               kWideDarkStrip.y + 5}}) {
        EXPECT_EQ(At(left + 635, top), kDarkColour);  // the gap before the last letter
        EXPECT_NE(At(left + 636, top), kDarkColour);  // the last letter
        EXPECT_NE(At(left + 640, top), kDarkColour);
        EXPECT_EQ(At(left + 641, top), kDarkColour);  // and the ground after it, not a bar
        EXPECT_EQ(At(left + 644, top), kDarkColour);
    }
    // A seek back to the start shows the beginning again.
    Frames(1, 100);
    EXPECT_NE(At(kLyricTop.x, 5), kDarkColour);
    EXPECT_EQ(At(kLyricTop.x + 5, 5), kDarkColour);
}

TEST_F(TextOnPanel, TheTitleEntersScrollsAndComesRoundAfterAGap) {
    renderer.SetTitle(" ab", font);  // 21 pixels: letters at text columns 6-10 and 12-16
    const int band = kTitleBand.y + 5;
    view.titleHover = true;  // the pointer over the display holds the title lit
    Frames(70, 0);  // offset -1: the text starts at display column 1
    EXPECT_EQ(renderer.Title().Offset(), -1);
    EXPECT_EQ(At(kTitleBand.x + 7, band), kLightColour);
    EXPECT_EQ(At(kTitleBand.x + 6, band), kDarkColour);
    Frames(11, 0);  // offset 21, the text gone: its beginning 50 pixels after its end
    EXPECT_EQ(At(kTitleBand.x + 50 + 6, band), kLightColour);
    Frames(1, 0);  // round again, two pixels further left
    EXPECT_EQ(renderer.Title().Offset(), -48);
    EXPECT_EQ(At(kTitleBand.x + 48 + 6, band), kLightColour);
    EXPECT_EQ(At(kTitleBand.x + 48 + 5, band), kDarkColour);
    // The pointer gone, the title fades out and then no longer moves or draws.
    view.titleHover = false;
    Frames(1, 0);
    EXPECT_EQ(renderer.Title().Brightness(), 235);
    Frames(25, 0);
    EXPECT_EQ(renderer.Title().Brightness(), -255);
    const int offset = renderer.Title().Offset();
    Frames(3, 0);
    EXPECT_EQ(renderer.Title().Offset(), offset);
    view.titleHover = true;
    Frames(1, 0);
    EXPECT_EQ(renderer.Title().Brightness(), -235);
}

TEST_F(TextOnPanel, ATitleTooNarrowToFillTheRoomAfterTheGapStillFadesAfterItsFirstPass) {
    // At offset 1 the room after the gap is 96 less the width: a 48-pixel title fills it
    // exactly, a 47-pixel one never does. Both end their first pass there.
    for (const auto& [cell, text] : {std::pair{15, "abc"}, std::pair{11, "abcd"}}) {
        painter.cell = cell;
        renderer.SetTitle(text, font);
        SCOPED_TRACE(renderer.Title().Width());
        Frames(70, 0);
        EXPECT_EQ(renderer.Title().Offset(), -1);
        EXPECT_EQ(renderer.Title().Brightness(), 255);
        Frames(1, 0);
        EXPECT_EQ(renderer.Title().Brightness(), 235);
        Frames(25, 0);
        EXPECT_EQ(renderer.Title().Brightness(), -255);
        EXPECT_FALSE(renderer.Title().Moving(false));  // the panel rests
    }
}

TEST_F(TextOnPanel, ALongTitleFadesOnceItsBeginningComesRound) {
    renderer.SetTitle(std::string(40, 'x'), font);  // 243 pixels, capped at nothing
    EXPECT_EQ(renderer.Title().Width(), 243);
    // Offset 147 leaves 96 pixels of text and the gap: no room for the beginning yet.
    Frames(144, 0);
    EXPECT_EQ(renderer.Title().Brightness(), 255);
    Frames(1, 0);  // room for the beginning: the first pass ends
    EXPECT_EQ(renderer.Title().Brightness(), 235);

    renderer.SetTitle(std::string(200, 'x'), font);
    EXPECT_EQ(renderer.Title().Width(), TitleOverlay::kMaxWidth);
}

}  // namespace
}  // namespace felux
