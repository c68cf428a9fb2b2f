// One command, whichever input raises it: the keys, the panel and a remote reach the same outcome at the same time.
#include <gtest/gtest.h>

#include <algorithm>

#include "PlayerHarness.h"
#include "platform/Keys.h"
#include "player/PlayerInput.h"

namespace felux {
namespace {

using test::PlayerHarness;

class PlayerCommandsTest : public ::testing::Test {
protected:
    test::TestPlayer& Playing() {
        test::TestPlayer& p = h.Start({h.AddMedia("a.mpg"), h.AddMedia("b.mpg")}, true,
                                [](PlayerSettings& s) { s.windowZoomStep = 3; });
        h.windows.workArea = {0, 0, 4000, 4000};
        p.OnActivated(true);
        h.TickUntilStarted();
        Settle();
        return p;
    }
    // Until a new size is laid out and the keys' lockout has run out.
    void Settle() { ASSERT_TRUE(h.TickUntilSettled()); }
    void TapKey(int key) {
        h.keys.Press(key);
        h.keys.Release(key);
    }
    // Input waits while a layout runs: each event is taken on the first tick after it.
    void ClickPanel(int x, int y) {
        h.player->panelInput.OnLButtonDown(x, y);
        Settle();
        h.Tick();
        h.player->panelInput.OnLButtonUp(x, y);
        Settle();
        h.Tick();
    }
    PlayerHarness h;
};

TEST_F(PlayerCommandsTest, ZoomActsAtOnceFromTheKeysThePanelAndTheCommandEntrance) {
    test::TestPlayer& p = Playing();
    const Rect before = h.windows.rects[WindowId::Video];
    TapKey('X');
    h.Tick();
    EXPECT_EQ(p.layout.Zoom().window, 4);
    Settle();
    EXPECT_GT(h.windows.rects[WindowId::Video].width, before.width);

    ClickPanel(169, 38);  // zoom +
    EXPECT_EQ(p.layout.Zoom().window, 5);
    Settle();
    ClickPanel(145, 35);  // zoom -
    EXPECT_EQ(p.layout.Zoom().window, 4);
    Settle();

    // Without a tick: the zoom acts at once, and the window follows on the next ticks.
    p.Command(PlayerCommand::ZoomOut);
    EXPECT_EQ(p.layout.Zoom().window, 3);
    EXPECT_TRUE(p.Pending().newVideoSize);
    Settle();
    EXPECT_EQ(h.windows.rects[WindowId::Video], before);
}

TEST_F(PlayerCommandsTest, PendingCommandsWaitForTheTickAndActOnceHoweverOftenRaised) {
    test::TestPlayer& p = Playing();
    const int first = p.View().List().currentIndex;
    p.Command(PlayerCommand::NextEntry);
    p.Command(PlayerCommand::NextEntry);
    EXPECT_EQ(p.View().List().currentIndex, first);  // waits for the command step
    h.Tick();
    EXPECT_NE(p.View().List().currentIndex, first);
    EXPECT_EQ(p.Pending().fastForward, SearchPhase::Idle);

    // The panel's STOP and a remote's Stop raise the same request; the file closes once.
    Settle();
    h.engine.log.clear();
    p.panelInput.OnLButtonDown(246, 15);
    p.Command(PlayerCommand::Stop);
    h.Tick();
    p.panelInput.OnLButtonUp(246, 15);
    h.Tick(3);
    EXPECT_EQ(std::count(h.engine.log.begin(), h.engine.log.end(), "Release"), 1);
    EXPECT_TRUE(p.state.playback.mediaClosed);
    EXPECT_FALSE(p.Pending().stop);

    // Quit from any input only asks for the exit; the tick's end runs it.
    p.Command(PlayerCommand::Quit);
    EXPECT_TRUE(p.state.exitRequested);
    EXPECT_FALSE(p.Ended());
}

TEST_F(PlayerCommandsTest, TheCommandStepRunsItsRowsInTheTablesOrderNotTheOrderRaised) {
    test::TestPlayer& p = Playing();
    const std::string first = p.View().File().path;

    // A step command raised behind one that acts at once waits for the tick; the other does not.
    p.Command(PlayerCommand::SpeedUp);
    p.Command(PlayerCommand::PauseToggle);
    EXPECT_EQ(p.View().PlaybackRate(), 1100);
    EXPECT_FALSE(p.View().Paused());
    h.Tick();
    EXPECT_TRUE(p.View().Paused());

    // A seek raised before a STOP in one tick: the stop's row comes first, so the seek finds no file.
    h.engine.seeks.clear();
    p.Command(SeekTo{std::chrono::seconds(2)});
    p.Command(PlayerCommand::Stop);
    // Raised behind both, a command that acts when raised does so before either.
    p.Command(PlayerCommand::ZoomIn);
    EXPECT_EQ(p.layout.Zoom().window, 4);
    EXPECT_FALSE(p.state.playback.mediaClosed);
    EXPECT_TRUE(p.View().PendingSeek());
    h.Tick();
    EXPECT_TRUE(p.state.playback.mediaClosed);
    EXPECT_TRUE(h.engine.seeks.empty());
    EXPECT_FALSE(p.View().PendingSeek());  // nor does it wait for the next file

    // PLAY raised before STOP: stopped first, then the current entry opens again.
    p.Command(PlayerCommand::Play);
    h.TickUntilStarted();
    Settle();
    h.engine.log.clear();
    p.Command(PlayerCommand::Play);
    p.Command(PlayerCommand::Stop);
    h.Tick();
    const auto& log = h.engine.log;
    const auto release = std::ranges::find(log, "Release");
    const auto render = std::ranges::find(log, "Render " + first);
    ASSERT_NE(release, log.end());
    ASSERT_NE(render, log.end());
    EXPECT_LT(release, render);
}

// What the parts leave for the command step goes through the same rows: raised before its row
// in the step it lands in that step, raised after it in the next; a close anywhere leaves a
// waiting STOP nothing to close.
TEST_F(PlayerCommandsTest, APartsCommandLandsInTheStepItsRowIsStillAheadIn) {
    test::TestPlayer& p = Playing();
    p.settings.wheelNotchFeel = 1;
    const int wakes = h.wakes;

    // The panel's notch comes after the step: the wheel takes it at the next one.
    p.panelInput.OnMouseWheel(120);
    h.Tick();
    EXPECT_EQ(p.Pending().wheelNotch, 1);
    EXPECT_EQ(p.wheel.Step(), 0);
    h.Tick();
    EXPECT_EQ(p.wheel.Step(), 1);
    EXPECT_EQ(h.wakes, wakes);  // raised inside the tick: no tick brought forward
    p.Command(PlayerCommand::PlayPause);
    h.Tick();
    ASSERT_EQ(p.wheel.Step(), 0);
    Settle();

    // A pop-up choice, taken before the step, closes the file and opens another: the STOP raised
    // before it finds nothing to close, and the open goes on.
    const std::string second = p.View().List().PathAt(1);
    p.popups.Show(PopupMenu::Playlist, {0, 0});
    p.Command(PlayerCommand::Stop);
    p.Command(ChooseMenuItem{2});
    h.Tick();
    EXPECT_FALSE(p.Pending().stop);
    h.TickUntilStarted();
    EXPECT_EQ(p.View().File().path, second);
    EXPECT_FALSE(p.state.playback.mediaClosed);

    // The end of the list closes at the next step and collapses the video window; a STOP
    // raised with it closes once.
    p.settings.repeatList = 0;
    Settle();
    h.engine.log.clear();
    h.engine.completed = true;
    h.Tick();
    EXPECT_TRUE(p.Pending().endOfListStop);
    p.Command(PlayerCommand::Stop);
    h.Tick();
    EXPECT_TRUE(p.state.playback.mediaClosed);
    EXPECT_FALSE(p.Pending().endOfListStop);
    EXPECT_EQ(h.windows.rects[WindowId::Video].width, 0);
    EXPECT_EQ(std::ranges::count(h.engine.log, "Release"), 1);
}

}  // namespace
}  // namespace felux
