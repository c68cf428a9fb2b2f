// The seek part of the whole-program bench.
#pragma once

#include "whole_program/Players.h"
#include "whole_program/ScreenWatch.h"

namespace felux::bench {

// Times seeks by the progress bar, the search key and the remote against mpv's seeks through its
// IPC socket, each to the first frame after it, and compares where they land.
void Seeking(const Paths& p, ScreenWatch& screen, int runs);

}  // namespace felux::bench
