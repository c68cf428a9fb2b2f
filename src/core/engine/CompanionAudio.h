// The companion audio file of a video: same name, ".wav", ".mp2" or ".mp3", in its folder or two search folders.
#pragma once

#include <functional>
#include <optional>
#include <string>

namespace felux {

// True when the candidate can be opened for reading.
using CanOpenFile = std::function<bool(const std::string&)>;

// syncFlags: seven "1"/"0" characters (on, own folder, folder 1, folder 2, .wav, .mp2, .mp3);
// missing characters count as "0". The folder texts are joined directly with the file name.
// Extension-major: every location is tried for ".wav" before any for ".mp2".
std::optional<std::string> FindCompanionAudio(const std::string& videoPath, const std::string& syncFlags,
                                              const std::string& folder1, const std::string& folder2,
                                              const CanOpenFile& canOpen);

// True when the first flag asks for synchronised playback.
bool SyncPlaybackOn(const std::string& syncFlags);

}  // namespace felux
