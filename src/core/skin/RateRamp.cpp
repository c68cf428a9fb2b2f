// The playback-rate ramp while PLAY is held: accelerating steps of 10 per mille, with a pause at normal speed.
#include "skin/RateRamp.h"

#include <algorithm>

namespace felux {

void RateRamp::Press(RampDirection towards) {
    direction = towards;
    interval = kFirstInterval;
    // One whole interval before the first step, so that an ordinary click never changes the rate.
    counter = kFirstInterval;
    hold = 0;
}

void RateRamp::ResetToNormal(int& rate) {
    rate = kNormal;
    direction = RampDirection::None;
    interval = kFirstInterval;
    counter = 0;
    hold = kResetHold;
}

void RateRamp::Step(int& rate) {
    if (direction == RampDirection::None) return;
    const bool rising = direction == RampDirection::Faster;
    // The next step would reach or cross normal speed: stop exactly there for
    // a while, so the user can let go at 1000.
    const bool nearNormal = rising ? (rate + kStep > kNormal - 1 && rate <= kNormal)
                                   : (rate - kStep <= kNormal && rate > kNormal - 1);
    if (nearNormal && hold == 0 && rate != kNormal) {
        rate = kNormal;
        hold = kSnapHold;
    }
    counter = std::max(0, counter - 1);
    hold = std::max(0, hold - 1);
    if (counter == 0 && hold == 0) {
        rate += rising ? kStep : -kStep;
        interval = std::max(0, interval - 1);
        counter = interval;
    }
    if (rising && rate > kMax - 1) rate = kMax;
    if (!rising && rate <= kMin) rate = kMin;
}

}  // namespace felux
