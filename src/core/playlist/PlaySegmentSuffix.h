// Play segment suffixes "<<h:mm:ss:mmm-h:mm:ss:mmm>>" appended to entry paths.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace felux {

class Playlist;

// An entry carries a suffix when its text ends in exactly the form FormatSegmentSuffix writes,
// after a path of at least one character. The hours have one digit below 10 hours (27
// characters in all, as every list of short segments has always held) and up to 13 digits
// after, without leading zeros; any other digit stands for its place value.
bool HasSegmentSuffix(std::string_view entry);
std::string_view StripSegmentSuffix(std::string_view entry);
struct SegmentTimes {
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
};
std::optional<SegmentTimes> ParseSegmentSuffix(std::string_view entry);
// Times in milliseconds (negative counts as 0); every value reads back as written.
std::string FormatSegmentSuffix(std::int64_t startMs, std::int64_t endMs);
// Appends path (its own suffix dropped) with the A-B span; nothing unless both points are set.
void AppendSegmentEntry(Playlist& list, std::string_view path, std::optional<std::int64_t> aMs,
                        std::optional<std::int64_t> bMs);

}  // namespace felux
