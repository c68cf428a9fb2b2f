// Bounded whole-file reads, atomic replacement, and the UTF-8 / Shift-JIS text rule.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace felux::io {

// A regular file opened for reading (never waiting on a FIFO) and its length; nullopt for anything
// else. The caller closes the descriptor.
std::optional<std::pair<int, std::uintmax_t>> OpenRegularFile(const std::filesystem::path& path);

// Reads at most maxBytes from the start of a regular file; nullopt when it
// cannot be opened or is not a regular file (directories, FIFOs, devices).
std::optional<std::string> ReadFileBounded(const std::filesystem::path& path, std::size_t maxBytes);

// Replaces the file through a temporary in the same folder and a rename, so
// readers never see a half-written file. False when anything failed; the old
// file is then untouched.
// A symbolic link is followed: its target is replaced, the link stays, and a replaced file
// keeps its permissions.
bool WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes);

// The temporary a save writes first is named <file>.tmp<digits>.
inline constexpr const char* kTemporaryInfix = ".tmp";

// True when the name is a temporary WriteFileAtomic made for the file named `of`; one left
// behind by a killed save is never renamed into place and only takes space.
bool IsStaleTemporary(std::string_view name, std::string_view of);

// Removes the temporaries of killed saves of this file (of its target, for a link).
void RemoveStaleTemporaries(const std::filesystem::path& file);

// A text file's bytes without a UTF-8 byte order mark, not decoded. A file
// longer than maxBytes is cut after its last complete line within the bound,
// so no half line or half character is taken. nullopt: does not open.
std::optional<std::string> ReadRawTextBounded(const std::filesystem::path& path, std::size_t maxBytes);

// The same, with every line decoded on its own by ToUtf8, so one line in
// another encoding leaves the others as they are.
std::optional<std::string> ReadTextBounded(const std::filesystem::path& path, std::size_t maxBytes);

bool IsValidUtf8(std::string_view bytes);

// The byte structure of Shift-JIS (CP932): single bytes 00-7F and A1-DF, lead bytes 81-9F and
// E0-FC each followed by a trail byte 40-7E or 80-FC.
bool IsValidShiftJis(std::string_view bytes);

// Text read from files: taken as UTF-8 when valid, otherwise decoded as
// Shift-JIS (CP932); undecodable bytes become U+FFFD.
std::string ToUtf8(std::string_view bytes);

// Whether a file's lines lean to Shift-JIS: more of them can only be Shift-JIS than can only
// be UTF-8. A line that is valid both ways (half-width katakana pairs such as C3 BD) is read
// the way the rest of its file is.
bool LeansShiftJis(std::string_view text);

// Whether a line of a file is taken as UTF-8, byte for byte: when it is valid UTF-8, unless it
// holds non-ASCII bytes that are valid Shift-JIS too and its file leans that way.
bool ReadsAsUtf8(std::string_view line, bool fileLeansShiftJis);

// One line of a file: its bytes when it reads as UTF-8, else decoded as Shift-JIS.
std::string LineToUtf8(std::string_view line, bool fileLeansShiftJis);

// LineToUtf8 line by line, the file's leaning taken from the whole text; the line ends are kept.
std::string LinesToUtf8(std::string_view text);

// True when the bytes name something that exists; Linux names are bytes, so
// such a path read from a file is kept as it is rather than decoded.
bool NamesExistingFile(const std::string& path);

}  // namespace felux::io
