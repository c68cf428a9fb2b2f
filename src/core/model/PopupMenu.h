// The right-click menus the panel and the video window open.
#pragma once

namespace felux {

enum class PopupMenu { Playlist = 0, History = 1, FileInfo = 2 };
inline constexpr int kPopupMenus = 3;

}  // namespace felux
