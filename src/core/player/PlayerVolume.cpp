// The volume level applied to the system mixer or the graph, and the per-file volume log's operations.
#include "player/MainPlayerDlg.h"

namespace felux {

VolumeLogOptions MainPlayerDlg::VolumeOptions() const {
    return {settings.volumeLogEnabled == 1, settings.volumeLogAutoUpdate == 1,
            static_cast<std::size_t>(std::max(0, settings.volumeLogMax))};
}

CurrentFile MainPlayerDlg::VolumeFile() const { return {openFile.nameKey, openedOnce, state.wheelStep}; }

void MainPlayerDlg::ApplyVolume() {
    VolumeLogMode(settings.useDirectShowVolume == 1 ? VolumeMode::ApplyToGraph : VolumeMode::ApplyToWaveOut);
}

void MainPlayerDlg::VolumeLogMode(VolumeMode mode) {
    switch (mode) {
        case VolumeMode::Load:
            LoadVolumeLog();
            break;
        case VolumeMode::Save:
            SaveVolumeLog();
            break;
        case VolumeMode::LookUp:
            if (const auto level = volumeLog.LookUp(openFile.nameKey, settings.volumeLogEnabled == 1))
                state.volumeLevel = *level;
            break;
        case VolumeMode::RecordOnLeave:
            volumeLog.RecordOnLeave(VolumeOptions(), VolumeFile(), state.volumeLevel);
            ApplyVolume();
            break;
        case VolumeMode::Register:
            volumeLog.Register(VolumeOptions(), VolumeFile(), state.volumeLevel);
            ApplyVolume();
            break;
        case VolumeMode::Forget:
            volumeLog.Forget(VolumeOptions(), VolumeFile());
            ApplyVolume();
            break;
        case VolumeMode::ApplyToWaveOut:
            ApplyToWaveOut(ports_.systemVolume, state.volumeLevel);
            break;
        case VolumeMode::ApplyToGraph:
            if (state.mediaClosed == 0) graph.SetVolume(LevelToDirectShow(state.volumeLevel));
            break;
    }
}

}  // namespace felux
