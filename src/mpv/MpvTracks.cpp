// The open file's tracks and chapters as mpv lists them (track-list, chapter-list), in the media port's terms.
#include "MpvTracks.h"

#include <mpv/client.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "MpvConvert.h"
#include "MpvNames.h"

namespace felux::mpv {
namespace {

const mpv_node* Value(const mpv_node& map, const char* key) {
    if (map.format != MPV_FORMAT_NODE_MAP || !map.u.list) return nullptr;
    for (int i = 0; i < map.u.list->num; ++i)
        if (map.u.list->keys && map.u.list->keys[i] && std::strcmp(map.u.list->keys[i], key) == 0)
            return &map.u.list->values[i];
    return nullptr;
}

std::string Text(const mpv_node& map, const char* key) {
    const mpv_node* v = Value(map, key);
    return v && v->format == MPV_FORMAT_STRING && v->u.string ? v->u.string : "";
}

bool Flag(const mpv_node& map, const char* key) {
    const mpv_node* v = Value(map, key);
    return v && v->format == MPV_FORMAT_FLAG && v->u.flag != 0;
}

// The entries of an array node; none when it is something else.
const mpv_node_list* Entries(const mpv_node& list) {
    return list.format == MPV_FORMAT_NODE_ARRAY && list.u.list && list.u.list->num > 0 ? list.u.list : nullptr;
}

}  // namespace

std::vector<MediaTrack> TracksFromNode(const mpv_node& list) {
    std::vector<MediaTrack> tracks;
    const mpv_node_list* entries = Entries(list);
    for (int i = 0; entries && i < entries->num; ++i) {
        const mpv_node& t = entries->values[i];
        const std::string type = Text(t, kTrackType);
        const mpv_node* id = Value(t, kTrackId);
        if (!id || id->format != MPV_FORMAT_INT64) continue;
        MediaTrack track;
        if (type == kTrackTypeAudio)
            track.kind = TrackKind::Audio;
        else if (type == kTrackTypeSubtitle)
            track.kind = TrackKind::Subtitle;
        else
            continue;
        track.id = id->u.int64;
        track.language = Text(t, kTrackLanguage);
        track.title = Text(t, kTrackTitle);
        track.isDefault = Flag(t, kTrackDefault);
        track.external = Flag(t, kTrackExternal);
        track.selected = Flag(t, kTrackSelected);
        tracks.push_back(std::move(track));
    }
    return tracks;
}

std::vector<MediaChapter> ChaptersFromNode(const mpv_node& list) {
    std::vector<MediaChapter> chapters;
    const mpv_node_list* entries = Entries(list);
    for (int i = 0; entries && i < entries->num; ++i) {
        const mpv_node& c = entries->values[i];
        const mpv_node* time = Value(c, kChapterTime);
        if (!time || time->format != MPV_FORMAT_DOUBLE || !std::isfinite(time->u.double_)) continue;
        chapters.push_back({Text(c, kChapterTitle), std::max(MediaTime{}, SecondsToTime(time->u.double_))});
    }
    return chapters;
}

}  // namespace felux::mpv
