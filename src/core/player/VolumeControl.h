// The live volume level: applied to the system mixer or the engine, and the per-file volume log around it.
#pragma once

#include <filesystem>

#include "engine/MediaGraph.h"
#include "engine/Volume.h"
#include "engine/VolumeLog.h"
#include "model/PlayerState.h"
#include "platform/SystemVolume.h"
#include "player/OpenFile.h"
#include "settings/PlayerSettings.h"
#include "skin/PanelRenderInputs.h"
#include "wheel/WheelSeek.h"

namespace felux {

class VolumeControl final : public VolumeRecordToggle {
public:
    VolumeControl(const PlayerState& state, const PlayerSettings& settings, const OpenFile& openFile, VolumeLog& log,
                  MediaGraph& graph, SystemVolume& system, const WheelSeek& wheel, std::filesystem::path folder);

    // The live level 0..kVolumeFull.
    int Level() const { return level_; }
    // Held within 0..kVolumeFull; Apply hands it on.
    void SetLevel(int level);
    // Applies the level with the method the settings choose.
    void Apply();
    // A file opened: its logged level, if any, becomes the live one.
    void TakeLoggedLevel();
    // The open file is left: the log keeps its level when it updates itself.
    void RecordOnLeave();
    // The panel's right click on the volume area.
    void RegisterVolume() override;
    void ForgetVolume() override;
    bool RecordPresent() const override { return log_.RecordPresent(); }
    // The settings dialog's command on the log, with the level the dialog opened with.
    void ApplyLogCommand(int command, int levelAtOpen);

    void LoadLog() { log_.Load(folder_); }
    // False when the file could not be written.
    bool SaveLog() { return log_.Save(folder_); }
    // The level to start with; the exit puts the mixer back as it found it when asked to.
    void TakeStartupLevel();
    void RestoreStartupLevel();
    // An entry was opened at least once: from then on the log may write.
    void FileOpened() { openedOnce_ = true; }

private:
    VolumeLogOptions Options() const;
    CurrentFile File() const;

    const PlayerState& state_;
    const PlayerSettings& settings_;
    const OpenFile& openFile_;
    VolumeLog& log_;
    MediaGraph& graph_;
    SystemVolume& system_;
    const WheelSeek& wheel_;
    std::filesystem::path folder_;
    StartupVolume startup_;
    bool openedOnce_ = false;
    int level_ = kVolumeFull;
};

}  // namespace felux
