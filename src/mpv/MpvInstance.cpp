// Building one configured mpv instance: the options every instance of the player starts with.
#include "MpvInstance.h"

#include <mpv/client.h>

#include <cstdlib>
#include <future>
#include <filesystem>
#include <string>

#include "MpvNames.h"
#include "i18n/TrackLanguages.h"

namespace felux::mpv {
namespace {

// A chip mpv could decode on: a render node (VA-API) or NVIDIA's device. Without one, mpv's safe
// choice would still probe VDPAU, whose library prints its failure on every file.
bool DecodingDevicePresent() {
    std::error_code error;
    if (std::filesystem::exists("/dev/nvidia0", error)) return true;
    for (std::filesystem::directory_iterator it("/dev/dri", error), end; !error && it != end; it.increment(error)) {
        if (it->path().filename().string().starts_with("renderD")) return true;
    }
    return false;
}

}  // namespace
namespace {

// "jpn,ja,eng,en": the user's languages as alang and slang take them.
std::string UserTrackLanguages() {
    std::string joined;
    for (const std::string& language : TrackLanguages([](const char* name) { return std::getenv(name); }))
        joined += (joined.empty() ? "" : ",") + language;
    return joined;
}

}  // namespace

namespace {

// Sets the options every instance starts with and initialises it; null when mpv refused it.
mpv_handle* Initialise(mpv_handle* h, const InstanceSetup& setup) {
    // Null when out of memory or under a non-C LC_NUMERIC.
    if (!h) return nullptr;

    bool ok = true;
    auto option = [&](const char* name, const char* value) {
        ok = ok && mpv_set_option_string(h, name, value) >= 0;
    };
    const char* vo = std::getenv("FELUX_VO");
    option(kOptVo, vo && *vo ? vo : kEmbeddableVideoOutputs);
    option(kOptGpuContext, kX11GpuContext);
    if (setup.silent)
        option(kOptAo, kNullAudioOutput);
    else if (const char* ao = std::getenv("FELUX_AO"); ao && *ao)
        option(kOptAo, ao);
    if (const char* pcmFile = std::getenv("FELUX_AO_PCM_FILE"); pcmFile && *pcmFile) option(kOptAoPcmFile, pcmFile);
    option(kOptAudioFallbackToNull, kYes);
    option(kOptAudioClientName, kAudioClientName);
    if (setup.window) {
        std::int64_t value = *setup.window;
        ok = ok && mpv_set_option(h, kOptWid, MPV_FORMAT_INT64, &value) >= 0;
    }
    option(kOptAudioDisplay, kNo);  // cover art is not video
    option(kOptInputDefaultBindings, kNo);
    option(kOptInputVoKeyboard, kNo);
    option(kOptInputCursor, kNo);
    option(kOptCursorAutohide, kNo);
    option(kOptOsc, kNo);
    option(kOptOsdLevel, kZero);
    // At the end a file stays loaded, paused on its last frame, until the next replaces it:
    // ended, mpv would go idle and take its outputs down, only to build them again for the next.
    option(kOptKeepOpen, kYes);
    option(kOptIdle, kYes);
    // A prepared next file follows the current one without a gap when their formats allow it.
    option(kOptGaplessAudio, kWeak);
    option(kOptPrefetchPlaylist, kYes);
    option(kOptForceWindow, kNo);
    option(kOptTerminal, kNo);
    // The picture fills the window as laid out by the player, which keeps the aspect itself.
    option(kOptKeepAspect, kNo);
    option(kOptHwdec, HardwareDecodingValue(setup.hardwareDecoding));
    option(kOptReplayGain, ReplayGainValue(setup.replayGain));
    // A lying tag (+1000 dB) must not blast: the gain stops where the file's peak reaches full scale.
    option(kOptReplayGainClip, kNo);
    option(kOptYtdl, kNo);
    option(kOptLoadStatsOverlay, kNo);
    option(kOptLoadOsdConsole, kNo);
    option(kOptLoadScripts, kNo);
    // Only a script named on purpose, for measuring or looking inside: the same one the mpv program takes.
    if (const char* script = std::getenv("FELUX_MPV_SCRIPT"); script && *script) option(kOptScripts, script);
    option(kOptLoadAutoProfiles, kNo);
    option(kOptResumePlayback, kNo);
    option(kOptSubAuto, kNo);
    option(kOptAudioFileAuto, kNo);
    option(kOptCoverArtAuto, kNo);
    option(kOptResetOnNextFile, kTrackChoiceOptions);
    if (const std::string languages = UserTrackLanguages(); !languages.empty()) {
        option(kOptAudioLanguages, languages.c_str());
        option(kOptSubtitleLanguages, languages.c_str());
    }
    option(kPropPause, kYes);
    if (!ok || mpv_initialize(h) < 0) {
        mpv_terminate_destroy(h);
        return nullptr;
    }
    return h;
}

}  // namespace

mpv_handle* NewInstance(const InstanceSetup& setup) { return Initialise(mpv_create(), setup); }

InstanceAhead::InstanceAhead(InstanceSetup setup)
    : setup_(setup), built_(std::async(std::launch::async, Initialise, mpv_create(), setup)) {}

InstanceAhead::~InstanceAhead() {
    if (mpv_handle* h = built_.valid() ? built_.get() : nullptr) mpv_terminate_destroy(h);
}

mpv_handle* InstanceAhead::Take(const InstanceSetup& setup) {
    if (!built_.valid()) return nullptr;
    mpv_handle* h = built_.get();
    if (!h) return nullptr;
    const bool same = setup.silent == setup_.silent && setup.hardwareDecoding == setup_.hardwareDecoding &&
                      setup.replayGain == setup_.replayGain && setup_.window == std::nullopt;
    // mpv reads the window when it builds its video output, at the first file's first frame.
    std::int64_t window = setup.window.value_or(0);
    if (!same || (setup.window && mpv_set_option(h, kOptWid, MPV_FORMAT_INT64, &window) < 0)) {
        mpv_terminate_destroy(h);
        return nullptr;
    }
    return h;
}

const char* ReplayGainValue(ReplayGain mode) {
    switch (mode) {
        case ReplayGain::Track: return kReplayGainTrack;
        case ReplayGain::Album: return kReplayGainAlbum;
        case ReplayGain::Off: break;
    }
    return kNo;
}

const char* HardwareDecodingValue(bool wanted) { return wanted && DecodingDevicePresent() ? kHwdecAutoSafe : kNo; }

bool ResetPlaybackSettings(mpv_handle* h, bool keepPlaying) {
    bool ok = true;
    auto set = [&](const char* name, const char* value) {
        // Queued, so that they take effect in order with the stop before and the load after.
        char* text = const_cast<char*>(value);
        ok = mpv_set_property_async(h, 0, name, MPV_FORMAT_STRING, &text) >= 0 && ok;
    };
    set(kPropSpeed, kOne);
    if (keepPlaying) return ok;
    set(kPropPause, kYes);
    set(kPropVolume, kFullVolume);
    set(kPropVideoScaleX, kOne);
    set(kPropVideoScaleY, kOne);
    set(kPropVideoPanX, kZero);
    set(kPropVideoPanY, kZero);
    set(kPropAid, kAuto);
    set(kPropSid, kAuto);
    return ok;
}

}  // namespace felux::mpv
