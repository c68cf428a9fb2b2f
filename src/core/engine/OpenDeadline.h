// The bounds of one open: the file loads within 5 s of the open's start, and once it has loaded its
// first frame has a second more; checked against the clock on each poll, never waited for.
#pragma once

#include <algorithm>
#include <chrono>

namespace felux {

class OpenDeadline {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    static constexpr std::chrono::milliseconds kLoadBound{5000};
    static constexpr std::chrono::milliseconds kFirstFrameBound{1000};

    OpenDeadline() = default;
    // loaded: the file had loaded before the open began (one loaded ahead of it).
    OpenDeadline(TimePoint start, bool loaded) : end_(start + (loaded ? kFirstFrameBound : kLoadBound)) {}

    // The file has loaded: the wait for its frame never outlasts the open's own bound.
    void Loaded(TimePoint now) { end_ = std::min(end_, now + kFirstFrameBound); }
    bool Passed(TimePoint now) const { return now >= end_; }

private:
    TimePoint end_{};
};

}  // namespace felux
