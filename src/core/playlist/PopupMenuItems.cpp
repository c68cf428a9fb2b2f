// The items of the playlist and history pop-up menus.
#include "playlist/PopupMenuItems.h"

#include <cstdio>

namespace felux {

PopupRange PlaylistPopupRange(int current, int count) {
    PopupRange r;
    int extra = 0;
    r.first = current - 10;
    if (r.first < 1) {
        r.first = 0;
        extra = 10 - current;
    }
    r.last = current + 10 + extra;
    if (r.last + 1 >= count) r.last = count - 1;
    return r;
}

std::vector<std::string> PlaylistPopupItems(const Playlist& list, PopupRange range, int current) {
    std::vector<std::string> items;
    for (int i = range.first; i <= range.last && i < static_cast<int>(list.Size()); ++i) {
        const std::string& path = list.PathAt(static_cast<std::size_t>(i));
        const std::size_t slash = path.rfind('/');
        char number[24];
        std::snprintf(number, sizeof number, "%04d ", i + 1);
        std::string item = i == current ? ">>" : "  ";
        item += number;
        item += slash == std::string::npos ? path : path.substr(slash + 1);
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace felux
