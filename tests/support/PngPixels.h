#pragma once
#include <png.h>
#include <string>
#include <vector>

// A PNG file read back as RGBA rows, top row first.
struct DecodedPng {
    bool ok = false;
    int width = 0, height = 0;
    std::vector<unsigned char> rgba;
};

inline DecodedPng ReadPng(const std::string& path)
{
    DecodedPng out;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return out;
    image.format = PNG_FORMAT_RGBA;
    out.rgba.resize(PNG_IMAGE_SIZE(image));
    out.ok = png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr) != 0;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    return out;
}

// How many pixels of two pictures of the same size differ; -1 when the
// sizes differ or either could not be read.
inline long DifferingPixels(const DecodedPng& a, const DecodedPng& b)
{
    if (!a.ok || !b.ok || a.width != b.width || a.height != b.height) return -1;
    long count = 0;
    for (size_t i = 0; i + 3 < a.rgba.size(); i += 4)
        if (a.rgba[i] != b.rgba[i] || a.rgba[i + 1] != b.rgba[i + 1] || a.rgba[i + 2] != b.rgba[i + 2] ||
            a.rgba[i + 3] != b.rgba[i + 3])
            ++count;
    return count;
}
