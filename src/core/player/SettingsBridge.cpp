// Opening the settings dialog from CONFIG and applying what it returns.
#include "player/SettingsBridge.h"

#include "input/WatchedKeys.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsForm.h"

namespace felux {

SettingsBridge::SettingsBridge(SettingsDialogStatus& status, PlayerSettings& settings, WindowSystem& windows,
                               SettingsDialogs* dialogs, SettingsTargets targets, SettingsInputs inputs)
    : status_(status), settings_(settings), windows_(windows), dialogs_(dialogs), targets_(targets), inputs_(inputs) {}

void SettingsBridge::Open() {
    windows_.Resize(WindowId::Main, kMainWidth, kMainHeight);
    if (targets_.wheel.Step() != 0 || status_.up || dialogs_ == nullptr) return;
    status_.up = true;
    const Rect main{settings_.mainWindowX, settings_.mainWindowY, kMainWidth, kMainHeight};
    // Out of the topmost band, so that the dialog can come above the panel.
    windows_.Place(WindowId::Panel, main, true, Stacking::Normal);
    windows_.Place(WindowId::Main, main, true, Stacking::Normal);
    dialogs_->ShowSettings(OpenSettingsForm(settings_, targets_.volume.Level()));
}

void SettingsBridge::Closed(const std::optional<SettingsForm>& result) {
    if (!status_.up) return;
    if (result) {
        windows_.Resize(WindowId::Main, kMainWidth, kMainHeight);
        const int topmostBefore = settings_.topmostMode;
        ApplySettingsForm(*result, settings_);
        targets_.volume.ApplyLogCommand(result->volumeLogCommand, result->levelAtOpen);
        // Kept at once, so that a crash later loses nothing the user chose.
        targets_.files.ReportUnsaved(
            {{targets_.files.SaveSettings(), kSettingsFileName}, {targets_.volume.SaveLog(), VolumeLog::kFileName}});
        if (settings_.topmostMode != topmostBefore) targets_.layout.ApplyTopmost();
        targets_.playback.ApplySourceRect();
        targets_.layout.AspectChanged();
        targets_.volume.Apply();
        targets_.presenter.TimedTextFontChanged();
    }
    inputs_.panelInput.ClearWheel();
    inputs_.videoInput.ClearWheel();
    targets_.presenter.DropPendingFrame();
    status_.up = false;
    // Keys typed into the dialog are not commands for the player.
    ClearKeyLatches(inputs_.keys);
}

}  // namespace felux
