// The panel's mouse handling on the tick: clicks, holds and double clicks on the skin, and its drags.
#include "skin/PanelMouse.h"

#include <algorithm>
#include <cstdint>

#include "engine/Volume.h"
#include "skin/PanelHitTest.h"

namespace felux {

namespace {

constexpr int kProgressPixels = skin::kProgressMax + 1;

}  // namespace

using skin::Hits;

PanelMouse::PanelMouse(const PlayerState& state, const PendingCommands& pending, ProgressBar& progress,
                       const PlayerSettings& settings, PanelButtons& buttons, PanelActions& actions, AbLoop& abLoop)
    : state_(state),
      pending_(pending),
      progress_(progress),
      settings_(settings),
      buttons_(buttons),
      actions_(actions),
      abLoop_(abLoop) {}

void PanelMouse::HandlePanelMouse(ChildWindowInput& panel) {
    const Point cursor = actions_.CursorPosition();
    if (mouseState.drag == DragState::Dragging) Drag(cursor);

    const PanelRecord& rec = panel.Panel();
    // A release, or a drag that ended, first: a press recorded on the same tick is newer.
    if (rec.left == PanelLeft::Up || mouseState.forcedRelease != ForcedRelease::None) {
        Release(mouseState.forcedRelease);
        mouseState.forcedRelease = ForcedRelease::None;
    }
    if (rec.left == PanelLeft::Down) LeftDown(rec.x, rec.y, cursor);
    if (rec.left == PanelLeft::DoubleClick || rec.left == PanelLeft::RightDoubleClick)
        DoubleClick(rec.x, rec.y, rec.left == PanelLeft::DoubleClick);
    if (rec.right == PanelRight::Down) RightDown(rec.x, rec.y, cursor);
    if (rec.right == PanelRight::Up) RightUp(rec.x, rec.y);
    if (rec.middle) actions_.Command(PlayerCommand::PlayPause);
    panel.PanelResetButtons();
}

bool PanelMouse::HitAndGrab(Rect r, int x, int y, Point cursor) {
    if (!Hits(r, x, y)) return false;
    if (mouseState.drag == DragState::Armed) {
        mouseState.grabbed = {cursor.x + r.x - x, cursor.y + r.y - y, r.width, r.height};
        mouseState.lastCursor = cursor;
        mouseState.drag = DragState::Dragging;
    }
    return true;
}

void PanelMouse::EndDrag(ForcedRelease forced) {
    mouseState.drag = DragState::None;
    mouseState.forcedRelease = forced;
}

// Knob and seek drags follow the cursor's horizontal travel since the last tick; any other
// grabbed control is let go of when the cursor leaves it.
void PanelMouse::Drag(Point cursor) {
    if (!actions_.MouseButtonsDown()) {
        EndDrag(ForcedRelease::ButtonsUp);
        return;
    }
    // No drag needs more than the bar's length a tick; the clamp keeps any cursor report in range.
    const auto travel = static_cast<std::int64_t>(cursor.x) - mouseState.lastCursor.x;
    const int dx = static_cast<int>(std::clamp<std::int64_t>(travel, -kProgressPixels, kProgressPixels));
    if (mouseState.volumeDrag) {
        mouseState.lastCursor = cursor;
        const int level = std::clamp(actions_.VolumeLevel() + dx, 0, kVolumeFull);
        if (level != actions_.VolumeLevel()) {
            actions_.Command(SetLiveLevel{level});
            actions_.Command(PlayerCommand::VolumeChanged);
        }
    } else if (mouseState.seekDrag) {
        mouseState.lastCursor = cursor;
        // Keeps the command step from moving the bar back to the playing position.
        actions_.Command(PlayerCommand::HoldProgress);
        const int progress = std::clamp(progress_.Pixel() + dx, 0, skin::kProgressMax);
        if (progress != progress_.Pixel()) {
            progress_.Place(progress);
            SeekToProgress();
        }
    } else if (!Hits(mouseState.grabbed, cursor.x, cursor.y)) {
        EndDrag(ForcedRelease::LeftControl);
    }
}

void PanelMouse::SeekToProgress() {
    const MediaTime duration = actions_.Duration();
    if (Stopped() || duration <= MediaTime{}) return;
    actions_.Command(ScrubTo{progress_.Position(duration)});
}

bool PanelMouse::MovesWindowAt(int x, int y) const {
    const Rect everywhere[] = {skin::kPlayButton,   skin::kStopHit,      skin::kStillHit,
                               skin::kBackButton,   skin::kNextButton,   skin::kZoomMinusHit,
                               skin::kZoomPlusHit,  skin::kScanLineBox,  skin::kLineMaskBox,
                               skin::VolumeKnobHit(actions_.VolumeLevel()),  skin::kProgressHit,
                               skin::kRepeatLabel,  skin::kShuffleLabel, skin::kPowerButton};
    const Rect windowedOnly[] = {skin::kFileHit, skin::kConfigButton, skin::kFullHit, skin::kMinimiseBox};
    const auto hit = [&](const Rect& r) { return Hits(r, x, y); };
    if (std::any_of(std::begin(everywhere), std::end(everywhere), hit)) return false;
    return FullScreen() || std::none_of(std::begin(windowedOnly), std::end(windowedOnly), hit);
}

// The first control hit, in this order, takes the press.
void PanelMouse::LeftDown(int x, int y, Point cursor) {
    HeldButtons& held = buttons_.held;
    mouseState.lastCursor = cursor;
    if (Hits(skin::kPlayButton, x, y)) {
        actions_.Command(PlayerCommand::Play);
        held.play = true;
        buttons_.ramp.Press(RampDirection::Slower);
    } else if (Hits(skin::kStopHit, x, y)) {
        actions_.Command(PlayerCommand::Stop);
        held.stop = true;
    } else if (Hits(skin::kStillHit, x, y)) {
        actions_.Command(PlayerCommand::PauseToggle);
        held.still = true;
    } else if (Hits(skin::kBackButton, x, y)) {
        held.back = true;
        actions_.Command(PlayerCommand::ClearBackSearch);
    } else if (Hits(skin::kNextButton, x, y)) {
        held.next = true;
        actions_.Command(PlayerCommand::ClearForwardSearch);
    } else if (!FullScreen() && Hits(skin::kFileHit, x, y)) {
        actions_.Command(PlayerCommand::OpenFile);
    } else if (!FullScreen() && Hits(skin::kConfigButton, x, y)) {
        held.config = true;
    } else if (Hits(skin::kZoomMinusHit, x, y)) {
        held.zoomMinus = true;
    } else if (Hits(skin::kZoomPlusHit, x, y)) {
        held.zoomPlus = true;
    } else if (!FullScreen() && Hits(skin::kFullHit, x, y)) {
        held.full = true;
        mouseState.buttonNavigation = false;
    } else if (Hits(skin::kScanLineBox, x, y)) {
        actions_.Command(EditSettings{ToggleScanLines{}});
        actions_.Command(PlayerCommand::VideoRegionsChanged);
    } else if (Hits(skin::kLineMaskBox, x, y)) {
        actions_.Command(EditSettings{CycleLineMask{}});
        actions_.Command(PlayerCommand::VideoRegionsChanged);
    } else if (Hits(skin::VolumeKnobHit(actions_.VolumeLevel()), x, y)) {
        mouseState.drag = DragState::Armed;
        HitAndGrab(skin::VolumeKnobHit(actions_.VolumeLevel()), x, y, cursor);
        mouseState.volumeDrag = true;
    } else if (Hits(skin::kProgressHit, x, y)) {
        mouseState.drag = DragState::Armed;
        HitAndGrab(skin::kProgressHit, x, y, cursor);
        if (!Stopped()) {
            actions_.Command(PlayerCommand::HoldProgress);
            mouseState.seekDrag = true;
            progress_.Place(skin::ProgressAt(x));
            SeekToProgress();
        }
    } else if (Hits(skin::kRepeatLabel, x, y)) {
        actions_.Command(PlayerCommand::RepeatToggle);
    } else if (Hits(skin::kShuffleLabel, x, y)) {
        actions_.Command(PlayerCommand::ShuffleToggle);
    } else if (!FullScreen() && Hits(skin::kMinimiseBox, x, y)) {
        mouseState.minimiseStage = MinimiseStage::Left;
    } else if (Hits(skin::kPowerButton, x, y)) {
        held.power = true;
    } else {
        mouseState.drag = DragState::None;
        mouseState.windowDrag = true;
        actions_.Command(PlayerCommand::StartWindowMove);
    }
    // Full screen needs a file.
    if (Stopped() && !FullScreen()) {
        held.full = false;
        actions_.Command(PlayerCommand::WithdrawFullScreen);
    }
}

// A left release, or a drag that ended.
void PanelMouse::Release(ForcedRelease forced) {
    const PendingCommands& req = pending_;
    HeldButtons& held = buttons_.held;
    const bool cancelled = forced == ForcedRelease::LeftControl;
    actions_.Command(PlayerCommand::FocusReset);
    buttons_.rateLocked = false;
    mouseState.drag = DragState::None;
    mouseState.volumeDrag = false;
    mouseState.seekDrag = false;
    mouseState.windowDrag = false;
    actions_.Command(PlayerCommand::FollowProgress);

    EndPlayHold();
    // Stop, still and file acted at the press.
    held.stop = false;
    held.still = false;
    actions_.Command(PlayerCommand::WithdrawPress);

    if (held.config && !cancelled) actions_.Command(PlayerCommand::Settings);
    if (held.zoomMinus && !cancelled) actions_.Command(PlayerCommand::ZoomOut);
    if (held.zoomPlus && !cancelled) actions_.Command(PlayerCommand::ZoomIn);
    if (held.full) actions_.Command(PlayerCommand::FullScreenToggle);
    held.config = false;
    held.zoomMinus = false;
    held.zoomPlus = false;
    held.full = false;

    AdvanceMinimiseStage();

    if (held.power && !cancelled && !state_.ModalDialogUp()) actions_.Command(PlayerCommand::Quit);
    held.power = false;

    // A click steps once; a hold that was asked for or runs ends. Ending a hold the command
    // step has not started yet keeps it from starting after the button is up.
    const auto endSequence = [&](bool& heldFlag, SearchPhase phase, PlayerCommand step, PlayerCommand end) {
        if (!heldFlag) return;
        if (phase == SearchPhase::Idle && !cancelled) actions_.Command(step);
        if (phase == SearchPhase::Start || phase == SearchPhase::Searching) actions_.Command(end);
        heldFlag = false;
    };
    endSequence(held.back, req.rewind, PlayerCommand::PreviousEntry, PlayerCommand::SearchBackEnd);
    endSequence(held.next, req.fastForward, PlayerCommand::NextEntry, PlayerCommand::SearchForwardEnd);
}

void PanelMouse::EndPlayHold() {
    if (!buttons_.held.play) return;
    actions_.Command(PlayerCommand::WithdrawPlay);
    buttons_.held.play = false;
    buttons_.ramp.Release();
    if (!Stopped()) actions_.Command(SetRate{state_.playback.playbackRate});
}

void PanelMouse::AdvanceMinimiseStage() {
    if (mouseState.minimiseStage == MinimiseStage::Left) actions_.Command(PlayerCommand::Minimise);
    if (mouseState.minimiseStage == MinimiseStage::Right) actions_.Command(PlayerCommand::VideoOnly);
    mouseState.minimiseStage = MinimiseStage::None;
}

void PanelMouse::DoubleClick(int x, int y, bool left) {
    // Bare area stands for the main window, where only a left double click switches video-only mode.
    if (!FullScreen() && MovesWindowAt(x, y)) {
        if (left) actions_.Command(PlayerCommand::MainWindowDoubleClick);
        return;
    }
    if (!Hits(skin::kPlayButton, x, y)) return;
    int rate = state_.playback.playbackRate;
    buttons_.ramp.ResetToNormal(rate);
    actions_.Command(SetPlayingRate{rate});
    if (!Stopped()) actions_.Command(SetRate{rate});
}

// Every right press arms the drag, so the first control hit is let go of when the cursor
// leaves it. The first control hit, in this order, takes the press.
void PanelMouse::RightDown(int x, int y, Point cursor) {
    HeldButtons& held = buttons_.held;
    // A knob or seek drag already under way keeps its control.
    if (mouseState.drag != DragState::Dragging) mouseState.drag = DragState::Armed;
    const auto grab = [&](Rect r) { return HitAndGrab(r, x, y, cursor); };
    if (grab(skin::kPlayButton)) {
        held.play = true;
        buttons_.ramp.Press(RampDirection::Faster);
    } else if (!FullScreen() && grab(skin::kMinimiseBox)) {
        mouseState.minimiseStage = MinimiseStage::Right;
    } else if (grab(skin::kBackButton)) {
        // The start also searches once, so a short press still searches.
        actions_.Command(PlayerCommand::SearchBackStart);
        held.back = true;
    } else if (grab(skin::kNextButton)) {
        actions_.Command(PlayerCommand::SearchForwardStart);
        held.next = true;
    } else if (grab(skin::kFileUpperHit)) {
        actions_.Command(PlayerCommand::EditorToggle);
    } else if (!Stopped() && !FullScreen() && grab(skin::kFullHit)) {
        held.full = true;
        mouseState.buttonNavigation = true;
    } else if (grab(skin::kDisplayText)) {
        actions_.Command(AskMenu{PopupMenu::Playlist});
    } else if (grab(skin::kLogoHit)) {
        actions_.Command(AskMenu{PopupMenu::History});
    } else if (grab(skin::kConfigButton)) {
        // Shown only while an MP3 or RMP file with its information is open.
        actions_.Command(AskMenu{PopupMenu::FileInfo});
    } else if (grab(skin::kProgressHit)) {
        if (!Stopped() && actions_.PlaylistCount() > 0) {
            abLoop_.Step();
            // Looping (4) starts from the points already marked.
            if (!abLoop_.Looping()) actions_.Command(PlayerCommand::CheckABRepeat);
        }
    } else if (grab(skin::kVolumeBar)) {
        if (settings_.volumeLogEnabled != 0) buttons_.volumeModeRequest = 1;
    }
}

void PanelMouse::RightUp(int x, int y) {
    mouseState.drag = DragState::None;
    if (Hits(skin::kDisplayUpperHalf, x, y) || Hits(skin::kDisplayLowerHalf, x, y)) {
        actions_.Command(EditSettings{ToggleLyricsPanel{}});
    }
    AdvanceMinimiseStage();
    EndPlayHold();
    HeldButtons& held = buttons_.held;
    if (held.back) actions_.Command(PlayerCommand::SearchBackEnd);
    if (held.next) actions_.Command(PlayerCommand::SearchForwardEnd);
    held.back = false;
    held.next = false;
    actions_.Command(PlayerCommand::FocusReset);
}

}  // namespace felux
