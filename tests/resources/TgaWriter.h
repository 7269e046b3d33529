#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>

// TGA files built in memory for the tests: the 18 header bytes (no image
// ID, no colour map, origin 0,0), and pixels given as 0xRRGGBBAA, stored
// blue, green, red (, alpha) as the file keeps them.
inline std::string TgaHeader(uint8_t type, uint16_t w, uint16_t h, uint8_t bits, uint8_t descriptor = 0)
{
    return std::string{0, 0, char(type), 0, 0, 0, 0, 0, 0, 0, 0, 0, char(w), char(w >> 8), char(h), char(h >> 8),
                       char(bits), char(descriptor)};
}

inline std::string TgaPixels(std::initializer_list<uint32_t> pixels, uint8_t bits)
{
    std::string out;
    for (uint32_t p : pixels)
        out += std::string{char(p >> 8), char(p >> 16), char(p >> 24), char(p)}.substr(0, bits / 8);
    return out;
}
