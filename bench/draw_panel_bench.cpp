// Times DrawPanel on the compiled-in skin over many frames of a playing file; the median should stay under 50 us.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

#include "BenchSupport.h"
#include "skin/PanelRenderer.h"
#include "skin/SkinBytes.h"

namespace {

using felux::bench::Percentile;

}  // namespace

int main() {
    felux::PanelRenderer renderer;
    if (!renderer.Load(felux::SkinBitmapBytes())) {
        std::fprintf(stderr, "the compiled-in skin did not load\n");
        return 1;
    }
    felux::bench::NoVolumeRecord volumeLog;
    int rate = 1000;
    felux::RateRamp ramp;
    int volumeRequest = 0;
    int readout = 0;
    felux::PanelWrites writes{rate, ramp, volumeRequest, readout, volumeLog};

    // A busy panel: playing with A-B markers, the volume log on, some held
    // buttons and a wheel step, the flash and the zoom read-out now and then.
    felux::PanelView view;
    view.stopped = false;
    view.shufflePlay = view.repeatList = view.scanLinesOn = true;
    view.volumeLogEnabled = true;
    view.duration = std::chrono::seconds(3'600);
    view.abState = felux::AbRepeat::Looping;
    view.abAMs = 600'000;
    view.abBMs = 1'800'000;
    view.listCount = 321;
    view.currentIndex = 17;

    constexpr int kWarmUp = 500;
    constexpr int kFrames = 20'000;
    std::vector<double> micros;
    micros.reserve(kFrames);
    for (int frame = -kWarmUp; frame < kFrames; ++frame) {
        const int f = frame + kWarmUp;
        view.position = std::chrono::milliseconds(40) * f;
        view.progress = static_cast<int>(view.position / (view.duration / 138));
        view.volumeKnob = f % 63;
        view.wheelStep = f / 100 % 19 - 9;
        view.held.next = f % 50 < 10;
        if (f % 200 == 0) volumeRequest = 2;
        if (f % 300 == 0) readout = 35;
        rate = 1000 + f / 40 % 3 * 250;
        const auto start = std::chrono::steady_clock::now();
        renderer.DrawPanel(view, writes);
        const auto end = std::chrono::steady_clock::now();
        if (frame >= 0) micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    const double median = Percentile(micros, 0.5);
    std::printf("%10s %12s %12s %12s\n", "frames", "median us", "p99 us", "max us");
    std::printf("%10d %12.2f %12.2f %12.2f\n", kFrames, median, Percentile(micros, 0.99),
                *std::max_element(micros.begin(), micros.end()));
    std::printf("target: median under 50 us per frame: %s\n", median < 50.0 ? "met" : "MISSED");
    return 0;
}
