// Play segment suffixes on entry paths.
#include "playlist/PlaySegmentSuffix.h"

#include <algorithm>
#include <iterator>

#include "playlist/Playlist.h"

namespace felux {

namespace {

// h:mm:ss:mmm, each field cut digit by digit from the milliseconds.
std::string FormatTime(std::int64_t t) {
    t = std::max<std::int64_t>(t, 0);
    std::string text = std::to_string(t / 3600000);
    const auto digit = [](std::int64_t d) { return static_cast<char>('0' + d); };
    text += ':';
    text += digit(t % 3600000 / 600000);
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

}  // namespace

bool HasSegmentSuffix(std::string_view entry) {
    return entry.size() > kSegmentSuffixLength && entry.back() == '>';
}

std::string_view StripSegmentSuffix(std::string_view entry) {
    return HasSegmentSuffix(entry) ? entry.substr(0, entry.size() - kSegmentSuffixLength) : entry;
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

namespace felux {
namespace {

// "h:mm:ss:mmm" at text[0..10], each digit by its place value.
std::int64_t SuffixTimeMs(std::string_view text) {
    static constexpr std::int64_t kPlaces[] = {3600000, 0, 600000, 60000, 0, 10000, 1000, 0, 100, 10, 1};
    std::int64_t ms = 0;
    for (std::size_t i = 0; i < std::size(kPlaces); ++i) {
        const char c = text[i];
        if (kPlaces[i] != 0 && c >= '0' && c <= '9') ms += (c - '0') * kPlaces[i];
    }
    return ms;
}

}  // namespace

std::optional<SegmentTimes> ParseSegmentSuffix(std::string_view entry) {
    if (!HasSegmentSuffix(entry)) return std::nullopt;
    const std::string_view suffix = entry.substr(entry.size() - kSegmentSuffixLength);
    return SegmentTimes{SuffixTimeMs(suffix.substr(2, 11)), SuffixTimeMs(suffix.substr(14, 11))};
}

}  // namespace felux
