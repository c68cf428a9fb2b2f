// Wheel seek: fixed and user tables, frame-step notches, play/pause, notch sources, the table text form.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <utility>

#include "FakeCommandSink.h"
#include "FakeWheelMedia.h"
#include "input/KeyLatch.h"
#include "platform/Keys.h"
#include "settings/WheelTableText.h"
#include "wheel/WheelSeek.h"

namespace felux {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class WheelSeekTest : public ::testing::Test {
protected:
    WheelSeekTest() {
        state.layout.appActive = true;
        state.playback.mediaClosed = false;
    }

    void Notch(int direction) { wheel.OnWheel(direction * 120); }
    // The wheel's part of one command step, with the step's search pacing and the marks it hands over.
    void Tick() {
        keys.EndPoll();  // the keyboard poll has run earlier in the tick
        wheel.TakeNotch(std::exchange(pending.wheelNotch, std::nullopt));
        wheel.DecideFrameStep();
        if (state.playback.mediaClosed) return;
        state.searchTick = state.searchTick + 1 > settings.searchWait ? 0 : state.searchTick + 1;
        if (wheel.RunFrameStep(pending.frameStep)) pending.frameStep = FrameStep::None;
        if (wheel.RunWheelSteps(pending.playPause)) pending.playPause = false;
    }
    std::vector<std::string> Ticks(int n) {
        for (int i = 0; i < n; ++i) Tick();
        return media.Take();
    }
    std::vector<std::string> NotchTick(int direction) {
        Notch(direction);
        return Ticks(1);
    }

    PlayerState state;
    PlayerSettings settings;
    KeyLatch keys;
    test::FakeWheelMedia media;
    InputGate gate;
    PendingCommands pending;
    test::FakeCommandSink sink{pending};
    WheelSeek wheel{state, sink, settings, keys, media, gate};
};

TEST_F(WheelSeekTest, FixedTablesPauseAndJumpEverySearchPeriod) {
    EXPECT_THAT(NotchTick(1), ElementsAre("pause"));
    EXPECT_THAT(Ticks(13), ElementsAre("seek +1 1000", "seek +1 1000"));
    EXPECT_THAT(NotchTick(1), IsEmpty());
    EXPECT_EQ(wheel.Step(), 2);
    EXPECT_THAT(Ticks(13), ElementsAre("seek +1 2000", "seek +1 2000"));
    NotchTick(-1);
    EXPECT_THAT(NotchTick(-1), ElementsAre("run"));  // back at 0 while playing
    EXPECT_EQ(wheel.Step(), 0);
    EXPECT_THAT(Ticks(14), IsEmpty());

    // Paused: the short table, and reaching 0 leaves the pause alone.
    media.paused = true;
    EXPECT_THAT(NotchTick(-1), ElementsAre("pause"));
    EXPECT_THAT(Ticks(7), ElementsAre("seek -1 34"));
    EXPECT_THAT(NotchTick(1), IsEmpty());
    EXPECT_TRUE(media.paused);
}

TEST_F(WheelSeekTest, UserTablesPlayAtRatesOrJumpPerEntry) {
    settings.wheelVariableSpeed = 1;
    EXPECT_THAT(NotchTick(1), ElementsAre("run", "rate 0.001", "rate 1.100"));
    EXPECT_THAT(Ticks(14), IsEmpty());  // a rate needs no seeks
    NotchTick(1);
    NotchTick(1);
    EXPECT_THAT(NotchTick(1), ElementsAre("run", "rate 0.001", "rate 2.000"));
    EXPECT_THAT(NotchTick(1), ElementsAre("pause"));
    EXPECT_EQ(wheel.Step(), 5);
    EXPECT_THAT(Ticks(14), ElementsAre("seek +1 7000", "seek +1 7000"));
    for (int i = 0; i < 4; ++i) NotchTick(-1);
    EXPECT_THAT(NotchTick(-1), ElementsAre("run", "rate 0.001", "rate 1.000"));
    EXPECT_FALSE(media.paused);

    // One notch back from 0: the -1 entry is a jump of 1100 ms back with the graph paused.
    EXPECT_THAT(NotchTick(-1), ElementsAre("pause"));
    EXPECT_THAT(Ticks(7), ElementsAre("seek -1 1100"));

    // During the keyboard lockout the rate stays as it is.
    gate.Lock(5);
    EXPECT_THAT(NotchTick(1), ElementsAre("run"));
}

TEST_F(WheelSeekTest, UserTablesFromThePausePlaySlowlyAndReturnToIt) {
    settings.wheelVariableSpeed = 1;
    media.paused = true;
    EXPECT_THAT(NotchTick(1), ElementsAre("run", "rate 0.001", "rate 0.250"));
    EXPECT_TRUE(media.paused);
    EXPECT_THAT(NotchTick(-1), ElementsAre("run", "rate 0.001", "pause", "rate 1.000"));
    EXPECT_TRUE(media.paused);

    // Even when the lockout skips the rate change, back at 0 the graph pauses again.
    NotchTick(1);
    gate.Lock(3);
    EXPECT_THAT(NotchTick(-1), ElementsAre("run", "pause"));
}

TEST_F(WheelSeekTest, StepStopsAtNine) {
    for (int model : {0, 1}) {
        SCOPED_TRACE(model);
        settings.wheelVariableSpeed = model;
        wheel.Stop();
        for (int i = 0; i < 20; ++i) NotchTick(1);
        EXPECT_EQ(wheel.Step(), 9);
        for (int i = 0; i < 40; ++i) NotchTick(-1);
        EXPECT_EQ(wheel.Step(), -9);
        media.Take();
        EXPECT_THAT(Ticks(7), ElementsAre("seek -1 20000"));  // the far end of the tables
    }
}

TEST_F(WheelSeekTest, PausedNotchStepsAFrameBySwitchAndShift) {
    media.paused = true;
    settings.wheelFrameStepWhenPaused = 1;
    EXPECT_THAT(NotchTick(1), ElementsAre("seek +1 40"));
    EXPECT_EQ(wheel.Step(), 0);
    EXPECT_THAT(NotchTick(-1), ElementsAre("seek -1 40"));

    keys.Press(vk::Shift);  // SHIFT turns it into a wheel seek
    EXPECT_THAT(NotchTick(1), ElementsAre("pause"));
    EXPECT_EQ(wheel.Step(), 1);
    keys.Release(vk::Shift);
    EXPECT_THAT(NotchTick(1), ElementsAre("pause", "rate 1.000", "seek +1 40"));  // ends the seek
    EXPECT_EQ(wheel.Step(), 0);

    settings.wheelFrameStepWhenPaused = 0;
    EXPECT_THAT(NotchTick(1), ElementsAre("pause"));
    EXPECT_EQ(wheel.Step(), 1);
    wheel.Stop();
    keys.Press(vk::Shift);
    EXPECT_THAT(NotchTick(1), ElementsAre("seek +1 40"));

    // While playing a notch always seeks.
    media.paused = false;
    state.searchTick = 1;
    EXPECT_THAT(NotchTick(1), ElementsAre("pause"));
}

TEST_F(WheelSeekTest, MiddleClickTogglesPauseOrEndsTheSeek) {
    state.playback.playbackRate = 1500;
    pending.playPause = true;
    EXPECT_THAT(Ticks(1), ElementsAre("rate 1.500", "pause"));
    EXPECT_TRUE(media.paused);
    EXPECT_FALSE(pending.playPause);
    pending.playPause = true;
    EXPECT_THAT(Ticks(1), ElementsAre("rate 1.500", "run"));
    EXPECT_FALSE(media.paused);

    // Fixed tables: back to playing at step 0, the paused flag untouched.
    NotchTick(1);
    pending.playPause = true;
    EXPECT_THAT(Ticks(1), ElementsAre("rate 1.500", "run"));
    EXPECT_EQ(wheel.Step(), 0);
    EXPECT_FALSE(media.paused);

    // User tables from the pause: back to the pause.
    settings.wheelVariableSpeed = 1;
    media.paused = true;
    NotchTick(1);
    pending.playPause = true;
    EXPECT_THAT(Ticks(1), ElementsAre("rate 1.500", "pause"));
    EXPECT_EQ(wheel.Step(), 0);
    EXPECT_TRUE(media.paused);

    // Play and play/pause wind back through a notch, to the chosen speed.
    NotchTick(1);
    wheel.WindBack();
    EXPECT_THAT(Ticks(1), ElementsAre("run", "rate 0.001", "pause", "rate 1.500"));
    EXPECT_EQ(wheel.Step(), 0);
}

TEST_F(WheelSeekTest, NotchesAndMiddleClickWaitForAFile) {
    state.playback.mediaClosed = true;
    Notch(1);
    pending.playPause = true;
    EXPECT_THAT(Ticks(3), IsEmpty());
    state.playback.mediaClosed = false;
    EXPECT_THAT(Ticks(1), ElementsAre("pause", "rate 1.000", "run"));
    EXPECT_EQ(wheel.Step(), 0);
}

TEST_F(WheelSeekTest, NotchSources) {
    wheel.OnWheel(0);
    EXPECT_EQ(wheel.PendingNotch(), 0);
    wheel.OnWheel(-240);
    EXPECT_EQ(wheel.PendingNotch(), -1);

    state.layout.appActive = false;
    wheel.OnWheel(120);
    EXPECT_EQ(wheel.PendingNotch(), -1);
    state.layout.appActive = true;
    settings.wheelSeekOff = 1;
    wheel.OnWheel(120);
    EXPECT_EQ(wheel.PendingNotch(), -1);
    EXPECT_FALSE(wheel.UseVideoOnlyNotch(true, 1));
    settings.wheelSeekOff = 0;

    // Keys and child windows hand over a notch command; it ends the lockout.
    gate.Lock(2);
    wheel.TakeNotch(-3);
    EXPECT_EQ(wheel.PendingNotch(), -1);
    EXPECT_EQ(gate.TicksLeft(), 0);

    // Child windows' notches wait for the lockout to end.
    gate.Lock(2);
    EXPECT_FALSE(wheel.ForwardChildNotch(1));
    gate.Clear();
    EXPECT_TRUE(wheel.ForwardChildNotch(1));
    EXPECT_THAT(sink.commands, ElementsAre(PlayerCommand::WheelNotchForward));
    settings.wheelNotchFeel = 0;
    EXPECT_FALSE(wheel.ForwardChildNotch(-1));

    EXPECT_FALSE(wheel.UseVideoOnlyNotch(false, 1));
    EXPECT_EQ(wheel.PendingNotch(), -1);
    EXPECT_FALSE(wheel.UseVideoOnlyNotch(true, 0));  // no notch leaves the pending one
    EXPECT_EQ(wheel.PendingNotch(), -1);
    EXPECT_TRUE(wheel.UseVideoOnlyNotch(true, 1));
    EXPECT_EQ(wheel.PendingNotch(), 1);
}

TEST(WheelTableText, DefaultsFormatAsTheDialogShowsThem) {
    const PlayerSettings defaults;
    EXPECT_EQ(FormatWheelTable(defaults.wheelPlaySteps, defaults.wheelPlayIsRate), kDefaultWheelPlayText);
    EXPECT_EQ(FormatWheelTable(defaults.wheelPauseSteps, defaults.wheelPauseIsRate), kDefaultWheelPauseText);

    WheelTable steps{};
    WheelTable rates{};
    ParseWheelTable(kDefaultWheelPauseText, steps, rates);
    EXPECT_EQ(steps, defaults.wheelPauseSteps);
    EXPECT_EQ(rates, defaults.wheelPauseIsRate);

    const auto fields = SplitWheelFields(kDefaultWheelPlayText);
    WheelSideFields forward;
    WheelSideFields backward;
    for (std::size_t i = 0; i < 9; ++i) {
        forward[i] = fields[i + 1];
        backward[i] = fields[i + 11];
    }
    EXPECT_EQ(RebuildWheelText(forward, backward), kDefaultWheelPlayText);
}

TEST(WheelTableText, ParsingTakesDigitsAndMinusAndSpotsPercent) {
    WheelTable steps{};
    steps.fill(7);
    WheelTable rates{};
    rates.fill(1);
    ParseWheelTable("1a2, 150 %,x,-40,1-2,,--5,99999999999999999999,-99999999999999999999", steps, rates);
    EXPECT_THAT(steps, ElementsAre(12, 150, 0, -40, 1, 0, 0, INT_MAX, INT_MIN, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7, 7));
    EXPECT_THAT(rates, ElementsAre(0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1));

    // Only twenty fields are read; an empty text changes nothing.
    std::string many;
    for (int i = 0; i < 30; ++i) many += std::to_string(i) + ",";
    ParseWheelTable(many, steps, rates);
    EXPECT_EQ(steps[19], 19);
    const WheelTable before = steps;
    ParseWheelTable("", steps, rates);
    EXPECT_EQ(steps, before);
    EXPECT_EQ(SplitWheelFields(many)[19], "19");
}

TEST(WheelTableText, RebuildingKeepsOnlyNumberCharactersPerField) {
    WheelSideFields forward{" 1 1 0 %", "abc", "1,2", "", "-5", "７", "9", "8", "200%"};
    WheelSideFields backward{"-1100", "", "", "", "", "", "", "", "x-2000y"};
    const std::string text = RebuildWheelText(forward, backward);
    EXPECT_EQ(text, "0,110%,,12,,-5,,9,8,200%,0,-1100,,,,,,,,-2000");

    WheelTable steps{};
    WheelTable rates{};
    ParseWheelTable(text, steps, rates);
    EXPECT_EQ(steps[1], 110);
    EXPECT_EQ(rates[1], 1);
    EXPECT_EQ(steps[3], 12);  // a stray comma cannot move the later steps
    EXPECT_EQ(steps[9], 200);
    EXPECT_EQ(steps[19], -2000);
}

}  // namespace
}  // namespace felux
