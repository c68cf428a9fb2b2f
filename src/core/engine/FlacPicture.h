// The cover picture in a native FLAC file's PICTURE metadata blocks.
#pragma once

#include <optional>

#include "engine/ByteSource.h"
#include "engine/Id3v2Tag.h"

namespace felux {

// The front cover, else the first JPEG or PNG picture of the metadata blocks after "fLaC" (and
// after the ID3v2 tag some encoders put first). A block longer than kPictureBlockCap is passed
// over unread; nullopt when the source is no FLAC file.
std::optional<Id3v2Picture> ReadFlacPicture(const ByteSource& source);

}  // namespace felux
