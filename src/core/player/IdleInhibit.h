// Whether the desktop should stay awake now, and the one inhibition per playing stretch that follows it.
#pragma once

#include "model/PlayerState.h"
#include "platform/ScreenSaver.h"

namespace felux {

// A video runs: a file is open and started, not paused, and has a picture.
bool KeepsDesktopAwake(const PlayerState& state, bool paused);

class IdleInhibit {
public:
    // Without a port the player simply leaves the desktop alone.
    explicit IdleInhibit(ScreenSaver* port) : port_(port) {}

    // Called every tick: inhibits when wanted starts, releases when it ends, nothing in between.
    void Follow(bool wanted);

private:
    ScreenSaver* port_;
    bool held_ = false;
};

}  // namespace felux
