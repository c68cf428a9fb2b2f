// The aspect presets: splitting and joining the preset list, and the picture size an entry gives.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "platform/MediaEngine.h"

namespace felux {

inline constexpr int kAspectPresetCount = 10;
// The list is read from its first 256 characters, the size it always had in the settings.
inline constexpr std::size_t kAspectPresetsReadLimit = 256;
// The largest side a preset may ask for; larger numbers are taken as this, so later
// products (zoom, regions) stay far from overflow and row lists stay bounded.
inline constexpr int kMaxPictureSide = 16384;

using AspectPresetList = std::array<std::string, kAspectPresetCount>;

// Entries end at ';'. Missing entries are empty; text past the tenth ';' is ignored.
AspectPresetList SplitAspectPresets(std::string_view list);
// Each entry followed by ';'. Any ';' inside an entry is dropped so that it cannot shift
// the following entries.
std::string JoinAspectPresets(const AspectPresetList& entries);

enum class PresetForm { Native, Ratio, Size };

struct AspectPreset {
    PresetForm form = PresetForm::Native;
    int first = 0;   // a of "a:b" or "a*b", read like atoi
    int second = 0;  // b
};

// "a:b" a ratio, "a*b" a size, anything else the native size. The first ':' or '*'
// decides; the numbers are read like atoi ("x" reads as 0).
AspectPreset ParseAspectPreset(std::string_view entry);

// The picture size before zoom for the entry at `index` of the list.
// Ratio: the native height kept as a whole multiple of b. Size: a x b.
// Native: the native size. An index outside 0..9, a ratio with b <= 0, and any result
// with a side below 1 give the native size; sides are limited to kMaxPictureSide.
VideoSize PresetPictureSize(std::string_view list, int index, VideoSize native);

}  // namespace felux
