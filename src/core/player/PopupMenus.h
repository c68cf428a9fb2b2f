// The pop-up menus: the panel's playlist around the current entry and repeat one, play history and file information; the video window's tracks and chapters.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "input/KeyboardPoll.h"
#include "model/PlayerState.h"
#include "model/PopupMenu.h"
#include "model/Point.h"
#include "platform/EditorPorts.h"
#include "player/OpenFile.h"
#include "player/MediaTracks.h"
#include "player/Playback.h"
#include "playlist/History.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistEditor.h"

namespace felux {

class PopupMenus {
public:
    PopupMenus(const PlayerState& state, Playlist& playlist, const History& history, const OpenFile& openFile,
               KeyPollState& keyPoll, InputGate& keyGate, Playback& playback, MediaTracks& tracks,
               PlaylistDialogs* dialogs);

    void Show(PopupMenu menu, Point at);
    // The menu closed: the chosen item's number, 0 when dismissed. Carried out by the next tick.
    void Chosen(int id) { choice_ = id; }
    void TakeChoice();
    // An open menu has the keyboard: its keys are no player keys.
    bool IsOpen() const { return open_.has_value(); }

private:
    // What the open menu's items stand for.
    struct OpenMenu {
        PopupMenu menu = PopupMenu::Playlist;
        int first = 0;                     // playlist menu: the entry of item 1
        int entries = 0;                   // playlist menu: its entries; repeat one follows them
        std::vector<std::string> history;  // history menu: the paths as shown
        std::vector<VideoMenuAction> video;  // video menu: what each item does
        std::string videoFile;             // video menu: the file it was made for
    };

    const PlayerState& state_;
    Playlist& playlist_;
    const History& history_;
    const OpenFile& openFile_;
    KeyPollState& keyPoll_;
    InputGate& keyGate_;
    Playback& playback_;
    MediaTracks& tracks_;
    PlaylistDialogs* dialogs_;
    std::optional<OpenMenu> open_;
    std::optional<int> choice_;
};

}  // namespace felux
