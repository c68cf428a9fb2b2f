// Fuzzes index and timed-text files (both formats, single lines with any offset) and word tags.
#include <cstdint>
#include <cstring>
#include <string_view>

#include "io/TextFile.h"
#include "playlist/IndexText.h"
#include "skin/WordTags.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int64_t offset = 0;
    if (size >= sizeof offset) {
        std::memcpy(&offset, data, sizeof offset);
    }
    const std::string_view raw(reinterpret_cast<const char*>(data), size);
    const std::string text = felux::io::LinesToUtf8(raw);
    (void)felux::BuildIndexRows(text, felux::IndexFormat::Index);
    const felux::IndexRows rows = felux::BuildIndexRows(text, felux::IndexFormat::Lrc);
    (void)felux::ParseIndexLine(raw);
    (void)felux::ParseLrcLine(raw, offset);
    (void)felux::SplitWordTags(text);
    (void)rows;
    return 0;
}
