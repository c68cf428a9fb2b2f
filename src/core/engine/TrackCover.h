// The cover of an audio file: its own picture in whatever tag its format carries, else its folder's.
#pragma once

#include <filesystem>
#include <optional>

#include "engine/Id3v2Tag.h"

namespace felux {

// The picture of a FLAC, Ogg, MP4 file or of an ID3v2 tag, told apart by the file's opening
// bytes, else the folder's cover picture. Reads up to tens of MiB, so it is for a thread other
// than the tick's.
std::optional<Id3v2Picture> ReadTrackCover(const std::filesystem::path& file);

}  // namespace felux
