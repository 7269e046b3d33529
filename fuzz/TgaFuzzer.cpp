// The TGA reader, raw (type 2) and run-length encoded (type 10), on
// whatever bytes a texture file may hold.
#include <cstdlib>
#include "FuzzSupport.h"
#include "resources/TgaLoader.h"

// Keeps the reads of every pixel from being optimised away.
volatile unsigned pixelSum;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string path = WriteFuzzFile("image.tga", data, size);
    TextureImage image;
    if (!LoadTGA(image, path)) {
        if (image.pixels) std::abort();  // a failed load keeps no pixels
        return 0;
    }
    // Every pixel of the image was written: reading them all is safe, and
    // the sanitizer sees any that lie outside the block.
    uint64_t size_bytes = image.PixelCount() * image.BytesPerPixel();
    if (image.width == 0 || image.height == 0 || size_bytes > TGA_MAX_IMAGE_BYTES) std::abort();
    unsigned sum = 0;
    for (uint64_t i = 0; i < size_bytes; ++i) sum += image.pixels[i];
    pixelSum = sum;
    return 0;
}
