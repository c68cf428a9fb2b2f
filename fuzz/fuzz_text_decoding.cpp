// Fuzzes text decoding and line cutting: whatever comes in, UTF-8 comes out.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "io/TextFile.h"
#include "io/TextLines.h"
#include "settings/DialogInt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!felux::io::IsValidUtf8(felux::io::ToUtf8(bytes))) std::abort();
    if (!felux::io::IsValidUtf8(felux::io::LinesToUtf8(bytes))) std::abort();
    for (const std::string_view line : felux::io::SplitLines(bytes)) {
        if (line.find_first_of("\r\n") != std::string_view::npos) std::abort();
        (void)felux::io::ParseInt(line);
        (void)felux::ParseDialogInt(line);
    }
    return 0;
}
