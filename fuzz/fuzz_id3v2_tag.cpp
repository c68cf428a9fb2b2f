// Fuzzes the ID3v2 tag reader: whatever the tag holds, its texts come out as bounded UTF-8 and its
// picture as a bounded part of it that opens as its format says.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "engine/AudioInfo.h"
#include "engine/Id3v2Tag.h"
#include "io/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const felux::Id3v2Text text = felux::ParseId3v2(bytes);
    for (const std::string* s : {&text.title, &text.artist, &text.album})
        if (s->size() > felux::kId3v2TextCap || !felux::io::IsValidUtf8(*s)) std::abort();
    if (const auto picture = felux::ParseId3v2Picture(bytes)) {
        const std::string_view image = picture->data;
        const bool opens = image.starts_with(picture->format == felux::ImageFormat::Png ? "\x89PNG" : "\xFF\xD8");
        if (image.size() > size || !opens) std::abort();
    }
    // The frames after the tag, as the file reader looks for them.
    if (const auto tagSize = felux::Id3v2TagSize(bytes); tagSize && *tagSize < size)
        (void)felux::FindMpegHeader(bytes.substr(static_cast<std::size_t>(*tagSize)));
    return 0;
}
