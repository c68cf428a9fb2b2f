// Fuzzes the MP4 cover reader: whatever the atoms hold, a picture comes out bounded and opening
// as its format says.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/Mp4Cover.h"
#include "engine/PictureBlock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto picture = felux::ReadMp4Cover(felux::MemorySource(bytes));
    if (picture && (picture->data.size() > size || felux::ImageFormatOf(picture->data) != picture->format))
        std::abort();
    return 0;
}
