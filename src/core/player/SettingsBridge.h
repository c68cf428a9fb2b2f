// Opening the settings dialog from CONFIG and applying what it returns.
#pragma once

#include <optional>

#include "model/PlayerState.h"
#include "platform/KeyState.h"
#include "platform/WindowSystem.h"
#include "player/PanelPresenter.h"
#include "player/Playback.h"
#include "player/SavedFiles.h"
#include "player/VideoLayout.h"
#include "player/VolumeControl.h"
#include "settings/PlayerSettings.h"
#include "settings/SettingsDialogs.h"
#include "skin/ChildWindowInput.h"

namespace felux {

// What the dialog's answer changes.
struct SettingsTargets {
    VolumeControl& volume;
    VideoLayout& layout;
    Playback& playback;
    PanelPresenter& presenter;
    SavedFiles& files;
    const WheelSeek& wheel;
};

// The windows the dialog's keys and wheel notches must not reach as commands.
struct SettingsInputs {
    KeyState& keys;
    ChildWindowInput& panelInput;
    ChildWindowInput& videoInput;
};

class SettingsBridge {
public:
    SettingsBridge(SettingsDialogStatus& status, PlayerSettings& settings, WindowSystem& windows,
                   SettingsDialogs* dialogs, SettingsTargets targets, SettingsInputs inputs);

    void Open();
    // The dialog ended: its members after OK, nullopt after Cancel.
    void Closed(const std::optional<SettingsForm>& result);
    bool IsOpen() const { return status_.up; }

private:
    SettingsDialogStatus& status_;  // the bridge's own
    PlayerSettings& settings_;
    WindowSystem& windows_;
    SettingsDialogs* dialogs_;
    SettingsTargets targets_;
    SettingsInputs inputs_;
};

}  // namespace felux
