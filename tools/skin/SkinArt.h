// The whole 640 x 400 skin: panel copies, digit cells, strips and loose pieces.
#pragma once

#include "Raster.h"

namespace felux::skintool {

Raster DrawSkin();

}  // namespace felux::skintool
