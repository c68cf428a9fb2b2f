// The full-screen state machine: entering and leaving, panel and cursor, mouse volume, button navigation.
#pragma once

#include <optional>

#include "model/Point.h"
#include "platform/DisplayModes.h"
#include "platform/WindowSystem.h"

namespace felux {

// What full screen needs of the mouse: button state, the cursor's place and visibility.
class FullScreenPort {
public:
    virtual ~FullScreenPort() = default;
    // Held now; reading also consumes a press recorded since the last read.
    virtual bool LeftButtonDown() = 0;
    virtual bool RightButtonDown() = 0;
    virtual Point CursorPosition() = 0;
    virtual void MoveCursor(Point p) = 0;
    virtual void ShowCursor(bool show) = 0;
    // Forgets held buttons, so none counts as held across a display mode switch.
    virtual void ReleaseMouseButtons() = 0;
};

enum class FullScreenState { Windowed = 0, Entering = 1, PanelHidden = 2, PanelShown = 3 };

struct FullScreenOptions {
    bool switchDisplayMode = false;  // fullScreenModeOn
    int displayModeNumber = 0;       // fullScreenModeNumber
    Size displayModeSize;            // fullScreenWidth x fullScreenHeight
    bool hideCursor = true;          // hideCursorInFullScreen
    bool mouseVolume = true;
};

// What the caller carries out after a step; everything false means nothing to do.
struct FullScreenEffects {
    bool resetVideoInput = false;      // clear the video window's click flags
    bool rememberVideoWindow = false;  // entered from a window: keep its place to return to
    bool restoreWindows = false;       // left: windows back to their places, relayout
    bool mouseReleaseWatch = false;    // the display mode changed: watch the buttons for 7 ticks
    bool redraw = false;
    bool focusReset = false;
    bool showReadout = false;  // show the zoom read-out (countdown 35)
    bool middleClick = false;
    bool nextEntry = false;
    bool previousEntry = false;
    std::optional<int> volumeLevel;  // the new knob level, 0..62, when the mouse changed it

    void Merge(const FullScreenEffects& other);
};

// Inputs of one tick in full screen.
struct FullScreenTick {
    bool middleClick = false;  // recorded by the video window since the last tick
    Rect mainWindow;           // the panel's place, 407 x 50
    std::optional<Rect> editorWindow;  // while the playlist editor is shown
    int volumeLevel = 0;
};

class FullScreenController {
public:
    static constexpr int kEnterDebounceTicks = 6;
    static constexpr int kToggleDebounceTicks = 3;
    static constexpr int kKeepAwakeTicks = 700;

    FullScreenController(FullScreenPort& port, DisplayModes& modes);

    // `screen` is the desktop's size. Button navigation: in full screen a left click goes
    // to the previous entry, a right click to the next, both leave.
    FullScreenEffects Enter(const FullScreenOptions& options, Size screen, bool buttonNavigation);
    FullScreenEffects Tick(const FullScreenTick& in);
    // Harmless when not in full screen.
    FullScreenEffects Leave();
    // True when the display should be kept awake with a key tap this tick; counts only
    // while in full screen with power management off.
    bool KeepAwakeTick(bool powerManagementOff);

    FullScreenState State() const { return state_; }
    bool IsFullScreen() const { return fullScreen_; }
    // Mouse volume switched on or off while in full screen; the gesture starts afresh.
    void SetMouseVolume(bool on) {
        options_.mouseVolume = on;
        ResetMouseVolume();
    }
    // The display mode was switched and has not been restored yet.
    bool DisplayModeChanged() const { return modeChanged_; }
    // The screen the layout uses: the display mode's size while a switch is in force.
    Size Screen() const { return layoutScreen_; }

private:
    void ResetMouseVolume();
    void HideCursor();
    void RevealCursor();
    void MouseVolume(Point cursor, int level, FullScreenEffects& out);
    void Navigate(bool left, bool right, FullScreenEffects& out);
    bool WholeLeftClick(bool left, bool right, FullScreenEffects& out);

    FullScreenPort& port_;
    DisplayModes& modes_;
    FullScreenOptions options_;
    FullScreenState state_ = FullScreenState::Windowed;
    bool fullScreen_ = false;
    bool buttonNavigation_ = false;
    bool modeChanged_ = false;
    bool cursorHidden_ = false;
    Size layoutScreen_;
    Size desktopScreen_;
    int debounce_ = 0;
    bool leftWasDown_ = false;
    bool overPanel_ = false;
    int navigationMarks_ = 0;
    int volumeCountdown_ = 0;
    int volumeTravel_ = 0;
    int keepAwakeCounter_ = 0;
};

}  // namespace felux
