// The chosen playback speed: clamped, remembered, and handed to the engine when it may take it.
#include "player/PlaybackSpeed.h"

#include <algorithm>

namespace felux {

void ChooseSpeed(PlayerState& state, MediaGraph& graph, bool wheelSeekRuns, int permille) {
    state.chosenRate = std::clamp(permille, kSpeedMin, kSpeedMax);
    state.playbackRate = state.chosenRate;
    if (!state.mediaClosed && !wheelSeekRuns) graph.SetRate(RateFromPermille(state.chosenRate));
}

}  // namespace felux
