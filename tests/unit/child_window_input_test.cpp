// Child window input records: read-and-clear queries, resets, clicks quicker than a tick, hover.
#include <gtest/gtest.h>

#include "skin/ChildWindowInput.h"

namespace felux {
namespace {

TEST(ChildWindowInputTest, VideoClicksAreTakenOnceByTheirQueries) {
    ChildWindowInput video{ChildWindow::Video};
    EXPECT_EQ(video.VideoInput(video_query::kAnyClick), 0);

    video.OnLButtonDown(5, 5);
    EXPECT_EQ(video.VideoInput(video_query::kAnyClick), 1);
    EXPECT_EQ(video.VideoInput(video_query::kLeftClick), 1);
    EXPECT_EQ(video.VideoInput(video_query::kLeftClick), 0);
    EXPECT_EQ(video.VideoInput(video_query::kAnyClick), 0);

    // Taking the left click leaves a middle click of the same tick for the next read.
    video.OnLButtonDown(5, 5);
    video.OnMButtonDown();
    EXPECT_EQ(video.VideoInput(video_query::kLeftClick), 1);
    EXPECT_EQ(video.VideoInput(video_query::kAnyClick), 1);
    EXPECT_EQ(video.VideoInput(video_query::kMiddleClick), 1);
    EXPECT_EQ(video.VideoInput(video_query::kMiddleClick), 0);
    EXPECT_EQ(video.VideoInput(video_query::kAnyClick), 0);

    // The right click counts only in full screen, stays until a reset, which leaves full screen.
    video.OnRButtonDown(1, 1);
    EXPECT_EQ(video.VideoInput(video_query::kRightClick), 0);
    video.VideoInputReset(video_reset::kFullScreen);
    video.OnRButtonDown(1, 1);
    EXPECT_EQ(video.VideoInput(video_query::kRightClick), 1);
    EXPECT_EQ(video.VideoInput(video_query::kRightClick), 1);
    video.OnMButtonDown();
    video.VideoInputReset(video_reset::kClearClicks);
    EXPECT_EQ(video.VideoInput(video_query::kRightClick), 0);
    EXPECT_EQ(video.VideoInput(video_query::kAnyClick), 0);
    EXPECT_FALSE(video.FullScreenMark());

    // Double clicks are nothing to the video window; unknown numbers answer 0.
    video.OnLButtonDblClk(1, 1);
    EXPECT_EQ(video.VideoInput(video_query::kAnyClick), 0);
    EXPECT_EQ(video.VideoInput(99), 0);
    video.VideoInputReset(7);
}

TEST(ChildWindowInputTest, OnlyTheVideoWindowOutsideFullScreenMovesWithThePress) {
    ChildWindowInput video{ChildWindow::Video};
    ChildWindowInput panel{ChildWindow::Panel};
    EXPECT_TRUE(video.OnLButtonDown(3, 3));
    video.VideoInputReset(video_reset::kFullScreen);
    EXPECT_FALSE(video.OnLButtonDown(3, 3));
    EXPECT_FALSE(panel.OnLButtonDown(3, 3));
}

TEST(ChildWindowInputTest, WheelNotchesAreSignsUntilCleared) {
    ChildWindowInput video{ChildWindow::Video};
    video.OnMouseWheel(-240);
    EXPECT_EQ(video.VideoInput(video_query::kWheel), -1);
    video.OnMouseWheel(0);
    EXPECT_EQ(video.VideoInput(video_query::kWheel), -1);
    EXPECT_EQ(video.VideoInput(video_query::kWheelTake), -1);
    EXPECT_EQ(video.VideoInput(video_query::kWheel), 0);
    video.OnMouseWheel(15);
    video.VideoInputReset(video_reset::kClearWheel);
    EXPECT_EQ(video.VideoInput(video_query::kWheel), 0);

    ChildWindowInput panel{ChildWindow::Panel};
    panel.OnMouseWheel(120);
    EXPECT_EQ(panel.PanelQuery(panel_query::kWheel), 1);
    // The buttons' reset leaves the notch to the wheel seek.
    panel.PanelResetButtons();
    EXPECT_EQ(panel.PanelQuery(panel_query::kWheel), 1);
    panel.PanelResetNotch();
    EXPECT_EQ(panel.PanelQuery(panel_query::kWheel), 0);
}

TEST(ChildWindowInputTest, PanelButtonsWaitForTheTickAndQuickClicksAreNotLost) {
    ChildWindowInput panel{ChildWindow::Panel};
    EXPECT_EQ(panel.PanelQuery(panel_query::kButtons), 0);
    panel.OnLButtonDown(240, 30);
    EXPECT_EQ(panel.PanelQuery(panel_query::kButtons), 1);
    EXPECT_EQ(panel.PanelQuery(panel_query::kLeftState), 1);
    EXPECT_EQ(panel.PanelQuery(panel_query::kLeftHeld), 1);

    // Released before the tick saw the press: the press first, the release on the next tick.
    panel.OnLButtonUp(242, 31);
    EXPECT_EQ(panel.PanelQuery(panel_query::kLeftState), 1);
    EXPECT_EQ(panel.PanelQuery(panel_query::kLeftHeld), 0);
    panel.PanelResetButtons();
    EXPECT_EQ(panel.PanelQuery(panel_query::kLeftState), 2);
    EXPECT_EQ(panel.PanelQuery(panel_query::kX), 242);
    panel.PanelResetButtons();
    EXPECT_EQ(panel.PanelQuery(panel_query::kButtons), 0);

    panel.OnRButtonDown(10, 10);
    panel.OnRButtonUp(11, 11);
    EXPECT_EQ(panel.PanelQuery(panel_query::kRightState), 1);
    panel.PanelResetButtons();
    EXPECT_EQ(panel.PanelQuery(panel_query::kRightState), 2);
    panel.PanelResetButtons();

    // Either double click is the left's; the middle press counts as a button.
    panel.OnRButtonDblClk(250, 30);
    EXPECT_EQ(panel.PanelQuery(panel_query::kLeftState), 3);
    panel.PanelResetButtons();
    panel.OnMButtonDown();
    EXPECT_EQ(panel.PanelQuery(panel_query::kMiddle), 1);
    EXPECT_EQ(panel.PanelQuery(panel_query::kButtons), 1);
    panel.PanelResetButtons();
    EXPECT_EQ(panel.PanelQuery(panel_query::kButtons), 0);
    EXPECT_EQ(panel.PanelQuery(42), 0);
}

TEST(ChildWindowInputTest, HoverCoversTheDisplayTextEdgesIncluded) {
    ChildWindowInput panel{ChildWindow::Panel};
    const auto hoverAt = [&](int x, int y) {
        panel.OnMouseMove(x, y);
        return panel.PanelQuery(panel_query::kHover);
    };
    EXPECT_EQ(hoverAt(70, 15), 1);
    EXPECT_EQ(hoverAt(215, 29), 1);
    EXPECT_EQ(hoverAt(216, 29), 0);
    EXPECT_EQ(hoverAt(100, 14), 0);
    EXPECT_EQ(hoverAt(69, 20), 0);
}

}  // namespace
}  // namespace felux
