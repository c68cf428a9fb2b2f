// The one-line title of the open file, shown on the title display.
#pragma once

#include <optional>
#include <string>

#include "platform/MediaEngine.h"

namespace felux {

// titleEntry: the playlist's title entry ("*" + text, or empty). tags: the file's, empty texts
// where it has none. fileName: the name without folder and extension.
std::string TitleLine(const std::string& titleEntry, const MediaTags& tags, const std::string& fileName,
                      MediaTime duration);

// "%d:%02d:%02d" parts of a duration.
struct Clock {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};
Clock ToClock(MediaTime duration);

}  // namespace felux
