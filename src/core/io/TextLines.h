// Cutting text into lines and reading integers the way the C library does, without overflow.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace felux::io {

// The first maxLines lines. Lines end at CR LF, LF or CR; a final line without
// an end counts, an empty tail does not.
std::vector<std::string_view> SplitLines(std::string_view text, std::size_t maxLines = SIZE_MAX);

// Names are bytes on Linux and may hold CR or LF; written as they are, one such name would
// read back as two lines and shift every record after it. A NUL names no file at all.
inline bool NotOneLine(std::string_view text) {
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

// Leading blanks, an optional sign, digits; saturates at the int range. nullopt: no digits.
std::optional<int> TryParseInt(std::string_view text);

// The same, with no digits giving 0.
inline int ParseInt(std::string_view text) { return TryParseInt(text).value_or(0); }

}  // namespace felux::io
