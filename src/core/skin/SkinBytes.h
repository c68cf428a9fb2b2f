// The skin bitmap compiled into the program: the bytes of resources/skin.bmp.
#pragma once

#include <span>

namespace felux {

// A whole .bmp file, 640 x 400, 24 bits; DibImage::LoadFromBytes reads it.
std::span<const unsigned char> SkinBitmapBytes();

}  // namespace felux
