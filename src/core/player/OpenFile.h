// What the player knows about the open file.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/AudioInfo.h"
#include "platform/MediaEngine.h"

namespace felux {

struct OpenFile {
    std::string path;      // without a segment suffix
    std::string nameKey;   // name without folder and extension
    std::string folder;    // with its trailing "/"
    std::string fullEntry; // the whole playlist entry, suffix included
    std::optional<AudioFileInfo> audioInfo;  // set for ".mp3" and ".rmp"
    std::vector<std::string> infoLines;
    MediaTags tags;  // bounded: the MP3's ID3 texts where it has them, else the engine's
    std::string titleLine;
    std::string trackTitle;  // for desktops: the entry's own title, else the tags', else nameKey
};

}  // namespace felux
