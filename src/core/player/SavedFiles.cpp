// The player's data files: the history, the volume log, the current list and the settings.
#include "player/SavedFiles.h"

#include <string>

#include "input/WatchedKeys.h"
#include "io/TextFile.h"
#include "playlist/ListFile.h"
#include "settings/SettingsFile.h"

namespace felux {

SavedFiles::SavedFiles(SavedRecords records, VideoLayout& layout, SettingsDesk desk, std::filesystem::path folder,
                       FailureReporter reportFailure)
    : records_(records),
      layout_(layout),
      desk_(desk),
      folder_(std::move(folder)),
      reportFailure_(std::move(reportFailure)) {}

bool SavedFiles::SaveAll() {
    // Each file is kept whole whatever fails; what could not be saved is told once.
    if (!records_.state.layout.fullScreen) layout_.RememberVideoPosition();
    const bool historySaved = records_.history.SaveHistory(folder_ / kHistoryName);
    const bool volumesSaved = records_.volume.SaveLog();
    records_.resume.KeepPlace();
    const bool pointsSaved = records_.resume.Save();
    const bool listSaved = WriteCurrentList(records_.playlist, folder_ / kCurrentListName);
    records_.settings.savedVolume = records_.volume.Level();
    TakeLiveZoom();
    const bool settingsSaved = SaveSettingsFile(records_.settings, folder_);
    ReportUnsaved({{historySaved, kHistoryName},
                   {volumesSaved, VolumeLog::kFileName},
                   {pointsSaved, ResumePoints::kFileName},
                   {listSaved, kCurrentListName},
                   {settingsSaved, kSettingsFileName}});
    return historySaved && volumesSaved && pointsSaved && listSaved && settingsSaved;
}

void SavedFiles::ReportUnsaved(std::initializer_list<Result> results) const {
    std::string unsaved;
    for (const Result& result : results)
        if (!result.saved) unsaved += std::string(unsaved.empty() ? "" : ", ") + result.file;
    if (!unsaved.empty() && reportFailure_)
        reportFailure_("FELUX: could not save " + unsaved + " in " + folder_.string() + "\n");
}

void SavedFiles::TakeLiveZoom() {
    records_.settings.windowZoomStep = layout_.Zoom().window;
    records_.settings.fullScreenZoomStep = layout_.Zoom().fullScreen;
}

void SavedFiles::SettingsPreamble() {
    ClearKeyLatches(desk_.keys);
    CheckFullScreenMode(records_.settings, desk_.displayModes);
}

void SavedFiles::LoadOrCreateSettings() {
    if (!io::ReadFileBounded(folder_ / kSettingsFileName, 0)) {
        ReportUnsaved({{SaveSettings(), kSettingsFileName}});
        return;
    }
    SettingsPreamble();
    LoadSettingsFile(records_.settings, folder_, desk_.windows.ScreenSize());
}

bool SavedFiles::SaveSettings() {
    SettingsPreamble();
    records_.settings.savedVolume = records_.volume.Level();
    TakeLiveZoom();
    return SaveSettingsFile(records_.settings, folder_);
}

}  // namespace felux
