// Building one configured mpv instance: the options every instance of the player starts with.
#pragma once

#include <cstdint>
#include <future>
#include <optional>

#include "platform/MediaEngine.h"

struct mpv_handle;

namespace felux::mpv {

struct InstanceSetup {
    // The window the picture goes into; nullopt leaves the choice to mpv.
    std::optional<std::int64_t> window;
    // Straight to the null audio output, without trying a sound device.
    bool silent = false;
    // Decoding on the graphics chip where mpv deems it safe.
    bool hardwareDecoding = true;
    ReplayGain replayGain = ReplayGain::Off;
};

// An initialised instance, paused and idle; null when mpv refused it.
mpv_handle* NewInstance(const InstanceSetup& setup);

// An instance built for the first file before the picture window exists: created at once, on
// the calling thread while the numeric locale is still C, and initialised on a thread of its
// own beside the rest of the program's start.
class InstanceAhead {
public:
    explicit InstanceAhead(InstanceSetup setup);
    ~InstanceAhead();
    InstanceAhead(const InstanceAhead&) = delete;
    InstanceAhead& operator=(const InstanceAhead&) = delete;

    // Waits for it; given the setup's window, it is the instance for that setup. Null when it was
    // built for another (which goes down), failed, or was taken already.
    mpv_handle* Take(const InstanceSetup& setup);

private:
    InstanceSetup setup_;
    std::future<mpv_handle*> built_;
};

// mpv's hwdec value: its safe automatic choice when wanted and the machine has a chip to decode on.
const char* HardwareDecodingValue(bool wanted);

// mpv's replaygain value for the mode.
const char* ReplayGainValue(ReplayGain mode);

// Puts back what a file may have changed at run time (speed, volume, picture crop, audio and subtitle track),
// paused, so that the next file starts as in a fresh instance. Queued, not waited for; false when mpv
// refused a request.
// keepPlaying: a file that followed on without a gap goes on; only the speed is put back.
bool ResetPlaybackSettings(mpv_handle* h, bool keepPlaying = false);

}  // namespace felux::mpv
