// Panel mouse handling: hit order and edges, releases, holds, drags, minimise stages, A-B marking, menus.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FakePanelActions.h"
#include "skin/PanelMouse.h"

namespace felux {
namespace {

using ::testing::ElementsAre;
using namespace std::chrono_literals;

class PanelMouseTest : public ::testing::Test {
protected:
    PanelMouseTest() {
        actions.cursor = {500, 300};
        actions.settings = &settings;
    }

    void Tick() { mouse.HandlePanelMouse(panel); }
    // Each event on a tick of its own, the cursor's buttons following.
    void LeftDown(int x, int y) { actions.buttonsDown = true; panel.OnLButtonDown(x, y); Tick(); }
    void LeftUp(int x, int y) { actions.buttonsDown = false; panel.OnLButtonUp(x, y); Tick(); }
    void LeftClick(int x, int y) { LeftDown(x, y); LeftUp(x, y); }
    void RightDown(int x, int y) { actions.buttonsDown = true; panel.OnRButtonDown(x, y); Tick(); }
    void RightUp(int x, int y) { actions.buttonsDown = false; panel.OnRButtonUp(x, y); Tick(); }
    void MoveCursor(int dx, int dy) {
        actions.cursor.x += dx;
        actions.cursor.y += dy;
        Tick();
    }
    void OpenFile() { state.playback.mediaClosed = false; }

    PlayerState state;
    PlayerSettings settings;
    PanelButtons buttons;
    PendingCommands pending;  // what the raised commands mark
    test::FakePanelActions actions{pending};
    ChildWindowInput panel{ChildWindow::Panel};
    AbLoop abLoop;
    ProgressBar progress;
    PanelMouse mouse{state, pending, progress, settings, buttons, actions, abLoop};
};

TEST_F(PanelMouseTest, ControlsHitOnAllEdgesAndPlayWinsOverStop) {
    LeftDown(240, 21);  // PLAY's top row is STOP's bottom row
    EXPECT_TRUE(pending.play);
    EXPECT_FALSE(pending.stop);
    EXPECT_TRUE(buttons.held.play);
    LeftUp(240, 21);

    LeftDown(240, 20);
    EXPECT_TRUE(pending.stop);
    LeftUp(240, 20);

    LeftDown(304, 46);  // NEXT's bottom right corner
    EXPECT_TRUE(buttons.held.next);
    LeftUp(304, 46);
    EXPECT_EQ(actions.Count(PlayerCommand::StartWindowMove), 0);

    LeftDown(305, 46);  // one pixel past it: empty panel moves the window
    EXPECT_EQ(actions.Count(PlayerCommand::StartWindowMove), 1);
    LeftUp(305, 46);
}

TEST_F(PanelMouseTest, ProgressBarPressSeeksBetweenItsEnds) {
    OpenFile();
    LeftDown(63, 10);
    EXPECT_EQ(progress.Pixel(), 0);
    EXPECT_TRUE(pending.progressDrag);
    LeftUp(63, 10);
    EXPECT_FALSE(pending.progressDrag);

    LeftClick(201, 14);
    EXPECT_EQ(progress.Pixel(), 137);
    LeftClick(100, 9);
    EXPECT_EQ(progress.Pixel(), 37);
    EXPECT_THAT(actions.Seeks(), ElementsAre(0ms, 13'700ms, 3'700ms));

    LeftClick(202, 12);  // one pixel past the bar
    EXPECT_EQ(progress.Pixel(), 37);
    EXPECT_EQ(actions.Count(PlayerCommand::StartWindowMove), 1);

    state.playback.mediaClosed = true;  // nothing to seek in
    LeftClick(120, 10);
    EXPECT_EQ(progress.Pixel(), 37);
    EXPECT_EQ(actions.Seeks().size(), 3u);
}

TEST_F(PanelMouseTest, RightClicksOnTheProgressBarCycleTheABStates) {
    OpenFile();
    std::vector<AbRepeat> seen;  // after each click
    for (int i = 0; i < 5; ++i) {
        RightDown(120, 12);
        RightUp(120, 12);
        seen.push_back(abLoop.State());
    }
    EXPECT_THAT(seen, ElementsAre(AbRepeat::MarkA, AbRepeat::ASet, AbRepeat::MarkB, AbRepeat::Looping, AbRepeat::Off));
    EXPECT_EQ(actions.Count(PlayerCommand::CheckABRepeat), 4);  // not on the step into looping

    actions.playlistCount = 0;
    RightDown(120, 12);
    EXPECT_EQ(abLoop.State(), AbRepeat::Off);
    RightUp(120, 12);
}

TEST_F(PanelMouseTest, KnobDragFollowsTheCursorWithinTheLevels) {
    actions.volumeLevel = 60;
    LeftDown(59 + 60 + 2, 38);
    EXPECT_TRUE(mouse.DragActive());
    MoveCursor(0, 0);
    EXPECT_FALSE(pending.volumeChanged);
    MoveCursor(10, 40);  // vertical travel does not let go of the knob
    EXPECT_EQ(actions.volumeLevel, 62);
    EXPECT_TRUE(pending.volumeChanged);
    pending.volumeChanged = false;
    MoveCursor(-5, 0);
    EXPECT_EQ(actions.volumeLevel, 57);
    MoveCursor(-100000, 0);
    EXPECT_EQ(actions.volumeLevel, 0);
    EXPECT_TRUE(pending.volumeChanged);

    // The buttons came up without a release reaching the panel: the drag ends by itself.
    actions.buttonsDown = false;
    const long resets = actions.Count(PlayerCommand::FocusReset);
    MoveCursor(50, 0);
    EXPECT_FALSE(mouse.DragActive());
    EXPECT_EQ(actions.volumeLevel, 0);
    EXPECT_EQ(actions.Count(PlayerCommand::FocusReset), resets + 1);
}

TEST_F(PanelMouseTest, ProgressDragSeeksAndHoldsTheBarAgainstThePlayingPosition) {
    OpenFile();
    LeftDown(100, 12);
    pending.progressDrag = false;  // the command step took it
    MoveCursor(5, 0);
    EXPECT_EQ(progress.Pixel(), 42);
    EXPECT_TRUE(pending.progressDrag);
    EXPECT_EQ(actions.Seeks().back(), 4'200ms);
    pending.progressDrag = false;
    MoveCursor(0, 0);  // no travel, no second seek, but the bar stays put
    EXPECT_TRUE(pending.progressDrag);
    EXPECT_EQ(actions.Seeks().size(), 2u);
    MoveCursor(500, 0);
    EXPECT_EQ(progress.Pixel(), 137);
    LeftUp(300, 12);
    EXPECT_FALSE(mouse.DragActive());
    EXPECT_FALSE(pending.progressDrag);

    actions.duration = MediaTime(100);  // shorter than the bar: every pixel is time 0
    LeftClick(150, 12);
    EXPECT_EQ(actions.Seeks().back(), 0ms);
}

TEST_F(PanelMouseTest, ReleasesCarryOutHeldButtons) {
    OpenFile();
    state.playback.playbackRate = 1200;
    LeftClick(250, 30);  // PLAY: the press asked for play, the release applies the rate
    EXPECT_FALSE(pending.play);
    EXPECT_FALSE(buttons.ramp.Active());
    EXPECT_THAT(actions.Rates(), ElementsAre(1200));

    LeftClick(20, 20);  // CONFIG
    EXPECT_TRUE(pending.settings);
    LeftClick(145, 35);
    EXPECT_EQ(actions.Count(PlayerCommand::ZoomOut), 1);
    LeftClick(190, 35);  // FULL
    EXPECT_TRUE(pending.fullScreen);
    LeftClick(20, 40);  // POWER
    EXPECT_EQ(actions.Count(PlayerCommand::Quit), 1);

    // The minimise box acts on release, by the button that pressed it.
    LeftDown(385, 5);
    EXPECT_EQ(actions.Count(PlayerCommand::Minimise), 0);
    LeftUp(385, 5);
    RightDown(390, 12);
    RightUp(390, 12);
    EXPECT_EQ(actions.Count(PlayerCommand::Minimise), 1);
    EXPECT_EQ(actions.Count(PlayerCommand::VideoOnly), 1);

    // Stopped, FULL does nothing.
    state.playback.mediaClosed = true;
    pending.fullScreen = false;
    LeftClick(190, 35);
    EXPECT_FALSE(pending.fullScreen);

    // In full screen FILE, CONFIG and the minimise box are dead; the click moves the window.
    state.layout.fullScreen = true;
    pending.settings = false;
    LeftClick(20, 20);
    LeftClick(385, 5);
    EXPECT_FALSE(pending.settings);
    EXPECT_EQ(actions.Count(PlayerCommand::Minimise), 1);
    EXPECT_EQ(actions.Count(PlayerCommand::StartWindowMove), 2);
}

TEST_F(PanelMouseTest, BackAndNextStepOnAClickAndSearchWhileHeldWithTheRightButton) {
    OpenFile();
    LeftClick(210, 30);
    EXPECT_EQ(pending.rewind, SearchPhase::StepEntry);
    EXPECT_FALSE(buttons.held.back);

    RightDown(280, 30);
    EXPECT_EQ(pending.fastForward, SearchPhase::Start);
    EXPECT_EQ(pending.oneShotSearch, OneShotSearch::Forward);
    EXPECT_TRUE(buttons.held.next);
    pending.fastForward = SearchPhase::Searching;  // the command step started the search
    RightUp(280, 30);
    EXPECT_EQ(pending.fastForward, SearchPhase::Released);
    EXPECT_FALSE(buttons.held.next);
}

TEST_F(PanelMouseTest, LeavingARightPressedControlCancelsTheClick) {
    // A left click on BACK, then a right press on PLAY that wanders off: no step, no settings.
    LeftDown(210, 30);
    RightDown(250, 30);
    MoveCursor(10, 0);
    EXPECT_TRUE(mouse.DragActive());
    MoveCursor(40, 0);
    EXPECT_FALSE(mouse.DragActive());
    EXPECT_EQ(pending.rewind, SearchPhase::Idle);
    EXPECT_FALSE(buttons.held.back);
    EXPECT_FALSE(buttons.held.play);

    // A held search that was asked for but not started yet ends too, so it never starts later.
    RightDown(210, 30);
    EXPECT_EQ(pending.rewind, SearchPhase::Start);
    MoveCursor(0, 100);
    EXPECT_EQ(pending.rewind, SearchPhase::Released);
    RightUp(210, 130);
    EXPECT_EQ(pending.rewind, SearchPhase::Released);
}

TEST_F(PanelMouseTest, DoubleClickOnPlayGoesBackToNormalSpeed) {
    OpenFile();
    state.playback.playbackRate = 1500;
    panel.OnLButtonDblClk(250, 30);
    Tick();
    EXPECT_THAT(actions.PlayingRates(), ElementsAre(1000));
    EXPECT_EQ(buttons.ramp.hold, RateRamp::kResetHold);
    EXPECT_THAT(actions.Rates(), ElementsAre(1000));

    state.playback.playbackRate = 700;
    panel.OnRButtonDblClk(250, 30);
    Tick();
    EXPECT_THAT(actions.PlayingRates(), ElementsAre(1000, 1000));
}

TEST_F(PanelMouseTest, RightPressesOpenMenusTheEditorAndTheVolumeMode) {
    RightDown(100, 22);  // display text, released in its lower half
    RightUp(100, 22);
    RightDown(20, 5);    // logo
    RightUp(20, 5);
    EXPECT_THAT(actions.Menus(), ElementsAre(PopupMenu::Playlist, PopupMenu::History));
    EXPECT_EQ(settings.lyricsPanelShown, 1);

    RightDown(215, 5);  // above FILE: the playlist editor
    EXPECT_EQ(pending.file, FileRequest::EditorToggle);
    RightUp(215, 5);

    settings.volumeLogEnabled = 1;
    RightDown(130, 40);
    EXPECT_EQ(buttons.volumeModeRequest, 1);
    RightUp(130, 40);
}

TEST_F(PanelMouseTest, AClickWithinOneTickPlaysAndThenEndsTheHold) {
    panel.OnLButtonDown(250, 30);
    panel.OnLButtonUp(250, 30);
    Tick();
    EXPECT_TRUE(pending.play);
    pending.play = false;  // the command step carried it out
    Tick();
    EXPECT_FALSE(buttons.held.play);
    EXPECT_FALSE(panel.Panel().ButtonsWaiting());
}

// The window system starts a panel drag at the press itself; the tick's hit order must agree
// at every point of the panel, in full screen too, and whatever the volume knob's place.
TEST_F(PanelMouseTest, TheWindowMovesExactlyWhereNoControlTakesThePress) {
    for (const int fullScreen : {0, 1}) {
        for (const int volume : {0, 62}) {
            state.layout.fullScreen = fullScreen;
            actions.volumeLevel = volume;
            for (int y = 0; y < 50; ++y) {
                for (int x = 0; x < 407; ++x) {
                    const long before = actions.Count(PlayerCommand::StartWindowMove);
                    PlayerState fresh;
                    fresh.layout.fullScreen = fullScreen;
                    PanelButtons freshButtons;
                    PendingCommands freshPending;
                    test::FakePanelActions freshActions{freshPending};
                    freshActions.volumeLevel = volume;
                    AbLoop freshLoop;
                    ProgressBar freshProgress;
                    PanelMouse probe{fresh, freshPending, freshProgress, settings, freshButtons,
                                     freshActions, freshLoop};
                    ChildWindowInput record{ChildWindow::Panel};
                    record.OnLButtonDown(x, y);
                    probe.HandlePanelMouse(record);
                    ASSERT_EQ(freshActions.Count(PlayerCommand::StartWindowMove) == 1, mouse.MovesWindowAt(x, y))
                        << x << "," << y << " full screen " << fullScreen << " volume " << volume;
                    ASSERT_EQ(actions.Count(PlayerCommand::StartWindowMove), before);
                }
            }
        }
    }
}

}  // namespace
}  // namespace felux
