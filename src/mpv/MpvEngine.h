// The media port on libmpv: one mpv instance for the player's life, driven from the UI thread.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "engine/OpenDeadline.h"
#include "platform/MediaEngine.h"

struct mpv_handle;
struct mpv_event;

namespace felux {
namespace mpv {
class InstanceAhead;
}

class MpvEngine : public MediaEngine {
public:
    // Asked at each Create for the native id of the window the picture goes into; nullopt (or no
    // source) leaves the choice of window to mpv. A different answer builds a new instance.
    using WindowIdSource = std::function<std::optional<std::int64_t>()>;

    // Where the one line about a missing sound device goes; none drops it.
    using Notice = std::function<void(const std::string&)>;

    using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;

    // Runs on one of mpv's threads when mpv has news of an open under way, at most once until the
    // next PollOpen: it may only post a call of PollOpen to the thread that drives the engine.
    using OpenNews = std::function<void()>;

    explicit MpvEngine(WindowIdSource windowId = {}, Notice notice = {}, OpenNews openNews = {},
                       SteadyClock now = std::chrono::steady_clock::now);
    ~MpvEngine() override;
    MpvEngine(const MpvEngine&) = delete;
    MpvEngine& operator=(const MpvEngine&) = delete;

    // The first Create takes this instance when it fits, instead of building one then.
    void UseInstanceAhead(std::unique_ptr<mpv::InstanceAhead> ahead);
    MediaResult Create() override;
    void Release() override;
    void BeginOpen(const std::string& path, const std::optional<std::string>& companion) override;
    OpenStatus PollOpen() override;
    void PrepareNext(const std::optional<std::string>& path) override;
    bool HasVideo() override;
    MediaResult Run() override;
    MediaResult Pause() override;
    MediaResult Stop() override;
    MediaTime Position() override;
    MediaTime Duration() override;
    std::int64_t FrameCount() override;
    VideoSize NativeSize() override;
    void Seek(MediaTime position) override;
    void SetRate(double rate) override;
    void SetVolume(double volume) override;
    void SetSourceRect(const std::optional<SourceRect>& rect) override;
    void SetHardwareDecoding(bool on) override;
    void SetReplayGain(ReplayGain mode) override;
    bool TakeCompletion() override;
    bool CompletedOnError() override { return completedOnError_; }
    std::vector<MediaTrack> Tracks() override { return file_.tracks; }
    void SelectTrack(TrackKind kind, std::optional<std::int64_t> id) override;
    const std::vector<MediaChapter>& Chapters() override { return file_.chapters; }
    MediaTags Tags() override { return file_.tags; }

    // Starts loading the file the player is expected to open first, paused, while the rest of the
    // program starts up. An open of the same file takes it over; any other open replaces it.
    void Preload(const std::string& path);

    // The audio output's own level (`ao-volume`, 0..100), kept across instances: applied now when
    // an output exists and again whenever a new one appears.
    void SetOutputVolume(double percent);
    // The level the current output last reported; nullopt while there is no audio output.
    std::optional<double> OutputVolume() const { return outputVolume_; }

protected:
    // The live instance, for diagnostics; null when released.
    mpv_handle* Handle() const { return handle_; }

private:
    // Stands for an entry id mpv did not give.
    static constexpr std::int64_t kAnyEntry = -1;

    // What the instance knows about the current file; reset by Create, Release and each open.
    struct FileState {
        // mpv's playlist entry of the file, which tells its events from a replaced file's.
        std::int64_t entry = kAnyEntry;
        bool loaded = false;
        bool completed = false;
        bool completedOnError = false;
        bool hasVideo = false;
        VideoSize nativeSize;
        MediaTime position{};
        MediaTime duration{};
        std::int64_t frameCount = 0;
        // As mpv last reported them: read once the file is open, then observed.
        std::vector<MediaTrack> tracks;
        std::vector<MediaChapter> chapters;
        // Read once the file is open; a file's tags do not change while it plays.
        MediaTags tags;
        // The target of the newest seek, reported as the position until that seek has completed.
        std::optional<MediaTime> seekTarget;
        std::uint64_t seekSerial = 0;
        // mpv has taken the newest seek command, so the next playback restart is its own.
        bool seekAccepted = false;
    };

    // A file mpv loads before the player opens it: the prepared next file, appended to mpv's
    // playlist behind the current one, or the first file, loaded ahead of the first open.
    struct NextFile {
        std::string path;
        std::uint64_t tag = 0;             // of its load request
        std::int64_t entry = kAnyEntry;    // its playlist entry, once mpv has answered
        bool aheadOfOpen = false;          // the first file: mpv plays nothing else
        bool started = false;              // mpv went on to it
        bool loaded = false;
        bool restarted = false;            // its first frame is decoded
    };
    // The open under way, followed by PollOpen from what mpv reports.
    struct PendingOpen {
        std::uint64_t tag = 0;        // of its load request
        bool accepted = false;        // mpv answered the load and named its entry
        bool started = false;         // mpv began the file
        bool withCompanion = false;
        bool firstFrame = false;      // decoded: the open is ready
        // mpv named the entry it began before it answered the load.
        std::optional<std::int64_t> earlyStart;
        OpenDeadline deadline;
        // Decided before PollOpen took it.
        std::optional<OpenStatus> outcome;
    };

    // mpv plays the file already, so an open takes it over instead of loading it again.
    bool NextTookOver() const { return next_ && (next_->started || next_->aheadOfOpen); }
    bool EofReachedNow() const;
    // The current file is over: played to its end, or stopped by an error.
    void Ended(bool onError);
    // Makes the file that followed on the current one, without loading it again.
    void TakeOverNext();
    // Loads a file before the player opens it: behind the current one, or (ahead of the first
    // open) in place of mpv's empty playlist.
    void LoadAhead(const std::string& path, bool aheadOfOpen);
    // Follows the open of the file of the load tagged loadTag from what is known of it.
    void FollowOpen(std::uint64_t loadTag, bool accepted, bool started, bool withCompanion);
    // The open's outcome, for PollOpen to take.
    void DecideOpen(OpenStatus outcome);
    // One of the open's own events, taken in the open's place; false for any other.
    bool TakeOpenEvent(const mpv_event& event);
    static void OnWakeup(void* self);
    // Takes what mpv has queued, without waiting; nothing to do (not even a call into mpv) until
    // mpv has announced an event since the last drain.
    void Drain();
    void HandleEvent(const mpv_event& event);
    void HandleFileEvent(const mpv_event& event);
    void HandlePropertyChange(const mpv_event& event);
    // Unloads the current file, queued behind whatever was asked before; the instance stays.
    void StopFile();
    void Destroy();
    bool IsThisFile(std::int64_t entry) const;
    bool IsNextFile(std::int64_t entry) const;
    OpenStatus FinishOpen(bool withCompanion);
    void ReadFileFacts();
    void SelectExternalAudio();
    // The subtitle files beside the clip, for the next file mpv loads.
    void SetSubtitleFiles(const std::string& clip);
    void ReadTracksAndChapters();
    void SetDoubleAsync(const char* name, double value);
    void ApplyOutputVolume();
    // The fallback to the null output happened: remember it and say so once.
    void NoteAudioOutput(const char* name);

    WindowIdSource windowId_;
    std::unique_ptr<mpv::InstanceAhead> ahead_;
    Notice notice_;
    // Read from mpv's threads: set once, at construction.
    const OpenNews openNews_;
    SteadyClock now_;
    // No sound device opened once: later instances go straight to the null output, so that
    // the sound libraries do not complain again at every file.
    bool noSoundDevice_ = false;
    bool hardwareDecoding_ = true;
    ReplayGain replayGain_ = ReplayGain::Off;
    bool completedOnError_ = false;
    mpv_handle* handle_ = nullptr;
    // What the instance was built with, and whether it failed since: each a reason to build anew.
    std::optional<std::int64_t> instanceWindow_;
    bool instanceSilent_ = false;
    bool broken_ = false;
    // Tells the reply to the newest load from a late one to an earlier load.
    std::uint64_t loadSerial_ = 0;
    // Set from mpv's threads whenever an event is queued.
    std::atomic<bool> eventsWaiting_{false};
    // An open is under way, and whether its news has been posted since the last PollOpen.
    std::atomic<bool> openUnderWay_{false};
    std::atomic<bool> newsPosted_{false};
    std::optional<PendingOpen> open_;
    FileState file_;
    std::optional<NextFile> next_;
    // Create left the last file loaded for the next load to replace; an open that loads nothing stops it.
    bool unloadOwed_ = false;
    std::optional<double> outputVolume_;
    std::optional<double> wantedOutputVolume_;
};

}  // namespace felux
