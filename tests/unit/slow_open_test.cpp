// An open the engine takes several polls over: the player follows it over ticks, stays usable
// meanwhile, and gives it up for a new open, a stop or an exit.
#include <gtest/gtest.h>

#include <algorithm>

#include "PlayerHarness.h"
#include "app/RemoteControl.h"
#include "engine/OpenDeadline.h"
#include "platform/Keys.h"
#include "playlist/ListFile.h"

namespace felux {
namespace {

using test::PlayerHarness;
using Status = RemoteControl::Status;
using std::chrono::milliseconds;

int Count(const std::vector<std::string>& log, const std::string& entry) {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}

// The engine's calls with the harness's own folder left out, to compare two harnesses.
std::vector<std::string> EngineCalls(PlayerHarness& h) {
    std::vector<std::string> calls = h.engine.log;
    const std::string folder = h.folder.path().string();
    for (std::string& call : calls)
        if (const auto at = call.find(folder); at != std::string::npos) call.erase(at, folder.size());
    return calls;
}

// The windows' calls but the panel's repaints, which go on while a file opens.
std::vector<std::string> WindowCalls(PlayerHarness& h) {
    std::vector<std::string> calls = h.windows.log;
    std::erase_if(calls, [](const std::string& call) { return call.starts_with("Invalidate "); });
    return calls;
}

void TapKey(PlayerHarness& h, int key) {
    h.keys.Press(key);
    h.keys.Release(key);
}

TEST(SlowOpen, ALateReadyStartsTheFileInTheSameStepsAsAnImmediateOne) {
    PlayerHarness quick;
    PlayerHarness slow;
    slow.engine.pendingPolls = 3;
    for (PlayerHarness* h : {&quick, &slow}) h->Start({h->AddMedia("clip.mpg")}, /*openOnStart=*/true);

    // Begun on the first tick and polled once: two more ticks see it pending, with no file yet.
    Player& p = *slow.player;
    RemoteControl remote(p);
    for (int tick = 0; tick < 2; ++tick) {
        EXPECT_EQ(p.View().StartStage(), StartState::Opening);
        EXPECT_FALSE(p.View().MediaOpen());
        EXPECT_EQ(remote.PlaybackStatus(), Status::Stopped);
        EXPECT_FALSE(remote.CurrentTrack());
        slow.Tick();
    }
    EXPECT_EQ(Count(slow.engine.log, "Run"), 0);
    // The third tick's poll finds it ready: that tick's command step takes the new size, which
    // is laid out two ticks later.
    slow.Tick();
    EXPECT_EQ(p.View().StartStage(), StartState::Opened);
    slow.Tick();
    EXPECT_EQ(slow.windows.rects[WindowId::Video].width, 0);
    slow.Tick();
    EXPECT_EQ(slow.windows.rects[WindowId::Video].width, 320);

    quick.TickUntilStarted();
    slow.TickUntilStarted();
    EXPECT_EQ(EngineCalls(slow), EngineCalls(quick));
    EXPECT_EQ(WindowCalls(slow), WindowCalls(quick));
    EXPECT_EQ(slow.windows.rects[WindowId::Video].width, 320);
    EXPECT_TRUE(slow.engine.playing);
    EXPECT_EQ(p.View().File().titleLine, quick.player->View().File().titleLine);
}

TEST(SlowOpen, NewsBetweenTicksSetsTheFileUpAtOnce) {
    PlayerHarness h;
    h.engine.pendingPolls = 1;
    Player& p = h.Start({h.AddMedia("clip.mpg")}, true);
    ASSERT_EQ(p.View().StartStage(), StartState::Opening);
    p.OnOpenNews();
    EXPECT_EQ(p.View().StartStage(), StartState::Opened);
    EXPECT_TRUE(p.View().MediaOpen());
    p.OnOpenNews();  // late news of an open already taken: nothing
    EXPECT_EQ(p.View().StartStage(), StartState::Opened);
}

// The ticks of a start's handshake are each brought forward by the one before, from the news of
// the open to the tick that starts the file; a wait the window manager is given keeps its pace.
TEST(SlowOpen, AStartsHandshakeRunsItsTicksBackToBackButAMovesWaitKeepsItsPace) {
    struct Case {
        const char* name;
        int monitorFix;
        bool moved;
        std::vector<bool> wokeNext;  // after each tick up to the start
    };
    const std::vector<Case> cases{
        // The new size, two ticks to the layout, which starts the file.
        {"started by the layout", 1, false, {true, true, false}},
        // The same, one tick to settle, then the start.
        {"started after the layout", 0, false, {true, true, true, true, false}},
        // The move's four ticks to its layout at the clock's pace.
        {"moved while opened", 1, true, {false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlayerHarness h;
        h.engine.pendingPolls = 1;
        Player& p = h.Start({h.AddMedia("clip.mpg")}, true,
                                      [&](PlayerSettings& s) { s.secondaryMonitorFix = c.monitorFix; });
        int wakes = h.wakes;
        p.OnOpenNews();
        EXPECT_EQ(h.wakes, wakes + 1);
        if (c.moved) p.OnMove(200, 150);
        std::vector<bool> wokeNext;
        for (int tick = 0; tick < 30 && Count(h.engine.log, "Run") == 0; ++tick) {
            wakes = h.wakes;
            h.Tick();
            wokeNext.push_back(h.wakes > wakes);
        }
        ASSERT_EQ(Count(h.engine.log, "Run"), 1);
        EXPECT_EQ(wokeNext, c.wokeNext);
        wakes = h.wakes;
        h.Tick(3);
        EXPECT_EQ(h.wakes, wakes);
    }
}

TEST(SlowOpen, ANewOpenOrAStopGivesUpTheOneUnderWay) {
    PlayerHarness h;
    h.engine.pendingPolls = 5;
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    const std::string c = h.AddMedia("c.mpg");
    Player& p = h.Start({a, b, c}, true);
    RemoteControl remote(p);
    ASSERT_EQ(h.engine.opening, a);

    // Play asked for again while it opens: the same open goes on.
    remote.Play();
    h.Tick();
    EXPECT_EQ(Count(h.engine.log, "Render " + a), 1);

    // NEXT while it opens: the engine lets it go and opens the next entry.
    const std::size_t mark = h.engine.log.size();
    remote.Next();
    h.Tick();
    EXPECT_EQ(h.engine.opening, b);
    EXPECT_EQ(std::vector<std::string>(h.engine.log.begin() + static_cast<std::ptrdiff_t>(mark), h.engine.log.end()),
              (std::vector<std::string>{"Release", "Create", "Render " + b}));
    EXPECT_EQ(p.View().List().currentIndex, 1);

    // STOP while that one opens: given up, nothing left to poll or to start.
    remote.Stop();
    h.Tick();
    EXPECT_FALSE(h.engine.opening);
    EXPECT_EQ(p.View().StartStage(), StartState::Idle);
    h.Tick(10);
    EXPECT_FALSE(p.View().MediaOpen());
    EXPECT_EQ(Count(h.engine.log, "Run"), 0);

    // And a new start opens and plays the current entry as usual.
    remote.Play();
    h.Tick();
    h.TickUntilStarted();
    ASSERT_TRUE(remote.CurrentTrack());
    EXPECT_EQ(remote.CurrentTrack()->path, b);
    EXPECT_TRUE(h.engine.playing);
    EXPECT_EQ(Count(h.engine.log, "Render " + c), 0);
}

TEST(SlowOpen, AFailureOrTimeoutAfterPendingClosesAsAnImmediateFailureDoes) {
    for (const bool timesOut : {false, true}) {
        SCOPED_TRACE(timesOut ? "timed out" : "failed");
        PlayerHarness h;
        h.engine.pendingPolls = 2;
        h.engine.timesOut = timesOut;
        const std::string clip = h.AddMedia("clip.mpg");
        if (!timesOut) h.engine.files.erase(clip);
        Player& p = h.Start({clip}, true);
        h.Tick();
        EXPECT_EQ(p.View().StartStage(), StartState::Opening);
        h.Tick();
        EXPECT_EQ(p.View().StartStage(), StartState::Idle);
        EXPECT_FALSE(p.View().MediaOpen());
        EXPECT_FALSE(h.engine.created) << "the engine is let go";
        EXPECT_EQ(h.windows.rects[WindowId::Video].width, 0);
        h.Tick(20);
        EXPECT_EQ(Count(h.engine.log, "Run"), 0);
        EXPECT_EQ(Count(h.engine.log, "Render " + clip), 1) << "not tried again on its own";
    }
}

TEST(SlowOpen, KeysTheRemoteAndTheExitWorkWhileAFileOpens) {
    PlayerHarness h;
    h.engine.pendingPolls = 1000;
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    Player& p = h.Start({a, b}, true);
    p.OnActivated(true);
    h.Tick(10);  // the keys' start-up lockout
    ASSERT_EQ(p.View().StartStage(), StartState::Opening);

    const int level = p.View().VolumeLevel();
    TapKey(h, vk::Char('N'));
    h.Tick();
    EXPECT_LT(p.View().VolumeLevel(), level);
    TapKey(h, vk::Space);  // no file to pause yet
    h.Tick();
    EXPECT_FALSE(p.View().Paused());
    EXPECT_EQ(h.engine.opening, a);

    ASSERT_TRUE(h.TickUntilSettled());
    TapKey(h, vk::Right);
    h.Tick();
    EXPECT_EQ(h.engine.opening, b);

    RemoteControl remote(p);
    remote.SetVolume(1.0);
    EXPECT_EQ(p.View().VolumeLevel(), 62);
    EXPECT_EQ(remote.PlaybackStatus(), Status::Stopped);

    std::filesystem::remove(h.folder.path() / kCurrentListName);
    p.Command(PlayerCommand::Quit);
    h.Tick();
    EXPECT_TRUE(p.Ended());
    EXPECT_EQ(h.folder.Read(kCurrentListName), a + "\r\n" + b + "\r\n");
    p.OnOpenNews();  // news after the end finds no one
    EXPECT_EQ(p.View().StartStage(), StartState::Opening);
}

TEST(OpenDeadline, TheLoadHasFiveSecondsAndItsFirstFrameOneMoreWithinThem) {
    const OpenDeadline::TimePoint t{};
    OpenDeadline load(t, false);
    EXPECT_FALSE(load.Passed(t + milliseconds(4999)));
    EXPECT_TRUE(load.Passed(t + milliseconds(5000)));
    load.Loaded(t + milliseconds(300));
    EXPECT_FALSE(load.Passed(t + milliseconds(1299)));
    EXPECT_TRUE(load.Passed(t + milliseconds(1300)));
    OpenDeadline late(t, false);
    late.Loaded(t + milliseconds(4500));
    EXPECT_TRUE(late.Passed(t + milliseconds(5000))) << "never past the load's own bound";
    EXPECT_TRUE(OpenDeadline(t, true).Passed(t + milliseconds(1000))) << "loaded ahead: the frame's second";
}

}  // namespace
}  // namespace felux
