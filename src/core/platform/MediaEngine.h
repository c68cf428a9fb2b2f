// Port: one media player instance that decodes and renders a file, its companion audio and its video.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/MediaTime.h"

namespace felux {

enum class MediaResult { Ok, Failed };

// How far the open under way has got.
enum class OpenStatus {
    Pending,
    Ready,
    Failed,
    TimedOut,  // the file did not load within its bound
};

// How a seek's amount is read: an absolute position, or a step forward or backward from where it is.
enum class SeekMode { To, Forward, Backward };

struct VideoSize {
    int width = 0;
    int height = 0;
};

// A source rectangle in native video pixels.
struct SourceRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

enum class TrackKind { Audio, Subtitle };

// Loudness levelling by the file's ReplayGain tags: off, the track's gain, or the album's.
enum class ReplayGain { Off, Track, Album };

// One audio or subtitle track of the open file, as the engine numbers it.
struct MediaTrack {
    std::int64_t id = 0;
    TrackKind kind = TrackKind::Audio;
    std::string language;  // as the file names it ("jpn", "en"); empty when unknown
    std::string title;
    bool isDefault = false;  // the file's default flag
    bool external = false;   // from a file of its own beside the clip
    bool selected = false;
};

// The open file's tags as the engine read them, whatever the container; empty texts where absent.
struct MediaTags {
    std::string title;
    std::string artist;
    std::string album;
    std::optional<int> track;  // the number before any "/total"
};

struct MediaChapter {
    std::string title;
    MediaTime start{};
};

class MediaEngine {
public:
    virtual ~MediaEngine() = default;

    // A fresh instance; nothing of an earlier file survives. Failure leaves it released.
    virtual MediaResult Create() = 0;
    // Harmless when nothing was created.
    virtual void Release() = 0;

    // Starts opening the file, paused, and returns at once; PollOpen follows the open. A companion
    // is rendered as an extra audio track; if it fails the file plays alone. A new open, Create
    // and Release give up an open still under way.
    virtual void BeginOpen(const std::string& path, const std::optional<std::string>& companion) = 0;
    // Takes what the engine reported since the last call, without waiting: Pending until the file
    // has loaded and shown its first frame (or a second has passed since it loaded), or has
    // failed; TimedOut when it has not loaded 5 s after its start. Failed when no open is under way.
    virtual OpenStatus PollOpen() = 0;
    // The file the player expects to open when the current one ends. The engine may start it the
    // moment the current one ends, without a gap; the player still sees that end and opens the
    // file as usual. Opening any other file forgets it; nullopt forgets it and stops it if it
    // has started.
    virtual void PrepareNext(const std::optional<std::string>& path) = 0;
    // False for audio only (cover art does not count as video).
    virtual bool HasVideo() = 0;

    virtual MediaResult Run() = 0;
    virtual MediaResult Pause() = 0;
    // Pauses and returns to the start; the file stays loaded.
    virtual MediaResult Stop() = 0;

    // The current position; after a seek, the seek's target until the seek has completed.
    virtual MediaTime Position() = 0;
    virtual MediaTime Duration() = 0;
    // Frames in the file; 0 when unknown or audio only.
    virtual std::int64_t FrameCount() = 0;
    virtual VideoSize NativeSize() = 0;
    // Absolute seek to an exact position.
    virtual void Seek(MediaTime position) = 0;
    // 1.0 = normal speed.
    virtual void SetRate(double rate) = 0;
    // mpv's cubic scale: 0 silence, 100 as recorded, the amplitude (volume / 100)^3. Values outside
    // it are held to it; one that is not a number is silence.
    virtual void SetVolume(double volume) = 0;
    // Decoding on the graphics chip where the engine deems it safe (the default), else in software;
    // the current file changes over at once.
    virtual void SetHardwareDecoding(bool on) = 0;
    // Levelling by the ReplayGain tags, under the volume (which keeps its level on top); a gain
    // never raises a file past full scale. Kept for every later file.
    virtual void SetReplayGain(ReplayGain mode) = 0;
    // The part of the picture that fills the video window; nullopt shows it whole.
    virtual void SetSourceRect(const std::optional<SourceRect>& rect) = 0;

    // The open file's audio and subtitle tracks in the engine's order; empty when none is open.
    virtual std::vector<MediaTrack> Tracks() = 0;
    // Plays the track of that kind with this id; nullopt turns the kind off (subtitles).
    virtual void SelectTrack(TrackKind kind, std::optional<std::int64_t> id) = 0;
    // The open file's chapters in time order; empty when none is open.
    virtual const std::vector<MediaChapter>& Chapters() = 0;
    // The open file's tags, read once when it opened: no wait; empty when none is open.
    virtual MediaTags Tags() = 0;

    // Takes whatever the engine reported since the last call without waiting; true once
    // when the stream has played to its end.
    virtual bool TakeCompletion() = 0;
    // Whether the stream TakeCompletion last reported stopped on an error rather than at its end.
    virtual bool CompletedOnError() = 0;
};

}  // namespace felux
