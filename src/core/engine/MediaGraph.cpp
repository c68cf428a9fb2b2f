// The one media graph of the player: create, render, run, stop, probe, seek and poll one file at a time.
#include "engine/MediaGraph.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace felux {
namespace {
constexpr int kSeekRetries = 10;
}  // namespace

MediaGraph::MediaGraph(MediaEngine& engine, FailureReporter report) : engine_(engine), report_(std::move(report)) {}

void MediaGraph::Report(const char* format, MediaResult code) {
    char text[kFailureTextBytes];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(code));
    if (report_) report_(text);
}

MediaResult MediaGraph::CreateGraph() {
    audioOnly = 0;
    const MediaResult result = engine_.Create();
    if (result < 0) {
        Report("FAILED(0x%x) CoCreateInstance(CLSID_FilterGraph, NULL, CLSCTX_INPROC, IID_IGraphBuilder, "
               "(void **)&pGB)\n",
               result);
        ReleaseGraph();
        return result;
    }
    created_ = true;
    return kMediaOk;
}

MediaResult MediaGraph::ReleaseGraph() {
    StopGraph();
    if (created_) engine_.Release();
    created_ = false;
    rendering_ = false;
    rendered_ = false;
    searchedToEnd_ = false;
    return kMediaOk;
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

MediaResult MediaGraph::BeginRender(const std::string& path, const std::string& companion, int withCompanion) {
    prepared_.reset();
    if (!created_) return kMediaFail;
    engine_.BeginOpen(path, withCompanion == 1 ? std::optional<std::string>(companion) : std::nullopt);
    rendering_ = true;
    return kMediaOk;
}

OpenStatus MediaGraph::PollRender() {
    if (!rendering_) return OpenStatus::Failed;
    const OpenStatus status = engine_.PollOpen();
    if (status == OpenStatus::Pending) return status;
    rendering_ = false;
    if (status != OpenStatus::Ready) return status;
    rendered_ = true;
    searchedToEnd_ = false;
    if (!engine_.HasVideo()) audioOnly = 1;
    return status;
}

MediaResult MediaGraph::RunGraph() {
    if (!created_) return kMediaOk;
    const MediaResult result = engine_.Run();
    if (result < 0)
        Report("\r\n*** Failed(%08x) in Run()!\r\n", result);
    else
        runState = 2;
    return result;
}

MediaResult MediaGraph::StopGraph() {
    if (!created_ || runState == 0) return kMediaOk;
    const MediaResult result = engine_.Stop();
    if (result < 0)
        Report("\r\n*** Failed(%08x) in Stop()!\r\n", result);
    else
        runState = 0;
    return result;
}

void MediaGraph::ProbeMedia(int screenW, int screenH) {
    if (!rendered_) return;
    engine_.SetRate(1.0);
    const std::int64_t frames = engine_.FrameCount();
    duration = engine_.Duration();
    timePerFrame = frames > 0 ? duration / frames : 0;
    if (audioOnly == 0) {
        const VideoSize size = engine_.NativeSize();
        sourceHeight = size.height;
        sourceWidth = size.width;
    }
    screenWidth = screenW;
    screenHeight = screenH;
}

bool MediaGraph::SeekPosition(int mode, MediaTime amount) {
    if (!rendered_) return false;
    const MediaTime start = engine_.Position();
    if (mode == 0) {
        engine_.Seek(std::max<MediaTime>(0, amount));
    } else if (mode == 1) {
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
    } else if (mode == -1) {
        engine_.Seek(std::max<MediaTime>(0, start - amount));
        MediaTime now = engine_.Position();
        // At the start nothing is earlier: further tries would only repeat the same seek.
        for (int i = 0; i < kSeekRetries && now >= start && now > 0; ++i) {
            engine_.Seek(std::max<MediaTime>(0, now - amount));
            now = engine_.Position();
        }
    }
    return false;
}

void MediaGraph::Search(int direction, MediaTime amount) {
    // A search is paused while it jumps, so the stream would never reach its end by itself.
    if (SeekPosition(direction, amount) && direction > 0 && duration > 0) searchedToEnd_ = true;
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

void MediaGraph::SetVolume(int hundredthsOfDb) {
    if (rendered_) engine_.SetVolume(hundredthsOfDb);
}

void MediaGraph::SetSourceRect(const std::optional<SourceRect>& rect) {
    if (rendered_ && audioOnly == 0) engine_.SetSourceRect(rect);
}

MediaTime MediaGraph::GetPosition() { return rendered_ ? engine_.Position() : 0; }

std::vector<MediaTrack> MediaGraph::Tracks() { return rendered_ ? engine_.Tracks() : std::vector<MediaTrack>{}; }

void MediaGraph::SelectTrack(TrackKind kind, std::optional<std::int64_t> id) {
    if (rendered_) engine_.SelectTrack(kind, id);
}

const std::vector<MediaChapter>& MediaGraph::Chapters() { return rendered_ ? engine_.Chapters() : noChapters_; }

MediaTags MediaGraph::Tags() { return rendered_ ? engine_.Tags() : MediaTags{}; }

}  // namespace felux
