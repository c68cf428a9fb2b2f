// The open file's tags as mpv reads them (the metadata map), in the media port's terms.
#include "MpvTags.h"

#include <mpv/client.h>

#include <cctype>
#include <string_view>

#include "MpvNames.h"
#include "io/TextLines.h"

namespace felux::mpv {
namespace {

bool SameKey(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The first string under the key in any case; a file may carry "title" and "TITLE" both.
std::string Text(const mpv_node& map, const char* key) {
    const mpv_node_list* list = map.u.list;
    for (int i = 0; i < list->num; ++i) {
        const mpv_node& v = list->values[i];
        if (list->keys && list->keys[i] && SameKey(list->keys[i], key) && v.format == MPV_FORMAT_STRING && v.u.string)
            return v.u.string;
    }
    return {};
}

}  // namespace

MediaTags TagsFromNode(const mpv_node& map) {
    MediaTags tags;
    if (map.format != MPV_FORMAT_NODE_MAP || !map.u.list) return tags;
    tags.title = Text(map, kTagTitle);
    tags.artist = Text(map, kTagArtist);
    tags.album = Text(map, kTagAlbum);
    // "3/12" is track 3 of 12.
    const std::optional<int> track = io::TryParseInt(Text(map, kTagTrack));
    if (track && *track > 0) tags.track = track;
    return tags;
}

}  // namespace felux::mpv
