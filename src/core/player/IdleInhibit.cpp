// Whether the desktop should stay awake now, and the one inhibition per playing stretch that follows it.
#include "player/IdleInhibit.h"

namespace felux {

bool KeepsDesktopAwake(const PlayerState& state, bool paused) {
    return !state.playback.mediaClosed && state.playback.startState == StartState::Idle && !paused &&
           state.playback.hasVideo;
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
