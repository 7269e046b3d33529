#include "PngWriter.h"
#include <GL/gl.h>
#include <vector>
#include "ImagePng.h"

bool SaveFramebufferPng(const std::string& path, int width, int height)
{
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    // GL rows run bottom-up; images top-down.
    Image image(width, height);
    for (int row = 0; row < height; ++row)
        for (int x = 0; x < width; ++x) {
            const unsigned char* p = pixels.data() + (static_cast<size_t>(row) * width + x) * 3;
            image.At(x, height - 1 - row) = Rgba{p[0], p[1], p[2], 255};
        }
    return WritePng(path, image);
}
