// Where the track and chapter keys go from what plays now: the next audio or subtitle track, the chapter before or after.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "platform/MediaEngine.h"

namespace felux {

// The track a step selects; id nullopt turns the kind off.
struct TrackStep {
    std::optional<std::int64_t> id;
};

// The track after the selected one of that kind, in the engine's order. Audio wraps round and
// needs two tracks to move; subtitles go on to "off" after the last and from "off" to the first.
// nullopt when there is nowhere to go.
std::optional<TrackStep> NextTrack(const std::vector<MediaTrack>& tracks, TrackKind kind);

// The chapter playing at position; nullopt before the first chapter or without chapters.
std::optional<std::size_t> ChapterAt(const std::vector<MediaChapter>& chapters, MediaTime position);

// Within this much of a chapter's start, "previous" goes to the chapter before it rather than
// back to its own start, so that repeated presses walk backwards.
inline constexpr MediaTime kChapterBackThreshold = std::chrono::seconds(5);

// Where PAGE DOWN (+1) or PAGE UP (-1) seeks; nullopt when there is no chapter that way.
std::optional<MediaTime> ChapterTarget(const std::vector<MediaChapter>& chapters, MediaTime position, int direction);

}  // namespace felux
