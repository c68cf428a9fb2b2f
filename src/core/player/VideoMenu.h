// The video window's menu: the audio tracks, the subtitle tracks and "off", and the chapters, each a bounded list around the current one.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/EditorPorts.h"
#include "platform/MediaEngine.h"

namespace felux {

// A file may carry thousands of chapters or dozens of tracks: each section lists at most this
// many items, around the current one, so that the menu opens at once and fits the screen.
inline constexpr std::size_t kVideoMenuSectionItems = 50;
// Longer titles are cut; a file's text is no reason for a menu wider than the screen.
inline constexpr std::size_t kVideoMenuTitleBytes = 80;

// What choosing one item does.
struct VideoMenuAction {
    enum class Kind { Track, Chapter, LineLoop };
    Kind kind = Kind::Track;
    TrackKind track = TrackKind::Audio;
    std::optional<std::int64_t> id;  // nullopt: subtitles off
    MediaTime start{};              // a chapter's
};

struct VideoMenu {
    std::vector<MenuSection> sections;  // audio, subtitles, chapters
    std::vector<VideoMenuAction> actions;  // one per item, in the order the items are numbered
};

VideoMenu BuildVideoMenu(const std::vector<MediaTrack>& tracks, const std::vector<MediaChapter>& chapters,
                         MediaTime position);

}  // namespace felux
