// Reading and writing list files (.tob, .m3u) and the current list KR01.tob.
#pragma once

#include <filesystem>
#include <string>

#include "playlist/Playlist.h"

namespace felux {

// The current list, in the data folder.
inline constexpr const char* kCurrentListName = "KR01.tob";

// ".m3u" or ".tob" in any letter case: a list file rather than a media file.
bool IsListPath(const std::string& path);

// Appends the list's entries (never clears); true when any line produced an
// entry or a title. Relative and drive-less lines resolve against the list's folder.
bool LoadListFile(Playlist& list, const std::filesystem::path& listFile);

// Exit-time save: replaces the file atomically. An empty list is written (empty) only when the user
// emptied it; otherwise nothing is written. False when the file could not be written.
bool WriteCurrentList(const Playlist& list, const std::filesystem::path& file);

// listPathMode 0 and 1: paths as stored; 2: paths inside the list's folder relative to it, where
// that form reads back as the same entry. False when the file could not be written.
bool SaveListFile(const Playlist& list, const std::filesystem::path& file, int listPathMode);

}  // namespace felux
