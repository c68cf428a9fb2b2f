// The source rectangle that hides the overscan margins of the picture.
#pragma once

#include "platform/MediaEngine.h"

namespace felux {

// The smallest scale taken; smaller, zero, negative or NaN scales would ask for an empty
// or inverted rectangle.
inline constexpr double kMinOverscanScale = 0.1;

// The central part of the native picture, `scaleX` x `scaleY` of it (1.0 the whole picture,
// 0.98 a zoom of 102 percent): width trunc(W x sx), left trunc(W x (1 - sx)) / 2, and so for y.
// Scales are limited to kMinOverscanScale..1.0 (NaN counts as 1.0); every side is at least
// 1 pixel when the native side is. A native side below 1 gives an empty rectangle.
SourceRect OverscanSourceRect(VideoSize native, double scaleX, double scaleY);

}  // namespace felux
