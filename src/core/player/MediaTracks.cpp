// The open file's audio and subtitle tracks and its chapters, as the B, V and PAGE keys and the video window's menu change them.
#include "player/MediaTracks.h"

#include "engine/TrackSteps.h"

namespace felux {

void MediaTracks::StepTrack(TrackKind kind) {
    if (state_.mediaClosed) return;
    if (const std::optional<TrackStep> step = NextTrack(graph_.Tracks(), kind)) graph_.SelectTrack(kind, step->id);
}

void MediaTracks::StepChapter(int direction) {
    if (state_.mediaClosed) return;
    if (const std::optional<MediaTime> target = ChapterTarget(graph_.Chapters(), graph_.GetPosition(), direction))
        graph_.SeekPosition(SeekMode::To, *target);
}

VideoMenu MediaTracks::Menu() {
    if (state_.mediaClosed) return {};
    return BuildVideoMenu(graph_.Tracks(), graph_.Chapters(), graph_.GetPosition());
}

void MediaTracks::Carry(const VideoMenuAction& action) {
    if (state_.mediaClosed) return;
    if (action.kind == VideoMenuAction::Kind::Chapter)
        graph_.SeekPosition(SeekMode::To, action.start);
    else
        graph_.SelectTrack(action.track, action.id);
}

}  // namespace felux
