// The player's side of the keyboard poll and the wheel seek: the operations they call back.
#include "player/PlayerInput.h"

#include "player/MainPlayerDlg.h"
#include "playlist/PlaySegmentSuffix.h"

namespace felux {

ScreenPoint PlayerKeyActions::CursorPosition() {
    const Point p = player_.ports_.windows.CursorPosition();
    return {p.x, p.y};
}

void PlayerKeyActions::ShowPopupMenu(PopupMenu menu, ScreenPoint at) { player_.ShowPopupMenu(menu, at); }

void PlayerKeyActions::SynthesiseButtonRelease(int button) { player_.ports_.keys.Release(button); }

bool PlayerKeyActions::FullScreenPanelHidden() { return player_.FullScreenPanelHidden(); }

void PlayerKeyActions::MouseVolumeChanged() { player_.MouseVolumeChanged(); }

void PlayerKeyActions::RequestZoomUp() { player_.ZoomStep(1); }

void PlayerKeyActions::RequestZoomDown() { player_.ZoomStep(-1); }

void PlayerKeyActions::RequestLyricsToggle() {
    player_.settings.lyricsBelowVideo = player_.settings.lyricsBelowVideo == 0 ? 1 : 0;
    player_.state.requests.newVideoSize = 1;
}

void PlayerKeyActions::RequestAspectChange() { player_.AspectChanged(); }

void PlayerKeyActions::RequestRedraw() { player_.VideoRegionsChanged(); }

void PlayerKeyActions::ScanLinePatternChanged() {
    player_.ApplySourceRect();
    player_.VideoRegionsChanged();
}

void PlayerKeyActions::ApplyOverscan() {
    player_.ApplySourceRect();
    player_.state.requests.newVideoSize = 1;
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

void PlayerVolumeRecord::RegisterVolume() { player_.VolumeLogMode(VolumeMode::Register); }

void PlayerVolumeRecord::ForgetVolume() { player_.VolumeLogMode(VolumeMode::Forget); }

void MainPlayerDlg::VideoOnlyStep() { wheel.DecideFrameStep(); }

void MainPlayerDlg::WheelSeekStep() { wheel.RunWheelSteps(); }

}  // namespace felux
