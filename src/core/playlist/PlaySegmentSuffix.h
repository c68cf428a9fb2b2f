// Play segment suffixes "<<h:mm:ss:mmm-h:mm:ss:mmm>>" appended to entry paths.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace felux {

class Playlist;

inline constexpr std::size_t kSegmentSuffixLength = 27;

// An entry carries a suffix when it ends in ">" and is longer than the suffix.
bool HasSegmentSuffix(std::string_view entry);
std::string_view StripSegmentSuffix(std::string_view entry);
struct SegmentTimes {
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
};
// The start and end of an entry's suffix; a character that is not a digit counts as 0.
std::optional<SegmentTimes> ParseSegmentSuffix(std::string_view entry);
// Times in milliseconds (negative counts as 0); hours of 10 or more give a
// longer text that HasSegmentSuffix does not recognise.
std::string FormatSegmentSuffix(std::int64_t startMs, std::int64_t endMs);
// Appends path (its own suffix dropped) with the A-B span; nothing unless both points are set.
void AppendSegmentEntry(Playlist& list, std::string_view path, std::optional<std::int64_t> aMs,
                        std::optional<std::int64_t> bMs);

}  // namespace felux
