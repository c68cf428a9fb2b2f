// Entries that name a network stream rather than a file: which addresses the player plays.
#pragma once

#include <string_view>

namespace felux {

enum class EntryKind {
    Path,          // a file name, absolute or relative
    StreamUrl,     // http:// or https://: handed to the engine as written, never looked for on disk
    OtherUrl,      // any other "scheme://" (ftp, rtsp, file, ...): not played as a stream
};

// The scheme is letters, digits, '+', '-' and '.' after a letter, in any case, and at least two
// characters long, so a drive letter ("C:\", "C://") stays a path.
EntryKind KindOfEntry(std::string_view entry);

inline bool IsStreamUrl(std::string_view entry) { return KindOfEntry(entry) == EntryKind::StreamUrl; }

// "ftp" for "ftp://host/a"; empty when the entry is no URL.
std::string_view UrlScheme(std::string_view entry);

}  // namespace felux
