// The main window's process-wide state. The player writes its own fields; each part record is
// written by its part alone, which holds it by reference.
#pragma once

#include "model/DialogStatus.h"
#include "model/LayoutStatus.h"
#include "model/PlaybackStatus.h"

namespace felux {

enum class WindowMode { Normal, Minimised, VideoOnly };

struct PlayerState {
    bool initialised = false;
    bool exitRequested = false;
    bool panelHover = false;
    int searchTick = 0;  // 0 .. searchWait; searches act when it is 0
    WindowMode windowMode = WindowMode::Normal;
    PlaybackStatus playback;              // Playback's
    LayoutStatus layout;                  // VideoLayout's
    EditorStatus editor;                  // EditorBridge's
    SettingsDialogStatus settingsDialog;  // SettingsBridge's

    // A modal dialog has the keyboard and the panel.
    bool ModalDialogUp() const { return editor.dialogUp || settingsDialog.up; }
};

}  // namespace felux
