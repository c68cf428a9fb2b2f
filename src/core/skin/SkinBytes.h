// The skin bitmaps compiled into the program: the bytes of resources/skin.bmp and skin@2x.bmp.
#pragma once

#include <span>

namespace felux {

// A whole .bmp file, 24 bits: 640 x 400 for scale 1, the same drawing at 1280 x 800 for
// scale 2 (any other scale gives the 1x one); DibImage::LoadFromBytes reads it.
std::span<const unsigned char> SkinBitmapBytes(int scale = 1);

}  // namespace felux
