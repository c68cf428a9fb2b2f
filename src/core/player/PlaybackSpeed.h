// The chosen playback speed's bounds and step: the speed keys' and a remote's.
#pragma once

#include "model/PlaybackStatus.h"

namespace felux {

// Per mille of normal speed. Below half speech smears and above double it is hard to follow.
inline constexpr int kSpeedMin = 500;
inline constexpr int kSpeedMax = 2000;
inline constexpr int kSpeedStep = 100;
inline constexpr int kSpeedNormal = kPermille;

}  // namespace felux
