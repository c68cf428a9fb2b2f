// The player's side of the keyboard poll and the wheel seek: the operations they call back.
#include "player/PlayerInput.h"

#include "platform/Keys.h"
#include "player/Player.h"
#include "playlist/PlaySegmentSuffix.h"

namespace felux {

void PlayerKeyActions::Command(PlayerCommand command) { player_.Command(command); }

Point PlayerKeyActions::CursorPosition() { return windows_.CursorPosition(); }

void PlayerKeyActions::ShowPopupMenu(PopupMenu menu, Point at) { player_.popups.Show(menu, at); }

void PlayerKeyActions::SynthesiseButtonRelease(MouseButton button) { keys_.Release(vk::ButtonKey(button)); }

bool PlayerKeyActions::FullScreenPanelHidden() { return player_.layout.FullScreenPanelHidden(); }

void PlayerKeyActions::StopWheelSeek() { player_.wheel.Stop(); }
void PlayerKeyActions::MouseVolumeChanged() { player_.layout.MouseVolumeChanged(); }

void PlayerKeyActions::RequestRedraw() { player_.layout.VideoRegionsChanged(); }

void PlayerKeyActions::ScanLinePatternChanged() {
    player_.playback.ApplySourceRect();
    player_.layout.VideoRegionsChanged();
}

void PlayerKeyActions::ApplyOverscan() {
    player_.playback.ApplySourceRect();
    player_.state.requests.newVideoSize = true;
}

void PlayerKeyActions::ShowSearchIndicator(int direction) {
    if (direction < 0) player_.panelButtons.held.back = true;
    if (direction > 0) player_.panelButtons.held.next = true;
}

int PlayerKeyActions::VolumeLevel() { return player_.volume.Level(); }
void PlayerKeyActions::SetVolumeLevel(int level) { player_.volume.SetLevel(level); }
int PlayerKeyActions::PlaylistCount() { return player_.playlist.Count(); }

void PlayerKeyActions::CheckABRepeat() { player_.playback.CheckABRepeat(); }

void PlayerKeyActions::AppendSegmentEntry() {
    felux::AppendSegmentEntry(player_.playlist, player_.openFile.path, player_.abLoop.AMs(), player_.abLoop.BMs());
}

void PlayerPanelActions::Command(PlayerCommand command) { player_.Command(command); }

Point PlayerPanelActions::CursorPosition() { return windows_.CursorPosition(); }

bool PlayerPanelActions::MouseButtonsDown() {
    KeyState& keys = keys_;
    const bool left = keys.Down(vk::LButton);
    const bool right = keys.Down(vk::RButton);
    return left || right;
}

void PlayerPanelActions::StartWindowMove() { windows_.StartSystemMove(WindowId::Main); }

void PlayerPanelActions::MainWindowDoubleClick() { player_.OnMainDoubleClick(); }

void PlayerPanelActions::RequestRelayout() { player_.layout.VideoRegionsChanged(); }

// Keys are recorded for all of the player's windows alike, so no window has to hold the focus
// for them: there is nothing to hand back.
void PlayerPanelActions::RequestFocusReset() {}

void PlayerPanelActions::RequestMenu(PopupMenu menu) { player_.keyboard.RequestMenu(menu); }

void PlayerPanelActions::ApplyPlaybackRate(int permille) { player_.graph.SetRate(RateFromPermille(permille)); }
void PlayerPanelActions::SetPlayingRate(int permille) { player_.playback.SetPlayingRate(permille); }

MediaTime PlayerPanelActions::Duration() { return player_.graph.duration; }

void PlayerPanelActions::SeekTo(MediaTime position) { player_.graph.SeekPosition(SeekMode::To, position); }

int PlayerPanelActions::VolumeLevel() { return player_.volume.Level(); }
void PlayerPanelActions::SetVolumeLevel(int level) { player_.volume.SetLevel(level); }
int PlayerPanelActions::PlaylistCount() { return player_.playlist.Count(); }

void PlayerPanelActions::CheckABRepeat() { player_.playback.CheckABRepeat(); }

}  // namespace felux
