// Child window input records: clicks taken once, resets, clicks quicker than a tick, hover.
#include <gtest/gtest.h>

#include "skin/ChildWindowInput.h"

namespace felux {
namespace {

TEST(ChildWindowInputTest, VideoClicksAreTakenOnce) {
    ChildWindowInput video{ChildWindow::Video};
    EXPECT_FALSE(video.ClickWaiting());

    video.OnLButtonDown(5, 5);
    EXPECT_TRUE(video.ClickWaiting());
    EXPECT_TRUE(video.TakeLeftClick());
    EXPECT_FALSE(video.TakeLeftClick());
    EXPECT_FALSE(video.ClickWaiting());

    // Taking the left click leaves a middle click of the same tick for the next read.
    video.OnLButtonDown(5, 5);
    video.OnMButtonDown();
    EXPECT_TRUE(video.TakeLeftClick());
    EXPECT_TRUE(video.ClickWaiting());
    EXPECT_TRUE(video.TakeMiddleClick());
    EXPECT_FALSE(video.TakeMiddleClick());
    EXPECT_FALSE(video.ClickWaiting());

    // A right click outside full screen is the menu, taken once; in full screen it is none.
    video.OnRButtonDown(1, 1);
    video.OnRButtonUp(1, 1);
    EXPECT_TRUE(video.TakeMenuClick());
    EXPECT_FALSE(video.TakeMenuClick());
    video.MarkFullScreen();
    video.OnRButtonDown(1, 1);
    video.OnRButtonUp(1, 1);
    EXPECT_FALSE(video.TakeMenuClick());
    // Clearing forgets the waiting clicks and leaves full screen.
    video.OnMButtonDown();
    video.ClearClicks();
    EXPECT_FALSE(video.ClickWaiting());
    EXPECT_FALSE(video.FullScreenMark());

    // Double clicks are nothing to the video window.
    video.OnLButtonDblClk(1, 1);
    EXPECT_FALSE(video.ClickWaiting());
}

TEST(ChildWindowInputTest, OnlyTheVideoWindowOutsideFullScreenMovesWithThePress) {
    ChildWindowInput video{ChildWindow::Video};
    ChildWindowInput panel{ChildWindow::Panel};
    EXPECT_TRUE(video.OnLButtonDown(3, 3));
    video.MarkFullScreen();
    EXPECT_FALSE(video.OnLButtonDown(3, 3));
    EXPECT_FALSE(panel.OnLButtonDown(3, 3));
}

TEST(ChildWindowInputTest, WheelNotchesAreSignsUntilCleared) {
    ChildWindowInput video{ChildWindow::Video};
    video.OnMouseWheel(-240);
    EXPECT_EQ(video.WheelNotch(), -1);
    video.OnMouseWheel(0);
    EXPECT_EQ(video.WheelNotch(), -1);
    video.OnMouseWheel(15);
    EXPECT_EQ(video.WheelNotch(), 1);
    video.ClearWheel();
    EXPECT_EQ(video.WheelNotch(), 0);

    ChildWindowInput panel{ChildWindow::Panel};
    panel.OnMouseWheel(120);
    EXPECT_EQ(panel.WheelNotch(), 1);
    // The buttons' reset leaves the notch to the wheel seek.
    panel.PanelResetButtons();
    EXPECT_EQ(panel.WheelNotch(), 1);
    panel.ClearWheel();
    EXPECT_EQ(panel.WheelNotch(), 0);
}

TEST(ChildWindowInputTest, PanelButtonsWaitForTheTickAndQuickClicksAreNotLost) {
    ChildWindowInput panel{ChildWindow::Panel};
    EXPECT_FALSE(panel.Panel().ButtonsWaiting());
    panel.OnLButtonDown(240, 30);
    EXPECT_TRUE(panel.Panel().ButtonsWaiting());
    EXPECT_EQ(panel.Panel().left, PanelLeft::Down);
    EXPECT_TRUE(panel.Panel().leftHeld);

    // Released before the tick saw the press: the press first, the release on the next tick.
    panel.OnLButtonUp(242, 31);
    EXPECT_EQ(panel.Panel().left, PanelLeft::Down);
    EXPECT_FALSE(panel.Panel().leftHeld);
    panel.PanelResetButtons();
    EXPECT_EQ(panel.Panel().left, PanelLeft::Up);
    EXPECT_EQ(panel.Panel().x, 242);
    panel.PanelResetButtons();
    EXPECT_FALSE(panel.Panel().ButtonsWaiting());

    panel.OnRButtonDown(10, 10);
    panel.OnRButtonUp(11, 11);
    EXPECT_EQ(panel.Panel().right, PanelRight::Down);
    panel.PanelResetButtons();
    EXPECT_EQ(panel.Panel().right, PanelRight::Up);
    panel.PanelResetButtons();

    // Either double click is the left's, which keeps which one it was; the middle press counts
    // as a button.
    panel.OnRButtonDblClk(250, 30);
    EXPECT_EQ(panel.Panel().left, PanelLeft::RightDoubleClick);
    EXPECT_EQ(panel.Panel().right, PanelRight::None);
    panel.PanelResetButtons();
    panel.OnMButtonDown();
    EXPECT_TRUE(panel.Panel().middle);
    EXPECT_TRUE(panel.Panel().ButtonsWaiting());
    panel.PanelResetButtons();
    EXPECT_FALSE(panel.Panel().ButtonsWaiting());
}

TEST(ChildWindowInputTest, HoverCoversTheDisplayTextEdgesIncluded) {
    ChildWindowInput panel{ChildWindow::Panel};
    const auto hoverAt = [&](int x, int y) {
        panel.OnMouseMove(x, y);
        return panel.Panel().hover;
    };
    EXPECT_TRUE(hoverAt(70, 15));
    EXPECT_TRUE(hoverAt(215, 29));
    EXPECT_FALSE(hoverAt(216, 29));
    EXPECT_FALSE(hoverAt(100, 14));
    EXPECT_FALSE(hoverAt(69, 20));
}

}  // namespace
}  // namespace felux
