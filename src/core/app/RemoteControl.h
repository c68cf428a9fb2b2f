// What a desktop remote (media keys, MPRIS clients) asks of the player, raised as the commands
// the keys and the panel raise; the next tick carries them out.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace felux {

class Player;

struct RemoteTrack {
    int index = 0;                  // the playlist entry
    std::string path;
    std::string title;              // the entry's own title, else the tag's, else the file name
    std::string artist;             // empty without a tag artist
    std::string album;              // empty without a tag album
    std::optional<int> trackNumber; // the tags' track number, 1 or more
    std::int64_t lengthMicros = 0;  // 0 when unknown
};

class RemoteControl {
public:
    enum class Status { Playing, Paused, Stopped };
    // Track repeats the current entry; it leaves the list's own repeat as it was.
    enum class Loop { None, Track, Playlist };

    explicit RemoteControl(Player& player) : player_(player) {}

    Status PlaybackStatus() const;
    std::optional<RemoteTrack> CurrentTrack() const;
    std::int64_t PositionMicros() const;
    double Volume() const;  // 0.0 .. 1.0, the panel's knob
    bool Repeat() const;
    Loop LoopStatus() const;
    double Rate() const;  // 1.0 = normal speed
    bool Shuffle() const;
    bool CanGoNext() const;
    bool CanGoPrevious() const;
    bool CanPlay() const;
    bool CanSeek() const;

    void Play();
    void Pause();
    void PlayPause();
    void Stop();
    void Next();
    void Previous();
    // Relative seek; past the end it acts as Next, before the start it seeks to 0. Any offset
    // is taken: the sums saturate rather than wrap.
    void SeekBy(std::int64_t offsetMicros);
    // Ignored outside 0 .. length or when track does not name the current entry.
    void SetPosition(int track, std::int64_t positionMicros);
    void SetVolume(double volume);
    void SetRepeat(bool on);
    void SetLoopStatus(Loop loop);
    // Clamped to kMinimumRate .. kMaximumRate; 0, a negative or a non-finite rate is refused
    // (false), and nothing changes.
    bool SetRate(double rate);
    static constexpr double kMinimumRate = 0.5;
    static constexpr double kMaximumRate = 2.0;
    void SetShuffle(bool on);
    void Quit();

private:
    bool Open() const;

    Player& player_;
};

// The object path a remote names an entry by, and the entry a path names: only the exact form
// this program hands out ("/org/felux/Track/12", no sign, no leading zero), else nullopt.
std::string TrackObjectPath(int index);
std::optional<int> TrackIndexFromObjectPath(std::string_view path);

}  // namespace felux
