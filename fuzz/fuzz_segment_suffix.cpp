// Fuzzes the play-segment suffix of list entries.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "playlist/PlaySegmentSuffix.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view entry(reinterpret_cast<const char*>(data), size);
    (void)felux::ParseSegmentSuffix(entry);
    const std::string_view stripped = felux::StripSegmentSuffix(entry);
    if (stripped.size() > entry.size()) std::abort();
    (void)felux::HasSegmentSuffix(entry);
    // Times of any size, formatted and read back as a list entry would be.
    std::int64_t times[2] = {};
    if (size >= sizeof times) std::memcpy(times, data, sizeof times);
    (void)felux::ParseSegmentSuffix("/v/a.mpg" + felux::FormatSegmentSuffix(times[0], times[1]));
    return 0;
}
