// The local files a text/uri-list names, decoded as the command line does.
#include "app/UriList.h"

#include <optional>

#include "app/CommandLineOptions.h"

namespace felux {
namespace {

// Blanks are escaped inside a URI, so those around it are only the sender's padding.
std::string_view Trimmed(std::string_view line) {
    constexpr std::string_view kBlanks = " \t\r";
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

std::vector<std::string> UriListPaths(std::string_view list) {
    const bool cut = list.size() > kUriListMaxBytes;
    if (cut) list = list.substr(0, kUriListMaxBytes);
    std::vector<std::string> paths;
    while (!list.empty() && paths.size() < kUriListMaxPaths) {
        const std::size_t end = list.find('\n');
        if (end == std::string_view::npos && cut) break;  // a cut URL could name another file
        const std::string_view line = Trimmed(list.substr(0, end));
        list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 1);
        // A raw NUL would end the name early in every file call: refused like an escaped one.
        if (line.empty() || line.front() == '#' || line.find('\0') != std::string_view::npos) continue;
        if (std::optional<std::string> path = FileUrlToPath(line)) paths.push_back(std::move(*path));
    }
    return paths;
}

}  // namespace felux
