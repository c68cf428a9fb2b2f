// The lyrics view: which rows show, how far each word is lit, and the window it takes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "PlayerHarness.h"
#include "player/LyricsView.h"
#include "playlist/IndexList.h"

namespace felux::test {
namespace {

IndexList Rows(const std::string& lrc) {
    IndexList rows;
    rows.Load(BuildIndexRows(lrc, IndexFormat::Lrc));
    return rows;
}

std::vector<int> Lit(const LyricsFrame& f) {
    std::vector<int> out;
    for (const LyricsWord& w : f.words) out.push_back(w.litPercent);
    return out;
}

const std::string kSong =
    "[00:02.00]first\n"
    "[00:04.00]second\n"
    "[00:10.00]<00:10.00>one <00:11.00>two <00:12.00>three\n"
    "[00:14.00]fourth\n"
    "[00:16.00]fifth\n";

TEST(LyricsViewFrame, WordsLightAsTheirTimesComeWithTwoRowsEachSide) {
    IndexList rows = Rows(kSong);
    rows.SetEndMs(20'000);
    LyricsView view;

    // Exactly at the line's start: the line is current, nothing lit yet.
    LyricsFrame f = view.Frame(rows, 10'000);
    EXPECT_EQ(f.current, "one two three");
    EXPECT_EQ(f.before, (std::vector<std::string>{"first", "second"}));
    EXPECT_EQ(f.after, (std::vector<std::string>{"fourth", "fifth"}));
    ASSERT_EQ(f.words.size(), 3u);
    EXPECT_EQ(f.current.substr(f.words[1].from, f.words[1].to - f.words[1].from), "two ");
    EXPECT_EQ(Lit(f), (std::vector<int>{0, 0, 0}));

    EXPECT_EQ(Lit(view.Frame(rows, 10'500)), (std::vector<int>{50, 0, 0}));
    // Exactly at a word's time: the word before is whole, this one starts.
    EXPECT_EQ(Lit(view.Frame(rows, 11'000)), (std::vector<int>{100, 0, 0}));
    // The last word runs to the next line's start.
    EXPECT_EQ(Lit(view.Frame(rows, 13'000)), (std::vector<int>{100, 100, 50}));
    // A seek back into the line unlights again.
    EXPECT_EQ(Lit(view.Frame(rows, 10'250)), (std::vector<int>{25, 0, 0}));

    // The last line: nothing after, the two before; a line without word tags shows lit whole.
    f = view.Frame(rows, 19'000);
    EXPECT_EQ(f.current, "fifth");
    EXPECT_TRUE(f.after.empty());
    EXPECT_EQ(f.before, (std::vector<std::string>{"one two three", "fourth"}));
    EXPECT_EQ(Lit(f), (std::vector<int>{100}));

    // Before the first line: the lead-in row, the coming lines after it.
    f = view.Frame(rows, 0);
    EXPECT_TRUE(f.before.empty());
    EXPECT_EQ(f.after, (std::vector<std::string>{"first", "second"}));
}

TEST(LyricsViewFrame, WordTimesOutOfOrderOrPastTheNextLineLightWhatTheyCan) {
    IndexList rows = Rows(
        "[00:01.00]a<00:01.50>b<00:09.00>c\n"
        "[00:02.00]<00:05.00>x<00:03.00>y<00:04.00>z\n"
        "[00:06.00]end\n");
    LyricsView view;
    // "c" would start after the next line: the line ends with "b" still filling.
    EXPECT_EQ(Lit(view.Frame(rows, 1'999)), (std::vector<int>{100, 6, 0}));
    // Like the panel, a row that follows on takes over just past its start.
    const LyricsFrame f = view.Frame(rows, 2'010);
    EXPECT_EQ(f.current, "xyz");
    // Times that go back: no word counts as reached before its earlier neighbour.
    for (const std::int64_t ms : {2'010, 3'500, 4'500, 5'500, 5'999}) {
        const LyricsFrame at = view.Frame(rows, ms);
        ASSERT_EQ(at.words.size(), 3u) << ms;
        for (std::size_t k = 1; k < at.words.size(); ++k)
            EXPECT_TRUE(at.words[k].litPercent == 0 || at.words[k - 1].litPercent == 100) << ms;
    }
    EXPECT_EQ(view.Frame(rows, 6'010).current, "end");
}

TEST(LyricsViewFrame, AHugeFileAndAHugeLineStayWithinTheRowBounds) {
    std::string lrc;
    for (int i = 0; i < 100'000; ++i) {
        char tag[32];
        std::snprintf(tag, sizeof tag, "[%02d:%02d.%02d]", i / 6000, i / 100 % 60, i % 100);
        lrc += std::string(tag) + "<00:00.00>w" + std::to_string(i) + "\n";
    }
    lrc += "[99:00.00]" + std::string(10'000, 'x') + "\n";
    IndexList rows = Rows(lrc);
    LyricsView view;
    // From the start to the end in one step, then back: the last row held stays current.
    const LyricsFrame end = view.Frame(rows, 100'000'000);
    EXPECT_EQ(rows.CurrentRow(), rows.RowCount() - 1);
    EXPECT_LE(end.current.size(), kMaxRowTextBytes);
    EXPECT_EQ(end.before.size(), 2u);
    EXPECT_TRUE(end.after.empty());
    const LyricsFrame start = view.Frame(rows, 0);
    EXPECT_EQ(start.after.size(), 2u);
}

class LyricsViewWindow : public ::testing::Test {
protected:
    Player& PlaySong(bool withLyrics) {
        const std::string song = h.AddMedia("song.mp3", FakeMedia{std::chrono::seconds(60), 0, {}, false});
        if (withLyrics) h.folder.Write("song.lrc", kSong);
        Player& p = h.Start({song}, true);
        p.OnActivated(true);
        h.TickUntilStarted();
        Settle();
        return p;
    }
    void Settle() { h.TickUntilSettled(); }
    void TapY() {
        h.keys.Press('Y');
        h.keys.Release('Y');
        h.Tick();
        Settle();
    }
    PlayerHarness h;
};

TEST_F(LyricsViewWindow, YShowsTheLinesInTheVideoWindowsPlaceFullScreenTooAndYHidesThem) {
    h.windows.workArea = {0, 0, 1280, 400};
    Player& p = PlaySong(true);
    EXPECT_EQ(h.windows.rects[WindowId::Video].width, 0);
    TapY();
    const Rect video = h.windows.rects[WindowId::Video];
    const Rect lyrics = h.windows.rects[WindowId::Lyrics];
    EXPECT_GT(lyrics.width, 0);
    EXPECT_EQ(lyrics.width, video.width);
    EXPECT_LE(video.y + video.height, 400) << "kept within the work area";
    EXPECT_EQ(h.windows.rects[WindowId::Picture].width, 0) << "the picture would cover the lyrics";

    h.engine.position = std::chrono::milliseconds(10'500);
    h.Tick(3);
    EXPECT_EQ(p.View().Lyrics().current, "one two three");
    EXPECT_EQ(Lit(p.View().Lyrics()), (std::vector<int>{50, 0, 0}));

    p.Command(PlayerCommand::FullScreenToggle);
    h.Tick();
    Settle();
    EXPECT_EQ(h.windows.rects[WindowId::Lyrics], (Rect{0, 0, 1280, 1024}));
    p.Command(PlayerCommand::FullScreenToggle);
    h.Tick();
    Settle();

    h.windows.log.clear();
    TapY();
    EXPECT_EQ(h.windows.rects[WindowId::Lyrics].width, 0);
    EXPECT_NE(std::find(h.windows.log.begin(), h.windows.log.end(), "activate Main"), h.windows.log.end())
        << "the keyboard goes back to the panel with the window that had it";
    EXPECT_EQ(h.windows.rects[WindowId::Video].width, 0);
    EXPECT_EQ(p.View().Lyrics(), LyricsFrame{});
}

// Nor is it kept for later: the same song opened again with its lyrics shows no lyrics view.
TEST_F(LyricsViewWindow, WithoutTimedTextYDoesNothing) {
    Player& p = PlaySong(false);
    TapY();
    EXPECT_EQ(h.windows.rects.count(WindowId::Lyrics), 0u);
    EXPECT_EQ(h.windows.rects[WindowId::Video].width, 0);
    h.folder.Write("song.lrc", kSong);
    p.Command(PlayerCommand::Stop);
    h.Tick();
    p.Command(PlayerCommand::Play);
    h.Tick();
    h.TickUntilStarted();
    Settle();
    EXPECT_EQ(h.windows.rects.count(WindowId::Lyrics), 0u);
    EXPECT_EQ(p.View().Lyrics(), LyricsFrame{});
}

}  // namespace
}  // namespace felux::test
