// The layout countdown: while it runs the tick does nothing else. When it comes down to
// kLayoutStepAt the layout step places the windows; the tick then rests a tick more for them to
// take their new places.
#pragma once

#include <algorithm>
#include <optional>

namespace felux {

inline constexpr int kLayoutStepAt = 8;

// Why the tick waits, and so how long.
enum class LayoutWait {
    NewSize,          // a new picture size: laid out two ticks later
    AfterMove,        // the main window was moved: four ticks later
    AfterActivation,  // back in front, or out of video-only mode: twelve ticks later
    Settle,           // after the layout step, one tick for the windows to settle
    Busy,             // an open or a reshape runs; it cancels or restarts the wait when done
};

class LayoutTimer {
public:
    void Start(LayoutWait wait) {
        wait_ = wait;
        ticksLeft_ = Ticks(wait);
    }
    void Cancel() { ticksLeft_ = 0; }
    bool Running() const { return ticksLeft_ != 0; }
    // One tick of the wait; true on the tick the layout step is due.
    bool TickDown() {
        ticksLeft_ = std::max(0, ticksLeft_ - 1);
        return ticksLeft_ == kLayoutStepAt;
    }
    int TicksLeft() const { return ticksLeft_; }
    std::optional<LayoutWait> Waiting() const { return Running() ? std::optional(wait_) : std::nullopt; }

private:
    static constexpr int Ticks(LayoutWait wait) {
        switch (wait) {
            case LayoutWait::NewSize: return kLayoutStepAt + 2;
            case LayoutWait::AfterMove: return kLayoutStepAt + 4;
            case LayoutWait::AfterActivation: return kLayoutStepAt + 12;
            case LayoutWait::Settle: return 1;
            case LayoutWait::Busy: return 50;
        }
        return 0;
    }

    LayoutWait wait_ = LayoutWait::Settle;
    int ticksLeft_ = 0;
};

}  // namespace felux
