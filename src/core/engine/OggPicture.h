// The cover picture in an Ogg Vorbis, Opus or FLAC stream's comments (METADATA_BLOCK_PICTURE).
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/ByteSource.h"
#include "engine/Id3v2Tag.h"
#include "engine/PictureBlock.h"

namespace felux {

// The comment header is gathered up to this length: a picture at the cap in base64, and room for
// the texts.
inline constexpr std::size_t kOggCommentCap = kPictureBlockCap / 3 * 4 + 4;

// The bytes of base64 text (standard alphabet, padded or not); nullopt for anything else.
std::optional<std::string> DecodeBase64(std::string_view text);

// The front cover, else the first JPEG or PNG picture of the comment header (the second packet of
// the first stream, gathered from its pages up to kOggCommentCap; a packet cut there is read as
// far as it goes). nullopt when the source is no Ogg stream.
std::optional<Id3v2Picture> ReadOggPicture(const ByteSource& source);

// The same, from a comment header already gathered: "OpusTags", "\x03vorbis" or a FLAC
// VORBIS_COMMENT block header, then the comments.
std::optional<Id3v2Picture> ParseOggComments(std::string_view packet);

}  // namespace felux
