// The pop-up menus of the panel: the playlist around the current entry, the play history, the file information.
#include "player/MainPlayerDlg.h"
#include "playlist/PopupMenuItems.h"

namespace felux {

void MainPlayerDlg::ShowPopupMenu(PopupMenu menu, ScreenPoint at) {
    // The point was taken in screen coordinates already.
    const Point p{at.x, at.y};
    if (ports_.dialogs) {
        switch (menu) {
            case PopupMenu::Playlist:
                ShowPlaylistPopup(p);
                break;
            case PopupMenu::History:
                ShowHistoryPopup(p);
                break;
            case PopupMenu::FileInfo:
                ShowFileInfoPopup(p);
                break;
        }
    }
    keyboard.pollState.menuRequested.fill(false);
}

void MainPlayerDlg::ShowPlaylistPopup(Point at) {
    const int count = static_cast<int>(playlist.Size());
    const PopupRange range = PlaylistPopupRange(playlist.currentIndex, count);
    const int id = ports_.dialogs->TrackPopupMenu(
        at, kPlaylistMenuCaption, PlaylistPopupItems(playlist, range, playlist.currentIndex), true);
    const int chosen = range.first + id - 1;
    if (id <= 0 || chosen > range.last || chosen >= static_cast<int>(playlist.Size())) return;
    CloseMedia();
    playlist.currentIndex = chosen;
    if (state.editorOpen != 0) playlist.editorCurrent = chosen;
    OpenCurrent();
}

void MainPlayerDlg::ShowHistoryPopup(Point at) {
    // A copy: opening the choice reorders the history.
    const std::vector<std::string> items = history.Entries();
    const int id = ports_.dialogs->TrackPopupMenu(at, kHistoryMenuCaption, items, true);
    if (id <= 0 || id > static_cast<int>(items.size())) return;
    const std::string& path = items[static_cast<std::size_t>(id - 1)];
    int found = -1;
    for (std::size_t j = 0; j < playlist.Size() && found < 0; ++j)
        if (playlist.PathAt(j) == path) found = static_cast<int>(j);
    if (found < 0) {
        playlist.AppendPath(path);
        playlist.RefreshCount();
        editor.RefreshCount();
        found = playlist.count - 1;
    }
    playlist.currentIndex = found;
    if (state.editorOpen != 0) playlist.editorCurrent = found;
    CloseMedia();
    OpenCurrent();
}

void MainPlayerDlg::ShowFileInfoPopup(Point at) {
    if (state.mediaClosed != 0 || !openFile.audioInfo) return;
    ports_.dialogs->TrackPopupMenu(at, kFileInfoMenuCaption, openFile.infoLines, false);
}

}  // namespace felux
