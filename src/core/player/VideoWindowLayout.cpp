// Where the video window and its picture go for the open file, and the picture's visible rows.
#include "player/MainPlayerDlg.h"
#include "video/PictureSize.h"
#include "video/VideoRegions.h"

namespace felux {
namespace {
constexpr int kLayoutWhileShaping = 50;
}  // namespace

VideoSize MainPlayerDlg::PictureSize() const {
    return PresetPictureSize(settings.aspectPresets, settings.aspectPresetIndex,
                             {graph.sourceWidth, graph.sourceHeight});
}

Size MainPlayerDlg::LayoutScreen() {
    return state.fullScreen != 0 ? fullScreenScreen_ : ports_.windows.ScreenSize();
}

// One row short of a work area that is the whole screen: window managers take an undecorated
// window that covers its monitor for an old-style full-screen one, and while it has the focus
// stack it above every other window, the panel and the dialogs included.
Size MainPlayerDlg::WorkAreaSize() {
    const Rect area = ports_.windows.WorkArea();
    const Size screen = ports_.windows.ScreenSize();
    const bool wholeScreen = area == Rect{0, 0, screen.width, screen.height};
    return {area.width, wholeScreen ? area.height - 1 : area.height};
}

VideoSizeInput MainPlayerDlg::VideoSizeRequest() {
    VideoSizeInput in;
    in.picture = PictureSize();
    in.fullScreen = state.fullScreen != 0;
    in.windowZoomStep = settings.windowZoomStep;
    in.fullScreenZoomStep = settings.fullScreenZoomStep;
    in.screen = LayoutScreen();
    in.largeTimedText = settings.lyricsBelowVideo != 0;
    if (state.fullScreen == 0) in.workArea = WorkAreaSize();
    return in;
}

void MainPlayerDlg::ComputeVideoSize(bool force) {
    if (state.mediaClosed != 0 && !force) return;
    videoPlacement_ = felux::ComputeVideoSize(VideoSizeRequest());
    state.videoDisplayWidth = videoPlacement_.video.width;
    state.videoDisplayHeight = videoPlacement_.video.height;
}

void MainPlayerDlg::ApplyVideoLayout() {
    if (state.mediaClosed == 0) ComputeVideoSize(false);
    const bool windowed = state.fullScreen == 0;
    // In video-only mode too: the user drags the video window there.
    if (windowed && state.hasVideo != 0) RememberVideoPosition();
    VideoLayoutInput in;
    in.fullScreen = !windowed;
    in.hasVideo = state.hasVideo != 0;
    in.minimised = state.windowMode == 1;
    in.wheelSeekOff = settings.wheelSeekOff != 0;
    in.largeTimedText = settings.lyricsBelowVideo != 0;
    in.screen = LayoutScreen();
    in.videoWindowX = settings.videoWindowX;
    in.videoWindowY = settings.videoWindowY;
    if (windowed) in.workArea = ports_.windows.WorkArea();
    videoLayout_ = LayoutVideoWindow(in, videoPlacement_);
    // In full screen the video covers everything but the panel, which goes on top when shown.
    // Raised rather than made topmost: changing that flag would recreate the window mpv draws in.
    ports_.windows.Place(WindowId::Video, videoLayout_.videoWindow, true, Stacking::Keep);
    if (!windowed) ports_.windows.Raise(WindowId::Video);
    SetVideoWindowPosition();
    ports_.windows.Raise(WindowId::Picture);
    ArrangePanelForLayout();
    // After the stacking flags: a window put above the others comes up on top of its layer.
    KeepPanelAboveVideo();
}

// A newly shown or raised video window comes up on top; the panel stays usable above the picture.
void MainPlayerDlg::KeepPanelAboveVideo() {
    if (state.fullScreen == 0 && state.windowMode == 0) ports_.windows.StackUnder(WindowId::Video, WindowId::Main);
}

void MainPlayerDlg::SetVideoWindowPosition() {
    const Rect& video = videoLayout_.videoWindow;
    const Rect& picture = videoLayout_.picture;
    ports_.windows.Place(WindowId::Picture,
                         {video.x + picture.x, video.y + picture.y, picture.width, picture.height}, true,
                         Stacking::Keep);
}

// The editor, while shown, at its remembered rectangle above the picture.
void MainPlayerDlg::PlaceEditorWindow() {
    if (state.editorOpen == 0) return;
    ports_.windows.Place(WindowId::Editor,
                         {settings.editorWindowX, settings.editorWindowY, settings.editorWindowWidth,
                          settings.editorWindowHeight},
                         true, Stacking::Keep);
    ports_.windows.Raise(WindowId::Editor);
}

void MainPlayerDlg::ArrangePanelForLayout() {
    const Rect main{settings.mainWindowX, settings.mainWindowY, kMainWidth, kMainHeight};
    if (state.fullScreen != 0) {
        if (fullScreen.State() == FullScreenState::PanelShown) {
            // Raised above the video; a stacking flag would recreate the window while it shows.
            // Given the focus too: the manager keeps a focused full-screen window above all.
            ports_.windows.Place(WindowId::Main, main, true, Stacking::Keep);
            ports_.windows.Activate(WindowId::Main);
            ports_.windows.Raise(WindowId::Main);
            PlaceEditorWindow();
        } else {
            ports_.windows.Resize(WindowId::Main, 0, 0);
            // The hidden panel had the focus: without it the next click would first
            // reactivate the application, and that starts a relayout which swallows the click.
            ports_.windows.Activate(WindowId::Video);
        }
        return;
    }
    if (state.requests.panelReplace) {
        state.requests.panelReplace = false;
        ports_.windows.Place(WindowId::Panel, main, true, Stacking::Keep);
        PlaceEditorWindow();
    }
    ApplyTopmost();
}

// Topmost keeps every window that shows above the others: the panel and the picture (the video
// window alone in video-only mode), so that a new window covers neither. The second mode brings
// the panel to the top once, among the ordinary windows.
void MainPlayerDlg::ApplyTopmost() {
    const Rect main{settings.mainWindowX, settings.mainWindowY, kMainWidth, kMainHeight};
    const bool videoOnly = state.windowMode == 2;
    const bool top = settings.topmostMode == 1;
    ports_.windows.Place(WindowId::Main, main, true, top && !videoOnly ? Stacking::Topmost : Stacking::Normal);
    const bool videoAbove = top && state.hasVideo != 0;
    if (videoAbove || videoTopmost_) {
        videoTopmost_ = videoAbove;
        ports_.windows.Place(WindowId::Video, videoLayout_.videoWindow, true,
                             videoTopmost_ ? Stacking::Topmost : Stacking::Normal);
    }
    if (settings.topmostMode == 2) ports_.windows.Raise(WindowId::Main);
}

void MainPlayerDlg::ApplyVideoRegions() {
    if (state.mediaClosed != 0 || state.layoutCountdown != 0) return;
    state.layoutCountdown = kLayoutWhileShaping;
    VideoRegionsInput in;
    in.video = videoPlacement_.video;
    in.pictureHeight = PictureSize().height;
    in.scanLinesOn = settings.scanLinesOn != 0;
    in.scanLinePattern = settings.scanLinePattern;
    in.lineMaskMode = settings.lineMaskMode;
    in.mask = {settings.lineMaskTop,          settings.lineMaskBottom,          settings.lineMaskLeft,
               settings.lineMaskRight,        settings.lineMaskTopPercent != 0, settings.lineMaskBottomPercent != 0,
               settings.lineMaskLeftPercent != 0, settings.lineMaskRightPercent != 0};
    in.fullScreen = state.fullScreen != 0;
    in.stripHeight = videoPlacement_.stripHeight;
    const VideoRegions regions = ComputeVideoRegions(in);
    ports_.windows.SetRegion(WindowId::Picture, regions.picture);
    ports_.windows.SetRegion(WindowId::Video, regions.videoWindow.value_or(std::vector<Rect>{}));
    state.layoutCountdown = kLayoutStartCountdown;
}

void MainPlayerDlg::ZoomStep(int direction) {
    state.readoutCountdown = kReadoutTicks;
    state.requests.newVideoSize = true;
    // A window that already fills the work area cannot show more: the level stays.
    if (direction > 0 && state.fullScreen == 0 && state.mediaClosed == 0 &&
        !WindowedZoomGrows(VideoSizeRequest()))
        return;
    int& level = state.fullScreen != 0 ? settings.fullScreenZoomStep : settings.windowZoomStep;
    level = direction > 0 ? ZoomIn(level, state.fullScreen != 0) : ZoomOut(level, state.fullScreen != 0);
}

void MainPlayerDlg::AspectChanged() {
    state.readoutCountdown = kReadoutTicks;
    state.requests.newVideoSize = true;
}

void MainPlayerDlg::VideoRegionsChanged() { state.requests.newVideoSize = true; }

}  // namespace felux
