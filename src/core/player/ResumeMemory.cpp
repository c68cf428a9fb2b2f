// Going on where a long file was left: the points of data.pos, taken when it opens and kept when it is left.
#include "player/ResumeMemory.h"

namespace felux {
namespace {
// Nothing worth going back to in the first seconds, and a file left in its last ones is done.
constexpr MediaTime kNothingBefore = std::chrono::seconds(5);
constexpr MediaTime kDoneWithin = std::chrono::seconds(5);

// The selected track of a kind; 0 when the file has tracks of that kind and none plays (subtitles
// turned off); nullopt when it has none.
std::optional<int> ChosenTrack(const std::vector<MediaTrack>& tracks, TrackKind kind) {
    std::optional<int> chosen;
    for (const MediaTrack& track : tracks) {
        if (track.kind != kind) continue;
        if (track.selected) return static_cast<int>(track.id);
        chosen = 0;
    }
    return chosen;
}

// Plays the remembered track again when this file still has it.
void Choose(MediaGraph& graph, const std::vector<MediaTrack>& tracks, TrackKind kind, std::optional<int> id) {
    if (!id) return;
    if (*id == 0) {
        if (ChosenTrack(tracks, kind).value_or(0) != 0) graph.SelectTrack(kind, std::nullopt);
        return;
    }
    for (const MediaTrack& track : tracks) {
        if (track.kind == kind && track.id == *id && !track.selected) graph.SelectTrack(kind, track.id);
    }
}

}  // namespace

ResumeMemory::ResumeMemory(const PlayerSettings& settings, const PlayerState& state, MediaGraph& graph,
                           const OpenFile& openFile, std::filesystem::path folder, FailureReporter reportFailure)
    : settings_(settings),
      state_(state),
      graph_(graph),
      openFile_(openFile),
      folder_(std::move(folder)),
      reportFailure_(std::move(reportFailure)) {}

void ResumeMemory::Load() {
    if (!points_.Load(folder_) && reportFailure_)
        reportFailure_(std::string("FELUX: ") + ResumePoints::kFileName + " is damaged; no file resumes where it was left\n");
}

bool ResumeMemory::Save() const { return points_.Save(folder_); }

void ResumeMemory::FileOpened() {
    tracked_.reset();
    const MediaTime shortest = std::chrono::seconds(settings_.resumeMinimumSeconds);
    // A play segment has its own start; a file shorter than the setting starts from the beginning.
    if (settings_.resumePlayback != 1 || state_.playback.segmentActive || openFile_.path.empty() ||
        graph_.duration <= MediaTime{} || graph_.duration < shortest)
        return;
    tracked_ = openFile_.path;
    const std::optional<ResumePoint> point = points_.Find(openFile_.path);
    if (!point) return;
    const MediaTime at = std::chrono::milliseconds(point->positionMs);
    // A point past this file's end belongs to another file that had its name.
    if (at >= graph_.duration - kDoneWithin) return;
    graph_.SeekPosition(SeekMode::To, at);
    const std::vector<MediaTrack> tracks = graph_.Tracks();
    Choose(graph_, tracks, TrackKind::Audio, point->audioTrack);
    Choose(graph_, tracks, TrackKind::Subtitle, point->subtitleTrack);
}

void ResumeMemory::KeepPlace() {
    if (!tracked_) return;
    const MediaTime at = graph_.GetPosition();
    if (at < kNothingBefore || at >= graph_.duration - kDoneWithin) {
        points_.Forget(*tracked_);
        return;
    }
    const std::vector<MediaTrack> tracks = graph_.Tracks();
    points_.Remember({*tracked_, std::chrono::duration_cast<std::chrono::milliseconds>(at).count(), ChosenTrack(tracks, TrackKind::Audio),
                      ChosenTrack(tracks, TrackKind::Subtitle)});
}

void ResumeMemory::Leaving() {
    KeepPlace();
    tracked_.reset();
}

void ResumeMemory::Ended() {
    if (!tracked_) return;
    points_.Forget(*tracked_);
    tracked_.reset();
}

}  // namespace felux
