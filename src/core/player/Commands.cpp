// The larger handlers of the command table: files handed in, and the playlist editor's commands.
#include "player/Player.h"
#include "playlist/FolderScan.h"
#include "playlist/ListFile.h"

namespace felux {

// Folders are scanned over the ticks as a drop of them is; files and lists are appended now, and
// the first new entry plays at the command step.
void Player::HandIn(const HandInFiles& handed) {
    if (AnyFolder(handed.paths)) {
        drop.HandIn(handed.paths, handed.play);
        return;
    }
    const std::size_t before = playlist.Size();
    for (const std::string& f : handed.paths) {
        if (IsListPath(f))
            LoadListFile(playlist, f);
        else
            playlist.Append(f, "");
    }
    if (playlist.Size() > before && handed.play) {
        playlist.currentIndex = static_cast<int>(before);
        partCommands_.Command(PlayerCommand::PlaySelected);
    }
}

void Player::RunEditorCommand(EditorAction action) {
    switch (action) {
        case EditorAction::Load: editor.Load(); break;
        case EditorAction::Save: editor.Save(); break;
        case EditorAction::New: editor.New(); break;
        case EditorAction::Sort: editor.Sort(); break;
        case EditorAction::Random: editor.Random(); break;
        case EditorAction::MoveUp: editor.MoveUp(); break;
        case EditorAction::MoveDown: editor.MoveDown(); break;
        case EditorAction::Delete: editor.Delete(); break;
        case EditorAction::Options: editor.Options(); break;
        case EditorAction::PlayLine: editor.OnDoubleClick(); break;
        case EditorAction::SelectionChanged: editor.OnSelectionChanged(); break;
        case EditorAction::Moved: editor.OnMove(); break;
    }
}

}  // namespace felux
