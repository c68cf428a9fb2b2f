// The panel's frame: the player's state handed to the skin renderer when the panel would change.
#include "player/MainPlayerDlg.h"
#include "skin/SkinBytes.h"

namespace felux {

void MainPlayerDlg::CreateImages() {
    panel.Load(SkinBitmapBytes());
    panel.SetTextPainter(ports_.text);
}

std::optional<Rect> MainPlayerDlg::DrawPanel() {
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
    view.titleHover = state.panelHover != 0;
    view.indexListActive = TimedTextShown();
    view.lyricsPanelShown = settings.lyricsPanelShown != 0;
    view.lyricsOnMainPanel = settings.lyricsOnMainPanel != 0;
    view.lyricsBelowVideo = settings.lyricsBelowVideo != 0;
    if (view.indexListActive) {
        indexList.TrackIndexRow(graph.currentPosition / kUnitsPerMillisecond);
        if (indexList.reloadRequest) {
            indexList.reloadRequest = false;
            const int row = indexList.CurrentRow();
            panel.LoadTimedLine(indexList.CurrentText(), indexList.RowStartMs(row), indexList.CurrentEndMs(), SkinFont(),
                                settings.fontPosition);
        }
    }
    PanelWrites writes{state.playbackRate, panelButtons.ramp, panelButtons.volumeModeRequest,
                       state.readoutCountdown, volumeRecord_};
    if (!panel.FrameDue(view, writes)) return std::nullopt;
    const std::optional<Rect> changed = panel.DrawPanel(view, writes);
    if (view.indexListActive && view.lyricsBelowVideo && videoPlacement_.stripHeight > 0)
        ports_.windows.Invalidate(WindowId::Video);
    return changed;
}

}  // namespace felux
