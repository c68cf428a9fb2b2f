// The pop-up menus of the panel: the playlist around the current entry, the play history, the file information.
#include "player/MainPlayerDlg.h"
#include "playlist/PopupMenuItems.h"

namespace felux {

void MainPlayerDlg::ShowPopupMenu(PopupMenu menu, ScreenPoint at) {
    keyboard.pollState.menuRequested.fill(false);
    if (!ports_.dialogs || popup_) return;
    // The point was taken in screen coordinates already.
    const Point p{at.x, at.y};
    OpenPopup open;
    open.menu = menu;
    switch (menu) {
        case PopupMenu::Playlist: {
            const PopupRange range = PlaylistPopupRange(playlist.currentIndex, static_cast<int>(playlist.Size()));
            open.first = range.first;
            popup_ = open;
            ports_.dialogs->OpenPopupMenu(p, kPlaylistMenuCaption,
                                          PlaylistPopupItems(playlist, range, playlist.currentIndex), true);
            break;
        }
        case PopupMenu::History:
            // A copy: the history changes as files open while the menu is up.
            open.history = history.Entries();
            popup_ = open;
            ports_.dialogs->OpenPopupMenu(p, kHistoryMenuCaption, popup_->history, true);
            break;
        case PopupMenu::FileInfo:
            if (state.mediaClosed != 0 || !openFile.audioInfo) return;
            popup_ = open;
            ports_.dialogs->OpenPopupMenu(p, kFileInfoMenuCaption, openFile.infoLines, false);
            break;
    }
}

void MainPlayerDlg::OnPopupChosen(int id) { popupChoice_ = id; }

void MainPlayerDlg::TakePopupChoice() {
    if (!popup_ || !popupChoice_) return;
    const OpenPopup open = std::move(*popup_);
    const int id = *popupChoice_;
    popup_.reset();
    popupChoice_.reset();
    // Keys pressed in the menu are passed over by the poll's waiting state.
    state.keyWaitTicks = kMenuLockoutTicks;
    if (id <= 0) return;
    int chosen = -1;
    if (open.menu == PopupMenu::Playlist) {
        chosen = open.first + id - 1;
        if (chosen >= static_cast<int>(playlist.Size())) return;
    } else if (open.menu == PopupMenu::History) {
        if (id > static_cast<int>(open.history.size())) return;
        const std::string& path = open.history[static_cast<std::size_t>(id - 1)];
        for (std::size_t j = 0; j < playlist.Size() && chosen < 0; ++j)
            if (playlist.PathAt(j) == path) chosen = static_cast<int>(j);
        if (chosen < 0) {
            playlist.AppendPath(path);
            playlist.RefreshCount();
            editor.RefreshCount();
            chosen = playlist.count - 1;
        }
    } else {
        return;
    }
    CloseMedia();
    // Through the editor's mark, which the tick copies back: it must not undo the choice.
    MoveCurrent(chosen);
    OpenCurrent();
}

}  // namespace felux
