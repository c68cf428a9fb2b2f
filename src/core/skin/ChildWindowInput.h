// Input records of the player's two child windows, the panel and the video window, read by the tick.
#pragma once

#include <optional>
#include <utility>

namespace felux {

// Numbered queries of the video window's record (VideoInput).
namespace video_query {
inline constexpr int kAnyClick = 0;     // a left or middle click is waiting to be read
inline constexpr int kX = 1;            // the window's position from its last move
inline constexpr int kY = 2;
inline constexpr int kLeftClick = 3;    // read and clear
inline constexpr int kRightClick = 4;   // read only; recorded in full screen
inline constexpr int kMiddleClick = 5;  // read and clear
inline constexpr int kWheelTake = 6;    // -1 / +1, read and clear
inline constexpr int kWheel = 7;        // -1 / +1, read only
inline constexpr int kMenuClick = 8;    // a right click outside full screen: the menu; read and clear
}  // namespace video_query

// Kinds of VideoInputReset.
namespace video_reset {
inline constexpr int kClearClicks = 0;  // also leaves full screen
inline constexpr int kFullScreen = 1;
inline constexpr int kClearWheel = 2;
}  // namespace video_reset

// Numbered queries of the panel's record (PanelQuery). All read only: the panel's mouse
// handling clears the buttons after it has acted on them, the wheel seek clears the notch.
namespace panel_query {
inline constexpr int kLeftState = 0;   // PanelLeft; 3 for a double click of either button
inline constexpr int kX = 1;           // client point of the last button event
inline constexpr int kY = 2;
inline constexpr int kRightState = 3;  // PanelRight
inline constexpr int kMiddle = 4;      // 1 after a middle press
inline constexpr int kLeftHeld = 5;    // 1 between a left press and its release
inline constexpr int kHover = 6;       // 1 while the cursor is over the display text
inline constexpr int kButtons = 7;     // 1 while any button event waits for the tick
inline constexpr int kMoveX = 8;       // cursor point of the last move
inline constexpr int kMoveY = 9;
inline constexpr int kWheel = 11;      // -1 / +1
}  // namespace panel_query

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
//   moveEvent              OnMove(pos().x(), pos().y())
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
    void OnMove(int x, int y);
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

    // Queries numbered in video_query; unknown numbers answer 0.
    int VideoInput(int query);
    // Kinds numbered in video_reset; unknown kinds do nothing.
    void VideoInputReset(int kind);
    bool FullScreenMark() const { return fullScreenMark_; }

    // Queries numbered in panel_query; unknown numbers answer 0.
    int PanelQuery(int query) const;
    const PanelRecord& Panel() const { return panel_; }
    // After the tick acted on the buttons: clears the point, the button states and the middle
    // flag. An event that came before the tick saw the previous one becomes the next state.
    void PanelResetButtons();
    void PanelResetNotch() { panel_.wheel = 0; }

private:
    ChildWindow role_;

    // Video window.
    bool fullScreenMark_ = false;
    bool leftClick_ = false;
    bool rightClick_ = false;
    bool middleClick_ = false;
    // The right press came outside full screen; a press that leaves full screen opens no menu.
    bool rightDownWindowed_ = false;
    bool menuClick_ = false;
    int positionX_ = 0;
    int positionY_ = 0;
    std::optional<Position> userPosition_;
    bool pressed_ = false;

    // Panel; its wheel notch serves the video window too.
    PanelRecord panel_;
    // One event per button that came while the tick had not yet seen the previous one, so a
    // click quicker than a tick still reaches the tick as a press and then a release.
    struct Pending {
        bool set = false;
        int state = 0;
        int x = 0;
        int y = 0;
    };
    Pending leftPending_;
    Pending rightPending_;
    void RecordLeft(PanelLeft s, int x, int y);
    void RecordRight(PanelRight s, int x, int y);
};

}  // namespace felux
