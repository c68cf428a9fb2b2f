// How the panel's pixels reach a desktop that draws each window point with more than one device pixel.
#include "skin/DeviceScale.h"

#include <algorithm>
#include <cmath>

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
    return plan;
}

}  // namespace felux
