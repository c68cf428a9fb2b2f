// Fuzzes a drop's uri list: every path it gives is a whole, NUL-free name within the bounds.
#include <cstdlib>

#include "app/UriList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> paths = felux::UriListPaths(list);
    if (paths.size() > felux::kUriListMaxPaths) std::abort();
    std::size_t bytes = 0;
    for (const std::string& path : paths) {
        // A path decodes from a URL no shorter than itself, and every URL is on a line of its own.
        if (path.empty() || path.front() != '/' || path.find('\0') != std::string::npos) std::abort();
        bytes += path.size() + 1;
    }
    if (bytes > list.size()) std::abort();
    return 0;
}
