// The player's video presentation: zoom sizes, regions, full screen with its display mode and cursor.
#include <gtest/gtest.h>

#include <algorithm>

#include "PlayerHarness.h"
#include "platform/Keys.h"

namespace felux {
namespace {

using test::FakeMedia;
using test::PlayerHarness;

class PlayerVideoTest : public ::testing::Test {
protected:
    // Full screen switches to the fake's second mode, 800 x 600.
    test::TestPlayer& Playing(const std::function<void(PlayerSettings&)>& configure = {}) {
        test::TestPlayer& p = h.Start({h.AddMedia("clip.mpg")}, true, [&](PlayerSettings& s) {
            s.fullScreenModeOn = 1;
            s.fullScreenModeNumber = 1;
            s.fullScreenWidth = 800;
            s.fullScreenHeight = 600;
            if (configure) configure(s);
        });
        h.TickUntilStarted();
        return p;
    }
    PlayerHarness h;
};

TEST_F(PlayerVideoTest, ZoomLevelsSizeTheVideoWindowWithinTheirLimits) {
    test::TestPlayer& p = Playing([](PlayerSettings& s) { s.windowZoomStep = 4; });
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 640, 480}));
    EXPECT_EQ(h.windows.rects[WindowId::Picture], (Rect{0, 60, 640, 480}));
    // The zoom-in button at the top level stays there.
    h.windows.workArea = {0, 0, 2000, 2000};
    p.layout.SetZoom({6, p.layout.Zoom().fullScreen});
    p.panelInput.OnLButtonDown(169, 38);
    h.Tick();
    p.panelInput.OnLButtonUp(169, 38);
    h.Tick(5);
    EXPECT_EQ(p.layout.Zoom().window, 6);
    EXPECT_EQ(h.windows.rects[WindowId::Video].width, 1280);
    EXPECT_GT(p.state.layout.readoutCountdown, 0);

    // Where the work area ends, so does the zoom: the window fits it, and the level no longer
    // climbs, so that one step down shows at once.
    h.windows.workArea = {0, 30, 1000, 700};
    p.layout.SetZoom({4, p.layout.Zoom().fullScreen});
    p.Command(PlayerCommand::NewVideoSize);
    h.Tick(15);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 640, 480}));
    p.panelInput.OnLButtonDown(169, 38);
    h.Tick();
    p.panelInput.OnLButtonUp(169, 38);
    h.Tick(15);
    EXPECT_EQ(p.layout.Zoom().window, 5);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 30, 933, 700})) << "shrunk and pulled into the area";
    p.panelInput.OnLButtonDown(169, 38);
    h.Tick();
    p.panelInput.OnLButtonUp(169, 38);
    h.Tick(15);
    EXPECT_EQ(p.layout.Zoom().window, 5);
    EXPECT_EQ(p.settings.videoWindowY, 60) << "the user's place is kept for a smaller window";
}

// With no picture there is no work area to fill: the levels move, and the next video shows at them.
TEST_F(PlayerVideoTest, ZoomLevelsMoveWhileASoundFilePlays) {
    test::TestPlayer& p = h.Start({h.AddMedia("song.wav", {.video = false}), h.AddMedia("clip.mpg")}, true);
    h.TickUntilStarted();
    p.Command(PlayerCommand::ZoomIn);
    h.Tick();
    EXPECT_EQ(p.layout.Zoom().window, 3);
    EXPECT_GT(p.state.layout.readoutCountdown, 0);
    p.layout.SetZoom({kWindowZoomMax, p.layout.Zoom().fullScreen});
    p.Command(PlayerCommand::ZoomIn);
    h.Tick();
    EXPECT_EQ(p.layout.Zoom().window, kWindowZoomMax) << "the top level stays";
    p.Command(PlayerCommand::ZoomOut);
    p.Command(PlayerCommand::ZoomOut);
    h.Tick();
    EXPECT_EQ(p.layout.Zoom().window, 4);
    EXPECT_EQ(h.windows.rects[WindowId::Video].width, 0) << "still no video window";
    h.engine.completed = true;
    h.Tick(2);  // the zoom's relayout, then the end
    h.TickUntilStarted();
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 640, 480}));
}

// Fill covers the screen and crops what is left over, also for a picture much wider than the screen.
TEST_F(PlayerVideoTest, FillCropsAVeryWidePictureInsteadOfShrinkingIt) {
    test::TestPlayer& p = h.Start({h.AddMedia("wide.mpg", {.size = {1600, 450}})}, true, [](PlayerSettings& s) {
        s.fullScreenModeOn = 1;
        s.fullScreenModeNumber = 1;
        s.fullScreenZoomStep = kFullScreenFill;
    });
    h.TickUntilStarted();
    p.Command(PlayerCommand::FullScreenToggle);
    h.Tick(5);
    ASSERT_TRUE(p.state.layout.fullScreen);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 0, 800, 600}));
    EXPECT_EQ(h.windows.rects[WindowId::Picture], (Rect{-666, 0, 2133, 600})) << "32:9 on 4:3, the height covered";
}

TEST_F(PlayerVideoTest, ScanLinesHideTheLowerHalfOfEachEnlargedLine) {
    test::TestPlayer& p = Playing([](PlayerSettings& s) { s.windowZoomStep = 4; });
    const std::vector<Rect>& rows = h.windows.regions[WindowId::Picture];
    ASSERT_EQ(rows.size(), 240u);
    EXPECT_EQ(rows[0], (Rect{0, 0, 640, 1}));
    EXPECT_EQ(rows[1], (Rect{0, 2, 640, 1}));
    // Switched off: the whole picture again.
    p.settings.scanLinesOn = 0;
    p.Command(PlayerCommand::NewVideoSize);
    h.Tick();
    EXPECT_EQ(h.windows.regions[WindowId::Picture], (std::vector<Rect>{{0, 0, 640, 480}}));
}

TEST_F(PlayerVideoTest, FullScreenSwitchesTheModeHidesTheCursorAndPutsEverythingBack) {
    test::TestPlayer& p = Playing();
    p.Command(PlayerCommand::FullScreenToggle);
    h.Tick();
    EXPECT_TRUE(p.state.layout.fullScreen);
    EXPECT_EQ(h.modes.switched, 1);
    EXPECT_TRUE(p.state.layout.displayModeChanged);
    EXPECT_EQ(h.windows.cursorShown, -1);
    h.Tick(4);  // the relayout
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 0, 800, 600}));
    // 320 x 240 on 800 x 600 at the default level: twice, centred.
    EXPECT_EQ(h.windows.rects[WindowId::Picture], (Rect{80, 60, 640, 480}));
    EXPECT_EQ(h.windows.rects[WindowId::Main].width, 0);  // the panel is hidden

    p.Command(PlayerCommand::FullScreenToggle);
    h.Tick();
    EXPECT_FALSE(p.state.layout.fullScreen);
    EXPECT_EQ(h.modes.restores, 1);
    EXPECT_EQ(h.windows.cursorShown, 0);
    EXPECT_GT(p.state.layout.readoutCountdown, 30);
    h.Tick(4);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 320, 240}));
    EXPECT_EQ(h.windows.rects[WindowId::Main], (Rect{0, 0, 407, 50}));
}

TEST_F(PlayerVideoTest, EveryWayOutOfFullScreenRestoresTheDisplay) {
    test::TestPlayer& p = Playing();
    p.Command(PlayerCommand::FullScreenToggle);
    h.Tick();
    p.Command(PlayerCommand::Stop);  // stopping leaves full screen
    h.Tick();
    EXPECT_FALSE(p.state.layout.fullScreen);
    EXPECT_EQ(h.modes.restores, 1);
    EXPECT_EQ(h.windows.cursorShown, 0);

    PlayerHarness other;
    test::TestPlayer& q = other.Start({other.AddMedia("clip.mpg")}, true, [](PlayerSettings& s) {
        s.fullScreenModeOn = 1;
        s.fullScreenModeNumber = 1;
    });
    other.TickUntilStarted();
    q.Command(PlayerCommand::FullScreenToggle);
    other.Tick();
    q.state.exitRequested = true;  // so does the exit
    other.Tick();
    EXPECT_TRUE(q.Ended());
    EXPECT_GE(other.modes.restores, 1);

    // Nothing open: the request is dropped.
    PlayerHarness idle;
    test::TestPlayer& r = idle.Start({});
    r.Command(PlayerCommand::FullScreenToggle);
    idle.Tick();
    EXPECT_FALSE(r.state.layout.fullScreen);
    EXPECT_EQ(idle.modes.switched, -1);
}

TEST_F(PlayerVideoTest, AClickShowsThePanelAndARightClickLeaves) {
    test::TestPlayer& p = Playing();
    p.Command(PlayerCommand::FullScreenToggle);
    h.Tick(14);  // past the relayout and the debounce
    h.keys.Press(vk::LButton);
    h.Tick();
    h.keys.Release(vk::LButton);
    h.Tick();
    EXPECT_EQ(p.layout.FullScreen(), FullScreenState::PanelShown);
    EXPECT_EQ(h.windows.rects[WindowId::Main], (Rect{0, 0, 407, 50}));
    EXPECT_EQ(h.windows.cursorShown, 0);
    h.Tick(4);
    h.windows.cursor = {600, 600};
    h.keys.Press(vk::RButton);
    h.Tick();
    h.keys.Release(vk::RButton);
    EXPECT_FALSE(p.state.layout.fullScreen);
}

TEST_F(PlayerVideoTest, ClicksShorterThanATickStillCountInFullScreen) {
    test::TestPlayer& p = Playing();
    p.Command(PlayerCommand::FullScreenToggle);
    h.Tick(14);
    // Pressed and released between two ticks: the keyboard poll sees the press first.
    h.keys.Press(vk::LButton);
    h.keys.Release(vk::LButton);
    h.Tick(2);
    EXPECT_EQ(p.layout.FullScreen(), FullScreenState::PanelShown);
    h.Tick(4);
    h.windows.cursor = {600, 600};
    h.keys.Press(vk::LButton);
    h.keys.Release(vk::LButton);
    h.Tick(2);
    EXPECT_EQ(p.layout.FullScreen(), FullScreenState::PanelHidden);
    h.Tick(4);
    h.keys.Press(vk::RButton);
    h.keys.Release(vk::RButton);
    h.Tick();
    EXPECT_FALSE(p.state.layout.fullScreen);
}

TEST_F(PlayerVideoTest, OverscanShowsTheCentreOfThePicture) {
    Playing([](PlayerSettings& s) {
        s.overscanScaleX = 0.9;
        s.overscanScaleY = 0.8;
    });
    ASSERT_TRUE(h.engine.sourceRect.has_value());
    EXPECT_EQ(h.engine.sourceRect->x, 16);
    EXPECT_EQ(h.engine.sourceRect->y, 24);
    EXPECT_EQ(h.engine.sourceRect->width, 288);
    EXPECT_EQ(h.engine.sourceRect->height, 192);
}

TEST_F(PlayerVideoTest, ActivationMovesAndWindowModes) {
    test::TestPlayer& p = h.Start({h.AddMedia("clip.mpg")}, true);
    // Activated while the new file is laid out: taken up once the layout is done.
    ASSERT_TRUE(p.layout.Timer().Running());
    p.OnActivated(true);
    EXPECT_FALSE(p.state.layout.appActive);
    h.TickUntilStarted();
    EXPECT_TRUE(p.state.layout.appActive);
    p.OnActivated(false);
    EXPECT_FALSE(p.state.layout.appActive);

    h.Tick(25);
    p.OnMove(200, 300);
    EXPECT_EQ(p.settings.mainWindowX, 200);
    EXPECT_EQ(p.layout.Timer().TicksLeft(), 12);
    EXPECT_EQ(h.windows.rects[WindowId::Panel], (Rect{200, 300, 407, 50}));

    h.Tick(25);
    p.EnterWindowMode(WindowMode::Minimised);
    p.EnterWindowMode(WindowMode::VideoOnly);  // only from the normal mode
    EXPECT_EQ(p.state.windowMode, WindowMode::Minimised);
    p.OnActivated(true);
    EXPECT_EQ(p.state.windowMode, WindowMode::Normal);
    EXPECT_NE(std::find(h.windows.log.begin(), h.windows.log.end(), "restore Main"), h.windows.log.end());
}

// A move relays out the windows 12 ticks on: the tick does nothing else until the layout step at
// 8 and one tick after it for the windows to settle; a command raised behind it waits, not lost.
TEST_F(PlayerVideoTest, ALayoutHoldsTheTickUntilItsStepAndASettlingTick) {
    test::TestPlayer& p = Playing();
    h.Tick(25);
    const int repeat = p.settings.repeatList;
    auto layouts = [&] { return std::count(h.windows.log.begin(), h.windows.log.end(), "Resize Main 407x50"); };
    h.windows.log.clear();
    p.OnMove(200, 300);
    p.Command(PlayerCommand::RepeatToggle);
    h.Tick(3);
    EXPECT_EQ(layouts(), 0);
    h.Tick();
    EXPECT_EQ(layouts(), 1);
    h.Tick();
    EXPECT_EQ(p.settings.repeatList, repeat) << "taken on the settling tick";
    h.Tick();
    EXPECT_NE(p.settings.repeatList, repeat);
    EXPECT_EQ(layouts(), 1);
}

// A desktop activates the player just as it opens its first file: the start's own layout serves
// the activation, which must not hold the first picture back; later activations relayout.
TEST_F(PlayerVideoTest, AnActivationAsTheFirstFileOpensDoesNotDelayItsStart) {
    auto ticksToStart = [](PlayerHarness& harness, bool activate) {
        if (activate) harness.engine.duringRender = [&harness] { harness.player->OnActivated(true); };
        test::TestPlayer& p = harness.Start({harness.AddMedia("clip.mpg")}, true);
        int ticks = 0;
        for (; ticks < 60 && p.state.playback.startState != StartState::Idle; ++ticks) harness.Tick();
        harness.Tick(2);
        EXPECT_EQ(p.state.layout.appActive, activate ? 1 : 0);
        return ticks;
    };
    PlayerHarness plain;
    const int expected = ticksToStart(plain, false);
    EXPECT_EQ(ticksToStart(h, true), expected);
    // Activated again once the file plays: the usual relayout.
    h.Tick(25);
    h.player->OnActivated(false);
    h.player->OnActivated(true);
    EXPECT_EQ(h.player->layout.Timer().TicksLeft(), 20);
}

// The window modes as a desktop drives them: minimising takes the video window along, the
// desktop's restore comes back from either mode, a double click on bare panel area toggles
// video-only mode, and topmost then acts on the video window.
TEST_F(PlayerVideoTest, WindowModesFollowTheDesktop) {
    test::TestPlayer& p = Playing([](PlayerSettings& s) { s.topmostMode = 1; });
    ASSERT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 320, 240}));
    p.EnterWindowMode(WindowMode::Minimised);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 0, 0}));
    p.OnMainRestored();
    EXPECT_EQ(p.state.windowMode, WindowMode::Normal);
    h.Tick(25);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 320, 240}));

    // A double click on a button is not one on the main window; on bare area it is.
    p.panelInput.OnLButtonDblClk(288, 30);  // NEXT
    h.Tick();
    EXPECT_EQ(p.state.windowMode, WindowMode::Normal);
    h.windows.log.clear();
    p.panelInput.OnLButtonDblClk(395, 40);
    h.Tick();
    EXPECT_EQ(p.state.windowMode, WindowMode::VideoOnly);
    EXPECT_EQ(h.windows.log.back(), "activate Video") << "the picture takes the keyboard from the panel";
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 320, 240}));
    h.windows.log.clear();
    p.Command(PlayerCommand::NewVideoSize);
    h.Tick(15);
    EXPECT_NE(std::find(h.windows.log.begin(), h.windows.log.end(), "Place Video 0,60 320x240 shown topmost"),
              h.windows.log.end());
    // Restored from the taskbar while the video shows: the normal mode again, where both windows
    // stay above the others and the panel above the picture.
    p.OnMainRestored();
    EXPECT_EQ(p.state.windowMode, WindowMode::Normal);
    h.windows.log.clear();
    h.Tick(25);
    const auto& log = h.windows.log;
    const auto placed = [&](const std::string& prefix) {
        return std::find_if(log.rbegin(), log.rend(), [&](const std::string& line) {
            return line.starts_with(prefix) && line.ends_with(" topmost");
        });
    };
    const auto video = placed("Place Video 0,60 320x240");
    ASSERT_NE(video, log.rend()) << "the picture stays above new windows";
    ASSERT_NE(placed("Place Main "), log.rend());
    const auto under = std::find(log.rbegin(), log.rend(), "stack Video under Main");
    ASSERT_NE(under, log.rend());
    EXPECT_LT(under, video) << "the panel goes over the picture after the picture went above";
}

// Double clicks on the panel as the desktop delivers them (press, release, double click,
// release): only the left one on bare panel area hides the panel; the right one there does
// nothing, and on PLAY either one resets the speed.
TEST_F(PlayerVideoTest, OnlyALeftDoubleClickOnBarePanelAreaHidesThePanel) {
    test::TestPlayer& p = Playing();
    const auto doubleClick = [&](bool right, int x, int y) {
        ChildWindowInput& panel = p.panelInput;
        for (int i = 0; i < 2; ++i) {
            if (right) {
                i == 0 ? panel.OnRButtonDown(x, y) : panel.OnRButtonDblClk(x, y);
                h.Tick();
                panel.OnRButtonUp(x, y);
            } else {
                i == 0 ? (void)panel.OnLButtonDown(x, y) : panel.OnLButtonDblClk(x, y);
                h.Tick();
                panel.OnLButtonUp(x, y);
            }
            h.Tick();
        }
    };
    doubleClick(true, 395, 40);
    h.Tick(3);
    EXPECT_EQ(p.state.windowMode, WindowMode::Normal);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 320, 240}));

    p.state.playback.playbackRate = 1500;
    doubleClick(true, 250, 30);
    EXPECT_EQ(p.state.playback.playbackRate, 1000);
    EXPECT_EQ(p.state.windowMode, WindowMode::Normal);

    doubleClick(false, 395, 40);
    EXPECT_EQ(p.state.windowMode, WindowMode::VideoOnly);
}

// Desktops raise a clicked window: a click on the picture must not leave it over the panel.
TEST_F(PlayerVideoTest, AClickOnThePictureKeepsThePanelAboveIt) {
    test::TestPlayer& p = Playing();
    const auto restacks = [&] {
        return std::count(h.windows.log.begin(), h.windows.log.end(), "stack Video under Main");
    };
    for (const auto press : {+[](ChildWindowInput& w) { w.OnLButtonDown(5, 5); }, +[](ChildWindowInput& w) { w.OnRButtonDown(5, 5); },
                             +[](ChildWindowInput& w) { w.OnMButtonDown(); }}) {
        h.windows.log.clear();
        press(p.videoInput);
        h.Tick();
        EXPECT_EQ(restacks(), 1);
        h.Tick();
        EXPECT_EQ(restacks(), 1) << "once per click";
    }
    // In video-only mode the panel is away.
    p.EnterWindowMode(WindowMode::VideoOnly);
    h.Tick();
    h.windows.log.clear();
    p.videoInput.OnLButtonDown(5, 5);
    h.Tick();
    EXPECT_EQ(restacks(), 0);
}

// A left and a middle click on the picture within one tick: the left one makes the player active
// now, the middle one is taken on the next tick and pauses, and neither acts twice. A notch on the picture in
// video-only mode steps once, however many ticks follow.
TEST_F(PlayerVideoTest, ClicksAndNotchesOnThePictureAreTakenOnceEach) {
    test::TestPlayer& p = Playing();
    p.state.layout.appActive = false;
    p.videoInput.OnLButtonDown(5, 5);
    p.videoInput.OnMButtonDown();
    h.Tick();
    EXPECT_TRUE(p.state.layout.appActive);
    EXPECT_TRUE(p.videoInput.ClickWaiting()) << "the middle click waits for the next tick";
    h.Tick(2);
    EXPECT_FALSE(p.videoInput.ClickWaiting());
    EXPECT_FALSE(h.engine.playing);
    h.Tick(3);
    EXPECT_FALSE(h.engine.playing) << "the middle click toggled once";

    p.Command(PlayerCommand::Play);
    h.Tick();
    ASSERT_TRUE(h.engine.playing);
    p.EnterWindowMode(WindowMode::VideoOnly);
    h.Tick();
    p.videoInput.OnMouseWheel(120);
    h.Tick();
    EXPECT_EQ(p.wheel.Step(), 1);
    EXPECT_EQ(p.videoInput.WheelNotch(), 0);
    h.Tick(3);
    EXPECT_EQ(p.wheel.Step(), 1);
}

// The video window keeps the place the user dragged it to; where the window manager put it
// (a constraint on a large zoom) is forgotten at the next layout.
TEST_F(PlayerVideoTest, OnlyTheUsersDragPlacesTheVideoWindow) {
    test::TestPlayer& p = Playing();
    h.windows.rects[WindowId::Video] = {0, 0, 320, 240};
    p.Command(PlayerCommand::NewVideoSize);
    h.Tick(15);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{0, 60, 320, 240}));
    EXPECT_EQ(p.settings.videoWindowY, 60);
    p.videoInput.OnUserMove(500, 400);
    h.windows.rects[WindowId::Video] = {520, 430, 320, 240};
    p.Command(PlayerCommand::NewVideoSize);
    h.Tick(15);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{500, 400, 320, 240}));
    // In video-only mode as well.
    p.EnterWindowMode(WindowMode::VideoOnly);
    p.videoInput.OnUserMove(40, 50);
    p.Command(PlayerCommand::NewVideoSize);
    h.Tick(15);
    EXPECT_EQ(h.windows.rects[WindowId::Video], (Rect{40, 50, 320, 240}));
}

}  // namespace
}  // namespace felux
