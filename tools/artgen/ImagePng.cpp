#include "ImagePng.h"
#include <png.h>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool IsOpaque(const Image& image)
{
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y).a != 255) return false;
    return true;
}

void FillRow(const Image& image, int y, int channels, std::vector<unsigned char>& row)
{
    for (int x = 0; x < image.Width(); ++x) {
        const Rgba& p = image.At(x, y);
        unsigned char* out = row.data() + static_cast<size_t>(x) * channels;
        out[0] = p.r;
        out[1] = p.g;
        out[2] = p.b;
        if (channels == 4) out[3] = p.a;
    }
}

} // namespace

bool WritePng(const std::string& path, const Image& image)
{
    const int channels = IsOpaque(image) ? 3 : 4;
    std::vector<unsigned char> row(static_cast<size_t>(std::max(image.Width(), 1)) * channels);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, image.Width(), image.Height(), 8, channels == 3 ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.Height(); ++y) {
        FillRow(image, y, channels, row);
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}
