// Fuzzes the wheel table text of the settings dialog.
#include <cstdint>
#include <string_view>

#include "settings/PlayerSettings.h"
#include "settings/WheelTableText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    felux::WheelTable steps{};
    felux::WheelTable isRate{};
    felux::ParseWheelTable(text, steps, isRate);
    (void)felux::SplitWheelFields(text);
    return 0;
}
