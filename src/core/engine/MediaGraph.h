// The one media graph of the player: create, render, run, stop, probe, seek and poll one file at a time.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/MediaEngine.h"

namespace felux {

// Where failure texts go; the program writes them to standard error.
using FailureReporter = std::function<void(const std::string&)>;

// Set only by RunGraph and StopGraph: a paused file stays Running.
enum class RunState { Stopped, Running };

class MediaGraph {
public:
    MediaGraph(MediaEngine& engine, FailureReporter report);

    // On failure the text is reported and the graph released.
    MediaResult CreateGraph();
    // Stops and releases; harmless when nothing is created.
    MediaResult ReleaseGraph();
    // The next file's graph in place of the last one's, which is stopped but not released: the
    // engine replaces the file itself, keeping its outputs from one file to the next.
    MediaResult RecreateGraph();
    // The open file's likely successor, for the engine to follow on without a gap; nullopt
    // forgets it, another path replaces it. Told again the same, nothing happens.
    void PrepareNext(const std::optional<std::string>& path);
    // Starts rendering the path, and the companion audio when there is one; PollRender follows it.
    // Fails at once without a graph.
    MediaResult BeginRender(const std::string& path, const std::optional<std::string>& companion);
    // Without waiting: Pending while the render goes on, then how it ended, once; the file is the
    // graph's when Ready. Failed when no render is under way.
    OpenStatus PollRender();
    MediaResult RunGraph();
    MediaResult StopGraph();
    // Rate back to normal, then duration, frame time and native size of the rendered file.
    void ProbeMedia(int screenW, int screenH);
    // True when a forward seek would reach the end: nothing moves then.
    bool SeekPosition(SeekMode mode, MediaTime amount);
    // A search jump forward or backward: one that reaches the end ends the stream, as playing does.
    void Search(SeekMode direction, MediaTime amount);
    // True when the stream has played, or been searched, to its end.
    bool PollGraphEvent();

    // Direct calls of other subsystems; each does nothing without a graph.
    void Pause();
    void Run();
    void SetRate(double rate);
    void SetVolume(double volume);
    void SetSourceRect(const std::optional<SourceRect>& rect);
    // Kept by the engine for every file, with or without a graph.
    void SetHardwareDecoding(bool on) { engine_.SetHardwareDecoding(on); }
    void SetReplayGain(ReplayGain mode) { engine_.SetReplayGain(mode); }
    // The engine's position now; 0 without a rendered file.
    MediaTime GetPosition();
    // Reads the position once a tick, for everything that tick to see the same moment.
    void RefreshPosition() { lastPosition_ = GetPosition(); }
    void ForgetPosition() { lastPosition_ = MediaTime{}; }
    MediaTime LastPosition() const { return lastPosition_; }
    // The rendered file's tracks and chapters; empty without one.
    std::vector<MediaTrack> Tracks();
    void SelectTrack(TrackKind kind, std::optional<std::int64_t> id);
    const std::vector<MediaChapter>& Chapters();
    // The rendered file's tags as the engine read them; empty without one.
    MediaTags Tags();

    bool Created() const { return created_; }

    RunState runState = RunState::Stopped;
    bool audioOnly = false;
    MediaTime duration{};
    MediaTime timePerFrame{};  // 0 when the frame count is unknown
    int sourceWidth = 0;
    int sourceHeight = 0;
    bool endedOnError = false;  // the end PollGraphEvent last reported was an error, not the stream's end
    int screenWidth = 0;
    int screenHeight = 0;

private:
    void Report(const std::string& text);

    MediaEngine& engine_;
    MediaTime lastPosition_{};
    FailureReporter report_;
    bool created_ = false;
    std::optional<std::string> prepared_;  // until the next open, or until forgotten or replaced
    bool rendering_ = false;
    bool rendered_ = false;
    bool searchedToEnd_ = false;
    const std::vector<MediaChapter> noChapters_;
};

}  // namespace felux
