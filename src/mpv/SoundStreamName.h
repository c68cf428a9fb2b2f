// How the player's sound shows in the desktop's mixer: the icon and the role PulseAudio and PipeWire read.
#pragma once

#include <string>

namespace felux {

enum class SoundRole { Movie, Music };

// Sound-only files are music, everything else a movie's sound; by the extension, since the
// variables are set before any file is opened.
SoundRole SoundRoleOf(const std::string& path);

// Sets what every sound output of the process reads: the sound libraries take the icon and, for
// PulseAudio, the role from the environment (PULSE_PROP for PulseAudio clients, PIPEWIRE_PROPS
// for PipeWire streams); the name is the engine's own option. Call it once, before any other thread runs:
// setenv is unsafe while another thread reads the environment. A variable the user set stays.
void NameSoundStream(SoundRole role);

}  // namespace felux
