// The open file's audio and subtitle tracks and its chapters, as the B, V and PAGE keys and the video window's menu change them;
// the menu's line loop.
#pragma once

#include "engine/MediaGraph.h"
#include "model/PlayerState.h"
#include "player/TimedLines.h"
#include "player/VideoMenu.h"

namespace felux {

class MediaTracks {
public:
    MediaTracks(const PlayerState& state, MediaGraph& graph, TimedLines& lines)
        : state_(state), graph_(graph), lines_(lines) {}

    // B (audio) and V (subtitles): on to the next track of the kind, subtitles through "off".
    void StepTrack(TrackKind kind);
    // PAGE DOWN (+1) and PAGE UP (-1).
    void StepChapter(int direction);
    // The video window's menu as the file stands now; no sections without an open file. A file
    // with timed text adds the line loop, an item of its own after the sections.
    VideoMenu Menu();
    // An item of that menu was chosen.
    void Carry(const VideoMenuAction& action);

private:
    const PlayerState& state_;
    MediaGraph& graph_;
    TimedLines& lines_;
};

}  // namespace felux
