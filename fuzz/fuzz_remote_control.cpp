// Fuzzes a remote's seeks and positions with any int64s, and its track ids, on a player on fakes.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "PlayerHarness.h"
#include "app/RemoteControl.h"

namespace {

__extension__ using Wide = __int128;  // room for any int64 sum

felux::test::PlayerHarness h;

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::int64_t Int64() {
        std::uint64_t bits = 0;
        const std::size_t n = std::min<std::size_t>(sizeof bits, size_);
        if (n > 0) std::memcpy(&bits, data_, n);
        data_ += n;
        size_ -= n;
        return static_cast<std::int64_t>(bits);
    }
    std::uint8_t Byte() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }
    std::string_view Rest() const { return {reinterpret_cast<const char*>(data_), size_}; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

felux::test::TestPlayer& StartedPlayer() {
    static felux::test::TestPlayer& p = []() -> felux::test::TestPlayer& {
        felux::test::TestPlayer& started = h.Start({h.AddMedia("a.mpg"), h.AddMedia("b.mpg")}, true);
        h.TickUntilStarted();
        return started;
    }();
    return p;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    felux::test::TestPlayer& p = StartedPlayer();
    Input in(data, size);
    const std::uint8_t flags = in.Byte();
    const std::int64_t duration = in.Int64();
    const std::int64_t position = in.Int64();
    const std::int64_t queued = in.Int64();
    const std::int64_t offset = in.Int64();
    const std::int64_t setTo = in.Int64();
    const std::string_view trackPath = in.Rest();

    // Only the exact form handed out is an entry, and it reads back the same.
    const std::optional<int> parsed = felux::TrackIndexFromObjectPath(trackPath);
    if (parsed && (*parsed < 0 || felux::TrackObjectPath(*parsed) != trackPath)) std::abort();

    using felux::MediaTime;
    // The last input's step and seek are taken back or carried out first.
    p.Command(felux::PlayerCommand::ClearForwardSearch);
    for (int tick = 0; tick < 20 && p.Pending().seekTo; ++tick) h.Tick();
    p.graph.duration = MediaTime(duration);
    h.engine.position = MediaTime(position);
    p.graph.RefreshPosition();
    if (flags & 1) p.Command(felux::SeekTo{MediaTime(queued)});
    felux::RemoteControl remote(p);
    const bool canSeek = remote.CanSeek();

    const std::optional<MediaTime> before = p.Pending().seekTo;
    // A seek counts from a place within the track, whatever the engine last reported.
    const Wide base = std::clamp<std::int64_t>(before.value_or(p.graph.LastPosition()).count(), 0,
                                               std::max<std::int64_t>(duration, 0));
    const Wide target = base + Wide{offset};
    remote.SeekBy(offset);
    if (!canSeek) {
        if (p.Pending().seekTo != before || p.Pending().fastForward != felux::SearchPhase::Idle) std::abort();
    } else if (target >= duration) {
        if (p.Pending().fastForward != felux::SearchPhase::StepEntry || p.Pending().seekTo != before) std::abort();
    } else if (p.Pending().seekTo != MediaTime(target < 0 ? 0 : static_cast<std::int64_t>(target))) {
        std::abort();
    }

    const int track = (flags & 2) && parsed ? *parsed : p.playlist.currentIndex;
    const std::optional<MediaTime> seekBefore = p.Pending().seekTo;
    remote.SetPosition(track, setTo);
    const bool taken = canSeek && track == p.playlist.currentIndex && setTo >= 0 && setTo <= duration;
    if (p.Pending().seekTo != (taken ? std::optional<MediaTime>(MediaTime(setTo)) : seekBefore)) std::abort();
    return 0;
}
