#include "Image.h"

Image::Image(int width, int height, Rgba fill)
    : width(width), height(height), pixels(static_cast<size_t>(width) * height, fill)
{
}

void Image::CopyBlock(const Image& source, int sx, int sy, int w, int h, int dx, int dy)
{
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (source.Contains(sx + x, sy + y) && Contains(dx + x, dy + y))
                At(dx + x, dy + y) = source.At(sx + x, sy + y);
}
