// The aspect presets: splitting and joining the preset list, and the picture size an entry gives.
#include "video/PictureSize.h"

#include <algorithm>
#include <cstdint>

#include "io/TextLines.h"

namespace felux {

AspectPresetList SplitAspectPresets(std::string_view list) {
    list = list.substr(0, std::min(list.size(), kAspectPresetsReadLimit));
    AspectPresetList entries;
    std::size_t slot = 0;
    for (const char c : list) {
        if (slot >= entries.size()) break;
        if (c == ';') ++slot;
        else entries[slot] += c;
    }
    return entries;
}

std::string JoinAspectPresets(const AspectPresetList& entries) {
    std::string out;
    for (const std::string& entry : entries) {
        for (const char c : entry) {
            if (c != ';') out += c;
        }
        out += ';';
    }
    return out;
}

AspectPreset ParseAspectPreset(std::string_view entry) {
    const std::size_t at = entry.find_first_of(":*");
    if (at == std::string_view::npos) return {};
    return {entry[at] == ':' ? PresetForm::Ratio : PresetForm::Size, io::ParseInt(entry.substr(0, at)),
            io::ParseInt(entry.substr(at + 1))};
}

VideoSize PresetPictureSize(std::string_view list, int index, VideoSize native) {
    if (index < 0 || index >= kAspectPresetCount) return native;
    const AspectPreset preset = ParseAspectPreset(SplitAspectPresets(list)[static_cast<std::size_t>(index)]);
    std::int64_t width = native.width;
    std::int64_t height = native.height;
    switch (preset.form) {
        case PresetForm::Native:
            return native;
        case PresetForm::Ratio: {
            // A zero divisor has no shape to keep: the native size is the safe reading.
            if (preset.second <= 0) return native;
            const std::int64_t q = native.height / preset.second;
            width = q * preset.first;
            height = q * preset.second;
            break;
        }
        case PresetForm::Size:
            width = preset.first;
            height = preset.second;
            break;
    }
    // A zero or negative side would later divide by zero when fitting to the screen.
    if (width < 1 || height < 1) return native;
    return {static_cast<int>(std::min<std::int64_t>(width, kMaxPictureSide)),
            static_cast<int>(std::min<std::int64_t>(height, kMaxPictureSide))};
}

}  // namespace felux
