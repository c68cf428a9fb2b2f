// Keeps the sound libraries' own complaints off standard error; the player says once itself when no device opens.
#include "QuietSoundLibraries.h"

#include <alsa/asoundlib.h>

#include <cstdlib>

namespace felux {
namespace {

// Without a sound card ALSA prints eight lines of configuration errors at every attempt.
void DiscardAlsaError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void QuietSoundLibraries() {
    snd_lib_error_set_handler(&DiscardAlsaError);
    // PipeWire logs warnings and errors of its own (a missing client configuration) by default.
    setenv("PIPEWIRE_DEBUG", "0", 0);
}

}  // namespace felux
