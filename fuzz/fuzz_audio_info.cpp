// Fuzzes the ID3v1 tag reader and the MPEG audio header search.
#include <cstdint>
#include <string_view>

#include "engine/AudioInfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    (void)felux::ParseId3v1(bytes);
    (void)felux::FindMpegHeader(bytes);
    return 0;
}
