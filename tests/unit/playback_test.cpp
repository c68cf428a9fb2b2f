// Opening, starting and closing files, moving through the playlist, segments, A-B loops and searches.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>

#include <sys/stat.h>

#include "PlayerHarness.h"
#include "platform/Keys.h"
#include "playlist/PlaySegmentSuffix.h"

namespace felux {
namespace {

constexpr MediaTime kSecond = std::chrono::seconds(1);
constexpr MediaTime kMs = std::chrono::milliseconds(1);

using test::FakeMedia;
using test::PlayerHarness;

int Count(const std::vector<std::string>& log, const std::string& entry) {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

class PlaybackTest : public ::testing::Test {
protected:
    PlayerHarness h;
};

TEST_F(PlaybackTest, OpeningLaysOutThenStartsOverTicks) {
    const std::string clip = h.AddMedia("clip.mpg");
    test::TestPlayer& p = h.Start({clip}, /*openOnStart=*/true);
    // The first tick opened the file paused and asked for a new video size.
    EXPECT_FALSE(p.state.playback.mediaClosed);
    EXPECT_EQ(p.state.playback.startState, StartState::Opened);
    EXPECT_TRUE(p.state.playback.hasVideo);
    EXPECT_FALSE(h.engine.playing);
    EXPECT_EQ(p.graph.timePerFrame, 40 * kMs);
    EXPECT_EQ(p.graph.sourceWidth, 320);

    // The same tick's command step took the size request and started the countdown.
    EXPECT_EQ(p.layout.Timer().TicksLeft(), 10);
    h.Tick();  // 9
    EXPECT_FALSE(h.engine.playing);
    h.Tick();  // 8: layout, and with the default monitor fix the start
    EXPECT_TRUE(h.engine.playing);
    EXPECT_EQ(p.state.playback.startState, StartState::Idle);
    EXPECT_EQ(p.keyboard.Gate().TicksLeft(), 18);
    EXPECT_EQ(h.windows.rects[WindowId::Video].width, 320);
    EXPECT_EQ(h.windows.rects[WindowId::Video].height, 240);
    EXPECT_EQ(h.windows.rects[WindowId::Picture].width, 320);
    // Full volume on the graph's scale.
    EXPECT_EQ(h.engine.volume, kEngineVolumeFull);
    EXPECT_EQ(p.openFile.titleLine, " clip  <0:01:00>");
}

TEST_F(PlaybackTest, WithoutMonitorFixPlaybackStartsOnTheNextNormalTick) {
    const std::string clip = h.AddMedia("clip.mpg");
    test::TestPlayer& p = h.Start({clip});
    p.settings.secondaryMonitorFix = 0;
    p.playback.OpenCurrent();
    h.Tick(3);  // request and countdown, countdown, layout
    EXPECT_EQ(p.state.playback.startState, StartState::LaidOut);
    EXPECT_FALSE(h.engine.playing);
    h.Tick(2);  // the countdown of 1 runs out, then a normal tick starts
    EXPECT_TRUE(h.engine.playing);
    EXPECT_EQ(p.state.playback.sourceRectCountdown, 0);
}

TEST_F(PlaybackTest, AMonitorFixAtTheIntLimitWaitsAsLongAsItCan) {
    const std::string clip = h.AddMedia("clip.mpg");
    test::TestPlayer& p = h.Start({clip});
    p.settings.secondaryMonitorFix = INT_MAX;
    p.playback.OpenCurrent();
    for (int i = 0; i < 20 && p.state.playback.startState != StartState::Idle; ++i) h.Tick();
    EXPECT_TRUE(h.engine.playing);
    EXPECT_EQ(p.state.playback.sourceRectCountdown, INT_MAX) << "saturated, not wrapped";
}

TEST_F(PlaybackTest, AudioOnlyFilesCollapseTheVideoWindowAndStillStart) {
    const std::string song = h.AddMedia("song.mp3", FakeMedia{60 * kSecond, 0, {}, false});
    test::TestPlayer& p = h.Start({song}, true);
    EXPECT_TRUE(p.graph.audioOnly);
    EXPECT_FALSE(p.state.playback.hasVideo);
    EXPECT_EQ(p.graph.timePerFrame, MediaTime{});
    EXPECT_EQ(h.windows.rects[WindowId::Video].width, 0);
    h.TickUntilStarted();
    EXPECT_TRUE(h.engine.playing);
    // An MP3 without a tag shows its name and length; its information lines are there.
    EXPECT_EQ(p.openFile.titleLine, " song  <0:01:00>");
    ASSERT_EQ(p.openFile.infoLines.size(), 8u);
    EXPECT_EQ(p.openFile.infoLines[5], "FileName : song");
}

TEST_F(PlaybackTest, FilesThatCannotBeOpenedLeaveNothingOpenAndTheListIntact) {
    const std::string missing = (h.folder.path() / "gone.mpg").string();
    const std::string broken = h.folder.Write("broken.mpg", "not media").string();
    std::filesystem::create_directory(h.folder.path() / "dir.mpg");
    const std::string dir = (h.folder.path() / "dir.mpg").string();
    const std::string fifo = (h.folder.path() / "pipe.mpg").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    test::TestPlayer& p = h.Start({missing, broken, dir, fifo});
    for (int i = 0; i < 4; ++i) {
        p.playlist.currentIndex = i;
        p.playback.OpenCurrent();
        EXPECT_TRUE(p.state.playback.mediaClosed) << i;
        EXPECT_EQ(h.windows.rects[WindowId::Video].width, 0);
        EXPECT_EQ(p.View().List().currentIndex, i);
    }
    EXPECT_EQ(p.View().List().Size(), 4u);
    EXPECT_FALSE(h.engine.created);  // the graph that could not render was let go
    // Only the regular file reached the engine.
    EXPECT_EQ(Count(h.engine.log, "Render " + broken), 1);
    EXPECT_EQ(Count(h.engine.log, "Render " + missing) + Count(h.engine.log, "Render " + dir) +
                  Count(h.engine.log, "Render " + fifo),
              0);
}

TEST_F(PlaybackTest, MissingEntriesAreRemovedWhenTheyAreNotKept) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string gone1 = (h.folder.path() / "x.mpg").string();
    const std::string gone2 = (h.folder.path() / "y.mpg").string();
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a, gone1, gone2 + "<<0:00:01:000-0:00:02:000>>", b});
    p.settings.keepMissingFiles = 0;
    p.playlist.currentIndex = 1;
    p.playback.OpenCurrent();
    ASSERT_EQ(p.View().List().Size(), 2u);
    EXPECT_EQ(p.View().List().PathAt(1), b);
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_FALSE(p.state.playback.mediaClosed);

    // Every entry from the current one on missing: back to the first entry, which opens.
    PlayerHarness h2;
    const std::string first = h2.AddMedia("first.mpg");
    test::TestPlayer& q = h2.Start({first, gone1, gone2});
    q.settings.keepMissingFiles = 0;
    q.playlist.currentIndex = 1;
    q.playback.OpenCurrent();
    EXPECT_EQ(q.playlist.Size(), 1u);
    EXPECT_EQ(q.playlist.currentIndex, 0);
    EXPECT_EQ(q.openFile.path, first);

    // Nothing left at all: no open and no crash.
    PlayerHarness h3;
    test::TestPlayer& r = h3.Start({gone1, gone2});
    r.settings.keepMissingFiles = 0;
    r.playback.OpenCurrent();
    EXPECT_EQ(r.playlist.Size(), 0u);
    EXPECT_TRUE(r.state.playback.mediaClosed);
}

TEST_F(PlaybackTest, EndOfStreamOpensTheNextEntryOnTheSameTick) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a, b}, true);
    h.TickUntilStarted();
    h.engine.completed = true;
    h.Tick();
    EXPECT_EQ(p.View().List().currentIndex, 1);
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_EQ(p.keyboard.Gate().TicksLeft(), 10);
    EXPECT_EQ(p.state.playback.startState, StartState::Opened);
}

// From one file to the next the engine replaces the file in the graph it has, so that it keeps its
// outputs; an open that cannot go through lets the last file's graph go.
TEST_F(PlaybackTest, TheNextFileReplacesTheLastInItsGraphAndAnOpenThatFailsReleasesIt) {
    const std::string a = h.AddMedia("a.mp3");
    const std::string b = h.AddMedia("b.mp3");
    const std::string gone = (h.folder.path() / "gone.mp3").string();
    test::TestPlayer& p = h.Start({a, b, gone}, true);
    p.settings.keepMissingFiles = 1;
    h.TickUntilStarted();
    h.engine.log.clear();
    h.engine.completed = true;
    h.Tick();
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_EQ(Count(h.engine.log, "Release"), 0);
    EXPECT_EQ(Count(h.engine.log, "Create"), 1);

    h.TickUntilStarted();
    h.engine.log.clear();
    h.engine.completed = true;
    h.Tick();
    EXPECT_EQ(p.View().List().currentIndex, 2);
    EXPECT_TRUE(p.state.playback.mediaClosed);
    EXPECT_EQ(Count(h.engine.log, "Release"), 1);
    EXPECT_EQ(Count(h.engine.log, "Create"), 0);
    EXPECT_FALSE(h.engine.created);
}

TEST_F(PlaybackTest, ASoundFileTellsTheEngineWhatFollowsItUntilTheListChangesCourse) {
    const FakeMedia sound{.video = false};
    const std::string a = h.AddMedia("a.wav", sound);
    const std::string b = h.AddMedia("b.wav", sound);
    const std::string c = h.AddMedia("c.wav", sound);
    const std::string video = h.AddMedia("v.mpg");
    test::TestPlayer& p = h.Start({a, b, c, video}, true);
    h.TickUntilStarted();
    auto logged = [&](const std::string& line) {
        return std::count(h.engine.log.begin(), h.engine.log.end(), line);
    };
    EXPECT_EQ(logged("PrepareNext " + b), 1);

    // The end moves on to the prepared file without forgetting it first.
    h.engine.log.clear();
    h.engine.completed = true;
    h.TickUntilStarted();
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_EQ(logged("ForgetNext"), 0);
    EXPECT_EQ(logged("PrepareNext " + c), 1);

    // A stop forgets it; a video is never prepared, nor is anything past the end of the list.
    p.Command(PlayerCommand::Stop);
    h.Tick(2);
    EXPECT_EQ(logged("ForgetNext"), 1);
    p.playlist.currentIndex = 2;
    p.playback.OpenCurrent();
    h.TickUntilStarted();
    EXPECT_EQ(p.View().File().path, c);
    EXPECT_EQ(logged("PrepareNext " + video), 0);
    p.settings.repeatList = 0;
    h.engine.log.clear();
    p.playlist.RemoveAt(3);
    p.playlist.currentIndex = 2;
    p.playback.OpenCurrent();
    h.TickUntilStarted();
    EXPECT_TRUE(std::none_of(h.engine.log.begin(), h.engine.log.end(),
                             [](const std::string& line) { return line.starts_with("PrepareNext"); }));
    // With repeat on the list goes round: the first entry follows the last.
    p.settings.repeatList = 1;
    p.playback.OpenCurrent();
    h.TickUntilStarted();
    EXPECT_EQ(logged("PrepareNext " + a), 1);
}

// Whatever changes where NEXT goes while a sound file plays (a list edit, repeat, shuffle), the
// engine holds exactly that entry ready, or nothing, so that it never starts the wrong one.
TEST_F(PlaybackTest, ThePreparedFollowerIsAlwaysTheEntryNextWouldOpen) {
    const FakeMedia sound{.video = false};
    const std::string a = h.AddMedia("a.wav", sound);
    const std::string b = h.AddMedia("b.wav", sound);
    const std::string c = h.AddMedia("c.wav", sound);
    const std::string d = h.AddMedia("d.wav", sound);
    const std::string e = h.AddMedia("e.wav", sound);
    test::TestPlayer& p = h.Start({a, b, c, d, e}, true);
    h.TickUntilStarted();
    p.Command(PlayerCommand::EditorToggle);
    h.Tick();
    EXPECT_EQ(h.engine.prepared, b);
    auto endAndStart = [&] {
        h.engine.completed = true;
        h.TickUntilStarted();
        h.Tick();  // the relayout's last tick
    };

    // The follower deleted, then the playing entry moved down past the next one.
    h.editorWindow.view.Select({1});
    p.editor.Delete();
    h.Tick();
    EXPECT_EQ(h.engine.prepared, c);
    h.editorWindow.view.Select({0});
    p.editor.MoveDown();
    h.Tick();
    EXPECT_EQ(h.engine.prepared, d) << "c a d e";
    h.engine.log.clear();
    h.Tick(5);
    EXPECT_TRUE(h.engine.log.empty()) << "told once, not on every tick";

    // The last entry: the first follows only while the list repeats.
    endAndStart();
    ASSERT_EQ(p.View().File().path, d);
    EXPECT_EQ(Count(h.engine.log, "ForgetNext"), 0) << "the end took the prepared file over";
    endAndStart();
    ASSERT_EQ(p.View().File().path, e);
    EXPECT_EQ(h.engine.prepared, c);
    p.Command(PlayerCommand::RepeatToggle);
    h.Tick();
    EXPECT_EQ(h.engine.prepared, std::nullopt);
    p.Command(PlayerCommand::RepeatToggle);
    h.Tick();
    EXPECT_EQ(h.engine.prepared, c);

    // Shuffled from the last entry: the new order's first entry (the seed's order: 1 0 2 3), which
    // the end then opens.
    p.Command(PlayerCommand::ShuffleToggle);
    h.Tick();
    EXPECT_EQ(h.engine.prepared, a);
    endAndStart();
    EXPECT_EQ(p.View().File().path, a);
}

TEST_F(PlaybackTest, AFileAtTheLastOnesSizeStartsWithoutWaitingForTheLayout) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    const std::string wide = h.AddMedia("wide.mpg", {.size = {320, 180}});
    test::TestPlayer& p = h.Start({a, b, wide}, true);
    h.TickUntilStarted();
    // Ticks from the tick that takes one file's end until the next one plays.
    auto ticksToPlay = [&] {
        const std::string before = p.View().File().path;
        h.engine.completed = true;
        for (int i = 0; i < 30 && p.View().File().path == before; ++i) h.Tick();
        int ticks = 0;
        while (!h.engine.playing && ticks < 30) {
            h.Tick();
            ++ticks;
        }
        return ticks;
    };
    // b has a's picture: its windows are in place, so it plays on the tick that takes its size.
    EXPECT_EQ(ticksToPlay(), 1);
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_EQ(h.windows.rects[WindowId::Video].height, 240);
    // A picture of another shape waits for its reshaped windows as a first file does.
    EXPECT_EQ(ticksToPlay(), 3);
    EXPECT_EQ(p.View().File().path, wide);
    EXPECT_EQ(h.windows.rects[WindowId::Video].height, 180);
}

TEST_F(PlaybackTest, FilesEndingOnAnErrorAreNotReopenedForEver) {
    const std::string a = h.AddMedia("a.mpg");
    test::TestPlayer& p = h.Start({a}, true);
    ASSERT_EQ(p.settings.repeatList, 1);
    h.TickUntilStarted();
    h.engine.completedOnError = true;
    h.engine.completed = true;
    h.Tick(3);
    EXPECT_EQ(Count(h.engine.log, "Render " + a), 1) << "the one entry on repeat is not opened again";
    EXPECT_TRUE(p.state.playback.mediaClosed);
    ASSERT_EQ(h.reports.size(), 1u);
    EXPECT_NE(h.reports[0].find(a), std::string::npos);

    // A list goes round once: b ends on an error too, c plays to its end, so the count starts
    // again, and the round ends when every entry has failed one after the other.
    PlayerHarness run;
    const std::string b = run.AddMedia("b.mpg");
    const std::string c = run.AddMedia("c.mpg");
    test::TestPlayer& q = run.Start({b, c}, true);
    const auto end = [&](bool onError) {
        run.TickUntilStarted();
        run.engine.completedOnError = onError;
        run.engine.completed = true;
        run.Tick();
    };
    end(true);
    EXPECT_EQ(q.openFile.path, c);
    end(false);
    EXPECT_EQ(q.openFile.path, b);
    end(true);
    EXPECT_EQ(q.openFile.path, c);
    end(true);
    run.Tick(2);
    EXPECT_TRUE(q.state.playback.mediaClosed);
    EXPECT_EQ(Count(run.engine.log, "Render " + b), 2);
    EXPECT_EQ(run.reports.size(), 3u) << "one line per failure";
}

TEST_F(PlaybackTest, NextAndPreviousInListOrder) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    const std::string c = h.AddMedia("c.mpg");
    test::TestPlayer& p = h.Start({a, b, c});

    // Nothing open: only the index moves.
    p.playlist.currentIndex = 2;
    p.settings.repeatList = 1;
    p.playback.Next();
    EXPECT_EQ(p.View().List().currentIndex, 0);
    EXPECT_TRUE(p.state.playback.mediaClosed);
    p.playback.Previous();
    EXPECT_EQ(p.View().List().currentIndex, 2);

    // Playing, repeat on: the last entry wraps to the first and plays it.
    p.playback.OpenCurrent();
    p.playback.Next();
    EXPECT_EQ(p.View().File().path, a);
    EXPECT_FALSE(p.Pending().endOfListStop);

    // Repeat off: at the end the index goes to the first entry and playback stops on the next tick.
    p.settings.repeatList = 0;
    p.playlist.currentIndex = 2;
    p.playback.OpenCurrent();
    p.playback.Next();
    EXPECT_EQ(p.View().List().currentIndex, 0);
    EXPECT_EQ(p.View().File().path, c);
    EXPECT_TRUE(p.Pending().endOfListStop);
    h.Tick();
    EXPECT_TRUE(p.state.playback.mediaClosed);
    EXPECT_FALSE(h.engine.created);

    // Previous at the first entry selects the last in both repeat modes.
    for (int repeat : {0, 1}) {
        p.settings.repeatList = repeat;
        p.playlist.currentIndex = 0;
        p.playback.Previous();
        EXPECT_EQ(p.View().List().currentIndex, 2) << repeat;
    }
}

TEST_F(PlaybackTest, NextAndPreviousInShuffleOrder) {
    std::vector<std::string> entries;
    for (char n = 'a'; n <= 'e'; ++n) entries.push_back(h.AddMedia(std::string(1, n) + ".mpg"));
    test::TestPlayer& p = h.Start(entries);
    p.settings.shufflePlay = 1;
    p.playback.Shuffle();
    std::vector<int> sorted = p.playback.ShuffleOrder();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(p.View().List().currentIndex, p.playback.ShuffleOrder()[0]);

    // Repeat on: one full round visits every entry in order, then wraps to the first of the order.
    p.settings.repeatList = 1;
    p.playback.OpenCurrent();
    for (int i = 1; i < 5; ++i) {
        p.playback.Next();
        EXPECT_EQ(p.View().List().currentIndex, p.playback.ShuffleOrder()[static_cast<std::size_t>(i)]);
        EXPECT_EQ(p.View().File().path, entries[static_cast<std::size_t>(p.playback.ShuffleOrder()[static_cast<std::size_t>(i)])]);
    }
    p.playback.Next();
    EXPECT_EQ(p.playback.ShufflePosition(), 0);
    EXPECT_EQ(p.View().List().currentIndex, p.playback.ShuffleOrder()[0]);
    EXPECT_FALSE(p.Pending().endOfListStop);

    // Previous walks the order backwards and wraps to its end.
    p.playback.Previous();
    EXPECT_EQ(p.playback.ShufflePosition(), 4);
    EXPECT_EQ(p.View().List().currentIndex, p.playback.ShuffleOrder()[4]);

    // Repeat off: past the end the first of the order is selected, not opened, and playback stops.
    p.settings.repeatList = 0;
    const std::string playing = p.View().File().path;
    p.playback.Next();
    EXPECT_EQ(p.playback.ShufflePosition(), 0);
    EXPECT_EQ(p.View().List().currentIndex, p.playback.ShuffleOrder()[0]);
    EXPECT_EQ(p.View().File().path, playing);
    EXPECT_TRUE(p.Pending().endOfListStop);

    // One entry always shuffles to [0].
    PlayerHarness single;
    test::TestPlayer& s = single.Start({single.AddMedia("only.mpg")});
    s.playback.Shuffle();
    EXPECT_EQ(s.playback.ShuffleOrder(), std::vector<int>{0});
}

TEST_F(PlaybackTest, PlaySegmentStartsAfterItsStartAndAdvancesAtItsEnd) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a + "<<0:00:10:000-0:00:20:500>>", b}, true);
    EXPECT_TRUE(p.state.playback.segmentActive);
    EXPECT_EQ(p.View().File().path, a);
    ASSERT_FALSE(h.engine.seeks.empty());
    EXPECT_EQ(h.engine.seeks.back(), 10001 * kMs);  // 10.001 s
    h.TickUntilStarted();
    EXPECT_EQ(p.state.playback.startDelay, 0);
    EXPECT_EQ(p.View().List().currentIndex, 0);

    h.engine.position = 20499 * kMs;  // 20.499 s: still inside
    h.Tick(2);
    EXPECT_EQ(p.View().List().currentIndex, 0);
    h.engine.position = 20500 * kMs;  // 20.5 s
    h.Tick(2);                        // the end raises Next; the next tick carries it out
    EXPECT_EQ(p.View().List().currentIndex, 1);
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_FALSE(p.state.playback.segmentActive);
}

// A file named like "take <2>" plays whole and stays listed; a segment past 10 hours keeps its points.
TEST_F(PlaybackTest, NamesEndingInBracketsPlayWholeAndLongSegmentsKeepTheirPoints) {
    const std::string take = h.AddMedia("take <2>");
    const std::string cut = h.AddMedia("interview <part 2 of 3, the final cut>");
    const std::string a = h.AddMedia("a.mpg");
    test::TestPlayer& p = h.Start({take, cut, a + FormatSegmentSuffix(36'000'000, 36'005'000)});
    p.settings.keepMissingFiles = 0;
    for (const int i : {0, 1}) {
        p.playlist.currentIndex = i;
        p.playback.OpenCurrent();
        EXPECT_EQ(p.View().File().path, i == 0 ? take : cut);
        EXPECT_FALSE(p.state.playback.segmentActive);
        EXPECT_FALSE(p.state.playback.mediaClosed);
    }
    EXPECT_EQ(p.View().List().Size(), 3u);
    p.playlist.currentIndex = 2;
    p.playback.OpenCurrent();
    EXPECT_EQ(p.View().File().path, a);
    EXPECT_TRUE(p.state.playback.segmentActive);
    EXPECT_EQ(p.state.playback.segmentStartMs, 36'000'000);
    EXPECT_EQ(p.state.playback.segmentEndMs, 36'005'000);
}

TEST_F(PlaybackTest, ABMarksLoopOnlyWhenAtLeast16msApart) {
    test::TestPlayer& p = h.Start({h.AddMedia("a.mpg")}, true);
    h.TickUntilStarted();
    auto markAt = [&](MediaTime position) {
        h.engine.position = position;
        p.graph.RefreshPosition();
        p.abLoop.Step();
        p.playback.CheckABRepeat();
    };
    markAt(5 * kSecond);   // A at 5000 ms
    EXPECT_EQ(p.abLoop.State(), AbRepeat::ASet);
    markAt(5015 * kMs);   // B 15 ms later: too close, back to waiting for B
    EXPECT_EQ(p.abLoop.State(), AbRepeat::ASet);
    markAt(5016 * kMs);   // 16 ms later: looping
    EXPECT_EQ(p.abLoop.State(), AbRepeat::Looping);
    EXPECT_EQ(p.abLoop.AMs(), 5000);
    EXPECT_EQ(p.abLoop.BMs(), 5016);

    // B before A is swapped.
    p.abLoop.Clear();
    p.abLoop.Step();
    p.abLoop.Check(9000);  // A at 9000 ms
    markAt(3 * kSecond);
    EXPECT_EQ(p.abLoop.State(), AbRepeat::Looping);
    EXPECT_EQ(p.abLoop.AMs(), 3000);
    EXPECT_EQ(p.abLoop.BMs(), 9000);

    // Looping: inside nothing happens; at B it goes back to just after A.
    h.engine.seeks.clear();
    h.engine.position = 5 * kSecond;
    h.Tick();
    EXPECT_TRUE(h.engine.seeks.empty());
    h.engine.position = 9 * kSecond;
    h.Tick();
    ASSERT_EQ(h.engine.seeks.size(), 1u);
    EXPECT_EQ(h.engine.seeks[0], 3001 * kMs);

    // Closing resets the loop; with nothing open marks are not taken.
    p.playback.CloseMedia();
    EXPECT_EQ(p.abLoop.State(), AbRepeat::Off);
    p.abLoop.Step();
    p.playback.CheckABRepeat();
    EXPECT_EQ(p.abLoop.State(), AbRepeat::MarkA);
}

TEST_F(PlaybackTest, HoldingNextSearchesEverySevenTicksThenResumes) {
    test::TestPlayer& p = h.Start({h.AddMedia("a.mpg")}, true);
    h.TickUntilStarted();
    h.engine.seeks.clear();
    h.engine.position = 10 * kSecond;
    p.Command(PlayerCommand::SearchForwardStart);  // pressed
    h.Tick(25);                        // held one second
    EXPECT_FALSE(h.engine.playing);
    const auto jumps = h.engine.seeks.size();
    EXPECT_GE(jumps, 3u);
    EXPECT_LE(jumps, 4u);
    EXPECT_EQ(h.engine.position, 10 * kSecond + static_cast<int>(jumps) * 4500 * kMs);
    p.Command(PlayerCommand::SearchForwardEnd);  // released
    h.Tick();
    EXPECT_TRUE(h.engine.playing);
    EXPECT_EQ(p.Pending().fastForward, SearchPhase::Idle);

    // Paused by the user: the release waits, and the search steps are the pause speed.
    p.Command(PlayerCommand::PauseToggle);
    h.Tick();
    EXPECT_TRUE(p.playback.Paused());
    h.engine.seeks.clear();
    p.Command(PlayerCommand::SearchBackStart);
    h.Tick(7);
    ASSERT_EQ(h.engine.seeks.size(), 1u);
    p.Command(PlayerCommand::SearchBackEnd);
    h.Tick(3);
    EXPECT_EQ(p.Pending().rewind, SearchPhase::Released);
    EXPECT_FALSE(h.engine.playing);
}

TEST_F(PlaybackTest, ASearchThatReachesTheEndEndsTheFileAsPlayingDoes) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a, b}, true);
    h.TickUntilStarted();
    // One wheel notch at 55 s of 60: one-second jumps land on 59 s, the next exactly on the end.
    h.engine.position = 55 * kSecond;
    p.Command(PlayerCommand::WheelNotchForward);
    for (int tick = 0; tick < 60 && p.View().File().path == a; ++tick) h.Tick();
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_EQ(p.wheel.Step(), 0);
    EXPECT_EQ(p.keyboard.Gate().TicksLeft(), 10);

    // A held NEXT does the same; the last entry without repeat then stops.
    h.TickUntilStarted();
    p.settings.repeatList = 0;
    h.engine.position = 59 * kSecond;
    p.Command(PlayerCommand::SearchForwardStart);
    h.Tick(10);
    EXPECT_TRUE(p.state.playback.mediaClosed);
}

TEST_F(PlaybackTest, AHeldSearchKeyLightsNextUntilPlaybackResumes) {
    test::TestPlayer& p = h.Start({h.AddMedia("a.mpg")}, true);
    h.TickUntilStarted();
    p.OnActivated(true);
    h.Tick(30);
    h.engine.seeks.clear();
    h.keys.Press(vk::Period);
    h.Tick(10);
    EXPECT_TRUE(p.panelButtons.held.next);
    EXPECT_FALSE(h.engine.seeks.empty());
    EXPECT_FALSE(h.engine.playing);
    h.keys.Release(vk::Period);
    h.Tick(2);
    EXPECT_FALSE(p.panelButtons.held.next);
    EXPECT_TRUE(h.engine.playing);
}

TEST_F(PlaybackTest, PlayPauseStopAndFrameStepRequests) {
    const std::string a = h.AddMedia("a.mpg");
    test::TestPlayer& p = h.Start({a});
    // Play with nothing open opens the current entry.
    p.Command(PlayerCommand::Play);
    h.Tick();
    EXPECT_FALSE(p.state.playback.mediaClosed);
    h.TickUntilStarted();
    // A frame step is ignored while playing ...
    p.Command(PlayerCommand::FrameForward);
    h.engine.seeks.clear();
    h.Tick();
    EXPECT_TRUE(h.engine.seeks.empty());
    EXPECT_EQ(p.Pending().frameStep, FrameStep::Forward);
    // ... and taken once paused: one frame forward.
    p.Command(PlayerCommand::PauseToggle);
    h.engine.position = kSecond;
    h.Tick();
    ASSERT_EQ(h.engine.seeks.size(), 1u);
    EXPECT_EQ(h.engine.seeks[0], 1040 * kMs);
    EXPECT_EQ(p.Pending().frameStep, FrameStep::None);
    // Play while paused resumes without reopening.
    const int renders = Count(h.engine.log, "Render " + a);
    p.Command(PlayerCommand::Play);
    h.Tick();
    EXPECT_TRUE(h.engine.playing);
    EXPECT_FALSE(p.playback.Paused());
    EXPECT_EQ(Count(h.engine.log, "Render " + a), renders);
    // Stop and play in one tick: stopped first, then opened again.
    p.Command(PlayerCommand::Stop);
    p.Command(PlayerCommand::Play);
    h.Tick();
    EXPECT_EQ(Count(h.engine.log, "Render " + a), renders + 1);
    EXPECT_FALSE(p.state.playback.mediaClosed);
}

TEST_F(PlaybackTest, ProgressFollowsThePositionAndIsZeroForTinyDurations) {
    test::TestPlayer& p = h.Start({h.AddMedia("a.mpg", FakeMedia{13800 * kMs, 1500, {320, 240}, true})}, true);
    h.TickUntilStarted();
    h.engine.position = 6900 * kMs;
    h.Tick();
    EXPECT_EQ(p.progressBar.Pixel(), 69);

    PlayerHarness tiny;
    test::TestPlayer& t = tiny.Start({tiny.AddMedia("t.mpg", FakeMedia{MediaTime(137), 0, {320, 240}, true})}, true);
    tiny.TickUntilStarted();
    tiny.engine.position = MediaTime(100);
    tiny.Tick();
    EXPECT_EQ(t.progressBar.Pixel(), 0);
}

// A press on the bar puts it there at once; the command step of the tick after leaves the press
// alone, even though the engine landed elsewhere, and the one after that follows playback again.
TEST_F(PlaybackTest, AProgressPressHoldsTheBarOverTheNextCommandStepOnly) {
    test::TestPlayer& p = h.Start({h.AddMedia("a.mpg", FakeMedia{13800 * kMs, 1500, {320, 240}, true})}, true);
    h.TickUntilStarted();
    ASSERT_TRUE(h.TickUntilSettled());
    h.engine.seekLandsAt = 2000 * kMs;
    p.panelInput.OnLButtonDown(163, 10);  // pixel 100 of 138: 10 s in
    h.Tick();
    EXPECT_EQ(p.progressBar.Pixel(), 100);
    ASSERT_FALSE(h.engine.seeks.empty());
    EXPECT_EQ(h.engine.seeks.back(), 10000 * kMs);
    h.Tick();
    EXPECT_EQ(p.progressBar.Pixel(), 100);
    h.Tick();
    EXPECT_EQ(p.progressBar.Pixel(), 20);
}

TEST_F(PlaybackTest, ShuffleAndRepeatToggles) {
    test::TestPlayer& p = h.Start({h.AddMedia("a.mpg"), h.AddMedia("b.mpg"), h.AddMedia("c.mpg")});
    p.playlist.currentIndex = 2;
    p.Command(PlayerCommand::ShuffleToggle);
    h.Tick();
    EXPECT_EQ(p.settings.shufflePlay, 1);
    EXPECT_EQ(p.View().List().currentIndex, p.playback.ShuffleOrder()[0]);
    p.playlist.currentIndex = 1;
    p.Command(PlayerCommand::ShuffleToggle);
    p.Command(PlayerCommand::RepeatToggle);
    h.Tick();
    EXPECT_EQ(p.settings.shufflePlay, 0);
    EXPECT_EQ(p.View().List().currentIndex, 1);
    EXPECT_EQ(p.settings.repeatList, 0);
}

TEST_F(PlaybackTest, VolumeRecordsFollowTheOpenFile) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a, b});
    p.settings.volumeLogAutoUpdate = 1;
    p.playback.OpenCurrent();
    p.volume.SetLevel(31);
    p.playback.Next();  // leaving a records its level
    ASSERT_FALSE(p.volumeLog.Records().empty());
    EXPECT_EQ(p.volumeLog.Records()[0].name, "a");
    EXPECT_EQ(p.volumeLog.Records()[0].volumeLine, "1:7fff7fff");
    p.volume.SetLevel(62);
    p.playback.Previous();  // back to a: its level comes back
    EXPECT_EQ(p.View().VolumeLevel(), 31);
    EXPECT_TRUE(p.volumeLog.RecordPresent());

    // The level on the graph's scale, and on the system mixer when that method is chosen.
    p.volume.SetLevel(0);
    p.volume.Apply();
    EXPECT_EQ(h.engine.volume, 0.0);
    p.settings.useDirectShowVolume = 0;
    p.volume.SetLevel(31);
    p.volume.Apply();
    EXPECT_EQ(h.systemVolume.value, 0x7fff7fffu);
}

TEST_F(PlaybackTest, TheSystemVolumeFoundAtStartIsPutBackAtExitWhenAsked) {
    for (const int restore : {0, 1}) {
        PlayerHarness run;
        run.systemVolume.value = 0x12345678u;
        test::TestPlayer& p = run.Start({}, false, [&](PlayerSettings& s) { s.restoreVolumeOnExit = restore; });
        EXPECT_EQ(p.View().VolumeLevel(), 62);  // the saved level, with the graph's volume method
        run.systemVolume.value = 0;
        p.state.exitRequested = true;
        run.Tick();
        ASSERT_TRUE(p.Ended());
        EXPECT_EQ(run.systemVolume.value, restore == 1 ? 0x12345678u : 0u) << restore;
    }
}

TEST_F(PlaybackTest, CompanionAudioIsRenderedWithTheVideo) {
    const std::string clip = h.AddMedia("clip.mpg");
    const std::string wav = h.folder.Write("clip.wav", "audio").string();
    test::TestPlayer& p = h.Start({clip});
    p.playback.OpenCurrent();
    EXPECT_FALSE(h.engine.companion.has_value());  // synchronised playback is off by default
    p.settings.syncFlags = "1100111";
    p.playback.OpenCurrent();
    ASSERT_TRUE(h.engine.companion.has_value());
    EXPECT_EQ(*h.engine.companion, wav);
}

}  // namespace
}  // namespace felux
