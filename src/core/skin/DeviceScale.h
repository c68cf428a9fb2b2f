// How the panel's pixels reach a desktop that draws each window point with more than one device pixel.
#pragma once

#include <vector>

#include "platform/PixelSink.h"
#include "platform/WindowSystem.h"

namespace felux {

// The skin drawing to compose from: 1x on a plain desktop, 2x at any larger scale (shown as it
// is at 2, averaged down at 1.25 to 1.75, so that strokes of one width keep one weight).
int SkinScaleFor(double deviceScale);

// How pixels are brought to a target of window points. On a plain desktop (or a scale that
// makes no sense) they are stretched pixel by pixel, as they always were. Above it each pixel is
// first repeated a whole number of times across and down, up to the target's device size or
// past it, and what lies past it is averaged down: a stroke never comes out one device pixel
// wide in one place and two in another.
struct ScalePlan {
    bool stretch = true;  // the plain desktop's way; nothing below applies
    Size device;          // the target in device pixels, rounded up to cover it
    int wholeX = 1;
    int wholeY = 1;
    bool average = false;  // the repeated pixels are larger than device and averaged down to it
    // The target's exact size in thousandths of a device pixel (610.5 is 610500): the average
    // keeps to it, so that rounding device up to whole pixels stretches nothing.
    Size exactMilli;
};
ScalePlan PlanScale(Size source, Size target, double deviceScale);

// The picture, spread over exactMilli thousandths of a device pixel, averaged down to the `to`
// device pixels that cover it (1 .. its own size on each side): each pixel is the mean of the
// source area it covers, weighted by how much of each source pixel lies in it, so that a stroke
// keeps its weight wherever it falls. Rows of to.width x 3 bytes, packed; empty when the sizes do
// not fit.
std::vector<unsigned char> AverageDown(const PixelView& source, Size to, Size exactMilli);

}  // namespace felux
