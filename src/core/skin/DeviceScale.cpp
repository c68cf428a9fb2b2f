// How the panel's pixels reach a desktop that draws each window point with more than one device pixel.
#include "skin/DeviceScale.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace felux {
namespace {

// No desktop draws a point with more; a damaged or foreign value must not size a huge image.
constexpr double kMaxScale = 8.0;

// Rounded up, less a hair: 407 x 1.5 covers 611 device pixels, 407 x 2 exactly 814.
int DevicePixels(int points, double scale) {
    return static_cast<int>(std::ceil(static_cast<double>(points) * scale - 1e-6));
}

int WholeTimes(int device, int source) { return std::max(1, (device + source - 1) / source); }

}  // namespace

int SkinScaleFor(double deviceScale) { return deviceScale > 1.0 ? 2 : 1; }

ScalePlan PlanScale(Size source, Size target, double deviceScale) {
    ScalePlan plan;
    if (!(deviceScale > 1.0) || source.width <= 0 || source.height <= 0 || target.width <= 0 || target.height <= 0)
        return plan;
    const double scale = std::min(deviceScale, kMaxScale);
    plan.stretch = false;
    plan.device = {DevicePixels(target.width, scale), DevicePixels(target.height, scale)};
    plan.wholeX = WholeTimes(plan.device.width, source.width);
    plan.wholeY = WholeTimes(plan.device.height, source.height);
    plan.average = source.width * plan.wholeX != plan.device.width || source.height * plan.wholeY != plan.device.height;
    const auto milli = static_cast<int>(std::lround(scale * 1000.0));
    plan.exactMilli = {target.width * milli, target.height * milli};
    return plan;
}

namespace {

// One axis: for each output pixel, the source pixels it covers and their weights. Counted in
// 1/milli of a source pixel, output pixel o spans [o, o + 1) x 1000 x from; the picture ends at
// from x milli, so a last pixel that reaches past it weighs only what it covers.
struct Tap {
    int first = 0;
    std::vector<long long> weights;
    long long total = 0;
};

std::vector<Tap> Taps(int from, int to, long long milli) {
    std::vector<Tap> taps(static_cast<std::size_t>(to));
    const long long span = 1000LL * from;
    const long long picture = milli * from;
    for (int o = 0; o < to; ++o) {
        const long long begin = o * span;
        const long long end = std::min(begin + span, picture);
        Tap& tap = taps[static_cast<std::size_t>(o)];
        tap.first = static_cast<int>(std::min<long long>(begin / milli, from - 1));
        for (long long i = tap.first; i < from && i * milli < end; ++i) {
            tap.weights.push_back(std::max(0LL, std::min(end, (i + 1) * milli) - std::max(begin, i * milli)));
            tap.total += tap.weights.back();
        }
        // A pixel wholly past the picture takes its last column.
        if (tap.total == 0) {
            tap.first = from - 1;
            tap.weights = {1};
            tap.total = 1;
        }
    }
    return taps;
}

}  // namespace

std::vector<unsigned char> AverageDown(const PixelView& source, Size to, Size exactMilli) {
    // The exact size must round up to `to`: each device pixel then spans at least one source pixel.
    auto fits = [](int device, int milli, int sourceSide) {
        return device >= 1 && device <= sourceSide && milli > 1000LL * (device - 1) && milli <= 1000LL * device &&
               milli <= 1000LL * sourceSide;
    };
    if (!source.first || source.rowStep < static_cast<std::ptrdiff_t>(source.width) * 3 ||
        !fits(to.width, exactMilli.width, source.width) || !fits(to.height, exactMilli.height, source.height))
        return {};
    const std::vector<Tap> across = Taps(source.width, to.width, exactMilli.width);
    const std::vector<Tap> down = Taps(source.height, to.height, exactMilli.height);
    // Across first, each source row to the output's width, kept as weighted sums.
    std::vector<long long> rows(static_cast<std::size_t>(source.height) * static_cast<std::size_t>(to.width) * 3);
    for (int y = 0; y < source.height; ++y) {
        const unsigned char* in = source.first + source.rowStep * y;
        long long* out = rows.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(to.width) * 3;
        for (int x = 0; x < to.width; ++x) {
            const Tap& tap = across[static_cast<std::size_t>(x)];
            for (std::size_t k = 0; k < tap.weights.size(); ++k)
                for (int c = 0; c < 3; ++c)
                    out[x * 3 + c] += tap.weights[k] * in[(tap.first + static_cast<int>(k)) * 3 + c];
        }
    }
    std::vector<unsigned char> result(static_cast<std::size_t>(to.width) * static_cast<std::size_t>(to.height) * 3);
    for (int y = 0; y < to.height; ++y) {
        const Tap& tap = down[static_cast<std::size_t>(y)];
        for (int x = 0; x < to.width * 3; ++x) {
            long long sum = 0;
            for (std::size_t k = 0; k < tap.weights.size(); ++k)
                sum += tap.weights[k] *
                       rows[(static_cast<std::size_t>(tap.first) + k) * static_cast<std::size_t>(to.width) * 3 +
                            static_cast<std::size_t>(x)];
            const long long total = across[static_cast<std::size_t>(x / 3)].total * tap.total;
            result[static_cast<std::size_t>(y) * static_cast<std::size_t>(to.width) * 3 + static_cast<std::size_t>(x)] =
                static_cast<unsigned char>((sum + total / 2) / total);
        }
    }
    return result;
}

}  // namespace felux
