// Where the video window and its picture go, windowed and full screen, and the picture's visible rows.
#include "player/VideoLayout.h"

#include "platform/Keys.h"
#include "video/PictureSize.h"
#include "video/VideoRegions.h"

namespace felux {
namespace {
constexpr int kButtonReleaseWatchTicks = 7;
// The lyrics view stands in for a 16:9 picture, so that it sizes and zooms as one would.
constexpr VideoSize kLyricsCanvas{640, 360};
}  // namespace

VideoLayout::VideoLayout(const PlayerState& state, LayoutStatus& status, CommandSink& commands,
                         PlayerSettings& settings, const MediaGraph& graph, WindowSystem& windows, KeyState& keys,
                         DisplayModes& modes, LayoutInputs inputs, const IndexList& timedText, VolumeControl& volume)
    : state_(state),
      status_(status),
      commands_(commands),
      settings_(settings),
      graph_(graph),
      windows_(windows),
      keys_(keys),
      inputs_(inputs),
      timedText_(timedText),
      volume_(volume),
      fullScreen_(*this, modes) {}

Rect VideoLayout::MainRect() const { return {settings_.mainWindowX, settings_.mainWindowY, kMainWidth, kMainHeight}; }

void VideoLayout::CollapseVideoWindow() {
    windows_.Place(WindowId::Video, {settings_.videoWindowX, settings_.videoWindowY, 0, 0}, true, Stacking::Keep);
}

void VideoLayout::RememberVideoPosition() {
    if (const std::optional<ChildWindowInput::Position> p = inputs_.videoInput.TakeUserPosition()) {
        settings_.videoWindowX = p->x;
        settings_.videoWindowY = p->y;
    }
}

bool VideoLayout::LyricsViewPossible() const {
    return !state_.playback.hasVideo && !state_.playback.mediaClosed && timedText_.Active();
}

bool VideoLayout::LyricsViewShown() const { return status_.lyricsView && LyricsViewPossible(); }

void VideoLayout::LyricsViewToggle() {
    if (!LyricsViewPossible()) return;
    status_.lyricsView = !status_.lyricsView;
    commands_.Command(PlayerCommand::NewVideoSize);
}

VideoSize VideoLayout::PictureSize() const {
    if (LyricsViewShown()) return kLyricsCanvas;
    return PresetPictureSize(settings_.aspectPresets, settings_.aspectPresetIndex,
                             {graph_.sourceWidth, graph_.sourceHeight});
}

Size VideoLayout::LayoutScreen() { return status_.fullScreen ? fullScreenScreen_ : windows_.ScreenSize(); }

// One row short of a work area that is the whole screen: window managers take an undecorated
// window that covers its monitor for an old-style full-screen one, and while it has the focus
// stack it above every other window, the panel and the dialogs included.
Size VideoLayout::WorkAreaSize() {
    const Rect area = windows_.WorkArea();
    const Size screen = windows_.ScreenSize();
    const bool wholeScreen = area == Rect{0, 0, screen.width, screen.height};
    return {area.width, wholeScreen ? area.height - 1 : area.height};
}

VideoSizeInput VideoLayout::VideoSizeRequest() {
    VideoSizeInput in;
    in.picture = PictureSize();
    in.fullScreen = status_.fullScreen;
    in.windowZoomStep = zoom_.window;
    in.fullScreenZoomStep = zoom_.fullScreen;
    in.screen = LayoutScreen();
    in.largeTimedText = settings_.lyricsBelowVideo != 0;
    if (!status_.fullScreen) in.workArea = WorkAreaSize();
    return in;
}

void VideoLayout::ComputeVideoSize(bool force) {
    if (state_.playback.mediaClosed && !force) return;
    placement_ = felux::ComputeVideoSize(VideoSizeRequest());
    status_.videoDisplayWidth = placement_.video.width;
    status_.videoDisplayHeight = placement_.video.height;
}

void VideoLayout::ApplyVideoLayout() {
    if (!state_.playback.mediaClosed) ComputeVideoSize(false);
    const bool windowed = !status_.fullScreen;
    // In video-only mode too: the user drags the video window there.
    if (windowed && VideoWindowUsed()) RememberVideoPosition();
    VideoLayoutInput in;
    in.fullScreen = !windowed;
    // In full screen the lyrics take the whole screen, as the black of a sound file does.
    in.hasVideo = state_.playback.hasVideo || (windowed && LyricsViewShown());
    in.minimised = state_.windowMode == WindowMode::Minimised;
    in.wheelSeekOff = settings_.wheelSeekOff != 0;
    in.largeTimedText = settings_.lyricsBelowVideo != 0;
    in.screen = LayoutScreen();
    in.videoWindowX = settings_.videoWindowX;
    in.videoWindowY = settings_.videoWindowY;
    if (windowed) in.workArea = windows_.WorkArea();
    layout_ = LayoutVideoWindow(in, placement_);
    // In full screen the video covers everything but the panel, which goes on top when shown.
    // Raised rather than made topmost: changing that flag would recreate the window mpv draws in.
    windows_.Place(WindowId::Video, layout_.videoWindow, true, Stacking::Keep);
    if (!windowed) windows_.Raise(WindowId::Video);
    PlacePicture();
    windows_.Raise(WindowId::Picture);
    ArrangePanel();
    // After the stacking flags: a window put above the others comes up on top of its layer.
    KeepPanelAboveVideo();
}

// A newly shown or raised video window comes up on top; the panel stays usable above the picture.
void VideoLayout::KeepPanelAboveVideo() {
    if (!status_.fullScreen && state_.windowMode == WindowMode::Normal)
        windows_.StackUnder(WindowId::Video, WindowId::Main);
}

void VideoLayout::PlacePicture() {
    const Rect& video = layout_.videoWindow;
    const Rect& picture = layout_.picture;
    const Rect at{video.x + picture.x, video.y + picture.y, picture.width, picture.height};
    const bool lyrics = LyricsViewShown();
    // The lyrics take the picture's place; the picture window would cover them.
    windows_.Place(WindowId::Picture, lyrics ? Rect{at.x, at.y, 0, 0} : at, true, Stacking::Keep);
    if (lyrics || lyricsPlaced_) {
        windows_.Place(WindowId::Lyrics, lyrics ? at : Rect{at.x, at.y, 0, 0}, true, Stacking::Keep);
        if (lyrics) windows_.Raise(WindowId::Lyrics);
        // The hidden window took the keyboard with it; the panel takes it back, unless the user
        // works in another program meanwhile.
        if (!lyrics && !VideoWindowUsed() && !status_.fullScreen && status_.appActive)
            windows_.Activate(WindowId::Main);
        lyricsPlaced_ = lyrics;
    }
}

// The editor, while shown, at its remembered rectangle above the picture.
void VideoLayout::PlaceEditorWindow() {
    if (!state_.editor.open) return;
    windows_.Place(WindowId::Editor,
                         {settings_.editorWindowX, settings_.editorWindowY, settings_.editorWindowWidth,
                          settings_.editorWindowHeight},
                         true, Stacking::Keep);
    windows_.Raise(WindowId::Editor);
}

void VideoLayout::ArrangePanel() {
    const Rect main = MainRect();
    if (status_.fullScreen) {
        if (fullScreen_.State() == FullScreenState::PanelShown) {
            // Raised above the video; a stacking flag would recreate the window while it shows.
            // Given the focus too: the manager keeps a focused full-screen window above all.
            windows_.Place(WindowId::Main, main, true, Stacking::Keep);
            windows_.Activate(WindowId::Main);
            windows_.Raise(WindowId::Main);
            PlaceEditorWindow();
        } else {
            windows_.Resize(WindowId::Main, 0, 0);
            // The hidden panel had the focus: without it the next click would first
            // reactivate the application, and that starts a relayout which swallows the click.
            windows_.Activate(WindowId::Video);
        }
        return;
    }
    if (panelReplace_) {
        panelReplace_ = false;
        windows_.Place(WindowId::Panel, main, true, Stacking::Keep);
        PlaceEditorWindow();
    }
    ApplyTopmost();
}

// Topmost keeps every window that shows above the others: the panel and the picture (the video
// window alone in video-only mode), so that a new window covers neither. The second mode brings
// the panel to the top once, among the ordinary windows.
void VideoLayout::ApplyTopmost() {
    const Rect main = MainRect();
    const bool videoOnly = state_.windowMode == WindowMode::VideoOnly;
    const bool top = settings_.topmostMode == 1;
    windows_.Place(WindowId::Main, main, true, top && !videoOnly ? Stacking::Topmost : Stacking::Normal);
    const bool videoAbove = top && VideoWindowUsed();
    if (videoAbove || videoTopmost_) {
        videoTopmost_ = videoAbove;
        windows_.Place(WindowId::Video, layout_.videoWindow, true,
                             videoTopmost_ ? Stacking::Topmost : Stacking::Normal);
    }
    if (settings_.topmostMode == 2) windows_.Raise(WindowId::Main);
}

void VideoLayout::ApplyVideoRegions() {
    if (state_.playback.mediaClosed || timer_.Running()) return;
    timer_.Start(LayoutWait::Busy);
    VideoRegionsInput in;
    in.video = placement_.video;
    in.pictureHeight = PictureSize().height;
    in.scanLinesOn = settings_.scanLinesOn != 0;
    in.scanLinePattern = settings_.scanLinePattern;
    in.lineMaskMode = settings_.lineMaskMode;
    in.mask = {settings_.lineMaskTop,          settings_.lineMaskBottom,          settings_.lineMaskLeft,
               settings_.lineMaskRight,        settings_.lineMaskTopPercent != 0, settings_.lineMaskBottomPercent != 0,
               settings_.lineMaskLeftPercent != 0, settings_.lineMaskRightPercent != 0};
    in.fullScreen = status_.fullScreen;
    in.stripHeight = placement_.stripHeight;
    const VideoRegions regions = ComputeVideoRegions(in);
    windows_.SetRegion(WindowId::Picture, regions.picture);
    windows_.SetRegion(WindowId::Video, regions.videoWindow.value_or(std::vector<Rect>{}));
    timer_.Start(LayoutWait::NewSize);
}

void VideoLayout::ZoomStep(int direction) {
    status_.readoutCountdown = kReadoutTicks;
    commands_.Command(PlayerCommand::NewVideoSize);
    // A window that already fills the work area cannot show more: the level stays.
    if (direction > 0 && !status_.fullScreen && !state_.playback.mediaClosed && !WindowedZoomGrows(VideoSizeRequest()))
        return;
    int& level = status_.fullScreen ? zoom_.fullScreen : zoom_.window;
    level = direction > 0 ? ZoomIn(level, status_.fullScreen) : ZoomOut(level, status_.fullScreen);
}

void VideoLayout::AspectChanged() {
    status_.readoutCountdown = kReadoutTicks;
    commands_.Command(PlayerCommand::NewVideoSize);
}

void VideoLayout::VideoRegionsChanged() { commands_.Command(PlayerCommand::NewVideoSize); }

void VideoLayout::FullScreenStep(bool toggle) {
    if (toggle) {
        windows_.Resize(WindowId::Main, kMainWidth, kMainHeight);
        if (status_.fullScreen)
            LeaveFullScreen();
        else if (!state_.playback.mediaClosed)
            EnterFullScreen();
    }
    if (!status_.fullScreen) return;
    const FullScreenState before = fullScreen_.State();
    FullScreenTick tick;
    tick.mainWindow = MainRect();
    tick.volumeLevel = volume_.Level();
    if (state_.editor.open) tick.editorWindow = windows_.WindowRect(WindowId::Editor);
    ApplyFullScreenEffects(fullScreen_.Tick(tick));
    if (status_.fullScreen && fullScreen_.State() != before) ArrangePanel();
    if (fullScreen_.KeepAwakeTick(settings_.powerManagementOff != 0)) windows_.KeepDisplayAwake();
}

void VideoLayout::EnterFullScreen() {
    const Rect main = MainRect();
    windows_.Place(WindowId::Main, main, true, Stacking::Normal);
    FullScreenOptions options;
    options.switchDisplayMode = settings_.fullScreenModeOn != 0;
    options.displayModeNumber = settings_.fullScreenModeNumber;
    options.displayModeSize = {settings_.fullScreenWidth, settings_.fullScreenHeight};
    options.hideCursor = settings_.hideCursorInFullScreen != 0;
    options.mouseVolume = settings_.mouseVolume != 0;
    const FullScreenEffects effects =
        fullScreen_.Enter(options, windows_.ScreenSize(), inputs_.panelMouse.buttonNavigation);
    status_.fullScreen = true;
    status_.displayModeChanged = fullScreen_.DisplayModeChanged();
    fullScreenScreen_ = fullScreen_.Screen();
    status_.appActive = true;
    ApplyFullScreenEffects(effects);
    inputs_.videoInput.MarkFullScreen();
    ArrangePanel();
    commands_.Command(PlayerCommand::NewVideoSize);
}

void VideoLayout::LeaveFullScreen() {
    if (!status_.fullScreen) return;
    ApplyFullScreenEffects(fullScreen_.Leave());
}

void VideoLayout::ApplyFullScreenEffects(const FullScreenEffects& e) {
    if (e.resetVideoInput) inputs_.videoInput.ClearClicks();
    if (e.rememberVideoWindow) RememberVideoPosition();
    if (e.mouseReleaseWatch) inputs_.keyPoll.buttonReleaseGuard = kButtonReleaseWatchTicks;
    if (e.showReadout) status_.readoutCountdown = kReadoutTicks;
    if (e.middleClick) commands_.Command(PlayerCommand::PlayPause);
    if (e.nextEntry) commands_.Command(PlayerCommand::NextEntry);
    if (e.previousEntry) commands_.Command(PlayerCommand::PreviousEntry);
    if (e.volumeLevel && *e.volumeLevel != volume_.Level()) {
        volume_.SetLevel(*e.volumeLevel);
        commands_.Command(PlayerCommand::VolumeChanged);
    }
    if (e.restoreWindows) {
        status_.fullScreen = false;
        status_.displayModeChanged = false;
        inputs_.panelMouse.buttonNavigation = false;
        const Rect main = MainRect();
        const Rect video = windows_.WindowRect(WindowId::Video);
        windows_.Place(WindowId::Video,
                             {settings_.videoWindowX, settings_.videoWindowY, video.width, video.height}, true,
                             Stacking::Keep);
        windows_.Raise(WindowId::Video);
        windows_.Place(WindowId::Main, main, true, Stacking::Normal);
        windows_.Place(WindowId::Panel, main, true, Stacking::Keep);
        commands_.Command(PlayerCommand::NewVideoSize);
    }
}

void VideoLayout::SetAppActive(bool active) { status_.appActive = active; }

void VideoLayout::SetReadoutCountdown(int ticks) { status_.readoutCountdown = ticks; }

void VideoLayout::DisplayModeRestored() {
    ReleaseMouseButtons();
    status_.displayModeChanged = false;
}

bool VideoLayout::FullScreenPanelHidden() const {
    return status_.fullScreen && fullScreen_.State() == FullScreenState::PanelHidden;
}

void VideoLayout::MouseVolumeChanged() { fullScreen_.SetMouseVolume(settings_.mouseVolume != 0); }


bool VideoLayout::LeftButtonDown() { return keys_.FullScreenHit(vk::LButton); }

bool VideoLayout::RightButtonDown() { return keys_.FullScreenHit(vk::RButton); }

Point VideoLayout::CursorPosition() { return windows_.CursorPosition(); }

void VideoLayout::MoveCursor(Point p) { windows_.MoveCursor(p); }

void VideoLayout::ShowCursor(bool show) { windows_.ShowCursor(show); }

void VideoLayout::ReleaseMouseButtons() {
    keys_.Release(vk::LButton);
    keys_.Release(vk::RButton);
}

}  // namespace felux
