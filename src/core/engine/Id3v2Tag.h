// ID3v2 tags (versions 2.2 to 2.4) at the head of an MP3 file: their length, title, artist, album and cover picture.
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

enum class ImageFormat { Jpeg, Png };

// A picture whose bytes open as its format says.
struct Id3v2Picture {
    ImageFormat format = ImageFormat::Jpeg;
    int type = 0;  // what it shows, kFrontCover for the front cover
    std::string data;
};

inline constexpr int kFrontCover = 3;
inline constexpr std::size_t kId3v2HeaderSize = 10;
// At most this much of one tag is read for the texts, on the tick: they come early, and cover
// pictures make tags long.
inline constexpr std::size_t kId3v2ReadCap = std::size_t{1} << 20;
// A larger picture is passed over, not cut. High-resolution cover scans stay below it; reading
// more, for a widget that shows a few hundred pixels, would only cost time and memory.
inline constexpr std::size_t kId3v2PictureCap = std::size_t{16} << 20;
// At most this much of the tags is read for a picture: the cap, and room for the frames before it.
inline constexpr std::size_t kId3v2PictureReadCap = kId3v2PictureCap + kId3v2ReadCap;
// A text longer than this is cut, between two characters.
inline constexpr std::size_t kId3v2TextCap = 1024;

// The whole length of the tag whose header opens `bytes` (header, body and footer); nullopt when
// `bytes` does not open with a valid version 2.2, 2.3 or 2.4 header.
std::optional<std::uint64_t> Id3v2TagSize(std::string_view bytes);

// The texts of the tag that opens `tag`. `tag` may be cut short of the tag's length (at a read
// cap, or where the file ends); a frame that does not lie wholly within it is not read.
Id3v2Text ParseId3v2(std::string_view tag);

// The tag's front cover, else its first picture; only JPEG and PNG pictures (APIC, PIC in version
// 2.2) whose bytes open as the frame's type says, up to kId3v2PictureCap. `tag` may be cut short
// as for ParseId3v2.
std::optional<Id3v2Picture> ParseId3v2Picture(std::string_view tag);

}  // namespace felux
