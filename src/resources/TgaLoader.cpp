#include "resources/TgaLoader.h"
#include <algorithm>
#include <cstring>
#include <fstream>
#include <istream>
#include <new>
#include <sstream>
#include "resources/DataName.h"
#include "shell/Shell.h"

namespace {

constexpr size_t TGA_HEADER_SIZE = 12;
constexpr size_t TGA_INFO_SIZE = 6;
// Only true-colour images without an image-ID field or colour map pass.
const uint8_t UNCOMPRESSED_HEADER[TGA_HEADER_SIZE] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
const uint8_t RLE_HEADER[TGA_HEADER_SIZE] = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr uint8_t RLE_RUN_FLAG = 128;

using Pixels = std::unique_ptr<uint8_t[]>;

bool Fail(const char* text, const char* caption = "ERROR")
{
    MessageBoxPlain(text, caption);
    return false;
}

bool ReadBytes(std::istream& in, void* into, uint64_t count)
{
    in.read(static_cast<char*>(into), static_cast<std::streamsize>(count));
    return static_cast<bool>(in);
}

// TGA stores blue before red; OpenGL wants red first.
void StoreSwapped(uint8_t* into, const uint8_t* pixel, uint32_t bytesPerPixel)
{
    std::memcpy(into, pixel, bytesPerPixel);
    std::swap(into[0], into[2]);
}

// A star name reads from the executable's resources, anything else from
// disk. Null (after a message) when neither can be opened.
std::unique_ptr<std::istream> OpenImage(const std::string& name)
{
    if (!name.empty() && name[0] == '*') {
        auto stream = std::make_unique<std::stringstream>();
        if (!LoadResourceStream(*stream, name.substr(1))) {
            Fail("Could not load from resource");
            return nullptr;
        }
        return stream;
    }
    auto file = std::make_unique<std::ifstream>(name, std::ios::binary);
    if (!file->is_open()) {
        Fail("Could not open texture file");
        return nullptr;
    }
    return file;
}

// Reads both headers into image; true for type 10 in isRle.
bool ReadHeaders(std::istream& in, TextureImage& image, bool& isRle)
{
    uint8_t header[TGA_HEADER_SIZE];
    if (!ReadBytes(in, header, sizeof header)) return Fail("Could not read file header");
    isRle = std::memcmp(header, RLE_HEADER, sizeof header) == 0;
    if (!isRle && std::memcmp(header, UNCOMPRESSED_HEADER, sizeof header) != 0)
        return Fail("TGA file be type 2 or type 10 ", "Invalid Image");

    uint8_t info[TGA_INFO_SIZE];
    if (!ReadBytes(in, info, sizeof info)) return Fail("Could not read info header");
    image.width = info[0] | (info[1] << 8);
    image.height = info[2] | (info[3] << 8);
    image.bitsPerPixel = info[4];
    // info[5], the image descriptor, is ignored: rows stay in file order.
    if (image.width == 0 || image.height == 0 || (image.bitsPerPixel != 24 && image.bitsPerPixel != 32))
        return Fail("Invalid texture information");
    image.format = image.bitsPerPixel == 24 ? GL_RGB : GL_RGBA;
    return true;
}

// Sizes are computed in 64 bits; an image beyond the sane bound is refused
// like one the system cannot provide memory for.
Pixels Allocate(uint64_t size)
{
    if (size > TGA_MAX_IMAGE_BYTES) return nullptr;
    return Pixels(new (std::nothrow) uint8_t[size]);
}

bool ReadUncompressed(std::istream& in, const TextureImage& image, uint8_t* pixels)
{
    uint32_t bytesPerPixel = image.BytesPerPixel();
    uint64_t size = image.PixelCount() * bytesPerPixel;
    if (!ReadBytes(in, pixels, size)) return Fail("Could not read image data");
    for (uint64_t at = 0; at < size; at += bytesPerPixel) std::swap(pixels[at], pixels[at + 2]);
    return true;
}

// Packets until every pixel is produced; none may reach past the image.
bool ReadRunLength(std::istream& in, const TextureImage& image, uint8_t* pixels)
{
    uint32_t bytesPerPixel = image.BytesPerPixel();
    uint64_t pixelCount = image.PixelCount();
    uint8_t pixel[4];
    for (uint64_t current = 0; current < pixelCount;) {
        uint8_t packet;
        if (!ReadBytes(in, &packet, 1)) return Fail("Could not read RLE header");
        bool isRun = packet >= RLE_RUN_FLAG;
        uint32_t count = isRun ? packet - (RLE_RUN_FLAG - 1) : packet + 1;
        if (count > pixelCount - current) return Fail("Too many pixels read");
        uint8_t* into = pixels + current * bytesPerPixel;
        if (isRun && !ReadBytes(in, pixel, bytesPerPixel)) return Fail("Could not read from file");
        for (uint32_t i = 0; i < count; ++i, into += bytesPerPixel) {
            if (!isRun && !ReadBytes(in, pixel, bytesPerPixel)) return Fail("Could not read image data");
            StoreSwapped(into, pixel, bytesPerPixel);
        }
        current += count;
    }
    return true;
}

} // namespace

bool LoadTGA(TextureImage& image, const std::string& name)
{
    image.pixels.reset();
    std::unique_ptr<std::istream> in = OpenImage(name);
    if (!in) return false;
    bool isRle = false;
    if (!ReadHeaders(*in, image, isRle)) return false;

    Pixels pixels = Allocate(image.PixelCount() * image.BytesPerPixel());
    if (!pixels) return Fail("Could not allocate memory for image");
    bool read = isRle ? ReadRunLength(*in, image, pixels.get()) : ReadUncompressed(*in, image, pixels.get());
    if (!read) return false;
    image.pixels = std::move(pixels);
    return true;
}
