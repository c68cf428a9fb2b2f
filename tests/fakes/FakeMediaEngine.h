// Media port fake: files are described in advance; seeks land exactly; every call is logged.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/MediaEngine.h"

namespace felux::test {

struct FakeMedia {
    MediaTime duration = std::chrono::seconds(60);
    std::int64_t frames = 1500;
    VideoSize size{320, 240};
    bool video = true;
    MediaTags tags{};
};

class FakeMediaEngine : public MediaEngine {
public:
    MediaResult Create() override;
    void Release() override;
    // Logged as "Render <path>".
    void BeginOpen(const std::string& path, const std::optional<std::string>& companion) override;
    OpenStatus PollOpen() override;
    void PrepareNext(const std::optional<std::string>& path) override {
        log.push_back(path ? "PrepareNext " + *path : "ForgetNext");
        prepared = path;
    }
    bool HasVideo() override { return media_.video; }
    MediaResult Run() override;
    MediaResult Pause() override;
    MediaResult Stop() override;
    MediaTime Position() override { return position; }
    MediaTime Duration() override { return media_.duration; }
    std::int64_t FrameCount() override { return media_.video ? media_.frames : 0; }
    VideoSize NativeSize() override { return media_.video ? media_.size : VideoSize{}; }
    void Seek(MediaTime target) override;
    void SetRate(double r) override { rate = r; }
    void SetVolume(double v) override { volume = v; }
    void SetSourceRect(const std::optional<SourceRect>& rect) override { sourceRect = rect; }
    void SetHardwareDecoding(bool on) override { hardwareDecoding = on; }
    void SetReplayGain(ReplayGain mode) override { replayGain = mode; }
    std::vector<MediaTrack> Tracks() override { return tracks; }
    void SelectTrack(TrackKind kind, std::optional<std::int64_t> id) override;
    const std::vector<MediaChapter>& Chapters() override { return chapters; }
    MediaTags Tags() override { return media_.tags; }
    bool TakeCompletion() override;
    bool CompletedOnError() override { return completedOnError; }

    // Files that render; any other path fails to render.
    std::map<std::string, FakeMedia> files;
    // Runs inside BeginOpen, as events that arrive while a real engine starts opening a file.
    std::function<void()> duringRender;
    // Polls each open answers Pending before it is ready (or fails), as a slow source does.
    int pendingPolls = 0;
    // Every open times out when its polls are over, as a source that never answers does.
    bool timesOut = false;
    // The open under way; Create, Release and a new open give it up.
    std::optional<std::string> opening;
    MediaResult createResult = MediaResult::Ok;
    MediaResult runResult = MediaResult::Ok;
    // When set, seeks land here instead of on their target (a key frame before it).
    std::optional<MediaTime> seekLandsAt;

    std::vector<std::string> log;
    std::vector<MediaTime> seeks;
    std::optional<std::string> companion;
    // The file the engine would start at the end of the current one; an open forgets it.
    std::optional<std::string> prepared;
    MediaTime position{};
    bool created = false;
    bool playing = false;
    bool completed = false;
    bool completedOnError = false;
    double rate = 1.0;
    double volume = 0.0;
    std::optional<SourceRect> sourceRect;
    bool hardwareDecoding = true;
    ReplayGain replayGain = ReplayGain::Off;
    // The tracks and chapters of whichever file is open.
    std::vector<MediaTrack> tracks;
    std::vector<MediaChapter> chapters;

    // The selected track of a kind; nullopt when none is.
    std::optional<std::int64_t> Selected(TrackKind kind) const;

private:
    FakeMedia media_;
    int pollsLeft_ = 0;
};

}  // namespace felux::test
