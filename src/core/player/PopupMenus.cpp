// The pop-up menus: the panel's playlist around the current entry and repeat one, play history and file information; the video window's tracks and chapters.
#include "player/PopupMenus.h"

#include "i18n/UiText.h"
#include "playlist/PopupMenuItems.h"

namespace felux {

PopupMenus::PopupMenus(const PlayerState& state, Playlist& playlist, const History& history, const OpenFile& openFile,
                       KeyPollState& keyPoll, InputGate& keyGate, Playback& playback, MediaTracks& tracks,
                       PlaylistDialogs* dialogs)
    : state_(state),
      playlist_(playlist),
      history_(history),
      openFile_(openFile),
      keyPoll_(keyPoll),
      keyGate_(keyGate),
      playback_(playback),
      tracks_(tracks),
      dialogs_(dialogs) {}

void PopupMenus::Show(PopupMenu menu, Point at) {
    keyPoll_.menuRequested.fill(false);
    if (!dialogs_ || open_) return;
    OpenMenu open;
    open.menu = menu;
    switch (menu) {
        case PopupMenu::Playlist: {
            const PopupRange range = PlaylistPopupRange(playlist_.currentIndex, static_cast<int>(playlist_.Size()));
            open.first = range.first;
            std::vector<std::string> items = PlaylistPopupItems(playlist_, range, playlist_.currentIndex);
            open.entries = static_cast<int>(items.size());
            // Marked on as the current entry is, so the list's menu shows and sets it.
            items.push_back((state_.playback.repeatOne ? ">>" : "  ") + UiText("PlaylistMenu", "1曲リピート"));
            open_ = open;
            dialogs_->OpenPopupMenu(at, kPlaylistMenuCaption, items, true);
            break;
        }
        case PopupMenu::History:
            // A copy: the history changes as files open while the menu is up.
            open.history = history_.Entries();
            open_ = open;
            dialogs_->OpenPopupMenu(at, kHistoryMenuCaption, open_->history, true);
            break;
        case PopupMenu::FileInfo:
            if (state_.playback.mediaClosed || !openFile_.audioInfo) return;
            open_ = open;
            dialogs_->OpenPopupMenu(at, kFileInfoMenuCaption, openFile_.infoLines, false);
            break;
        case PopupMenu::Video: {
            VideoMenu video = tracks_.Menu();
            if (video.sections.empty()) return;
            open.video = std::move(video.actions);
            open.videoFile = openFile_.path;
            open_ = std::move(open);
            dialogs_->OpenSectionMenu(at, video.sections);
            break;
        }
    }
}

void PopupMenus::TakeChoice() {
    if (!open_ || !choice_) return;
    const OpenMenu open = std::move(*open_);
    const int id = *choice_;
    open_.reset();
    choice_.reset();
    // Keys pressed in the menu are passed over by the poll's waiting state_.
    keyGate_.Lock(kMenuLockoutTicks);
    if (id <= 0) return;
    int chosen = -1;
    if (open.menu == PopupMenu::Playlist) {
        if (id == open.entries + 1) {
            playback_.ToggleRepeatOne();
            return;
        }
        chosen = open.first + id - 1;
        if (chosen >= static_cast<int>(playlist_.Size())) return;
    } else if (open.menu == PopupMenu::History) {
        if (id > static_cast<int>(open.history.size())) return;
        const std::string& path = open.history[static_cast<std::size_t>(id - 1)];
        for (std::size_t j = 0; j < playlist_.Size() && chosen < 0; ++j)
            if (playlist_.PathAt(j) == path) chosen = static_cast<int>(j);
        if (chosen < 0) {
            playlist_.AppendPath(path);
            chosen = playlist_.Count() - 1;
        }
    } else if (open.menu == PopupMenu::Video) {
        // The items stand for the file the menu was made for.
        if (id > static_cast<int>(open.video.size()) || state_.playback.mediaClosed || openFile_.path != open.videoFile)
            return;
        tracks_.Carry(open.video[static_cast<std::size_t>(id - 1)]);
        return;
    } else {
        return;
    }
    playback_.CloseMedia();
    // Through the editor's mark, which the tick copies back: it must not undo the choice.
    playback_.MoveCurrent(chosen);
    playback_.OpenCurrent();
}

}  // namespace felux
