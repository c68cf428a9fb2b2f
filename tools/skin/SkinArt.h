// The whole 640 x 400 skin: panel copies, digit cells, strips and loose pieces.
#pragma once

#include "Raster.h"

namespace felux::skintool {

// scale 1 or 2: the same layout, each skin pixel scale x scale bitmap pixels.
Raster DrawSkin(int scale);

}  // namespace felux::skintool
