// Full screen on the tick: the toggle request, entering and leaving, and what each step asks the player to do.
#include "player/MainPlayerDlg.h"

namespace felux {
namespace {
constexpr int kButtonReleaseWatchTicks = 7;
}  // namespace

void MainPlayerDlg::FullScreenStates() {
    PendingCommands& r = state.requests;
    if (r.fullScreen) {
        r.fullScreen = false;
        ports_.windows.Resize(WindowId::Main, kMainWidth, kMainHeight);
        if (state.fullScreen != 0)
            LeaveFullScreen();
        else if (state.mediaClosed == 0)
            EnterFullScreen();
    }
    if (state.fullScreen == 0) return;
    const FullScreenState before = fullScreen.State();
    FullScreenTick tick;
    tick.mainWindow = {settings.mainWindowX, settings.mainWindowY, kMainWidth, kMainHeight};
    tick.volumeLevel = state.volumeLevel;
    if (state.editorOpen != 0) tick.editorWindow = ports_.windows.WindowRect(WindowId::Editor);
    ApplyFullScreenEffects(fullScreen.Tick(tick));
    if (state.fullScreen != 0 && fullScreen.State() != before) ArrangePanelForLayout();
    if (fullScreen.KeepAwakeTick(settings.powerManagementOff != 0)) ports_.windows.KeepDisplayAwake();
}

void MainPlayerDlg::EnterFullScreen() {
    const Rect main{settings.mainWindowX, settings.mainWindowY, kMainWidth, kMainHeight};
    ports_.windows.Place(WindowId::Main, main, true, Stacking::Normal);
    FullScreenOptions options;
    options.switchDisplayMode = settings.fullScreenModeOn != 0;
    options.displayModeNumber = settings.fullScreenModeNumber;
    options.displayModeSize = {settings.fullScreenWidth, settings.fullScreenHeight};
    options.hideCursor = settings.hideCursorInFullScreen != 0;
    options.mouseVolume = settings.mouseVolume != 0;
    const FullScreenEffects effects =
        fullScreen.Enter(options, ports_.windows.ScreenSize(), mouse.mouseState.buttonNavigation);
    state.fullScreen = 1;
    state.displayModeChanged = fullScreen.DisplayModeChanged() ? 1 : 0;
    fullScreenScreen_ = fullScreen.Screen();
    state.appActive = 1;
    ApplyFullScreenEffects(effects);
    videoInput.VideoInputReset(video_reset::kFullScreen);
    ArrangePanelForLayout();
    state.requests.newVideoSize = true;
}

void MainPlayerDlg::LeaveFullScreen() {
    if (state.fullScreen == 0) return;
    ApplyFullScreenEffects(fullScreen.Leave());
}

void MainPlayerDlg::ApplyFullScreenEffects(const FullScreenEffects& e) {
    if (e.resetVideoInput) videoInput.VideoInputReset(video_reset::kClearClicks);
    if (e.rememberVideoWindow) RememberVideoPosition();
    if (e.mouseReleaseWatch) keyboard.pollState.buttonReleaseGuard = kButtonReleaseWatchTicks;
    if (e.showReadout) state.readoutCountdown = kReadoutTicks;
    if (e.middleClick) state.requests.playPause = true;
    if (e.nextEntry) state.requests.fastForward = SearchPhase::StepEntry;
    if (e.previousEntry) state.requests.rewind = SearchPhase::StepEntry;
    if (e.volumeLevel && *e.volumeLevel != state.volumeLevel) {
        state.volumeLevel = *e.volumeLevel;
        state.requests.volumeChanged = true;
    }
    if (e.restoreWindows) {
        state.fullScreen = 0;
        state.displayModeChanged = 0;
        mouse.mouseState.buttonNavigation = false;
        const Rect main{settings.mainWindowX, settings.mainWindowY, kMainWidth, kMainHeight};
        const Rect video = ports_.windows.WindowRect(WindowId::Video);
        ports_.windows.Place(WindowId::Video,
                             {settings.videoWindowX, settings.videoWindowY, video.width, video.height}, true,
                             Stacking::Keep);
        ports_.windows.Raise(WindowId::Video);
        ports_.windows.Place(WindowId::Main, main, true, Stacking::Normal);
        ports_.windows.Place(WindowId::Panel, main, true, Stacking::Keep);
        state.requests.newVideoSize = true;
    }
}

bool MainPlayerDlg::FullScreenPanelHidden() {
    return state.fullScreen != 0 && fullScreen.State() == FullScreenState::PanelHidden;
}

void MainPlayerDlg::MouseVolumeChanged() { fullScreen.SetMouseVolume(settings.mouseVolume != 0); }

}  // namespace felux
