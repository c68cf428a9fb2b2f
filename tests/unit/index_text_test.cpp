// Index text files: the timed-line grammar, lyrics lines, row order, bounds, finding the file, and row tracking.
#include <gtest/gtest.h>

#include <string>

#include "PlayerHarness.h"
#include "playlist/IndexList.h"
#include "playlist/IndexText.h"

namespace felux {
namespace {

constexpr MediaTime kSecond = std::chrono::seconds(1);

using Times = std::vector<std::int64_t>;

Times TimesOf(std::string_view line) {
    const auto parsed = ParseIndexLine(line);
    return parsed ? parsed->timesMs : Times{-1};
}

TEST(IndexGrammar, TagsFieldsAndEndings) {
    EXPECT_EQ(TimesOf("[00:05:50]x"), Times{5'500});   // two digits count hundredths
    EXPECT_EQ(TimesOf("[00:05:500]x"), Times{5'500});  // three count milliseconds
    EXPECT_EQ(TimesOf("[00:05:5]x"), Times{5'005});
    EXPECT_EQ(TimesOf("[500]x"), Times{500});
    EXPECT_EQ(TimesOf("01:02=x"), Times{62'000});
    EXPECT_EQ(TimesOf("12:34]x"), Times{754'000});
    EXPECT_EQ(TimesOf("[01:02:03:04]x"), Times{0});  // four fields
    EXPECT_EQ(TimesOf("[]x"), Times{0});              // empty fields count as 0
    EXPECT_EQ(TimesOf("[00::50]x"), Times{500});
    // The field count and the last field's digits of the last tag rule every tag.
    EXPECT_EQ(TimesOf("[00:01:00][00:03:5]x"), (Times{1'000, 3'005}));
    EXPECT_EQ(TimesOf("[00:01:5][00:03:00]x"), (Times{1'050, 3'000}));

    const auto two = ParseIndexLine("[00:01:00][00:03:00]x [00:04:00]y");
    ASSERT_TRUE(two);
    EXPECT_EQ(two->text, "x [00:04:00]y");  // word tags stay in the text
    EXPECT_EQ(ParseIndexLine("[00:01:00]=[b")->text, "=[b");

    for (const char* rejected : {"[1:02]x", "[00:01.50]x", "plain text", "", "[00:01:00", "[00:0a:00]x",
                                 "[0000000001:00]x"})
        EXPECT_FALSE(ParseIndexLine(rejected)) << rejected;
    EXPECT_EQ(TimesOf("[000000001:00]x"), Times{60'000});  // nine digits are the most a field holds
}

TEST(IndexGrammar, RowsSortByTimeNewestFirstWithTheLeadInAsRowZero) {
    const IndexRows rows = BuildIndexRows(
        "[00:10:00]B\r\n[00:05:00]A\r\n[00:01.50]skipped\r\n[00:00:00]Title\r\n[00:02:00]first\r\n"
        "[00:02:00]second\n[00:01:00][00:12:00]x",
        IndexFormat::Index);
    EXPECT_EQ(rows.texts, (std::vector<std::string>{"Title", "x", "second", "first", "A", "B", "x"}));
    EXPECT_EQ(rows.startMs, (Times{0, 1'000, 2'000, 2'000, 5'000, 10'000, 12'000}));

    const IndexRows none = BuildIndexRows("no timed line here\r\n", IndexFormat::Index);
    EXPECT_EQ(none.texts, std::vector<std::string>{""});
}

TEST(IndexGrammar, OversizedInputIsCutToItsBounds) {
    std::string many;
    for (int i = 5'000; i >= 1; --i) many += "[" + std::to_string(i) + "]row" + std::to_string(i) + "\r\n";
    const IndexRows rows = BuildIndexRows(many, IndexFormat::Index);
    // Row 0 and the end slot take two of the slots; the rows read first are kept.
    ASSERT_EQ(rows.texts.size(), static_cast<std::size_t>(kIndexSlots - 1));
    EXPECT_EQ(rows.texts[1], "row1403");
    EXPECT_EQ(rows.texts.back(), "row5000");

    std::string tags;
    for (int i = 1; i <= 60; ++i) tags += "[" + std::to_string(i * 1'000) + "]";
    const auto line = ParseIndexLine(tags + std::string(5'000, 'x'));
    ASSERT_TRUE(line);
    EXPECT_EQ(line->timesMs.size(), static_cast<std::size_t>(kMaxLineTags));
    EXPECT_EQ(line->text.size(), kMaxRowTextBytes);
    // A long text is cut at a character, not inside one.
    const auto japanese = ParseIndexLine("[5]" + std::string(1'023, 'a') + "あ");
    EXPECT_EQ(japanese->text, std::string(1'023, 'a'));
}

TEST(IndexGrammar, LyricsLinesWithWordTimesAndOffset) {
    const IndexRows rows = BuildIndexRows(
        "[ti:Song]\n[ar:Someone]\n[offset:+500]\n[00:01.50]first <00:02.00>word\n"
        "[00:05.2][01:00.123]chorus\n[00:00.40]lead-in\nnot a line\n",
        IndexFormat::Lrc);
    EXPECT_EQ(rows.texts, (std::vector<std::string>{"lead-in", "first [00:01:50]word", "chorus", "chorus"}));
    EXPECT_EQ(rows.startMs, (Times{0, 1'000, 4'700, 59'623}));
    EXPECT_FALSE(ParseLrcLine("[00:01.50", 0));
    EXPECT_EQ(ParseLrcLine("[00:01.50]a <bad>", 0)->text, "a <bad>");
}

TEST(IndexTracking, FollowsThePositionAcrossSeeksAndTheEnd) {
    IndexList list;
    list.Load(BuildIndexRows("[0]intro\n[5000]A\n[10000]B\n[20000]C\n[40000]D\n", IndexFormat::Index));
    EXPECT_TRUE(list.reloadRequest);
    list.reloadRequest = false;
    list.TrackIndexRow(4'999);
    EXPECT_EQ(list.CurrentRow(), 0);
    EXPECT_FALSE(list.reloadRequest);
    list.TrackIndexRow(5'000);  // exactly at the next row's start: the current row holds it
    EXPECT_EQ(list.CurrentRow(), 0);
    list.TrackIndexRow(5'001);
    EXPECT_EQ(list.CurrentRow(), 1);
    EXPECT_TRUE(list.reloadRequest);
    list.reloadRequest = false;

    list.TrackIndexRow(41'000);
    EXPECT_EQ(list.CurrentText(), "D");
    EXPECT_FALSE(list.CurrentEndMs());  // the end is unknown until the duration is
    list.SetEndMs(60'000);
    EXPECT_EQ(list.CurrentEndMs(), 60'000);
    list.reloadRequest = false;
    list.TrackIndexRow(10'000);  // back from 41 s: the last row starting at or before 10 s
    EXPECT_EQ(list.CurrentText(), "B");
    EXPECT_TRUE(list.reloadRequest);
    list.TrackIndexRow(90'000);  // past the end the last row stays
    EXPECT_EQ(list.CurrentText(), "D");
    list.reloadRequest = false;
    list.TrackIndexRow(95'000);
    EXPECT_FALSE(list.reloadRequest);
    list.TrackIndexRow(0);
    EXPECT_EQ(list.CurrentText(), "intro");
}

class IndexFileTest : public ::testing::Test {
protected:
    // Played again from the start, as STOP and PLAY do: its timed text is looked for anew.
    void Reopen() {
        h.player->Command(PlayerCommand::Stop);
        h.Tick();
        h.player->Command(PlayerCommand::Play);
        h.Tick();
        h.TickUntilStarted();
    }
    // The line the lyrics view shows 2 s in, once it has followed the position.
    std::string LineAtTwoSeconds() {
        h.engine.position = 2 * kSecond;
        h.Tick(3);
        return h.player->View().Lyrics().current;
    }
    test::PlayerHarness h;
};

TEST_F(IndexFileTest, OpeningAFileLoadsItsIndexFromTheFirstPlaceThatHasOne) {
    const test::FakeMedia song{.duration = 30 * kSecond, .video = false};
    const std::string clip = h.AddMedia("song.mp3", song);
    const std::string other = h.AddMedia("other.mp3", song);
    h.folder.Write("song.lrc", "[00:01.00]from lrc\n");
    Player& p = h.Start({clip, other}, /*openOnStart=*/true);
    h.TickUntilStarted();
    p.Command(PlayerCommand::LyricsViewToggle);
    EXPECT_EQ(LineAtTwoSeconds(), "from lrc");
    EXPECT_EQ(p.View().Lyrics().before, std::vector<std::string>{""}) << "the lead-in and the one line";
    EXPECT_TRUE(p.View().Lyrics().after.empty());
    p.Command(PlayerCommand::LineLoopToggle);
    EXPECT_EQ(p.View().Loop().BMs(), 30'000) << "the last line ends with the file";
    p.Command(PlayerCommand::LineLoopToggle);

    // Beside the media, in Shift-JIS: "歌詞".
    h.folder.Write("song.txt", "[00:01:00]\x89\xCC\x8E\x8C\r\n");
    Reopen();
    EXPECT_EQ(LineAtTwoSeconds(), "歌詞");

    // The program folder's Index folder, named with the file's size ("media" is 5 bytes).
    std::filesystem::create_directory(h.folder.path() / "Index");
    h.folder.Write("Index/song(5).txt", "[00:01:00]indexed\r\n");
    Reopen();
    EXPECT_EQ(LineAtTwoSeconds(), "indexed");

    p.Command(PlayerCommand::NextEntry);
    h.Tick();
    h.TickUntilStarted();
    ASSERT_EQ(p.View().File().path, other);
    EXPECT_EQ(LineAtTwoSeconds(), "");
    p.Command(PlayerCommand::LineLoopToggle);
    EXPECT_EQ(p.View().Loop().State(), AbRepeat::Off) << "no timed text, no line to loop";
}

}  // namespace
}  // namespace felux
