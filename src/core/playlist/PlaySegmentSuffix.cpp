// Play segment suffixes on entry paths.
#include "playlist/PlaySegmentSuffix.h"

#include <algorithm>
#include <iterator>
#include <limits>

#include "playlist/Playlist.h"

namespace felux {

namespace {

constexpr std::int64_t kHourMs = 3600000;
// The largest millisecond count has 13 hour digits: a longer run is no time of ours.
constexpr std::size_t kMaxHourDigits = 13;
// ":mm:ss:mmm" after the hours: each digit's place value, 0 where a ':' belongs.
constexpr std::int64_t kPlaces[] = {0, 600000, 60000, 0, 10000, 1000, 0, 100, 10, 1};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// h:mm:ss:mmm, each field cut digit by digit from the milliseconds.
std::string FormatTime(std::int64_t t) {
    t = std::max<std::int64_t>(t, 0);
    std::string text = std::to_string(t / kHourMs);
    const auto digit = [](std::int64_t d) { return static_cast<char>('0' + d); };
    text += ':';
    text += digit(t % kHourMs / 600000);
    text += digit(t % 600000 / 60000);
    text += ':';
    text += digit(t % 60000 / 10000);
    text += digit(t % 10000 / 1000);
    text += ':';
    text += digit(t % 1000 / 100);
    text += digit(t % 100 / 10);
    text += digit(t % 10);
    return text;
}

struct TimeRead {
    std::size_t begin = 0;  // index of the first hour digit
    std::int64_t ms = 0;
};

// The time that ends just before `end`, read from its end backwards.
std::optional<TimeRead> TimeBefore(std::string_view text, std::size_t end) {
    if (end <= std::size(kPlaces)) return std::nullopt;
    const std::size_t pos = end - std::size(kPlaces);
    std::int64_t ms = 0;
    for (std::size_t i = 0; i < std::size(kPlaces); ++i) {
        const char c = text[pos + i];
        if (kPlaces[i] == 0) {
            if (c != ':') return std::nullopt;
        } else {
            if (!IsDigit(c)) return std::nullopt;
            ms += (c - '0') * kPlaces[i];
        }
    }
    std::size_t digits = 0;
    while (digits <= kMaxHourDigits && digits < pos && IsDigit(text[pos - 1 - digits])) ++digits;
    const std::size_t begin = pos - digits;
    if (digits == 0 || digits > kMaxHourDigits || (digits > 1 && text[begin] == '0')) return std::nullopt;
    std::int64_t hours = 0;
    for (std::size_t i = begin; i < pos; ++i) hours = hours * 10 + (text[i] - '0');
    if (hours > (std::numeric_limits<std::int64_t>::max() - ms) / kHourMs) return std::nullopt;
    return TimeRead{begin, hours * kHourMs + ms};
}

struct SuffixRead {
    std::size_t pathLength = 0;
    SegmentTimes times;
};

std::optional<SuffixRead> ReadSuffix(std::string_view entry) {
    if (!entry.ends_with(">>")) return std::nullopt;
    const auto end = TimeBefore(entry, entry.size() - 2);
    if (!end || end->begin == 0 || entry[end->begin - 1] != '-') return std::nullopt;
    const auto start = TimeBefore(entry, end->begin - 1);
    // At least one character of path before the "<<".
    if (!start || start->begin < 3 || entry.substr(start->begin - 2, 2) != "<<") return std::nullopt;
    return SuffixRead{start->begin - 2, {start->ms, end->ms}};
}

}  // namespace

bool HasSegmentSuffix(std::string_view entry) { return ReadSuffix(entry).has_value(); }

std::string_view StripSegmentSuffix(std::string_view entry) {
    const auto read = ReadSuffix(entry);
    return read ? entry.substr(0, read->pathLength) : entry;
}

std::optional<SegmentTimes> ParseSegmentSuffix(std::string_view entry) {
    const auto read = ReadSuffix(entry);
    if (!read) return std::nullopt;
    return read->times;
}

std::string FormatSegmentSuffix(std::int64_t startMs, std::int64_t endMs) {
    return "<<" + FormatTime(startMs) + "-" + FormatTime(endMs) + ">>";
}

void AppendSegmentEntry(Playlist& list, std::string_view path, std::optional<std::int64_t> aMs,
                        std::optional<std::int64_t> bMs) {
    if (!aMs || !bMs) return;
    list.AppendPath(std::string(StripSegmentSuffix(path)) + FormatSegmentSuffix(*aMs, *bMs));
}

}  // namespace felux
