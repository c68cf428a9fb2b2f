// The local files a text/uri-list names (a drag and drop's list), decoded as the command line does.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace felux {

inline constexpr std::size_t kUriListMaxBytes = 16 * 1024 * 1024;
inline constexpr std::size_t kUriListMaxPaths = 100'000;

// One URI a line (CRLF or LF); '#' lines are comments. Each file:// URL is decoded by
// FileUrlToPath and keeps its bytes, whatever their encoding; other schemes and the URLs it
// refuses (another host, a NUL) are left out. Only the first kUriListMaxBytes are read, and
// a line they cut is left out whole; at most kUriListMaxPaths paths are given.
std::vector<std::string> UriListPaths(std::string_view list);

}  // namespace felux
