// The full-screen state machine against a fake mouse and fake display modes.
#include <gtest/gtest.h>

#include <vector>

#include "FakeDisplayModes.h"
#include "video/FullScreen.h"

namespace felux {
namespace {

class FakeMouse : public FullScreenPort {
public:
    bool LeftButtonDown() override { return left; }
    bool RightButtonDown() override { return right; }
    Point CursorPosition() override { return cursor; }
    void MoveCursor(Point p) override {
        cursor = p;
        ++moves;
    }
    void ShowCursor(bool show) override { show ? ++shows : ++hides; }
    void ReleaseMouseButtons() override { ++releases; }

    bool left = false;
    bool right = false;
    Point cursor{500, 384};
    int moves = 0;
    int shows = 0;
    int hides = 0;
    int releases = 0;
};

constexpr Size kDesktop{1024, 768};
const Rect kPanel{100, 700, 407, 50};

class FullScreenTest : public ::testing::Test {
protected:
    FullScreenEffects Enter(bool navigation = false) { return fs.Enter(options, kDesktop, navigation); }

    FullScreenEffects Step(int volume = 31) {
        FullScreenTick in;
        in.mainWindow = kPanel;
        in.volumeLevel = volume;
        return fs.Tick(in);
    }

    void Wait(int ticks) {
        for (int i = 0; i < ticks; ++i) Step();
    }

    // A press on one tick and the release on the next.
    FullScreenEffects Click(bool& button) {
        button = true;
        FullScreenEffects out = Step();
        button = false;
        out.Merge(Step());
        return out;
    }

    FakeMouse mouse;
    test::FakeDisplayModes modes;
    FullScreenController fs{mouse, modes};
    FullScreenOptions options;
};

TEST_F(FullScreenTest, EnteringHidesTheCursorAndIgnoresTheMouseForSixTicks) {
    const FullScreenEffects in = Enter();
    EXPECT_EQ(fs.State(), FullScreenState::PanelHidden);
    EXPECT_TRUE(fs.IsFullScreen());
    EXPECT_TRUE(in.rememberVideoWindow);
    EXPECT_TRUE(in.resetVideoInput);
    EXPECT_EQ(mouse.hides, 1);
    EXPECT_FALSE(Enter().rememberVideoWindow) << "already full screen: the windowed place is kept";
    EXPECT_EQ(mouse.hides, 1) << "never hidden twice";

    mouse.right = true;
    Wait(6);
    EXPECT_TRUE(fs.IsFullScreen()) << "a right press during the debounce does nothing";
    EXPECT_TRUE(Step().restoreWindows);
    EXPECT_FALSE(fs.IsFullScreen());
    EXPECT_EQ(mouse.shows, 1);
    EXPECT_FALSE(fs.Leave().restoreWindows) << "leaving twice does nothing";
}

TEST_F(FullScreenTest, LeftClicksShowAndHideThePanelWithADebounce) {
    Enter();
    Wait(FullScreenController::kEnterDebounceTicks);
    mouse.left = true;
    Step();
    EXPECT_EQ(fs.State(), FullScreenState::PanelHidden) << "the press alone does not show it";
    mouse.left = false;
    EXPECT_TRUE(Step().showReadout);
    EXPECT_EQ(fs.State(), FullScreenState::PanelShown);
    EXPECT_EQ(mouse.shows, 1);

    // A quick second click whose press falls into the 3-tick debounce is not a second toggle.
    Wait(2);
    Click(mouse.left);
    EXPECT_EQ(fs.State(), FullScreenState::PanelShown);

    Click(mouse.left);
    EXPECT_EQ(fs.State(), FullScreenState::PanelHidden) << "a click outside the panel hides it";
    EXPECT_EQ(mouse.hides, 2);
    fs.Leave();
    EXPECT_EQ(mouse.shows, mouse.hides) << "shown exactly once for each hide";
}

TEST_F(FullScreenTest, ClicksOnThePanelBelongToThePanel) {
    Enter();
    Wait(FullScreenController::kEnterDebounceTicks);
    Click(mouse.left);
    Wait(FullScreenController::kToggleDebounceTicks);
    ASSERT_EQ(fs.State(), FullScreenState::PanelShown);

    mouse.cursor = {150, 720};
    Click(mouse.left);
    mouse.right = true;
    Step();
    EXPECT_EQ(fs.State(), FullScreenState::PanelShown) << "clicks over the panel change nothing";

    mouse.cursor = {150, 100};
    Step();
    EXPECT_EQ(fs.State(), FullScreenState::PanelShown) << "a press begun on the panel stays its own";
    mouse.right = false;
    Step();
    mouse.right = true;
    Step();
    EXPECT_FALSE(fs.IsFullScreen()) << "a right press away from the panel leaves";
}

TEST_F(FullScreenTest, DisplayModeIsSwitchedForFullScreenAndRestoredOnLeaving) {
    options.switchDisplayMode = true;
    options.displayModeNumber = 1;
    const FullScreenEffects in = Enter();
    EXPECT_EQ(modes.switched, 1);
    EXPECT_EQ(fs.Screen().width, 800);
    EXPECT_EQ(fs.Screen().height, 600);
    EXPECT_TRUE(in.mouseReleaseWatch);
    EXPECT_EQ(mouse.releases, 1);

    const FullScreenEffects out = fs.Leave();
    EXPECT_EQ(modes.restores, 1);
    EXPECT_EQ(fs.Screen().width, 1024);
    EXPECT_TRUE(out.mouseReleaseWatch);
    EXPECT_EQ(mouse.releases, 2);
    fs.Leave();
    EXPECT_EQ(modes.restores, 1);

    options.displayModeNumber = 5;
    modes.switched = -1;
    Enter();
    EXPECT_EQ(modes.switched, -1) << "a mode that does not exist is not switched to";
    EXPECT_EQ(fs.Screen().width, 1024) << "and the layout keeps the real screen";
    fs.Leave();
    EXPECT_EQ(modes.restores, 1);
}

TEST_F(FullScreenTest, MouseMovementArmsThenStepsTheVolume) {
    Enter();
    Wait(FullScreenController::kEnterDebounceTicks);
    mouse.cursor.y = 384 + 69;
    EXPECT_FALSE(Step().volumeLevel);
    EXPECT_EQ(mouse.moves, 0) << "not armed below 70 pixels";
    mouse.cursor.y = 384 + 1;
    Step();
    EXPECT_EQ(mouse.cursor.y, 384) << "armed: the cursor is put back in the middle";

    // Eleven more settling ticks swallow any movement.
    for (int i = 0; i < 11; ++i) {
        mouse.cursor.y = 384 + 100;
        EXPECT_FALSE(Step().volumeLevel) << "tick " << i;
    }
    mouse.cursor.y = 384 + 55;
    EXPECT_EQ(Step(31).volumeLevel, 28) << "down lowers by 3";
    mouse.cursor.y = 384 - 59;
    EXPECT_FALSE(Step(28).volumeLevel) << "5 pixels left over, 59 up: not yet a step";
    mouse.cursor.y = 384 - 60;
    EXPECT_EQ(Step(28).volumeLevel, 31) << "up raises by 3";
    mouse.cursor.y = 384 - 200;
    EXPECT_FALSE(Step(62).volumeLevel) << "already at full";

    options.mouseVolume = false;
    fs.Leave();
    Enter();
    Wait(FullScreenController::kEnterDebounceTicks);
    mouse.moves = 0;
    mouse.cursor.y = 700;
    Wait(20);
    EXPECT_EQ(mouse.moves, 0) << "off: the cursor is left alone";
}

TEST_F(FullScreenTest, ButtonNavigationGoesByEntriesAndLeavesWithBothButtons) {
    Enter(true);
    Wait(FullScreenController::kEnterDebounceTicks);
    EXPECT_TRUE(Click(mouse.right).nextEntry);
    EXPECT_TRUE(fs.IsFullScreen()) << "a right click does not leave";
    EXPECT_TRUE(Click(mouse.left).previousEntry);
    EXPECT_EQ(fs.State(), FullScreenState::PanelHidden) << "a left click does not show the panel";

    mouse.left = true;
    Step();
    mouse.right = true;
    Step();
    mouse.left = false;
    FullScreenEffects out = Step();
    EXPECT_FALSE(out.previousEntry || out.nextEntry);
    EXPECT_TRUE(fs.IsFullScreen()) << "nothing until both are up";
    mouse.right = false;
    out = Step();
    EXPECT_FALSE(fs.IsFullScreen());
    EXPECT_FALSE(out.previousEntry || out.nextEntry);
}

TEST_F(FullScreenTest, KeepAwakeTapsEvery700TicksInFullScreenOnly) {
    EXPECT_FALSE(fs.KeepAwakeTick(true));
    Enter();
    std::vector<int> taps;
    for (int tick = 1; tick <= 2101; ++tick) {
        if (fs.KeepAwakeTick(true)) taps.push_back(tick);
    }
    EXPECT_EQ(taps, (std::vector<int>{701, 1401, 2101}));
    EXPECT_FALSE(fs.KeepAwakeTick(false));
}

}  // namespace
}  // namespace felux
