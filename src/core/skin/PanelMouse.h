// The panel's mouse handling on the tick: clicks, holds and double clicks on the skin, and its drags.
#pragma once

#include <cstdint>

#include "model/MediaTime.h"
#include "model/AbLoop.h"
#include "model/InputCommand.h"
#include "model/PlayerState.h"
#include "model/PendingCommands.h"
#include "model/ProgressBar.h"
#include "model/PopupMenu.h"
#include "model/Point.h"
#include "platform/WindowSystem.h"
#include "settings/PlayerSettings.h"
#include "skin/PanelButtons.h"
#include "skin/ChildWindowInput.h"

namespace felux {

// What the panel's mouse handling asks of the player: it raises every change through Command,
// each carried out when the player's command table says, and only reads through the rest.
class PanelActions : public CommandSink {
public:
    // Screen coordinates of the cursor now.
    virtual Point CursorPosition() = 0;
    // True while the left or the right button is held.
    virtual bool MouseButtonsDown() = 0;
    // The open file's duration.
    virtual MediaTime Duration() = 0;
    // The live volume level 0..kVolumeFull, which the knob shows and drags.
    virtual int VolumeLevel() = 0;
    virtual int PlaylistCount() = 0;
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
    // pending: what waits for the command step, read at a release.
    PanelMouse(const PlayerState& state, const PendingCommands& pending, ProgressBar& progress,
               const PlayerSettings& settings, PanelButtons& buttons, PanelActions& actions, AbLoop& abLoop);

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
    const PendingCommands& pending_;
    ProgressBar& progress_;
    const PlayerSettings& settings_;
    PanelButtons& buttons_;
    PanelActions& actions_;
    AbLoop& abLoop_;
};

}  // namespace felux
