// Fuzzes the hand-over message a second start sends: only whole messages decode, and what
// decodes is exactly what the sender would have written for those files.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "app/HandOver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view message(reinterpret_cast<const char*>(data), size);
    const auto files = felux::DecodeHandOver(message);
    if (!files) return 0;
    if (files->empty() || files->size() > felux::kHandOverMaxFiles) std::abort();
    const auto again = felux::EncodeHandOver(*files);
    if (!again || *again != message) std::abort();
    return 0;
}
