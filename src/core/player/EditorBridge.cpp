// The player's side of the playlist editor: opening and closing it, what it asks for each tick, and the FILE button's chooser.
#include "player/EditorBridge.h"

#include <algorithm>

#include "playlist/ListFile.h"

namespace felux {

EditorBridge::EditorBridge(const PlayerState& state, EditorStatus& status, CommandSink& commands,
                           PlayerSettings& settings, Playlist& playlist, PlaylistEditor& editor, Playback& playback,
                           DropIntake& drop, EditorWindows windows, std::function<std::uint32_t()> randomSeed)
    : state_(state),
      status_(status),
      commands_(commands),
      settings_(settings),
      playlist_(playlist),
      editor_(editor),
      playback_(playback),
      drop_(drop),
      windows_(windows),
      randomSeed_(std::move(randomSeed)) {}

void EditorBridge::Toggle() {
    if (status_.open) {
        Closed();
        return;
    }
    if (!windows_.editorWindow) return;
    const Rect saved{settings_.editorWindowX, settings_.editorWindowY, settings_.editorWindowWidth,
                     settings_.editorWindowHeight};
    PlaylistView& view = windows_.editorWindow->Create(saved);
    const auto seed = randomSeed_();
    editor_.Open(view, seed);
    PushSettings();
    editor_.MarkCurrent(playlist_.currentIndex);
    status_.open = true;
}

void EditorBridge::Closed() {
    Destroy();
    status_.open = false;
    if (playlist_.currentIndex >= playlist_.Count()) playlist_.currentIndex = std::max(0, playlist_.Count() - 1);
}

void EditorBridge::Destroy() {
    if (!editor_.IsOpen()) return;
    editor_.Close();
    if (windows_.editorWindow) windows_.editorWindow->Destroy();
}

void EditorBridge::PushSettings() {
    const Rect saved{settings_.editorWindowX, settings_.editorWindowY, settings_.editorWindowWidth,
                     settings_.editorWindowHeight};
    editor_.PushEditorSettings(saved, settings_.listPathMode);
}

void EditorBridge::LayoutControls() {
    if (windows_.editorWindow && editor_.IsOpen()) windows_.editorWindow->PlaceControls(editor_.LayoutEditor());
}

void EditorBridge::OpenFileCommand() {
    if (status_.open) {
        Toggle();
        return;
    }
    if (!windows_.dialogs || fileChooserOpen_) return;
    status_.dialogUp = true;
    fileChooserOpen_ = true;
    editor_.SetDirectoryFromPath(settings_.lastMediaPath);
    windows_.dialogs->OpenFileChooser(editor_.Directory());
}

void EditorBridge::TakeFileChoice() {
    if (!fileChooserOpen_ || !fileChoice_) return;
    const std::optional<std::string> chosen = std::move(*fileChoice_);
    fileChoice_.reset();
    fileChooserOpen_ = false;
    status_.dialogUp = false;
    if (!chosen || chosen->empty()) return;
    // The chosen file replaces whatever a drop was still adding.
    drop_.Cancel();
    playlist_.Clear();
    settings_.lastMediaPath = *chosen;
    if (IsListPath(*chosen))
        LoadListFile(playlist_, *chosen);
    else
        playlist_.Append(*chosen, "");
    playlist_.currentIndex = 0;
    playback_.OpenCurrent();
}

void EditorBridge::Exchange() {
    // The settings dialog's own flag keeps the poll paused while the editor reports no dialog.
    status_.dialogUp = editor_.State().fileDialogOpen;
    if (playlist_.Count() != state_.playback.shuffleOrderCount) playback_.Shuffle();
    if (editor_.State().request == EditorRequest::Resized) {
        LayoutControls();
        const Rect r = windows_.windows.WindowRect(WindowId::Editor);
        settings_.editorWindowX = r.x;
        settings_.editorWindowY = r.y;
        settings_.editorWindowWidth = r.width;
        settings_.editorWindowHeight = r.height;
        if (editor_.TakeMoved()) PushSettings();
    }
    // Read after the settings went back to a moved editor, which takes their list path mode.
    const EditorState editor = editor_.State();
    settings_.listPathMode = editor.listPathMode;
    // A file waiting for its layout is already open: the request goes ahead.
    if (editor.request == EditorRequest::Play && !playback_.Opening() && !drop_.ReplacingList()) {
        playlist_.currentIndex = editor.requestedIndex;
        editor_.ClearRequest();
        commands_.Command(PlayerCommand::PlaySelected);
    }
    playlist_.currentIndex = editor.current;
}

}  // namespace felux
