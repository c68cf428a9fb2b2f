// Fuzzes the settings file with its key list, and the sizes the layout makes of what it read.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/SettingsFile.h"
#include "video/PictureSize.h"
#include "video/VideoSize.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    felux::PlayerSettings s;
    felux::ParseSettings(s, text, {1280, 1024});
    // The text doubles as a key list, so names in any order and any number are tried.
    const std::string saved = felux::FormatSettings(s, text);
    felux::PlayerSettings again;
    felux::ParseSettings(again, saved, {1280, 1024});

    const felux::VideoSize picture = felux::PresetPictureSize(s.aspectPresets, s.aspectPresetIndex, {720, 480});
    for (const bool full : {false, true}) {
        felux::VideoSizeInput in;
        in.picture = picture;
        in.fullScreen = full;
        in.windowZoomStep = felux::ZoomIn(s.windowZoomStep, false);
        in.fullScreenZoomStep = felux::ZoomOut(s.fullScreenZoomStep, true);
        in.screen = {1280, 1024};
        in.largeTimedText = s.lyricsBelowVideo != 0;
        const felux::VideoPlacement p = felux::ComputeVideoSize(in);
        // Nothing the layout makes may outgrow twice the screen each way; in full screen, where
        // fill crops, four screens along one side, the same area.
        const long long area = static_cast<long long>(p.video.width) * p.video.height;
        if (area > 4LL * 1280 * 1024 || p.video.width > 4 * 1280 || p.video.height > 4 * 1024) std::abort();
        if (!full && (p.video.width > 2 * 1280 || p.video.height > 2 * 1024)) std::abort();
    }
    (void)felux::ScalePercent(s.overscanScaleX);
    return 0;
}
