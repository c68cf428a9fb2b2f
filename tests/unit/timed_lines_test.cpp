// The timed text's lines as places to go: L loops the line playing, CTRL+LEFT / CTRL+RIGHT step
// between lines, the video menu's line loop, and lyrics files too long or out of order for them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "PlayerHarness.h"
#include "platform/Keys.h"
#include "playlist/PlaySegmentSuffix.h"

namespace felux {
namespace {

using test::FakeMedia;
using test::PlayerHarness;

constexpr MediaTime kMs = std::chrono::milliseconds(1);
constexpr MediaTime kSecond = std::chrono::seconds(1);

// "[mm:ss.xx]"
std::string Tag(int ms) {
    char tag[32];
    std::snprintf(tag, sizeof tag, "[%02d:%02d.%02d]", ms / 60000, ms / 1000 % 60, ms / 10 % 100);
    return tag;
}

class TimedLinesTest : public ::testing::Test {
protected:
    // A 20 s clip; its lyrics, when given, beside it as song.lrc.
    Player& Playing(const std::string& lyrics, MediaTime duration = 20 * kSecond) {
        if (!lyrics.empty()) h.folder.Write("song.lrc", lyrics);
        FakeMedia media;
        media.duration = duration;
        Player& p = h.Start({h.AddMedia("song.mpg", media), h.AddMedia("next.mpg")}, true);
        p.OnActivated(true);
        h.TickUntilStarted();
        Settle();
        return p;
    }
    void Settle() { ASSERT_TRUE(h.TickUntilSettled()); }
    // One tap, with CTRL held around it when asked; then until the lockout has run out.
    void Key(int key, bool control = false) {
        if (control) h.keys.Press(vk::Control);
        h.keys.Press(key);
        h.keys.Release(key);
        h.Tick();
        if (control) h.keys.Release(vk::Control);
        Settle();
    }
    void At(MediaTime position) { h.engine.position = position; }
    PlayerHarness h;
};

// Lines at 5, 10 (twice) and 15 s of a 20 s clip.
const std::string kLyrics = "[ar:someone]\n[00:05.00]five\n[00:10.00]ten\n[00:10.00]ten again\n[00:15.00]fifteen\n";

TEST_F(TimedLinesTest, LLoopsTheLinePlayingUntilTheNextLineOrTheEndAndEndsOnTheNextPress) {
    Player& p = Playing(kLyrics);
    At(6 * kSecond);
    Key('L');
    ASSERT_EQ(p.View().Loop().State(), AbRepeat::Looping);
    EXPECT_EQ(p.View().Loop().AMs(), 5000);
    EXPECT_EQ(p.View().Loop().BMs(), 10000) << "to the next line's start";
    At(10 * kSecond);
    h.Tick();
    EXPECT_EQ(h.engine.position, 5 * kSecond + kMs) << "back to just after the line's start, as R's loop";
    Key('L');
    EXPECT_EQ(p.View().Loop().State(), AbRepeat::Off);

    // Exactly at a line's start: that line, which runs past the other line of its time.
    At(10 * kSecond);
    Key('L');
    EXPECT_EQ(p.View().Loop().AMs(), 10000);
    EXPECT_EQ(p.View().Loop().BMs(), 15000);
    Key('L');

    // The last line runs to the end of the file; an end reached while it loops goes round
    // again, and the next entry never opens.
    At(20 * kSecond);
    Key('L');
    EXPECT_EQ(p.View().Loop().AMs(), 15000);
    EXPECT_EQ(p.View().Loop().BMs(), 20000);
    h.engine.completed = true;
    h.Tick(2);
    EXPECT_EQ(h.engine.position, 15 * kSecond + kMs);
    EXPECT_TRUE(h.engine.playing);
    EXPECT_EQ(p.View().List().currentIndex, 0);
    EXPECT_EQ(p.View().Loop().State(), AbRepeat::Looping);

    // T keeps it as a segment entry, as it keeps R's loop.
    Key('T');
    ASSERT_EQ(p.View().List().Size(), 3u);
    EXPECT_EQ(p.View().List().PathAt(2), p.View().File().path + FormatSegmentSuffix(15000, 20000));

    // Once the loop is off, the end moves on.
    Key('L');
    h.engine.completed = true;
    h.Tick(2);
    EXPECT_EQ(p.View().List().currentIndex, 1);
}

TEST_F(TimedLinesTest, LDoesNothingBeforeTheFirstLineOrWithoutTimedText) {
    Player& p = Playing(kLyrics);
    At(5 * kSecond - kMs);
    Key('L');
    Key(vk::Left, true);
    EXPECT_EQ(p.View().Loop().State(), AbRepeat::Off);
    EXPECT_EQ(h.engine.position, 5 * kSecond - kMs) << "no line to go back to";
    Key(vk::Right, true);
    EXPECT_EQ(h.engine.position, 5 * kSecond) << "but the first line is ahead";

    // A line tagged at 0 is a line from the start.
    Player& q = Playing("[00:00.00]intro\n[00:04.00]four\n");
    At(MediaTime{});
    Key('L');
    EXPECT_EQ(q.View().Loop().AMs(), 0);
    EXPECT_EQ(q.View().Loop().BMs(), 4000);

    // Without timed text: no loop, no step, no menu item, and CTRL+RIGHT is no NEXT either.
    std::filesystem::remove(h.folder.path() / "song.lrc");
    Player& r = Playing("");
    At(6 * kSecond);
    Key('L');
    Key(vk::Right, true);
    EXPECT_EQ(r.View().Loop().State(), AbRepeat::Off);
    EXPECT_EQ(h.engine.position, 6 * kSecond);
    EXPECT_EQ(r.View().List().currentIndex, 0);
    r.Command(ShowMenu{PopupMenu::Video, {1, 1}});
    EXPECT_EQ(h.dialogs.sectionMenus.back().sections.size(), 3u);
}

TEST_F(TimedLinesTest, LineKeysGoToTheNextLineAndBackToTheStartOrTheLineBefore) {
    Player& p = Playing(kLyrics);
    At(6 * kSecond);
    Key(vk::Right, true);
    EXPECT_EQ(h.engine.position, 10 * kSecond);
    Key(vk::Right, true);
    EXPECT_EQ(h.engine.position, 15 * kSecond) << "the second line of 10 s is no stop";
    const std::size_t seeks = h.engine.seeks.size();
    Key(vk::Right, true);
    EXPECT_EQ(h.engine.seeks.size(), seeks) << "nothing after the last line";

    At(15 * kSecond + 999 * kMs);  // within 1 s of its start: the line before
    Key(vk::Left, true);
    EXPECT_EQ(h.engine.position, 10 * kSecond);
    At(11 * kSecond);  // exactly 1 s in: its own start
    Key(vk::Left, true);
    EXPECT_EQ(h.engine.position, 10 * kSecond);
    At(5 * kSecond + 500 * kMs);  // the first line, just begun: nothing before it
    Key(vk::Left, true);
    EXPECT_EQ(h.engine.position, 5 * kSecond);
    EXPECT_EQ(p.View().List().currentIndex, 0) << "CTRL keeps LEFT and RIGHT off the list";

    // Without CTRL the arrows still move through the list.
    Key(vk::Right);
    h.Tick(20);
    EXPECT_EQ(p.View().List().currentIndex, 1);
}

TEST_F(TimedLinesTest, TheVideoMenuLoopsTheLineAndEndsTheLoop) {
    Player& p = Playing(kLyrics);
    At(12 * kSecond);
    const auto menu = [&] {
        p.Command(ShowMenu{PopupMenu::Video, {1, 1}});
        return h.dialogs.sectionMenus.back().sections.back();
    };
    const MenuSection item = menu();
    EXPECT_EQ(item.title, "");
    EXPECT_EQ(item.items, std::vector<std::string>{"この行をリピート"});
    EXPECT_EQ(item.checked, std::nullopt);
    p.Command(ChooseMenuItem{1});  // no tracks, no chapters: the loop is the first item
    h.Tick();
    EXPECT_EQ(p.View().Loop().State(), AbRepeat::Looping);
    EXPECT_EQ(p.View().Loop().AMs(), 10000);
    EXPECT_EQ(menu().checked, 0u);
    p.Command(ChooseMenuItem{1});
    h.Tick();
    EXPECT_EQ(p.View().Loop().State(), AbRepeat::Off);
}

// Lyrics far past the rows the parser keeps, out of order, with a line of 10,000 letters: the
// keys act on the rows that were kept, each with one search.
TEST_F(TimedLinesTest, HugeDisorderedLyricsStillGiveLinesToLoopAndStepTo) {
    std::string lyrics = Tag(10'000) + "ten\n" + Tag(5'000) + std::string(10'000, 'x') + "\n";
    for (int i = 0; i < 100'000; ++i) lyrics += Tag(3'000'000 - (i * 7919) % 2'000'000) + "l\n";
    Player& p = Playing(lyrics, 3600 * kSecond);
    At(6 * kSecond);
    Key('L');
    ASSERT_EQ(p.View().Loop().State(), AbRepeat::Looping);
    EXPECT_EQ(p.View().Loop().AMs(), 5000);
    EXPECT_EQ(p.View().Loop().BMs(), 10000);
    Key('L');
    At(10 * kSecond);
    Key(vk::Right, true);
    EXPECT_GE(h.engine.position, 1'000 * kSecond);
    At(3'599 * kSecond);
    Key('L');
    EXPECT_EQ(p.View().Loop().BMs(), 3'600'000) << "the last kept line runs to the end";
}

}  // namespace
}  // namespace felux
