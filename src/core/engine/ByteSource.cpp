// Reads at given offsets of a file or of bytes in memory.
#include "engine/ByteSource.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>

#include "io/TextFile.h"

namespace felux {
namespace {

// Closes the file when the last copy of its source goes.
struct OpenFile {
    int fd = -1;
    explicit OpenFile(int f) : fd(f) {}
    ~OpenFile() { ::close(fd); }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
};

}  // namespace

ByteSource MemorySource(std::string_view bytes) {
    return ByteSource{bytes.size(), [bytes](std::uint64_t at, std::size_t count) {
                          if (at >= bytes.size()) return std::string();
                          return std::string(bytes.substr(static_cast<std::size_t>(at), count));
                      }};
}

std::optional<ByteSource> FileSource(const std::filesystem::path& file) {
    const auto opened = io::OpenRegularFile(file);
    if (!opened) return std::nullopt;
    const auto shared = std::make_shared<OpenFile>(opened->first);
    const std::uintmax_t size = opened->second;
    return ByteSource{size, [shared, size](std::uint64_t at, std::size_t count) {
                          std::string out;
                          if (at >= size) return out;
                          out.resize(static_cast<std::size_t>(std::min<std::uint64_t>(count, size - at)));
                          std::size_t got = 0;
                          while (got < out.size()) {
                              const ssize_t n = ::pread(shared->fd, out.data() + got, out.size() - got,
                                                        static_cast<off_t>(at + got));
                              if (n < 0 && errno == EINTR) continue;
                              if (n <= 0) break;
                              got += static_cast<std::size_t>(n);
                          }
                          out.resize(got);
                          return out;
                      }};
}

std::uint64_t ReadBigEndian(std::string_view s, std::size_t at, std::size_t count) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value = value << 8 | static_cast<unsigned char>(s[at + i]);
    return value;
}

std::uint32_t ReadLittleEndian32(std::string_view s, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = value << 8 | static_cast<unsigned char>(s[at + i]);
    return value;
}

}  // namespace felux
