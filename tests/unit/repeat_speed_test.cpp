// Repeat one and the chosen speed, from the keys, the pop-up menu and a remote, as the engine sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "PlayerHarness.h"
#include "app/RemoteControl.h"
#include "platform/Keys.h"

namespace felux {
namespace {

using test::FakeMedia;
using test::PlayerHarness;
using Loop = RemoteControl::Loop;

class RepeatSpeedTest : public ::testing::Test {
protected:
    // Until a new file's layout and the keys' lockout have run out.
    void Settle() { h.TickUntilSettled(); }
    // One tap, taken by the next tick.
    void Key(int key, bool shift = false) {
        Settle();
        if (shift) h.keys.Press(vk::Shift);
        h.keys.Press(key);
        h.keys.Release(key);
        h.Tick();
        if (shift) h.keys.Release(vk::Shift);
    }
    int Renders(const std::string& path) const {
        return static_cast<int>(std::count(h.engine.log.begin(), h.engine.log.end(), "Render " + path));
    }
    PlayerHarness h;
};

TEST_F(RepeatSpeedTest, RepeatOneReopensTheEntryAtItsEndAndWithdrawsTheFollower) {
    const FakeMedia sound{.video = false};
    const std::string a = h.AddMedia("a.wav", sound);
    const std::string b = h.AddMedia("b.wav", sound);
    Player& p = h.Start({a, b}, true);
    h.TickUntilStarted();
    RemoteControl remote(p);
    EXPECT_EQ(remote.LoopStatus(), Loop::Playlist);
    EXPECT_EQ(h.engine.prepared, b);

    remote.SetLoopStatus(Loop::Track);
    EXPECT_EQ(remote.LoopStatus(), Loop::Track);
    h.Tick();
    EXPECT_EQ(h.engine.prepared, std::nullopt) << "nothing may follow on in its place";
    h.engine.log.clear();
    h.engine.completed = true;
    h.TickUntilStarted();
    EXPECT_EQ(p.View().File().path, a);
    EXPECT_EQ(Renders(a), 1);
    EXPECT_EQ(p.View().List().currentIndex, 0);
    // NEXT still moves on.
    p.Command(PlayerCommand::NextEntry);
    h.TickUntilStarted();
    Settle();
    EXPECT_EQ(p.View().File().path, b);

    // Off again, the list's own repeat is as it was; None and Playlist read back.
    remote.SetLoopStatus(Loop::Playlist);
    h.Tick();
    EXPECT_EQ(remote.LoopStatus(), Loop::Playlist);
    EXPECT_EQ(h.engine.prepared, a);
    remote.SetLoopStatus(Loop::None);
    h.Tick();
    EXPECT_EQ(remote.LoopStatus(), Loop::None);
    EXPECT_EQ(p.View().Settings().repeatList, 0);
    remote.SetLoopStatus(Loop::Track);
    h.Tick();
    EXPECT_EQ(remote.LoopStatus(), Loop::Track);
    remote.SetLoopStatus(Loop::None);
    EXPECT_EQ(remote.LoopStatus(), Loop::None);

    // The list's menu shows and sets it after the entries.
    p.Command(ShowMenu{PopupMenu::Playlist, {0, 0}});
    ASSERT_EQ(h.dialogs.menus.back().items.size(), 3u);
    EXPECT_TRUE(h.dialogs.menus.back().items[2].starts_with("  "));
    p.Command(ChooseMenuItem{3});
    h.Tick();
    EXPECT_TRUE(p.View().RepeatOne());
    EXPECT_EQ(p.View().File().path, b) << "the item opens no entry";
    p.Command(ShowMenu{PopupMenu::Playlist, {0, 0}});
    EXPECT_TRUE(h.dialogs.menus.back().items[2].starts_with(">>"));
    p.Command(ChooseMenuItem{0});
    h.Tick();
}

TEST_F(RepeatSpeedTest, RepeatOneStopsOnAFileThatEndsOnAnError) {
    const std::string a = h.AddMedia("a.mpg");
    Player& p = h.Start({a, h.AddMedia("b.mpg")}, true);
    h.TickUntilStarted();
    p.Command(PlayerCommand::RepeatOneToggle);
    h.engine.log.clear();
    h.engine.completed = true;
    h.engine.completedOnError = true;
    h.Tick(3);
    EXPECT_FALSE(p.View().MediaOpen());
    EXPECT_EQ(Renders(a), 0);
}

TEST_F(RepeatSpeedTest, SpeedKeysStepWithinHalfToDoubleAndEveryFileOpensAtTheChoice) {
    const std::string a = h.AddMedia("a.mpg");
    const std::string b = h.AddMedia("b.mpg");
    Player& p = h.Start({a, b}, true);
    p.OnActivated(true);  // keys reach only the active window
    h.TickUntilStarted();
    Key(vk::Equals, true);
    EXPECT_DOUBLE_EQ(h.engine.rate, 1.1);
    Key(vk::Minus);
    Key(vk::Minus);
    EXPECT_DOUBLE_EQ(h.engine.rate, 0.9);
    EXPECT_EQ(p.View().PlaybackRate(), 900);  // the panel's readout shows it

    p.Command(SetPlayingRate{1950});  // as the panel's ramp leaves it
    Key(vk::Equals, true);
    EXPECT_DOUBLE_EQ(h.engine.rate, 2.0);
    Key(vk::Equals, true);
    EXPECT_DOUBLE_EQ(h.engine.rate, 2.0);
    p.Command(SetPlayingRate{550});
    Key(vk::Minus);
    EXPECT_DOUBLE_EQ(h.engine.rate, 0.5);
    Key(vk::Minus);
    EXPECT_DOUBLE_EQ(h.engine.rate, 0.5);
    Key(vk::Equals);
    EXPECT_DOUBLE_EQ(h.engine.rate, 1.0);

    // The next file keeps the chosen speed.
    Key(vk::Minus);
    h.engine.completed = true;
    h.TickUntilStarted();
    ASSERT_EQ(p.View().File().path, b);
    EXPECT_DOUBLE_EQ(h.engine.rate, 0.9);
    EXPECT_EQ(p.View().PlaybackRate(), 900);
}

TEST_F(RepeatSpeedTest, ARemoteRateIsClampedAndNonsenseRefused) {
    Player& p = h.Start({h.AddMedia("a.mpg")}, true);
    h.TickUntilStarted();
    RemoteControl remote(p);
    EXPECT_TRUE(remote.SetRate(1.5));
    EXPECT_DOUBLE_EQ(remote.Rate(), 1.5);
    EXPECT_DOUBLE_EQ(h.engine.rate, 1.5);
    EXPECT_TRUE(remote.SetRate(2.0000001));
    EXPECT_DOUBLE_EQ(remote.Rate(), 2.0);
    EXPECT_TRUE(remote.SetRate(0.1));
    EXPECT_DOUBLE_EQ(remote.Rate(), 0.5);
    for (const double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                             std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(remote.SetRate(bad)) << bad;
        EXPECT_DOUBLE_EQ(h.engine.rate, 0.5) << bad;
    }
}

TEST_F(RepeatSpeedTest, LeavingAWheelSeekReturnsToTheChosenSpeed) {
    Player& p = h.Start({h.AddMedia("a.mpg")}, true, [](PlayerSettings& s) {
        s.wheelVariableSpeed = 1;
        s.wheelPlaySteps[1] = 300;  // the first step plays at 3x
        s.wheelPlayIsRate[1] = 1;
    });
    p.OnActivated(true);
    h.TickUntilStarted();
    RemoteControl(p).SetRate(1.5);
    Settle();
    p.Command(PlayerCommand::WheelNotchForward);
    h.Tick();
    EXPECT_DOUBLE_EQ(h.engine.rate, 3.0);
    // A speed chosen during the seek waits for its end.
    Key(vk::Equals, true);
    EXPECT_DOUBLE_EQ(h.engine.rate, 3.0);
    Settle();
    p.Command(PlayerCommand::WheelNotchBack);
    h.Tick();
    EXPECT_EQ(p.View().WheelStep(), 0);
    EXPECT_DOUBLE_EQ(h.engine.rate, 1.6);
}

}  // namespace
}  // namespace felux
