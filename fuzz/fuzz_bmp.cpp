// Fuzzes the bitmap loader, from memory and from a file, and a copy of what it loaded.
#include <cstdint>
#include <span>

#include "FuzzFile.h"
#include "skin/DibImage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    felux::DibImage image;
    if (image.LoadFromBytes(std::span<const unsigned char>(data, size))) {
        felux::DibImage copy;
        if (copy.Create(64, 64)) image.CopyRows(copy, -3, -3, 0, 0, image.Width(), image.Height());
        (void)image.PixelAt(image.Width() - 1, image.Height() - 1);
    }
    felux::DibImage fromFile;
    fromFile.LoadFromFile(felux::fuzz::WriteScratch("in.bmp", data, size));
    return 0;
}
