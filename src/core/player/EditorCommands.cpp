// The player's side of the playlist editor: opening and closing it, its queries, and the FILE button's open command.
#include <algorithm>
#include <chrono>

#include "player/MainPlayerDlg.h"
#include "playlist/ListFile.h"

namespace felux {

void MainPlayerDlg::ToggleEditor() {
    if (state.editorOpen != 0) {
        CloseEditorWindow();
        return;
    }
    if (!ports_.editorWindow) return;
    const Rect saved{settings.editorWindowX, settings.editorWindowY, settings.editorWindowWidth,
                     settings.editorWindowHeight};
    PlaylistView& view = ports_.editorWindow->Create(saved);
    const auto seed = static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
    editor.Open(view, seed);
    PushEditorSettings();
    editor.MarkCurrent(playlist.currentIndex);
    state.editorOpen = 1;
}

void MainPlayerDlg::CloseEditorWindow() {
    DestroyEditor();
    state.editorOpen = 0;
    playlist.RefreshCount();
    if (playlist.currentIndex >= playlist.count) playlist.currentIndex = std::max(0, playlist.count - 1);
}

void MainPlayerDlg::DestroyEditor() {
    if (!editor.IsOpen()) return;
    editor.Close();
    if (ports_.editorWindow) ports_.editorWindow->Destroy();
}

void MainPlayerDlg::PushEditorSettings() {
    const Rect saved{settings.editorWindowX, settings.editorWindowY, settings.editorWindowWidth,
                     settings.editorWindowHeight};
    editor.PushEditorSettings(saved, 0, settings.listPathMode);
}

int MainPlayerDlg::QueryEditorState(int code) { return editor.QueryEditorState(code); }

void MainPlayerDlg::ClearEditorRequest(int which) { editor.ClearEditorRequest(which); }

void MainPlayerDlg::LayoutEditor() {
    if (ports_.editorWindow && editor.IsOpen()) ports_.editorWindow->PlaceControls(editor.LayoutEditor());
}

void MainPlayerDlg::MarkEditorCurrent(int index) { editor.MarkCurrent(index); }

void MainPlayerDlg::OpenFileCommand() {
    if (state.editorOpen != 0) {
        ToggleEditor();
        return;
    }
    if (!ports_.dialogs || fileChooserOpen_) return;
    state.modalDialogUp = 1;
    fileChooserOpen_ = true;
    editor.SetDirectoryFromPath(settings.lastMediaPath);
    ports_.dialogs->OpenFileChooser(editor.Directory());
}

void MainPlayerDlg::OnFileChosen(std::optional<std::string> path) { fileChoice_ = std::move(path); }

void MainPlayerDlg::TakeFileChoice() {
    if (!fileChooserOpen_ || !fileChoice_) return;
    const std::optional<std::string> chosen = std::move(*fileChoice_);
    fileChoice_.reset();
    fileChooserOpen_ = false;
    state.modalDialogUp = 0;
    if (!chosen || chosen->empty()) return;
    // The chosen file replaces whatever a drop was still adding.
    CancelDrop();
    playlist.Clear();
    settings.lastMediaPath = *chosen;
    if (IsListPath(*chosen))
        LoadList(*chosen);
    else
        playlist.Append(*chosen, "");
    playlist.RefreshCount();
    playlist.currentIndex = 0;
    OpenCurrent();
}

}  // namespace felux
