// How the player's sound shows in the desktop's mixer: the icon and the role PulseAudio and PipeWire read.
#include "SoundStreamName.h"

#include <cstdlib>
#include <filesystem>
#include <string_view>

#include "playlist/MediaFileTypes.h"

namespace felux {
namespace {

constexpr const char* kPulseVariable = "PULSE_PROP";
constexpr const char* kPipeWireVariable = "PIPEWIRE_PROPS";

// The icon theme name the desktop file uses. The engine names the stream's own media icon after
// the client ("FELUX"); PipeWire's properties here replace it, PulseAudio's add to the client's.
constexpr const char* kPulseMovie = "media.role=\"video\" application.icon_name=\"felux\"";
constexpr const char* kPulseMusic = "media.role=\"music\" application.icon_name=\"felux\"";
constexpr const char* kPipeWireMovie = "{ media.role = \"Movie\" application.icon-name = \"felux\" }";
constexpr const char* kPipeWireMusic = "{ media.role = \"Music\" application.icon-name = \"felux\" }";

// Sets the variable unless it already says this or holds something other than ours.
void SetUnlessUsers(const char* name, const char* value, const char* otherOfOurs) {
    const char* now = std::getenv(name);
    if (now && *now && std::string_view(now) != otherOfOurs) return;
    setenv(name, value, 1);
}

}  // namespace

SoundRole SoundRoleOf(const std::string& path) {
    return IsAudioExtension(std::filesystem::path(path).extension().string()) ? SoundRole::Music : SoundRole::Movie;
}

void NameSoundStream(SoundRole role) {
    const bool music = role == SoundRole::Music;
    SetUnlessUsers(kPulseVariable, music ? kPulseMusic : kPulseMovie, music ? kPulseMovie : kPulseMusic);
    SetUnlessUsers(kPipeWireVariable, music ? kPipeWireMusic : kPipeWireMovie, music ? kPipeWireMovie : kPipeWireMusic);
}

}  // namespace felux
