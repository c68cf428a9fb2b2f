// The items of the playlist and history pop-up menus.
#pragma once

#include <string>
#include <vector>

#include "playlist/Playlist.h"

namespace felux {

inline constexpr const char* kPlaylistMenuCaption = "SelectFileName";
inline constexpr const char* kHistoryMenuCaption = "History";
inline constexpr const char* kFileInfoMenuCaption = "<<    FileInformation    >>";

// The entries the playlist pop-up shows: up to 21 around current, shifted
// inwards at the ends of the list. last < first when the list is empty.
struct PopupRange {
    int first = 0;
    int last = -1;
};
PopupRange PlaylistPopupRange(int current, int count);

// ">>0051 name.ext" for the current entry, "  0050 name.ext" for the others.
std::vector<std::string> PlaylistPopupItems(const Playlist& list, PopupRange range, int current);

}  // namespace felux
