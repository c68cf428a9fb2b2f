// Fuzzes the Ogg picture reader: whatever the pages and comments hold, the comment packet is
// gathered within its bound and a picture comes out bounded and opening as its format says.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/OggPicture.h"

namespace {

void Check(const std::optional<felux::Id3v2Picture>& picture, std::size_t size) {
    if (picture && (picture->data.size() > size || picture->data.size() > felux::kId3v2PictureCap ||
                    felux::ImageFormatOf(picture->data) != picture->format))
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Check(felux::ReadOggPicture(felux::MemorySource(bytes)), size);
    Check(felux::ParseOggComments(bytes), size);
    if (const auto decoded = felux::DecodeBase64(bytes); decoded && decoded->size() > size) std::abort();
    return 0;
}
