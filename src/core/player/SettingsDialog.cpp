// Opening the settings dialog from CONFIG and applying what it returns.
#include "input/WatchedKeys.h"
#include "player/MainPlayerDlg.h"
#include "settings/SettingsFile.h"

namespace felux {

void MainPlayerDlg::OpenSettingsDialog() {
    ports_.windows.Resize(WindowId::Main, kMainWidth, kMainHeight);
    if (state.wheelStep != 0 || settingsDialogOpen_ || ports_.settingsDialogs == nullptr) return;
    settingsDialogOpen_ = true;
    const Rect main{settings.mainWindowX, settings.mainWindowY, kMainWidth, kMainHeight};
    // Out of the topmost band, so that the dialog can come above the panel.
    ports_.windows.Place(WindowId::Panel, main, true, Stacking::Normal);
    ports_.windows.Place(WindowId::Main, main, true, Stacking::Normal);
    state.modalDialogUp = 1;
    ports_.settingsDialogs->ShowSettings(OpenSettingsForm(settings, state.volumeLevel));
}

void MainPlayerDlg::SettingsDialogClosed(const std::optional<SettingsForm>& result) {
    if (!settingsDialogOpen_) return;
    if (result) {
        ports_.windows.Resize(WindowId::Main, kMainWidth, kMainHeight);
        const int topmostBefore = settings.topmostMode;
        ApplySettingsForm(*result, settings);
        ApplyVolumeLogCommand(volumeLog, result->volumeLogCommand, VolumeOptions(), VolumeFile(), result->levelAtOpen);
        // Kept at once, so that a crash later loses nothing the user chose.
        ReportUnsaved({{SaveSettings(), kSettingsFileName}, {SaveVolumeLog(), VolumeLog::kFileName}});
        if (settings.topmostMode != topmostBefore) ApplyTopmost();
        ApplySourceRect();
        AspectChanged();
        ApplyVolume();
        TimedTextFontChanged();
    }
    PanelResetNotch();
    VideoInputReset(video_reset::kClearWheel);
    state.panelFramePending = 0;
    state.modalDialogUp = 0;
    settingsDialogOpen_ = false;
    // Keys typed into the dialog are not commands for the player.
    ClearKeyLatches(ports_.keys);
}

}  // namespace felux
