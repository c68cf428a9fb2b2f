// The pending command step: every request raised since the last tick, carried out in a fixed order.
#include "player/Player.h"

namespace felux {
void Player::RunPendingCommands() {
    PendingCommands& r = state.requests;
    wheel.TakeNotchRequest();
    if (r.stop || r.endOfListStop) {
        // Marked as the end of the list so that closing also collapses the video window.
        r.endOfListStop = true;
        r.stop = false;
        playback.CloseMedia();
    }
    if (r.file == FileRequest::OpenDialog) {
        r.file = FileRequest::None;
        editorBridge.OpenFileCommand();
    } else if (r.file == FileRequest::EditorToggle) {
        r.file = FileRequest::None;
        editorBridge.Toggle();
    }
    if (wheel.UseVideoOnlyNotch(state.windowMode == WindowMode::VideoOnly, videoInput.WheelNotch()))
        videoInput.ClearWheel();
    wheel.DecideFrameStep();
    if (r.settings) {
        r.settings = false;
        settingsBridge.Open();
    }
    if (r.play) {
        r.play = false;
        wheel.WindBack();
        if (!state.playback.mediaClosed) {
            if (playback.Paused()) playback.Resume();
        } else if (state.playback.startState != StartState::Opening) {
            // A file being opened plays once it is open.
            if (settings.reshuffleOnWrap == 1) playback.Shuffle();
            playback.OpenCurrent();
        }
    }
    if (r.shuffleToggle) {
        r.shuffleToggle = false;
        if (settings.shufflePlay == 0) {
            settings.shufflePlay = 1;
            playback.Shuffle();
        } else {
            settings.shufflePlay = 0;
        }
    }
    if (r.repeatToggle) {
        r.repeatToggle = false;
        settings.repeatList = settings.repeatList == 0 ? 1 : 0;
    }
    if (r.playSelected) {
        r.playSelected = false;
        playback.CloseMedia();
        playback.OpenCurrent();
    }
    if (r.fastForward == SearchPhase::StepEntry) {
        r.fastForward = SearchPhase::Idle;
        playback.Next();
    }
    if (r.rewind == SearchPhase::StepEntry) {
        r.rewind = SearchPhase::Idle;
        playback.Previous();
    }
    if (r.volumeChanged) {
        volume.Apply();
        r.volumeChanged = false;
    }
    // A seek asked for a file that has closed since means nothing for the next one.
    if (r.seekTo) {
        if (!state.playback.mediaClosed) graph.SeekPosition(SeekMode::To, *r.seekTo);
        r.seekTo.reset();
    }
    if (!state.playback.mediaClosed) {
        if (r.newVideoSize) {
            const int widthBefore = state.layout.videoDisplayWidth;
            const int heightBefore = state.layout.videoDisplayHeight;
            layout.ComputeVideoSize(false);
            layout.ApplyVideoRegions();
            if (!layout.Timer().Running() && !graph.audioOnly && graph.Created()) layout.Timer().Start(LayoutWait::NewSize);
            r.newVideoSize = false;
            // A new file shown at the size of the last one: its windows are in place already, so
            // it starts now instead of after the wait for a reshaped window.
            if (state.playback.startState == StartState::Opened && widthBefore == state.layout.videoDisplayWidth &&
                heightBefore == state.layout.videoDisplayHeight)
                LayoutStep();
        }
        if (++state.searchTick > settings.searchWait) state.searchTick = 0;
        if (r.pauseToggle) {
            r.pauseToggle = false;
            wheel.WindBack();
            if (wheel.Step() == 0)
                playback.TogglePause();
            else if (!playback.Paused())
                playback.Pause();
        }
        RunSearch(r.fastForward, panelButtons.held.next, OneShotSearch::Forward, SeekMode::Forward,
                  settings.searchSpeedPlayFF, settings.searchSpeedPauseFF);
        RunSearch(r.rewind, panelButtons.held.back, OneShotSearch::Back, SeekMode::Backward,
                  settings.searchSpeedPlayRew, settings.searchSpeedPauseRew);
        wheel.RunFrameStep();
        wheel.RunWheelSteps();
        if (r.progressDrag) {
            r.progressDrag = false;
        } else {
            graph.RefreshPosition();
            progressBar.Follow(graph.LastPosition(), graph.duration);
        }
    }
    layout.FullScreenStep();
}

// One held search button: its start pauses the picture and jumps, the search jumps again every
// searchWait + 1 ticks, and the release resumes play.
void Player::RunSearch(SearchPhase& searchState, bool& indicator, OneShotSearch oneShotValue, SeekMode direction,
                       int playSpeed, int pauseSpeed) {
    PendingCommands& r = state.requests;
    if (searchState == SearchPhase::Start) {
        searchState = SearchPhase::Searching;
        graph.Pause();
        // The press steps at once; a held search steps on from there every searchWait + 1 ticks.
        state.searchTick = 0;
    }
    if ((searchState == SearchPhase::Searching || r.oneShotSearch == oneShotValue) && state.searchTick == 0) {
        const int speedMs = playback.Paused() ? pauseSpeed : playSpeed;
        graph.Search(direction, std::chrono::milliseconds(speedMs));
        r.oneShotSearch = OneShotSearch::None;
    }
    if (searchState == SearchPhase::Released && !playback.Paused()) {
        searchState = SearchPhase::Idle;
        indicator = false;
        graph.Run();
    }
}

}  // namespace felux
