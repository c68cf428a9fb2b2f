// The commands raised since the last tick that its command step carries out, and the step's own
// requests: the rows of the player's command table mark them and read them.
#pragma once

#include <cstdint>
#include <optional>

#include "model/MediaTime.h"

namespace felux {

// One search direction: a step to the next or previous entry, or a held search's phases.
enum class SearchPhase { Idle, StepEntry, Start, Searching, Released };
// A tap too short for the held search still searches once, in this direction.
enum class OneShotSearch { None, Back, Forward };
enum class FrameStep { None, Back, Forward };
enum class FileRequest { None, OpenDialog, EditorToggle };

struct PendingCommands {
    std::optional<int> wheelNotch;  // +1 or -1
    bool stop = false;
    bool endOfListStop = false;     // the list ran out: closing also collapses the video window
    FileRequest file = FileRequest::None;
    bool settings = false;
    bool play = false;
    bool shuffleToggle = false;
    bool repeatToggle = false;
    bool playSelected = false;
    SearchPhase fastForward = SearchPhase::Idle;
    SearchPhase rewind = SearchPhase::Idle;
    OneShotSearch oneShotSearch = OneShotSearch::None;
    bool volumeChanged = false;
    bool pauseToggle = false;
    FrameStep frameStep = FrameStep::None;
    bool newVideoSize = false;
    bool playPause = false;
    bool fullScreen = false;        // toggle full screen
    bool progressDrag = false;      // the progress bar set the position this tick
    std::optional<MediaTime> seekTo;  // a remote's absolute seek
};

}  // namespace felux
