// Hit tests on the panel: which control lies under a client point.
#pragma once

#include "skin/SkinLayout.h"

namespace felux::skin {

// A point hits a control on all four of its edges, so the right and bottom rows count too.
constexpr bool Hits(Rect r, int px, int py) {
    return r.x <= px && px <= r.x + r.width && r.y <= py && py <= r.y + r.height;
}

inline constexpr int kProgressMax = 137;  // last pixel of the 138-pixel bar

// The knob moves with the level (0..62) along the volume bar.
constexpr Rect VolumeKnobHit(int level) {
    return {kVolumeBar.x + level, kVolumeKnobY, kVolumeKnob.width, kVolumeKnob.height};
}

// The progress pixel a press at client x stands for: 0 up to the bar's first pixel, at most 137.
constexpr int ProgressAt(int x) {
    if (x < kProgressHit.x + 1) return 0;
    if (x - kProgressHit.x > kProgressMax) return kProgressMax;
    return x - kProgressHit.x;
}

}  // namespace felux::skin
