// Keyboard poll: lockout, volume, arrow notches, search and frame keys, overscan, menus, guards.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <utility>

#include "FakeKeyboardActions.h"
#include "FakeWheelMedia.h"
#include "input/KeyLatch.h"
#include "input/KeyboardPoll.h"
#include "platform/Keys.h"
#include "wheel/WheelSeek.h"

namespace felux {
namespace {

using ::testing::ElementsAre;

class KeyboardPollTest : public ::testing::Test {
protected:
    KeyboardPollTest() {
        actions.settings = &settings;
        state.layout.appActive = true;
        poll.Gate().Clear();
    }

    // One tick: the poll, then the command step's first work, which takes an arrow notch and
    // ends the lockout. Returns the notch the wheel seek received (0 for none).
    int Tick() {
        poll.Poll();
        wheel.TakeNotch(std::exchange(pending.wheelNotch, std::nullopt));
        const int notch = wheel.PendingNotch();
        wheel.ProcessWheelNotch();  // consumes it
        return notch;
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) Tick();
    }
    void Tap(int key) {
        keys.Press(key);
        keys.Release(key);
    }
    // A press once the lockout has run out: tapped, or left held.
    void TapTick(int key) {
        poll.Gate().Clear();
        Tap(key);
        Tick();
    }
    void HoldTick(int key) {
        poll.Gate().Clear();
        keys.Press(key);
        Tick();
    }
    void OpenFile() {
        state.playback.mediaClosed = false;
        media.paused = false;
    }

    PlayerState state;
    PlayerSettings settings;
    KeyLatch keys;
    PendingCommands pending;  // what the raised commands mark
    test::FakeKeyboardActions actions{keys, pending};
    test::FakeWheelMedia media;
    AbLoop abLoop;
    KeyboardPoll poll{state, settings, keys, actions, abLoop};
    WheelSeek wheel{state, actions, settings, keys, media, poll.Gate()};
};

TEST_F(KeyboardPollTest, AnActionLocksAllKeysUntilSevenIdleTicks) {
    keys.Press('S');
    Ticks(12);  // held: toggles once, then the held key keeps the lockout running
    EXPECT_EQ(settings.scanLinesOn, 0);
    EXPECT_EQ(settings.liveScanLinesOn, 0);
    EXPECT_EQ(actions.Count(PlayerCommand::VideoRegionsChanged), 1);
    EXPECT_EQ(poll.Gate().TicksLeft(), 7);

    keys.Release('S');
    Ticks(3);
    Tap('S');  // within seven ticks of the release
    Ticks(5);
    EXPECT_EQ(settings.scanLinesOn, 0);
    EXPECT_EQ(poll.Gate().TicksLeft(), 0);

    Tap('S');
    Tick();
    EXPECT_EQ(settings.scanLinesOn, 1);

    // Inactive: no action, but the lockout still runs out on idle ticks.
    state.layout.appActive = false;
    Ticks(7);
    EXPECT_EQ(poll.Gate().TicksLeft(), 0);
    keys.Press('X');
    Tick();
    EXPECT_EQ(actions.Count(PlayerCommand::ZoomIn), 0);
}

TEST_F(KeyboardPollTest, QuitChordWorksInBothStates) {
    keys.Press(vk::Control);
    keys.Press(vk::Alt);
    keys.Press('Q');
    poll.Gate().Lock(7);
    state.layout.appActive = false;
    Tick();
    EXPECT_EQ(actions.Count(PlayerCommand::Quit), 1);

    poll.Gate().Clear();
    state.layout.appActive = true;
    Tick();
    EXPECT_EQ(actions.Count(PlayerCommand::Quit), 2);
}

TEST_F(KeyboardPollTest, VolumeKeysRepeatEveryTickWithinLimits) {
    actions.volumeLevel = 50;
    keys.Press('M');
    Ticks(10);
    EXPECT_EQ(actions.volumeLevel, 62);
    EXPECT_FALSE(pending.volumeChanged);  // nothing open: only the level moves
    EXPECT_EQ(poll.Gate().TicksLeft(), 0);
    keys.Release('M');

    OpenFile();
    actions.volumeLevel = 61;
    keys.Press(vk::BracketRight);
    Tick();
    EXPECT_EQ(actions.volumeLevel, 62);
    EXPECT_TRUE(pending.volumeChanged);
    keys.Release(vk::BracketRight);

    actions.volumeLevel = 5;
    keys.Press(vk::BracketLeft);
    Tick();
    EXPECT_EQ(actions.volumeLevel, 3);
    Ticks(2);
    EXPECT_EQ(actions.volumeLevel, 0);
    keys.Release(vk::BracketLeft);

    // Full screen with the panel hidden: CTRL+M and CTRL+N switch the mouse volume instead.
    actions.panelHidden = true;
    settings.mouseVolume = 0;
    keys.Press(vk::Control);
    keys.Press('M');
    Tick();
    EXPECT_EQ(settings.mouseVolume, 1);
    EXPECT_EQ(actions.volumeLevel, 0);
    keys.Release('M');
    keys.Press('N');
    Tick();
    EXPECT_EQ(settings.mouseVolume, 0);
    EXPECT_EQ(actions.Count(PlayerCommand::MouseVolumeChanged), 2);
}

TEST_F(KeyboardPollTest, HeldArrowGivesANotchTwoTicksAfterThePressThenEveryThree) {
    for (int modifier : {0, vk::Shift, vk::Alt}) {
        SCOPED_TRACE(modifier);
        if (modifier != 0) keys.Press(modifier);
        keys.Press(vk::Up);
        std::vector<int> notchTicks;
        for (int t = 0; t < 12; ++t)
            if (Tick() == 1) notchTicks.push_back(t);
        EXPECT_THAT(notchTicks, ElementsAre(2, 5, 8, 11));
        keys.ReleaseAll();
        Ticks(8);
    }

    keys.Press(vk::Down);
    Ticks(2);
    EXPECT_EQ(Tick(), -1);
}

TEST_F(KeyboardPollTest, CommaAndPeriodSearchWhileHeldAndStepFramesWithShift) {
    keys.Press(vk::Comma);
    Tick();
    EXPECT_EQ(pending.rewind, SearchPhase::Start);
    EXPECT_EQ(pending.oneShotSearch, OneShotSearch::Back);
    EXPECT_EQ(poll.Gate().TicksLeft(), 0);  // searches take no lockout
    Tick();
    EXPECT_EQ(pending.rewind, SearchPhase::Start);  // still running
    keys.Release(vk::Comma);
    Tick();
    EXPECT_EQ(pending.rewind, SearchPhase::Released);

    keys.Press(vk::Period);
    Tick();
    EXPECT_EQ(pending.fastForward, SearchPhase::Start);
    EXPECT_EQ(pending.oneShotSearch, OneShotSearch::Forward);
    keys.Release(vk::Period);
    Tick();
    EXPECT_EQ(pending.fastForward, SearchPhase::Released);
    EXPECT_THAT(actions.Only({PlayerCommand::SearchIndicatorBack, PlayerCommand::SearchIndicatorForward}),
                ElementsAre(PlayerCommand::SearchIndicatorBack, PlayerCommand::SearchIndicatorForward));

    // SHIFT+',' steps forward, and only once the player is paused.
    OpenFile();
    keys.Press(vk::Shift);
    Tap(vk::Comma);
    Tick();
    EXPECT_EQ(pending.frameStep, FrameStep::Forward);
    EXPECT_EQ(poll.Gate().TicksLeft(), 7);
    EXPECT_FALSE(wheel.RunFrameStep(pending.frameStep));  // waits for the pause
    EXPECT_TRUE(media.Take().empty());
    media.paused = true;
    EXPECT_TRUE(wheel.RunFrameStep(pending.frameStep));
    EXPECT_THAT(media.Take(), ElementsAre("seek +1 40"));

    TapTick(vk::Period);
    EXPECT_EQ(pending.frameStep, FrameStep::Back);
}

TEST_F(KeyboardPollTest, DigitsPickOverscanScanLineOrAspectPresetsWithAFileOpen) {
    Tap('5');
    Tick();
    EXPECT_EQ(actions.Count(PlayerCommand::AspectChange), 0);  // nothing open
    EXPECT_EQ(poll.Gate().TicksLeft(), 0);

    OpenFile();
    settings.overscanY5 = 34;
    keys.Press(vk::Shift);
    Tap('5');
    Tick();
    EXPECT_EQ(settings.overscanPreset, 4);
    EXPECT_DOUBLE_EQ(settings.overscanScaleX, 0.98);
    EXPECT_EQ(settings.overscanScaleY, 0.66) << "exactly the stored percent, so saving keeps 66";
    EXPECT_EQ(actions.Count(PlayerCommand::ApplyOverscan), 1);
    EXPECT_EQ(actions.Count(PlayerCommand::AspectChange), 0);
    keys.Release(vk::Shift);

    settings.overscanScaleX = settings.overscanScaleY = 1.0;
    settings.overscanPreset = 2;
    poll.Gate().Clear();
    keys.Press(vk::Alt);
    Tap('5');
    Tick();
    EXPECT_EQ(settings.scanLinePattern, 4);
    EXPECT_DOUBLE_EQ(settings.overscanScaleX, 0.98);
    EXPECT_EQ(settings.overscanPreset, 2);
    EXPECT_EQ(actions.Count(PlayerCommand::ScanLinePatternChanged), 1);
    keys.Release(vk::Alt);

    TapTick('5');
    EXPECT_EQ(settings.aspectPresetIndex, 4);
    EXPECT_EQ(actions.Count(PlayerCommand::AspectChange), 1);
    TapTick('0');
    EXPECT_EQ(settings.aspectPresetIndex, 9);

    // A preset far outside any sense saturates instead of wrapping into a different scale.
    settings.overscanX5 = INT_MIN;
    poll.Gate().Clear();
    keys.Press(vk::Shift);
    TapTick('5');
    keys.Release(vk::Shift);
    EXPECT_EQ(ScalePercent(settings.overscanScaleX), INT_MAX);
    EXPECT_EQ(ScalePercent(-1e300), INT_MIN);

    // Q and SHIFT+1 reset the overscan.
    TapTick('Q');
    EXPECT_EQ(settings.overscanPreset, 0);
    EXPECT_DOUBLE_EQ(settings.overscanScaleX, 1.0);
    EXPECT_EQ(poll.Gate().TicksLeft(), 7);
}

TEST_F(KeyboardPollTest, OverscanKeysRepeatAndStopAtTheirLimits) {
    OpenFile();
    keys.Press(vk::Alt);
    keys.Press('E');
    Ticks(300);
    EXPECT_DOUBLE_EQ(settings.overscanScaleY, -0.75);
    EXPECT_DOUBLE_EQ(settings.overscanScaleX, 1.0);
    EXPECT_EQ(actions.Count(PlayerCommand::ApplyOverscan), 300);
    keys.ReleaseAll();

    keys.Press(vk::Shift);
    keys.Press('E');
    Ticks(200);
    EXPECT_DOUBLE_EQ(settings.overscanScaleX, 0.1);
    EXPECT_DOUBLE_EQ(settings.overscanScaleY, -0.75);
    keys.ReleaseAll();

    keys.Press('W');
    Tick();
    EXPECT_DOUBLE_EQ(settings.overscanScaleX, 0.11);
    EXPECT_DOUBLE_EQ(settings.overscanScaleY, -0.74);
    Ticks(300);
    EXPECT_DOUBLE_EQ(settings.overscanScaleX, 1.0);
    EXPECT_DOUBLE_EQ(settings.overscanScaleY, 1.0);
    keys.ReleaseAll();

    keys.Press('E');
    Ticks(3);
    EXPECT_DOUBLE_EQ(settings.overscanScaleX, 0.97);  // exact hundredths, as the file stores them
    EXPECT_DOUBLE_EQ(settings.overscanScaleY, 0.97);
    EXPECT_EQ(poll.Gate().TicksLeft(), 0);
}

TEST_F(KeyboardPollTest, BoundKeysNeedTheirModifiersIgnoreTheRestAndWaitOutTheLockout) {
    HoldTick(vk::Return);  // ALT+RETURN without ALT
    keys.ReleaseAll();
    keys.Press(vk::Control);
    HoldTick('K');  // another modifier does not matter
    EXPECT_EQ(poll.Gate().TicksLeft(), 7);
    keys.ReleaseAll();
    keys.Press(vk::Alt);
    HoldTick('Q');  // the quit chord needs CTRL as well
    keys.ReleaseAll();

    poll.Gate().Lock(3);  // locked out: only the quit chord acts
    keys.Press('K');
    Tick();
    keys.Press(vk::Control);
    keys.Press(vk::Alt);
    keys.Press('Q');
    Tick();
    EXPECT_THAT(actions.commands, ElementsAre(PlayerCommand::LyricsToggle, PlayerCommand::Quit));
    EXPECT_FALSE(pending.fullScreen);
}

TEST_F(KeyboardPollTest, WindowAndPlaybackKeys) {
    const auto toggled = [&] { return std::exchange(pending.fullScreen, false); };
    keys.Press(vk::Alt);
    keys.Press(vk::Return);
    Tick();
    EXPECT_TRUE(toggled());
    keys.ReleaseAll();

    HoldTick(vk::Escape);  // only leaves full screen
    EXPECT_FALSE(toggled());
    state.layout.fullScreen = true;
    Tick();
    EXPECT_TRUE(toggled());
    keys.ReleaseAll();
    HoldTick('F');  // only enters it
    EXPECT_FALSE(toggled());
    state.layout.fullScreen = false;
    Tick();
    EXPECT_TRUE(toggled());
    keys.ReleaseAll();

    HoldTick(vk::Space);
    EXPECT_TRUE(pending.play);
    EXPECT_FALSE(pending.playPause);
    keys.ReleaseAll();
    OpenFile();
    HoldTick(vk::Space);
    EXPECT_TRUE(pending.playPause);
    keys.ReleaseAll();

    HoldTick(vk::Right);
    EXPECT_EQ(pending.fastForward, SearchPhase::StepEntry);
    EXPECT_EQ(actions.Count(PlayerCommand::StopWheelSeek), 1);
    keys.ReleaseAll();

    poll.Gate().Clear();
    Tap('X');
    Tap('Z');
    Tick();
    EXPECT_EQ(actions.Count(PlayerCommand::ZoomIn), 1);
    EXPECT_EQ(actions.Count(PlayerCommand::ZoomOut), 1);

    TapTick('A');
    EXPECT_EQ(settings.lineMaskMode, 1);
    EXPECT_EQ(settings.liveLineMaskMode, 1);
}

TEST_F(KeyboardPollTest, RCyclesTheABStatesAndTSavesALoop) {
    OpenFile();
    actions.playlistCount = 0;
    Tap('R');
    Tick();
    EXPECT_EQ(abLoop.State(), AbRepeat::Off);
    EXPECT_EQ(poll.Gate().TicksLeft(), 7);  // an action even with an empty list

    actions.playlistCount = 2;
    std::vector<AbRepeat> states;
    for (int i = 0; i < 5; ++i) {
        TapTick('R');
        states.push_back(abLoop.State());
        if (abLoop.State() == AbRepeat::Looping) {
            TapTick('T');
            EXPECT_EQ(actions.Count(PlayerCommand::AppendSegmentEntry), 1);
        }
    }
    EXPECT_THAT(states, ElementsAre(AbRepeat::MarkA, AbRepeat::ASet, AbRepeat::MarkB, AbRepeat::Looping, AbRepeat::Off));
    EXPECT_EQ(actions.Count(PlayerCommand::CheckABRepeat), 4);  // not for the looping state

    TapTick('T');  // not looping
    EXPECT_EQ(actions.Count(PlayerCommand::AppendSegmentEntry), 1);
}

TEST_F(KeyboardPollTest, DeferredMenusOpenWhereTheCursorWasWhenAsked) {
    actions.cursor = {10, 20};
    keys.Press(vk::RButton);
    poll.RequestMenu(PopupMenu::History);
    Tick();  // the right button is still being reported: not captured yet
    EXPECT_EQ(poll.pollState.lastMouseButton, MouseButton::Right);
    keys.Release(vk::RButton);
    Tick();  // captured, counting down
    actions.cursor = {99, 99};
    EXPECT_TRUE(actions.Menus().empty());
    Tick();
    ASSERT_EQ(actions.Menus().size(), 1u);
    EXPECT_EQ(actions.Menus()[0].menu, PopupMenu::History);
    EXPECT_EQ(actions.Menus()[0].at, (Point{10, 20}));
    EXPECT_EQ(poll.Gate().TicksLeft(), 10);
    Ticks(20);
    EXPECT_EQ(actions.Menus().size(), 1u);

    Tap(vk::LButton);
    Tick();
    EXPECT_EQ(poll.pollState.lastMouseButton, MouseButton::Left);
}

TEST_F(KeyboardPollTest, ReleaseGuardLetsGoOfHeldButtonsAfterFullScreen) {
    poll.pollState.buttonReleaseGuard = 7;
    keys.Press(vk::LButton);
    keys.Press(vk::RButton);
    keys.Press('S');
    Tick();
    EXPECT_EQ(settings.scanLinesOn, 1);  // the guard keeps the poll waiting
    EXPECT_EQ(poll.pollState.buttonReleaseGuard, 6);
    Tick();  // left is up now: the right button's turn
    EXPECT_EQ(poll.pollState.buttonReleaseGuard, 1);
    Tick();
    EXPECT_EQ(poll.pollState.buttonReleaseGuard, 0);
    EXPECT_THAT(actions.Releases(), ElementsAre(MouseButton::Left, MouseButton::Right));
    EXPECT_EQ(poll.Gate().TicksLeft(), 7);
}

}  // namespace
}  // namespace felux
