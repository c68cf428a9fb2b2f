// A started file runs once its picture is on the screen, so that its first frame is seen with the
// window: the engine draws a paused picture again when its window is exposed, a running one only
// with its next frame.
#include <gtest/gtest.h>

#include <algorithm>

#include "PlayerHarness.h"

namespace felux {
namespace {

using test::PlayerHarness;

bool Raised(const PlayerHarness& h, const char* call) {
    return std::ranges::find(h.windows.log, call) != h.windows.log.end();
}

// Ticks until the file's start lifts its video window over the others, which it does before it runs.
void TickUntilStarting(PlayerHarness& h) {
    for (int i = 0; i < 40 && !Raised(h, "Raise Video"); ++i) h.Tick();
    ASSERT_TRUE(Raised(h, "Raise Video"));
}

TEST(StartOnScreen, AFileRunsOnTheTickItsPictureComesOnTheScreenOrAfterThreeTicksWithout) {
    PlayerHarness late;
    late.windows.offScreen = {WindowId::Picture};
    late.Start({late.AddMedia("clip.mpg")}, /*openOnStart=*/true);
    TickUntilStarting(late);
    EXPECT_FALSE(late.engine.playing);
    EXPECT_FALSE(late.player->View().Paused());  // waiting for the screen is no pause of the user's
    late.Tick();
    EXPECT_FALSE(late.engine.playing);
    late.windows.offScreen.clear();
    late.Tick();
    EXPECT_TRUE(late.engine.playing);

    // A desktop that never shows it (another workspace) holds it up three ticks, not for ever.
    PlayerHarness never;
    never.windows.offScreen = {WindowId::Picture};
    never.Start({never.AddMedia("clip.mpg")}, true);
    TickUntilStarting(never);
    never.Tick(2);
    EXPECT_FALSE(never.engine.playing);
    never.Tick();
    EXPECT_TRUE(never.engine.playing);
    never.Tick(5);
    EXPECT_EQ(std::ranges::count(never.engine.log, "Run"), 1);
}

TEST(StartOnScreen, ASoundFileOrAPictureAlreadyShownRunsAtOnceAndAStopMeanwhileRunsNothing) {
    PlayerHarness sound;
    sound.windows.offScreen = {WindowId::Picture};
    sound.Start({sound.AddMedia("song.mp3", {.video = false})}, true);
    sound.TickUntilStarted();
    EXPECT_TRUE(sound.engine.playing);

    PlayerHarness shown;
    shown.Start({shown.AddMedia("clip.mpg")}, true);
    TickUntilStarting(shown);
    EXPECT_TRUE(shown.engine.playing);

    PlayerHarness stopped;
    stopped.windows.offScreen = {WindowId::Picture};
    stopped.Start({stopped.AddMedia("clip.mpg")}, true);
    TickUntilStarting(stopped);
    stopped.player->Command(PlayerCommand::Stop);
    stopped.Tick(5);
    EXPECT_FALSE(stopped.engine.playing);
    EXPECT_EQ(std::ranges::count(stopped.engine.log, "Run"), 0);
}

}  // namespace
}  // namespace felux
