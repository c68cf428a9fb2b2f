// The player's data files: the history, the volume log, the current list and the settings.
#pragma once

#include <filesystem>
#include <initializer_list>

#include "model/PlayerState.h"
#include "platform/DisplayModes.h"
#include "platform/KeyState.h"
#include "platform/MediaEngine.h"
#include "platform/WindowSystem.h"
#include "player/ResumeMemory.h"
#include "player/VideoLayout.h"
#include "player/VolumeControl.h"
#include "playlist/History.h"
#include "playlist/Playlist.h"
#include "settings/PlayerSettings.h"

namespace felux {

// What the data files hold.
struct SavedRecords {
    const PlayerState& state;
    PlayerSettings& settings;
    Playlist& playlist;
    History& history;
    VolumeControl& volume;
    ResumeMemory& resume;
};

// The desktop the settings are read against.
struct SettingsDesk {
    WindowSystem& windows;
    KeyState& keys;
    DisplayModes& displayModes;
};

class SavedFiles {
public:
    SavedFiles(SavedRecords records, VideoLayout& layout, SettingsDesk desk, std::filesystem::path folder,
               FailureReporter reportFailure);

    // Writes every file as it stands and tells once what could not be written. Touches no window,
    // display or engine, so it also serves when the display is gone.
    bool SaveAll();
    bool SaveSettings();
    // Reads the settings file when there is one; else writes the defaults for next time.
    void LoadOrCreateSettings();
    // Before the settings are read or written: no key stays latched, the display mode is valid.
    void SettingsPreamble();
    struct Result {
        bool saved;
        const char* file;
    };
    // One message naming the files of a round of saves that could not be written.
    void ReportUnsaved(std::initializer_list<Result> results) const;
    const std::filesystem::path& Folder() const { return folder_; }

private:
    // The live zoom goes into the settings just before they are written.
    void TakeLiveZoom();

    SavedRecords records_;
    VideoLayout& layout_;
    SettingsDesk desk_;
    std::filesystem::path folder_;
    FailureReporter reportFailure_;
};

}  // namespace felux
