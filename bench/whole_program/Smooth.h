// The smoothness part of the whole-program bench.
#pragma once

#include "whole_program/Players.h"

namespace felux::bench {

// A 1080p 60 fps clip on the X11 output, FELUX and mpv by turns: the frames each dropped, showed
// late and showed out of time.
void Smoothness(const Paths& p, int runs);

}  // namespace felux::bench
