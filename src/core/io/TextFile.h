// Bounded whole-file reads, atomic replacement, and the UTF-8 / Shift-JIS text rule.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace felux::io {

// Reads at most maxBytes from the start of a regular file; nullopt when it
// cannot be opened or is not a regular file (directories, FIFOs, devices).
std::optional<std::string> ReadFileBounded(const std::filesystem::path& path, std::size_t maxBytes);

// Replaces the file through a temporary in the same folder and a rename, so
// readers never see a half-written file. False when anything failed; the old
// file is then untouched.
bool WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// A text file as UTF-8 (Shift-JIS converted), without a UTF-8 byte order mark.
// A file longer than maxBytes is cut after its last complete line within the
// bound, so no half line or half character is taken. nullopt: does not open.
std::optional<std::string> ReadTextBounded(const std::filesystem::path& path, std::size_t maxBytes);

bool IsValidUtf8(std::string_view bytes);

// Text read from files: taken as UTF-8 when valid, otherwise decoded as
// Shift-JIS (CP932); undecodable bytes become U+FFFD.
std::string ToUtf8(std::string_view bytes);

}  // namespace felux::io
