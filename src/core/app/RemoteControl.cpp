// What a desktop remote asks of the player, raised as the commands the keys and the panel raise.
#include "app/RemoteControl.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/Volume.h"
#include "player/PlaybackSpeed.h"
#include "player/Player.h"

namespace felux {
namespace {

constexpr std::string_view kTrackPrefix = "/org/felux/Track/";

// A remote may send any 64-bit number: far past either end is still past that end.
MediaTime SaturatingAdd(MediaTime a, MediaTime b) {
    if (b > MediaTime{} && a > MediaTime::max() - b) return MediaTime::max();
    if (b < MediaTime{} && a < MediaTime::min() - b) return MediaTime::min();
    return a + b;
}

// ID3v1 fields padded with spaces keep one on the panel; a desktop shows the bare text.
std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

bool RemoteControl::Open() const { return !player_.state.mediaClosed; }

RemoteControl::Status RemoteControl::PlaybackStatus() const {
    if (!Open()) return Status::Stopped;
    return player_.playback.Paused() ? Status::Paused : Status::Playing;
}

std::optional<RemoteTrack> RemoteControl::CurrentTrack() const {
    if (!Open()) return std::nullopt;
    RemoteTrack t;
    t.index = player_.playlist.currentIndex;
    t.path = player_.openFile.path;
    t.lengthMicros = std::max(MediaTime{}, player_.graph.duration).count();
    t.title = Trimmed(player_.openFile.trackTitle);
    if (t.title.empty()) t.title = player_.openFile.nameKey;
    t.artist = Trimmed(player_.openFile.tags.artist);
    t.album = Trimmed(player_.openFile.tags.album);
    t.trackNumber = player_.openFile.tags.track;
    return t;
}

std::int64_t RemoteControl::PositionMicros() const {
    return Open() ? std::max(MediaTime{}, player_.graph.LastPosition()).count() : 0;
}

double RemoteControl::Volume() const { return static_cast<double>(player_.volume.Level()) / kVolumeFull; }
bool RemoteControl::Repeat() const { return player_.settings.repeatList != 0; }
double RemoteControl::Rate() const { return RateFromPermille(player_.state.playbackRate); }

RemoteControl::Loop RemoteControl::LoopStatus() const {
    if (player_.state.repeatOne) return Loop::Track;
    return Repeat() ? Loop::Playlist : Loop::None;
}

bool RemoteControl::Shuffle() const { return player_.settings.shufflePlay != 0; }

bool RemoteControl::CanGoNext() const {
    const auto size = static_cast<int>(player_.playlist.Size());
    return size > 1 && (Repeat() || Shuffle() || player_.playlist.currentIndex + 1 < size);
}

bool RemoteControl::CanGoPrevious() const { return player_.playlist.Size() > 1; }
bool RemoteControl::CanPlay() const { return Open() || player_.playlist.Size() > 0; }
bool RemoteControl::CanSeek() const { return Open() && player_.graph.duration > MediaTime{}; }

void RemoteControl::Play() {
    if (Open() && !player_.playback.Paused()) return;
    player_.Command(PlayerCommand::Play);
}

void RemoteControl::Pause() {
    if (Open() && !player_.playback.Paused()) player_.Command(PlayerCommand::PauseToggle);
}

void RemoteControl::PlayPause() {
    player_.Command(Open() ? PlayerCommand::PauseToggle : PlayerCommand::Play);
}

void RemoteControl::Stop() {
    // Also gives up a file still being opened.
    if (Open() || player_.state.startState == StartState::Opening) player_.Command(PlayerCommand::Stop);
}

// A search held on the panel owns the flag until it is let go.
void RemoteControl::Next() {
    if (player_.state.requests.fastForward == SearchPhase::Idle) player_.Command(PlayerCommand::NextEntry);
}

void RemoteControl::Previous() {
    if (player_.state.requests.rewind == SearchPhase::Idle) player_.Command(PlayerCommand::PreviousEntry);
}

void RemoteControl::SeekBy(std::int64_t offsetMicros) {
    if (!CanSeek()) return;
    // From a base within the track a saturated sum still lands past the end it went beyond.
    const MediaTime base = std::clamp(player_.state.requests.seekTo.value_or(player_.graph.LastPosition()), MediaTime{},
                                      player_.graph.duration);
    const MediaTime target = SaturatingAdd(base, MediaTime(offsetMicros));
    if (target >= player_.graph.duration) {
        Next();
        return;
    }
    player_.state.requests.seekTo = std::max(MediaTime{}, target);
}

void RemoteControl::SetPosition(int track, std::int64_t positionMicros) {
    if (!CanSeek() || track != player_.playlist.currentIndex || positionMicros < 0) return;
    if (MediaTime(positionMicros) > player_.graph.duration) return;
    player_.state.requests.seekTo = MediaTime(positionMicros);
}

void RemoteControl::SetVolume(double volume) {
    if (!std::isfinite(volume)) return;
    const int level = static_cast<int>(std::lround(std::clamp(volume, 0.0, 1.0) * kVolumeFull));
    if (level == player_.volume.Level()) return;
    player_.volume.SetLevel(level);
    player_.Command(PlayerCommand::VolumeChanged);
}

void RemoteControl::SetRepeat(bool on) {
    if (on != Repeat()) player_.Command(PlayerCommand::RepeatToggle);
}

void RemoteControl::SetLoopStatus(Loop loop) {
    if ((loop == Loop::Track) != player_.state.repeatOne) player_.Command(PlayerCommand::RepeatOneToggle);
    if (loop != Loop::Track) SetRepeat(loop == Loop::Playlist);
}

bool RemoteControl::SetRate(double rate) {
    if (!std::isfinite(rate) || rate <= 0.0) return false;
    const double clamped = std::clamp(rate, kMinimumRate, kMaximumRate);
    ChooseSpeed(player_.state, player_.graph, player_.wheel.Step() != 0, static_cast<int>(std::lround(clamped * kPermille)));
    return true;
}

void RemoteControl::SetShuffle(bool on) {
    if (on != Shuffle()) player_.Command(PlayerCommand::ShuffleToggle);
}

void RemoteControl::Quit() { player_.Command(PlayerCommand::Quit); }

std::string TrackObjectPath(int index) { return std::string(kTrackPrefix) + std::to_string(index); }

std::optional<int> TrackIndexFromObjectPath(std::string_view path) {
    if (!path.starts_with(kTrackPrefix)) return std::nullopt;
    const std::string_view digits = path.substr(kTrackPrefix.size());
    // Nine digits always fit an int; no list comes near that length.
    if (digits.empty() || digits.size() > 9 || (digits.size() > 1 && digits[0] == '0')) return std::nullopt;
    int index = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        index = index * 10 + (c - '0');
    }
    return index;
}

}  // namespace felux
