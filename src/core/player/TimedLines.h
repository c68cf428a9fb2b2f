// The timed text's lines as places to go: L loops the line playing, the line keys step between lines.
#pragma once

#include "engine/MediaGraph.h"
#include "model/AbLoop.h"
#include "model/PlayerState.h"
#include "playlist/IndexList.h"

namespace felux {

// "Previous" this soon after a line's start goes to the line before, as PAGE UP does for chapters.
inline constexpr std::int64_t kLineBackThresholdMs = 1000;

class TimedLines {
public:
    TimedLines(const PlayerState& state, MediaGraph& graph, const IndexList& index, AbLoop& abLoop)
        : state_(state), graph_(graph), index_(index), abLoop_(abLoop) {}

    // L: the line playing becomes the A-B loop, as R's would; with a loop running, it ends.
    void ToggleLoop();
    // +1 the next line's start; -1 the current line's start, or the one before just after it.
    void Step(int direction);
    // The open file has timed lines to loop.
    // A loop runs, a line's or the A-B repeat's.
    bool LoopRuns() const { return abLoop_.Looping(); }
    bool Available() const { return !state_.playback.mediaClosed && index_.Active(); }

private:
    std::int64_t PositionMs();

    const PlayerState& state_;
    MediaGraph& graph_;
    const IndexList& index_;
    AbLoop& abLoop_;
};

}  // namespace felux
