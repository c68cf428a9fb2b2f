// ID3v2 tags (versions 2.2 to 2.4) at the head of an MP3 file: how long they are, and their title, artist and album.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace felux {

// UTF-8; a text is empty when the tag does not carry it.
struct Id3v2Text {
    std::string title;
    std::string artist;
    std::string album;
};

inline constexpr std::size_t kId3v2HeaderSize = 10;
// At most this much of one tag is read: the texts come early, cover pictures make tags long.
inline constexpr std::size_t kId3v2ReadCap = std::size_t{1} << 20;
// A text longer than this is cut, between two characters.
inline constexpr std::size_t kId3v2TextCap = 1024;

// The whole length of the tag whose header opens `bytes` (header, body and footer); nullopt when
// `bytes` does not open with a valid version 2.2, 2.3 or 2.4 header.
std::optional<std::uint64_t> Id3v2TagSize(std::string_view bytes);

// The texts of the tag that opens `tag`. `tag` may be cut short of the tag's length (at a read
// cap, or where the file ends); a frame that does not lie wholly within it is not read.
Id3v2Text ParseId3v2(std::string_view tag);

}  // namespace felux
