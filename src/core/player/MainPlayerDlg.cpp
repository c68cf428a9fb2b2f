// The main window's behaviour: start-up, the 40 ms tick, the layout step and the exit sequence.
#include "player/MainPlayerDlg.h"

#include <algorithm>

#include "input/WatchedKeys.h"
#include "io/TextFile.h"
#include "playlist/CommandLine.h"
#include "playlist/ListFile.h"
#include "settings/SettingsFile.h"

namespace felux {
namespace {
constexpr int kGraphComplete = 1;  // end of stream
constexpr int kLayoutAfterMove = 12;
constexpr int kLayoutAfterActivation = 20;
}  // namespace

MainPlayerDlg::MainPlayerDlg(PlayerPorts ports, std::filesystem::path programFolder, std::vector<std::string> args)
    : editor(playlist, settings, ports.dialogs),
      graph(ports.media, ports.reportFailure),
      ports_(std::move(ports)),
      folder_(std::move(programFolder)),
      args_(std::move(args)) {}

std::vector<Rect> MainPlayerDlg::PanelRegion() {
    std::vector<Rect> spans;
    spans.push_back({1, 0, 404, 1});
    for (int y = 1; y <= 44; ++y) spans.push_back({0, y, 406, 1});
    spans.push_back({1, 45, 404, 1});
    for (int y = 46; y <= 47; ++y) {
        spans.push_back({22, y, 65, 1});
        spans.push_back({319, y, 65, 1});
    }
    return spans;
}

bool MainPlayerDlg::OnInitDialog() {
    CreateGraph();
    state.keyWaitTicks = 7;
    if (io::ReadFileBounded(folder_ / kSettingsFileName, 0))
        LoadSettings();
    else
        ReportUnsaved({{SaveSettings(), kSettingsFileName}});
    ports_.windows.Place(WindowId::Video, {settings.videoWindowX, settings.videoWindowY, 0, 0}, true,
                         Stacking::Keep);
    ports_.windows.Resize(WindowId::Picture, 0, 0);
    const Rect mainRect{settings.mainWindowX, settings.mainWindowY, kMainWidth, kMainHeight};
    ports_.windows.Place(WindowId::Main, mainRect, true, Stacking::Keep);
    ports_.windows.Place(WindowId::Panel, mainRect, true, Stacking::Keep);
    return true;
}

void MainPlayerDlg::OnTimer() {
    if (ended_) return;
    if (state.initialised == 0) FirstTick();
    if (state.layoutCountdown != 0) {
        state.layoutCountdown = std::max(0, state.layoutCountdown - 1);
        if (state.layoutCountdown == 8) {
            LayoutStep();
            state.layoutCountdown = 1;
        }
    } else {
        if (activationPending_) OnActivateApp(true);
        if (state.startState == 2 && settings.secondaryMonitorFix < 1) {
            state.startDelay = std::max(0, state.startDelay - 1);
            if (state.startDelay == 0) StartPlayback();
        }
        TakePopupChoice();
        TakeFileChoice();
        // An open pop-up menu has the keyboard: its keys are no player keys.
        if (state.modalDialogUp != 1 && !popup_) PollKeyboard();
        if (state.sourceRectCountdown > 0) {
            --state.sourceRectCountdown;
            if (state.sourceRectCountdown % 5 == 0) ApplySourceRect();
            state.sourceRectCountdown = 0;
        }
        RunPendingCommands();
        state.panelHover = PanelQuery(panel_query::kHover);
        if (videoInput.TakePressed()) KeepPanelAboveVideo();
        if (VideoInput(video_query::kAnyClick) != 0) {
            if (VideoInput(video_query::kLeftClick) != 0) {
                state.appActive = 1;
                state.videoFocusWait = 7;
            } else if (VideoInput(video_query::kMiddleClick) != 0) {
                state.requests.playPause = true;
            }
        }
        if (wheel.ForwardChildNotch(PanelQuery(panel_query::kWheel))) PanelResetNotch();
        if (wheel.ForwardChildNotch(VideoInput(video_query::kWheel))) VideoInputReset(video_reset::kClearWheel);
        if ((PanelQuery(panel_query::kButtons) != 0 || SkinDragActive()) && state.modalDialogUp == 0) HandlePanelMouse();
        if (state.mediaClosed == 0) {
            if (state.segmentActive && CheckSegment()) {
                state.requests.fastForward = SearchPhase::StepEntry;
                state.segmentActive = false;
            }
            if (PollGraphEvent() == kGraphComplete) {
                state.wheelStep = 0;
                state.keyWaitTicks = 10;
                if (EveryEntryFailedInTurn()) {
                    CollapseVideoWindow();
                    state.requests.endOfListStop = true;
                } else {
                    Next();
                }
            }
        }
        if (state.abState == 4) CheckABRepeat();
        DropStep();
        if (state.editorOpen != 0) ExchangeWithEditor();
        // An unchanged panel is neither composed nor painted again: an idle player stays idle.
        if (state.panelFramePending == 0) {
            if (const std::optional<Rect> changed = DrawPanel()) {
                panelChangedArea_ = *changed;
                state.panelFramePending = 1;
            }
        }
        if (state.panelFramePending == 1) ports_.windows.InvalidateArea(WindowId::Main, panelChangedArea_);
    }
    idleInhibit_.Follow(KeepsDesktopAwake(state));
    if (state.exitRequested == 1) ExitSequence();
}

bool MainPlayerDlg::EveryEntryFailedInTurn() {
    if (!graph.endedOnError) {
        failedEndsInTurn_ = 0;
        return false;
    }
    ports_.reportFailure("FELUX: playback stopped on an error: " + openFile.path + "\n");
    // Moving on would reopen a file that has just failed (a one-entry list on repeat) or go
    // round a list of failing files, once a tick, for ever.
    if (++failedEndsInTurn_ < std::max(1, playlist.count)) return false;
    failedEndsInTurn_ = 0;
    return true;
}

void MainPlayerDlg::ExchangeWithEditor() {
    // The settings dialog keeps the poll paused even while the editor reports no dialog of its own.
    const int editorDialog = QueryEditorState(editor_query::kFileDialogOpen);
    state.modalDialogUp = settingsDialogOpen_ ? 1 : editorDialog;
    // The editor changes the list directly: the count follows it.
    playlist.RefreshCount();
    if (playlist.count != state.shuffleOrderCount) Shuffle();
    if (QueryEditorState(editor_query::kRequest) == kEditorResized) {
        LayoutEditor();
        const Rect r = ports_.windows.WindowRect(WindowId::Editor);
        settings.editorWindowX = r.x;
        settings.editorWindowY = r.y;
        settings.editorWindowWidth = r.width;
        settings.editorWindowHeight = r.height;
        if (QueryEditorState(editor_query::kMoved) == 1) PushEditorSettings();
    }
    settings.listPathMode = QueryEditorState(editor_query::kListPathMode);
    // A file waiting for its layout is already open: the request goes ahead.
    if (QueryEditorState(editor_query::kRequest) == kEditorPlayRequest && !openingBusy_ && !(drop_.Running() && dropReplaces_)) {
        playlist.currentIndex = QueryEditorState(editor_query::kRequestedIndex);
        ClearEditorRequest(editor_query::kRequest);
        ClearEditorRequest(editor_query::kRequestedIndex);
        state.requests.playSelected = true;
    }
    playlist.currentIndex = QueryEditorState(editor_query::kCurrent);
}

void MainPlayerDlg::LayoutStep() {
    ports_.windows.Resize(WindowId::Main, kMainWidth, kMainHeight);
    if (state.mediaClosed == 0) {
        ApplyVideoLayout();
        if (state.hasVideo != 0) SetVideoWindowPosition();
        if (state.startState == 1) state.startState = 2;
        if (state.startState == 2 && settings.secondaryMonitorFix > 0) StartPlayback();
    }
    state.layoutCountdown = 1;
}

void MainPlayerDlg::FirstTick() {
    state.initialised = 1;
    state.exitRequested = exitAsked_ ? 1 : 0;
    history.LoadHistory(folder_ / kHistoryName);
    LoadVolumeLog();
    CreateImages();
    ports_.windows.SetTitle(WindowId::Main, kMainTitle);
    const std::vector<Rect> region = PanelRegion();
    ports_.windows.SetRegion(WindowId::Panel, region);
    ports_.windows.SetRegion(WindowId::Main, region);

    std::error_code noFolder;
    for (const std::string& path : CommandLinePaths(args_, std::filesystem::current_path(noFolder))) {
        if (IsListPath(path))
            LoadList(path);
        else
            playlist.Append(path, "");
    }
    playlist.RefreshCount();
    playlist.currentIndex = 0;
    if (playlist.count == 0) {
        CloseMedia();
        const std::filesystem::path current = folder_ / kCurrentListName;
        std::error_code ec;
        if (std::filesystem::exists(current, ec))
            LoadList(current);
        else
            ReportUnsaved({{io::WriteFileAtomic(current, ""), kCurrentListName}});
        playlist.RefreshCount();
    }
    ApplyStartupVolume();
    CreateGraph();
    Shuffle();
    CloseMedia();
    playlist.currentIndex = std::clamp(playlist.currentIndex, 0, std::max(0, playlist.count - 1));
    if (settings.noPlayOnStart != 1) OpenCurrent();

    const Rect mainRect{settings.mainWindowX, settings.mainWindowY, kMainWidth, kMainHeight};
    ports_.windows.Place(WindowId::Main, mainRect, true, Stacking::Normal);
    ports_.windows.Place(WindowId::Panel, mainRect, true, Stacking::Normal);
    ApplyTopmost();
}

void MainPlayerDlg::ExitSequence() {
    if (settings.restoreVolumeOnExit == 1) RestoreStartupVolume();
    if (state.displayModeChanged != 0) {
        ports_.displayModes.Restore();
        ReleaseMouseButtons();
        state.displayModeChanged = 0;
    }
    SettingsPreamble();
    SaveFiles();
    DestroyEditor();
    idleInhibit_.Follow(false);
    ended_ = true;
}

void MainPlayerDlg::RequestExit() {
    exitAsked_ = true;
    state.exitRequested = 1;
}

bool MainPlayerDlg::SaveFiles() {
    // Each file is kept whole whatever fails; what could not be saved is told once.
    if (state.fullScreen == 0) RememberVideoPosition();
    const bool historySaved = history.SaveHistory(folder_ / kHistoryName);
    const bool volumesSaved = SaveVolumeLog();
    const bool listSaved = WriteCurrentList(playlist, folder_ / kCurrentListName);
    settings.savedVolume = state.volumeLevel;
    const bool settingsSaved = SaveSettingsFile(settings, folder_);
    ReportUnsaved({{historySaved, kHistoryName},
                   {volumesSaved, VolumeLog::kFileName},
                   {listSaved, kCurrentListName},
                   {settingsSaved, kSettingsFileName}});
    return historySaved && volumesSaved && listSaved && settingsSaved;
}

void MainPlayerDlg::ReportUnsaved(std::initializer_list<SaveResult> results) const {
    std::string unsaved;
    for (const SaveResult& result : results)
        if (!result.saved) unsaved += std::string(unsaved.empty() ? "" : ", ") + result.file;
    if (!unsaved.empty() && ports_.reportFailure)
        ports_.reportFailure("FELUX: could not save " + unsaved + " in " + folder_.string() + "\n");
}

int MainPlayerDlg::OnEditorMessage(int wParam) {
    if (wParam != kEditorClosedCode) return 0;
    CloseEditorWindow();
    return 0;
}

void MainPlayerDlg::OnPaint() { state.panelFramePending = 0; }

void MainPlayerDlg::ApplyStartupVolume() {
    startupVolume_ = TakeStartupVolume(ports_.systemVolume, settings.restoreVolumeOnExit == 1,
                                       settings.useDirectShowVolume == 1, settings.savedVolume);
    state.volumeLevel = startupVolume_.level;
}

void MainPlayerDlg::RestoreStartupVolume() {
    felux::RestoreStartupVolume(ports_.systemVolume, settings.restoreVolumeOnExit == 1, startupVolume_);
}

void MainPlayerDlg::LoadVolumeLog() { volumeLog.Load(folder_); }

bool MainPlayerDlg::SaveVolumeLog() { return volumeLog.Save(folder_); }

bool MainPlayerDlg::LoadList(const std::filesystem::path& file) { return LoadListFile(playlist, file); }

void MainPlayerDlg::PollKeyboard() { keyboard.Poll(); }

void MainPlayerDlg::ReleaseMouseButtons() {
    ports_.keys.Release(vk::LButton);
    ports_.keys.Release(vk::RButton);
}

void MainPlayerDlg::OnMove(int x, int y) {
    settings.mainWindowX = x;
    settings.mainWindowY = y;
    if (state.fullScreen == 0) {
        const Rect main{x, y, kMainWidth, kMainHeight};
        ports_.windows.Place(WindowId::Main, main, true, Stacking::Keep);
        ports_.windows.Place(WindowId::Panel, main, true, Stacking::Keep);
    }
    state.requests.panelReplace = true;
    state.layoutCountdown = kLayoutAfterMove;
}

void MainPlayerDlg::OnMouseWheel(int delta) { wheel.OnWheel(delta); }

void MainPlayerDlg::OnActivateApp(bool active) {
    if (!active) {
        state.appActive = 0;
        activationPending_ = false;
        return;
    }
    if (openingBusy_ || closing_ || state.layoutCountdown != 0) {
        // Taken up once the layout is done: dropped, the keys would stay dead until the
        // user switched to another program and back.
        activationPending_ = true;
        return;
    }
    activationPending_ = false;
    state.appActive = 1;
    if (state.windowMode == 1 || (state.windowMode == 2 && state.hasVideo == 0)) {
        state.windowMode = 0;
        ports_.windows.Restore(WindowId::Main);
    }
    // A file waiting to start is laid out for its start anyway; another relayout would only hold
    // the first picture back (a desktop activates the player just as it opens its first file).
    if (state.startState == 0) state.layoutCountdown = kLayoutAfterActivation;
}

void MainPlayerDlg::EnterWindowMode(int mode) {
    if (state.windowMode != 0) return;
    state.windowMode = mode;
    // Minimised, the player leaves the screen whole: the video window belongs to the main one.
    if (mode == 1 || state.hasVideo == 0) {
        RememberVideoPosition();
        CollapseVideoWindow();
    }
    ports_.windows.Minimise(WindowId::Main);
    // Video only: the picture takes the keyboard the minimised panel had.
    if (mode == 2 && state.hasVideo != 0) ports_.windows.Activate(WindowId::Video);
}

void MainPlayerDlg::OnMainDoubleClick() {
    if (state.windowMode != 2) {
        EnterWindowMode(2);
        return;
    }
    state.windowMode = 0;
    ports_.windows.Restore(WindowId::Main);
    state.layoutCountdown = kLayoutAfterActivation;
}

void MainPlayerDlg::OnMainRestored() {
    if (state.windowMode == 0) return;
    state.windowMode = 0;
    state.layoutCountdown = kLayoutAfterActivation;
}

void MainPlayerDlg::RememberVideoPosition() {
    if (const std::optional<PanelWnd::Position> p = videoInput.TakeUserPosition()) {
        settings.videoWindowX = p->x;
        settings.videoWindowY = p->y;
    }
}

void MainPlayerDlg::SettingsPreamble() {
    ClearKeyLatches(ports_.keys);
    CheckFullScreenMode(settings, ports_.displayModes);
}

void MainPlayerDlg::LoadSettings() {
    SettingsPreamble();
    LoadSettingsFile(settings, folder_, ports_.windows.ScreenSize());
}

bool MainPlayerDlg::SaveSettings() {
    SettingsPreamble();
    settings.savedVolume = state.volumeLevel;
    return SaveSettingsFile(settings, folder_);
}

}  // namespace felux
