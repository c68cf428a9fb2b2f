// A track's cover taken from a picture in its folder: cover, folder, front or album .jpg/.jpeg/.png.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "engine/Id3v2Tag.h"

namespace felux {

// The rank of a picture file's name as a folder's cover, 0 best (cover, folder, front, album, in
// any case, with .jpg, .jpeg or .png); nullopt for any other name.
std::optional<int> FolderCoverRank(std::string_view name);

// The best-ranked picture of the folder (the first name in byte order among equals) whose bytes
// open as its extension says, of at most kId3v2PictureCap bytes; a larger one is passed over
// without reading it.
std::optional<Id3v2Picture> ReadFolderCover(const std::filesystem::path& folder);

}  // namespace felux
