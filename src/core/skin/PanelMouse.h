// The panel's mouse handling on the tick: clicks, holds and double clicks on the skin, and its drags.
#pragma once

#include <cstdint>

#include "model/MediaTime.h"
#include "model/PlayerCommand.h"
#include "model/AbLoop.h"
#include "model/PlayerState.h"
#include "model/ProgressBar.h"
#include "model/PopupMenu.h"
#include "model/Point.h"
#include "platform/WindowSystem.h"
#include "settings/PlayerSettings.h"
#include "skin/PanelButtons.h"
#include "skin/ChildWindowInput.h"

namespace felux {

// Operations of other subsystems that the panel's buttons start; the buttons' commands go
// through Command. The Request calls are carried out later on the tick, never inside this handling.
class PanelActions : public CommandSink {
public:
    // Screen coordinates of the cursor now.
    virtual Point CursorPosition() = 0;
    // True while the left or the right button is held.
    virtual bool MouseButtonsDown() = 0;
    // The system moves the panel with the held button; the main window follows it.
    virtual void StartWindowMove() = 0;

    // A left double click on the panel's bare surface counts as one on the main window.
    virtual void MainWindowDoubleClick() = 0;
    // Scan lines or the line mask changed: shape the video window again and redraw.
    virtual void RequestRelayout() = 0;
    // Hand the keyboard focus back to the main window once no relayout is pending.
    virtual void RequestFocusReset() = 0;
    // Opened a few ticks later by the keyboard poll, at the cursor.
    virtual void RequestMenu(PopupMenu menu) = 0;

    // Rate in per mille of normal speed; only called while a file is open.
    virtual void ApplyPlaybackRate(int permille) = 0;
    // A double click on PLAY put the playing speed back to normal; the chosen one stays.
    virtual void SetPlayingRate(int permille) = 0;
    // The open file's duration and an absolute seek.
    virtual MediaTime Duration() = 0;
    virtual void SeekTo(MediaTime position) = 0;
    // The live volume level 0..kVolumeFull, which the knob shows and drags.
    virtual int VolumeLevel() = 0;
    virtual void SetVolumeLevel(int level) = 0;
    virtual int PlaylistCount() = 0;
    // The A-B state just changed to 0..3.
    virtual void CheckABRepeat() = 0;
};

enum class DragState { None, Armed, Dragging };
// A drag that ended without a release on the panel: the buttons came up elsewhere, or the
// cursor left the grabbed control, which cancels the click.
enum class ForcedRelease { None, ButtonsUp, LeftControl };
// The minimise box's first stage remembers the button; the release makes it a request.
enum class MinimiseStage { None, Left, Right };

// Mouse handling state that lives beside the player state.
struct PanelMouseState {
    DragState drag = DragState::None;
    bool volumeDrag = false;
    bool seekDrag = false;
    bool windowDrag = false;
    Point lastCursor;  // where the cursor was when the drag last moved
    Rect grabbed;            // in screen coordinates
    // Handled like a left release on the same tick, then cleared.
    ForcedRelease forcedRelease = ForcedRelease::None;
    MinimiseStage minimiseStage = MinimiseStage::None;
    // A right press on FULL: in full screen the buttons then step through the list.
    bool buttonNavigation = false;
};

class PanelMouse {
public:
    PanelMouse(const PlayerState& state, PendingCommands& requests, ProgressBar& progress, PlayerSettings& settings,
               PanelButtons& buttons, PanelActions& actions, AbLoop& abLoop);

    // Once a tick, when the panel reports a button or a drag runs, and not under a modal
    // dialog. Acts on what the panel recorded and then clears its buttons.
    void HandlePanelMouse(ChildWindowInput& panel);
    bool DragActive() const { return mouseState.drag == DragState::Dragging; }
    // A left press at this panel point falls on no control, so it moves the window. The window
    // system asks at the press itself: a move must start while the button is still held.
    bool MovesWindowAt(int x, int y) const;

    PanelMouseState mouseState;

private:
    void Drag(Point cursor);
    void LeftDown(int x, int y, Point cursor);
    void Release(ForcedRelease forced);
    void DoubleClick(int x, int y, bool left);
    void RightDown(int x, int y, Point cursor);
    void RightUp(int x, int y);
    void EndPlayHold();
    void AdvanceMinimiseStage();
    void EndDrag(ForcedRelease forced);
    void SeekToProgress();
    // Grabs the control for the drag when the drag is armed.
    bool HitAndGrab(Rect r, int x, int y, Point cursor);

    bool Stopped() const { return state_.playback.mediaClosed; }
    bool FullScreen() const { return state_.layout.fullScreen; }

    const PlayerState& state_;
    PendingCommands& requests_;
    ProgressBar& progress_;
    PlayerSettings& settings_;
    PanelButtons& buttons_;
    PanelActions& actions_;
    AbLoop& abLoop_;
};

}  // namespace felux
