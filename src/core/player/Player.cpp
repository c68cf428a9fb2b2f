// The player: owns the records and the parts, and runs the start-up, the 40 ms tick and the exit.
#include "player/Player.h"

#include <algorithm>

#include "player/PlaybackSpeed.h"
#include "playlist/CommandLine.h"
#include "playlist/FolderScan.h"
#include "playlist/ListFile.h"
#include "io/TextFile.h"

namespace felux {
Player::Player(PlayerPorts ports, std::filesystem::path programFolder, std::vector<std::string> args)
    : editor(playlist, settings, ports.dialogs),
      graph(ports.media, ports.reportFailure),
      ports_(std::move(ports)),
      folder_(std::move(programFolder)),
      args_(std::move(args)),
      volume(state, settings, openFile, volumeLog, graph, ports_.systemVolume, wheel, folder_),
      resume(settings, state, graph, openFile, folder_, ports_.reportFailure),
      layout(state, state.layout, partCommands_, settings, graph, ports_.windows, ports_.keys, ports_.displayModes,
             {videoInput, keyboard.pollState, mouse.mouseState}, indexList, volume),
      presenter({state, settings, graph, playlist, openFile, indexList, panelButtons, playback, volume, wheel, abLoop,
                 progressBar},
                volume, layout, ports_.windows, ports_.text, folder_),
      playback({state, state.playback, pending_, settings, playlist, history, graph, openFile, indexList, editor},
               {volume, resume, layout, presenter, keyboard.Gate(), wheel, abLoop, progressBar, partCommands_},
               ports_.windows, ports_.reportFailure, ports_.randomSeed),
      drop(state, partCommands_, playlist, editor, keyboard.pollState, playback, ports_.windows, ports_.now),
      editorBridge(state, state.editor, partCommands_, settings, playlist, editor, playback, drop,
                   {ports_.windows, ports_.editorWindow, ports_.dialogs}, ports_.randomSeed),
      lines(state, graph, indexList, abLoop),
      tracks(state, graph, lines),
      popups(state, playlist, history, openFile, keyboard.pollState, keyboard.Gate(), playback, tracks, ports_.dialogs),
      files({state, settings, playlist, history, volume, resume}, layout,
            {ports_.windows, ports_.keys, ports_.displayModes}, folder_, ports_.reportFailure),
      settingsBridge(state.settingsDialog, settings, ports_.windows, ports_.settingsDialogs,
                     {volume, layout, playback, presenter, files, wheel}, {ports_.keys, panelInput, videoInput}) {}

void Player::Start() {
    graph.CreateGraph();
    // The keys wait out the first ticks, as they do after a key was taken.
    keyboard.Gate().Lock(kKeyLockoutTicks);
    files.LoadOrCreateSettings();
    graph.SetHardwareDecoding(settings.hardwareDecoding != 0);
    // A hand-edited value outside 0..2 levels nothing.
    graph.SetReplayGain(settings.replayGain == 1   ? ReplayGain::Track
                        : settings.replayGain == 2 ? ReplayGain::Album
                                                   : ReplayGain::Off);
    layout.SetZoom({settings.windowZoomStep, settings.fullScreenZoomStep});
    ports_.windows.Place(WindowId::Video, {settings.videoWindowX, settings.videoWindowY, 0, 0}, true,
                         Stacking::Keep);
    ports_.windows.Resize(WindowId::Picture, 0, 0);
    const Rect mainRect{settings.mainWindowX, settings.mainWindowY, kMainWidth, kMainHeight};
    ports_.windows.Place(WindowId::Main, mainRect, true, Stacking::Keep);
    ports_.windows.Place(WindowId::Panel, mainRect, true, Stacking::Keep);
}

// Each line is one step; the README's "How a tick works" walks through them.
void Player::Tick() {
    if (ended_) return;
    inTick_ = true;
    playback.FollowOpening();
    playback.RunOnceShown();
    if (!state.initialised) FirstTick();
    if (layout.Timer().Running()) {
        LayoutCountdownStep();
    } else {
        if (activationPending_) OnActivated(true);
        DelayedStartStep();
        popups.TakeChoice();
        editorBridge.TakeFileChoice();
        KeyboardStep();
        SourceRectStep();
        CommandStep();
        ChildWindowInputStep();
        playback.FollowOpenFile();
        if (abLoop.Looping()) playback.CheckABRepeat();
        drop.Step();
        if (state.editor.open) editorBridge.Exchange();
        playback.KeepFollowerCurrent();
        presenter.ComposeStep();
    }
    idleInhibit_.Follow(KeepsDesktopAwake(state, playback.Paused()));
    if (state.exitRequested) ExitSequence();
    inTick_ = false;
    RushStart();
}

// A file's start counts ticks for the order of its layout handshake, not for time, and a user
// waits for its picture meanwhile: those ticks follow one another at once. The waits given to
// the window manager (a move, an activation) and a segment's start delay keep their pace.
bool Player::StartRushes() const {
    const std::optional<LayoutWait> wait = layout.Timer().Waiting();
    if (wait && *wait != LayoutWait::NewSize && *wait != LayoutWait::Settle) return false;
    return state.playback.startState == StartState::Opened ||
           (state.playback.startState == StartState::LaidOut && state.playback.startDelay <= 1);
}

void Player::RushStart() {
    // A handshake takes five ticks; one that does not end within twice that goes back to the
    // clock's pace rather than spin.
    constexpr int kMostRushedTicks = 10;
    if (ended_ || !StartRushes()) {
        rushedTicks_ = 0;
        return;
    }
    if (++rushedTicks_ > kMostRushedTicks || !ports_.wake) return;
    ports_.wake();
}

void Player::LayoutCountdownStep() {
    if (layout.Timer().TickDown()) LayoutStep();
}

void Player::LayoutStep() {
    ports_.windows.Resize(WindowId::Main, kMainWidth, kMainHeight);
    if (!state.playback.mediaClosed) {
        layout.ApplyVideoLayout();
        if (state.playback.hasVideo) layout.PlacePicture();
        playback.MarkLaidOut();
        if (state.playback.startState == StartState::LaidOut && settings.secondaryMonitorFix > 0)
            playback.StartPlayback();
    }
    layout.Timer().Start(LayoutWait::Settle);
}

// Without the monitor fix a laid-out file starts on a later tick, after its start delay.
void Player::DelayedStartStep() {
    if (state.playback.startState != StartState::LaidOut || settings.secondaryMonitorFix >= 1) return;
    if (playback.StartDelayOver()) playback.StartPlayback();
}

void Player::KeyboardStep() {
    // An open pop-up menu has the keyboard: its keys are no player keys.
    if (!state.ModalDialogUp() && !popups.IsOpen()) keyboard.Poll();
}

void Player::SourceRectStep() { playback.FollowSourceRectCountdown(); }

// What the panel and the video window recorded since the last tick: hover, clicks, wheel notches.
void Player::ChildWindowInputStep() {
    state.panelHover = panelInput.Panel().hover;
    if (videoInput.TakePressed()) layout.KeepPanelAboveVideo();
    if (videoInput.ClickWaiting()) {
        if (videoInput.TakeLeftClick()) {
            layout.SetAppActive(true);
        } else if (videoInput.TakeMiddleClick()) {
            partCommands_.Command(PlayerCommand::PlayPause);
        }
    }
    if (videoInput.TakeMenuClick()) keyboard.RequestMenu(PopupMenu::Video);
    if (wheel.ForwardChildNotch(panelInput.WheelNotch())) panelInput.ClearWheel();
    if (wheel.ForwardChildNotch(videoInput.WheelNotch())) videoInput.ClearWheel();
    if ((panelInput.Panel().ButtonsWaiting() || mouse.DragActive()) && !state.ModalDialogUp())
        mouse.HandlePanelMouse(panelInput);
}

void Player::FirstTick() {
    state.initialised = true;
    state.exitRequested = exitAsked_;
    history.LoadHistory(folder_ / kHistoryName);
    volume.LoadLog();
    resume.Load();
    presenter.LoadSkin();
    ports_.windows.SetTitle(WindowId::Main, kMainTitle);
    const std::vector<Rect> region = PanelRegion();
    ports_.windows.SetRegion(WindowId::Panel, region);
    ports_.windows.SetRegion(WindowId::Main, region);

    std::error_code noFolder;
    const std::vector<std::string> named = CommandLinePaths(args_, std::filesystem::current_path(noFolder));
    // A folder is scanned over the next ticks, as a drop of it is; its first file then plays.
    const bool scanning = AnyFolder(named);
    if (scanning) drop.HandIn(named, settings.noPlayOnStart != 1);
    for (const std::string& path : scanning ? std::vector<std::string>() : named) {
        if (IsListPath(path))
            LoadListFile(playlist, path);
        else
            playlist.Append(path, "");
    }
    playlist.currentIndex = 0;
    if (playlist.Count() == 0 && !scanning) {
        playback.CloseMedia();
        const std::filesystem::path current = folder_ / kCurrentListName;
        std::error_code ec;
        if (std::filesystem::exists(current, ec))
            LoadListFile(playlist, current);
        else
            files.ReportUnsaved({{io::WriteFileAtomic(current, ""), kCurrentListName}});
    }
    volume.TakeStartupLevel();
    graph.CreateGraph();
    playback.Shuffle();
    playback.CloseMedia();
    playlist.currentIndex = std::clamp(playlist.currentIndex, 0, std::max(0, playlist.Count() - 1));
    if (settings.noPlayOnStart != 1) playback.OpenCurrent();

    const Rect mainRect{settings.mainWindowX, settings.mainWindowY, kMainWidth, kMainHeight};
    ports_.windows.Place(WindowId::Main, mainRect, true, Stacking::Normal);
    ports_.windows.Place(WindowId::Panel, mainRect, true, Stacking::Normal);
    layout.ApplyTopmost();
}

void Player::ExitSequence() {
    if (settings.restoreVolumeOnExit == 1) volume.RestoreStartupLevel();
    if (state.layout.displayModeChanged) {
        ports_.displayModes.Restore();
        layout.DisplayModeRestored();
    }
    files.SettingsPreamble();
    files.SaveAll();
    editorBridge.Destroy();
    idleInhibit_.Follow(false);
    ended_ = true;
}

void Player::OnOpenNews() {
    if (ended_) return;
    playback.FollowOpening();
    RushStart();
}

void Player::RequestExit() {
    exitAsked_ = true;
    state.exitRequested = true;
}

void Player::OnMove(int x, int y) {
    settings.mainWindowX = x;
    settings.mainWindowY = y;
    if (!state.layout.fullScreen) {
        const Rect main{x, y, kMainWidth, kMainHeight};
        ports_.windows.Place(WindowId::Main, main, true, Stacking::Keep);
        ports_.windows.Place(WindowId::Panel, main, true, Stacking::Keep);
    }
    layout.PanelMoved();
    layout.Timer().Start(LayoutWait::AfterMove);
}

void Player::OnActivated(bool active) {
    if (!active) {
        layout.SetAppActive(false);
        activationPending_ = false;
        return;
    }
    if (playback.Busy() || layout.Timer().Running()) {
        // Taken up once the layout is done: dropped, the keys would stay dead until the
        // user switched to another program and back.
        activationPending_ = true;
        return;
    }
    activationPending_ = false;
    layout.SetAppActive(true);
    if (state.windowMode == WindowMode::Minimised ||
        (state.windowMode == WindowMode::VideoOnly && !state.playback.hasVideo)) {
        state.windowMode = WindowMode::Normal;
        ports_.windows.Restore(WindowId::Main);
    }
    // A file waiting to start is laid out for its start anyway; another relayout would only hold
    // the first picture back (a desktop activates the player just as it opens its first file).
    if (state.playback.startState == StartState::Idle) layout.Timer().Start(LayoutWait::AfterActivation);
}

void Player::EnterWindowMode(WindowMode mode) {
    if (state.windowMode != WindowMode::Normal) return;
    state.windowMode = mode;
    // Minimised, the player leaves the screen whole: the video window belongs to the main one.
    if (mode == WindowMode::Minimised || !state.playback.hasVideo) {
        layout.RememberVideoPosition();
        layout.CollapseVideoWindow();
    }
    ports_.windows.Minimise(WindowId::Main);
    // Video only: the picture takes the keyboard the minimised panel had.
    if (mode == WindowMode::VideoOnly && state.playback.hasVideo) ports_.windows.Activate(WindowId::Video);
}

void Player::OnMainDoubleClick() {
    if (state.windowMode != WindowMode::VideoOnly) {
        EnterWindowMode(WindowMode::VideoOnly);
        return;
    }
    state.windowMode = WindowMode::Normal;
    ports_.windows.Restore(WindowId::Main);
    layout.Timer().Start(LayoutWait::AfterActivation);
}

void Player::OnMainRestored() {
    if (state.windowMode == WindowMode::Normal) return;
    state.windowMode = WindowMode::Normal;
    layout.Timer().Start(LayoutWait::AfterActivation);
}

}  // namespace felux
