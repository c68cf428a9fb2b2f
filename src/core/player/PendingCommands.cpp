// The pending command step: every request raised since the last tick, carried out in a fixed order.
#include "player/Player.h"

namespace felux {
namespace {

constexpr int kProgressPixels = 138;

}  // namespace

void Player::RunPendingCommands() {
    Requests& r = state.requests;
    wheel.TakeNotchRequest();
    if (r.stop != 0 || r.endOfListStop != 0) {
        // Marked as the end of the list so that closing also collapses the video window.
        r.endOfListStop = 1;
        r.stop = 0;
        playback.CloseMedia();
    }
    if (r.file == 1) {
        r.file = 0;
        editorBridge.OpenFileCommand();
    } else if (r.file == 2) {
        r.file = 0;
        editorBridge.Toggle();
    }
    if (wheel.UseVideoOnlyNotch(state.windowMode == WindowMode::VideoOnly, videoInput.VideoInput(video_query::kWheel)))
        videoInput.VideoInputReset(video_reset::kClearWheel);
    wheel.DecideFrameStep();
    if (r.settings != 0) {
        r.settings = 0;
        settingsBridge.Open();
    }
    if (r.play != 0) {
        r.play = 0;
        if (state.wheelStep != 0) {
            state.wheelStep = 1;
            state.pendingWheelNotch = -1;
        }
        if (!state.mediaClosed) {
            if (state.paused) {
                graph.Run();
                state.paused = false;
            }
        } else {
            if (settings.reshuffleOnWrap == 1) playback.Shuffle();
            playback.OpenCurrent();
        }
    }
    if (r.shuffleToggle != 0) {
        r.shuffleToggle = 0;
        if (settings.shufflePlay == 0) {
            settings.shufflePlay = 1;
            playback.Shuffle();
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
        playback.CloseMedia();
        playback.OpenCurrent();
    }
    if (r.fastForward == 1) {
        r.fastForward = 0;
        playback.Next();
    }
    if (r.rewind == 1) {
        r.rewind = 0;
        playback.Previous();
    }
    if (r.volumeChanged != 0) {
        volume.Apply();
        r.volumeChanged = 0;
    }
    // A seek asked for a file that has closed since means nothing for the next one.
    if (r.seekTo) {
        if (!state.mediaClosed) graph.SeekPosition(0, *r.seekTo);
        r.seekTo.reset();
    }
    if (!state.mediaClosed) {
        if (r.newVideoSize != 0) {
            layout.ComputeVideoSize(false);
            layout.ApplyVideoRegions();
            if (state.layoutCountdown == 0)
                state.layoutCountdown = (graph.audioOnly != 0 || !graph.Created()) ? 0 : kLayoutStartCountdown;
            r.newVideoSize = 0;
        }
        if (++state.searchTick > settings.searchWait) state.searchTick = 0;
        if (r.pauseToggle != 0) {
            r.pauseToggle = 0;
            if (state.wheelStep != 0) {
                state.wheelStep = 1;
                state.pendingWheelNotch = -1;
            }
            if (state.wheelStep == 0) {
                if (state.paused) {
                    graph.Run();
                    state.paused = false;
                } else {
                    graph.Pause();
                    state.paused = true;
                }
            } else if (!state.paused) {
                graph.Pause();
                state.paused = true;
            }
        }
        RunSearch(r.fastForward, panelButtons.held.next, 2, 1, settings.searchSpeedPlayFF,
                  settings.searchSpeedPauseFF);
        RunSearch(r.rewind, panelButtons.held.back, 1, -1, settings.searchSpeedPlayRew, settings.searchSpeedPauseRew);
        wheel.RunFrameStep();
        wheel.RunWheelSteps();
        if (r.progressDrag != 0) {
            r.progressDrag = 0;
        } else {
            graph.currentPosition = graph.GetPosition();
            const MediaTime unit = graph.duration / kProgressPixels;
            state.progress = unit > 0 ? static_cast<int>(graph.currentPosition / unit) : 0;
        }
    }
    layout.FullScreenStep();
}

// One held search button: 2 pauses the picture, 3 jumps every searchWait + 1 ticks, 4 resumes.
void Player::RunSearch(int& searchState, bool& indicator, int oneShotValue, int direction, int playSpeed,
                              int pauseSpeed) {
    Requests& r = state.requests;
    if (searchState == 2) {
        searchState = 3;
        graph.Pause();
    }
    if ((searchState == 3 || r.oneShotSearch == oneShotValue) && state.searchTick == 0) {
        const int speedMs = state.paused ? pauseSpeed : playSpeed;
        graph.Search(direction, static_cast<MediaTime>(speedMs) * kUnitsPerMillisecond);
        r.oneShotSearch = 0;
    }
    if (searchState == 4 && !state.paused) {
        searchState = 0;
        indicator = false;
        graph.Run();
    }
}

}  // namespace felux
