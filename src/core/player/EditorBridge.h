// The player's side of the playlist editor: opening and closing it, what it asks for each tick, and the FILE button's chooser.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "model/InputCommand.h"
#include "model/PlayerState.h"
#include "platform/EditorPorts.h"
#include "platform/WindowSystem.h"
#include "player/DropIntake.h"
#include "player/Playback.h"
#include "playlist/Playlist.h"
#include "playlist/PlaylistEditor.h"
#include "settings/PlayerSettings.h"

namespace felux {

// The editor's windows: without them the editor and the file chooser stay shut.
struct EditorWindows {
    WindowSystem& windows;
    EditorWindow* editorWindow = nullptr;
    PlaylistDialogs* dialogs = nullptr;
};

class EditorBridge {
public:
    EditorBridge(const PlayerState& state, EditorStatus& status, CommandSink& commands, PlayerSettings& settings,
                 Playlist& playlist, PlaylistEditor& editor, Playback& playback, DropIntake& drop,
                 EditorWindows windows, std::function<std::uint32_t()> randomSeed);

    void Toggle();
    // The editor closed itself: the current entry is kept inside the list.
    void Closed();
    void Destroy();
    // Takes the editor's size, place, path mode and play request into the player, once a tick.
    void Exchange();
    // The FILE button without the editor: the file chooser.
    void OpenFileCommand();
    // The chooser closed: the chosen path, nothing on Cancel. Carried out by the next tick.
    void FileChosen(std::optional<std::string> path) { fileChoice_ = std::move(path); }
    void TakeFileChoice();

private:
    void PushSettings();
    void LayoutControls();

    const PlayerState& state_;
    EditorStatus& status_;  // the bridge's own
    CommandSink& commands_;
    PlayerSettings& settings_;
    Playlist& playlist_;
    PlaylistEditor& editor_;
    Playback& playback_;
    DropIntake& drop_;
    EditorWindows windows_;
    std::function<std::uint32_t()> randomSeed_;
    bool fileChooserOpen_ = false;
    std::optional<std::optional<std::string>> fileChoice_;
};

}  // namespace felux
