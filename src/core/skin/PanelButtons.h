// The panel's pressed-button flags and rate ramp, set by the mouse handling and drawn by the renderer.
#pragma once

#include "skin/PanelRenderInputs.h"
#include "skin/RateRamp.h"

namespace felux {

struct PanelButtons {
    HeldButtons held;
    // Started by a press on PLAY (left slower, right faster), stepped by the renderer.
    RateRamp ramp;
    // While set the ramp stays put; any left release clears it.
    bool rateLocked = false;
    // Non-zero: the renderer toggles the open file's volume record this frame.
    int volumeModeRequest = 0;
};

}  // namespace felux
