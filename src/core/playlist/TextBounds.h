// Bounded reading of the playlist's text files, shared by the list and history readers.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace felux {

// The file as UTF-8 (Shift-JIS converted), without a UTF-8 byte order mark.
// A file longer than maxBytes is cut after its last complete line within the
// bound, so no half line or half character is taken. nullopt: does not open.
std::optional<std::string> ReadTextBounded(const std::filesystem::path& file, std::size_t maxBytes);

// The first maxLines lines; a line ends at CR LF, LF or CR, and an empty tail is no line.
std::vector<std::string_view> SplitLinesBounded(std::string_view text, std::size_t maxLines);

}  // namespace felux
