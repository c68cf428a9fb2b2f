// Media port fake: files are described in advance; seeks land exactly; every call is logged.
#include "FakeMediaEngine.h"

#include <utility>

namespace felux::test {

MediaResult FakeMediaEngine::Create() {
    log.push_back("Create");
    opening.reset();
    created = createResult == MediaResult::Ok;
    // Nothing of an earlier file survives, released or not.
    playing = false;
    media_ = {};
    return createResult;
}

void FakeMediaEngine::Release() {
    log.push_back("Release");
    created = false;
    playing = false;
    opening.reset();
    media_ = {};
}

void FakeMediaEngine::BeginOpen(const std::string& path, const std::optional<std::string>& audio) {
    log.push_back("Render " + path);
    prepared.reset();
    if (duringRender) std::exchange(duringRender, nullptr)();
    companion = audio;
    opening = path;
    pollsLeft_ = pendingPolls;
}

OpenStatus FakeMediaEngine::PollOpen() {
    if (!opening) return OpenStatus::Failed;
    if (pollsLeft_ > 0) {
        --pollsLeft_;
        return OpenStatus::Pending;
    }
    const auto it = files.find(*opening);
    opening.reset();
    if (timesOut) return OpenStatus::TimedOut;
    if (!created || it == files.end()) return OpenStatus::Failed;
    media_ = it->second;
    position = MediaTime{};
    return OpenStatus::Ready;
}

MediaResult FakeMediaEngine::Run() {
    log.push_back("Run");
    if (runResult == MediaResult::Ok) playing = true;
    return runResult;
}

MediaResult FakeMediaEngine::Pause() {
    log.push_back("Pause");
    playing = false;
    return MediaResult::Ok;
}

MediaResult FakeMediaEngine::Stop() {
    log.push_back("Stop");
    playing = false;
    position = MediaTime{};
    return MediaResult::Ok;
}

void FakeMediaEngine::Seek(MediaTime target) {
    seeks.push_back(target);
    position = seekLandsAt.value_or(target);
}

void FakeMediaEngine::SelectTrack(TrackKind kind, std::optional<std::int64_t> id) {
    log.push_back(std::string(kind == TrackKind::Audio ? "SelectAudio " : "SelectSubtitle ") +
                  (id ? std::to_string(*id) : "off"));
    for (MediaTrack& t : tracks)
        if (t.kind == kind) t.selected = id && t.id == *id;
}

std::optional<std::int64_t> FakeMediaEngine::Selected(TrackKind kind) const {
    for (const MediaTrack& t : tracks)
        if (t.kind == kind && t.selected) return t.id;
    return std::nullopt;
}

bool FakeMediaEngine::TakeCompletion() { return std::exchange(completed, false); }

}  // namespace felux::test
