// The progress bar's lit length: where playback is, or where a drag or a click put it.
#pragma once

#include "model/MediaTime.h"

namespace felux {

class ProgressBar {
public:
    static constexpr int kPixels = 138;

    int Pixel() const { return pixel_; }
    // The playing position along the bar; a file too short for one pixel's worth lights none.
    void Follow(MediaTime position, MediaTime duration) {
        const MediaTime unit = duration / kPixels;
        pixel_ = unit > MediaTime{} ? static_cast<int>(position / unit) : 0;
    }
    // The mouse put it there, within the bar.
    void Place(int pixel) { pixel_ = pixel; }
    void Reset() { pixel_ = 0; }
    // Where in a file of that duration the bar's pixel stands.
    MediaTime Position(MediaTime duration) const { return duration / kPixels * pixel_; }

private:
    int pixel_ = 0;
};

}  // namespace felux
