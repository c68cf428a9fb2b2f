// The cover picture of an MP4 / M4A file: the moov/udta/meta/ilst/covr atom.
#pragma once

#include <optional>

#include "engine/ByteSource.h"
#include "engine/Id3v2Tag.h"

namespace felux {

// The first JPEG or PNG picture in the covr atom; its data atom's type (13 JPEG, 14 PNG, 0 not
// said) must agree with the bytes. Atoms are found by their headers alone, so the media data and
// a picture over kId3v2PictureCap are passed over unread. nullopt when there is none.
std::optional<Id3v2Picture> ReadMp4Cover(const ByteSource& source);

}  // namespace felux
