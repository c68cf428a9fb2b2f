// Which of the player's own windows are up: each flag written by the bridge to its window alone.
#pragma once

namespace felux {

// The playlist editor and the file chooser: the editor bridge's.
struct EditorStatus {
    bool open = false;
    bool dialogUp = false;  // the file chooser, or a dialog of the editor's own
};

// The settings dialog: the settings bridge's.
struct SettingsDialogStatus {
    bool up = false;
};

}  // namespace felux
