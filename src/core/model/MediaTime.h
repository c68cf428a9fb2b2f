// Positions and durations within a file.
#pragma once

#include <chrono>

namespace felux {

// Microseconds: the unit the desktop's remote control speaks, finer than any frame or sample
// block the player steps by, and 64 bits of them span far longer than any file plays.
using MediaTime = std::chrono::microseconds;

}  // namespace felux
