// The right-click menus the panel and the video window open.
#pragma once

namespace felux {

// Video: the open file's tracks and chapters, from a right click on the picture.
enum class PopupMenu { Playlist = 0, History = 1, FileInfo = 2, Video = 3 };
inline constexpr int kPopupMenus = 4;

}  // namespace felux
