// The full-screen state machine: entering and leaving, panel and cursor, mouse volume, button navigation.
#include "video/FullScreen.h"

#include <algorithm>
#include <cstdlib>

namespace felux {
namespace {

constexpr int kVolumeMax = 62;
constexpr int kVolumeStep = 3;
// Vertical travel (pixels) that arms the mouse volume, and the ticks it stays armed.
constexpr int kArmTravel = 70;
constexpr int kArmedTicks = 42;
// Armed ticks above this only settle: the arming movement must not change the volume.
constexpr int kSettledTicks = 30;
constexpr int kTravelPerStep = 55;
// Less than a step is taken back per step, so a steady movement keeps stepping.
constexpr int kTravelTakenPerStep = 50;

constexpr int kNavigateNext = 1;
constexpr int kNavigatePrevious = 2;
constexpr int kNavigateLeave = 3;

bool Inside(const Rect& r, Point p) {
    return p.x >= r.x && p.x < r.x + r.width && p.y >= r.y && p.y < r.y + r.height;
}

}  // namespace

void FullScreenEffects::Merge(const FullScreenEffects& o) {
    resetVideoInput |= o.resetVideoInput;
    rememberVideoWindow |= o.rememberVideoWindow;
    restoreWindows |= o.restoreWindows;
    mouseReleaseWatch |= o.mouseReleaseWatch;
    redraw |= o.redraw;
    focusReset |= o.focusReset;
    showReadout |= o.showReadout;
    middleClick |= o.middleClick;
    nextEntry |= o.nextEntry;
    previousEntry |= o.previousEntry;
    if (o.volumeLevel) volumeLevel = o.volumeLevel;
}

FullScreenController::FullScreenController(FullScreenPort& port, DisplayModes& modes) : port_(port), modes_(modes) {}

void FullScreenController::ResetMouseVolume() {
    volumeCountdown_ = 0;
    volumeTravel_ = 0;
}

void FullScreenController::HideCursor() {
    if (cursorHidden_) return;
    port_.ShowCursor(false);
    cursorHidden_ = true;
}

void FullScreenController::RevealCursor() {
    if (!cursorHidden_) return;
    port_.ShowCursor(true);
    cursorHidden_ = false;
}

FullScreenEffects FullScreenController::Enter(const FullScreenOptions& options, Size screen, bool buttonNavigation) {
    FullScreenEffects out;
    options_ = options;
    buttonNavigation_ = buttonNavigation;
    if (!fullScreen_) {
        desktopScreen_ = screen;
        layoutScreen_ = screen;
    }
    if (options.switchDisplayMode) {
        if (!modeChanged_) {
            const std::optional<DisplayMode> mode = modes_.Enumerate(options.displayModeNumber);
            // The layout follows the mode only when the switch happened; a refused mode
            // leaves the desktop as it is, and so its size.
            if (mode && mode->width > 0 && mode->height > 0 && modes_.Switch(options.displayModeNumber)) {
                modeChanged_ = true;
                layoutScreen_ = {mode->width, mode->height};
            }
        }
        port_.ReleaseMouseButtons();
        out.mouseReleaseWatch = true;
    }
    out.resetVideoInput = true;
    debounce_ = kEnterDebounceTicks;
    state_ = FullScreenState::PanelHidden;
    if (!fullScreen_) out.rememberVideoWindow = true;
    fullScreen_ = true;
    if (options.hideCursor) HideCursor();
    ResetMouseVolume();
    // Consume presses made before entering, so the click that entered does not count.
    port_.LeftButtonDown();
    port_.RightButtonDown();
    leftWasDown_ = false;
    overPanel_ = false;
    navigationMarks_ = 0;
    out.redraw = true;
    return out;
}

FullScreenEffects FullScreenController::Leave() {
    FullScreenEffects out;
    if (!fullScreen_ && state_ == FullScreenState::Windowed) return out;
    // Whenever hidden, even if cursor hiding was switched off meanwhile: it must come back.
    RevealCursor();
    out.resetVideoInput = true;
    fullScreen_ = false;
    state_ = FullScreenState::Windowed;
    out.restoreWindows = true;
    if (modeChanged_) {
        layoutScreen_ = desktopScreen_;
        modes_.Restore();
        port_.ReleaseMouseButtons();
        out.mouseReleaseWatch = true;
        modeChanged_ = false;
    }
    buttonNavigation_ = false;
    navigationMarks_ = 0;
    leftWasDown_ = false;
    overPanel_ = false;
    debounce_ = 0;
    out.showReadout = true;
    return out;
}

void FullScreenController::MouseVolume(Point cursor, int level, FullScreenEffects& out) {
    const int middle = layoutScreen_.height / 2;
    volumeTravel_ += cursor.y - middle;
    if (volumeCountdown_ < 1) {
        if (std::abs(volumeTravel_) >= kArmTravel) {
            volumeCountdown_ = kArmedTicks;
            volumeTravel_ = 0;
        }
    } else {
        volumeCountdown_ = std::max(0, volumeCountdown_ - 1);
        if (volumeCountdown_ > kSettledTicks) {
            volumeTravel_ = 0;
        } else {
            const int steps = volumeTravel_ / kTravelPerStep;
            if (steps != 0) {
                // Down lowers the volume, up raises it.
                const int knob = std::clamp(level + (steps > 0 ? -kVolumeStep : kVolumeStep), 0, kVolumeMax);
                if (knob != level) out.volumeLevel = knob;
                volumeTravel_ -= steps * kTravelTakenPerStep;
                volumeCountdown_ = kSettledTicks;
            }
        }
    }
    // Armed: keep the cursor in the middle so there is always room to move either way.
    if (volumeCountdown_ > 0) port_.MoveCursor({cursor.x, middle});
}

void FullScreenController::Navigate(bool left, bool right, FullScreenEffects& out) {
    if (right) navigationMarks_ |= kNavigateNext;
    if (left) navigationMarks_ |= kNavigatePrevious;
    if (left || right) return;
    const int marks = navigationMarks_;
    navigationMarks_ = 0;
    if (marks == kNavigateNext) out.nextEntry = true;
    if (marks == kNavigatePrevious) out.previousEntry = true;
    if (marks == kNavigateLeave) out.Merge(Leave());
}

FullScreenEffects FullScreenController::Tick(const FullScreenTick& in) {
    FullScreenEffects out;
    if (state_ != FullScreenState::PanelHidden && state_ != FullScreenState::PanelShown) return out;
    out.middleClick = in.middleClick;
    if (debounce_ > 0) {
        --debounce_;
        return out;
    }
    const bool left = port_.LeftButtonDown();
    const bool right = port_.RightButtonDown();
    out.focusReset = left;
    if (!left && !right && state_ == FullScreenState::PanelShown) overPanel_ = false;
    const Point cursor = port_.CursorPosition();

    if (state_ == FullScreenState::PanelHidden) {
        if (options_.mouseVolume && options_.hideCursor) MouseVolume(cursor, in.volumeLevel, out);
        if (buttonNavigation_) {
            Navigate(left, right, out);
            return out;
        }
        if (WholeLeftClick(left, right, out)) {
            // A whole click, press and release, shows the panel.
            RevealCursor();
            state_ = FullScreenState::PanelShown;
            out.showReadout = true;
            out.redraw = true;
            debounce_ = kToggleDebounceTicks;
        }
        return out;
    }

    // The panel is shown: clicks on it or on the editor belong to them until both buttons are up.
    if (overPanel_ || Inside(in.mainWindow, cursor) || (in.editorWindow && Inside(*in.editorWindow, cursor))) {
        overPanel_ = true;
        leftWasDown_ = false;
        return out;
    }
    if (WholeLeftClick(left, right, out)) {
        ResetMouseVolume();
        if (options_.hideCursor) HideCursor();
        state_ = FullScreenState::PanelHidden;
        out.redraw = true;
        debounce_ = kToggleDebounceTicks;
    }
    return out;
}

// A right press leaves at once; true on the tick a left press has been released.
bool FullScreenController::WholeLeftClick(bool left, bool right, FullScreenEffects& out) {
    if (right) {
        out.Merge(Leave());
    } else if (left) {
        leftWasDown_ = true;
    } else if (leftWasDown_) {
        leftWasDown_ = false;
        return true;
    }
    return false;
}

bool FullScreenController::KeepAwakeTick(bool powerManagementOff) {
    if (!fullScreen_ || !powerManagementOff) return false;
    const bool tap = keepAwakeCounter_ >= kKeepAwakeTicks;
    if (tap) keepAwakeCounter_ = 0;
    ++keepAwakeCounter_;
    return tap;
}

}  // namespace felux
