// The pending command step: every request raised since the last tick, carried out in a fixed order.
#include "player/MainPlayerDlg.h"

namespace felux {
namespace {

constexpr int kProgressPixels = 138;

}  // namespace

void MainPlayerDlg::RunPendingCommands() {
    Requests& r = state.requests;
    wheel.TakeNotchRequest();
    if (r.stop != 0 || r.endOfListStop != 0) {
        // Marked as the end of the list so that closing also collapses the video window.
        r.endOfListStop = 1;
        r.stop = 0;
        CloseMedia();
    }
    if (r.file == 1) {
        r.file = 0;
        OpenFileCommand();
    } else if (r.file == 2) {
        r.file = 0;
        ToggleEditor();
    }
    VideoOnlyStep();
    if (r.settings != 0) {
        r.settings = 0;
        OpenSettingsDialog();
    }
    if (r.play != 0) {
        r.play = 0;
        if (state.wheelStep != 0) {
            state.wheelStep = 1;
            state.pendingWheelNotch = -1;
        }
        if (state.mediaClosed == 0) {
            if (state.paused == 1) {
                graph.Run();
                state.paused = 0;
            }
        } else {
            if (settings.reshuffleOnWrap == 1) Shuffle();
            OpenCurrent();
        }
    }
    if (r.shuffleToggle != 0) {
        r.shuffleToggle = 0;
        if (settings.shufflePlay == 0) {
            settings.shufflePlay = 1;
            Shuffle();
        } else {
            settings.shufflePlay = 0;
        }
    }
    if (r.repeatToggle != 0) {
        r.repeatToggle = 0;
        settings.repeatList = settings.repeatList == 0 ? 1 : 0;
    }
    if (r.playSelected != 0) {
        playlist.RefreshCount();
        r.playSelected = 0;
        CloseMedia();
        OpenCurrent();
    }
    if (r.fastForward == 1) {
        r.fastForward = 0;
        Next();
    }
    if (r.rewind == 1) {
        r.rewind = 0;
        Previous();
    }
    if (r.volumeChanged != 0) {
        ApplyVolume();
        r.volumeChanged = 0;
    }
    // A seek asked for a file that has closed since means nothing for the next one.
    if (r.seekTo) {
        if (state.mediaClosed == 0) graph.SeekPosition(0, *r.seekTo);
        r.seekTo.reset();
    }
    if (state.mediaClosed == 0) {
        if (r.newVideoSize != 0) {
            const VideoSize before = videoPlacement_.video;
            ComputeVideoSize(false);
            ApplyVideoRegions();
            if (state.layoutCountdown == 0)
                state.layoutCountdown = (graph.audioOnly != 0 || !graph.Created()) ? 0 : kLayoutStartCountdown;
            r.newVideoSize = 0;
            // A new file shown at the size of the last one: its windows are in place already, so
            // it starts now instead of after the wait for a reshaped window.
            const VideoSize after = videoPlacement_.video;
            if (state.startState == 1 && before.width == after.width && before.height == after.height) LayoutStep();
        }
        if (++state.searchTick > settings.searchWait) state.searchTick = 0;
        if (r.pauseToggle != 0) {
            r.pauseToggle = 0;
            if (state.wheelStep != 0) {
                state.wheelStep = 1;
                state.pendingWheelNotch = -1;
            }
            if (state.wheelStep == 0) {
                if (state.paused == 1) {
                    graph.Run();
                    state.paused = 0;
                } else {
                    graph.Pause();
                    state.paused = 1;
                }
            } else if (state.paused == 0) {
                graph.Pause();
                state.paused = 1;
            }
        }
        RunSearch(r.fastForward, panelButtons.held.next, 2, 1, settings.searchSpeedPlayFF,
                  settings.searchSpeedPauseFF);
        RunSearch(r.rewind, panelButtons.held.back, 1, -1, settings.searchSpeedPlayRew, settings.searchSpeedPauseRew);
        wheel.RunFrameStep();
        WheelSeekStep();
        if (r.progressDrag != 0) {
            r.progressDrag = 0;
        } else {
            graph.currentPosition = graph.GetPosition();
            const MediaTime unit = graph.duration / kProgressPixels;
            state.progress = unit > 0 ? static_cast<int>(graph.currentPosition / unit) : 0;
        }
    }
    FullScreenStates();
}

// One held search button: 2 pauses the picture, 3 jumps every searchWait + 1 ticks, 4 resumes.
void MainPlayerDlg::RunSearch(int& searchState, bool& indicator, int oneShotValue, int direction, int playSpeed,
                              int pauseSpeed) {
    Requests& r = state.requests;
    if (searchState == 2) {
        searchState = 3;
        graph.Pause();
    }
    if ((searchState == 3 || r.oneShotSearch == oneShotValue) && state.searchTick == 0) {
        const int speedMs = state.paused == 0 ? playSpeed : pauseSpeed;
        graph.Search(direction, static_cast<MediaTime>(speedMs) * kUnitsPerMillisecond);
        r.oneShotSearch = 0;
    }
    if (searchState == 4 && state.paused == 0) {
        searchState = 0;
        indicator = false;
        graph.Run();
    }
}

void MainPlayerDlg::ShowSearchIndicator(int direction) {
    if (direction < 0) panelButtons.held.back = true;
    if (direction > 0) panelButtons.held.next = true;
}

}  // namespace felux
