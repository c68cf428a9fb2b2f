// Bounded whole-file reads, atomic replacement, and the UTF-8 / Shift-JIS text rule.
#include "io/TextFile.h"

#include <fcntl.h>
#include <iconv.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <random>
#include <vector>

namespace felux::io {

std::optional<std::pair<int, std::uintmax_t>> OpenRegularFile(const std::filesystem::path& path) {
    // O_NONBLOCK so that opening a FIFO never waits for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return std::pair{fd, static_cast<std::uintmax_t>(st.st_size)};
}

std::optional<std::string> ReadFileBounded(const std::filesystem::path& path, std::size_t maxBytes) {
    const auto opened = OpenRegularFile(path);
    if (!opened) return std::nullopt;
    const int fd = opened->first;
    std::string data;
    data.resize(static_cast<std::size_t>(std::min<std::uintmax_t>(maxBytes, opened->second)));
    std::size_t got = 0;
    while (got < data.size()) {
        const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    data.resize(got);
    return data;
}

namespace {

// The file a chain of symbolic links ends at, so that a save replaces the target and the link
// stays; the path itself when it is no link. nullopt for a loop of links.
std::optional<std::filesystem::path> FinalTarget(const std::filesystem::path& path) {
    constexpr int kMaxHops = 40;
    std::filesystem::path target = path;
    for (int hop = 0; hop < kMaxHops; ++hop) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(target, ec))) return target;
        const std::filesystem::path next = std::filesystem::read_symlink(target, ec);
        if (ec) return target;
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return std::nullopt;
}

}  // namespace

bool WriteFileAtomic(const std::filesystem::path& path, std::string_view bytes) {
    const std::optional<std::filesystem::path> linked = FinalTarget(path);
    if (!linked) return false;
    const std::filesystem::path& target = *linked;
    // A replaced file keeps its permissions; a new one gets the usual 0644 less the umask.
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    // A fresh name each time: a file or link already there under the name, left by a killed save
    // or put there by someone else, is never written through.
    std::random_device rd;
    std::filesystem::path tmp;
    int fd = -1;
    constexpr int kNameTries = 8;
    for (int attempt = 0; attempt < kNameTries && fd < 0; ++attempt) {
        tmp = target.parent_path() / (target.filename().string() + kTemporaryInfix + std::to_string(rd() % 1000000));
        fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, replacing ? 0600 : 0644);
        if (fd < 0 && errno != EEXIST) return false;
    }
    if (fd < 0) return false;
    bool ok = !replacing || ::fchmod(fd, old.st_mode & 07777) == 0;
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    if (ok && ::fsync(fd) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    if (ok && std::rename(tmp.c_str(), target.c_str()) != 0) ok = false;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

bool IsStaleTemporary(std::string_view name, std::string_view of) {
    if (!name.starts_with(of)) return false;
    name.remove_prefix(of.size());
    if (!name.starts_with(kTemporaryInfix)) return false;
    name.remove_prefix(std::string_view(kTemporaryInfix).size());
    constexpr std::size_t kMaxDigits = 6;
    return !name.empty() && name.size() <= kMaxDigits &&
           name.find_first_not_of("0123456789") == std::string_view::npos;
}

void RemoveStaleTemporaries(const std::filesystem::path& file) {
    const std::optional<std::filesystem::path> target = FinalTarget(file);
    if (!target) return;
    const std::filesystem::path folder = target->parent_path().empty() ? "." : target->parent_path();
    const std::string name = target->filename().string();
    std::error_code ec;
    std::vector<std::filesystem::path> stale;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (IsStaleTemporary(it->path().filename().string(), name) && it->is_regular_file(ec))
            stale.push_back(it->path());
    for (const std::filesystem::path& path : stale) std::filesystem::remove(path, ec);
}

std::optional<std::string> ReadRawTextBounded(const std::filesystem::path& file, std::size_t maxBytes) {
    std::optional<std::string> bytes = ReadFileBounded(file, maxBytes + 1);
    if (!bytes) return std::nullopt;
    if (bytes->size() > maxBytes) {
        const std::size_t lastEnd = bytes->find_last_of("\r\n", maxBytes - 1);
        bytes->resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
    }
    if (std::string_view(*bytes).starts_with("\xEF\xBB\xBF")) bytes->erase(0, 3);
    return bytes;
}

std::optional<std::string> ReadTextBounded(const std::filesystem::path& file, std::size_t maxBytes) {
    std::optional<std::string> bytes = ReadRawTextBounded(file, maxBytes);
    if (!bytes) return std::nullopt;
    return LinesToUtf8(*bytes);
}

namespace {

// Calls f(line, ends) for every line of text: the line without its end, then the CR and LF
// bytes after it (blank lines included).
template <typename F>
void ForEachLine(std::string_view text, F&& f) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::size_t next = text.find_first_not_of("\r\n", end);
        const std::size_t stop = next == std::string_view::npos ? text.size() : next;
        f(text.substr(start, end - start), text.substr(end, stop - end));
        start = stop;
    }
}

// Decodes CP932; undecodable bytes become U+FFFD.
std::string FromShiftJis(std::string_view bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(bytes);
    std::string out;
    out.resize(bytes.size() * 3 + 8);
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) break;  // cannot happen: 3 bytes out per byte in is enough
        // Invalid or truncated sequence: emit U+FFFD and skip one byte.
        if (outLeft < 3) break;
        *outPtr++ = '\xEF';
        *outPtr++ = '\xBF';
        *outPtr++ = '\xBD';
        outLeft -= 3;
        ++in;
        --inLeft;
    }
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

}  // namespace

bool LeansShiftJis(std::string_view text) {
    std::size_t onlyShiftJis = 0;
    std::size_t onlyUtf8 = 0;
    ForEachLine(text, [&](std::string_view line, std::string_view) {
        const bool utf8 = IsValidUtf8(line);
        if (utf8 == IsValidShiftJis(line)) return;
        ++(utf8 ? onlyUtf8 : onlyShiftJis);
    });
    return onlyShiftJis > onlyUtf8;
}

bool ReadsAsUtf8(std::string_view line, bool fileLeansShiftJis) {
    if (!IsValidUtf8(line)) return false;
    const bool ascii = std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii || !fileLeansShiftJis || !IsValidShiftJis(line);
}

std::string LineToUtf8(std::string_view line, bool fileLeansShiftJis) {
    return ReadsAsUtf8(line, fileLeansShiftJis) ? std::string(line) : FromShiftJis(line);
}

std::string LinesToUtf8(std::string_view text) {
    const bool shiftJis = LeansShiftJis(text);
    std::string out;
    out.reserve(text.size());
    ForEachLine(text, [&](std::string_view line, std::string_view ends) {
        out += LineToUtf8(line, shiftJis);
        out += ends;
    });
    return out;
}

bool NamesExistingFile(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0;
}

bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t len = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            len = 2;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            len = 3;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > s.size()) return false;
        for (std::size_t k = 1; k < len; ++k) {
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
            (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
            return false;
        i += len;
    }
    return true;
}

bool IsValidShiftJis(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80 || (c >= 0xA1 && c <= 0xDF)) continue;
        if (!((c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC)) || i + 1 >= s.size()) return false;
        const auto trail = static_cast<unsigned char>(s[++i]);
        if (trail < 0x40 || trail == 0x7F || trail > 0xFC) return false;
    }
    return true;
}

std::string ToUtf8(std::string_view bytes) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return FromShiftJis(bytes);
}

}  // namespace felux::io
