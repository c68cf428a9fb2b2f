// The open file's audio and subtitle tracks and its chapters, as the B, V and PAGE keys and the video window's menu change them;
// the menu's line loop.
#include "player/MediaTracks.h"

#include "engine/TrackSteps.h"
#include "i18n/UiText.h"

namespace felux {

void MediaTracks::StepTrack(TrackKind kind) {
    if (state_.playback.mediaClosed) return;
    if (const std::optional<TrackStep> step = NextTrack(graph_.Tracks(), kind)) graph_.SelectTrack(kind, step->id);
}

void MediaTracks::StepChapter(int direction) {
    if (state_.playback.mediaClosed) return;
    if (const std::optional<MediaTime> target = ChapterTarget(graph_.Chapters(), graph_.GetPosition(), direction))
        graph_.SeekPosition(SeekMode::To, *target);
}

VideoMenu MediaTracks::Menu() {
    if (state_.playback.mediaClosed) return {};
    VideoMenu menu = BuildVideoMenu(graph_.Tracks(), graph_.Chapters(), graph_.GetPosition());
    if (lines_.Available()) {
        // Checked while a loop runs: choosing it then ends the loop, as L does.
        const bool looping = lines_.LoopRuns();
        const std::optional<std::size_t> checked = looping ? std::optional<std::size_t>(0) : std::nullopt;
        menu.sections.push_back({"", {UiText("VideoMenu", "この行をリピート")}, checked});
        menu.actions.push_back({VideoMenuAction::Kind::LineLoop, TrackKind::Audio, std::nullopt, MediaTime{}});
    }
    return menu;
}

void MediaTracks::Carry(const VideoMenuAction& action) {
    if (state_.playback.mediaClosed) return;
    switch (action.kind) {
        case VideoMenuAction::Kind::Chapter: graph_.SeekPosition(SeekMode::To, action.start); break;
        case VideoMenuAction::Kind::LineLoop: lines_.ToggleLoop(); break;
        case VideoMenuAction::Kind::Track: graph_.SelectTrack(action.track, action.id); break;
    }
}

}  // namespace felux
