// Word tags inside a timed line: "[mm:ss:cc]" marks where the fill reaches at that time.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace felux {

inline constexpr std::size_t kMaxWordTags = 100;

struct WordTag {
    std::int64_t ms = 0;
    std::size_t bytes = 0;  // visible bytes before the tag
};

struct WordTaggedText {
    std::string visible;  // the text without its tags
    std::vector<WordTag> tags;
};

// A "[" followed by two digits opens a tag: digits fill a field, ":" starts the
// next, other characters are skipped, "]" closes it. One field is milliseconds,
// two minutes and seconds, three add hundredths; more read as 0. Tags past
// kMaxWordTags are dropped, and a tag never closed stays visible text.
WordTaggedText SplitWordTags(std::string_view text);

// How far the fill has run through a line's words. The times are the line's start, its word
// tags and its end, count >= 2, read through timeAt(k); segment k runs from time k to time k + 1.
// `segment` is kept between frames: a frame after the last steps only as far as playback moved,
// and times out of order never send it past the last segment. Returns the per cent of `segment`
// filled: 0 before its time, 100 once a segment of no length is reached.
template <class TimeAt>
int TrackWord(std::size_t count, TimeAt timeAt, std::size_t& segment, std::int64_t positionMs) {
    const std::size_t last = count - 2;
    segment = std::min(segment, last);
    while (segment > 0 && positionMs < timeAt(segment)) --segment;
    while (segment < last && positionMs >= timeAt(segment + 1)) ++segment;
    const std::int64_t from = timeAt(segment);
    const std::int64_t to = timeAt(segment + 1);
    if (to > from) return static_cast<int>(std::clamp<std::int64_t>((positionMs - from) * 100 / (to - from), 0, 100));
    return positionMs >= to ? 100 : 0;
}

}  // namespace felux
