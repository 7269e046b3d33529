#include "TgaWriter.h"
#include <utility>

std::string TgaHeader(uint8_t type, uint16_t width, uint16_t height, uint8_t bits, uint8_t descriptor)
{
    std::string header(18, '\0');
    header[2] = char(type);
    header[12] = char(width & 0xFF);
    header[13] = char(width >> 8);
    header[14] = char(height & 0xFF);
    header[15] = char(height >> 8);
    header[16] = char(bits);
    header[17] = char(descriptor);
    return header;
}

std::string DecodedPixel(uint32_t rgba, uint8_t bits)
{
    std::string pixel{char(rgba >> 24), char(rgba >> 16), char(rgba >> 8), char(rgba)};
    return pixel.substr(0, bits / 8);
}

std::string TgaPixel(uint32_t rgba, uint8_t bits)
{
    std::string pixel = DecodedPixel(rgba, bits);
    std::swap(pixel[0], pixel[2]);
    return pixel;
}
