// Where the track and chapter keys go from what plays now: the next audio or subtitle track, the chapter before or after.
#include "engine/TrackSteps.h"

namespace felux {

std::optional<TrackStep> NextTrack(const std::vector<MediaTrack>& tracks, TrackKind kind) {
    std::vector<std::int64_t> ids;
    std::optional<std::size_t> selected;
    for (const MediaTrack& t : tracks) {
        if (t.kind != kind) continue;
        if (t.selected && !selected) selected = ids.size();
        ids.push_back(t.id);
    }
    if (ids.empty()) return std::nullopt;
    if (kind == TrackKind::Audio) {
        if (ids.size() < 2 && selected) return std::nullopt;
        return TrackStep{ids[selected ? (*selected + 1) % ids.size() : 0]};
    }
    if (!selected) return TrackStep{ids.front()};
    if (*selected + 1 == ids.size()) return TrackStep{std::nullopt};
    return TrackStep{ids[*selected + 1]};
}

std::optional<std::size_t> ChapterAt(const std::vector<MediaChapter>& chapters, MediaTime position) {
    std::optional<std::size_t> at;
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        if (chapters[i].start > position) break;
        at = i;
    }
    return at;
}

std::optional<MediaTime> ChapterTarget(const std::vector<MediaChapter>& chapters, MediaTime position, int direction) {
    if (chapters.empty()) return std::nullopt;
    const std::optional<std::size_t> at = ChapterAt(chapters, position);
    if (direction > 0) {
        const std::size_t next = at ? *at + 1 : 0;
        if (next >= chapters.size()) return std::nullopt;
        return chapters[next].start;
    }
    if (!at) return position > MediaTime{} ? std::optional<MediaTime>(MediaTime{}) : std::nullopt;
    if (position - chapters[*at].start < kChapterBackThreshold && *at > 0) return chapters[*at - 1].start;
    return chapters[*at].start;
}

}  // namespace felux
