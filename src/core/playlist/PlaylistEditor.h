// The playlist editor ("Torvel"): its state, the questions the tick asks it, and the user's edits.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/EditorPorts.h"
#include "playlist/Playlist.h"
#include "settings/PlayerSettings.h"

namespace felux {

// What the editor asks of the tick. A resize stays asked until a play request replaces it.
enum class EditorRequest { None, Play, Resized };

// The editor as the tick reads it.
struct EditorState {
    EditorRequest request = EditorRequest::None;
    int requestedIndex = 0;  // the entry a play request opens
    int current = 0;         // the entry marked current in the list
    int listPathMode = 0;
    bool fileDialogOpen = false;  // a chooser is up: the keyboard poll waits
};

class PlaylistEditor {
public:
    // The editor edits list and keeps lastMediaPath and lastListPath in settings.
    PlaylistEditor(Playlist& list, PlayerSettings& settings, PlaylistDialogs* dialogs);

    // The window was created: fill its lines, and count from the clock's seed on.
    void Open(PlaylistView& view, std::uint32_t seed);
    void Close();
    bool IsOpen() const { return view_ != nullptr; }

    void PushEditorSettings(Rect saved, int listPathMode);
    // Moves the ">" mark to index; nothing on an empty list.
    void MarkCurrent(int index);
    EditorState State() const;
    // The window moved since the previous call.
    bool TakeMoved() { return std::exchange(moved_, false); }
    // The tick took the play request: the request and its index are cleared.
    void ClearRequest();
    // Where the controls go for the last reported client size.
    std::vector<ControlPlace> LayoutEditor() const { return EditorLayout(width_, height_); }
    static std::vector<ControlPlace> EditorLayout(int width, int height);
    // The deepest existing folder along path: where the file choosers start.
    void SetDirectoryFromPath(const std::string& path);
    const std::string& Directory() const { return directory_; }
    // While a drop is being scanned into the list, edits wait for it.
    void SetScanning(bool scanning) { scanning_ = scanning; }
    // A long drop's progress in the folder field; empty when it is done.
    void ShowProgress(const std::string& text) {
        if (view_) view_->ShowFolder(text);
    }

    // The user's actions on the window.
    void OnDoubleClick();
    void OnSelectionChanged();
    void OnResize(int width, int height);
    void OnMove() { moved_ = true; }
    void Load();
    void Save();
    void New();
    void Sort();
    void Random();
    void MoveUp();
    void MoveDown();
    void Delete();
    void Options();

    int SortMode() const { return sortMode_; }

    // A segment entry's title as it is edited (without the stored "*"); nullopt for other entries,
    // whose titles come from their files.
    std::optional<std::string> EditableTitle(std::size_t index) const;
    // The edited title: kept as "*" and the text, one line of at most kMaxTitleBytes, saved with
    // the list; an empty text takes the title away.
    void SetTitle(std::size_t index, std::string_view text);
    static constexpr std::size_t kMaxTitleBytes = 1024;

private:
    bool Editable() const { return view_ != nullptr && !scanning_; }

    Playlist& list_;
    PlayerSettings& settings_;
    PlaylistDialogs* dialogs_;
    PlaylistView* view_ = nullptr;
    std::mt19937 random_;
    EditorRequest request_ = EditorRequest::None;
    int requestedIndex_ = 0;
    bool moved_ = false;
    bool fileDialogOpen_ = false;
    int sortMode_ = 0;  // kept while the program runs
    int width_ = 0;
    int height_ = 0;
    int listPathMode_ = 0;
    Rect saved_;
    std::string directory_;
    bool scanning_ = false;
};

}  // namespace felux
