// Whether the desktop should stay awake now, and the one inhibition per playing stretch that follows it.
#include "player/IdleInhibit.h"

namespace felux {

bool KeepsDesktopAwake(const PlayerState& state) {
    return state.mediaClosed == 0 && state.startState == 0 && state.paused == 0 && state.hasVideo == 1;
}

void IdleInhibit::Follow(bool wanted) {
    if (!port_ || wanted == held_) return;
    held_ = wanted;
    if (wanted)
        port_->Inhibit();
    else
        port_->Release();
}

}  // namespace felux
