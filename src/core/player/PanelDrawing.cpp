// The panel's frame: the player's state handed to the skin renderer once per painted frame.
#include "player/MainPlayerDlg.h"
#include "skin/SkinBytes.h"

namespace felux {

void MainPlayerDlg::CreateImages() { panel.Load(SkinBitmapBytes()); }

void MainPlayerDlg::DrawPanel() {
    PanelView view;
    view.stopped = state.mediaClosed != 0;
    view.paused = state.paused != 0;
    view.appActive = state.appActive != 0;
    view.shufflePlay = settings.shufflePlay != 0;
    view.repeatList = settings.repeatList != 0;
    view.held = panelButtons.held;
    view.rateLocked = panelButtons.rateLocked;
    view.scanLinesOn = settings.scanLinesOn != 0;
    view.lineMaskMode = settings.lineMaskMode;
    view.wheelStep = state.wheelStep;
    view.progress = state.progress;
    view.volumeKnob = state.volumeLevel;
    view.volumeLogEnabled = settings.volumeLogEnabled != 0;
    view.volumeRecordPresent = volumeLog.RecordPresent();
    view.abState = state.abState;
    view.abAMs = state.abA;
    view.abBMs = state.abB;
    view.position = graph.currentPosition;
    view.duration = graph.duration;
    view.listCount = playlist.count;
    view.currentIndex = playlist.currentIndex;
    view.fullScreen = state.fullScreen != 0;
    view.windowZoomStep = settings.windowZoomStep;
    view.fullScreenZoomStep = settings.fullScreenZoomStep;
    PanelWrites writes{state.playbackRate, panelButtons.ramp, panelButtons.volumeModeRequest,
                       state.readoutCountdown, volumeRecord_};
    panel.DrawPanel(view, writes);
}

}  // namespace felux
