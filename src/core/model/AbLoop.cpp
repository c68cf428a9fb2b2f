// The A-B repeat: its two marks and the step the A-B button and key go round.
#include "model/AbLoop.h"

#include <utility>

namespace felux {

void AbLoop::LoopLine(std::int64_t aMs, std::int64_t bMs) {
    aMs_ = aMs;
    bMs_ = bMs;
    state_ = AbRepeat::Looping;
}

void AbLoop::Clear() {
    state_ = AbRepeat::Off;
    aMs_ = bMs_ = 0;
}

bool AbLoop::Check(std::int64_t positionMs) {
    switch (state_) {
        case AbRepeat::MarkA:
            aMs_ = positionMs;
            state_ = AbRepeat::ASet;
            break;
        case AbRepeat::MarkB:
            bMs_ = positionMs;
            if (bMs_ >= aMs_ + kAbMinimumMs) {
                state_ = AbRepeat::Looping;
            } else if (aMs_ >= bMs_ + kAbMinimumMs) {
                std::swap(aMs_, bMs_);
                state_ = AbRepeat::Looping;
            } else {
                state_ = AbRepeat::ASet;
            }
            break;
        case AbRepeat::Looping:
            return !(aMs_ < positionMs && positionMs < bMs_);
        case AbRepeat::Off:
        case AbRepeat::ASet:
            break;
    }
    return false;
}

}  // namespace felux
