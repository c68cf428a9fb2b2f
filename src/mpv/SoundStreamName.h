// How the player's sound shows in the desktop's mixer: the icon and the role PulseAudio and PipeWire read.
#pragma once

#include <string>

namespace felux {

enum class SoundRole { Movie, Music };

// Sound-only files are music, everything else a movie's sound; by the extension, since the output
// opens before the engine has looked at the tracks.
SoundRole SoundRoleOf(const std::string& path);

// Sets what the next sound output the engine opens reads, before the file is loaded. The sound
// libraries take the icon and role from the environment (PULSE_PROP for PulseAudio clients,
// PIPEWIRE_PROPS for PipeWire streams); the name is the engine's own option. A variable that holds
// anything but ours is the user's and stays.
void NameSoundStream(SoundRole role);

}  // namespace felux
