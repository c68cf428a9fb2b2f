// Fuzzes the play-segment suffix of list entries.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "playlist/PlaySegmentSuffix.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view entry(reinterpret_cast<const char*>(data), size);
    const auto parsed = felux::ParseSegmentSuffix(entry);
    const std::string_view stripped = felux::StripSegmentSuffix(entry);
    if (stripped.size() > entry.size()) std::abort();
    if (felux::HasSegmentSuffix(entry) != parsed.has_value() || (parsed && stripped.empty())) std::abort();
    // Times of any size, formatted and read back as a list entry would be: exactly as written.
    std::int64_t times[2] = {};
    if (size >= sizeof times) std::memcpy(times, data, sizeof times);
    const auto back = felux::ParseSegmentSuffix("/v/a.mpg" + felux::FormatSegmentSuffix(times[0], times[1]));
    const auto written = [](std::int64_t t) { return std::max<std::int64_t>(t, 0); };
    if (!back || back->startMs != written(times[0]) || back->endMs != written(times[1])) std::abort();
    return 0;
}
