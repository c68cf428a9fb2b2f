// Reading and writing list files and the current list.
#include "playlist/ListFile.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "io/TextFile.h"
#include "io/TextLines.h"
#include "playlist/StreamUrl.h"

namespace felux {

namespace {

constexpr std::size_t kMaxListBytes = std::size_t{64} << 20;
constexpr std::size_t kMaxListLines = 1'000'000;

std::string WithSlashes(std::string_view line) {
    std::string path(line);
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

// The list's folder with its trailing "/", from an absolute form of its path.
std::string ListFolder(const std::filesystem::path& listFile) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(listFile, error);
    if (error) absolute = listFile;
    std::string folder = absolute.parent_path().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

bool IsM3u(const std::filesystem::path& listFile) {
    std::string extension = listFile.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; });
    return extension == ".m3u" || extension == ".m3u8";
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "file:///a%20b.mp3", as other players write m3u entries, as a plain path;
// nullopt for anything else. A malformed escape is kept as written.
std::optional<std::string> FileUriPath(std::string_view line) {
    if (!line.starts_with("file://")) return std::nullopt;
    line.remove_prefix(7);
    if (line.starts_with("localhost/")) line.remove_prefix(9);
    if (!line.starts_with('/')) return std::nullopt;
    std::string path;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const int high = line[i] == '%' && i + 2 < line.size() ? HexValue(line[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(line[i + 2]) : -1;
        if (low >= 0) {
            path += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            path += line[i];
        }
    }
    return path;
}

// The entry a list line names. A line that is not read as UTF-8 is decoded, unless its bytes
// as they stand already name an existing file: such names stay byte for byte.
std::string EntryPath(std::string_view line, const std::string& folder, bool m3u, bool shiftJis) {
    const auto build = [&](std::string_view text) {
        if (IsStreamUrl(text)) return std::string(text);
        if (std::optional<std::string> path = m3u ? FileUriPath(text) : std::nullopt) return std::move(*path);
        // Windows drive paths stay as written: entries that will not open.
        if (text.front() == '/' || (text.size() >= 3 && text[1] == ':' && text[2] == '\\')) return std::string(text);
        if (text.front() == '\\') return WithSlashes(text);
        return folder + WithSlashes(text);
    };
    std::string raw = build(line);
    if (io::ReadsAsUtf8(line, shiftJis) || io::NamesExistingFile(raw)) return raw;
    return build(io::LineToUtf8(line, shiftJis));
}

// A line names an entry when it holds a "." or is an absolute path that is no folder: the current
// list is written with every entry, also a file whose name has no extension. m3u comments would
// otherwise be entries whenever they hold a ".".
bool NamesEntry(std::string_view line, bool m3u) {
    if (line.empty() || line.front() == '*' || (m3u && line.front() == '#')) return false;
    // Streams are entries; addresses of other kinds do not play and are left out (an m3u's
    // file:// address names a file).
    const EntryKind kind = KindOfEntry(line);
    if (kind == EntryKind::StreamUrl) return true;
    if (kind == EntryKind::OtherUrl && !(m3u && FileUriPath(line))) return false;
    if (line.find('.') != std::string_view::npos) return true;
    std::error_code error;
    return line.front() == '/' && !std::filesystem::is_directory(std::string(line), error);
}

}  // namespace

bool IsListPath(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext == ".m3u" || ext == ".tob";
}

bool LoadListFile(Playlist& list, const std::filesystem::path& listFile) {
    const std::optional<std::string> text = io::ReadRawTextBounded(listFile, kMaxListBytes);
    if (!text) return false;
    const std::string folder = ListFolder(listFile);
    bool taken = false;
    const bool m3u = IsM3u(listFile);
    const bool shiftJis = io::LeansShiftJis(*text);
    for (const std::string_view line : io::SplitLines(*text, kMaxListLines)) {
        // A NUL names no file; cut there, the name would open another one.
        if (io::NotOneLine(line)) continue;
        const bool title = !line.empty() && line.front() == '*';
        if (!title && !NamesEntry(line, m3u)) continue;
        if (title) {
            if (list.Size() == 0) continue;
            list.SetTitleAt(list.Size() - 1, io::LineToUtf8(line, shiftJis));
        } else {
            list.AppendPath(EntryPath(line, folder, m3u, shiftJis));
        }
        taken = true;
    }
    return taken;
}

bool WriteCurrentList(const Playlist& list, const std::filesystem::path& file) {
    // A list the user emptied (its current entry went with it) stays empty; one found empty, its
    // file unreadable or its files removed as missing, leaves the file as it is.
    if (list.Size() == 0 && !list.currentRemoved) return true;
    std::string bytes;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        // An entry whose name cannot be one line is left out rather than split into two.
        if (io::NotOneLine(list.PathAt(i))) continue;
        bytes += list.PathAt(i);
        bytes += "\r\n";
        if (list.TitleAt(i).size() > 2) {
            std::string title = list.TitleAt(i);
            std::replace_if(title.begin(), title.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
            bytes += title;
            bytes += "\r\n";
        }
    }
    return io::WriteFileAtomic(file, bytes);
}

bool SaveListFile(const Playlist& list, const std::filesystem::path& file, int listPathMode) {
    // Paths have no drive here, so mode 1 writes them as stored, like mode 0.
    const std::string folder = listPathMode == 2 ? ListFolder(file) : std::string();
    const bool m3u = IsM3u(file);
    std::string bytes;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        std::string_view path = list.PathAt(i);
        if (io::NotOneLine(path)) continue;
        if (!folder.empty() && path.starts_with(folder)) {
            // Relative only where it reads back as this entry: a name without "." would be
            // skipped, one beginning with "*" taken for a title.
            const std::string_view rest = path.substr(folder.size());
            if (NamesEntry(rest, m3u) && EntryPath(rest, folder, m3u, false) == path) path = rest;
        }
        bytes += path;
        bytes += "\r\n";
    }
    // A save killed half-way left its temporary beside the user's list; this one cleans up.
    io::RemoveStaleTemporaries(file);
    return io::WriteFileAtomic(file, bytes);
}

}  // namespace felux
