// Fuzzes the FLAC picture reader and the picture structure it shares with Ogg: whatever the blocks
// hold, a picture comes out bounded and opening as its format says.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/FlacPicture.h"
#include "engine/PictureBlock.h"

namespace {

void Check(const std::optional<felux::Id3v2Picture>& picture, std::size_t size) {
    if (picture && (picture->data.size() > size || picture->data.size() > felux::kId3v2PictureCap ||
                    felux::ImageFormatOf(picture->data) != picture->format))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(felux::ReadFlacPicture(felux::MemorySource(bytes)), size);
    Check(felux::ParsePictureBlock(bytes), size);
    return 0;
}
