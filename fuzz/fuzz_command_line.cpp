// Fuzzes the command line (NUL-separated arguments) and file:// decoding: no crash, decoded
// paths hold no NUL, and a path escaped byte by byte decodes back to itself.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandLineOptions.h"
#include "playlist/CommandLine.h"
#include "playlist/ListFile.h"
#include "playlist/StreamUrl.h"

namespace {

std::string Escaped(const std::string& path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '/') {
            url += c;
        } else {
            url += '%';
            url += kHex[byte >> 4];
            url += kHex[byte & 15];
        }
    }
    return url;
}

void CheckDecoded(const std::string& path) {
    if (path.find('\0') != std::string::npos || path.empty() || path.front() != '/') std::abort();
    if (felux::FileUrlToPath(Escaped(path)) != path) std::abort();
}

// Entries are played as given (a stream address, a decoded file URL or a plain name, which the
// player makes absolute): never with a NUL.
void CheckRunEntry(const std::string& entry) {
    if (entry.find('\0') != std::string::npos) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (const auto path = felux::FileUrlToPath(text)) CheckDecoded(*path);

    std::vector<std::string> args;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == '\0') {
            args.emplace_back(text.substr(start, i - start));
            start = i + 1;
        }
    const felux::CommandLineRequest request = felux::ParseCommandLine(args);
    using Action = felux::CommandLineRequest::Action;
    if ((request.action == Action::Error) != !request.error.empty()) std::abort();
    if (request.action == Action::Run && !request.path.empty()) {
        CheckRunEntry(request.path);
        for (const std::string& more : request.morePaths) CheckRunEntry(more);
    }
    const std::string joined = felux::CommandLinePath(request.plainArgs, "/work");
    if (!joined.empty() && joined.front() != '/' && !felux::IsStreamUrl(joined)) std::abort();
    felux::IsListPath(joined);
    return 0;
}
