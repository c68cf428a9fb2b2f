// The desktop kept awake while a video plays: one inhibition per playing stretch, released at every way out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlayerHarness.h"

namespace felux {
namespace {

using test::FakeMedia;
using test::PlayerHarness;

using Calls = std::vector<std::string>;
const std::string kInhibit = "inhibit";
const std::string kRelease = "release";

TEST(IdleInhibit, EachPlayingStretchOfAVideoInhibitsOnceAndEveryWayOutReleases) {
    PlayerHarness h;
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    test::TestPlayer& p = h.Start({a, b}, /*openOnStart=*/true);
    // Open but waiting for its layout: nothing runs yet.
    EXPECT_EQ(h.screenSaver.calls, Calls{});
    h.TickUntilStarted();
    h.Tick(50);
    EXPECT_EQ(h.screenSaver.calls, (Calls{kInhibit}));

    p.Command(PlayerCommand::PauseToggle);
    h.Tick(10);
    EXPECT_EQ(h.screenSaver.calls, (Calls{kInhibit, kRelease}));
    p.Command(PlayerCommand::PauseToggle);
    h.Tick(10);
    EXPECT_EQ(h.screenSaver.calls, (Calls{kInhibit, kRelease, kInhibit}));

    // The end of a file lets go; the next video holds again once it runs.
    h.engine.completed = true;
    h.Tick();
    EXPECT_EQ(p.View().File().path, b);
    EXPECT_EQ(h.screenSaver.calls, (Calls{kInhibit, kRelease, kInhibit, kRelease}));
    h.TickUntilStarted();
    EXPECT_EQ(h.screenSaver.calls.size(), 5u);

    p.Command(PlayerCommand::Stop);
    h.Tick(5);
    EXPECT_EQ(h.screenSaver.calls, (Calls{kInhibit, kRelease, kInhibit, kRelease, kInhibit, kRelease}));

    // Quitting while a video plays releases on the way out, after which nothing more is asked.
    p.Command(PlayerCommand::Play);
    h.Tick();
    h.TickUntilStarted();
    ASSERT_EQ(h.screenSaver.calls.back(), kInhibit);
    const std::size_t before = h.screenSaver.calls.size();
    p.RequestExit();
    h.Tick(3);
    EXPECT_TRUE(p.Ended());
    EXPECT_EQ(h.screenSaver.calls.size(), before + 1);
    EXPECT_EQ(h.screenSaver.calls.back(), kRelease);
}

TEST(IdleInhibit, SoundWithoutPictureLeavesTheDesktopAlone) {
    PlayerHarness h;
    FakeMedia sound;
    sound.video = false;
    const std::string song = h.AddMedia("song.mp3", sound);
    test::TestPlayer& p = h.Start({song}, /*openOnStart=*/true);
    h.TickUntilStarted();
    h.Tick(20);
    EXPECT_TRUE(p.View().MediaOpen());
    EXPECT_EQ(h.screenSaver.calls, Calls{});
    p.RequestExit();
    h.Tick(3);
    EXPECT_EQ(h.screenSaver.calls, Calls{});
}

}  // namespace
}  // namespace felux
