// The picture structure of FLAC's PICTURE blocks (also base64 in Ogg comments), and image formats by their bytes.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "engine/Id3v2Tag.h"

namespace felux {

// A picture block is read only up to this length: the picture cap, and room for its MIME type
// and description.
inline constexpr std::size_t kPictureBlockCap = kId3v2PictureReadCap;
// The cover readers read at most this much of a file in all, whatever its pictures.
inline constexpr std::size_t kCoverReadBudget = 4 * kPictureBlockCap;

// JPEG or PNG by the bytes' opening.
std::optional<ImageFormat> ImageFormatOf(std::string_view data);

// JPEG or PNG by a MIME type, or a format's three letters; "image/jpg" is wrong but common.
std::optional<ImageFormat> ImageFormatNamed(std::string_view name);

// The picture in a block: a JPEG or PNG whose bytes open as its MIME type says (an empty type
// goes by the bytes), of at most kId3v2PictureCap bytes, that lies wholly within the block.
std::optional<Id3v2Picture> ParsePictureBlock(std::string_view block);

// Keeps the front cover, else the first picture; true once the front cover is kept.
bool KeepPicture(std::optional<Id3v2Picture>& chosen, std::optional<Id3v2Picture> found);

}  // namespace felux
