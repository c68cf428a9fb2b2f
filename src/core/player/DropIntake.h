// Files dropped on the main window or the editor: replace or append, scanned a slice per tick, then sorted and maybe played.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "input/KeyboardPoll.h"
#include "model/InputCommand.h"
#include "model/PlayerState.h"
#include "platform/WindowSystem.h"
#include "player/Playback.h"
#include "playlist/FolderScan.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistEditor.h"

namespace felux {

// Where a drop of files landed.
enum class DropTarget { Main, Editor };

using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;

class DropIntake {
public:
    DropIntake(const PlayerState& state, CommandSink& commands, Playlist& playlist, PlaylistEditor& editor,
               const KeyPollState& keyPoll, Playback& playback, WindowSystem& windows, SteadyClock now);

    // The button that dragged the files; when none was seen, the keyboard poll's last one decides.
    // A right drag appends to the list, any other replaces it.
    void Drop(std::vector<std::string> paths, DropTarget target, std::optional<MouseButton> button);
    // Files and folders from the command line, a second start or a desktop remote: appended like
    // a drop (folders scanned, the new part sorted), whatever window is open; with play the first
    // new entry plays once the scan is done. Items that come while a scan runs wait for it.
    void HandIn(std::vector<std::string> paths, bool play);
    // One slice of the scan, short enough to keep the tick inside its 40 ms.
    void Step();
    void Cancel();
    bool Running() const { return scan_.Running(); }
    // A drop that replaces the list is still being scanned.
    bool ReplacingList() const { return scan_.Running() && replaces_; }

private:
    void Finish();

    const PlayerState& state_;
    CommandSink& commands_;
    Playlist& playlist_;
    PlaylistEditor& editor_;
    const KeyPollState& keyPoll_;
    Playback& playback_;
    WindowSystem& windows_;
    SteadyClock now_;
    DropScan scan_;
    DropTarget target_ = DropTarget::Main;
    bool replaces_ = false;
    std::size_t from_ = 0;  // the count before the drop: its entries start here
    int ticks_ = 0;
    bool handedIn_ = false;      // the scan runs for HandIn, not a drop
    bool playHandedIn_ = false;
    std::vector<std::pair<std::vector<std::string>, bool>> waiting_;  // hand-ins behind the running scan
};

}  // namespace felux
