// Input records of the player's two child windows, the panel and the video window, read by the tick.
#pragma once

#include <optional>
#include <utility>

namespace felux {

// A double click of either button is the left state's (both reset the speed on PLAY); only the
// left one on bare panel area is the main window's, so the record keeps which it was.
enum class PanelLeft { None = 0, Down = 1, Up = 2, DoubleClick = 3, RightDoubleClick = 4 };
enum class PanelRight { None = 0, Down = 1, Up = 2 };

// What the panel recorded since the tick last acted on it. Points are client coordinates.
struct PanelRecord {
    int x = 0;
    int y = 0;
    PanelLeft left = PanelLeft::None;
    PanelRight right = PanelRight::None;
    bool middle = false;
    bool leftHeld = false;
    bool hover = false;
    int moveX = 0;
    int moveY = 0;
    int wheel = 0;
    // A button event waits for the tick.
    bool ButtonsWaiting() const { return left != PanelLeft::None || right != PanelRight::None || middle; }
};

enum class ChildWindow { Video, Panel };

// The Qt layer forwards the window's events, and nothing else happens inside them:
//   mousePressEvent        LeftButton -> OnLButtonDown (start QWindow::startSystemMove() when it
//                          returns true), RightButton -> OnRButtonDown, MiddleButton -> OnMButtonDown
//   mouseReleaseEvent      LeftButton -> OnLButtonUp, RightButton -> OnRButtonUp
//   mouseDoubleClickEvent  LeftButton -> OnLButtonDblClk, RightButton -> OnRButtonDblClk,
//                          MiddleButton -> OnMButtonDown (do not call the base class: it would
//                          turn the double click into a second press)
//   mouseMoveEvent         OnMouseMove (the panel needs setMouseTracking(true) for the hover)
//   wheelEvent             OnMouseWheel(angleDelta().y())
// Points are event->position() in the widget's client coordinates, truncated to int.
class ChildWindowInput {
public:
    explicit ChildWindowInput(ChildWindow role) : role_(role) {}

    // True when the caller should start a system move of this window now: the video window
    // is dragged by any point of the picture, except in full screen.
    bool OnLButtonDown(int x, int y);
    void OnLButtonUp(int x, int y);
    void OnLButtonDblClk(int x, int y);
    void OnRButtonDown(int x, int y);
    void OnRButtonUp(int x, int y);
    void OnRButtonDblClk(int x, int y);
    void OnMButtonDown();
    void OnMouseMove(int x, int y);
    // Any non-zero delta is one notch: negative -1, positive +1.
    void OnMouseWheel(int delta);
    // A move the user made (the window followed a held button): the position is the user's
    // choice, unlike one the window manager imposed.
    void OnUserMove(int x, int y);
    // The position of the user's last move since the previous call, if any.
    struct Position {
        int x = 0;
        int y = 0;
    };
    std::optional<Position> TakeUserPosition();
    // A button went down on the window since the previous call. Window managers raise a window
    // that is clicked, so the picture may now cover the panel.
    bool TakePressed() { return std::exchange(pressed_, false); }

    // The video window's clicks. A left or middle click waits until taken; a left click counts
    // too, or it would reach the tick only together with a middle one.
    bool ClickWaiting() const { return leftClick_ || middleClick_; }
    bool TakeLeftClick() { return std::exchange(leftClick_, false); }
    bool TakeMiddleClick() { return std::exchange(middleClick_, false); }
    // A right click outside full screen: the menu.
    bool TakeMenuClick() { return std::exchange(menuClick_, false); }
    // Forgets the video window's clicks and leaves full screen.
    void ClearClicks();
    void MarkFullScreen() { fullScreenMark_ = true; }
    bool FullScreenMark() const { return fullScreenMark_; }

    // -1, +1, or 0 when no notch waits; kept until ClearWheel, by the wheel seek that used it.
    int WheelNotch() const { return panel_.wheel; }
    void ClearWheel() { panel_.wheel = 0; }

    const PanelRecord& Panel() const { return panel_; }
    // After the tick acted on the buttons: clears the point, the button states and the middle
    // flag. An event that came before the tick saw the previous one becomes the next state.
    void PanelResetButtons();

private:
    ChildWindow role_;

    // Video window.
    bool fullScreenMark_ = false;
    bool leftClick_ = false;
    bool middleClick_ = false;
    // The right press came outside full screen; a press that leaves full screen opens no menu.
    bool rightDownWindowed_ = false;
    bool menuClick_ = false;
    std::optional<Position> userPosition_;
    bool pressed_ = false;

    // Panel; its wheel notch serves the video window too.
    PanelRecord panel_;
    // One event per button that came while the tick had not yet seen the previous one, so a
    // click quicker than a tick still reaches the tick as a press and then a release.
    template <class State>
    struct Pending {
        bool set = false;
        State state{};
        int x = 0;
        int y = 0;
    };
    Pending<PanelLeft> leftPending_;
    Pending<PanelRight> rightPending_;
    void RecordLeft(PanelLeft s, int x, int y);
    void RecordRight(PanelRight s, int x, int y);
};

}  // namespace felux
