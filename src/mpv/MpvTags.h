// The open file's tags as mpv reads them (the metadata map), in the media port's terms.
#pragma once

#include "platform/MediaEngine.h"

struct mpv_node;

namespace felux::mpv {

// Title, artist, album and track number of a metadata map, its keys compared ignoring case; the
// texts as mpv gives them, uncut. A track that is not a positive number is left out.
MediaTags TagsFromNode(const mpv_node& map);

}  // namespace felux::mpv
