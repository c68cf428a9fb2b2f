// Reads at given offsets of a file or of bytes in memory, so the cover readers skip what they do not need.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace felux {

struct ByteSource {
    std::uint64_t size = 0;
    // Up to `count` bytes from `at`; fewer where the source ends or a read fails.
    std::function<std::string(std::uint64_t at, std::size_t count)> read;
};

// A source over `bytes`, which must outlive it.
ByteSource MemorySource(std::string_view bytes);

// A source over a regular file, open for as long as the source lives; nullopt for anything else.
std::optional<ByteSource> FileSource(const std::filesystem::path& file);

// The big-endian number in `count` (at most 8) bytes from `at`; `s` must hold them.
std::uint64_t ReadBigEndian(std::string_view s, std::size_t at, std::size_t count);
std::uint32_t ReadLittleEndian32(std::string_view s, std::size_t at);

}  // namespace felux
