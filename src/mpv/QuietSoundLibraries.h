// Keeps the sound libraries' own complaints off standard error; the player says once itself when no device opens.
#pragma once

namespace felux {

// Call once at start, before any other thread runs (it sets a variable of the environment).
// A user who wants PipeWire's own log sets PIPEWIRE_DEBUG, which is then left as it is.
void QuietSoundLibraries();

}  // namespace felux
