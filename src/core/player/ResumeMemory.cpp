// Going on where a long file was left: the points of data.pos, taken when it opens and kept when it is left.
#include "player/ResumeMemory.h"

namespace felux {
namespace {
// Nothing worth going back to in the first seconds, and a file left in its last ones is done.
constexpr MediaTime kNothingBefore = 5 * kUnitsPerSecond;
constexpr MediaTime kDoneWithin = 5 * kUnitsPerSecond;
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
    const MediaTime shortest = static_cast<MediaTime>(settings_.resumeMinimumSeconds) * kUnitsPerSecond;
    // A play segment has its own start; a file shorter than the setting starts from the beginning.
    if (settings_.resumePlayback != 1 || state_.segmentActive || openFile_.path.empty() || graph_.duration <= 0 ||
        graph_.duration < shortest)
        return;
    tracked_ = openFile_.path;
    const std::optional<ResumePoint> point = points_.Find(openFile_.path);
    if (!point) return;
    const MediaTime at = point->positionMs * kUnitsPerMillisecond;
    // A point past this file's end belongs to another file that had its name.
    if (at < graph_.duration - kDoneWithin) graph_.SeekPosition(0, at);
}

void ResumeMemory::KeepPlace() {
    if (!tracked_) return;
    const MediaTime at = graph_.GetPosition();
    if (at < kNothingBefore || at >= graph_.duration - kDoneWithin) {
        points_.Forget(*tracked_);
        return;
    }
    points_.Remember({*tracked_, at / kUnitsPerMillisecond, std::nullopt, std::nullopt});
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
