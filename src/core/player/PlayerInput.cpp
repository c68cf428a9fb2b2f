// The player's side of the keyboard poll and the wheel seek: the operations they call back.
#include "player/PlayerInput.h"

#include "platform/Keys.h"
#include "player/MainPlayerDlg.h"
#include "playlist/PlaySegmentSuffix.h"

namespace felux {

void RunCommand(MainPlayerDlg& player, PlayerCommand command) { PlayerKeyActions{player}.Command(command); }

void PlayerKeyActions::Command(PlayerCommand command) {
    if (player_.state.requests.Raise(command)) return;
    switch (command) {
        case PlayerCommand::ZoomIn: player_.ZoomStep(1); break;
        case PlayerCommand::ZoomOut: player_.ZoomStep(-1); break;
        case PlayerCommand::AspectChange: player_.AspectChanged(); break;
        case PlayerCommand::LyricsToggle:
            player_.settings.lyricsBelowVideo = player_.settings.lyricsBelowVideo == 0 ? 1 : 0;
            player_.state.requests.newVideoSize = true;
            break;
        case PlayerCommand::Minimise: player_.EnterWindowMode(1); break;
        case PlayerCommand::VideoOnly: player_.EnterWindowMode(2); break;
        case PlayerCommand::Quit: player_.state.exitRequested = 1; break;
        default: break;  // the pending record holds it
    }
}

ScreenPoint PlayerKeyActions::CursorPosition() {
    const Point p = player_.ports_.windows.CursorPosition();
    return {p.x, p.y};
}

void PlayerKeyActions::ShowPopupMenu(PopupMenu menu, ScreenPoint at) { player_.ShowPopupMenu(menu, at); }

void PlayerKeyActions::SynthesiseButtonRelease(int button) { player_.ports_.keys.Release(button); }

bool PlayerKeyActions::FullScreenPanelHidden() { return player_.FullScreenPanelHidden(); }

void PlayerKeyActions::MouseVolumeChanged() { player_.MouseVolumeChanged(); }

void PlayerKeyActions::RequestRedraw() { player_.VideoRegionsChanged(); }

void PlayerKeyActions::ScanLinePatternChanged() {
    player_.ApplySourceRect();
    player_.VideoRegionsChanged();
}

void PlayerKeyActions::ApplyOverscan() {
    player_.ApplySourceRect();
    player_.state.requests.newVideoSize = true;
}

void PlayerKeyActions::ShowSearchIndicator(int direction) { player_.ShowSearchIndicator(direction); }

int PlayerKeyActions::PlaylistCount() { return player_.playlist.count; }

void PlayerKeyActions::CheckABRepeat() { player_.CheckABRepeat(); }

void PlayerKeyActions::AppendSegmentEntry() {
    felux::AppendSegmentEntry(player_.playlist, player_.openFile.path, player_.state.abA, player_.state.abB);
    player_.playlist.RefreshCount();
}

}  // namespace felux

namespace felux {

void PlayerPanelActions::Command(PlayerCommand command) { RunCommand(player_, command); }

ScreenPoint PlayerPanelActions::CursorPosition() {
    const Point p = player_.ports_.windows.CursorPosition();
    return {p.x, p.y};
}

bool PlayerPanelActions::MouseButtonsDown() {
    KeyState& keys = player_.ports_.keys;
    const bool left = keys.Down(vk::LButton);
    const bool right = keys.Down(vk::RButton);
    return left || right;
}

void PlayerPanelActions::StartWindowMove() { player_.ports_.windows.StartSystemMove(WindowId::Main); }

void PlayerPanelActions::MainWindowDoubleClick() { player_.OnMainDoubleClick(); }

void PlayerPanelActions::RequestRelayout() { player_.VideoRegionsChanged(); }

// Keys are recorded for all of the player's windows alike, so no window has to hold the focus
// for them: there is nothing to hand back.
void PlayerPanelActions::RequestFocusReset() {}

void PlayerPanelActions::RequestMenu(PopupMenu menu) { player_.keyboard.RequestMenu(menu); }

void PlayerPanelActions::ApplyPlaybackRate(int permille) { player_.graph.SetRate(permille / 1000.0); }

std::int64_t PlayerPanelActions::Duration() { return player_.graph.duration; }

void PlayerPanelActions::SeekTo(std::int64_t position) { player_.graph.SeekPosition(0, position); }

int PlayerPanelActions::PlaylistCount() { return player_.playlist.count; }

void PlayerPanelActions::CheckABRepeat() { player_.CheckABRepeat(); }

bool PlayerFullScreenPort::LeftButtonDown() { return player_.ports_.keys.FullScreenHit(vk::LButton); }

bool PlayerFullScreenPort::RightButtonDown() { return player_.ports_.keys.FullScreenHit(vk::RButton); }


CursorPoint PlayerFullScreenPort::CursorPosition() {
    const Point p = player_.ports_.windows.CursorPosition();
    return {p.x, p.y};
}

void PlayerFullScreenPort::MoveCursor(CursorPoint p) { player_.ports_.windows.MoveCursor({p.x, p.y}); }

void PlayerFullScreenPort::ShowCursor(bool show) { player_.ports_.windows.ShowCursor(show); }

void PlayerFullScreenPort::ReleaseMouseButtons() { player_.ReleaseMouseButtons(); }

void PlayerVolumeRecord::RegisterVolume() { player_.VolumeLogMode(VolumeMode::Register); }

void PlayerVolumeRecord::ForgetVolume() { player_.VolumeLogMode(VolumeMode::Forget); }

bool PlayerVolumeRecord::RecordPresent() const { return player_.volumeLog.RecordPresent(); }

void MainPlayerDlg::VideoOnlyStep() {
    if (wheel.UseVideoOnlyNotch(state.windowMode == 2, VideoInput(video_query::kWheel)))
        VideoInputReset(video_reset::kClearWheel);
    wheel.DecideFrameStep();
}

void MainPlayerDlg::WheelSeekStep() { wheel.RunWheelSteps(); }

int MainPlayerDlg::PanelQuery(int query) { return panelInput.PanelQuery(query); }

void MainPlayerDlg::PanelResetNotch() { panelInput.PanelResetNotch(); }

int MainPlayerDlg::VideoInput(int query) { return videoInput.VideoInput(query); }

void MainPlayerDlg::VideoInputReset(int kind) { videoInput.VideoInputReset(kind); }

void MainPlayerDlg::HandlePanelMouse() { mouse.HandlePanelMouse(panelInput); }

bool MainPlayerDlg::SkinDragActive() { return mouse.DragActive(); }

}  // namespace felux
