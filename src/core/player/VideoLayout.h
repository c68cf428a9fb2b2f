// Where the video window and its picture go, windowed and full screen, and the picture's visible rows.
#pragma once

#include "engine/MediaGraph.h"
#include "input/KeyboardPoll.h"
#include "model/InputCommand.h"
#include "model/LayoutTimer.h"
#include "model/PlayerState.h"
#include "platform/DisplayModes.h"
#include "platform/KeyState.h"
#include "platform/WindowSystem.h"
#include "player/MainWindowShape.h"
#include "player/VolumeControl.h"
#include "playlist/IndexList.h"
#include "settings/PlayerSettings.h"
#include "skin/PanelMouse.h"
#include "skin/ChildWindowInput.h"
#include "video/FullScreen.h"
#include "video/VideoSize.h"

namespace felux {

// The live zoom levels, windowed and full screen; the settings file keeps them between runs.
struct ZoomLevels {
    int window = 2;
    int fullScreen = 5;
};

// The mouse state the layout shares with the keyboard poll and the panel.
struct LayoutInputs {
    ChildWindowInput& videoInput;
    KeyPollState& keyPoll;
    PanelMouseState& panelMouse;
};

class VideoLayout final : private FullScreenPort {
public:
    VideoLayout(const PlayerState& state, LayoutStatus& status, CommandSink& commands, PlayerSettings& settings,
                const MediaGraph& graph, WindowSystem& windows, KeyState& keys, DisplayModes& modes,
                LayoutInputs inputs, const IndexList& timedText, VolumeControl& volume);

    // The picture's size on screen for the open file; force: also with no file open.
    void ComputeVideoSize(bool force);
    // Places the video window and the picture, then the panel above them.
    void ApplyVideoLayout();
    void PlacePicture();
    // The picture's visible rows: scan lines, line mask and the timed-text strip.
    void ApplyVideoRegions();
    // A newly shown or raised video window comes up on top; the panel stays usable above the picture.
    void KeepPanelAboveVideo();
    void ArrangePanel();
    // The main window moved: the next arrangement places the panel over it again.
    void PanelMoved() { panelReplace_ = true; }
    void ApplyTopmost();
    // The video window shrinks to nothing at its remembered place.
    void CollapseVideoWindow();
    // Takes the video window's position when the user moved it; a place the window manager
    // imposed is not the user's choice.
    void RememberVideoPosition();

    // +1 one zoom level up, -1 down.
    void ZoomStep(int direction);
    ZoomLevels Zoom() const { return zoom_; }
    void SetZoom(ZoomLevels zoom) { zoom_ = zoom; }
    void AspectChanged();
    // Scan lines, their pattern or the line mask changed.
    void VideoRegionsChanged();

    // The toggle command, then full screen's own tick while in it.
    void FullScreenStep(bool toggle);
    void LeaveFullScreen();
    bool FullScreenPanelHidden() const;
    FullScreenState FullScreen() const { return fullScreen_.State(); }
    void MouseVolumeChanged();
    void ReleaseMouseButtons() override;
    // At the exit the player put the display mode back: the buttons held for it are let go.
    void DisplayModeRestored();
    // The desktop gave the main window the focus, or took it.
    void SetAppActive(bool active);
    // The panel counted the zoom read-out down as it drew it.
    void SetReadoutCountdown(int ticks);

    int StripHeight() const { return placement_.stripHeight; }

    // The lyrics view (Y) shows: asked for, and a sound file with timed text is open.
    bool LyricsViewShown() const;
    // Y: the view on when it can show, off when it shows; else nothing changes.
    void LyricsViewToggle();

    // The layout countdown, which this layout owns; the tick, an open and a move start it.
    LayoutTimer& Timer() { return timer_; }
    const LayoutTimer& Timer() const { return timer_; }

private:
    LayoutTimer timer_;
    bool LeftButtonDown() override;
    bool RightButtonDown() override;
    Point CursorPosition() override;
    void MoveCursor(Point p) override;
    void ShowCursor(bool show) override;

    // The picture before zoom, after the aspect preset; the lyrics view's canvas in its place.
    VideoSize PictureSize() const;
    // A sound file with timed text is open.
    bool LyricsViewPossible() const;
    // The video window holds a picture or the lyrics view.
    bool VideoWindowUsed() const { return state_.playback.hasVideo || LyricsViewShown(); }
    // What the video size follows now: picture, zoom, screen and, windowed, the work area.
    VideoSizeInput VideoSizeRequest();
    Size WorkAreaSize();
    // The screen the layout fills: the display mode's size while full screen switched it.
    Size LayoutScreen();
    Rect MainRect() const;
    void PlaceEditorWindow();
    void EnterFullScreen();
    void ApplyFullScreenEffects(const FullScreenEffects& effects);

    const PlayerState& state_;
    LayoutStatus& status_;  // the layout's own
    CommandSink& commands_;
    PlayerSettings& settings_;
    const MediaGraph& graph_;
    WindowSystem& windows_;
    KeyState& keys_;
    LayoutInputs inputs_;
    const IndexList& timedText_;
    VolumeControl& volume_;
    FullScreenController fullScreen_;
    VideoPlacement placement_;
    VideoWindowLayout layout_;
    Size fullScreenScreen_;
    ZoomLevels zoom_;
    bool videoTopmost_ = false;
    bool panelReplace_ = false;
    bool lyricsPlaced_ = false;  // the lyrics view's widget has a place in the video window  // the video window was kept on top in video-only mode
};

}  // namespace felux
