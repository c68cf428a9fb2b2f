// How the player's sound shows in the desktop's mixer: the icon and the role PulseAudio and PipeWire read.
#include "SoundStreamName.h"

#include <cstdlib>
#include <filesystem>

#include "playlist/MediaFileTypes.h"

namespace felux {
namespace {

constexpr const char* kPulseVariable = "PULSE_PROP";
constexpr const char* kPipeWireVariable = "PIPEWIRE_PROPS";

// The icon theme name the desktop file uses. The engine names the stream's own media icon after
// the client ("FELUX"); PipeWire's properties here replace it, PulseAudio's add to the client's.
constexpr const char* kPulseMovie = "media.role=\"video\" application.icon_name=\"felux\"";
constexpr const char* kPulseMusic = "media.role=\"music\" application.icon_name=\"felux\"";
// PipeWire's properties override the stream's own, and the engine gives each stream it opens the
// music or movie role by whether the file has a picture: only the icon goes there. PulseAudio's
// are the client's, for the process's life, and the engine sets no role of its own there.
constexpr const char* kPipeWireIcon = "{ application.icon-name = \"felux\" }";

// Sets the variable unless the user has.
void SetUnlessUsers(const char* name, const char* value) {
    const char* now = std::getenv(name);
    if (now && *now) return;
    setenv(name, value, 1);
}

}  // namespace

SoundRole SoundRoleOf(const std::string& path) {
    return IsAudioExtension(std::filesystem::path(path).extension().string()) ? SoundRole::Music : SoundRole::Movie;
}

void NameSoundStream(SoundRole role) {
    const bool music = role == SoundRole::Music;
    SetUnlessUsers(kPulseVariable, music ? kPulseMusic : kPulseMovie);
    SetUnlessUsers(kPipeWireVariable, kPipeWireIcon);
}

}  // namespace felux
