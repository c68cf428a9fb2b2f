// The live volume level: applied to the system mixer or the engine, and the per-file volume log around it.
#include "player/VolumeControl.h"

#include <algorithm>

#include "settings/SettingsForm.h"

namespace felux {

VolumeControl::VolumeControl(const PlayerState& state, const PlayerSettings& settings, const OpenFile& openFile,
                             VolumeLog& log, MediaGraph& graph, SystemVolume& system, const WheelSeek& wheel,
                             std::filesystem::path folder)
    : state_(state),
      settings_(settings),
      openFile_(openFile),
      log_(log),
      graph_(graph),
      system_(system),
      wheel_(wheel),
      folder_(std::move(folder)) {}

VolumeLogOptions VolumeControl::Options() const {
    return {settings_.volumeLogEnabled == 1, settings_.volumeLogAutoUpdate == 1,
            static_cast<std::size_t>(std::max(0, settings_.volumeLogMax))};
}

CurrentFile VolumeControl::File() const { return {openFile_.nameKey, openedOnce_, wheel_.Step()}; }

void VolumeControl::SetLevel(int level) { level_ = std::clamp(level, 0, kVolumeFull); }

void VolumeControl::Apply() {
    if (settings_.useDirectShowVolume != 1) {
        ApplyToWaveOut(system_, level_);
    } else if (!state_.playback.mediaClosed) {
        graph_.SetVolume(LevelToEngineVolume(level_));
    }
}

void VolumeControl::TakeLoggedLevel() {
    if (const auto level = log_.LookUp(openFile_.nameKey, settings_.volumeLogEnabled == 1)) level_ = *level;
}

void VolumeControl::RecordOnLeave() {
    log_.RecordOnLeave(Options(), File(), level_);
    Apply();
}

void VolumeControl::RegisterVolume() {
    log_.Register(Options(), File(), level_);
    Apply();
}

void VolumeControl::ForgetVolume() {
    log_.Forget(Options(), File());
    Apply();
}

void VolumeControl::ApplyLogCommand(int command, int levelAtOpen) {
    ApplyVolumeLogCommand(log_, command, Options(), File(), levelAtOpen);
}

void VolumeControl::TakeStartupLevel() {
    startup_ = TakeStartupVolume(system_, settings_.restoreVolumeOnExit == 1, settings_.useDirectShowVolume == 1,
                                 settings_.savedVolume);
    level_ = startup_.level;
}

void VolumeControl::RestoreStartupLevel() {
    RestoreStartupVolume(system_, settings_.restoreVolumeOnExit == 1, startup_);
}

}  // namespace felux
