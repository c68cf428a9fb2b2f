// Keeps the sound libraries' own complaints off standard error; the player says once itself when no device opens.
#pragma once

namespace felux {

// Call once at start, before the first audio output is tried. A user who wants PipeWire's own
// log sets PIPEWIRE_DEBUG, which is then left as it is.
void QuietSoundLibraries();

}  // namespace felux
