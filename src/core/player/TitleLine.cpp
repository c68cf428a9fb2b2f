// The one-line title of the open file, shown on the title display.
#include "player/TitleLine.h"

#include <cstdio>

namespace felux {

Clock ToClock(MediaTime duration) {
    const std::int64_t total =
        duration > MediaTime{} ? std::chrono::duration_cast<std::chrono::seconds>(duration).count() : 0;
    return {static_cast<int>(total / 3600), static_cast<int>(total / 60 % 60), static_cast<int>(total % 60)};
}

std::string TitleLine(const std::string& titleEntry, const MediaTags& tags, const std::string& fileName,
                      MediaTime duration) {
    if (!titleEntry.empty() && titleEntry[0] == '*') return " " + titleEntry.substr(1) + " ";
    const Clock c = ToClock(duration);
    char length[48];
    std::snprintf(length, sizeof length, "  <%d:%02d:%02d>", c.hours, c.minutes, c.seconds);
    const bool title = !tags.title.empty();
    const bool artist = !tags.artist.empty();
    if (title && artist) return " " + tags.title + ":" + tags.artist;
    if (artist) return " " + fileName + ":" + tags.artist;
    if (title) return " " + fileName;
    return " " + fileName + length;
}

}  // namespace felux
