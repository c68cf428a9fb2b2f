// The one media graph of the player: create, render, run, stop, probe, seek and poll one file at a time.
#include "engine/MediaGraph.h"

#include <algorithm>
#include <utility>

namespace felux {
namespace {
constexpr int kSeekRetries = 10;
}  // namespace

MediaGraph::MediaGraph(MediaEngine& engine, FailureReporter report) : engine_(engine), report_(std::move(report)) {}

void MediaGraph::Report(const std::string& text) {
    if (report_) report_(text);
}

MediaResult MediaGraph::CreateGraph() {
    audioOnly = false;
    const MediaResult result = engine_.Create();
    if (result != MediaResult::Ok) {
        Report("The media engine could not be created.\n");
        ReleaseGraph();
        return result;
    }
    created_ = true;
    return MediaResult::Ok;
}

MediaResult MediaGraph::ReleaseGraph() {
    StopGraph();
    if (created_) engine_.Release();
    created_ = false;
    rendering_ = false;
    rendered_ = false;
    searchedToEnd_ = false;
    return MediaResult::Ok;
}

MediaResult MediaGraph::RecreateGraph() {
    StopGraph();
    rendered_ = false;
    searchedToEnd_ = false;
    return CreateGraph();
}

void MediaGraph::PrepareNext(const std::optional<std::string>& path) {
    if (!created_ || path == prepared_) return;
    // The engine holds one follower: another takes its place only once it is forgotten.
    if (prepared_ && path) engine_.PrepareNext(std::nullopt);
    prepared_ = path;
    engine_.PrepareNext(path);
}

MediaResult MediaGraph::BeginRender(const std::string& path, const std::optional<std::string>& companion) {
    prepared_.reset();
    if (!created_) return MediaResult::Failed;
    engine_.BeginOpen(path, companion);
    rendering_ = true;
    return MediaResult::Ok;
}

OpenStatus MediaGraph::PollRender() {
    if (!rendering_) return OpenStatus::Failed;
    const OpenStatus status = engine_.PollOpen();
    if (status == OpenStatus::Pending) return status;
    rendering_ = false;
    if (status != OpenStatus::Ready) return status;
    rendered_ = true;
    searchedToEnd_ = false;
    if (!engine_.HasVideo()) audioOnly = true;
    return status;
}

MediaResult MediaGraph::RunGraph() {
    if (!created_) return MediaResult::Ok;
    const MediaResult result = engine_.Run();
    if (result != MediaResult::Ok)
        Report("The media engine could not start playing.\n");
    else
        runState = RunState::Running;
    return result;
}

MediaResult MediaGraph::StopGraph() {
    if (!created_ || runState == RunState::Stopped) return MediaResult::Ok;
    const MediaResult result = engine_.Stop();
    if (result != MediaResult::Ok)
        Report("The media engine could not stop.\n");
    else
        runState = RunState::Stopped;
    return result;
}

void MediaGraph::ProbeMedia(int screenW, int screenH) {
    if (!rendered_) return;
    engine_.SetRate(1.0);
    const std::int64_t frames = engine_.FrameCount();
    duration = engine_.Duration();
    timePerFrame = frames > 0 ? duration / frames : MediaTime{};
    if (!audioOnly) {
        const VideoSize size = engine_.NativeSize();
        sourceHeight = size.height;
        sourceWidth = size.width;
    }
    screenWidth = screenW;
    screenHeight = screenH;
}

bool MediaGraph::SeekPosition(SeekMode mode, MediaTime amount) {
    if (!rendered_) return false;
    const MediaTime start = engine_.Position();
    if (mode == SeekMode::To) {
        engine_.Seek(std::max(MediaTime{}, amount));
    } else if (mode == SeekMode::Forward) {
        MediaTime target = start + amount;
        // A jump that would reach the end stays where it is; the caller decides what the end means.
        if (target >= duration) return true;
        engine_.Seek(target);
        MediaTime now = engine_.Position();
        for (int i = 0; i < kSeekRetries && now <= start; ++i) {
            target = now + amount;
            if (target >= duration) return true;
            engine_.Seek(target);
            now = engine_.Position();
        }
    } else {
        engine_.Seek(std::max(MediaTime{}, start - amount));
        MediaTime now = engine_.Position();
        // At the start nothing is earlier: further tries would only repeat the same seek.
        for (int i = 0; i < kSeekRetries && now >= start && now > MediaTime{}; ++i) {
            engine_.Seek(std::max(MediaTime{}, now - amount));
            now = engine_.Position();
        }
    }
    return false;
}

void MediaGraph::Search(SeekMode direction, MediaTime amount) {
    // A search is paused while it jumps, so the stream would never reach its end by itself.
    if (SeekPosition(direction, amount) && direction == SeekMode::Forward && duration > MediaTime{}) searchedToEnd_ = true;
}

bool MediaGraph::PollGraphEvent() {
    if (!rendered_) return false;
    endedOnError = false;
    if (std::exchange(searchedToEnd_, false)) return true;
    if (!engine_.TakeCompletion()) return false;
    endedOnError = engine_.CompletedOnError();
    return true;
}

void MediaGraph::Pause() {
    if (rendered_) engine_.Pause();
}

void MediaGraph::Run() {
    if (rendered_) engine_.Run();
}

void MediaGraph::SetRate(double rate) {
    if (rendered_) engine_.SetRate(rate);
}

void MediaGraph::SetVolume(double volume) {
    if (rendered_) engine_.SetVolume(volume);
}

void MediaGraph::SetSourceRect(const std::optional<SourceRect>& rect) {
    if (rendered_ && !audioOnly) engine_.SetSourceRect(rect);
}

MediaTime MediaGraph::GetPosition() { return rendered_ ? engine_.Position() : MediaTime{}; }

std::vector<MediaTrack> MediaGraph::Tracks() { return rendered_ ? engine_.Tracks() : std::vector<MediaTrack>{}; }

void MediaGraph::SelectTrack(TrackKind kind, std::optional<std::int64_t> id) {
    if (rendered_) engine_.SelectTrack(kind, id);
}

const std::vector<MediaChapter>& MediaGraph::Chapters() { return rendered_ ? engine_.Chapters() : noChapters_; }

MediaTags MediaGraph::Tags() { return rendered_ ? engine_.Tags() : MediaTags{}; }

}  // namespace felux
