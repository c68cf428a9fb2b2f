// The chosen playback speed: the speed keys' and a remote's, in steps, within its bounds.
#pragma once

#include "engine/MediaGraph.h"
#include "model/PlayerState.h"

namespace felux {

// Per mille of normal speed. Below half speech smears and above double it is hard to follow.
inline constexpr int kSpeedMin = 500;
inline constexpr int kSpeedMax = 2000;
inline constexpr int kSpeedStep = 100;
inline constexpr int kSpeedNormal = kPermille;

// Makes permille (clamped to the bounds) the chosen speed and the playing one. A running wheel
// seek keeps its own rate and returns to this one when it ends; a closed file opens at it.
void ChooseSpeed(PlayerState& state, MediaGraph& graph, bool wheelSeekRuns, int permille);

}  // namespace felux
