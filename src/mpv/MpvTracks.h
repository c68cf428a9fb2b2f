// The open file's tracks and chapters as mpv lists them (track-list, chapter-list), in the media port's terms.
#pragma once

#include <vector>

#include "platform/MediaEngine.h"

struct mpv_node;

namespace felux::mpv {

// The audio and subtitle tracks of a track-list node; anything malformed is left out.
std::vector<MediaTrack> TracksFromNode(const mpv_node& list);
// The chapters of a chapter-list node, in its order; anything malformed is left out.
std::vector<MediaChapter> ChaptersFromNode(const mpv_node& list);

}  // namespace felux::mpv
