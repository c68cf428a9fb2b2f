// The media port on libmpv: one mpv instance for the player's life, driven from the UI thread.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/MediaEngine.h"

struct mpv_handle;
struct mpv_event;

namespace felux {

class MpvEngine : public MediaEngine {
public:
    // Asked at each Create for the native id of the window the picture goes into; nullopt (or no
    // source) leaves the choice of window to mpv. A different answer builds a new instance.
    using WindowIdSource = std::function<std::optional<std::int64_t>()>;

    // Where the one line about a missing sound device goes; none drops it.
    using Notice = std::function<void(const std::string&)>;

    explicit MpvEngine(WindowIdSource windowId = {}, Notice notice = {});
    ~MpvEngine() override;
    MpvEngine(const MpvEngine&) = delete;
    MpvEngine& operator=(const MpvEngine&) = delete;

    MediaResult Create() override;
    void Release() override;
    MediaResult Render(const std::string& path, const std::optional<std::string>& companion) override;
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
    void SetVolume(int hundredthsOfDb) override;
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

    // How long Render waits for the file to open.
    static constexpr int kOpenTimeoutMs = 5000;
    // Once the file is open, how much longer Render waits for its first frame.
    static constexpr int kFirstFrameWaitMs = 1000;

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
        MediaTime position = 0;
        MediaTime duration = 0;
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
    // mpv plays the file already, so an open takes it over instead of loading it again.
    bool NextTookOver() const { return next_ && (next_->started || next_->aheadOfOpen); }
    bool EofReachedNow() const;
    // The current file is over: played to its end, or stopped by an error.
    void Ended(bool onError);
    // Makes the file that followed on the current one, without loading it again.
    MediaResult TakeOverNext();
    // Loads a file before the player opens it: behind the current one, or (ahead of the first
    // open) in place of mpv's empty playlist.
    void LoadAhead(const std::string& path, bool aheadOfOpen);
    // The bounded wait of an open for the file of the load tagged loadTag, from what is known of it.
    MediaResult AwaitOpen(std::uint64_t loadTag, bool accepted, bool started, bool withCompanion);
    // Takes what mpv has queued, without waiting; nothing to do (not even a call into mpv) until
    // mpv has announced an event since the last drain.
    void Drain();
    void HandleEvent(const mpv_event& event);
    void HandlePropertyChange(const mpv_event& event);
    // Unloads the current file, queued behind whatever was asked before; the instance stays.
    void StopFile();
    void Destroy();
    bool IsThisFile(std::int64_t entry) const;
    bool IsNextFile(std::int64_t entry) const;
    MediaResult FinishOpen(bool withCompanion);
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
    Notice notice_;
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
    FileState file_;
    std::optional<NextFile> next_;
    // Create left the last file loaded for the next load to replace; an open that loads nothing stops it.
    bool unloadOwed_ = false;
    std::optional<double> outputVolume_;
    std::optional<double> wantedOutputVolume_;
};

}  // namespace felux
